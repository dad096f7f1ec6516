#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The course's table of contents, soderjanie.txt: line 1 is the course title,
// a line beginning "Раз" opens a section, every other line is an entry
// (chapter or paragraph) of the section opened last. Lines are kept exactly
// as read. The table holds 25 sections of 35 entries; lines beyond that have
// no place and are listed in `unplacedLines()` instead.
class ContentsFile {
public:
    static constexpr int kSections = 25;
    static constexpr int kEntries = 35;

    // Reads the whole file into the table. False when it cannot be opened.
    bool load(const QString& path);
    // Fills the table from lines already read.
    void setLines(const QStringList& lines);

    const QString& courseTitle() const { return courseTitle_; }
    const QString& sectionTitle(int section) const;       // 1..25, "" = free
    const QString& entryTitle(int section, int entry) const; // [1..25][1..35], "" = free

    // 1-based file lines that had no place in the table: a section beyond the
    // 25th, an entry beyond the 35th of its section, or an entry standing
    // before the first section (or after a section that had no place).
    const QList<int>& unplacedLines() const { return unplacedLines_; }

    // The page a node of the tree opens: the root and the first section open
    // the first entry of section 1, any other section its own first entry,
    // an entry itself. "" when there is nothing to open.
    QString pageFor(const QString& nodeText) const;

private:
    QString courseTitle_;
    std::array<QString, kSections + 1> sectionTitles_;
    std::array<std::array<QString, kEntries + 1>, kSections + 1> entryTitles_;
    QList<int> unplacedLines_;
};

bool isSectionLine(const QString& line);

// The tree the contents window shows. A section's entries stop before the
// first free place (so an empty line hides the entries after it), and so do
// the sections; the first section and each section's first entry are always
// shown, even when empty.
struct ContentsTree {
    struct Section {
        QString title;
        QStringList entries;
    };
    QString root;
    QList<Section> sections;

    static ContentsTree build(const ContentsFile& contents);
};
