#pragma once

#include <QColor>

class QPainter;
class QRect;

// The painted background of the borderless windows: a deep blue panel with a
// lighter title band, the program's own picture rather than a skin file.
namespace backdrop {

void paint(QPainter& painter, const QRect& rect, int titleBandHeight = 0);

inline QColor text() { return QColor(0xe8, 0xee, 0xf8); }
inline QColor accent() { return QColor(0xff, 0xd5, 0x4a); }

} // namespace backdrop
