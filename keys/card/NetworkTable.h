// The generated table of card networks (keys/card/Networks.cpp, written by
// tools/make_card_networks.mjs).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace ferrino {

struct CardRange {
    std::string_view first;  // the range's first and last prefix, of equal length
    std::string_view last;
    int network;             // index into CardNetworkNames()
    std::uint32_t lengths;   // bit n set when a number of n digits is issued
};

std::span<const std::string_view> CardNetworkNames();

// Longest prefixes first.
std::span<const CardRange> CardRanges();

}  // namespace ferrino
