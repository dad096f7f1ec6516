#pragma once

#include <QByteArrayView>
#include <QString>

// The one pair of number conversions every data file uses.
namespace numberform {

// A whole number as printed into a text file: a sign position (space or '-'),
// the digits and one trailing space. 5 -> " 5 ", -3 -> "-3 ".
QString write(long long value);

// Leading blanks skipped, then the longest leading decimal number (optional
// sign, digits, one decimal point); an empty or non-numeric text reads as 0.
double read(const QString& text);
double read(QByteArrayView text); // the same over windows-1251 bytes

// `read` rounded to the nearest whole number, halves to even.
long long readWhole(const QString& text);

} // namespace numberform
