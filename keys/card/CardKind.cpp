// The payment card number behind the one interface of common/Kind.h: one field.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CardKind.h"
#include "Card.h"
#include "common/SingleField.h"
#include "CardNetworks.h"
#include "luhn/Luhn.h"

namespace ferrino {

namespace {

// The network of the card, from its first digits.
std::vector<Detail> CardDetails(std::string_view pattern) {
    const std::string digits(pattern.substr(0, CardLength(pattern)));
    const std::optional<CardNetwork> network = FindCardNetwork(digits);
    if (!network) return {{"Réseau", "inconnu"}};
    std::string value(network->name);
    if (!network->lengthIssued) value += " (longueur inhabituelle pour ce réseau)";
    return {{"Réseau", value}};
}

}  // namespace

std::unique_ptr<NumberKind> MakeCardKind() {
    return std::make_unique<SingleFieldKind>(
        "carte", FieldOps{.format = FormatCard, .plan = CardPlan, .complete = CompleteCard, .search = SearchCard,
                          .test = TestCardCandidate, .keys = CardKeys,
                          .keyAt = [](std::string_view pattern) { return CardLength(pattern) - 1; },
                          .typedLength = LuhnCharacters, .details = CardDetails,
                          .recognised = [](std::string_view pattern) {
                              return FindCardNetwork(std::string(pattern.substr(0, CardLength(pattern)))).has_value();
                          },
                          .quick = QuickCard});
}

}  // namespace ferrino
