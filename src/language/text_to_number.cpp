#include "language/text_to_number.h"

#include <charconv>
#include <cmath>
#include <string>

namespace language {

namespace {
bool isIgnored(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The characters of text, less blanks and tabs, as far as they form a number, spelled for
// std::from_chars: "- 1 2.e" becomes "-12", "+5" becomes "5".
std::string numberPart(QStringView text)
{
    std::string chars;
    chars.reserve(size_t(text.size()));
    for (QChar c : text)
        if (!isIgnored(c))
            chars += c.unicode() < 0x80 ? char(c.unicode()) : '?';

    std::string number;
    size_t pos = 0;
    const auto at = [&chars](size_t i) { return i < chars.size() ? chars[i] : '\0'; };

    if (at(pos) == '+')
        ++pos;
    else if (at(pos) == '-')
        number += chars[pos++];
    size_t digits = 0;
    while (isDigit(at(pos))) {
        number += chars[pos++];
        ++digits;
    }
    if (at(pos) == '.') {
        number += chars[pos++];
        while (isDigit(at(pos))) {
            number += chars[pos++];
            ++digits;
        }
    }
    if (digits == 0)
        return "0";

    const char e = at(pos);
    if (e == 'e' || e == 'E' || e == 'd' || e == 'D') {
        size_t p = pos + 1;
        std::string exponent = "e";
        if (at(p) == '+' || at(p) == '-')
            exponent += chars[p++];
        bool any = false;
        while (isDigit(at(p))) {
            exponent += chars[p++];
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
    const std::string number = numberPart(text);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    Q_UNUSED(end);
    // Only an exponent beyond what a double holds fails to convert: a large one keeps the
    // number's direction, a very negative one leaves nothing.
    if (error == std::errc::result_out_of_range) {
        if (number.find("e-") != std::string::npos)
            return 0.0;
        return number.front() == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    return value;
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
