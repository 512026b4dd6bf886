#include <algorithm>

#include "Gs1.h"

namespace ferrino {

std::optional<Gs1Range> Gs1Prefix(std::string_view digits)
{
    if (digits.size() < 3 || !std::all_of(digits.begin(), digits.begin() + 3, [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int prefix = (digits[0] - '0') * 100 + (digits[1] - '0') * 10 + (digits[2] - '0');
    const auto ranges = Gs1Ranges();
    const auto it = std::lower_bound(ranges.begin(), ranges.end(), prefix,
                                     [](const Gs1Range& range, int key) { return range.last < key; });
    if (it == ranges.end() || it->first > prefix) return std::nullopt;
    return *it;
}

}  // namespace ferrino
