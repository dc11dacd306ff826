#pragma once

#include <QStringView>
#include <optional>

namespace language {

// The general text-to-number rule: blanks and tabs are ignored wherever they stand; an optional
// sign, digits, one decimal point and an exponent (e, E, d or D with its own optional sign) are
// read up to the first character that cannot continue the number. Text that does not begin a
// number gives 0.
double textToNumber(QStringView text);

// A text number as a table index: the value of textToNumber taken to the nearest whole number,
// a half going to the even neighbour. Empty when the value is negative, not finite or above
// maxValue.
std::optional<int> textToIndex(QStringView text, int maxValue);

} // namespace language
