#include "print/letterhead.h"

#include "calc/product.h"

#include <QCoreApplication>

namespace trovanta::print {

namespace {

// Drops the time-zone fields ("t", "tt", ...) of a time format, leaving
// quoted literals alone; a time of day printed with the zone of the
// printing moment would only be noise.
QString withoutTimeZone(const QString &format)
{
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't')
            continue;
        out += c;
    }
    return out.simplified();
}

} // namespace

QString letterheadDate(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, QLocale::ShortFormat);
}

QString letterheadTime(const QTime &time, const QLocale &locale)
{
    return locale.toString(time, withoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

void drawLetterhead(Canvas &canvas, const QString &subtitle, const QDateTime &now, const QLocale &locale)
{
    canvas.textOut(200, 300, letterheadDate(now.date(), locale));
    canvas.textOut(500, 300, letterheadTime(now.time(), locale));
    canvas.textOut(1000, 300, QStringLiteral("TROVANTA ") + QString::fromUtf8(product::VersionText));
    canvas.textOut(200, 400, subtitle);
    canvas.textOut(200, 3000, QCoreApplication::translate("Letterhead", product::DistributionNotice));
    canvas.textOut(200, 3050,
                   QCoreApplication::translate("Letterhead", "Download: ") + QString::fromUtf8(product::HomePage));
    canvas.textOut(200, 3100,
                   QCoreApplication::translate("Letterhead", "Kontakt: ") + QString::fromUtf8(product::MailAddress));
}

} // namespace trovanta::print
