// The SIREN behind the one interface of common/Kind.h: one field.
#include <memory>
#include <optional>

#include "SirenKind.h"
#include "Siren.h"
#include "SirenDetails.h"
#include "luhn/Luhn.h"
#include "common/SingleField.h"

namespace ferrino {

namespace {

// A French VAT number typed on the SIREN page gives its SIREN.
std::optional<InnerNumber> SirenOfVat(std::string_view text) {
    const std::optional<FrenchVat> vat = ReadFrenchVat(text);
    if (!vat) return std::nullopt;
    std::string said = "Numéro de TVA intracommunautaire : SIREN " + FormatSiren(vat->siren) + ".";
    if (const std::string key = FrenchVatKey(vat->siren); key != vat->key)
        said += " Clé TVA erronée : " + vat->key + " saisie, " + key + " attendue.";
    return InnerNumber{{vat->siren}, said};
}

std::vector<Detail> Details(std::string_view pattern) {
    return SirenDetails(pattern.substr(0, kSirenLength), ComputeSirenKey(pattern) == pattern.substr(kSirenBody, 1));
}

}  // namespace

std::unique_ptr<NumberKind> MakeSirenKind() {
    return std::make_unique<SingleFieldKind>(
        "siren", FieldOps{.format = FormatSiren, .plan = SirenPlan, .complete = CompleteSiren, .search = SearchSiren,
                          .test = TestSirenCandidate, .keys = Keys(ComputeSirenKey), .keyAt = At(kSirenBody),
                          .typedLength = LuhnCharacters, .details = Details, .inner = SirenOfVat, .quick = QuickSiren});
}

}  // namespace ferrino
