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

// Twelve digits and their key: weighted 1, 3, 1, 3... the thirteen add up to
// a multiple of 10.
bool Key13Holds(std::string_view thirteen) {
    int sum = 0;
    for (std::size_t i = 0; i < kIsbn13Length; ++i) {
        if (!IsDigit(thirteen[i])) return false;
        sum += (i % 2 ? 3 : 1) * (thirteen[i] - '0');
    }
    return sum % 10 == 0;
}

bool Begins13(std::string_view text) { return text.starts_with("978") || text.starts_with("979"); }

void CheckKey(const std::string& text) {
    const std::string key = ComputeIsbnKey(text);
    FUZZ_CHECK(key.size() == 1, fuzz::Context("body", text, "key", key));
    if (IsIsbn13(text)) {
        const std::string body = fuzz::DigitBody(text, kIsbn13Body);
        FUZZ_CHECK(ComputeIsbnKey(body) == key, fuzz::Context("body", text, "key", key));
        FUZZ_CHECK(Key13Holds(body + key), fuzz::Context("body", text, "key", key));
        return;
    }
    const std::string body = fuzz::DigitBody(text, kIsbnBody);
    FUZZ_CHECK(ComputeIsbnKey(body) == key, fuzz::Context("body", text, "key", key));
    FUZZ_CHECK(KeyHolds(body, key[0]), fuzz::Context("body", text, "key", key));
}

// The field's rule on leaving it, in its two steps.
void CheckNormalisation(const std::string& text) {
    const std::string normalised = NormaliseIsbn(text);
    const auto ctx = [&] { return fuzz::Context("typed", text, "normalised", normalised); };
    FUZZ_CHECK(NormaliseIsbn(normalised) == normalised, ctx());
    FUZZ_CHECK(normalised.size() >= kIsbnLength && fuzz::OnlyOf(normalised, "0123456789X?"), ctx());
    // An ISBN-13 is 978 or 979 and at least eleven characters; its key is no "X".
    const bool isbn13 = IsIsbn13(normalised);
    FUZZ_CHECK(isbn13 == (Begins13(normalised) && normalised.size() >= kIsbn13Length), ctx());
    const std::size_t keyAt = IsbnKeyAt(normalised);
    FUZZ_CHECK(normalised.find('X') == std::string::npos || normalised.find('X') >= (isbn13 ? kIsbn13Length : kIsbnBody), ctx());
    const IsbnForm form = FormatIsbn(normalised);
    FUZZ_CHECK(ShowIsbn(text) == form.shown, ctx());
    // A hyphenated number shows its parts (and the prefix of an ISBN-13), an
    // unhyphenated one no hyphen; an ISBN-13 keeps its body.
    const std::size_t hyphens = static_cast<std::size_t>(std::count(form.shown.begin(), form.shown.end(), '-'));
    FUZZ_CHECK(form.valid ? hyphens <= (isbn13 ? 4U : 3U) : hyphens == 0, ctx() + fuzz::Context("shown", form.shown));
    if (isbn13)
        FUZZ_CHECK(fuzz::Without(form.shown, "-").substr(0, keyAt) == normalised.substr(0, keyAt), ctx() + fuzz::Context("shown", form.shown));
    FormatIsbn(text);  // any text is safe
}

// The rules for the rows of a pattern of either form.
fuzz::RowRules Rows(bool isbn13) {
    fuzz::RowRules rules;
    const std::size_t keyAt = isbn13 ? kIsbn13Body : kIsbnBody;
    rules.flat = [](std::string_view row) { return fuzz::Without(row, "-"); };
    rules.inBody = [keyAt](std::size_t i) { return i < keyAt; };
    rules.keyPositions = {keyAt};
    rules.check = [isbn13](std::string_view row) {
        const std::string flat = fuzz::Without(row, "-");
        const bool hyphenated = flat.size() != row.size();
        const std::size_t length = isbn13 ? kIsbn13Length : kIsbnLength;
        FUZZ_CHECK(flat.size() == length && row.size() == length + (hyphenated ? (isbn13 ? 4U : 3U) : 0U), fuzz::Context("row", row));
        if (isbn13) {
            FUZZ_CHECK(Begins13(flat) && Key13Holds(flat), fuzz::Context("row", row));
        } else {
            FUZZ_CHECK(fuzz::OnlyOf(flat.substr(0, kIsbnBody), kDigits), fuzz::Context("row", row));
            FUZZ_CHECK(KeyHolds(flat, flat[kIsbnBody]), fuzz::Context("row", row));
        }
        FUZZ_CHECK(FormatIsbn(flat).valid == hyphenated, fuzz::Context("row", row));
        FUZZ_CHECK(ShowIsbn(row) == row, fuzz::Context("row", row, "shown", ShowIsbn(row)));
    };
    return rules;
}

const fuzz::FieldKind& Kind() {
    static const fuzz::FieldKind kind = [] {
        fuzz::FieldKind k;
        k.normalise = ShowIsbn;
        k.shownAlphabet = "0123456789X?-";
        // An ISBN-13 shows its twelve first characters, unknown ones too.
        k.endsShown = [](std::string_view shown) {
            return IsIsbn13(fuzz::Without(shown, "-")) ? !shown.ends_with('-') : fuzz::EndsShown(shown);
        };
        k.plan = IsbnPlan;
        k.complete = CompleteIsbn;
        k.searchPlan = SearchIsbn;
        k.test = TestIsbnCandidate;
        k.rowOf = [](const std::string& candidate, const std::string& pattern) -> std::optional<std::string> {
            const std::size_t keyAt = IsbnKeyAt(pattern);
            const std::string key = ComputeIsbnKey(candidate.substr(0, keyAt));
            // A known key lists every candidate that calls for it.
            if (pattern[keyAt] != kUnknown && pattern[keyAt] != key[0]) return std::nullopt;
            return FormatIsbn(candidate.substr(0, keyAt) + key).shown;
        };
        k.slotAt = [](std::string_view pattern, std::size_t pos) -> std::optional<Slot> {
            const std::size_t first = IsIsbn13(pattern) ? kIsbn13Prefix : 0;
            if (pattern[pos] != kUnknown || pos < first || pos >= IsbnKeyAt(pattern)) return std::nullopt;
            return Slot{pos, kDigits, 0};
        };
        k.length = kIsbnLength;
        k.rowsFor = [](const std::string& pattern) { return Rows(IsIsbn13(pattern)); };
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
