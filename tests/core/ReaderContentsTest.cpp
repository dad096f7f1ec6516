#include "core/reader/ContentsFile.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

namespace {

QString s(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TEST(ContentsFile, ReadsTitleSectionsAndEntriesExactlyAsWritten)
{
    TempDataFolder data;
    data.writeLines(QStringLiteral("soderjanie.txt"),
                    {s("Электромеханику СЦБ"), s("Раздел 1. Станция"), s("Глава 1. Сигналы"), s("1.1.Светофор  "),
                     s("Раздел 2. Перегон"), s("  2.1.Рельсовая цепь"), s("раздел строчными")});
    ContentsFile contents;
    ASSERT_TRUE(contents.load(data.path(QStringLiteral("soderjanie.txt"))));

    EXPECT_EQ(contents.courseTitle(), s("Электромеханику СЦБ"));
    EXPECT_EQ(contents.sectionTitle(1), s("Раздел 1. Станция"));
    EXPECT_EQ(contents.entryTitle(1, 1), s("Глава 1. Сигналы"));
    EXPECT_EQ(contents.entryTitle(1, 2), s("1.1.Светофор  "));
    EXPECT_EQ(contents.sectionTitle(2), s("Раздел 2. Перегон"));
    EXPECT_EQ(contents.entryTitle(2, 1), s("  2.1.Рельсовая цепь"));
    // The section test is case-sensitive: a lower-case line is an entry.
    EXPECT_EQ(contents.entryTitle(2, 2), s("раздел строчными"));
    EXPECT_TRUE(contents.sectionTitle(3).isEmpty());
    EXPECT_TRUE(contents.unplacedLines().isEmpty());

    EXPECT_FALSE(contents.load(data.path(QStringLiteral("missing.txt"))));
}

TEST(ContentsFile, ReportsLinesBeyondTheTableInsteadOfStoringThem)
{
    QStringList lines{s("Курс"), s("строка до первого раздела")};
    for (int section = 1; section <= 26; ++section) {
        lines.append(s("Раздел %1").arg(section));
        if (section == 2) {
            for (int entry = 1; entry <= 36; ++entry)
                lines.append(QStringLiteral("2.%1").arg(entry));
        }
    }
    lines.append(s("запись 26-го раздела"));
    ContentsFile contents;
    contents.setLines(lines);

    EXPECT_EQ(contents.sectionTitle(25), s("Раздел 25"));
    EXPECT_EQ(contents.entryTitle(2, 35), QStringLiteral("2.35"));
    // Line 2 has no section; the 36th entry of section 2 is line 40; the 26th
    // section and its entry are the last two lines.
    const int lineCount = static_cast<int>(lines.size());
    EXPECT_EQ(contents.unplacedLines(), (QList<int>{2, 40, lineCount - 1, lineCount}));
    EXPECT_TRUE(contents.entryTitle(0, 1).isEmpty());
    EXPECT_TRUE(contents.entryTitle(26, 1).isEmpty());
}

TEST(ContentsTree, BuildsTheFileStructureWithItsStoppingRules)
{
    ContentsFile contents;
    contents.setLines({s("Курс"), s("Раздел 1"), s("1.1"), s("1.2"), QString(), s("1.3 скрыт"), s("Раздел 2"),
                       s("Раздел 3"), s("3.1")});
    const ContentsTree tree = ContentsTree::build(contents);

    EXPECT_EQ(tree.root, s("Курс"));
    ASSERT_EQ(tree.sections.size(), 3);
    // An empty line ends the visible entries of its section.
    EXPECT_EQ(tree.sections[0].entries, (QStringList{s("1.1"), s("1.2")}));
    // A section without entries still shows one empty child.
    EXPECT_EQ(tree.sections[1].entries, QStringList{QString()});
    EXPECT_EQ(tree.sections[2].title, s("Раздел 3"));
    EXPECT_EQ(tree.sections[2].entries, QStringList{s("3.1")});
}

TEST(ContentsTree, AlwaysShowsTheFirstSectionAndFullTables)
{
    ContentsFile empty;
    empty.setLines({s("Курс без разделов")});
    const ContentsTree bare = ContentsTree::build(empty);
    ASSERT_EQ(bare.sections.size(), 1);
    EXPECT_TRUE(bare.sections[0].title.isEmpty());
    EXPECT_EQ(bare.sections[0].entries, QStringList{QString()});

    // Sections of 35, 1, then 3 to 25 entries.
    const auto entryCount = [](int section) { return section == 1 ? ContentsFile::kEntries : section == 2 ? 1 : section; };
    QStringList lines{s("Курс")};
    for (int section = 1; section <= ContentsFile::kSections; ++section) {
        lines.append(s("Раздел %1").arg(section));
        for (int entry = 1; entry <= entryCount(section); ++entry)
            lines.append(QStringLiteral("%1.%2").arg(section).arg(entry));
    }
    ContentsFile full;
    full.setLines(lines);
    EXPECT_TRUE(full.unplacedLines().isEmpty());
    const ContentsTree tree = ContentsTree::build(full);
    ASSERT_EQ(tree.sections.size(), ContentsFile::kSections);
    for (int section = 1; section <= ContentsFile::kSections; ++section) {
        const ContentsTree::Section& node = tree.sections[section - 1];
        EXPECT_EQ(node.title, s("Раздел %1").arg(section));
        ASSERT_EQ(node.entries.size(), entryCount(section)) << section;
        EXPECT_EQ(node.entries.last(), QStringLiteral("%1.%2").arg(section).arg(entryCount(section)));
    }
}

TEST(ContentsFile, ChoosesThePageANodeOpens)
{
    ContentsFile contents;
    contents.setLines({s("Курс"), s("Раздел 1"), s("Глава 1"), s("1.1"), s("Раздел 2"), s("2.1"), s("Раздел 3"),
                       s("Глава 3 "), s("3.1")});
    const struct {
        const char* node;
        const char* page;
    } cases[] = {
        {"Курс", "Глава 1"},     {"Раздел 1", "Глава 1"}, {"Раздел 3", "Глава 3 "}, {"Глава 1", "Глава 1"},
        {"3.1", "3.1"},          {"Раздел 2", "2.1"},     {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(contents.pageFor(s(c.node)), s(c.page)) << c.node;
}
