#include "CardNetworks.h"

#include "NetworkTable.h"

namespace ferrino {

std::optional<CardNetwork> FindCardNetwork(std::string_view digits)
{
    for (const CardRange& range : CardRanges()) {
        if (digits.size() < range.first.size()) continue;
        const std::string_view prefix = digits.substr(0, range.first.size());
        if (prefix < range.first || prefix > range.last) continue;
        const bool issued = digits.size() < 32 && (range.lengths >> digits.size() & 1u) != 0;
        return CardNetwork{CardNetworkNames()[static_cast<std::size_t>(range.network)], issued};
    }
    return std::nullopt;
}

}  // namespace ferrino
