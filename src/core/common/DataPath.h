#pragma once

#include <QString>

// Every file of the program is named as a base folder (the program's own
// folder, or a student computer's recorded folder) followed by a tail written
// the classroom way, "\data\jpg\2_17.jpg". These helpers turn such a pair into
// a native path. Below the base, names match regardless of letter case, as on
// the file systems the data folder was made for.
namespace datapath {

// `base` joined with `tail`; each component of the tail is matched
// case-insensitively against what exists, and kept as written where nothing
// matches (a file about to be created).
QString resolve(const QString& base, const QString& tail);

// True when `name`, used as a file name below some folder, stays inside it:
// no "..", no drive, no absolute path. Names come from files that other
// computers can write, so they are never trusted.
bool staysInside(const QString& name);

} // namespace datapath

// The program's data folder, "<programFolder>\data".
class DataRoot {
public:
    explicit DataRoot(QString programFolder = {});

    const QString& programFolder() const { return programFolder_; }

    // `tail` starts below "data", e.g. "jpg\\2_17.jpg" or "curr_test.ini".
    QString file(const QString& tail) const;
    QString folder() const;

private:
    QString programFolder_;
};
