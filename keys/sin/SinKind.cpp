// The SIN behind the one interface of common/Kind.h: one field.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "SinKind.h"
#include "Sin.h"
#include "SinProvinces.h"
#include "common/SingleField.h"

namespace ferrino {

namespace {

// The province or territory of registration, from the first digit.
std::vector<Detail> SinDetails(std::string_view pattern) {
    const std::optional<std::string_view> province = SinProvince(pattern[0]);
    return {{"Province", province ? std::string(*province) : std::string("aucune (") + pattern[0] + ")"}};
}

}  // namespace

std::unique_ptr<NumberKind> MakeSinKind() {
    return std::make_unique<SingleFieldKind>(
        "sin", FieldOps{.format = FormatSin, .plan = SinPlan, .complete = CompleteSin, .search = SearchSin,
                        .test = TestSinCandidate, .keys = Keys(ComputeSinKey), .keyAt = At(kSinBody),
                        .typedLength = SinCharacters, .details = SinDetails, .quick = QuickSin});
}

}  // namespace ferrino
