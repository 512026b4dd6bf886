// INSEE number: byte 0 sets the pump (FuzzCheck.h), the rest is the field.
#include "FuzzCheck.h"
#include "insee/Insee.h"

using namespace ferrino;

namespace {

// A body of 13 digits and its key: body + key is a multiple of 97, key 01-97.
bool KeyHolds(std::string_view body, std::string_view key) {
    const int k = (key[0] - '0') * 10 + (key[1] - '0');
    return k >= 1 && k <= 97 && (fuzz::Modulo(body, 97) + k) % 97 == 0;
}

void CheckKey(const std::string& text) {
    const std::string key = ComputeInseeKey(text);
    const std::string body = fuzz::DigitBody(text, kInseeBody);
    const std::string ctx = fuzz::Context("body", text, "key", key);
    FUZZ_CHECK(key.size() == 2 && fuzz::OnlyOf(key, kDigits), ctx);
    FUZZ_CHECK(ComputeInseeKey(body) == key, ctx);
    FUZZ_CHECK(KeyHolds(body, key), ctx);
}

const fuzz::FieldKind& Kind() {
    static const fuzz::FieldKind kind = [] {
        fuzz::FieldKind k;
        k.normalise = FormatInsee;
        k.shownAlphabet = fuzz::kDigitsUnknownBlank;
        k.shownMax = 21;
        k.plan = InseePlan;
        k.complete = CompleteInsee;
        k.searchPlan = SearchInsee;
        k.test = TestInseeCandidate;
        k.rowOf = [](const std::string& candidate, const std::string& pattern) -> std::optional<std::string> {
            const std::string key = ComputeInseeKey(candidate);
            for (std::size_t i = 0; i < 2; ++i)
                if (pattern[13 + i] != kUnknown && pattern[13 + i] != key[i]) return std::nullopt;
            return FormatInsee(candidate.substr(0, kInseeBody) + key);
        };
        // An unknown sex digit tries 1, 2, 7 and 8 only.
        k.slotAt = [](std::size_t pos) {
            return Slot{pos, kDigits, pos == 0 ? std::uint64_t{0b1001111001} : 0};
        };
        k.length = kInseeLength;
        k.rows.flat = [](std::string_view row) { return fuzz::Without(row, " "); };
        k.rows.inBody = [](std::size_t i) { return i < kInseeBody; };
        k.rows.keyPositions = {13, 14};
        k.rows.check = [](std::string_view row) {
            const std::string flat = fuzz::Without(row, " ");
            FUZZ_CHECK(row.size() == 21 && flat.size() == kInseeLength && fuzz::OnlyOf(flat, kDigits), fuzz::Context("row", row));
            FUZZ_CHECK(KeyHolds(flat.substr(0, kInseeBody), flat.substr(kInseeBody)), fuzz::Context("row", row));
            FUZZ_CHECK(FormatInsee(row) == row, fuzz::Context("row", row));
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
