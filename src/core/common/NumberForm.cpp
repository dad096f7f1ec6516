#include "core/common/NumberForm.h"

#include <cmath>

namespace numberform {

QString write(long long value)
{
    // Built in place: the user base writes twenty of these per record.
    char buffer[24];
    char* end = buffer + sizeof buffer;
    char* p = end;
    *--p = ' ';
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    *--p = value < 0 ? '-' : ' ';
    return QString::fromLatin1(p, end - p);
}

double read(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        ++i;
    bool digits = false;
    bool point = false;
    double whole = 0; // exact for the short whole numbers the files hold
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits = true;
            whole = whole * 10 + (c.unicode() - '0');
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    const bool negative = text[start] == QLatin1Char('-');
    if (!point && whole < 1e15)
        return negative ? -whole : whole;
    bool ok = false;
    const double value = QStringView(text).sliced(start, i - start).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

long long readWhole(const QString& text)
{
    const double value = std::nearbyint(read(text)); // default rounding mode: halves to even
    constexpr double kLimit = 9.0e18;
    if (value > kLimit)
        return static_cast<long long>(kLimit);
    if (value < -kLimit)
        return static_cast<long long>(-kLimit);
    return static_cast<long long>(value);
}

} // namespace numberform
