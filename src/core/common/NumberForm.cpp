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

namespace {

char16_t unit(const QString& text, qsizetype i)
{
    return text[i].unicode();
}

char16_t unit(QByteArrayView text, qsizetype i)
{
    return static_cast<unsigned char>(text[i]);
}

double toDouble(const QString& text, qsizetype start, qsizetype length, bool* ok)
{
    return QStringView(text).sliced(start, length).toDouble(ok);
}

double toDouble(QByteArrayView text, qsizetype start, qsizetype length, bool* ok)
{
    return text.sliced(start, length).toDouble(ok);
}

template <typename Text>
double readNumber(const Text& text)
{
    qsizetype i = 0;
    while (i < text.size() && (unit(text, i) == u' ' || unit(text, i) == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < text.size() && (unit(text, i) == u'-' || unit(text, i) == u'+'))
        ++i;
    bool digits = false;
    bool point = false;
    double whole = 0; // exact for the short whole numbers the files hold
    for (; i < text.size(); ++i) {
        const char16_t c = unit(text, i);
        if (c >= u'0' && c <= u'9') {
            digits = true;
            whole = whole * 10 + (c - u'0');
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return 0.0;
    const bool negative = unit(text, start) == u'-';
    if (!point && whole < 1e15)
        return negative ? -whole : whole;
    bool ok = false;
    const double value = toDouble(text, start, i - start, &ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

} // namespace

double read(const QString& text)
{
    return readNumber(text);
}

double read(QByteArrayView text)
{
    return readNumber(text);
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
