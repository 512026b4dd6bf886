// EAN and UPC numbers:
//   byte 0  the pump (FuzzCheck.h)
//   byte 1  the code type, by its value plus 1 modulo 7: "0" EAN 8, "1"
//           EAN 13, "2" UPC-A, "3" UPC-C, "4" UPC-E, "5" and "6" values
//           outside the combo box (-1 and 5, read as EAN 13)
//   rest    the field
// UPC-E: a number system, six data digits and the check digit of the UPC-A
// number they stand for; a number system other than 0 or 1 has no check
// digit, so "Calcule" shows the number without one and a search never lists
// it.
#include "FuzzCheck.h"
#include "ean/Ean.h"

using namespace ferrino;

namespace {

EanType ReadType(std::uint8_t byte) {
    static constexpr int kValues[] = {0, 1, 2, 3, 4, -1, 5};
    return static_cast<EanType>(kValues[(byte + 1) % 7]);
}

// What the type is read as, and how long its complete shown number is.
EanType Effective(EanType type) {
    const int value = static_cast<int>(type);
    return value >= 0 && value < kEanTypeCount ? type : EanType::Ean13;
}

std::size_t ShownLength(EanType type) {
    static constexpr std::size_t kLengths[] = {9, 15, 14, 10, 10};
    return kLengths[static_cast<std::size_t>(Effective(type))];
}

// n digits, check digit last: counted from the right with the check digit
// first, the digits weigh 1, 3, 1, 3...; the weighted sum is a multiple of 10.
bool KeyHolds(std::string_view number) {
    int sum = 0;
    for (std::size_t i = 0; i < number.size(); ++i) sum += (number.size() - i) % 2 == 0 ? 3 * (number[i] - '0') : number[i] - '0';
    return sum % 10 == 0;
}

// The eleven digits of the UPC-A number that a UPC-E number system and six
// data digits (seven digits) stand for, by the last data digit:
//   0-2  s d1 d2 d6 0000 d3 d4 d5
//   3    s d1 d2 d3 00000 d4 d5
//   4    s d1 d2 d3 d4 00000 d5
//   5-9  s d1 d2 d3 d4 d5 0000 d6
std::string ExpandedUpcE(std::string_view d) {
    switch (d[6]) {
        case '0': case '1': case '2': return std::string{d[0], d[1], d[2], d[6], '0', '0', '0', '0', d[3], d[4], d[5]};
        case '3': return std::string{d[0], d[1], d[2], d[3], '0', '0', '0', '0', '0', d[4], d[5]};
        case '4': return std::string{d[0], d[1], d[2], d[3], d[4], '0', '0', '0', '0', '0', d[5]};
        default: return std::string{d[0], d[1], d[2], d[3], d[4], d[5], '0', '0', '0', '0', d[6]};
    }
}

bool HasUpcEKey(std::string_view digits) { return digits[0] == '0' || digits[0] == '1'; }

// Eight digits of a UPC-E number: the number system 0 or 1 and the check
// digit of the expansion.
bool UpcEKeyHolds(std::string_view number) {
    return HasUpcEKey(number) && KeyHolds(ExpandedUpcE(number) + number[7]);
}

// The check digit of a number of the type, from its data digits (non-digits
// counting "0"), or none.
std::string ExpectedKey(std::string_view data, EanType type) {
    const std::size_t n = EanLength(type);
    const std::string digits = fuzz::DigitBody(data, n - 1);
    for (char key = '0'; key <= '9'; ++key) {
        const bool holds = Effective(type) == EanType::UpcE ? UpcEKeyHolds(digits + key) : KeyHolds(digits + key);
        if (holds) return std::string(1, key);
    }
    return {};
}

// The UPC-E expansion and the key of every type over digits (the field holds
// nothing else); over any text, no crash and at most one digit.
void CheckTypeKey(const std::string& text, EanType type) {
    const std::string digits = fuzz::DigitBody(text, 7);
    const auto ctx = [&] { return fuzz::Context("text", text, "type", EanTypeName(type)); };
    FUZZ_CHECK(ExpandUpcE(digits) == ExpandedUpcE(digits), ctx() + fuzz::Context("expanded", ExpandUpcE(digits)));
    const std::string data = fuzz::DigitBody(text, EanLength(type) - 1);
    FUZZ_CHECK(ComputeEanTypeKey(data, type) == ExpectedKey(data, type), ctx() + fuzz::Context("key", ComputeEanTypeKey(data, type)));
    const std::string raw = ComputeEanTypeKey(text, type);
    FUZZ_CHECK(raw.empty() || (raw.size() == 1 && IsDigit(raw[0])), ctx());
    ExpandUpcE(text);
}

void CheckKey(const std::string& text, std::size_t n) {
    const std::string key = ComputeEanKey(text, n);
    const std::size_t data = n ? n - 1 : 0;
    const std::string digits = fuzz::DigitBody(text, data);
    const auto ctx = [&] { return fuzz::Context("text", text, "key", key, "n", fuzz::Number(n)); };
    FUZZ_CHECK(key.size() == 1 && IsDigit(key[0]), ctx());
    FUZZ_CHECK(ComputeEanKey(digits, n) == key, ctx());
    FUZZ_CHECK(KeyHolds(digits + key), ctx());
}

void CheckNormalisation(const std::string& text, EanType type) {
    const std::size_t n = EanLength(type);
    const std::string normalised = NormaliseEan(text, type);
    const std::string shown = ShowEan(text, type);
    const auto ctx = [&] { return fuzz::Context("typed", text, "normalised", normalised, "shown", shown); };
    FUZZ_CHECK(n == EanLength(Effective(type)) && EanTypeName(type) == EanTypeName(Effective(type)), ctx());
    FUZZ_CHECK(NormaliseEan(normalised, type) == normalised, ctx());
    FUZZ_CHECK(normalised.size() >= n && fuzz::OnlyOf(normalised, "0123456789?"), ctx());
    FUZZ_CHECK(FormatEan(normalised, type) == shown, ctx());
    FUZZ_CHECK(FormatEan(shown, type) == shown, ctx());
    // Every character but a separator keeps its place: the shown number is
    // the normalised one, closed up, without its trailing unknown markers.
    std::string want = normalised.substr(0, n);
    while (!want.empty() && want.back() == kUnknown) want.pop_back();
    FUZZ_CHECK(fuzz::Without(shown, " ") == want, ctx() + fuzz::Context("expected", want));
}

fuzz::FieldKind MakeKind(EanType type) {
    const std::size_t n = EanLength(type);
    fuzz::FieldKind k;
    k.normalise = [type](std::string_view t) { return ShowEan(t, type); };
    k.shownAlphabet = "0123456789? ";
    k.shownMax = ShownLength(type);
    k.plan = [type](std::string_view t) { return EanPlan(t, type); };
    k.complete = [type](const Plan& plan) { return CompleteEan(plan, type); };
    k.searchPlan = [type](const Plan& plan, RowStore& sink, SearchPump& pump) { return SearchEan(plan, sink, pump, type); };
    k.test = [type](std::string_view c, std::string_view p, RowStore& sink) { return TestEanCandidate(c, p, sink, type); };
    k.rowOf = [type, n](const std::string& candidate, const std::string& pattern) -> std::optional<std::string> {
        const std::string key = ExpectedKey(candidate, type);
        if (key.empty()) return std::nullopt;  // UPC-E of number system 2-9
        if (pattern[n - 1] != kUnknown && pattern[n - 1] != key[0]) return std::nullopt;
        return FormatEan(candidate.substr(0, n - 1) + key, type);
    };
    k.slotAt = fuzz::UnknownsOf([n](std::size_t i) { return i + 1 < n; }, kDigits);
    k.length = n;
    k.rows.flat = [](std::string_view row) { return fuzz::Without(row, " "); };
    k.rows.inBody = [n](std::size_t i) { return i + 1 < n; };
    k.rows.keyPositions = {n - 1};
    k.rows.check = [type, n](std::string_view row) {
        const std::string flat = fuzz::Without(row, " ");
        FUZZ_CHECK(row.size() == ShownLength(type) && flat.size() == n && fuzz::OnlyOf(flat, kDigits), fuzz::Context("row", row));
        FUZZ_CHECK(Effective(type) == EanType::UpcE ? UpcEKeyHolds(flat) : KeyHolds(flat), fuzz::Context("row", row));
        // A click on the row chooses the type that filled the list; without
        // it, the type of the row's length (UPC-C for a row of ten).
        const EanType chosen = EanTypeForShownLength(row.size(), type, Effective(type));
        FUZZ_CHECK(chosen == Effective(type), fuzz::Context("row", row, "chosen", EanTypeName(chosen)));
        FUZZ_CHECK(ShowEan(row, chosen) == row, fuzz::Context("row", row));
        const EanType byLength = EanTypeForShownLength(row.size(), type);
        FUZZ_CHECK(byLength == (Effective(type) == EanType::UpcE ? EanType::UpcC : Effective(type)),
                   fuzz::Context("row", row, "chosen", EanTypeName(byLength)));
    };
    // A UPC-E number of system 2-9 has no check digit: completed without one,
    // it is never listed.
    k.refusesCompleted = [type](const Plan& plan, const std::string& completed) {
        if (Effective(type) != EanType::UpcE || HasUpcEKey(plan.pattern)) return false;
        FUZZ_CHECK(fuzz::Without(completed, " ") == plan.pattern.substr(0, 7),
                   fuzz::Context("completed", completed, "pattern", plan.pattern));
        return true;
    };
    return k;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const fuzz::PumpSettings pump = fuzz::ReadPump(in.Byte());
    const EanType type = ReadType(in.Byte());
    const std::string text = in.Rest();

    for (std::size_t n : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{8}, std::size_t{12}, std::size_t{13},
                          text.size() + 1})
        CheckKey(text, n);
    CheckTypeKey(text, type);
    CheckNormalisation(text, type);

    const fuzz::FieldKind kind = MakeKind(type);
    fuzz::CheckField(kind, text, pump);
    return 0;
}
