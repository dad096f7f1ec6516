#include "core/common/LineFile.h"
#include "core/testing/AnswerLog.h"
#include "core/testing/QuestionBank.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// The largest bank a run can take: 150 questions with topics and some pictures.
QStringList largestBank()
{
    QStringList lines{QStringLiteral("Банк вопросов курса"), QStringLiteral("start"), QStringLiteral("name"),
                      QStringLiteral("Тест по всему курсу"), QStringLiteral("time"), QStringLiteral("0")};
    for (int q = 0; q < QuestionBank::kMaxQuestions; ++q) {
        lines << QStringLiteral("temaname") << QStringLiteral("Тема %1: рельсовые цепи").arg(q % 13 + 1)
              << QStringLiteral("vop")
              << QStringLiteral("Вопрос %1: какое напряжение на путевом реле при шунтировании рельсовой цепи?").arg(q);
        for (int a = 1; a <= 5; ++a)
            lines << QStringLiteral("otv%1").arg(a)
                  << (a == 1 ? QStringLiteral("1") : QStringLiteral("0"))
                         + QStringLiteral("Ответ %1 на вопрос %2, не длиннее одной строки").arg(a).arg(q);
        lines << QStringLiteral("ris") << (q % 5 == 0 ? QStringLiteral("ris%1").arg(q) : QString());
    }
    lines << QStringLiteral("end");
    return lines;
}

} // namespace

static void BankLoadAndShuffle150(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sv9.jpg"));
    linefile::write(path, largestBank());
    ReseedingRandom random;
    const UniformDraw draw = std::ref(random);
    for (auto _ : state) {
        QuestionBank bank;
        benchmark::DoNotOptimize(loadQuestionBank(path, bank, draw).ok);
    }
}
BENCHMARK(BankLoadAndShuffle150)->Unit(benchmark::kMicrosecond);

// After an answer the runner rewrites the answer log, and the live state with
// the next question: both files, the log at its largest.
static void AnswerWritesBothLiveFiles(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString logPath = dir.filePath(QStringLiteral("temp1.ini"));
    const QString livePath = dir.filePath(QStringLiteral("curr_test.ini"));
    const LiveHeader header{QStringLiteral("Иван"), QStringLiteral("Петров"), QStringLiteral("Тест по всему курсу"),
                            AnswerLog::kEntries, 97, 0};
    AnswerLog log;
    for (int i = 1; i <= AnswerLog::kEntries; ++i) {
        AnswerEntry& e = log.entry(i);
        e.tema = QStringLiteral("Тема %1").arg(i % 13 + 1);
        e.vop = QStringLiteral("Вопрос %1: какое напряжение на путевом реле при шунтировании?").arg(i);
        for (int a = 0; a < 5; ++a)
            e.otv[a] = QStringLiteral("Ответ %1 на вопрос %2").arg(a + 1).arg(i);
        e.otvUser = QStringLiteral("2");
        e.otvVer = QStringLiteral("1");
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(writeAnswerLog(logPath, header, log));
        benchmark::DoNotOptimize(writeLiveTestState(livePath, header, 100));
    }
}
BENCHMARK(AnswerWritesBothLiveFiles)->Unit(benchmark::kMicrosecond);
