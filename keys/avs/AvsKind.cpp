// The AVS number behind the one interface of common/Kind.h: one field.
#include <memory>
#include <string>
#include <vector>

#include "AvsKind.h"
#include "Avs.h"
#include "common/SingleField.h"

namespace ferrino {

namespace {

// An AVS body whose check value is 10 has no check digit.
std::vector<std::string> AvsKeys(std::string_view pattern) {
    const std::string key = ComputeAvsKey(pattern);
    return key.size() == 1 ? One(key) : std::vector<std::string>{};
}

// A current AVS number is Swiss: its country code is 756.
std::vector<Finding> AvsFindings(std::string_view pattern) {
    if (AvsCountryIsRight(pattern)) return {};
    const std::string code(Slice(pattern, 0, kAvsCountryLength));
    return {{false, true, "code pays " + code + " : 756 attendu", "Code pays " + code + " : 756 attendu."}};
}

// The parts the page names, by the number's form.
std::vector<Detail> AvsDetails(std::string_view pattern) {
    if (IsCurrentAvs(pattern))
        return {{"Code pays", std::string(pattern.substr(0, 3)) + (AvsCountryIsRight(pattern) ? " (Suisse)" : "")},
                {"Numéro personnel", std::string(pattern.substr(3, 9))}};
    return {{"Groupe du nom", std::string(pattern.substr(0, 3))},
            {"Année de naissance", std::string(pattern.substr(3, 2))},
            {"Sexe, jour et mois de naissance", std::string(pattern.substr(5, 3))},
            {"Numéro d'ordre", std::string(pattern.substr(8, 2))}};
}

}  // namespace

std::unique_ptr<NumberKind> MakeAvsKind() {
    return std::make_unique<SingleFieldKind>(
        "avs", FieldOps{.format = FormatAvs, .plan = AvsPlan, .complete = CompleteAvs, .search = SearchAvs,
                        .test = TestAvsCandidate, .keys = AvsKeys, .keyAt = AvsKeyIndex,
                        .findings = AvsFindings, .typedLength = KeptLength, .details = AvsDetails});
}

}  // namespace ferrino
