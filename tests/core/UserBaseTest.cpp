#include "core/shell/AppState.h"
#include "core/users/Registration.h"
#include "core/users/RememberedLogin.h"
#include "core/users/SignIn.h"
#include "core/users/UserBase.h"
#include "core/users/WriteBack.h"
#include "core/common/LineFile.h"
#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

namespace {

const QString kBase = QStringLiteral("jpg/2_17.jpg");

// A record as the file holds it: 48 lines, marks given per slot ("" when absent).
QStringList recordLines(const QString& first, const QString& second, const QString& pass, const QString& zak,
                        const QStringList& marks)
{
    QStringList lines{QStringLiteral("first"), first, QStringLiteral("second"), second,
                      QStringLiteral("pass"), pass, QStringLiteral("zak"), zak};
    for (int slot = 1; slot <= 20; ++slot)
        lines << QStringLiteral("test%1").arg(slot) << marks.value(slot - 1);
    return lines;
}

QStringList fileOf(int count, const QList<QStringList>& records)
{
    QStringList lines{QStringLiteral("predel"), QStringLiteral(" %1 ").arg(count)};
    for (const QStringList& record : records)
        lines += record;
    return lines;
}

QStringList repeated(const QString& value, int times = 20)
{
    QStringList list;
    for (int i = 0; i < times; ++i)
        list << value;
    return list;
}

} // namespace

TEST(UserBase, FreshBaseRegistersIntoTheSpareAndAddsANewOne)
{
    TempDataFolder data;
    const QStringList admin = recordLines("admin", "admin", "secret", "", repeated(" 0 "));
    data.writeLines(kBase, fileOf(2, {admin, recordLines("", "", "", "", {})}));

    UserBase base;
    ASSERT_TRUE(base.load(data.path(kBase)));
    ASSERT_TRUE(base.problem().isEmpty());
    const LookupOutcome lookup = findUser(base, "Иван", "Петров", "1");
    EXPECT_EQ(lookup.kind, LookupOutcome::Kind::NotFound);
    ASSERT_EQ(lookup.firstEmptyRecord, 2);

    UserRecord& added = base.record(2);
    added.first = "Иван";
    added.second = "Петров";
    added.pass = "1";
    ASSERT_EQ(base.save(data.path(kBase), true), UserBase::SaveResult::Saved);

    // Every mark read from the file is written in number form, the empty
    // lines of the former spare included; the new spare's were never set.
    const QStringList expected = fileOf(3, {admin, recordLines("Иван", "Петров", "1", "", repeated(" 0 ")),
                                            recordLines("", "", "", "", {})});
    EXPECT_EQ(data.readLines(kBase), expected);
    EXPECT_TRUE(data.readBytes(kBase).endsWith("test20\r\n\r\n"));
}

TEST(UserBase, MarksKeepTheSpellingOfHowTheyWereSet)
{
    TempDataFolder data;
    data.writeLines(kBase, fileOf(3, {recordLines("a", "b", "p", "", QStringList{"5", " 4 ", ""}),
                                      recordLines("c", "d", "q", "", {}), recordLines("", "", "", "", {})}));
    UserBase base;
    ASSERT_TRUE(base.load(data.path(kBase)));
    // Read from the file: a number whatever its spelling; an empty line is 0.
    EXPECT_EQ(base.record(1).marks[1], Mark::fromNumber(5));
    EXPECT_EQ(base.record(1).marks[2], Mark::fromNumber(4));
    EXPECT_EQ(base.record(1).marks[3].fileLine(), QStringLiteral(" 0 "));
    base.record(2).marks[1] = Mark::fromText("4");
    ASSERT_EQ(base.save(data.path(kBase), false), UserBase::SaveResult::Saved);
    const QStringList lines = data.readLines(kBase);
    EXPECT_EQ(lines[2 + 9], QStringLiteral(" 5 "));     // record 1, test1
    EXPECT_EQ(lines[2 + 48 + 9], QStringLiteral("4"));  // record 2, test1 as text
    EXPECT_EQ(lines[2 + 48 + 11], QStringLiteral(" 0 ")); // record 2, test2: an empty line read as 0
}

TEST(UserBase, KeysInAnyOrderWithinARecord)
{
    TempDataFolder data;
    data.writeLines(kBase, {"predel", " 2 ", "first", "a", "test3", " 5 ", "pass", "p", "second", "b", "zak",
                            "1.1.x", "first", "", "second", ""});
    UserBase base;
    ASSERT_TRUE(base.load(data.path(kBase)));
    EXPECT_TRUE(base.problem().isEmpty());
    EXPECT_EQ(base.record(1).second, QStringLiteral("b"));
    EXPECT_EQ(base.record(1).marks[3].number, 5);
    EXPECT_EQ(base.record(1).zak, QStringLiteral("1.1.x"));
}

TEST(UserBase, DamagedFilesAreReportedAndNeverRewritten)
{
    const struct {
        const char* name;
        QStringList lines;
        int line;
    } cases[] = {
        {"odd line count", {"predel", " 2 ", "first", "a", "second"}, 5},
        {"slot out of range", {"predel", " 2 ", "first", "a", "test21", " 5 ", "first", ""}, 5},
        {"slot without number", {"predel", " 2 ", "first", "a", "testx", " 5 ", "first", ""}, 5},
        {"count below two", {"predel", " 1 ", "first", "a"}, 2},
        {"count above capacity", {"predel", " 1001 ", "first", "a"}, 2},
        {"no count", {"first", "a", "first", ""}, 0},
        {"more records than counted", {"predel", " 2 ", "first", "a", "first", "b", "first", ""}, 0},
    };
    for (const auto& c : cases) {
        TempDataFolder data;
        data.writeLines(kBase, c.lines);
        const QByteArray before = data.readBytes(kBase);
        UserBase base;
        ASSERT_TRUE(base.load(data.path(kBase))) << c.name;
        EXPECT_FALSE(base.problem().isEmpty()) << c.name;
        EXPECT_EQ(base.problem().line, c.line) << c.name;
        EXPECT_EQ(base.save(data.path(kBase), true), UserBase::SaveResult::Damaged) << c.name;
        EXPECT_EQ(data.readBytes(kBase), before) << c.name;
    }
}

TEST(UserBase, NeverHoldsMoreThanItsCapacity)
{
    TempDataFolder data;
    QList<QStringList> records;
    for (int i = 0; i < 1001; ++i)
        records << recordLines(QString::number(i), "x", "p", "", {});
    data.writeLines(kBase, fileOf(1000, records));
    UserBase base;
    ASSERT_TRUE(base.load(data.path(kBase)));
    EXPECT_EQ(base.count(), 1000);
    EXPECT_FALSE(base.problem().isEmpty());

    UserBase full;
    std::vector<UserRecord> thousand(1000);
    full.setRecords(thousand);
    EXPECT_EQ(full.save(data.path("jpg/full.jpg"), true), UserBase::SaveResult::Full);
    EXPECT_FALSE(data.exists("jpg/full.jpg"));
}

TEST(SignIn, FirstRecordWithTheNamesDecidesAndTheSpareIsNeverCompared)
{
    UserBase base;
    base.setRecords({{"admin", "admin", "a", "", {}},
                     {"Иван", "Петров", "one", "", {}},
                     {"", "", "", "", {}},
                     {"Иван", "Петров", "two", "", {}},
                     {"Олег", "Лист", "x", "", {}}});
    const struct {
        const char* password;
        const char* first;
        LookupOutcome::Kind kind;
        int record;
    } cases[] = {
        {"one", "Иван", LookupOutcome::Kind::SignedIn, 2},
        {"two", "Иван", LookupOutcome::Kind::WrongPassword, 2},
        {"x", "Олег", LookupOutcome::Kind::NotFound, 0}, // the last record is the spare
    };
    for (const auto& c : cases) {
        const QString first = QString::fromUtf8(c.first);
        const QString surname = first == QStringLiteral("Олег") ? QStringLiteral("Лист") : QStringLiteral("Петров");
        const LookupOutcome outcome = findUser(base, first, surname, QString::fromUtf8(c.password));
        EXPECT_EQ(outcome.kind, c.kind) << c.password;
        EXPECT_EQ(outcome.record, c.record) << c.password;
    }
    EXPECT_EQ(findUser(base, "Олег", "Лист", "x").firstEmptyRecord, 3);
}

TEST(SignIn, ScoresBecomeTextsOfTheMarks)
{
    UserRecord record{"a", "b", "p", "2.1.x", {}};
    record.marks[1] = Mark::fromNumber(5);
    record.marks[2] = Mark::fromNumber(0);
    AppState state;
    signIn(state, record);
    EXPECT_EQ(state.userScores[1], QStringLiteral("5"));
    EXPECT_EQ(state.userScores[2], QStringLiteral("0"));
    EXPECT_EQ(state.userScores[3], QString()); // never set
    EXPECT_EQ(state.userBookmark, QStringLiteral("2.1.x"));
}

TEST(WriteBack, StoresAllScoresAsTextInTheFirstMatchingRecord)
{
    TempDataFolder data;
    data.writeLines(kBase, fileOf(4, {recordLines("admin", "admin", "a", "", repeated("5")),
                                      recordLines("Иван", "Петров", "1", "", repeated(" 3 ")),
                                      recordLines("Иван", "Петров", "2", "", {}), recordLines("", "", "", "", {})}));
    AppState state;
    state.userFirstName = "Иван";
    state.userSurname = "Петров";
    state.userScores[2] = "4";
    state.userScores[5] = "0";
    state.userBookmark = "3.1.Стрелка";
    ASSERT_EQ(writeBack(data.path(kBase), state), WriteBackResult::Stored);

    QStringList scores = repeated(QString());
    scores[1] = "4";
    scores[4] = "0";
    const QStringList expected =
        fileOf(4, {recordLines("admin", "admin", "a", "", repeated(" 5 ")),
                   recordLines("Иван", "Петров", "1", "3.1.Стрелка", scores),
                   recordLines("Иван", "Петров", "2", "", repeated(" 0 ")),
                   recordLines("", "", "", "", repeated(" 0 "))});
    EXPECT_EQ(data.readLines(kBase), expected);
}

TEST(WriteBack, LeavesTheFileAloneWhenTheUserIsGone)
{
    TempDataFolder data;
    data.writeLines(kBase, fileOf(2, {recordLines("admin", "admin", "a", "", {}), recordLines("", "", "", "", {})}));
    const QByteArray before = data.readBytes(kBase);
    AppState state;
    state.userFirstName = "Иван";
    state.userSurname = "Петров";
    EXPECT_EQ(writeBack(data.path(kBase), state), WriteBackResult::UserMissing);
    EXPECT_EQ(data.readBytes(kBase), before);
    EXPECT_EQ(writeBack(data.path("jpg/none.jpg"), state), WriteBackResult::BaseUnreadable);
}

TEST(RememberedLogin, UntickedBoxNeverKeepsThePassword)
{
    TempDataFolder data;
    const QString path = data.path("jpg/sv11.jpg");
    RememberedLogin login{true, false, " Иван", "Петров ", "пароль 1"};
    ASSERT_TRUE(login.write(path));
    EXPECT_EQ(data.readLines("jpg/sv11.jpg"), (QStringList{" 1 ", " Иван", "Петров ", "пароль 1"}));
    login.ticked = false;
    ASSERT_TRUE(login.write(path));
    EXPECT_EQ(data.readLines("jpg/sv11.jpg"), (QStringList{" 0 ", " Иван", "Петров ", ""}));
    const auto read = RememberedLogin::read(path);
    ASSERT_TRUE(read.has_value());
    EXPECT_FALSE(read->ticked);
    EXPECT_FALSE(RememberedLogin::read(data.path("jpg/none.jpg")).has_value());
}

TEST(Registration, AFullBaseRefusesAndStaysUntouched)
{
    TempDataFolder data;
    std::vector<UserRecord> records(UserBase::kCapacity);
    records[0] = {"admin", "admin", "a", "", {}};
    for (std::size_t i = 1; i + 1 < records.size(); ++i)
        records[i].first = QStringLiteral("u%1").arg(i);
    records[500].first.clear(); // an emptied record in the middle
    UserBase full;
    full.setRecords(records);
    ASSERT_EQ(full.save(data.path(kBase), false), UserBase::SaveResult::Saved);
    const QByteArray before = data.readBytes(kBase);

    const Registration registration =
        registerUser(data.path(kBase), data.path("jpg/1n_12.jpg"), "Олег", "Лисицын", "7");
    EXPECT_EQ(registration.outcome, Registration::Outcome::BaseFull);
    EXPECT_FALSE(registration.failureText.isEmpty());
    EXPECT_EQ(data.readBytes(kBase), before);
    EXPECT_FALSE(data.exists("jpg/1n_12.jpg"));
}
