// The SIRET behind the one interface of common/Kind.h: one field.
#include <memory>
#include <string>
#include <vector>

#include "SiretKind.h"
#include "Siret.h"
#include "common/SingleField.h"
#include "luhn/Luhn.h"
#include "siren/Siren.h"
#include "siren/SirenDetails.h"

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

// The SIREN inside and the establishment, then what the SIREN says.
std::vector<Detail> SiretDetails(std::string_view pattern) {
    const std::string siren(Slice(pattern, 0, kSirenLength));
    std::vector<Detail> details{{"SIREN", FormatSiren(siren)}, {"Établissement", std::string(Slice(pattern, kSirenLength, 4))}};
    const std::vector<Detail> more = SirenDetails(siren, SirenIsRight(pattern));
    details.insert(details.end(), more.begin(), more.end());
    return details;
}

}  // namespace

std::unique_ptr<NumberKind> MakeSiretKind() {
    return std::make_unique<SingleFieldKind>(
        "siret", FieldOps{.format = FormatSiret, .plan = SiretPlan, .complete = CompleteSiret, .search = SearchSiret,
                          .test = TestSiretCandidate, .keys = SiretKeys, .keyAt = At(kSiretBody),
                          .findings = SiretFindings, .typedLength = LuhnCharacters, .details = SiretDetails,
                          .quick = QuickSiret});
}

}  // namespace ferrino
