#pragma once

#include <QImage>
#include <QString>

// Draws a skin button: a rounded plate with its caption, dark or lit.
QImage paintSkinButton(const QString& caption, int width, int height, bool lit);
