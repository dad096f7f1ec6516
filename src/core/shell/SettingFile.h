#pragma once

#include <QString>

// The one-number setting files (answer time, error display): the whole number
// at the start of the first line; `fallback` when the file is missing or its
// first line is empty.
int readSettingFile(const QString& path, int fallback);
