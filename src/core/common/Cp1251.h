#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Windows code page 1251, the encoding of every data file of the program.
// Kept as our own table so that the bytes written never depend on how the
// platform's Qt was built.
namespace cp1251 {

QString decode(QByteArrayView bytes);

// Characters the code page lacks become '?'; `lossless` tells whether any did.
QByteArray encode(const QString& text, bool* lossless = nullptr);

// Appends the encoded text to `bytes`.
void encodeInto(QStringView text, QByteArray& bytes, bool* lossless = nullptr);

} // namespace cp1251
