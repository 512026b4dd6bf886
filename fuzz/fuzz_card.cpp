// Bank card number: byte 0 sets the pump (FuzzCheck.h), the rest is the field.
//
// The length is read from the characters the field keeps (digits, capitals,
// unknown markers): fifteen after the typed digits 34 or 37, laid out 4-6-5;
// otherwise sixteen for sixteen characters or fewer, the count itself from
// seventeen to nineteen, nineteen beyond; groups of four. A search of sixteen
// digits or more lists no number beginning with 34 or 37, which is read at
// fifteen; one of seventeen to nineteen keeps its unknown key shown.
#include <array>

#include "LuhnField.h"
#include "card/Card.h"

using namespace ferrino;

namespace {

std::size_t ExpectedLength(std::string_view text) {
    std::string kept;
    for (char c : text)
        if (IsDigit(c) || IsCapital(c) || c == kUnknown) kept += c;
    if (kept.starts_with("34") || kept.starts_with("37")) return 15;
    return kept.size() <= 16 ? 16 : std::min<std::size_t>(kept.size(), 19);
}

bool BeginsShort(std::string_view body) { return body.starts_with("34") || body.starts_with("37"); }

struct Length {
    fuzz::LuhnField luhn;
    fuzz::FieldKind kind;
};

const Length& ForLength(std::size_t length) {
    static const std::array<Length, 5> lengths = [] {
        std::array<Length, 5> out;
        for (std::size_t n = 15; n <= 19; ++n) {
            fuzz::LuhnField l;
            l.format = FormatCard;
            l.computeKey = [n](std::string_view text) { return ComputeLuhnKey(text, n - 1); };
            l.test = TestCardCandidate;
            l.plan = CardPlan;
            l.complete = CompleteCard;
            l.search = SearchCard;
            l.body = n - 1;
            if (n == 15)
                l.groups = {4, 6, 5};
            else
                l.groups = n == 16 ? std::vector<std::size_t>{4, 4, 4, 4} : std::vector<std::size_t>{4, 4, 4, 4, n - 16};
            if (n > 15) l.refuses = BeginsShort;
            Length& entry = out[n - 15];
            entry.luhn = l;
            entry.kind = fuzz::MakeLuhnKind(l);
            if (n > 16) {
                // Every kept character stays shown, an unknown key included.
                entry.kind.endsShown = [](std::string_view shown) { return !shown.empty() && shown.back() != ' '; };
            }
        }
        return out;
    }();
    return lengths[length - 15];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    in.Byte();
    const std::string text = in.Rest();
    const std::size_t length = ExpectedLength(text);
    FUZZ_CHECK(CardLength(text) == length, fuzz::Context("typed", text));
    const Length& entry = ForLength(length);
    fuzz::CheckLuhnInput(entry.kind, entry.luhn, data, size);
    return 0;
}
