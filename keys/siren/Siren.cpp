#include "Siren.h"

#include <array>

#include "luhn/Luhn.h"

namespace ferrino {

namespace {

constexpr std::size_t kGroups[] = {3, 3, 3};
constexpr LuhnKind kSiren{kSirenBody, kGroups, KeepsDigitCapitalOrUnknown, nullptr};
static_assert(kSiren.GroupsCoverNumber() && kSiren.Length() == kSirenLength);

}  // namespace

std::string FormatSiren(std::string_view text) { return FormatLuhn(text, kSiren); }
std::string ComputeSirenKey(std::string_view body) { return ComputeLuhnKey(body, kSirenBody); }
bool TestSirenCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink) {
    return TestLuhnCandidate(candidate, pattern, sink, kSiren);
}
Plan SirenPlan(std::string_view fieldText) { return LuhnPlan(fieldText, kSiren); }
std::string CompleteSiren(const Plan& plan) { return CompleteLuhn(plan, kSiren); }
QuickAnswer QuickSiren(std::string_view number, std::string& shown, std::string& cause) {
    std::array<char, kSirenLength> digits;
    return QuickLuhn({digits.data(), PlainDigits(number, digits)}, kSiren, shown, cause);
}
bool SearchSiren(const Plan& plan, RowStore& sink, SearchPump& pump) { return SearchLuhn(plan, sink, pump, kSiren); }

}  // namespace ferrino
