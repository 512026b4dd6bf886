// The GS1 prefixes: who manages the first three digits of an EAN-13 (a GS1
// member organisation, named by its country) or what they are kept for
// (books, serials, restricted circulation, coupons).
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace ferrino {

struct Gs1Range {
    int first;                 // first and last three-digit prefix, inclusive
    int last;
    std::string_view iso;      // the member organisation's country, ISO 3166; may be empty
    std::string_view country;  // its French name, or empty
    std::string_view label;    // French; always set when iso is empty
};

// Every assigned range, in ascending order.
std::span<const Gs1Range> Gs1Ranges();

// The range of a number's first three digits (an EAN-13 or longer text of
// digits); nothing for an unassigned prefix or fewer than three digits.
std::optional<Gs1Range> Gs1Prefix(std::string_view digits);

}  // namespace ferrino
