#pragma once

#include <QRect>
#include <QString>

// Where the platform keeps what the program needs beside its own folder.
namespace platform {

// The folder of the running executable, without a trailing separator.
QString programFolder();

// The external viewers' folder: the fixed classroom folder on Windows, a
// per-user "ZorView" data folder elsewhere. `parent` receives the folder that
// holds it (created first when missing).
QString viewerFolder(QString* parent = nullptr);

// The main menu's last position, kept in the per-user settings store.
void storeMainWindowPlacement(const QRect& geometryInTwips);

} // namespace platform
