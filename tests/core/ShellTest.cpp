#include "core/common/DataPath.h"
#include "core/shell/SettingFile.h"
#include "core/shell/ViewerInstall.h"
#include "core/testing/TestCatalogue.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(DataPath, MatchesNamesRegardlessOfCaseBelowTheBase)
{
    TempDataFolder data;
    data.writeLines("jpg/skin/boss/accept.bmp", {"x"});
    const QString resolved = datapath::resolve(data.programFolder(), "\\DATA\\jpg\\SKIN\\BOSS\\ACCEPT.bmp");
    EXPECT_EQ(QDir::fromNativeSeparators(resolved), data.path("jpg/skin/boss/accept.bmp"));
    // A name that matches nothing is kept as written, ready to be created.
    EXPECT_TRUE(DataRoot(data.programFolder()).file("jpg\\New.jpg").endsWith("New.jpg"));
}

TEST(DataPath, RefusesNamesThatLeaveTheirFolder)
{
    for (const char* bad : {"../x", "..\\..\\2_17", "/etc/passwd", "c:\\boot", "\\\\server\\share", "a/../../b"})
        EXPECT_FALSE(datapath::staysInside(QString::fromUtf8(bad))) << bad;
    for (const char* good : {"1.1.Светофор (проверка)", "pic/relay", "a..b", ""})
        EXPECT_TRUE(datapath::staysInside(QString::fromUtf8(good))) << good;
}

TEST(SettingFile, FirstLineNumberOrTheFallback)
{
    TempDataFolder data;
    const struct {
        QStringList lines;
        int value;
    } cases[] = {{{" 3 "}, 3}, {{""}, 1}, {{"abc"}, 0}, {{"2.5"}, 2}, {{" 9 ", "5"}, 9}};
    for (const auto& c : cases) {
        data.writeLines("jpg/sv10.jpg", c.lines);
        EXPECT_EQ(readSettingFile(data.path("jpg/sv10.jpg")).valueOr(1), c.value) << c.lines.join('|').toStdString();
    }
    EXPECT_EQ(readSettingFile(data.path("jpg/none.jpg")).valueOr(1), 1);
}

TEST(Catalogue, ReadsTwentyGroupsAfterTheStartLine)
{
    TempDataFolder data;
    QStringList lines{"заголовок", " start", "start"};
    for (int k = 1; k <= 20; ++k)
        lines << "n" << (k == 2 || k == 3 ? "  Светофоры " : k <= 14 ? QStringLiteral("Тест %1").arg(k) : "")
              << QStringLiteral(" T%1.jpg ").arg(k);
    lines << "after" << "ignored";
    data.writeLines("jpg/14_15.jpg", lines);

    TestCatalogue catalogue;
    const CatalogueLoad load = loadCatalogue(data.path("jpg/14_15.jpg"), catalogue);
    ASSERT_TRUE(load.opened);
    EXPECT_TRUE(load.problem.isEmpty());
    EXPECT_EQ(catalogue.titles().size(), 14);
    EXPECT_EQ(catalogue.bankOf("Светофоры"), QStringLiteral("T2.jpg"));
    EXPECT_FALSE(catalogue.bankOf("нет такого").has_value());

    std::array<QString, 21> scores;
    EXPECT_EQ(catalogue.storeMark("Светофоры", "4", scores), 2);
    EXPECT_EQ(scores[2], QStringLiteral("4"));
    EXPECT_EQ(scores[3], QStringLiteral("4"));
    EXPECT_EQ(catalogue.storeMark("Другой", "5", scores), 0);
}

TEST(Catalogue, DamagedFileKeepsWhatItCouldRead)
{
    TempDataFolder data;
    data.writeLines("jpg/14_15.jpg", {"start", "n", "Светофоры", "T01_97.jpg", "n", "Стрелки"});
    TestCatalogue catalogue;
    const CatalogueLoad load = loadCatalogue(data.path("jpg/14_15.jpg"), catalogue);
    EXPECT_TRUE(load.opened);
    EXPECT_FALSE(load.problem.isEmpty());
    EXPECT_EQ(catalogue.titles(), QStringList{"Светофоры"});

    data.writeLines("jpg/14_15.jpg", {"no start here"});
    EXPECT_FALSE(loadCatalogue(data.path("jpg/14_15.jpg"), catalogue).problem.isEmpty());
    EXPECT_FALSE(loadCatalogue(data.path("jpg/none.jpg"), catalogue).opened);
}

TEST(Catalogue, KnowsTheFourteenTestsDescriptions)
{
    EXPECT_EQ(knowntests::descriptionByTitle("ДГА"), knowntests::descriptionByBankFile("T01_106.jpg"));
    EXPECT_EQ(knowntests::descriptionByBankFile("sv9.jpg"),
              QStringLiteral("Тест содержит 100 вопросов по всем темам предмета."));
    EXPECT_EQ(QString::fromUtf16(knowntests::at(14).boardRow), QStringLiteral("Тест по курсу"));
    EXPECT_FALSE(knowntests::descriptionByTitle("дга").has_value());
}

TEST(ViewerIni, RewritesEveryT01PairAndAppendsWhenThereIsNone)
{
    const QString data = "/srv/lumora/data";
    const struct {
        const char* name;
        QStringList in;
        std::optional<QStringList> out;
    } cases[] = {
        {"already ours", {"[A]", "x", "[T01]", data}, std::nullopt},
        {"other path", {"[A]", "x", "[T01]", "/old/data", "[B]", "y"}, QStringList{"[A]", "x", "[T01]", data, "[B]", "y"}},
        {"case differs", {"[T01]", "/SRV/lumora/data"}, QStringList{"[T01]", data}},
        {"two pairs", {"[T01]", "/a", "[T01]", "/b"}, QStringList{"[T01]", data, "[T01]", data}},
        {"none", {"[A]", "x"}, QStringList{"[A]", "x", "[T01]", data}},
        {"odd line count", {"[A]", "x", "[B]"}, QStringList{"[A]", "x", "[B]", "", "[T01]", data}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rewriteViewerIni(c.in, data), c.out) << c.name;
}

TEST(ViewerInstall, InstallsOnceAndKeepsExistingCopies)
{
    TempDataFolder data;
    data.writeLines("zor_view2.exe", {"viewer"});
    data.writeLines("htm_view.exe", {"html viewer"});
    const QString parent = data.programFolder() + "/programs";
    const ViewerInstallation installation{parent, parent + "/ZorView", QDir::toNativeSeparators(data.path(""))
                                                                           .chopped(1)};
    EXPECT_TRUE(installViewer(installation).isEmpty());
    EXPECT_TRUE(QFile::exists(parent + "/ZorView/zor_view2.exe"));
    QFile ini(parent + "/ZorView/zor.ini");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), "[T01]\r\n" + installation.dataFolder.toLocal8Bit() + "\r\n");
    ini.close();

    data.writeLines("zor_view2.exe", {"newer viewer"});
    EXPECT_TRUE(installViewer(installation).isEmpty());
    QFile copy(parent + "/ZorView/zor_view2.exe");
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), QByteArray("viewer\r\n"));
}

TEST(ViewerInstall, AFolderThatCannotBeMadeIsReportedNotFatal)
{
    TempDataFolder data;
    data.writeLines("blocker", {"a file where a folder should be"});
    const QString blocked = data.path("blocker");
    EXPECT_FALSE(installViewer({blocked, blocked + "/ZorView", data.path("")}).isEmpty());
}
