// The SIN behind the one interface of common/Kind.h: one field.
#include <memory>

#include "SinKind.h"
#include "Sin.h"
#include "common/SingleField.h"

namespace ferrino {

std::unique_ptr<NumberKind> MakeSinKind() {
    return std::make_unique<SingleFieldKind>(
        "sin", FieldOps{.format = FormatSin, .plan = SinPlan, .complete = CompleteSin, .search = SearchSin,
                        .test = TestSinCandidate, .keys = Keys(ComputeSinKey), .keyAt = At(kSinBody),
                        .typedLength = SinCharacters, .quick = QuickSin});
}

}  // namespace ferrino
