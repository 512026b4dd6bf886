// Health-professional number: byte 0 sets the pump (FuzzCheck.h), the rest is
// the field.
#include "FuzzCheck.h"
#include "prof/Prof.h"

using namespace ferrino;

namespace {

constexpr std::size_t kLetterPos = 1;  // position 2 may hold "A" (10) or "B" (11)

// The eight characters as the key reads them: digits, "A" and "B" in position
// 2; anything else "0".
std::string KeyChars(std::string_view text) {
    std::string out = fuzz::DigitBody(text, kProfBody);
    if (text.size() > kLetterPos && (text[kLetterPos] == 'A' || text[kLetterPos] == 'B')) out[kLetterPos] = text[kLetterPos];
    return out;
}

// Eight characters and their key: every second value doubled (positions 2, 4,
// 6, 8), the decimal digits of every value and the key add up to a multiple of 10.
bool KeyHolds(std::string_view body, char key) {
    int sum = key - '0';
    for (std::size_t i = 0; i < kProfBody; ++i) {
        const char c = body[i];
        int v = IsDigit(c) ? c - '0' : c == 'A' ? 10 : 11;
        if (i % 2 == 1) v *= 2;
        sum += v / 10 + v % 10;
    }
    return IsDigit(key) && sum % 10 == 0;
}

void CheckKey(const std::string& text) {
    const std::string key = ComputeProfKey(text);
    const std::string chars = KeyChars(text);
    FUZZ_CHECK(key.size() == 1 && IsDigit(key[0]), fuzz::Context("body", text, "key", key));
    FUZZ_CHECK(ComputeProfKey(chars) == key, fuzz::Context("body", text, "key", key, "as read", chars));
    FUZZ_CHECK(KeyHolds(chars, key[0]), fuzz::Context("body", text, "key", key));
}

const fuzz::FieldKind& Kind() {
    static const fuzz::FieldKind kind = [] {
        fuzz::FieldKind k;
        k.normalise = FormatProf;
        k.shownAlphabet = "0123456789AB? ";
        k.shownMax = 12;
        k.plan = ProfPlan;
        k.complete = CompleteProf;
        k.searchPlan = SearchProf;
        k.test = TestProfCandidate;
        k.rowOf = [](const std::string& candidate, const std::string& pattern) -> std::optional<std::string> {
            // A or B in position 2 only after a 2 (Corsica).
            if ((candidate[kLetterPos] == 'A' || candidate[kLetterPos] == 'B') && candidate[0] != '2') return std::nullopt;
            const std::string key = ComputeProfKey(candidate);
            if (pattern[kProfBody] != kUnknown && pattern[kProfBody] != key[0]) return std::nullopt;
            return FormatProf(candidate.substr(0, kProfBody) + key);
        };
        // Every slot counts through 0-9, A, B; all but position 2 after a 2 or
        // an unknown first character pass over A and B.
        k.slotAt = [](std::string_view pattern, std::size_t pos) -> std::optional<Slot> {
            if (pos >= kProfBody || pattern[pos] != kUnknown) return std::nullopt;
            const bool letters = pos == kLetterPos && (pattern[0] == '2' || pattern[0] == kUnknown);
            return Slot{pos, "0123456789AB", letters ? 0 : (std::uint64_t{1} << 10) | (std::uint64_t{1} << 11)};
        };
        k.length = kProfLength;
        k.rows.flat = [](std::string_view row) { return fuzz::Without(row, " "); };
        k.rows.inBody = [](std::size_t i) { return i < kProfBody; };
        k.rows.keyPositions = {kProfBody};
        k.rows.check = [](std::string_view row) {
            const std::string flat = fuzz::Without(row, " ");
            FUZZ_CHECK(row.size() == 12 && flat.size() == kProfLength, fuzz::Context("row", row));
            std::string digits = flat;
            digits[kLetterPos] = '0';
            FUZZ_CHECK(fuzz::OnlyOf(digits, kDigits) && fuzz::OnlyOf(flat.substr(kLetterPos, 1), flat[0] == '2' ? "0123456789AB" : kDigits),
                       fuzz::Context("row", row));
            FUZZ_CHECK(KeyHolds(flat, flat[kProfBody]), fuzz::Context("row", row));
            FUZZ_CHECK(FormatProf(row) == row, fuzz::Context("row", row));
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
