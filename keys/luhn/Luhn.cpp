#include "Luhn.h"

#include "common/KindTools.h"

namespace ferrino {

namespace {

// A doubled digit counted as the sum of its decimal digits.
constexpr int kDoubled[10] = {0, 2, 4, 6, 8, 1, 3, 5, 7, 9};

// The key of a sum of the body's values.
char KeyOfSum(int sum) { return static_cast<char>('0' + (10 - sum % 10) % 10); }

// The key of the first `bodyLength` characters, read as ComputeLuhnKey reads them.
char LuhnKey(std::string_view text, std::size_t bodyLength) {
    const auto value = [&](std::size_t i) { return i < text.size() ? DigitValue(text[i]) : 0; };
    int sum = 0;
    std::size_t i = bodyLength;
    // From the key leftwards, two at a time: the digit next to the key doubled, the one before it not.
    for (; i >= 2; i -= 2) sum += kDoubled[value(i - 1)] + value(i - 2);
    if (i == 1) sum += kDoubled[value(0)];
    return KeyOfSum(sum);
}

// The same on a body known to be digits alone.
char DigitsKey(std::string_view body) {
    const auto value = [&](std::size_t i) { return body[i] - '0'; };
    int sum = 0;
    std::size_t i = body.size();
    for (; i >= 2; i -= 2) sum += kDoubled[value(i - 1)] + value(i - 2);
    if (i == 1) sum += kDoubled[value(0)];
    return KeyOfSum(sum);
}

int DigitSum(std::string_view digits) {
    int sum = 0;
    for (char c : digits) sum += DigitValue(c);
    return sum;
}

}  // namespace

std::string ComputeLuhnKey(std::string_view text, std::size_t bodyLength) {
    return std::string(1, LuhnKey(text, bodyLength));
}

std::vector<std::string> LuhnKeys(std::string_view body, const LuhnKind& kind) {
    // The body as the key reads it: a missing or non-digit character counts as 0.
    std::string digits(kind.body, '0');
    for (std::size_t i = 0; i < kind.body && i < body.size(); ++i)
        if (IsDigit(body[i])) digits[i] = body[i];
    if (!kind.digitSumKey || !kind.digitSumKey(digits)) return {ComputeLuhnKey(digits, kind.body)};
    std::vector<std::string> keys;
    const int sum = DigitSum(digits);
    for (int key = 0; key < 10; ++key)
        if ((sum + key) % 5 == 0) keys.emplace_back(1, static_cast<char>('0' + key));
    return keys;
}

LuhnKind AnyLengthLuhn(std::size_t length) {
    static constexpr std::size_t kFours[kLuhnLongest / 4] = {4, 4, 4, 4, 4, 4, 4, 4};
    const std::size_t digits = length < kLuhnShortest ? kLuhnShortest : length > kLuhnLongest ? kLuhnLongest : length;
    // Groups beyond the number are left empty, and empty groups are not shown.
    return LuhnKind{digits - 1, kFours, KeepsDigitCapitalOrUnknown, nullptr};
}

std::size_t LuhnCharacters(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) count += KeepsDigitCapitalOrUnknown(c);
    return count;
}

bool KeepsDigitCapitalOrUnknown(char c) { return IsDigit(c) || IsCapital(c) || c == kUnknown; }

std::string FormatLuhn(std::string_view text, const LuhnKind& kind) {
    const auto keeps = kind.keeps ? kind.keeps : KeepsDigitCapitalOrUnknown;
    std::string kept;
    kept.reserve(kind.Length());
    for (char c : text) {
        if (!keeps(c)) continue;
        kept += IsDigit(c) ? c : kUnknown;
        if (kept.size() == kind.Length()) break;  // the rest is not shown
    }
    return ShowGrouped(kept, kind.groups);
}

bool TestLuhnCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink, const LuhnKind& kind) {
    // The body as the key reads it: a missing or non-digit character counts as 0.
    std::string number(kind.body, '0');
    for (std::size_t i = 0; i < kind.body && i < candidate.size(); ++i)
        if (IsDigit(candidate[i])) number[i] = candidate[i];
    if (kind.refuses && kind.refuses(number)) return false;
    const char wanted = kind.body < pattern.size() ? pattern[kind.body] : kUnknown;
    if (kind.digitSumKey && kind.digitSumKey(number)) {
        // The key the search wrote, if it searches the key position.
        const char own = kind.body < candidate.size() && IsDigit(candidate[kind.body]) ? candidate[kind.body] : kUnknown;
        bool listed = false;
        for (const std::string& key : LuhnKeys(number, kind)) {
            if ((own != kUnknown && own != key[0]) || (wanted != kUnknown && wanted != key[0])) continue;
            sink.Add(FormatLuhn(number + key, kind));
            listed = true;
        }
        return listed;
    }
    number += ComputeLuhnKey(number, kind.body);
    if (wanted != kUnknown && wanted != number.back()) return false;
    sink.Add(FormatLuhn(number, kind));
    return true;
}

Plan LuhnPlan(std::string_view fieldText, const LuhnKind& kind) {
    Plan plan;
    plan.pattern = PadUnknown(RemoveBlanks(fieldText), kind.Length());
    plan.unknowns = FindDigitSlots(plan.pattern, 0, kind.body);
    if (plan.unknowns.empty() && kind.digitSumKey && kind.digitSumKey(Slice(plan.pattern, 0, kind.body)))
        plan.unknowns.push_back(Slot{kind.body, kDigits, 0});
    return plan;
}

std::string CompleteLuhn(const Plan& plan, const LuhnKind& kind) {
    const std::string body = PadRight(std::string(Slice(plan.pattern, 0, kind.body)), kind.body, '0');
    return body + ComputeLuhnKey(body, kind.body);
}

QuickAnswer QuickLuhn(std::string_view digits, const LuhnKind& kind, std::string& shown, std::string& cause) {
    if (digits.size() != kind.Length() || (kind.digitSumKey && kind.digitSumKey(digits.substr(0, kind.body))))
        return QuickAnswer::kUnsure;
    const char key = DigitsKey(digits.substr(0, kind.body));
    return QuickKeyAnswer(digits, kind.groups, std::string_view(&key, 1), shown, cause);
}

bool SearchLuhn(const Plan& plan, RowStore& sink, SearchPump& pump, const LuhnKind& kind) {
    // A whole body with a digit-sum key searches its key position: as
    // completing a body, it lists every key that fits, whatever key was typed.
    std::string pattern = plan.pattern;
    if (!plan.unknowns.empty() && plan.unknowns.front().pos == kind.body && kind.body < pattern.size()) pattern[kind.body] = kUnknown;
    return Enumerate(plan, TestVisitor{[&](const std::string& candidate) { TestLuhnCandidate(candidate, pattern, sink, kind); }}, pump);
}

}  // namespace ferrino
