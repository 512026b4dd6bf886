#include "Avs.h"

namespace ferrino {

namespace {

constexpr int kAvsWeights[kAvsBody] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};

// The check value 0..10 of the first ten characters.
int AvsCheckValue(std::string_view body) {
    int sum = 0;
    for (std::size_t i = 0; i < kAvsBody && i < body.size(); ++i) sum += DigitValue(body[i]) * kAvsWeights[i];
    const int r = sum % 11;
    return r == 0 ? 0 : 11 - r;
}

}  // namespace

std::string FormatAvs(std::string_view text) {
    std::string kept = PadUnknown(KeepDigitsCapitalsUnknown(text), kAvsLength);
    for (std::size_t i = 0; i < kAvsLength; ++i)
        if (!IsDigit(kept[i])) kept[i] = kUnknown;
    static constexpr std::size_t kGroups[] = {3, 2, 3, 3};
    return ShowGrouped(kept, kGroups);
}

std::string ComputeAvsKey(std::string_view body) {
    return std::to_string(AvsCheckValue(body));
}

bool TestAvsCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink) {
    const int value = AvsCheckValue(candidate);
    if (value == 10) return false;
    const char key = static_cast<char>('0' + value);
    const char wanted = pattern.size() > kAvsBody ? pattern[kAvsBody] : kUnknown;
    if (wanted != kUnknown && wanted != key) return false;
    std::string full = PadUnknown(std::string(Slice(candidate, 0, kAvsBody)), kAvsBody);
    full += key;
    sink.Add(FormatAvs(full));
    return true;
}

Plan AvsPlan(std::string_view fieldText) {
    Plan plan;
    plan.pattern = PadUnknown(RemoveBlanks(fieldText), kAvsLength);
    plan.unknowns = FindDigitSlots(plan.pattern, 0, kAvsBody);
    return plan;
}

std::string CompleteAvs(const Plan& plan) {
    const std::string body(Slice(plan.pattern, 0, kAvsBody));
    const int value = AvsCheckValue(body);
    return body + (value == 10 ? kUnknown : static_cast<char>('0' + value));
}

bool SearchAvs(const Plan& plan, RowStore& sink, SearchPump& pump) {
    if (!plan.Searches()) return true;
    return Enumerate(plan, TestVisitor{[&](const std::string& candidate) { TestAvsCandidate(candidate, plan.pattern, sink); }}, pump);
}

}  // namespace ferrino
