// INSEE number: byte 0 sets the pump (FuzzCheck.h), the rest is the field.
//
// People born in Corsica have the département 2A or 2B (positions 6-7): the
// field keeps a capital A or B in position 7 after a "2" in position 6, the
// key reads them as 19 and 18, and a search tries A and B in position 7 only
// after a "2" or an unknown position 6, listing them only after a "2".
#include "FuzzCheck.h"
#include "insee/Insee.h"

using namespace ferrino;

namespace {

constexpr std::size_t kDepartment = 5;  // 0-based: positions 6-7
constexpr std::string_view kDepartmentSymbols = "0123456789AB";
// An unknown sex digit tries 1, 2, 7 and 8: the other digits are passed over.
constexpr std::uint64_t kSexPassOver = 0b1001111001;

bool Corsican(std::string_view text) {
    return text.size() > kDepartment + 1 && text[kDepartment] == '2' &&
           (text[kDepartment + 1] == 'A' || text[kDepartment + 1] == 'B');
}

// The 13 digits the key is taken over: the first 13 characters, any other
// character counting "0", missing ones "0", and 2A, 2B read as 19, 18.
std::string KeyDigits(std::string_view text) {
    std::string digits = fuzz::DigitBody(text, kInseeBody);
    if (Corsican(text)) digits.replace(kDepartment, 2, text[kDepartment + 1] == 'A' ? "19" : "18");
    return digits;
}

// A body of 13 digits and its key: body + key is a multiple of 97, key 01-97.
bool KeyHolds(std::string_view digits, std::string_view key) {
    const int k = (key[0] - '0') * 10 + (key[1] - '0');
    return k >= 1 && k <= 97 && (fuzz::Modulo(digits, 97) + k) % 97 == 0;
}

void CheckKey(const std::string& text) {
    const std::string key = ComputeInseeKey(text);
    const std::string digits = KeyDigits(text);
    const std::string ctx = fuzz::Context("body", text, "key", key, "read as", digits);
    FUZZ_CHECK(key.size() == 2 && fuzz::OnlyOf(key, kDigits), ctx);
    FUZZ_CHECK(ComputeInseeKey(digits) == key, ctx);
    FUZZ_CHECK(KeyHolds(digits, key), ctx);
}

// What the field keeps: digits, capitals and unknown markers, every capital
// becoming an unknown marker but A or B in position 7 after a "2"; blanks
// between the groups.
void CheckNormalisation(const std::string& typed) {
    std::string kept;
    for (char c : typed)
        if (IsDigit(c) || IsCapital(c) || c == kUnknown) kept += c;
    const std::string shown = FormatInsee(typed);
    const std::string flat = fuzz::Without(shown, " ");
    const auto ctx = [&] { return fuzz::Context("typed", typed, "shown", shown); };
    for (std::size_t i = 0; i < flat.size(); ++i) {
        const bool corsica = i == kDepartment + 1 && Corsican(kept);
        FUZZ_CHECK(i < kept.size() && flat[i] == (IsDigit(kept[i]) || corsica ? kept[i] : kUnknown),
                   ctx() + fuzz::Context("at", fuzz::Number(i)));
    }
}

const fuzz::FieldKind& Kind() {
    static const fuzz::FieldKind kind = [] {
        fuzz::FieldKind k;
        k.normalise = FormatInsee;
        k.shownAlphabet = "0123456789?AB ";
        k.shownMax = 21;
        k.plan = InseePlan;
        k.complete = CompleteInsee;
        k.searchPlan = SearchInsee;
        k.test = TestInseeCandidate;
        k.rowOf = [](const std::string& candidate, const std::string& pattern) -> std::optional<std::string> {
            const char letter = candidate[kDepartment + 1];
            if ((letter == 'A' || letter == 'B') && candidate[kDepartment] != '2') return std::nullopt;
            const std::string body = candidate.substr(0, kInseeBody);
            const std::string digits = KeyDigits(body);
            std::string key;
            for (int k = 1; k <= 97 && key.empty(); ++k)
                if (KeyHolds(digits, TwoDigits(k))) key = TwoDigits(k);
            for (std::size_t i = 0; i < 2; ++i)
                if (pattern[13 + i] != kUnknown && pattern[13 + i] != key[i]) return std::nullopt;
            return FormatInsee(body + key);
        };
        // An unknown sex digit tries 1, 2, 7 and 8 only; an unknown position 7
        // also tries A and B when position 6 is "2" or unknown.
        k.slotAt = [](std::string_view pattern, std::size_t pos) -> std::optional<Slot> {
            if (pos >= kInseeBody || pattern[pos] != kUnknown) return std::nullopt;
            if (pos == 0) return Slot{pos, kDigits, kSexPassOver};
            if (pos == kDepartment + 1 && (pattern[kDepartment] == '2' || pattern[kDepartment] == kUnknown))
                return Slot{pos, kDepartmentSymbols, 0};
            return Slot{pos, kDigits, 0};
        };
        k.length = kInseeLength;
        k.rows.flat = [](std::string_view row) { return fuzz::Without(row, " "); };
        k.rows.inBody = [](std::size_t i) { return i < kInseeBody; };
        k.rows.keyPositions = {13, 14};
        k.rows.check = [](std::string_view row) {
            const std::string flat = fuzz::Without(row, " ");
            const auto ctx = [&] { return fuzz::Context("row", row); };
            FUZZ_CHECK(row.size() == 21 && flat.size() == kInseeLength, ctx());
            std::string digits = flat;
            if (Corsican(flat)) digits[kDepartment + 1] = '0';
            FUZZ_CHECK(fuzz::OnlyOf(digits, kDigits), ctx());
            FUZZ_CHECK(KeyHolds(KeyDigits(flat), flat.substr(kInseeBody)), ctx());
            FUZZ_CHECK(FormatInsee(row) == row, ctx());
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
    return 0;
}
