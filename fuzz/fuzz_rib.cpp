// RIB/RIP: byte 0 sets the pump (FuzzCheck.h), the rest is the field.
#include "FuzzCheck.h"
#include "rib/Rib.h"

using namespace ferrino;

namespace {

constexpr std::size_t kBranchEnd = 10;  // the account number starts here

// What a letter of the account number counts for: A, J -> 1; B, K, S -> 2 ...
constexpr std::string_view kLetterDigits = "123456789123456789" "23456789";

// The 21 characters as the key reads them: digits; in the account number a
// letter (small or capital) counts by its digit; anything else "0".
std::string KeyDigits(std::string_view text) {
    std::string out(kRibBody, '0');
    for (std::size_t i = 0; i < kRibBody && i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            out[i] = c;
        } else if (i >= kBranchEnd) {
            const char capital = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
            if (IsCapital(capital)) out[i] = kLetterDigits[static_cast<std::size_t>(capital - 'A')];
        }
    }
    return out;
}

// 21 digits and their key: N x 100 + key is a multiple of 97, key 01-97.
bool KeyHolds(std::string_view digits, std::string_view key) {
    const int k = (key[0] - '0') * 10 + (key[1] - '0');
    return k >= 1 && k <= 97 && (fuzz::Modulo(std::string(digits) + "00", 97) + k) % 97 == 0;
}

void CheckKey(const std::string& text) {
    const std::string key = ComputeRibKey(text);
    const std::string digits = KeyDigits(text);
    FUZZ_CHECK(key.size() == 2 && fuzz::OnlyOf(key, kDigits), fuzz::Context("body", text, "key", key));
    FUZZ_CHECK(ComputeRibKey(digits) == key, fuzz::Context("body", text, "key", key, "as digits", digits));
    FUZZ_CHECK(KeyHolds(digits, key), fuzz::Context("body", text, "key", key));
}

const fuzz::FieldKind& Kind() {
    static const fuzz::FieldKind kind = [] {
        fuzz::FieldKind k;
        k.normalise = FormatRib;
        k.shownAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ? ";
        k.shownMax = 26;
        k.plan = RibPlan;
        k.complete = CompleteRib;
        k.searchPlan = SearchRib;
        k.test = TestRibCandidate;
        k.fastSearch = true;
        k.rowOf = [](const std::string& candidate, const std::string& pattern) -> std::optional<std::string> {
            const std::string body = candidate.substr(0, kRibBody);
            const std::string key = ComputeRibKey(body);
            for (std::size_t i = 0; i < 2; ++i)
                if (pattern[kRibBody + i] != kUnknown && pattern[kRibBody + i] != key[i]) return std::nullopt;
            return FormatRib(body + key);
        };
        k.slotAt = [](std::string_view pattern, std::size_t pos) -> std::optional<Slot> {
            if (pos >= kRibBody || pattern[pos] != kUnknown) return std::nullopt;
            return Slot{pos, pos < kBranchEnd ? kDigits : kDigitsAndLetters, 0};
        };
        k.length = kRibLength;
        k.rows.flat = [](std::string_view row) { return fuzz::Without(row, " "); };
        k.rows.inBody = [](std::size_t i) { return i < kRibBody; };
        k.rows.keyPositions = {kRibBody, kRibBody + 1};
        k.rows.check = [](std::string_view row) {
            const std::string flat = fuzz::Without(row, " ");
            FUZZ_CHECK(row.size() == 26 && flat.size() == kRibLength, fuzz::Context("row", row));
            FUZZ_CHECK(fuzz::OnlyOf(flat.substr(0, kBranchEnd), kDigits) && fuzz::OnlyOf(flat.substr(kRibBody), kDigits),
                       fuzz::Context("row", row));
            FUZZ_CHECK(fuzz::OnlyOf(flat.substr(kBranchEnd, kRibBody - kBranchEnd), kDigitsAndLetters), fuzz::Context("row", row));
            FUZZ_CHECK(KeyHolds(KeyDigits(flat), flat.substr(kRibBody)), fuzz::Context("row", row));
            FUZZ_CHECK(FormatRib(row) == row, fuzz::Context("row", row));
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
