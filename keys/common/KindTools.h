// Small pieces the kinds' adapters (NumberKind) share, whatever their fields.
#pragma once

#include <span>
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

// The quick check's answer (NumberKind::QuickCheck) on a whole number of
// digits alone whose last characters are its key, and `key` the key its body
// calls for: `shown` is the number laid out in `groups` (written into the
// space it already has), and the answer whether the key fits (`cause` then
// names the key expected, as Verdict::FirstCause does).
QuickAnswer QuickKeyAnswer(std::string_view digits, std::span<const std::size_t> groups, std::string_view key,
                           std::string& shown, std::string& cause);

// The verdict of a kind whose body has one key, `key()`, asked for only when
// no body character is unknown.
template <class Key>
Verdict OneKeyVerdict(const Plan& plan, std::string typed, Key key) {
    const std::size_t unknowns = plan.unknowns.size();
    return KeyVerdict(unknowns, plan.limit, std::move(typed), unknowns ? std::vector<std::string>{} : One(key()));
}

}  // namespace ferrino
