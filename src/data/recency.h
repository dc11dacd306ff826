#pragma once

#include <tuple>

namespace data {

// How recent a remembered line is: the later order date first, then the order saved later, then the
// later line of the order.
struct Recency
{
    int date = 0;  // YYYYMMDD; 0 for a date written otherwise
    int order = 0; // orders counted as they were first read or saved
    int line = 0;

    bool operator<(const Recency& other) const
    {
        return std::tie(date, order, line) < std::tie(other.date, other.order, other.line);
    }
    bool operator==(const Recency& other) const
    {
        return date == other.date && order == other.order && line == other.line;
    }
};

} // namespace data
