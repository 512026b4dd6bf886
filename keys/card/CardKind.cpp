// The payment card number behind the one interface of common/Kind.h: one field.
#include <memory>

#include "CardKind.h"
#include "Card.h"
#include "common/SingleField.h"
#include "luhn/Luhn.h"

namespace ferrino {

std::unique_ptr<NumberKind> MakeCardKind() {
    return std::make_unique<SingleFieldKind>(
        "carte", FieldOps{.format = FormatCard, .plan = CardPlan, .complete = CompleteCard, .search = SearchCard,
                          .test = TestCardCandidate, .keys = CardKeys,
                          .keyAt = [](std::string_view pattern) { return CardLength(pattern) - 1; },
                          .typedLength = LuhnCharacters, .quick = QuickCard});
}

}  // namespace ferrino
