#include "data/exact_decimal.h"

namespace data {

namespace {
constexpr int kMostWholeDigits = 12;
constexpr qint64 kUnit = 1000000;
} // namespace

std::optional<ExactDecimal> ExactDecimal::parse(const QString& text)
{
    qint64 whole = 0;
    qint64 fraction = 0;
    int wholeDigits = 0;
    int fractionDigits = 0;
    bool negative = false;
    bool inFraction = false;
    qsizetype i = 0;
    if (i < text.size() && (text.at(i) == u'-' || text.at(i) == u'+'))
        negative = text.at(i++) == u'-';
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F)) {
            if (inFraction)
                return std::nullopt;
            continue;
        }
        if (c == u',' || c == u'.') {
            if (inFraction)
                return std::nullopt;
            inFraction = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int digit = c.unicode() - u'0';
        if (inFraction) {
            if (++fractionDigits > kDecimals)
                return std::nullopt;
            fraction = fraction * 10 + digit;
        } else {
            if (++wholeDigits > kMostWholeDigits)
                return std::nullopt;
            whole = whole * 10 + digit;
        }
    }
    if (wholeDigits + fractionDigits == 0)
        return std::nullopt;
    for (int d = fractionDigits; d < kDecimals; ++d)
        fraction *= 10;
    const qint64 units = whole * kUnit + fraction;
    return fromUnits(negative ? -units : units);
}

QString ExactDecimal::toString() const
{
    const qint64 magnitude = m_units < 0 ? -m_units : m_units;
    QString text = (m_units < 0 ? QStringLiteral("-") : QString()) + QString::number(magnitude / kUnit);
    qint64 fraction = magnitude % kUnit;
    if (fraction == 0)
        return text;
    QString digits = QStringLiteral("%1").arg(fraction, kDecimals, 10, QLatin1Char('0'));
    while (digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
    return text + QLatin1Char(',') + digits;
}

} // namespace data
