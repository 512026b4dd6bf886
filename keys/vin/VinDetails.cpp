#include "VinDetails.h"

#include <optional>

#include "Vin.h"
#include "VinMakers.h"
#include "common/Text.h"

namespace ferrino {

namespace {

// The year codes of position 10, from 1980 (A) to 2009 (9).
constexpr std::string_view kYearCodes = "ABCDEFGHJKLMNPRSTVWXY123456789";

bool NorthAmerican(std::string_view vin) { return !vin.empty() && vin[0] >= '1' && vin[0] <= '5'; }

}  // namespace

std::vector<int> VinModelYears(std::string_view vin, int thisYear) {
    if (vin.size() < kVinLength) return {};
    const std::size_t at = kYearCodes.find(vin[9]);
    if (at == std::string_view::npos) return {};
    const int early = 1980 + static_cast<int>(at);
    std::vector<int> years;
    if (NorthAmerican(vin)) {
        years.push_back(IsCapital(vin[6]) ? early + 30 : early);
        return years;
    }
    if (early + 30 <= thisYear + 1) years.push_back(early + 30);
    years.push_back(early);
    return years;
}

std::vector<Detail> VinDetails(std::string_view vin, int thisYear) {
    std::vector<Detail> details;
    if (vin.size() < kVinLength) return details;
    if (const std::optional<VinOrigin> origin = FindVinMaker(vin.substr(0, 3))) {
        if (!origin->maker.empty()) details.push_back({"Constructeur", std::string(origin->maker)});
        if (!origin->country.empty()) details.push_back({"Pays", std::string(origin->country)});
    } else {
        details.push_back({"Constructeur", "inconnu (" + std::string(vin.substr(0, 3)) + ")"});
    }
    const std::vector<int> years = VinModelYears(vin, thisYear);
    std::string value;
    for (int year : years) value += (value.empty() ? "" : " ou ") + std::to_string(year);
    if (years.empty()) value = std::string("non codée (") + vin[9] + ")";
    else if (!NorthAmerican(vin)) value += " (si le 10e caractère la donne)";
    details.push_back({"Année modèle", value});
    std::string key;
    if (NorthAmerican(vin)) key = "obligatoire (Amérique du Nord)";
    else if (VinCheckDigitCompulsory(vin)) key = "obligatoire (Chine)";
    else key = "facultative hors Amérique du Nord et Chine";
    details.push_back({"Clé de contrôle", key});
    return details;
}

}  // namespace ferrino
