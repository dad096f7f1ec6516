#include "core/reader/ParagraphSequence.h"

#include "core/common/LineFile.h"

#include <algorithm>

bool isParagraphLine(const QString& line)
{
    for (const char16_t* prefix : {u"Раз", u"Гла", u"Эле"}) {
        if (line.startsWith(QString::fromUtf16(prefix)))
            return false;
    }
    return true;
}

ParagraphSequence ParagraphSequence::fromContents(const QStringList& contentsLines)
{
    ParagraphSequence sequence;
    for (int index = 0; index < contentsLines.size(); ++index) {
        const QString trimmed = contentsLines[index].trimmed();
        sequence.trimmedLines_.append(trimmed);
        if (index > 0 && isParagraphLine(contentsLines[index]))
            sequence.entries_.append({trimmed, index});
    }
    return sequence;
}

std::optional<ParagraphSequence> ParagraphSequence::load(const QString& contentsPath)
{
    const std::optional<QStringList> lines = linefile::read(contentsPath);
    if (!lines)
        return std::nullopt;
    return fromContents(*lines);
}

QStringList ParagraphSequence::titles() const
{
    QStringList titles;
    for (const Entry& entry : entries_)
        titles.append(entry.title);
    return titles;
}

std::optional<int> ParagraphSequence::lineOf(const QString& page) const
{
    const QString title = page.trimmed();
    if (title.isEmpty())
        return std::nullopt;
    const auto entry = std::find_if(entries_.cbegin(), entries_.cend(),
                                    [&title](const Entry& e) { return e.title == title; });
    if (entry != entries_.cend())
        return entry->line;
    // A chapter or section page: its place in the file. Line 1 is the course
    // title, which is no page.
    const qsizetype line = trimmedLines_.indexOf(title, 1);
    if (line > 0)
        return static_cast<int>(line);
    return std::nullopt;
}

std::optional<QString> ParagraphSequence::nonEmpty(const Entry* entry)
{
    if (!entry || entry->title.isEmpty())
        return std::nullopt;
    return entry->title;
}

std::optional<QString> ParagraphSequence::after(const QString& page) const
{
    const std::optional<int> line = lineOf(page);
    if (!line)
        return std::nullopt;
    const auto next = std::find_if(entries_.cbegin(), entries_.cend(),
                                   [line](const Entry& e) { return e.line > *line; });
    return nonEmpty(next != entries_.cend() ? &*next : nullptr);
}

std::optional<QString> ParagraphSequence::before(const QString& page) const
{
    const std::optional<int> line = lineOf(page);
    if (!line)
        return std::nullopt;
    const auto previous = std::find_if(entries_.crbegin(), entries_.crend(),
                                       [line](const Entry& e) { return e.line < *line; });
    return nonEmpty(previous != entries_.crend() ? &*previous : nullptr);
}

namespace coursebounds {

bool isFirstParagraph(const QString& page)
{
    return page == QStringLiteral("1.1.Светофор (проверка зависимостей на станции)");
}

bool isLastParagraph(const QString& page)
{
    return page == QStringLiteral("19.1.Перечень путевых работ ПЧ производство которых согласовывают с ШЧ");
}

} // namespace coursebounds
