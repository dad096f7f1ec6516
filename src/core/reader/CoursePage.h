#pragma once

#include <QString>

#include <optional>

class DataRoot;

// The page titled T is the file htm\<T without surrounding blanks>.htm.
// Titles come from files other computers write (a bookmark in the user base),
// so a title that would lead out of the htm folder has no page.
std::optional<QString> coursePagePath(const DataRoot& data, const QString& title);
