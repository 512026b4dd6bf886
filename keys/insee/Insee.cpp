#include "Insee.h"

#include <array>

#include "common/KindTools.h"

namespace ferrino {

namespace {

// An unknown sex digit only tries 1, 2, 7 and 8 (in this order); the others
// are pumped for and passed over.
constexpr std::uint64_t kSexPassOver = (1U << 0) | (1U << 3) | (1U << 4) | (1U << 5) | (1U << 6) | (1U << 9);

constexpr std::size_t kDepartment = 5;  // positions 6-7, 0-based
constexpr std::string_view kDepartmentSymbols = "0123456789AB";

// A Corsican département: "2A" or "2B" in positions 6-7.
bool Corsican(std::string_view text) {
    return text.size() > kDepartment + 1 && text[kDepartment] == '2' &&
           (text[kDepartment + 1] == 'A' || text[kDepartment + 1] == 'B');
}

int DecimalValue(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + DigitValue(c);
    return value;
}

}  // namespace

namespace {

constexpr std::size_t kGroups[] = {1, 2, 2, 2, 3, 3, 2};  // S YY MM DD CCC OOO KK

}  // namespace

std::string FormatInsee(std::string_view text) {
    std::string kept = PadUnknown(KeepDigitsCapitalsUnknown(text), kInseeLength);
    for (std::size_t i = 0; i < kInseeLength; ++i)
        if (!IsDigit(kept[i]) && !(i == kDepartment + 1 && Corsican(kept))) kept[i] = kUnknown;
    return ShowGrouped(kept, kGroups);
}

std::string ComputeInseeKey(std::string_view body) {
    std::string digits = PadRight(std::string(Slice(body, 0, kInseeBody)), kInseeBody, '0');
    if (Corsican(digits)) digits.replace(kDepartment, 2, digits[kDepartment + 1] == 'A' ? "19" : "18");
    const int a = DecimalValue(std::string_view(digits).substr(0, 7));
    const int b = DecimalValue(std::string_view(digits).substr(7, 6));
    const int r = ((a % 97) * 1000000 + b) % 97;
    return TwoDigits(97 - r);
}

bool TestInseeCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink) {
    // A or B only make a Corsican département after a "2".
    const char letter = candidate.size() > kDepartment + 1 ? candidate[kDepartment + 1] : '0';
    if ((letter == 'A' || letter == 'B') && !Corsican(candidate)) return false;
    const std::string key = ComputeInseeKey(candidate);
    const auto agrees = [&](std::size_t pos, char digit) {
        return pos >= pattern.size() || pattern[pos] == kUnknown || pattern[pos] == digit;
    };
    if (!agrees(13, key[0]) || !agrees(14, key[1])) return false;
    sink.Add(FormatInsee(std::string(Slice(candidate, 0, kInseeBody)) + key));
    return true;
}

Plan InseePlan(std::string_view fieldText) {
    Plan plan;
    plan.pattern = PadUnknown(RemoveBlanks(fieldText), kInseeLength);
    const char before = plan.pattern[kDepartment];
    const bool corsicaPossible = before == '2' || before == kUnknown;
    plan.unknowns = FindSlots(plan.pattern, 0, kInseeBody, [corsicaPossible](std::size_t pos) {
        if (pos == kDepartment + 1 && corsicaPossible) return Slot{pos, kDepartmentSymbols, 0};
        return Slot{pos, kDigits, pos == 0 ? kSexPassOver : 0};
    });
    return plan;
}

std::string CompleteInsee(const Plan& plan) {
    const std::string body(Slice(plan.pattern, 0, kInseeBody));
    return body + ComputeInseeKey(body);
}

bool SearchInsee(const Plan& plan, RowStore& sink, SearchPump& pump) {
    return Enumerate(plan, TestVisitor{[&](const std::string& candidate) { TestInseeCandidate(candidate, plan.pattern, sink); }}, pump);
}

QuickAnswer QuickInsee(std::string_view number, std::string& shown, std::string& cause) {
    std::array<char, kInseeLength> digits;
    const std::string_view plain(digits.data(), PlainDigits(number, digits));
    if (plain.size() != kInseeLength) return QuickAnswer::kUnsure;
    return QuickKeyAnswer(plain, kGroups, ComputeInseeKey(plain), shown, cause);
}

}  // namespace ferrino
