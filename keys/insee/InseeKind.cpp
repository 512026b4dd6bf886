// The INSEE number behind the one interface of common/Kind.h: one field.
#include <memory>

#include "InseeKind.h"
#include "Insee.h"
#include "InseeDetails.h"
#include "common/Details.h"
#include "common/SingleField.h"

namespace ferrino {

std::unique_ptr<NumberKind> MakeInseeKind() {
    return std::make_unique<SingleFieldKind>(
        "insee", FieldOps{.format = FormatInsee, .plan = InseePlan, .complete = CompleteInsee, .search = SearchInsee,
                          .test = TestInseeCandidate, .keys = Keys(ComputeInseeKey), .keyAt = At(kInseeBody), .keyLength = 2,
                          .typedLength = KeptLength, .letters = true,
                          .details = [](std::string_view number) { return InseeDetails(number, ThisYear()); },
                          .quick = QuickInsee});
}

}  // namespace ferrino
