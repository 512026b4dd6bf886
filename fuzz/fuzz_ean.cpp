// EAN and UPC numbers:
//   byte 0  the pump (FuzzCheck.h)
//   byte 1  the code type, by its value modulo 6: "0" EAN 8, "1" EAN 13,
//           "2" UPC-A, "3" UPC-C, "4" and "5" values outside the combo box
//           (-1 and 4, read as EAN 13)
//   rest    the field
#include "FuzzCheck.h"
#include "ean/Ean.h"

using namespace ferrino;

namespace {

EanType ReadType(std::uint8_t byte) {
    static constexpr int kValues[] = {0, 1, 2, 3, -1, 4};
    return static_cast<EanType>(kValues[byte % 6]);
}

// What the type is read as, and how long its complete shown number is.
EanType Effective(EanType type) {
    const int value = static_cast<int>(type);
    return value >= 0 && value < kEanTypeCount ? type : EanType::Ean13;
}

std::size_t ShownLength(EanType type) {
    static constexpr std::size_t kLengths[] = {9, 15, 14, 10};
    return kLengths[static_cast<std::size_t>(Effective(type))];
}

// n digits, check digit last: counted from the right with the check digit
// first, the digits weigh 1, 3, 1, 3...; the weighted sum is a multiple of 10.
bool KeyHolds(std::string_view number) {
    int sum = 0;
    for (std::size_t i = 0; i < number.size(); ++i) sum += (number.size() - i) % 2 == 0 ? 3 * (number[i] - '0') : number[i] - '0';
    return sum % 10 == 0;
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
    FUZZ_CHECK(FormatEan(text, type) == shown, ctx());
    FUZZ_CHECK(FormatEan(shown, type) == shown, ctx());
}

fuzz::FieldKind MakeKind(EanType type) {
    const std::size_t n = EanLength(type);
    fuzz::FieldKind k;
    k.normalise = [type](std::string_view t) { return ShowEan(t, type); };
    k.shownAlphabet = "0123456789 ";
    k.shownMax = ShownLength(type);
    k.plan = [type](std::string_view t) { return EanPlan(t, type); };
    k.complete = [type](const Plan& plan) { return CompleteEan(plan, type); };
    k.searchPlan = [type](const Plan& plan, RowStore& sink, SearchPump& pump) { return SearchEan(plan, sink, pump, type); };
    k.test = [type](std::string_view c, std::string_view p, RowStore& sink) { return TestEanCandidate(c, p, sink, type); };
    k.rowOf = [type, n](const std::string& candidate, const std::string& pattern) -> std::optional<std::string> {
        const std::string key = ComputeEanKey(candidate, n);
        if (pattern[n - 1] != kUnknown && pattern[n - 1] != key[0]) return std::nullopt;
        return FormatEan(candidate.substr(0, n - 1) + key, type);
    };
    k.slotAt = [](std::size_t pos) { return Slot{pos, kDigits, 0}; };
    k.length = n;
    k.rows.flat = [](std::string_view row) { return fuzz::Without(row, " "); };
    k.rows.inBody = [n](std::size_t i) { return i + 1 < n; };
    k.rows.keyPositions = {n - 1};
    k.rows.check = [type, n](std::string_view row) {
        const std::string flat = fuzz::Without(row, " ");
        FUZZ_CHECK(row.size() == ShownLength(type) && flat.size() == n && fuzz::OnlyOf(flat, kDigits), fuzz::Context("row", row));
        FUZZ_CHECK(KeyHolds(flat), fuzz::Context("row", row));
        // A click on the row chooses the type by the row's length.
        const EanType chosen = EanTypeForShownLength(row.size(), type);
        FUZZ_CHECK(chosen == Effective(type) || (row.size() == 15 && chosen == EanType::Ean13), fuzz::Context("row", row));
        FUZZ_CHECK(ShowEan(row, chosen) == row, fuzz::Context("row", row));
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
    CheckNormalisation(text, type);

    const fuzz::FieldKind kind = MakeKind(type);
    const std::string shown = kind.normalise(text);
    // The field shows digits only, so the unknown markers of the pattern are
    // the positions after the last digit shown.
    const Plan plan = kind.plan(shown);
    const std::size_t firstUnknown = plan.pattern.find(kUnknown);
    FUZZ_CHECK(firstUnknown == std::string::npos || plan.pattern.find_first_not_of(kUnknown, firstUnknown) == std::string::npos,
               fuzz::Context("shown", shown, "pattern", plan.pattern));
    fuzz::CheckField(kind, text, pump);
    return 0;
}
