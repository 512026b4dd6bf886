// A Luhn number of any length behind the one interface of common/Kind.h: one field.
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "AnyLuhnKind.h"
#include "Luhn.h"
#include "common/SingleField.h"

namespace ferrino {

namespace {

// A Luhn number of any length from 2 to 32 digits (American Express cards,
// 19-digit cards, IMEI...): its last character is the key, its length is what
// is typed. Shown in groups of four from the left.
class AnyLuhnKind : public SingleFieldKind {
public:
    AnyLuhnKind() : SingleFieldKind("luhn", Ops()) {}

    std::optional<InputFault> CheckInput(std::string_view number) const override {
        const std::size_t length = LuhnCharacters(NumberCharacters(number));
        if (length < kLuhnShortest || length > kLuhnLongest) return InputFault{"longueur", true};
        return std::nullopt;
    }

private:
    // Every operation takes the kind from the length of the text it is given.
    static LuhnKind Of(std::string_view text) { return AnyLengthLuhn(LuhnCharacters(text)); }

    // Groups of four from the left. The number's length is what it holds, so
    // an unknown key stays shown.
    static std::string Format(std::string_view text) {
        std::string shown;
        for (char c : text) {
            if (!KeepsDigitCapitalOrUnknown(c)) continue;
            if (shown.size() % 5 == 4) shown += ' ';
            shown += IsDigit(c) ? c : kUnknown;
        }
        return shown;
    }

    static QuickAnswer Quick(std::string_view number, std::string& shown, std::string& cause) {
        std::array<char, kLuhnLongest> digits;
        const std::string_view plain(digits.data(), PlainDigits(number, digits));
        if (plain.size() < kLuhnShortest) return QuickAnswer::kUnsure;
        return QuickLuhn(plain, AnyLengthLuhn(plain.size()), shown, cause);
    }

    static FieldOps Ops() {
        return {.format = Format,
                .plan = [](std::string_view text) { return LuhnPlan(text, Of(text)); },
                .complete = [](const Plan& plan) { return CompleteLuhn(plan, Of(plan.pattern)); },  // formatted by Format
                .search = [](const Plan& plan, RowStore& rows, SearchPump& pump) { return SearchLuhn(plan, rows, pump, Of(plan.pattern)); },
                .test = [](std::string_view c, std::string_view p, RowStore& s) { return TestLuhnCandidate(c, p, s, Of(p)); },
                .keys = [](std::string_view pattern) { return LuhnKeys(pattern, Of(pattern)); },
                .keyAt = [](std::string_view pattern) { return Of(pattern).body; },
                .quick = Quick};
    }
};

}  // namespace

std::unique_ptr<NumberKind> MakeAnyLuhnKind() { return std::make_unique<AnyLuhnKind>(); }

}  // namespace ferrino
