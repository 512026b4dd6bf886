#include "Prof.h"

namespace ferrino {

namespace {

// Position 2 (index 1) is the only one where letters count.
constexpr std::size_t kLetterPos = 1;
constexpr std::string_view kProfSymbols = "0123456789AB";
constexpr std::uint64_t kLettersPassOver = (1U << 10) | (1U << 11);

// "A" or "B" in position 2 makes a Corsican département (2A, 2B): only after a "2".
bool CorsicanLetter(char first, char second) { return first == '2' && (second == 'A' || second == 'B'); }

int ProfValue(std::size_t index, char c) {
    if (IsDigit(c)) return c - '0';
    if (index == kLetterPos && c == 'A') return 10;
    if (index == kLetterPos && c == 'B') return 11;
    return 0;
}

char ProfKey(std::string_view body) {
    int sum = 0;
    for (std::size_t i = 0; i < kProfBody && i < body.size(); ++i) {
        int v = ProfValue(i, body[i]);
        if (i % 2 == 1) v *= 2;  // positions 2, 4, 6 and 8
        sum += v / 10 + v % 10;
    }
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

}  // namespace

std::string FormatProf(std::string_view text) {
    std::string kept = PadUnknown(KeepDigitsCapitalsUnknown(text), kProfLength);
    for (std::size_t i = 0; i < kProfLength; ++i) {
        const char c = kept[i];
        const bool stays = IsDigit(c) || (i == kLetterPos && CorsicanLetter(kept[0], c));
        if (!stays) kept[i] = kUnknown;
    }
    static constexpr std::size_t kGroups[] = {2, 1, 5, 1};
    return ShowGrouped(kept, kGroups);
}

std::string ComputeProfKey(std::string_view body) {
    return std::string(1, ProfKey(body));
}

bool TestProfCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink) {
    const char second = candidate.size() > kLetterPos ? candidate[kLetterPos] : '0';
    if ((second == 'A' || second == 'B') && !CorsicanLetter(candidate[0], second)) return false;
    const char key = ProfKey(candidate);
    const char wanted = pattern.size() > kProfBody ? pattern[kProfBody] : kUnknown;
    if (wanted != kUnknown && wanted != key) return false;
    std::string full = PadUnknown(std::string(Slice(candidate, 0, kProfBody)), kProfBody);
    full += key;
    sink.Add(FormatProf(full));
    return true;
}

Plan ProfPlan(std::string_view fieldText) {
    Plan plan;
    plan.pattern = PadUnknown(RemoveBlanks(fieldText), kProfLength);
    // The second place tries A and B only after a 2 or an unknown first character.
    const bool corsicaPossible = plan.pattern[0] == '2' || plan.pattern[0] == kUnknown;
    plan.unknowns = FindSlots(plan.pattern, 0, kProfBody, [corsicaPossible](std::size_t pos) {
        return Slot{pos, kProfSymbols, pos == kLetterPos && corsicaPossible ? 0 : kLettersPassOver};
    });
    return plan;
}

std::string CompleteProf(const Plan& plan) {
    std::string body(Slice(plan.pattern, 0, kProfBody));
    body += ProfKey(body);
    return body;
}

bool SearchProf(const Plan& plan, RowStore& sink, SearchPump& pump) {
    if (!plan.Searches()) return true;
    return Enumerate(plan, TestVisitor{[&](const std::string& candidate) { TestProfCandidate(candidate, plan.pattern, sink); }}, pump);
}

}  // namespace ferrino
