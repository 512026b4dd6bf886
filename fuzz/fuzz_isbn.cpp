// ISBN: byte 0 sets the pump (FuzzCheck.h), the rest is the field.
#include "FuzzCheck.h"
#include "isbn/Isbn.h"

using namespace ferrino;

namespace {

// Nine digits and their check character: with "X" as 10, the sum of the ten
// values weighted 10 down to 1 is a multiple of 11.
bool KeyHolds(std::string_view body, char key) {
    if (!IsDigit(key) && key != 'X') return false;
    int sum = key == 'X' ? 10 : key - '0';
    for (std::size_t i = 0; i < kIsbnBody; ++i) sum += static_cast<int>(kIsbnLength - i) * (body[i] - '0');
    return sum % 11 == 0;
}

void CheckKey(const std::string& text) {
    const std::string key = ComputeIsbnKey(text);
    const std::string body = fuzz::DigitBody(text, kIsbnBody);
    FUZZ_CHECK(key.size() == 1, fuzz::Context("body", text, "key", key));
    FUZZ_CHECK(ComputeIsbnKey(body) == key, fuzz::Context("body", text, "key", key));
    FUZZ_CHECK(KeyHolds(body, key[0]), fuzz::Context("body", text, "key", key));
}

// The field's rule on leaving it, in its two steps.
void CheckNormalisation(const std::string& text) {
    const std::string normalised = NormaliseIsbn(text);
    const auto ctx = [&] { return fuzz::Context("typed", text, "normalised", normalised); };
    FUZZ_CHECK(NormaliseIsbn(normalised) == normalised, ctx());
    FUZZ_CHECK(normalised.size() >= kIsbnLength && fuzz::OnlyOf(normalised, "0123456789X?"), ctx());
    FUZZ_CHECK(normalised.find('X') == std::string::npos || normalised.find('X') >= kIsbnBody, ctx());
    const IsbnForm form = FormatIsbn(normalised);
    FUZZ_CHECK(ShowIsbn(text) == form.shown, ctx());
    // A hyphenated number shows its four parts, an unhyphenated one no hyphen.
    const std::size_t hyphens = static_cast<std::size_t>(std::count(form.shown.begin(), form.shown.end(), '-'));
    FUZZ_CHECK(form.valid ? hyphens <= 3 : hyphens == 0, ctx() + fuzz::Context("shown", form.shown));
    FormatIsbn(text);  // any text is safe
}

const fuzz::FieldKind& Kind() {
    static const fuzz::FieldKind kind = [] {
        fuzz::FieldKind k;
        k.normalise = ShowIsbn;
        k.shownAlphabet = "0123456789X?-";
        k.plan = IsbnPlan;
        k.complete = CompleteIsbn;
        k.searchPlan = SearchIsbn;
        k.test = TestIsbnCandidate;
        k.rowOf = [](const std::string& candidate, const std::string& pattern) -> std::optional<std::string> {
            const std::string key = ComputeIsbnKey(candidate);
            const IsbnForm form = FormatIsbn(candidate.substr(0, kIsbnBody) + key);
            // A known check character lists only the numbers that can be hyphenated.
            if (pattern[kIsbnBody] != kUnknown && !(form.valid && pattern[kIsbnBody] == key[0])) return std::nullopt;
            return form.shown;
        };
        k.slotAt = fuzz::UnknownsOf([](std::size_t i) { return i < kIsbnBody; }, kDigits);
        k.length = kIsbnLength;
        k.rows.flat = [](std::string_view row) { return fuzz::Without(row, "-"); };
        k.rows.inBody = [](std::size_t i) { return i < kIsbnBody; };
        k.rows.keyPositions = {kIsbnBody};
        k.rows.check = [](std::string_view row) {
            const std::string flat = fuzz::Without(row, "-");
            const bool hyphenated = flat.size() != row.size();
            FUZZ_CHECK(flat.size() == kIsbnLength && row.size() == (hyphenated ? 13U : 10U), fuzz::Context("row", row));
            FUZZ_CHECK(fuzz::OnlyOf(flat.substr(0, kIsbnBody), kDigits), fuzz::Context("row", row));
            FUZZ_CHECK(KeyHolds(flat, flat[kIsbnBody]), fuzz::Context("row", row));
            FUZZ_CHECK(FormatIsbn(flat).valid == hyphenated, fuzz::Context("row", row));
            FUZZ_CHECK(ShowIsbn(row) == row, fuzz::Context("row", row, "shown", ShowIsbn(row)));
        };
        // With its check character known, the test lists only a number that
        // can be hyphenated.
        k.refusesCompleted = [](const Plan& plan, const std::string&) {
            return !FormatIsbn(plan.pattern.substr(0, kIsbnLength)).valid;
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
