#pragma once
// The same text as other programs may write it: UTF-8 input (valid, with no
// zero byte) again in UTF-16 LE and BE with their BOM, and without it when
// every character is Latin-1. A reader of exports must read each of them as
// it reads the UTF-8.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <vector>

namespace trovanta::fuzz::detail {

inline std::vector<QByteArray> utf16Variants(QByteArrayView bytes)
{
    if (bytes.isEmpty() || bytes.contains('\0'))
        return {};
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        return {};
    bool latin1 = text.size() >= 2;
    for (const QChar c : text)
        latin1 = latin1 && c.unicode() <= 0xFF;
    auto encode = [&](bool le, bool bom) {
        QByteArray out;
        out.reserve(2 * text.size() + 2);
        auto put = [&](char16_t u) {
            out.append(static_cast<char>(le ? u & 0xFF : u >> 8));
            out.append(static_cast<char>(le ? u >> 8 : u & 0xFF));
        };
        if (bom)
            put(0xFEFF);
        for (const QChar c : text)
            put(c.unicode());
        return out;
    };
    std::vector<QByteArray> out{encode(true, true), encode(false, true)};
    if (latin1) {
        out.push_back(encode(true, false));
        out.push_back(encode(false, false));
    }
    return out;
}

} // namespace trovanta::fuzz::detail
