// The SIREN behind the one interface of common/Kind.h: one field.
#include <memory>

#include "SirenKind.h"
#include "Siren.h"
#include "luhn/Luhn.h"
#include "common/SingleField.h"

namespace ferrino {

std::unique_ptr<NumberKind> MakeSirenKind() {
    return std::make_unique<SingleFieldKind>(
        "siren", FieldOps{.format = FormatSiren, .plan = SirenPlan, .complete = CompleteSiren, .search = SearchSiren,
                          .test = TestSirenCandidate, .keys = Keys(ComputeSirenKey), .keyAt = At(kSirenBody),
                          .typedLength = LuhnCharacters, .quick = QuickSiren});
}

}  // namespace ferrino
