// AVS number: byte 0 sets the pump (FuzzCheck.h), the rest is the field.
#include "FuzzCheck.h"
#include "avs/Avs.h"

using namespace ferrino;

namespace {

constexpr int kWeights[kAvsBody] = {5, 4, 3, 2, 7, 6, 5, 4, 3, 2};

// Ten digits and their check value 0-10: the weighted sum plus the value is a
// multiple of 11.
bool KeyHolds(std::string_view body, std::string_view key) {
    if (key.empty() || key.size() > 2 || !fuzz::OnlyOf(key, kDigits)) return false;
    const int value = std::stoi(std::string(key));
    int sum = value;
    for (std::size_t i = 0; i < kAvsBody; ++i) sum += kWeights[i] * (body[i] - '0');
    return value <= 10 && sum % 11 == 0 && (key.size() == 1 || value == 10);
}

void CheckKey(const std::string& text) {
    const std::string key = ComputeAvsKey(text);
    const std::string body = fuzz::DigitBody(text, kAvsBody);
    FUZZ_CHECK(ComputeAvsKey(body) == key, fuzz::Context("body", text, "key", key));
    FUZZ_CHECK(KeyHolds(body, key), fuzz::Context("body", text, "key", key));
}

const fuzz::FieldKind& Kind() {
    static const fuzz::FieldKind kind = [] {
        fuzz::FieldKind k;
        k.normalise = FormatAvs;
        k.shownAlphabet = fuzz::kDigitsUnknownBlank;
        k.shownMax = 14;
        k.plan = AvsPlan;
        k.complete = CompleteAvs;
        k.searchPlan = SearchAvs;
        k.test = TestAvsCandidate;
        k.rowOf = [](const std::string& candidate, const std::string& pattern) -> std::optional<std::string> {
            const std::string key = ComputeAvsKey(candidate);
            if (key == "10") return std::nullopt;  // no check digit: never listed
            if (pattern[kAvsBody] != kUnknown && pattern[kAvsBody] != key[0]) return std::nullopt;
            return FormatAvs(candidate.substr(0, kAvsBody) + key);
        };
        k.slotAt = [](std::size_t pos) { return Slot{pos, kDigits, 0}; };
        k.length = kAvsLength;
        k.rows.flat = [](std::string_view row) { return fuzz::Without(row, " "); };
        k.rows.inBody = [](std::size_t i) { return i < kAvsBody; };
        k.rows.keyPositions = {kAvsBody};
        k.rows.check = [](std::string_view row) {
            const std::string flat = fuzz::Without(row, " ");
            FUZZ_CHECK(row.size() == 14 && flat.size() == kAvsLength && fuzz::OnlyOf(flat, kDigits), fuzz::Context("row", row));
            FUZZ_CHECK(KeyHolds(flat, flat.substr(kAvsBody)), fuzz::Context("row", row));
            FUZZ_CHECK(FormatAvs(row) == row, fuzz::Context("row", row));
        };
        // A body whose check value is 10 is completed without check digit (ten
        // digits shown), and the candidate test never lists it.
        k.refusesCompleted = [](const Plan& plan, const std::string& completed) {
            if (ComputeAvsKey(plan.pattern) != "10") return false;
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
    fuzz::CheckField(Kind(), text, pump);
    return 0;
}
