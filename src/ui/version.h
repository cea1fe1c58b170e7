#pragma once

#include <QString>

namespace trovanta {
inline const QString VersionText = QStringLiteral("2.11");
inline const QString ApplicationTitle = QStringLiteral("Trovanta ") + VersionText;
} // namespace trovanta
