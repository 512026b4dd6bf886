#include "Siret.h"

#include "luhn/Luhn.h"

namespace ferrino {

namespace {

bool EstablishmentIsZero(std::string_view body) { return body.substr(9, 4) == "0000"; }

constexpr std::size_t kGroups[] = {9, 4, 1};
constexpr LuhnKind kSiret{kSiretBody, kGroups, KeepsDigitCapitalOrUnknown, EstablishmentIsZero};
static_assert(kSiret.GroupsCoverNumber() && kSiret.Length() == kSiretLength);

}  // namespace

std::string FormatSiret(std::string_view text) { return FormatLuhn(text, kSiret); }
std::string ComputeSiretKey(std::string_view body) { return ComputeLuhnKey(body, kSiretBody); }
bool TestSiretCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink) {
    return TestLuhnCandidate(candidate, pattern, sink, kSiret);
}
Plan SiretPlan(std::string_view fieldText) { return LuhnPlan(fieldText, kSiret); }
std::string CompleteSiret(const Plan& plan) { return CompleteLuhn(plan, kSiret); }
bool SearchSiret(const Plan& plan, RowStore& sink, SearchPump& pump) { return SearchLuhn(plan, sink, pump, kSiret); }

}  // namespace ferrino
