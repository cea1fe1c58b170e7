#pragma once
// UTF-8 text as a Windows tool exports it in UTF-16.

#include <QByteArray>
#include <QString>

namespace trovanta::test {

inline QByteArray utf16(const char *utf8, bool littleEndian, bool bom)
{
    QString text = QString::fromUtf8(utf8);
    if (bom)
        text.prepend(QChar(0xFEFF));
    QByteArray out;
    for (const QChar c : text) {
        const char lo = static_cast<char>(c.unicode() & 0xFF), hi = static_cast<char>(c.unicode() >> 8);
        out.append(littleEndian ? lo : hi);
        out.append(littleEndian ? hi : lo);
    }
    return out;
}

} // namespace trovanta::test
