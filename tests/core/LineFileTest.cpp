#include "core/common/Cp1251.h"
#include "core/common/LineFile.h"
#include "core/common/NumberForm.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

TEST(NumberForm, WritesSignDigitsAndTrailingSpace)
{
    EXPECT_EQ(numberform::write(5), QStringLiteral(" 5 "));
    EXPECT_EQ(numberform::write(0), QStringLiteral(" 0 "));
    EXPECT_EQ(numberform::write(1000), QStringLiteral(" 1000 "));
    EXPECT_EQ(numberform::write(-3), QStringLiteral("-3 "));
}

TEST(NumberForm, ReadsTheLongestLeadingNumber)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {" 5 ", 5}, {"5", 5}, {"", 0}, {"abc", 0}, {"  12abc", 12}, {"-3 ", -3}, {"4.5", 4.5}, {" 3 4", 3}, {"-", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numberform::read(QString::fromLatin1(c.text)), c.value) << c.text;
        EXPECT_EQ(numberform::read(QByteArrayView(c.text)), c.value) << c.text; // straight from the file's bytes
    }
    EXPECT_EQ(numberform::readWhole(QStringLiteral("2.5")), 2);
    EXPECT_EQ(numberform::readWhole(QStringLiteral("3.5")), 4);
}

TEST(Cp1251, RoundTripsCyrillicAndMarksWhatItCannotHold)
{
    const QString text = QStringLiteral("Ёжик — «№1» ёлка");
    bool lossless = false;
    const QByteArray bytes = cp1251::encode(text, &lossless);
    EXPECT_TRUE(lossless);
    EXPECT_EQ(bytes.size(), text.size());
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xA8); // Ё
    EXPECT_EQ(cp1251::decode(bytes), text);
    cp1251::encode(QStringLiteral("≤"), &lossless);
    EXPECT_FALSE(lossless);
}

TEST(LineFile, ReadsAnyLineEndAndWritesCrLf)
{
    TempDataFolder data;
    data.writeBytes(QStringLiteral("a.txt"), QByteArray("one\r\n\r\ntwo\nthree"));
    EXPECT_EQ(linefile::read(data.path(QStringLiteral("a.txt"))),
              (QStringList{QStringLiteral("one"), QString(), QStringLiteral("two"), QStringLiteral("three")}));

    ASSERT_TRUE(linefile::write(data.path(QStringLiteral("b.txt")), {QStringLiteral("Имя"), QString()}));
    EXPECT_EQ(data.readBytes(QStringLiteral("b.txt")), QByteArray("\xC8\xEC\xFF\r\n\r\n"));
    EXPECT_FALSE(linefile::read(data.path(QStringLiteral("missing.txt"))).has_value());
}
