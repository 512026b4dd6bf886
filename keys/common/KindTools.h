// Small pieces the kinds' adapters (NumberKind) share, whatever their fields.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Enumeration.h"
#include "Text.h"
#include "Verdict.h"

namespace ferrino {

// What a key of digits may be.
inline constexpr std::string_view kKeyDigits = kDigits;

// The keys a body calls for, as most kinds have them: one, never none.
inline std::vector<std::string> One(std::string key) { return {std::move(key)}; }

// The verdict of a kind whose body has one key, `key()`, asked for only when
// no body character is unknown.
template <class Key>
Verdict OneKeyVerdict(const Plan& plan, std::string typed, Key key) {
    const std::size_t unknowns = plan.unknowns.size();
    return KeyVerdict(unknowns, plan.limit, std::move(typed), unknowns ? std::vector<std::string>{} : One(key()));
}

}  // namespace ferrino
