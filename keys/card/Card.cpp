#include "Card.h"

#include "luhn/Luhn.h"

namespace ferrino {

namespace {

constexpr std::size_t kGroups[] = {4, 4, 4, 4};
constexpr LuhnKind kCard{kCardBody, kGroups, KeepsDigitCapitalOrUnknown, nullptr};
static_assert(kCard.GroupsCoverNumber() && kCard.Length() == kCardLength);

}  // namespace

std::string FormatCard(std::string_view text) { return FormatLuhn(text, kCard); }
std::string ComputeCardKey(std::string_view body) { return ComputeLuhnKey(body, kCardBody); }
bool TestCardCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink) {
    return TestLuhnCandidate(candidate, pattern, sink, kCard);
}
Plan CardPlan(std::string_view fieldText) { return LuhnPlan(fieldText, kCard); }
std::string CompleteCard(const Plan& plan) { return CompleteLuhn(plan, kCard); }
bool SearchCard(const Plan& plan, RowStore& sink, SearchPump& pump) { return SearchLuhn(plan, sink, pump, kCard); }

}  // namespace ferrino
