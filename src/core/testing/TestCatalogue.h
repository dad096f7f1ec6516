#pragma once

#include <QString>

#include <array>
#include <optional>

// The tests a user can choose: title and question-bank file per score slot.
struct TestCatalogue {
    static constexpr int kEntries = 20;

    std::array<QString, kEntries + 1> title;    // 1..20, "" = free entry
    std::array<QString, kEntries + 1> bankFile; // 1..20, relative to data\jpg

    // Non-empty titles in slot order, as the choice list offers them.
    QStringList titles() const;

    // Bank of the first entry with exactly this title.
    std::optional<QString> bankOf(const QString& chosenTitle) const;

    // Writes `mark` into every slot whose title equals `testName`; returns how many.
    template <typename Scores>
    int storeMark(const QString& testName, const QString& mark, Scores& scores) const
    {
        int stored = 0;
        for (int k = 1; k <= kEntries; ++k) {
            if (title[k] == testName) {
                scores[k] = mark;
                ++stored;
            }
        }
        return stored;
    }
};

struct CatalogueLoad {
    bool opened = false; // false: the file could not be read at all
    QString problem;     // a damaged file: what is wrong, at which line
};

// Reads the catalogue file; a damaged file keeps the groups it could read.
CatalogueLoad loadCatalogue(const QString& path, TestCatalogue& catalogue);

// The 14 tests the testing windows know by their exact texts.
struct KnownTest {
    const char16_t* title;
    const char16_t* boardRow;
    const char16_t* bankFile;
    const char16_t* description;
};

namespace knowntests {

constexpr int kCount = 14;
const KnownTest& at(int slot); // 1..14

std::optional<QString> descriptionByTitle(const QString& title);
std::optional<QString> descriptionByBankFile(const QString& bankFile);

} // namespace knowntests
