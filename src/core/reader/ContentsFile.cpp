#include "core/reader/ContentsFile.h"

#include "core/common/LineFile.h"

bool isSectionLine(const QString& line)
{
    return line.startsWith(QStringLiteral("Раз"));
}

bool ContentsFile::load(const QString& path)
{
    const std::optional<QStringList> lines = linefile::read(path);
    if (!lines)
        return false;
    setLines(*lines);
    return true;
}

void ContentsFile::setLines(const QStringList& lines)
{
    *this = ContentsFile();
    if (lines.isEmpty())
        return;
    courseTitle_ = lines.first();
    int section = 0;
    int entry = 0;
    bool sectionPlaced = false;
    for (int index = 1; index < lines.size(); ++index) {
        const QString& line = lines[index];
        const int fileLine = index + 1;
        if (isSectionLine(line)) {
            ++section;
            entry = 0;
            sectionPlaced = section <= kSections;
            if (sectionPlaced)
                sectionTitles_[section] = line;
            else
                unplacedLines_.append(fileLine);
            continue;
        }
        ++entry;
        if (sectionPlaced && entry <= kEntries)
            entryTitles_[section][entry] = line;
        else
            unplacedLines_.append(fileLine);
    }
}

const QString& ContentsFile::sectionTitle(int section) const
{
    static const QString none;
    return section >= 1 && section <= kSections ? sectionTitles_[section] : none;
}

const QString& ContentsFile::entryTitle(int section, int entry) const
{
    static const QString none;
    if (section < 1 || section > kSections || entry < 1 || entry > kEntries)
        return none;
    return entryTitles_[section][entry];
}

QString ContentsFile::pageFor(const QString& nodeText) const
{
    if (nodeText.isEmpty())
        return {};
    QString page = nodeText;
    if (page == courseTitle_ || page == sectionTitles_[1])
        page = entryTitles_[1][1];
    for (int section = 1; section <= kSections; ++section) {
        if (!sectionTitles_[section].isEmpty() && sectionTitles_[section] == page)
            page = entryTitles_[section][1];
    }
    return page;
}

ContentsTree ContentsTree::build(const ContentsFile& contents)
{
    ContentsTree tree;
    tree.root = contents.courseTitle();
    for (int section = 1; section <= ContentsFile::kSections; ++section) {
        Section node{contents.sectionTitle(section), {}};
        for (int entry = 1; entry <= ContentsFile::kEntries; ++entry) {
            node.entries.append(contents.entryTitle(section, entry));
            if (contents.entryTitle(section, entry + 1).isEmpty())
                break;
        }
        tree.sections.append(node);
        if (contents.sectionTitle(section + 1).isEmpty())
            break;
    }
    return tree;
}
