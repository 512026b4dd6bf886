#include "Luhn.h"

namespace ferrino {

std::string ComputeLuhnKey(std::string_view text, std::size_t bodyLength) {
    int sum = 0;
    for (std::size_t i = 0; i < bodyLength; ++i) {
        int value = i < text.size() ? DigitValue(text[i]) : 0;
        if ((bodyLength - 1 - i) % 2 == 0) value *= 2;  // the digit next to the key, then every second one
        sum += value / 10 + value % 10;
        sum %= 10;
    }
    return std::string(1, static_cast<char>('0' + (10 - sum) % 10));
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
    number += ComputeLuhnKey(number, kind.body);
    const char wanted = kind.body < pattern.size() ? pattern[kind.body] : kUnknown;
    if (wanted != kUnknown && wanted != number.back()) return false;
    sink.Add(FormatLuhn(number, kind));
    return true;
}

Plan LuhnPlan(std::string_view fieldText, const LuhnKind& kind) {
    Plan plan;
    plan.pattern = PadUnknown(RemoveBlanks(fieldText), kind.Length());
    plan.unknowns = FindDigitSlots(plan.pattern, 0, kind.body);
    return plan;
}

std::string CompleteLuhn(const Plan& plan, const LuhnKind& kind) {
    const std::string body = PadRight(std::string(Slice(plan.pattern, 0, kind.body)), kind.body, '0');
    return body + ComputeLuhnKey(body, kind.body);
}

bool SearchLuhn(const Plan& plan, RowStore& sink, SearchPump& pump, const LuhnKind& kind) {
    return Enumerate(plan, TestVisitor{[&](const std::string& candidate) { TestLuhnCandidate(candidate, plan.pattern, sink, kind); }}, pump);
}

}  // namespace ferrino
