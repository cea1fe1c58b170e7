#include "files/mainsettings.h"

#include "files/programdir.h"

namespace trovanta::files {

QString mainSettingsPath() { return programFile(QString::fromLatin1(MainSettingsFileName)); }

} // namespace trovanta::files
