#include "Sin.h"

#include <array>

#include "luhn/Luhn.h"

namespace ferrino {

namespace {

bool KeepsAllButSeparators(char c) {
    switch (c) {
        case ' ': case ',': case '-': case '.': case '/': case '\\': return false;
        default: return true;
    }
}

constexpr std::size_t kGroups[] = {3, 3, 3};
constexpr LuhnKind kSin{kSinBody, kGroups, KeepsAllButSeparators, nullptr};
static_assert(kSin.GroupsCoverNumber() && kSin.Length() == kSinLength);

}  // namespace

std::size_t SinCharacters(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) count += KeepsAllButSeparators(c);
    return count;
}

std::string FormatSin(std::string_view text) { return FormatLuhn(text, kSin); }
std::string ComputeSinKey(std::string_view body) { return ComputeLuhnKey(body, kSinBody); }
bool TestSinCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink) {
    return TestLuhnCandidate(candidate, pattern, sink, kSin);
}
Plan SinPlan(std::string_view fieldText) { return LuhnPlan(fieldText, kSin); }
std::string CompleteSin(const Plan& plan) { return CompleteLuhn(plan, kSin); }
QuickAnswer QuickSin(std::string_view number, std::string& shown, std::string& cause) {
    std::array<char, kSinLength> digits;
    return QuickLuhn({digits.data(), PlainDigits(number, digits)}, kSin, shown, cause);
}
bool SearchSin(const Plan& plan, RowStore& sink, SearchPump& pump) { return SearchLuhn(plan, sink, pump, kSin); }

}  // namespace ferrino
