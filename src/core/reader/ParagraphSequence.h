#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The order in which the reader steps through the course: the lines of the
// contents file that are paragraphs, blanks trimmed, in file order. Section
// ("Раз"), chapter ("Гла") and "Эле" lines are left out, and so is line 1,
// the course title, which has no page. An empty line stays in the sequence
// and bounds the step in both directions.
class ParagraphSequence {
public:
    static ParagraphSequence fromContents(const QStringList& contentsLines);
    // Nothing when the contents file cannot be opened.
    static std::optional<ParagraphSequence> load(const QString& contentsPath);

    QStringList titles() const;

    // The paragraph after or before `page`, compared without surrounding
    // blanks. A chapter or section page steps to the paragraph following or
    // preceding it in the file. Nothing when the step would cross an empty
    // line or an end, or when `page` is nowhere in the contents.
    std::optional<QString> after(const QString& page) const;
    std::optional<QString> before(const QString& page) const;

private:
    struct Entry {
        QString title;
        int line; // index into the contents lines
    };

    std::optional<int> lineOf(const QString& page) const;
    static std::optional<QString> nonEmpty(const Entry* entry);

    QList<Entry> entries_;
    QStringList trimmedLines_;
};

bool isParagraphLine(const QString& line);

// The two ends of the shipped course, where the reader's step buttons
// disable themselves.
namespace coursebounds {

bool isFirstParagraph(const QString& page);
bool isLastParagraph(const QString& page);

} // namespace coursebounds
