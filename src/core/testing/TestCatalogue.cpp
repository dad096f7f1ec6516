#include "core/testing/TestCatalogue.h"

#include "core/common/LineFile.h"

#include <QStringList>

QStringList TestCatalogue::titles() const
{
    QStringList list;
    for (int k = 1; k <= kEntries; ++k) {
        if (!title[k].isEmpty())
            list.append(title[k]);
    }
    return list;
}

std::optional<QString> TestCatalogue::bankOf(const QString& chosenTitle) const
{
    for (int k = 1; k <= kEntries; ++k) {
        if (title[k] == chosenTitle)
            return bankFile[k];
    }
    return std::nullopt;
}

CatalogueLoad loadCatalogue(const QString& path, TestCatalogue& catalogue)
{
    catalogue = TestCatalogue{};
    CatalogueLoad result;
    QString error;
    const auto lines = linefile::read(path, &error);
    if (!lines) {
        result.problem = error;
        return result;
    }
    result.opened = true;
    const qsizetype start = lines->indexOf(QStringLiteral("start"));
    if (start < 0) {
        result.problem = QStringLiteral("нет строки \"start\"");
        return result;
    }
    for (int k = 1; k <= TestCatalogue::kEntries; ++k) {
        const qsizetype bankLine = start + 3 * k;
        if (bankLine >= lines->size()) {
            result.problem = QStringLiteral("файл кончается на строке %1, не хватает записей с %2 по %3")
                                 .arg(lines->size())
                                 .arg(k)
                                 .arg(TestCatalogue::kEntries);
            return result;
        }
        catalogue.title[k] = lines->at(bankLine - 1).trimmed();
        catalogue.bankFile[k] = lines->at(bankLine).trimmed();
    }
    return result;
}

namespace knowntests {

namespace {

constexpr KnownTest kTests[kCount] = {
    {u"Проверка зависимостей", u"Проверка зависимостей", u"T01_96.jpg",
     u"Тест содержит вопросы по разделу 'Проверка зависимостей'."},
    {u"Светофоры", u"Светофоры", u"T01_97.jpg",
     u"Тест содержит вопросы по разделу 'Светофоры', посвящен проверке знаний обслуживания светофоров."},
    {u"Стрелки", u"Стрелки", u"T01_98.jpg",
     u"Тест содержит вопросы по разделу 'Стрелки', посвящен проверке знаний обслуживания стрелок, приводов."},
    {u"Стрелки с контрольными замками", u"Стрелки с контрольными замками", u"T01_99.jpg",
     u"Тест содержит вопросы по разделу 'Стрелки, оборудованные контрольными замками'."},
    {u"Рельсовые цепи", u"Рельсовые цепи", u"T01_100.jpg",
     u"Тест содержит вопросы по разделу 'Рельсовые цепи', посвящен проверке знаний по обслуживанию р.ц."},
    {u"Аппараты управления. АПС", u"Аппараты управления. АПС", u"T01_101.jpg",
     u"Тест содержит вопросы по разделам 'Аппараты управления' и 'Автоматическая переездная сигнализация'."},
    {u"Устройства тоннельной и мостовой сигнализации", u"Устройства тоннельной и мостовой сигнализации",
     u"T01_102.jpg", u"Тест содержит вопросы по разделу 'Устройства тоннельной и мостовой сигнализации'."},
    {u"КГУ. САУТ", u"КГУ. САУТ", u"T01_103.jpg",
     u"Тест содержит вопросы по разделам 'Контрольно-габаритные устройства' и 'САУТ'."},
    {u"Кабельная сеть. Воздушная сигнальная линия", u"Кабельная сеть. Воздушная сигнальная линия",
     u"T01_104.jpg",
     u"Тест содержит вопросы по разделам 'Кабельная сеть. Внутренний монтаж' и 'Воздушная сигнальная линия'."},
    {u"Устройства электропитания. Аккумуляторы", u"Устройства электропитания. Аккумуляторы", u"T01_105.jpg",
     u"Тест содержит вопросы по разделам 'Устройства электропитания' и 'Аккумуляторы'."},
    {u"ДГА", u"ДГА", u"T01_106.jpg",
     u"Тест содержит вопросы по разделу 'Дизель-генераторный агрегат', посвящен проверке знаний по обслуживанию ДГА."},
    {u"Защитные устройства. Штепсельные розетки", u"Защитные устройства. Штепсельные розетки", u"T01_107.jpg",
     u"Тест содержит вопросы по разделам 'Защитные устройства' и 'Приборы СЦБ.Штепсельные розетки'."},
    {u"Железобетонные конструкции", u"Железобетонные конструкции", u"T01_108.jpg",
     u"Тест содержит вопросы по разделу 'Железобетонные конструкции', посвящен проверке знаний по обслуживанию жб конструкций."},
    {u"Тест по всему курсу", u"Тест по курсу", u"sv9.jpg", u"Тест содержит 100 вопросов по всем темам предмета."},
};

std::optional<QString> describe(const QString& key, const char16_t* KnownTest::*field)
{
    for (const KnownTest& test : kTests) {
        if (key == QString::fromUtf16(test.*field))
            return QString::fromUtf16(test.description);
    }
    return std::nullopt;
}

} // namespace

const KnownTest& at(int slot)
{
    return kTests[qBound(1, slot, kCount) - 1];
}

std::optional<QString> descriptionByTitle(const QString& title)
{
    return describe(title, &KnownTest::title);
}

std::optional<QString> descriptionByBankFile(const QString& bankFile)
{
    return describe(bankFile, &KnownTest::bankFile);
}

} // namespace knowntests
