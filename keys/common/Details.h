// Helpers of what a whole number says of itself (NumberKind::Details).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Kind.h"

namespace ferrino {

// This year by the machine's clock (the INSEE century, the VIN model years).
int ThisYear();

// "oui" or "non".
inline std::string_view YesNo(bool yes) { return yes ? "oui" : "non"; }

// "Rhône (69)": a name and its code.
inline std::string NamedCode(std::string_view name, std::string_view code) {
    return std::string(name) + " (" + std::string(code) + ")";
}

}  // namespace ferrino
