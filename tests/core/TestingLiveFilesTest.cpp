#include "core/shell/AppState.h"
#include "core/testing/AnswerLog.h"
#include "core/testing/TestRunRules.h"

#include "support/TempDataFolder.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <atomic>
#include <thread>

namespace {

QByteArray crlf(const QStringList& lines)
{
    return lines.join("\r\n").toLatin1() + "\r\n";
}

QByteArray liveState(int curr, int ok, int grade)
{
    return crlf({"first", "Ivan", "second", "Petrov", "name", "Signals", "max", " 3 ", "curr",
                 QStringLiteral(" %1 ").arg(curr), "ok", QStringLiteral(" %1 ").arg(ok), "ocenka",
                 QStringLiteral(" %1 ").arg(grade)});
}

QByteArray logHeader(int ok, int grade)
{
    return crlf({"first", "Ivan", "second", "Petrov", "name", "Signals", "max", " 3 ", "ok",
                 QStringLiteral(" %1 ").arg(ok), "ocenka", QStringLiteral(" %1 ").arg(grade)});
}

QByteArray block(const QString& topic, const QString& text, const QString& ris, int user, int right)
{
    return crlf({"tema", topic, "vop", text, "otv1", "a", "otv2", "b", "otv3", "c", "otv4", "d", "otv5", "e", "ris",
                 ris, "otv_user", QString::number(user), "otv_ver", QString::number(right)});
}

const QByteArray kEmptyBlock = crlf({"tema", "", "vop", "", "otv1", "", "otv2", "", "otv3", "", "otv4", "", "otv5", "",
                                     "ris", "", "otv_user", "0", "otv_ver", "0"});

Question makeQuestion(const QString& topic, const QString& text, const QString& ris, int right)
{
    return {topic, text, {"a", "b", "c", "d", "e"}, right, ris};
}

class LiveFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        state.userFirstName = "Ivan";
        state.userSurname = "Petrov";
        state.testing.run.testName = "Signals";
        state.testing.bank.questions = {makeQuestion("T0", "Q0", "", 1), makeQuestion("T1", "Q1", "pic", 2),
                                        makeQuestion("T2", "Q2", "", 3)};
        state.testing.bank.order = {2, 0, 1};
        state.testing.answerLog.clear();
    }

    void showNext()
    {
        testrun::nextQuestion(state.testing);
        writeLiveTestState(folder.path("curr_test.ini"), testrun::liveHeader(state), state.testing.run.questionNumber);
    }

    bool answer(int chosen)
    {
        const bool last = testrun::recordAnswer(state.testing, chosen);
        writeAnswerLog(folder.path("temp1.ini"), testrun::liveHeader(state), state.testing.answerLog);
        return last;
    }

    TempDataFolder folder;
    AppState state;
};

} // namespace

TEST_F(LiveFiles, ThreeQuestionRunWritesExactBytesAtEachStep)
{
    showNext();
    EXPECT_EQ(folder.readBytes("curr_test.ini"), liveState(1, 0, 0));
    EXPECT_FALSE(folder.exists("temp1.ini"));

    EXPECT_FALSE(answer(3)); // right
    showNext();
    EXPECT_FALSE(answer(5)); // wrong: Q0's right answer is 1
    EXPECT_EQ(folder.readBytes("curr_test.ini"), liveState(2, 1, 0));
    const QByteArray twoAnswered =
        logHeader(1, 0) + block("T2", "Q2", "", 3, 3) + block("T0", "Q0", "", 5, 1) + kEmptyBlock;
    EXPECT_EQ(folder.readBytes("temp1.ini"), twoAnswered);

    showNext();
    EXPECT_EQ(folder.readBytes("curr_test.ini"), liveState(3, 1, 0));
    EXPECT_EQ(folder.readBytes("temp1.ini"), twoAnswered);

    EXPECT_TRUE(answer(2)); // right, and the last one
    const QByteArray blocks = block("T2", "Q2", "", 3, 3) + block("T0", "Q0", "", 5, 1) + block("T1", "Q1", "pic", 2, 2);
    EXPECT_EQ(folder.readBytes("temp1.ini"), logHeader(2, 0) + blocks);

    testrun::finish(state.testing.run);
    EXPECT_EQ(state.testing.run.grade, 3);
    writeLiveTestState(folder.path("curr_test.ini"), testrun::liveHeader(state), state.testing.run.questionNumber);
    writeAnswerLog(folder.path("temp1.ini"), testrun::liveHeader(state), state.testing.answerLog);
    EXPECT_EQ(folder.readBytes("curr_test.ini"), liveState(3, 2, 3));
    EXPECT_EQ(folder.readBytes("temp1.ini"), logHeader(2, 3) + blocks);
}

TEST_F(LiveFiles, TextsAreWrittenInTheDataFileEncoding)
{
    state.testing.bank.questions[2].topic = "Тема";
    showNext();
    answer(1);
    EXPECT_TRUE(folder.readBytes("temp1.ini").contains("tema\r\n\xD2\xE5\xEC\xE0\r\nvop\r\n"));
}

TEST(AnswerLogRead, TrimsKeysToleratesDamageAndStaysInItsTable)
{
    TempDataFolder folder;
    AnswerLog log;
    log.clear();
    log.entry(3).vop = "kept";
    EXPECT_FALSE(readAnswerLog(folder.path("temp1.ini"), log));
    EXPECT_EQ(log.entry(3).vop, "kept");

    QStringList lines{"  first ", " Ivan ", "max", " 3 ", "ok", "2.5", "ocenka", " 4 ", "color", "x",
                      " tema", "T1", "vop ", "Q1", "otv3", "c", "ris", "p1", "otv_user", " 2 ", "otv_ver", "",
                      "tema", "T2", "vop"}; // cut short in the middle of entry 2
    folder.writeLines("temp1.ini", lines);
    ASSERT_TRUE(readAnswerLog(folder.path("temp1.ini"), log));
    EXPECT_EQ(log.first, "Ivan");
    EXPECT_EQ(log.max, "3");
    EXPECT_EQ(log.ok, 2);
    EXPECT_EQ(log.ocenka, 4);
    EXPECT_EQ(log.entry(1).vop, "Q1");
    EXPECT_EQ(log.entry(1).otv[2], "c");
    EXPECT_EQ(log.entry(1).ris, "p1");
    EXPECT_EQ(log.entry(1).otvUser, "2");
    EXPECT_EQ(log.entry(1).otvVer, "0");
    EXPECT_EQ(log.entry(2).tema, "T2");
    EXPECT_EQ(log.entry(3).vop, "kept");
    EXPECT_TRUE(log.hasWrongAnswer());

    // More blocks than the table holds are read past, not written beyond it.
    lines.clear();
    for (int i = 1; i <= 160; ++i)
        lines << "tema" << QString::number(i) << "vop" << "Q";
    folder.writeLines("temp1.ini", lines);
    ASSERT_TRUE(readAnswerLog(folder.path("temp1.ini"), log));
    EXPECT_EQ(log.entry(150).tema, "150");
}

TEST(AnswerLogErrors, CompactsWrongAnswersInTheirOrder)
{
    AnswerLog log;
    log.clear();
    log.max = "10";
    for (int i = 1; i <= 10; ++i) {
        log.entry(i).vop = QStringLiteral("Q%1").arg(i);
        log.entry(i).otvUser = "1";
        log.entry(i).otvVer = (i == 2 || i == 5 || i == 9) ? "3" : "1";
    }
    EXPECT_TRUE(log.hasWrongAnswer());
    EXPECT_EQ(log.keepOnlyErrors(), 3);
    EXPECT_EQ(log.entry(1).vop, "Q2");
    EXPECT_EQ(log.entry(2).vop, "Q5");
    EXPECT_EQ(log.entry(3).vop, "Q9");
    EXPECT_EQ(log.entry(4).vop, "");
    EXPECT_EQ(log.entry(4).otvUser, "0");

    AnswerLog allRight;
    allRight.max = "2";
    EXPECT_FALSE(allRight.hasWrongAnswer());
}

TEST(LiveFilesConcurrency, AReaderNeverSeesAPartialFile)
{
    TempDataFolder folder;
    const QString path = folder.path("temp1.ini");
    LiveHeader header{"Ivan", "Petrov", "Signals", 150, 0, 0};
    AnswerLog shortLog;
    shortLog.clear();
    AnswerLog longLog = shortLog;
    for (int i = 1; i <= 150; ++i)
        longLog.entry(i).vop = QString(200, QLatin1Char('x'));
    const QByteArray shortBytes = crlf(answerLogLines(header, shortLog));
    const QByteArray longBytes = crlf(answerLogLines(header, longLog));
    ASSERT_TRUE(writeAnswerLog(path, header, shortLog));

    std::atomic<bool> done{false};
    std::atomic<int> reads{0};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        QElapsedTimer clock;
        clock.start();
        while (!done && clock.elapsed() < 10000) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QByteArray bytes = file.readAll();
            if (bytes != shortBytes && bytes != longBytes)
                ++torn;
            ++reads;
        }
    });
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 400 && clock.elapsed() < 8000; ++i)
        ASSERT_TRUE(writeAnswerLog(path, header, i % 2 ? shortLog : longLog));
    done = true;
    reader.join();
    EXPECT_GT(reads.load(), 0);
    EXPECT_EQ(torn.load(), 0);
}
