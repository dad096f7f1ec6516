#include "core/common/NumberForm.h"

#include <cmath>

namespace numberform {

QString write(long long value)
{
    const QString digits = QString::number(value < 0 ? -value : value);
    return (value < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits + QLatin1Char(' ');
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
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits = true;
        else if (c == QLatin1Char('.') && !point)
            point = true;
        else
            break;
    }
    if (!digits)
        return 0.0;
    bool ok = false;
    const double value = text.mid(start, i - start).toDouble(&ok);
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
