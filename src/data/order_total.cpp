#include "data/order_total.h"

#include <cmath>

namespace data {

std::optional<double> parseSwedishNumber(const QString& text)
{
    QString plain;
    plain.reserve(text.size());
    for (const QChar c : text) {
        if (c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F))
            continue;
        plain += c == u',' ? QChar(u'.') : c;
    }
    if (plain.isEmpty() || plain.count(u'.') > 1)
        return std::nullopt;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const QChar c = plain.at(i);
        if (!(c.isDigit() && c.unicode() < 0x80) && c != u'.' && !(i == 0 && (c == u'-' || c == u'+')))
            return std::nullopt;
    }
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString formatAmount(double amount)
{
    const qint64 cents = std::llround(amount * 100.0);
    const qint64 whole = std::llabs(cents) / 100;
    QString digits = QString::number(whole);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, QLatin1Char(' '));
    const QString fraction = QStringLiteral("%1").arg(std::llabs(cents) % 100, 2, 10, QLatin1Char('0'));
    return (cents < 0 ? QStringLiteral("-") : QString()) + digits + QLatin1Char(',') + fraction;
}

std::optional<double> lineTotal(const OrderLine& line)
{
    const std::optional<double> price = parseSwedishNumber(line.unitPrice);
    const std::optional<double> quantity = parseSwedishNumber(line.quantity);
    if (!price || !quantity)
        return std::nullopt;
    return *price * *quantity;
}

OrderTotal orderTotal(const QVector<OrderLine>& lines)
{
    OrderTotal total;
    for (const OrderLine& line : lines) {
        if (const std::optional<double> sum = lineTotal(line))
            total.amount += *sum;
        else
            ++total.linesLeftOut;
    }
    return total;
}

QString totalText(const OrderTotal& total)
{
    const TotalWords& words = totalWords();
    QString text = words.sum.arg(formatAmount(total.amount));
    if (total.linesLeftOut == 1)
        text += QStringLiteral(" (") + words.oneLeftOut + QLatin1Char(')');
    else if (total.linesLeftOut > 1)
        text += QStringLiteral(" (") + words.leftOut.arg(total.linesLeftOut) + QLatin1Char(')');
    return text;
}

TotalWords& totalWords()
{
    static TotalWords words;
    return words;
}

} // namespace data
