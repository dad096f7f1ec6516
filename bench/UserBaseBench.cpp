#include "core/common/LineFile.h"
#include "core/users/UserBase.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// A full user base: 999 users with marks in all three spellings, and the spare.
static void UserBaseRoundTrip1000(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("2_17.jpg"));
    std::vector<UserRecord> records(UserBase::kCapacity);
    for (int i = 0; i + 1 < UserBase::kCapacity; ++i) {
        UserRecord& record = records[static_cast<std::size_t>(i)];
        record.first = QStringLiteral("Имя%1").arg(i);
        record.second = QStringLiteral("Фамилия%1").arg(i);
        record.pass = QStringLiteral("пароль");
        record.zak = QStringLiteral("3.1.Стрелочный перевод");
        for (int slot = 1; slot <= UserRecord::kSlots; ++slot)
            record.marks[slot] = slot % 3 == 0 ? Mark::fromText(QStringLiteral("4")) : Mark::fromNumber(slot % 4 + 2);
    }
    UserBase seed;
    seed.setRecords(records);
    seed.save(path, false);

    for (auto _ : state) {
        UserBase base;
        base.load(path);
        benchmark::DoNotOptimize(base.save(path, false));
    }
}
BENCHMARK(UserBaseRoundTrip1000)->Unit(benchmark::kMillisecond);
