#pragma once

#include <QByteArray>
#include <QString>

// Windows code page 1251, the encoding of every data file of the program.
// Kept as our own table so that the bytes written never depend on how the
// platform's Qt was built.
namespace cp1251 {

QString decode(const QByteArray& bytes);

// Characters the code page lacks become '?'; `lossless` tells whether any did.
QByteArray encode(const QString& text, bool* lossless = nullptr);

} // namespace cp1251
