#include "language/text_to_number.h"

#include <QLocale>
#include <cmath>

namespace language {

namespace {
bool isIgnored(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The characters of text without blanks and tabs, as far as they form a number, spelled so
// that the C locale reads them: "- 1 2.e" becomes "-12".
QString numberPart(QStringView text)
{
    QString chars;
    chars.reserve(text.size());
    for (QChar c : text)
        if (!isIgnored(c))
            chars += c;

    QString number;
    qsizetype pos = 0;
    const auto at = [&chars](qsizetype i) { return i < chars.size() ? chars.at(i) : QChar(); };

    if (at(pos) == u'+' || at(pos) == u'-')
        number += chars.at(pos++);
    qsizetype digits = 0;
    while (isDigit(at(pos))) {
        number += chars.at(pos++);
        ++digits;
    }
    if (at(pos) == u'.') {
        ++pos;
        QString fraction;
        while (isDigit(at(pos)))
            fraction += chars.at(pos++);
        if (!fraction.isEmpty())
            number += QLatin1Char('.') + fraction;
        digits += fraction.size();
    }
    if (digits == 0)
        return QStringLiteral("0");

    const QChar e = at(pos).toLower();
    if (e == u'e' || e == u'd') {
        qsizetype p = pos + 1;
        QString exponent = QStringLiteral("e");
        if (at(p) == u'+' || at(p) == u'-')
            exponent += chars.at(p++);
        bool any = false;
        while (isDigit(at(p))) {
            exponent += chars.at(p++);
            any = true;
        }
        // An exponent letter without digits ends the number before it.
        if (any)
            number += exponent;
    }
    return number;
}
} // namespace

double textToNumber(QStringView text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(numberPart(text), &ok);
    if (ok)
        return value;
    // Only an exponent too large for a double fails to convert; it keeps its direction.
    return numberPart(text).startsWith(QLatin1Char('-')) ? -HUGE_VAL : HUGE_VAL;
}

std::optional<int> textToIndex(QStringView text, int maxValue)
{
    const double value = textToNumber(text);
    if (!std::isfinite(value))
        return std::nullopt;
    double whole = std::floor(value);
    const double rest = value - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    // -0.4 comes to -0, which is slot 0 like any other zero.
    if (whole < 0.0 || whole > double(maxValue))
        return std::nullopt;
    return int(whole);
}

} // namespace language
