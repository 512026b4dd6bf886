// The countries and territories abroad by their INSEE code (99xxx), the place
// of birth a NIR gives in place of the département and commune when its
// département is 99.
#pragma once

#include <optional>
#include <string_view>

namespace ferrino {

struct InseeCountry {
    std::string_view code;  // "99109"
    std::string_view iso;   // "DE"; empty for former codes and groups of territories
    std::string_view name;  // INSEE's latest short name, UTF-8: "Allemagne"
    bool current;           // in use in INSEE's 2025 list; false for a former code
};

// The country of a five-digit code (99xxx). 99100, France, is none.
std::optional<InseeCountry> FindInseeCountry(std::string_view code);

}  // namespace ferrino
