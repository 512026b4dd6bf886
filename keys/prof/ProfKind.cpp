// The health professional's number behind the one interface of common/Kind.h: one field.
#include <memory>

#include "ProfKind.h"
#include "Prof.h"
#include "common/SingleField.h"

namespace ferrino {

std::unique_ptr<NumberKind> MakeProfKind() {
    return std::make_unique<SingleFieldKind>(
        "prof", FieldOps{.format = FormatProf, .plan = ProfPlan, .complete = CompleteProf, .search = SearchProf,
                         .test = TestProfCandidate, .keys = Keys(ComputeProfKey), .keyAt = At(kProfBody),
                         .typedLength = KeptLength, .letters = true});
}

}  // namespace ferrino
