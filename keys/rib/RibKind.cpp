// The RIB behind the one interface of common/Kind.h: one field.
#include <memory>

#include "RibKind.h"
#include "Rib.h"
#include "common/SingleField.h"

namespace ferrino {

std::unique_ptr<NumberKind> MakeRibKind() {
    return std::make_unique<SingleFieldKind>(
        "rib", FieldOps{.format = FormatRib, .plan = RibPlan, .complete = CompleteRib, .search = SearchRib,
                        .test = TestRibCandidate, .keys = Keys(ComputeRibKey), .keyAt = At(kRibBody), .keyLength = 2,
                        .typedLength = KeptLength, .letters = true});
}

}  // namespace ferrino
