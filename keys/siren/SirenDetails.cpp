#include "SirenDetails.h"

#include "Siren.h"
#include "common/Details.h"
#include "common/Text.h"
#include "insee/Communes.h"

namespace ferrino {

std::string FrenchVatKey(std::string_view siren) {
    unsigned remainder = 0;
    for (char c : siren.substr(0, kSirenLength)) remainder = (remainder * 10 + DigitValue(c)) % 97;
    return TwoDigits(static_cast<int>((12 + 3 * remainder) % 97));
}

std::optional<FrenchVat> ReadFrenchVat(std::string_view text) {
    std::string chars = NumberCharacters(text);
    for (char& c : chars)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (chars.size() != 4 + kSirenLength || !chars.starts_with("FR")) return std::nullopt;
    for (std::size_t i = 2; i < chars.size(); ++i)
        if (!IsDigit(chars[i]) && !(i < 4 && IsCapital(chars[i]))) return std::nullopt;
    for (std::size_t i = 4; i < chars.size(); ++i)
        if (!IsDigit(chars[i])) return std::nullopt;
    return FrenchVat{chars.substr(2, 2), chars.substr(4)};
}

std::vector<Detail> SirenDetails(std::string_view siren, bool right) {
    std::vector<Detail> details;
    if (!right) return details;  // a number of no one: no VAT number, no owner
    details.push_back({"TVA intracommunautaire", "FR" + FrenchVatKey(siren) + std::string(siren)});
    if (siren == "356000000") details.push_back({"Entreprise", "La Poste"});
    if (const std::optional<Commune> commune = FindCommuneBySiren(siren))
        details.push_back({"Commune", NamedCode(commune->name, commune->code)});
    return details;
}

}  // namespace ferrino
