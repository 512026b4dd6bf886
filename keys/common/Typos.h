// The search for typing errors: every number one slip away from a wrong one.
//
// A slip is one character replaced by another symbol its position may hold,
// or two neighbouring characters swapped. Each kind says what a position may
// hold (what a search tries there, or what the key may be; nothing for a
// position a search never touches, which no slip changes either) and gives its
// candidate test, which is run with the changed number as its own pattern, so
// the kind's refusals and rules stay in force.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "Enumeration.h"
#include "RowStore.h"

namespace ferrino {

struct TypoRules {
    // The symbols position `pos` of `number` may hold, in the order a search
    // tries them; empty when no slip may change the position.
    std::function<std::string(std::string_view number, std::size_t pos)> alphabet;
    // Lists the row of `candidate` when the page's candidate test accepts it
    // with `candidate` itself as the pattern; says whether it did.
    std::function<bool(std::string_view candidate, RowStore& sink)> test;
};

// Lists every number that differs from `number` by one slip and that the test
// accepts. Rows come by the first position changed, then by the rank of the
// symbol now there in that position's alphabet, a replacement before a swap
// when both put the same symbol there. Returns false when stopped.
bool FindTypingErrors(std::string_view number, const TypoRules& rules, RowStore& sink, SearchPump& pump);

// What a search tries at `pos`, read from the kind's own plan: the slot the
// plan makes of that position once it holds an unknown marker, without the
// values it passes over. Empty when the plan makes no slot there.
std::string SlotSymbols(const std::function<Plan(std::string_view)>& planOf, std::string_view number, std::size_t pos);

}  // namespace ferrino
