#pragma once

#include <QString>

// The fixed names of the program's data files, as tails below a data folder
// (this computer's, or a student computer's). Several carry ".jpg" names
// although they are text files.
namespace datafiles {

inline QString userBase() { return QStringLiteral("jpg\\2_17.jpg"); }
inline QString newUserCopy() { return QStringLiteral("jpg\\1n_12.jpg"); }
inline QString rememberedLogin() { return QStringLiteral("jpg\\sv11.jpg"); }
inline QString catalogue() { return QStringLiteral("jpg\\14_15.jpg"); }
inline QString answerTime() { return QStringLiteral("jpg\\14_16.jpg"); }
inline QString errorDisplay() { return QStringLiteral("jpg\\sv10.jpg"); }
inline QString liveTestState() { return QStringLiteral("curr_test.ini"); }
inline QString answerLog() { return QStringLiteral("temp1.ini"); }

} // namespace datafiles
