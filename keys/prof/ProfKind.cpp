// The health professional's number behind the one interface of common/Kind.h: one field.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ProfKind.h"
#include "Prof.h"
#include "common/Details.h"
#include "common/SingleField.h"
#include "insee/Communes.h"

namespace ferrino {

namespace {

// The parts the page's guides name, and the département's name.
std::vector<Detail> ProfDetails(std::string_view pattern) {
    const std::string departement(pattern.substr(0, 2));
    const std::optional<std::string_view> name = DepartementName(departement);
    return {{"Département", name ? NamedCode(*name, departement) : "code " + departement + " inconnu"},
            {"Catégorie", std::string(pattern.substr(2, 1))},
            {"Numéro d'inscription", std::string(pattern.substr(3, 5))}};
}

}  // namespace

std::unique_ptr<NumberKind> MakeProfKind() {
    return std::make_unique<SingleFieldKind>(
        "prof", FieldOps{.format = FormatProf, .plan = ProfPlan, .complete = CompleteProf, .search = SearchProf,
                         .test = TestProfCandidate, .keys = Keys(ComputeProfKey), .keyAt = At(kProfBody),
                         .typedLength = KeptLength, .letters = true, .details = ProfDetails});
}

}  // namespace ferrino
