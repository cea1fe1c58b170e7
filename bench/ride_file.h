#pragma once
// The benches' logger export: a ride at 1987 mm, written in pieces so that
// a million lines never sit in memory at once.

#include "calc/gearset.h"
#include "support/logger_ride.h"

#include <QFile>
#include <QString>

#include <string>

namespace trovanta::bench {

inline bool writeRide(const QString &path, int lines)
{
    gearing::GearSet truth;
    truth.circumferenceOverride = 1987;
    test::RideLog ride(test::LoggerStyle::CommaUnitsInNames, gearing::derive(truth), 20240611);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    std::string buf = ride.head();
    for (int i = 0; i < lines; ++i) {
        buf += ride.nextLine();
        if (buf.size() > (1 << 20)) {
            f.write(buf.data(), static_cast<qint64>(buf.size()));
            buf.clear();
        }
    }
    f.write(buf.data(), static_cast<qint64>(buf.size()));
    return f.error() == QFileDevice::NoError;
}

} // namespace trovanta::bench
