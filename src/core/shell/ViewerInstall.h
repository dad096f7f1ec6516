#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Keeps the external viewer programs installed in their shared folder and
// the viewers' ini entry "[T01]" pointing at this installation's data folder.
struct ViewerInstallation {
    QString parentFolder; // created when missing
    QString viewerFolder; // holds the two programs and zor.ini
    QString dataFolder;   // this installation's data folder: the programs' source and the [T01] value
};

// Every failure is collected instead of ending the program: the viewers are
// not needed to run the course. An empty list means all went well.
QStringList installViewer(const ViewerInstallation& installation);

// zor.ini's lines with every "[T01]" pair pointing at `dataFolder` (the pair
// appended when there is none); nothing when the file already says so.
// A last line without its partner is read as a pair with an empty value.
std::optional<QStringList> rewriteViewerIni(const QStringList& lines, const QString& dataFolder);
