// AVS number: byte 0 sets the pump (FuzzCheck.h), the rest is the field.
//
// Two forms. The old one: ten digits and a check digit (weights 5 4 3 2 7 6 5
// 4 3 2, modulo 11; no check digit when the check value is 10), shown as
// 123 45 678 903. The current one: when the kept text (digits, unknown
// markers, capitals counting as unknown markers) holds thirteen characters or
// more, or twelve beginning with 756, thirteen digits with the EAN-13 check
// digit of the first twelve, shown as 756.1234.5678.97 (twelve characters
// always shown, the check digit when known; all thirteen when the number does
// not begin with 756); a search lists only numbers beginning with 756, and
// fills an unknown character of the country code with the one of 756.
#include "FuzzCheck.h"
#include "avs/Avs.h"

using namespace ferrino;

namespace {

constexpr int kWeights[kAvsBody] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};

bool IsCurrent(std::string_view kept) { return kept.size() >= 13 || (kept.size() >= 12 && kept.substr(0, 3) == "756"); }

// Ten digits and their check value 0-10: the weighted sum plus the value is a
// multiple of 11.
bool OldKeyHolds(std::string_view body, std::string_view key) {
    if (key.empty() || key.size() > 2 || !fuzz::OnlyOf(key, kDigits)) return false;
    const int value = std::stoi(std::string(key));
    int sum = value;
    for (std::size_t i = 0; i < kAvsBody; ++i) sum += kWeights[i] * (body[i] - '0');
    return value <= 10 && sum % 11 == 0 && (key.size() == 1 || value == 10);
}

// Twelve digits and a check digit: weighted 1, 3, 1, 3... from the left (the
// check digit weighs 1), the sum is a multiple of 10.
bool CurrentKeyHolds(std::string_view body, std::string_view key) {
    if (key.size() != 1 || !IsDigit(key[0])) return false;
    int sum = key[0] - '0';
    for (std::size_t i = 0; i < 12; ++i) sum += (i % 2 ? 3 : 1) * (body[i] - '0');
    return sum % 10 == 0;
}

// The key of any text: the form is read from the text as given.
void CheckKey(const std::string& text) {
    const std::string key = ComputeAvsKey(text);
    const bool current = IsCurrent(text);
    const std::string body = fuzz::DigitBody(text, current ? 12 : kAvsBody);
    const auto ctx = [&] { return fuzz::Context("body", text, "key", key, "form", current ? "current" : "old"); };
    // The key of the body alone, read in the same form (thirteen characters are current).
    FUZZ_CHECK(ComputeAvsKey(current ? body + "0" : body) == key, ctx());
    FUZZ_CHECK(current ? CurrentKeyHolds(body, key) : OldKeyHolds(body, key), ctx());
}

// What the field shows: the kept text (letters as unknown markers) in its
// form's groups, cut to the form's length; the old form without its trailing
// unknown markers, the current one with its twelve first characters always
// and the thirteenth when known.
void CheckNormalisation(const std::string& typed) {
    std::string kept;
    for (char c : typed)
        if (IsDigit(c) || IsCapital(c) || c == kUnknown) kept += IsDigit(c) ? c : kUnknown;
    std::string keptWithLetters;
    for (char c : typed)
        if (IsDigit(c) || IsCapital(c) || c == kUnknown) keptWithLetters += c;
    const std::string shown = FormatAvs(typed);
    const auto ctx = [&] { return fuzz::Context("typed", typed, "shown", shown); };
    if (IsCurrent(keptWithLetters)) {
        std::string want = kept.substr(0, 3) + '.' + kept.substr(3, 4) + '.' + kept.substr(7, 4) + '.' + kept.substr(11, 1);
        if (kept.size() > 12 && (kept[12] != kUnknown || kept.substr(0, 3) != "756")) want += kept[12];
        FUZZ_CHECK(shown == want, ctx() + fuzz::Context("expected", want));
    } else {
        std::string want = kept.substr(0, kAvsLength);
        while (!want.empty() && want.back() == kUnknown) want.pop_back();
        FUZZ_CHECK(fuzz::Without(shown, " ") == want, ctx() + fuzz::Context("expected digits", want));
    }
}

fuzz::RowRules Rows(bool current) {
    const std::size_t keyAt = current ? 12 : kAvsBody;
    fuzz::RowRules rules;
    rules.flat = [](std::string_view row) { return fuzz::Without(row, " ."); };
    rules.inBody = [keyAt](std::size_t i) { return i < keyAt; };
    rules.keyPositions = {keyAt};
    rules.check = [current, keyAt](std::string_view row) {
        const std::string flat = fuzz::Without(row, " .");
        const auto ctx = [&] { return fuzz::Context("row", row); };
        FUZZ_CHECK(row.size() == (current ? 16U : 14U) && flat.size() == keyAt + 1 && fuzz::OnlyOf(flat, kDigits), ctx());
        if (current)
            FUZZ_CHECK(flat.substr(0, 3) == "756" && CurrentKeyHolds(flat, flat.substr(keyAt)), ctx());
        else
            FUZZ_CHECK(OldKeyHolds(flat, flat.substr(keyAt)), ctx());
        FUZZ_CHECK(FormatAvs(row) == row, ctx());
    };
    return rules;
}

const fuzz::FieldKind& Kind() {
    static const fuzz::FieldKind kind = [] {
        fuzz::FieldKind k;
        k.normalise = FormatAvs;
        k.shownAlphabet = "0123456789? .";
        k.shownMax = 16;
        // A current number always shows its twelve first characters, unknown
        // or not, so that it is read in the same form again.
        k.endsShown = [](std::string_view shown) {
            return fuzz::EndsShown(shown) || (shown.size() == 15 && shown.substr(0, 4) == "756.") ||
                   (shown.size() == 16 && shown[3] == '.');
        };
        k.plan = AvsPlan;
        k.complete = CompleteAvs;
        k.searchPlan = SearchAvs;
        k.test = TestAvsCandidate;
        k.rowOf = [](const std::string& candidate, const std::string& pattern) -> std::optional<std::string> {
            const bool current = IsCurrent(pattern);
            const std::size_t keyAt = current ? 12 : kAvsBody;
            const std::string body = candidate.substr(0, keyAt);
            if (current && body.substr(0, 3) != "756") return std::nullopt;
            std::string key;
            for (int v = 0; v <= 10 && key.empty(); ++v)
                if (current ? CurrentKeyHolds(body, std::to_string(v)) : OldKeyHolds(body, std::to_string(v))) key = std::to_string(v);
            if (key == "10") return std::nullopt;  // no check digit: never listed
            if (pattern[keyAt] != kUnknown && pattern[keyAt] != key[0]) return std::nullopt;
            return FormatAvs(body + key);
        };
        // Old form: unknown digits among the ten first; current form: among
        // the twelve first, the country code's only ever the one of 756.
        k.slotAt = [](std::string_view pattern, std::size_t pos) -> std::optional<Slot> {
            const bool current = IsCurrent(pattern);
            if (pattern[pos] != kUnknown || pos >= (current ? 12U : kAvsBody)) return std::nullopt;
            if (current && pos < 3) return Slot{pos, std::string_view("756").substr(pos, 1), 0};
            return Slot{pos, kDigits, 0};
        };
        k.length = kAvsLength;
        k.rowsFor = [](const std::string& pattern) { return Rows(IsCurrent(pattern)); };
        // A body whose check value is 10 is completed without check digit (ten
        // digits shown), and the candidate test never lists it.
        // A current number of another country than 756 is completed with
        // its key, and the candidate test does not list it either.
        k.refusesCompleted = [](const Plan& plan, const std::string& completed) {
            if (IsCurrent(plan.pattern) && plan.pattern.substr(0, 3) != "756") return true;
            if (IsCurrent(plan.pattern) || !OldKeyHolds(fuzz::DigitBody(plan.pattern, kAvsBody), "10")) return false;
            FUZZ_CHECK(completed.size() == 13 && plan.pattern[kAvsBody] == kUnknown,
                       fuzz::Context("completed", completed, "pattern", plan.pattern));
            return true;
        };
        return k;
    }();
    return kind;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const fuzz::PumpSettings pump = fuzz::ReadPump(in.Byte());
    const std::string text = in.Rest();
    CheckKey(text);
    CheckNormalisation(text);
    fuzz::CheckField(Kind(), text, pump);
    // A current number of 756 is read in the same form with or without its key: the
    // display of its twelve first characters (the check digit unknown) is
    // read as current again and completed to the same number.
    const std::string shown = FormatAvs(text);
    const Plan plan = AvsPlan(shown);
    if (IsCurrent(plan.pattern) && plan.pattern.substr(0, 3) == "756" && plan.Complete()) {
        const std::string completed = FormatAvs(CompleteAvs(plan));
        const std::string withoutKey = FormatAvs(fuzz::Without(completed, ".").substr(0, 12));
        FUZZ_CHECK(IsCurrent(AvsPlan(withoutKey).pattern) && FormatAvs(CompleteAvs(AvsPlan(withoutKey))) == completed,
                   fuzz::Context("shown", shown, "completed", completed, "without key", withoutKey));
    }
    return 0;
}
