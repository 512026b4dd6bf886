#include "Card.h"

#include <algorithm>
#include <array>

#include "luhn/Luhn.h"

namespace ferrino {

namespace {

constexpr std::size_t kFifteen[] = {4, 6, 5};
constexpr std::size_t kFours[] = {4, 4, 4, 4, 3};  // the last group holds what is left

// The characters the field keeps, as typed.
std::string Kept(std::string_view text) {
    std::string kept;
    for (char c : text)
        if (KeepsDigitCapitalOrUnknown(c)) kept += c;
    return kept;
}

LuhnKind KindOf(std::size_t length) {
    if (length == kCardShortest) return LuhnKind{length - 1, kFifteen, KeepsDigitCapitalOrUnknown, nullptr};
    return LuhnKind{length - 1, kFours, KeepsDigitCapitalOrUnknown, nullptr};
}

}  // namespace

std::size_t CardLength(std::string_view text) {
    const std::string kept = Kept(text);
    if (kept.starts_with("34") || kept.starts_with("37")) return kCardShortest;
    if (kept.size() <= kCardLength) return kCardLength;
    return kept.size() < kCardLongest ? kept.size() : kCardLongest;
}

std::string FormatCard(std::string_view text) {
    const std::size_t length = CardLength(text);
    if (length <= kCardLength) return FormatLuhn(text, KindOf(length));
    // Seventeen to nineteen: every character stays shown, an unknown key
    // included, so that the number is read at the same length again.
    std::string shown;
    std::size_t count = 0;
    for (char c : text) {
        if (!KeepsDigitCapitalOrUnknown(c)) continue;
        if (count == length) break;
        if (count && count % 4 == 0) shown += ' ';
        shown += IsDigit(c) ? c : kUnknown;
        ++count;
    }
    return shown;
}

std::string ComputeCardKey(std::string_view body) { return ComputeLuhnKey(body, kCardBody); }

std::vector<std::string> CardKeys(std::string_view pattern) { return LuhnKeys(pattern, KindOf(CardLength(pattern))); }

bool TestCardCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink) {
    const std::size_t length = CardLength(pattern);
    // A candidate read at another length (sixteen digits or more beginning
    // with 34 or 37) is not a number of this search.
    if (CardLength(candidate) != length || candidate.size() != length) return false;
    return TestLuhnCandidate(candidate, pattern, sink, KindOf(length));
}

Plan CardPlan(std::string_view fieldText) { return LuhnPlan(fieldText, KindOf(CardLength(fieldText))); }

std::string CompleteCard(const Plan& plan) { return CompleteLuhn(plan, KindOf(CardLength(plan.pattern))); }

QuickAnswer QuickCard(std::string_view number, std::string& shown, std::string& cause) {
    std::array<char, kCardLongest> digits;
    const std::string_view plain(digits.data(), PlainDigits(number, digits));
    // CardLength on digits alone: fifteen after 34 or 37, else at least sixteen.
    const std::size_t length =
        plain.starts_with("34") || plain.starts_with("37") ? kCardShortest : std::max(plain.size(), kCardLength);
    if (plain.size() != length) return QuickAnswer::kUnsure;
    return QuickLuhn(plain, KindOf(length), shown, cause);
}

bool SearchCard(const Plan& plan, RowStore& sink, SearchPump& pump) {
    return Enumerate(plan, TestVisitor{[&](const std::string& candidate) { TestCardCandidate(candidate, plan.pattern, sink); }}, pump);
}

}  // namespace ferrino
