// The likely BIC of a French bank code (the first five digits of a RIB).
#pragma once

#include <optional>
#include <string_view>

namespace ferrino {

// The BIC (8 or 11 characters) of a five-digit bank code, or nothing for a
// code the list does not hold.
std::optional<std::string_view> BankBic(std::string_view bankCode);

}  // namespace ferrino
