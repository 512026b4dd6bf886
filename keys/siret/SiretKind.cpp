// The SIRET behind the one interface of common/Kind.h: one field.
#include <memory>
#include <string>
#include <vector>

#include "SiretKind.h"
#include "Siret.h"
#include "common/SingleField.h"
#include "luhn/Luhn.h"
#include "siren/Siren.h"

namespace ferrino {

namespace {

// A SIRET begins with a SIREN, which has a key of its own.
std::vector<Finding> SiretFindings(std::string_view pattern) {
    if (SirenIsRight(pattern)) return {};
    const std::string siren(Slice(pattern, 0, kSirenLength));
    const std::string key = ComputeSirenKey(siren);
    return {{false, false, "clé SIREN",
             "Clé du SIREN erronée : " + siren.substr(kSirenBody) + " saisie, " + key + " attendue."}};
}

}  // namespace

std::unique_ptr<NumberKind> MakeSiretKind() {
    return std::make_unique<SingleFieldKind>(
        "siret", FieldOps{.format = FormatSiret, .plan = SiretPlan, .complete = CompleteSiret, .search = SearchSiret,
                          .test = TestSiretCandidate, .keys = SiretKeys, .keyAt = At(kSiretBody),
                          .findings = SiretFindings, .typedLength = LuhnCharacters, .quick = QuickSiret});
}

}  // namespace ferrino
