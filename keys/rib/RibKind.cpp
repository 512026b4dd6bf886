// The RIB behind the one interface of common/Kind.h: one field.
#include <memory>
#include <string>
#include <vector>

#include "RibKind.h"
#include "Rib.h"
#include "common/SingleField.h"
#include "iban/Iban.h"
#include "iban/IbanDetails.h"

namespace ferrino {

namespace {

// Its parts, the likely BIC of its bank, and the IBAN of a right RIB.
std::vector<Detail> RibDetails(std::string_view pattern) {
    std::vector<Detail> details = BbanParts("FR", pattern);
    AddBic(pattern.substr(0, 5), details);
    if (ComputeRibKey(pattern) == pattern.substr(kRibBody, 2))
        details.push_back({"IBAN", PrintedIban("FR" + ComputeIbanKey(pattern, "FR") + std::string(pattern))});
    return details;
}

}  // namespace

std::unique_ptr<NumberKind> MakeRibKind() {
    return std::make_unique<SingleFieldKind>(
        "rib", FieldOps{.format = FormatRib, .plan = RibPlan, .complete = CompleteRib, .search = SearchRib,
                        .test = TestRibCandidate, .keys = Keys(ComputeRibKey), .keyAt = At(kRibBody), .keyLength = 2,
                        .typedLength = KeptLength, .letters = true, .details = RibDetails});
}

}  // namespace ferrino
