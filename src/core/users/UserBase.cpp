#include "core/users/UserBase.h"

#include "core/common/Cp1251.h"
#include "core/common/LineFile.h"
#include "core/common/NumberForm.h"

#include <cmath>

namespace {

QString realNumberForm(double value)
{
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return numberform::write(static_cast<long long>(value));
    const QString digits = QString::number(std::fabs(value), 'g', 15);
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits + QLatin1Char(' ');
}

QString shortestText(double value)
{
    return QString::number(value, 'g', 15);
}

// "test7" -> 7; 0 when the key carries no slot number in range.
int slotOfKey(QByteArrayView key)
{
    bool ok = false;
    const int slot = key.sliced(4).toInt(&ok);
    return ok && slot >= 1 && slot <= UserRecord::kSlots ? slot : 0;
}

// "test1" .. "test20", made once: every record writes all of them.
const std::array<QString, UserRecord::kSlots + 1>& slotKeys()
{
    static const auto keys = [] {
        std::array<QString, UserRecord::kSlots + 1> made;
        for (int slot = 1; slot <= UserRecord::kSlots; ++slot)
            made[slot] = QStringLiteral("test%1").arg(slot);
        return made;
    }();
    return keys;
}

void appendRecord(QByteArray& bytes, const UserRecord& record)
{
    linefile::appendLine(bytes, u"first");
    linefile::appendLine(bytes, record.first);
    linefile::appendLine(bytes, u"second");
    linefile::appendLine(bytes, record.second);
    linefile::appendLine(bytes, u"pass");
    linefile::appendLine(bytes, record.pass);
    linefile::appendLine(bytes, u"zak");
    linefile::appendLine(bytes, record.zak);
    const auto& keys = slotKeys();
    for (int slot = 1; slot <= UserRecord::kSlots; ++slot) {
        linefile::appendLine(bytes, keys[slot]);
        linefile::appendLine(bytes, record.marks[slot].fileLine());
    }
}

} // namespace

QString Mark::fileLine() const
{
    switch (form) {
    case Form::Unset:
        return {};
    case Form::Number:
        return realNumberForm(number);
    case Form::Text:
        return text;
    }
    return {};
}

QString Mark::scoreText() const
{
    switch (form) {
    case Form::Unset:
        return {};
    case Form::Number:
        return shortestText(number);
    case Form::Text:
        return text;
    }
    return {};
}

QString UserBaseProblem::describe() const
{
    return line > 0 ? QStringLiteral("строка %1: %2").arg(line).arg(message) : message;
}

UserRecord& UserBase::record(int index)
{
    return records_.at(static_cast<std::size_t>(index));
}

const UserRecord& UserBase::record(int index) const
{
    return records_.at(static_cast<std::size_t>(index));
}

void UserBase::setRecords(std::vector<UserRecord> records)
{
    records_.assign(1, UserRecord{});
    records_.insert(records_.end(), records.begin(), records.end());
    count_ = static_cast<int>(records.size());
    problem_ = {};
}

bool UserBase::load(const QString& path)
{
    count_ = 0;
    records_.assign(1, UserRecord{});
    problem_ = {};
    QString error;
    const auto bytes = linefile::readBytes(path, &error);
    if (!bytes) {
        problem_ = {error, 0};
        return false;
    }
    // Keys and marks are plain ASCII: only the texts a record keeps are decoded.
    const QList<QByteArrayView> lines = linefile::splitLines(*bytes);
    auto report = [this](int line, const QString& message) {
        if (problem_.isEmpty())
            problem_ = {message, line};
    };

    std::size_t current = 0;
    bool countSeen = false;
    for (qsizetype i = 0; i < lines.size(); i += 2) {
        const int keyLine = static_cast<int>(i) + 1;
        const QByteArrayView key = lines[i];
        if (i + 1 >= lines.size()) {
            report(keyLine, QStringLiteral("у ключа \"%1\" нет значения").arg(cp1251::decode(key)));
            break;
        }
        const QByteArrayView value = lines[i + 1];
        if (key.startsWith("test")) { // 20 of every 24 pairs
            const int slot = slotOfKey(key);
            if (slot == 0)
                report(keyLine,
                       QStringLiteral("ключ \"%1\" не называет ячейку оценки 1..20").arg(cp1251::decode(key)));
            else
                records_[current].marks[slot] = Mark::fromNumber(numberform::read(value));
        } else if (key == "predel") {
            const double count = numberform::read(value);
            if (count < 2 || count > kCapacity || count != std::floor(count)) {
                report(keyLine + 1, QStringLiteral("недопустимое число записей \"%1\"").arg(cp1251::decode(value)));
                break;
            }
            count_ = static_cast<int>(count);
            countSeen = true;
            records_.reserve(static_cast<std::size_t>(count_) + 1);
        } else if (key == "first") {
            if (current + 1 > static_cast<std::size_t>(kCapacity)) {
                report(keyLine, QStringLiteral("записей больше, чем %1").arg(kCapacity));
                break;
            }
            ++current;
            records_.resize(current + 1);
            records_[current].first = cp1251::decode(value);
        } else if (key == "second") {
            records_[current].second = cp1251::decode(value);
        } else if (key == "pass") {
            records_[current].pass = cp1251::decode(value);
        } else if (key == "zak") {
            records_[current].zak = cp1251::decode(value);
        }
    }
    if (!countSeen)
        report(0, QStringLiteral("нет пары \"predel\" с числом записей"));
    else if (static_cast<int>(current) > count_)
        report(0, QStringLiteral("записей (%1) больше, чем указано в \"predel\" (%2)").arg(current).arg(count_));
    records_.resize(static_cast<std::size_t>(std::max(count_, static_cast<int>(current))) + 1);
    return true;
}

QByteArray UserBase::fileBytes() const
{
    QByteArray bytes;
    bytes.reserve(64 + 400 * count_);
    linefile::appendLine(bytes, u"predel");
    linefile::appendLine(bytes, numberform::write(count_));
    for (int i = 1; i <= count_; ++i)
        appendRecord(bytes, records_[static_cast<std::size_t>(i)]);
    return bytes;
}

UserBase::SaveResult UserBase::save(const QString& path, bool addSpare)
{
    if (!problem_.isEmpty())
        return SaveResult::Damaged;
    if (addSpare) {
        if (count_ >= kCapacity)
            return SaveResult::Full;
        ++count_;
        records_.resize(static_cast<std::size_t>(count_) + 1);
        records_[static_cast<std::size_t>(count_)] = UserRecord{};
    }
    return linefile::writeBytes(path, fileBytes()) ? SaveResult::Saved : SaveResult::WriteFailed;
}

int readUserCount(const QString& path)
{
    const auto lines = linefile::read(path);
    if (!lines)
        return -1;
    return lines->size() >= 2 ? static_cast<int>(numberform::read(lines->at(1))) : 0;
}

bool writeNewUserCopy(const QString& path, const UserRecord& record)
{
    QByteArray bytes;
    appendRecord(bytes, record);
    return linefile::writeBytes(path, bytes);
}
