// The network of a bank card from the first digits of its number.
#pragma once

#include <optional>
#include <string_view>

namespace ferrino {

struct CardNetwork {
    std::string_view name;  // "Visa", "Mastercard", "American Express"...
    bool lengthIssued;      // whether the network issues numbers of this length
};

// The network of a card number (digits only), by its most precise matching
// range; nothing when no range matches.
std::optional<CardNetwork> FindCardNetwork(std::string_view digits);

}  // namespace ferrino
