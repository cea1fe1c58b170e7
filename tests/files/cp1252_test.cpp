// The code page against Qt's own Windows-1252 converter, except where the
// platform writes "?" for a character the page lacks.
#include "files/cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace trovanta::files;

TEST(CodePage1252, EveryByteDecodesLikeQtAndEncodesBack)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = cp1252::decode(all);
    ASSERT_EQ(text.size(), 256);
    QStringDecoder qt("windows-1252");
    if (qt.isValid()) {
        EXPECT_EQ(text, qt.decode(all));
    }
    EXPECT_EQ(cp1252::encode(text), all);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0x81), QChar(0x81));
}

TEST(CodePage1252, MissingCharactersBecomeQuestionMarks)
{
    QStringEncoder qt("windows-1252");
    for (char32_t c = 1; c < 0xD800; ++c) {
        const QString s = QString::fromUcs4(&c, 1);
        const QByteArray mine = cp1252::encode(s);
        ASSERT_EQ(mine.size(), 1) << unsigned(c);
        if (!qt.isValid())
            continue;
        // Qt substitutes 0x1A, or drops ignorable characters, where the
        // platform writes "?".
        QByteArray theirs = qt.encode(s);
        if ((theirs == "\x1A" && c != 0x1A) || theirs.isEmpty())
            theirs = "?";
        ASSERT_EQ(mine, theirs) << unsigned(c);
    }
    EXPECT_EQ(cp1252::encode(QString::fromUtf8("a😀b")), QByteArray("a?b"));
    EXPECT_EQ(cp1252::encode(QString(QChar(0xD800))), QByteArray("?")); // lone surrogate
    EXPECT_EQ(cp1252::encode(QString::fromUtf8("Température d air (°C)")),
              QByteArray("Temp\xE9rature d air (\xB0""C)"));
    EXPECT_EQ(cp1252::encode(QString::fromUtf8("°")), QByteArray("\xB0"));
}
