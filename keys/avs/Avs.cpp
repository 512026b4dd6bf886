#include "Avs.h"

#include "ean/Ean.h"

namespace ferrino {

namespace {

constexpr int kAvsWeights[kAvsBody] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};

// The check value 0..10 of the first ten characters (old form).
int AvsCheckValue(std::string_view body) {
    int sum = 0;
    for (std::size_t i = 0; i < kAvsBody && i < body.size(); ++i) sum += DigitValue(body[i]) * kAvsWeights[i];
    const int r = sum % 11;
    return r == 0 ? 0 : 11 - r;
}

// The pattern's characters without blanks and dots.
std::string WithoutSeparators(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '.') out += c;
    return out;
}

// 756.1234.5678.97: groups of 3, 4, 4 and 2 between dots. An unknown check
// digit of a number beginning with 756 is not shown; the twelve characters
// before it always are, and all thirteen of any other number, so that it is
// read in the same form again.
std::string ShowCurrent(std::string_view text) {
    const bool shortened = text[kAvsCurrentBody] == kUnknown && text.starts_with(kAvsCountry);
    const std::size_t shown = shortened ? kAvsCurrentBody : kAvsCurrentLength;
    std::string out;
    static constexpr std::size_t kDotsAfter[] = {3, 7, 11};
    for (std::size_t i = 0; i < shown; ++i) {
        for (std::size_t dot : kDotsAfter)
            if (i == dot) out += '.';
        out += text[i];
    }
    return out;
}

}  // namespace

bool IsCurrentAvs(std::string_view normalised) {
    return normalised.size() >= kAvsCurrentLength || (normalised.size() >= kAvsCurrentBody && normalised.starts_with(kAvsCountry));
}

bool AvsCountryIsRight(std::string_view number) { return !IsCurrentAvs(number) || number.starts_with(kAvsCountry); }

std::size_t AvsKeyIndex(std::string_view pattern) { return IsCurrentAvs(pattern) ? kAvsCurrentBody : kAvsBody; }

std::string FormatAvs(std::string_view text) {
    std::string kept = KeepDigitsCapitalsUnknown(text);
    const bool current = IsCurrentAvs(kept);
    const std::size_t length = current ? kAvsCurrentLength : kAvsLength;
    kept = PadUnknown(std::move(kept), length);
    kept.resize(length);
    for (char& c : kept)
        if (!IsDigit(c)) c = kUnknown;
    if (current) return ShowCurrent(kept);
    static constexpr std::size_t kGroups[] = {3, 2, 3, 3};
    return ShowGrouped(kept, kGroups);
}

std::string ComputeAvsKey(std::string_view body) {
    if (IsCurrentAvs(body)) return ComputeEanKey(body, kAvsCurrentLength);
    return std::to_string(AvsCheckValue(body));
}

bool TestAvsCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink) {
    const std::size_t keyIndex = AvsKeyIndex(pattern);
    if (keyIndex == kAvsCurrentBody && !candidate.starts_with(kAvsCountry)) return false;
    const std::string key = ComputeAvsKey(PadUnknown(std::string(Slice(candidate, 0, keyIndex)), keyIndex + 1));
    if (key.size() != 1) return false;  // check value 10: no check digit
    const char wanted = pattern.size() > keyIndex ? pattern[keyIndex] : kUnknown;
    if (wanted != kUnknown && wanted != key[0]) return false;
    sink.Add(FormatAvs(PadUnknown(std::string(Slice(candidate, 0, keyIndex)), keyIndex) + key));
    return true;
}

Plan AvsPlan(std::string_view fieldText) {
    Plan plan;
    plan.pattern = WithoutSeparators(fieldText);
    const bool current = IsCurrentAvs(plan.pattern);
    plan.pattern = PadUnknown(std::move(plan.pattern), current ? kAvsCurrentLength : kAvsLength);
    // An unknown character of the country code can only be the one of 756.
    plan.unknowns = current ? FindSlots(plan.pattern, 0, kAvsCurrentBody,
                                        [](std::size_t pos) {
                                            return Slot{pos, pos < kAvsCountryLength ? kAvsCountry.substr(pos, 1) : kDigits, 0};
                                        })
                            : FindDigitSlots(plan.pattern, 0, kAvsBody);
    return plan;
}

std::string CompleteAvs(const Plan& plan) {
    const std::size_t keyIndex = AvsKeyIndex(plan.pattern);
    const std::string body(Slice(plan.pattern, 0, keyIndex));
    const std::string key = ComputeAvsKey(plan.pattern);
    return body + (key.size() == 1 ? key[0] : kUnknown);
}

bool SearchAvs(const Plan& plan, RowStore& sink, SearchPump& pump) {
    if (!plan.Searches()) return true;
    return Enumerate(plan, TestVisitor{[&](const std::string& candidate) { TestAvsCandidate(candidate, plan.pattern, sink); }}, pump);
}

}  // namespace ferrino
