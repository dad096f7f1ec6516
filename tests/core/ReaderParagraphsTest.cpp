#include "core/common/DataPath.h"
#include "core/reader/CoursePage.h"
#include "core/reader/ParagraphSequence.h"
#include "support/TempDataFolder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QString s(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

std::optional<QString> some(const char* utf8)
{
    return s(utf8);
}

const QStringList kContents{
    s("Электромеханику СЦБ"),   s("Раздел 1. Станция"), s("Глава 1. Сигналы"), s("  1.1.Светофор  "),
    s("1.2.Маршрут"),           s("Раздел 2. Перегон"),  s("2.1.Автоблокировка"), QString(),
    s("2.2.Переезд"),           s("Элементы питания"),   s("3.1.Питание"),
};

} // namespace

TEST(ParagraphSequence, KeepsOnlyParagraphsTrimmedInFileOrder)
{
    const ParagraphSequence sequence = ParagraphSequence::fromContents(kContents);
    // Neither the course title, nor section, chapter or "Эле" lines; the empty
    // line keeps its place.
    EXPECT_EQ(sequence.titles(), (QStringList{s("1.1.Светофор"), s("1.2.Маршрут"), s("2.1.Автоблокировка"), QString(),
                                              s("2.2.Переезд"), s("3.1.Питание")}));

    // A course title that looks like a paragraph is still no page.
    EXPECT_EQ(ParagraphSequence::fromContents({s("1.0.Курс"), s("1.1")}).titles(), QStringList{s("1.1")});
}

TEST(ParagraphSequence, StepsWithinTheSequence)
{
    const ParagraphSequence sequence = ParagraphSequence::fromContents(kContents);
    const struct {
        const char* page;
        std::optional<QString> after;
        std::optional<QString> before;
    } cases[] = {
        {"1.1.Светофор", some("1.2.Маршрут"), std::nullopt},
        // The page is found with or without the blanks its contents line has.
        {"  1.1.Светофор  ", some("1.2.Маршрут"), std::nullopt},
        {"1.2.Маршрут", some("2.1.Автоблокировка"), some("1.1.Светофор")},
        // An empty line stops the step on both of its sides.
        {"2.1.Автоблокировка", std::nullopt, some("1.2.Маршрут")},
        {"2.2.Переезд", some("3.1.Питание"), std::nullopt},
        {"3.1.Питание", std::nullopt, some("2.2.Переезд")},
        // Chapter and section pages step to the paragraphs around them.
        {"Глава 1. Сигналы", some("1.1.Светофор"), std::nullopt},
        {"Раздел 2. Перегон", some("2.1.Автоблокировка"), some("1.2.Маршрут")},
        // A title that left the contents, the course title and no title at all stay put.
        {"9.9.Удалённый параграф", std::nullopt, std::nullopt},
        {"Электромеханику СЦБ", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sequence.after(s(c.page)), c.after) << c.page;
        EXPECT_EQ(sequence.before(s(c.page)), c.before) << c.page;
    }
}

TEST(ParagraphSequence, HasNoFixedLengthAndLoadsFromTheFile)
{
    QStringList lines{s("Курс"), s("Раздел 1")};
    for (int k = 1; k <= 150; ++k)
        lines.append(QStringLiteral("1.%1").arg(k));
    TempDataFolder data;
    data.writeLines(QStringLiteral("soderjanie.txt"), lines);
    const std::optional<ParagraphSequence> sequence =
        ParagraphSequence::load(data.path(QStringLiteral("soderjanie.txt")));
    ASSERT_TRUE(sequence.has_value());
    EXPECT_EQ(sequence->after(QStringLiteral("1.100")), QStringLiteral("1.101"));
    EXPECT_EQ(sequence->after(QStringLiteral("1.150")), std::nullopt);
    EXPECT_FALSE(ParagraphSequence::load(data.path(QStringLiteral("missing.txt"))).has_value());
}

TEST(CourseBounds, KnowsTheFirstAndLastParagraphExactly)
{
    EXPECT_TRUE(coursebounds::isFirstParagraph(s("1.1.Светофор (проверка зависимостей на станции)")));
    EXPECT_FALSE(coursebounds::isFirstParagraph(s("1.1.Светофор (проверка зависимостей на станции) ")));
    EXPECT_TRUE(coursebounds::isLastParagraph(s("19.1.Перечень путевых работ ПЧ производство которых согласовывают с ШЧ")));
    EXPECT_FALSE(coursebounds::isLastParagraph(s("19.1.перечень путевых работ ПЧ производство которых согласовывают с ШЧ")));
}

TEST(CoursePage, NamesTheTrimmedTitleInTheHtmFolderAndRefusesEscapes)
{
    TempDataFolder data;
    data.writeLines(s("htm/1.1.Светофор.HTM"), {QStringLiteral("<html></html>")});
    const DataRoot root(data.programFolder());

    EXPECT_EQ(QDir::fromNativeSeparators(coursePagePath(root, s("  1.1.Светофор ")).value()),
              data.path(s("htm/1.1.Светофор.HTM")));
    EXPECT_EQ(QDir::fromNativeSeparators(coursePagePath(root, s("2.1.Новая")).value()),
              data.path(s("htm/2.1.Новая.htm")));
    for (const char* escape : {"..\\jpg\\2_17", "../../etc/passwd", "C:\\Windows\\win", "\\\\server\\share\\x", "/tmp/x"})
        EXPECT_FALSE(coursePagePath(root, s(escape)).has_value()) << escape;
}
