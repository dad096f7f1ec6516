#pragma once

#include <QByteArray>
#include <QList>

// A short effect as a sequence of notes: frequency in Hz (0 = rest) and length.
struct Note {
    double frequency;
    int milliseconds;
};

// 16-bit mono PCM WAV at 22050 Hz with soft note edges.
QByteArray synthesiseWav(const QList<Note>& notes);
