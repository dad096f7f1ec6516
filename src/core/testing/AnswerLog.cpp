#include "core/testing/AnswerLog.h"

#include "core/common/LineFile.h"
#include "core/common/NumberForm.h"

#include <algorithm>

namespace {

// Answer numbers are kept as the texts the file holds: "3", and "0" for none.
QString answerNumberText(const QString& value)
{
    return QString::number(numberform::read(value));
}

} // namespace

void AnswerLog::clear()
{
    for (int i = 1; i <= kEntries; ++i)
        entries[i] = AnswerEntry{};
}

int AnswerLog::entryCount() const
{
    return static_cast<int>(std::clamp<long long>(numberform::readWhole(max), 0, kEntries));
}

bool AnswerLog::hasWrongAnswer() const
{
    const int count = entryCount();
    for (int i = 1; i <= count; ++i) {
        if (entries[i].otvUser != entries[i].otvVer)
            return true;
    }
    return false;
}

int AnswerLog::keepOnlyErrors()
{
    int kept = 0;
    for (int i = 1; i <= kEntries; ++i) {
        if (entries[i].otvUser != entries[i].otvVer)
            entries[++kept] = entries[i];
    }
    for (int i = kept + 1; i <= kEntries; ++i)
        entries[i] = AnswerEntry{};
    return kept;
}

QStringList answerLogLines(const LiveHeader& header, const AnswerLog& log)
{
    QStringList lines{
        QStringLiteral("first"),  header.firstName,
        QStringLiteral("second"), header.surname,
        QStringLiteral("name"),   header.testName,
        QStringLiteral("max"),    numberform::write(header.questionCount),
        QStringLiteral("ok"),     numberform::write(header.correctCount),
        QStringLiteral("ocenka"), numberform::write(header.grade),
    };
    const int blocks = std::min(header.questionCount, AnswerLog::kEntries);
    for (int i = 1; i <= blocks; ++i) {
        const AnswerEntry& e = log.entry(i);
        lines << QStringLiteral("tema") << e.tema << QStringLiteral("vop") << e.vop;
        for (int k = 0; k < 5; ++k)
            lines << QStringLiteral("otv%1").arg(k + 1) << e.otv[k];
        lines << QStringLiteral("ris") << e.ris << QStringLiteral("otv_user") << e.otvUser
              << QStringLiteral("otv_ver") << e.otvVer;
    }
    return lines;
}

bool writeAnswerLog(const QString& path, const LiveHeader& header, const AnswerLog& log)
{
    return linefile::write(path, answerLogLines(header, log));
}

void readAnswerLogLines(const QStringList& lines, AnswerLog& log)
{
    int index = 0;
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
        const QString key = lines[i].trimmed();
        const QString value = lines[i + 1].trimmed();
        if (key == QLatin1String("first")) {
            log.first = value;
        } else if (key == QLatin1String("second")) {
            log.second = value;
        } else if (key == QLatin1String("name")) {
            log.name = value;
        } else if (key == QLatin1String("max")) {
            log.max = QString::number(numberform::read(value));
        } else if (key == QLatin1String("ok")) {
            log.ok = static_cast<int>(std::clamp<long long>(numberform::readWhole(value), -32768, 32767));
        } else if (key == QLatin1String("ocenka")) {
            log.ocenka = static_cast<int>(std::clamp<long long>(numberform::readWhole(value), -32768, 32767));
        } else if (key == QLatin1String("tema")) {
            ++index;
            if (index <= AnswerLog::kEntries)
                log.entry(index).tema = value;
        } else if (index >= 1 && index <= AnswerLog::kEntries) {
            AnswerEntry& e = log.entry(index);
            if (key == QLatin1String("vop"))
                e.vop = value;
            else if (key.size() == 4 && key.startsWith(QLatin1String("otv")) && key[3] >= QLatin1Char('1')
                     && key[3] <= QLatin1Char('5'))
                e.otv[key[3].digitValue() - 1] = value;
            else if (key == QLatin1String("ris"))
                e.ris = value;
            else if (key == QLatin1String("otv_user"))
                e.otvUser = answerNumberText(value);
            else if (key == QLatin1String("otv_ver"))
                e.otvVer = answerNumberText(value);
        }
    }
}

bool readAnswerLog(const QString& path, AnswerLog& log)
{
    const auto lines = linefile::read(path);
    if (!lines)
        return false;
    readAnswerLogLines(*lines, log);
    return true;
}

QStringList liveTestStateLines(const LiveHeader& header, int questionNumber)
{
    return {
        QStringLiteral("first"),  header.firstName,
        QStringLiteral("second"), header.surname,
        QStringLiteral("name"),   header.testName,
        QStringLiteral("max"),    numberform::write(header.questionCount),
        QStringLiteral("curr"),   numberform::write(questionNumber),
        QStringLiteral("ok"),     numberform::write(header.correctCount),
        QStringLiteral("ocenka"), numberform::write(header.grade),
    };
}

bool writeLiveTestState(const QString& path, const LiveHeader& header, int questionNumber)
{
    return linefile::write(path, liveTestStateLines(header, questionNumber));
}
