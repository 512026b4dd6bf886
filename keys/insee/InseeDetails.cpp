#include "InseeDetails.h"

#include <array>
#include <optional>
#include <string>

#include "Communes.h"
#include "InseeCountries.h"
#include "common/Details.h"
#include "common/Text.h"

namespace ferrino {

namespace {

constexpr std::array<std::string_view, 12> kMonths = {"janvier", "février", "mars",      "avril",   "mai",      "juin",
                                                      "juillet", "août",    "septembre", "octobre", "novembre", "décembre"};

std::string Sex(char digit) {
    switch (digit) {
        case '1': return "homme";
        case '2': return "femme";
        case '7': return "homme (numéro provisoire)";
        case '8': return "femme (numéro provisoire)";
        default: return std::string("inconnu (") + digit + ")";
    }
}

// "mai 1985", "mars 2010 ou 1910" when both centuries are possible (the
// later first), "1985, mois inconnu (20)" for a fictitious month.
std::string Birth(std::string_view yy, std::string_view mm, int thisYear) {
    const int year = DigitValue(yy[0]) * 10 + DigitValue(yy[1]);
    std::string years;
    if (2000 + year <= thisYear)
        years = std::to_string(2000 + year) + " ou " + std::to_string(1900 + year);
    else
        years = std::to_string(1900 + year);
    const int month = DigitValue(mm[0]) * 10 + DigitValue(mm[1]);
    if (month >= 1 && month <= 12) return std::string(kMonths[month - 1]) + ' ' + years;
    return years + ", mois inconnu (" + std::string(mm) + ")";
}

// "de Saint-Souplet", "d'Arboys en Bugey".
std::string Of(std::string_view name) {
    const bool vowel = !name.empty() && (std::string_view("AEIOUY").find(name[0]) != std::string_view::npos ||
                                         name.starts_with("\u00c9") || name.starts_with("\u00ce"));
    return (vowel ? "d'" : "de ") + std::string(name);
}

std::string CommuneText(const Commune& commune) {
    switch (commune.kind) {
        case CommuneKind::Commune:
            if (!commune.delegatedName.empty() && commune.delegatedName != commune.name)
                return commune.name + " (commune déléguée : " + commune.delegatedName + ")";
            return commune.name;
        case CommuneKind::Deleguee: return commune.name + " (commune déléguée " + Of(commune.parentName) + ")";
        case CommuneKind::Associee: return commune.name + " (commune associée " + Of(commune.parentName) + ")";
        case CommuneKind::Arrondissement: return commune.name;
        case CommuneKind::FormerCode: return "ancien code, aujourd'hui " + commune.name;
    }
    return commune.name;
}

}  // namespace

std::vector<Detail> InseeDetails(std::string_view number, int thisYear) {
    if (number.size() < 13) return {};
    std::vector<Detail> details;
    details.push_back({"Sexe", Sex(number[0])});
    details.push_back({"Né(e) en", Birth(number.substr(1, 2), number.substr(3, 2), thisYear)});
    const std::string code(number.substr(5, 5));
    if (code.starts_with("99")) {
        const std::optional<InseeCountry> country = FindInseeCountry(code);
        details.push_back({"Pays de naissance", country ? std::string(country->name) : "code " + code + " inconnu"});
        return details;
    }
    const std::string_view departement = DepartementOfCommune(code);
    if (const std::optional<std::string_view> name = DepartementName(departement))
        details.push_back({"Département", NamedCode(*name, departement)});
    else if (departement == "20")
        details.push_back({"Département", "Corse (20, avant 1976)"});
    else
        details.push_back({"Département", "code " + std::string(departement) + " inconnu"});
    const std::optional<Commune> commune = FindCommune(code);
    details.push_back({"Commune", commune ? NamedCode(CommuneText(*commune), code) : "code " + code + " inconnu"});
    return details;
}

}  // namespace ferrino
