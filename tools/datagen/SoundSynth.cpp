#include "SoundSynth.h"

#include <QtEndian>

#include <cmath>
#include <numbers>

namespace {

constexpr int kRate = 22050;

void appendLe(QByteArray& out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

QByteArray synthesiseWav(const QList<Note>& notes)
{
    QByteArray samples;
    for (const Note& note : notes) {
        const int count = kRate * note.milliseconds / 1000;
        const int edge = qMin(count / 4, kRate / 200); // 5 ms fade against clicks
        for (int i = 0; i < count; ++i) {
            double value = 0;
            if (note.frequency > 0) {
                const double t = double(i) / kRate;
                value = 0.55 * std::sin(2 * std::numbers::pi * note.frequency * t) +
                        0.15 * std::sin(4 * std::numbers::pi * note.frequency * t);
                if (i < edge)
                    value *= double(i) / edge;
                if (count - i < edge)
                    value *= double(count - i) / edge;
            }
            appendLe(samples, static_cast<quint16>(static_cast<qint16>(value * 20000)), 2);
        }
    }
    QByteArray wav("RIFF");
    appendLe(wav, 36 + samples.size(), 4);
    wav.append("WAVEfmt ");
    appendLe(wav, 16, 4);
    appendLe(wav, 1, 2); // PCM
    appendLe(wav, 1, 2); // mono
    appendLe(wav, kRate, 4);
    appendLe(wav, kRate * 2, 4);
    appendLe(wav, 2, 2);
    appendLe(wav, 16, 2);
    wav.append("data");
    appendLe(wav, samples.size(), 4);
    wav.append(samples);
    return wav;
}
