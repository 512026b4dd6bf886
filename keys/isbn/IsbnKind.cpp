// The ISBN behind the one interface of common/Kind.h: one field, ISBN-10 or
// ISBN-13.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "IsbnKind.h"
#include "Isbn.h"
#include "IsbnDetails.h"
#include "common/SingleField.h"

namespace ferrino {

namespace {

// An ISBN: a check judges every character given, also those after the key,
// which a hyphenated field leaves out.
class IsbnKind : public SingleFieldKind {
public:
    using SingleFieldKind::SingleFieldKind;
    std::optional<InputFault> CheckInput(std::string_view number) const override {
        const std::string normalised = NormaliseIsbn(NumberCharacters(number));
        const std::size_t length = IsbnKeyAt(normalised) + 1;
        if (normalised.size() > length) return InputFault{"longueur : " + std::to_string(length) + " caractères attendus"};
        return std::nullopt;
    }

    // A slip never turns one form into the other (an ISBN-10 that carries
    // characters after its key and a slip that makes it begin with 978).
    TypoRules Typos(const Reading& reading) const override {
        TypoRules rules = SingleFieldKind::Typos(reading);
        rules.test = [test = rules.test, isbn13 = IsIsbn13(reading.number)](std::string_view candidate, RowStore& sink) {
            return IsIsbn13(candidate) == isbn13 && test(candidate, sink);
        };
        return rules;
    }
};

// A slip never changes the prefix 978 or 979 of an ISBN-13, as its search
// never does. (An "X" in the key of an ISBN-13 fails its test.)
std::string IsbnAlphabet(std::string_view number, std::size_t pos) {
    if (IsIsbn13(number) && pos < kIsbn13Prefix) return {};
    return SlotSymbols(IsbnPlan, number, pos);
}

// What follows the key of an ISBN is carried along by the field but is no
// part of the number: a number with more is never right.
std::vector<Finding> IsbnFindings(std::string_view pattern) {
    const std::size_t length = IsbnKeyAt(pattern) + 1;
    if (pattern.size() <= length) return {};
    const std::string held = std::to_string(length);
    return {{false, true, "longueur : " + held + " caractères attendus",
             "Caractères en trop ignorés : " + std::to_string(pattern.size()) + " saisis, " + held + " attendus."}};
}

}  // namespace

std::unique_ptr<NumberKind> MakeIsbnKind() {
    return std::make_unique<IsbnKind>(
        "isbn", FieldOps{.format = ShowIsbn, .plan = IsbnPlan, .complete = CompleteIsbn, .search = SearchIsbn,
                         .test = TestIsbnCandidate, .keys = Keys(ComputeIsbnKey), .keyAt = IsbnKeyAt,
                         .keySymbols = "0123456789X", .findings = IsbnFindings, .alphabet = IsbnAlphabet,
                         .typedLength = [](std::string_view text) { return NormaliseIsbn(text).size(); }, .letters = true,
                         .details = IsbnDetails});
}

}  // namespace ferrino
