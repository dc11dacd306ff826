#pragma once

#include <QString>
#include <optional>

namespace data {

// A quantity as the clerk types it, held exactly: six decimals cover every value an eight-character
// box can hold, so 0,1 taken three times is exactly 0,3. A binary floating-point number would make
// 0,1 + 0,1 + 0,1 fall short of 0,3 and leave an order "partly delivered" for ever.
class ExactDecimal
{
public:
    static constexpr int kDecimals = 6;

    ExactDecimal() = default;

    // Decimal comma (a point is taken too), blanks between thousands, an optional sign: "2,5",
    // "1 000", "-3". Empty, more than six decimals, more than twelve whole digits or anything else
    // is no number.
    static std::optional<ExactDecimal> parse(const QString& text);

    // "2,5", "0,3", "1000": no thousands blank, no trailing zeros, so that it reads back the same.
    QString toString() const;

    bool isZero() const { return m_units == 0; }
    bool isNegative() const { return m_units < 0; }

    ExactDecimal operator+(ExactDecimal other) const { return fromUnits(m_units + other.m_units); }
    ExactDecimal operator-(ExactDecimal other) const { return fromUnits(m_units - other.m_units); }
    ExactDecimal& operator+=(ExactDecimal other)
    {
        m_units += other.m_units;
        return *this;
    }
    bool operator==(ExactDecimal other) const { return m_units == other.m_units; }
    bool operator!=(ExactDecimal other) const { return m_units != other.m_units; }
    bool operator<(ExactDecimal other) const { return m_units < other.m_units; }
    bool operator<=(ExactDecimal other) const { return m_units <= other.m_units; }
    bool operator>(ExactDecimal other) const { return m_units > other.m_units; }
    bool operator>=(ExactDecimal other) const { return m_units >= other.m_units; }

private:
    static ExactDecimal fromUnits(qint64 units)
    {
        ExactDecimal value;
        value.m_units = units;
        return value;
    }

    qint64 m_units = 0; // the value times 10^6
};

} // namespace data
