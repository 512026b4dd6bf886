#include "IbanDetails.h"

#include <optional>

#include "Bic.h"
#include "Countries.h"
#include "Iban.h"
#include "Registry.h"
#include "Sepa.h"
#include "common/Details.h"
#include "insee/InseeCountries.h"

namespace ferrino {

namespace {

// Where the bank, branch, account and national key stand in a BBAN (places
// counted from 1, 0 when the country has no such part), after the IBAN
// registry's "bank identifier" and "branch identifier" positions.
struct BbanLayout {
    std::string_view country;
    int bank[2];
    int branch[2];
    int account[2];
    int key[2];
    std::string_view keyLabel;
};

constexpr BbanLayout kLayouts[] = {
    {"AT", {1, 5}, {0, 0}, {6, 16}, {0, 0}, ""},
    {"BE", {1, 3}, {0, 0}, {4, 10}, {11, 12}, "Clé nationale"},
    {"CH", {1, 5}, {0, 0}, {6, 17}, {0, 0}, ""},
    {"DE", {1, 8}, {0, 0}, {9, 18}, {0, 0}, ""},
    {"DK", {1, 4}, {0, 0}, {5, 14}, {0, 0}, ""},
    {"ES", {1, 4}, {5, 8}, {11, 20}, {9, 10}, "Clé nationale"},
    {"FI", {1, 3}, {0, 0}, {4, 14}, {0, 0}, ""},
    {"FR", {1, 5}, {6, 10}, {11, 21}, {22, 23}, "Clé RIB"},
    {"GB", {1, 4}, {5, 10}, {11, 18}, {0, 0}, ""},
    {"GR", {1, 3}, {4, 7}, {8, 23}, {0, 0}, ""},
    {"IE", {1, 4}, {5, 10}, {11, 18}, {0, 0}, ""},
    {"IT", {2, 6}, {7, 11}, {12, 23}, {1, 1}, "CIN"},
    {"LI", {1, 5}, {0, 0}, {6, 17}, {0, 0}, ""},
    {"LU", {1, 3}, {0, 0}, {4, 16}, {0, 0}, ""},
    {"MC", {1, 5}, {6, 10}, {11, 21}, {22, 23}, "Clé RIB"},
    {"NL", {1, 4}, {0, 0}, {5, 14}, {0, 0}, ""},
    {"NO", {1, 4}, {0, 0}, {5, 10}, {11, 11}, "Clé nationale"},
    {"PT", {1, 4}, {5, 8}, {9, 19}, {20, 21}, "Clé nationale"},
    {"SE", {1, 3}, {0, 0}, {4, 20}, {0, 0}, ""},
    {"SM", {2, 6}, {7, 11}, {12, 23}, {1, 1}, "CIN"},
};

void AddPart(std::vector<Detail>& details, std::string_view label, std::string_view bban, const int (&at)[2]) {
    if (at[0] == 0 || static_cast<std::size_t>(at[1]) > bban.size()) return;
    details.push_back({std::string(label), std::string(bban.substr(at[0] - 1, at[1] - at[0] + 1))});
}

bool IsFrenchRib(std::string_view country) { return country == "FR" || country == "MC"; }

}  // namespace

std::vector<Detail> BbanParts(std::string_view country, std::string_view bban) {
    std::vector<Detail> details;
    for (const BbanLayout& layout : kLayouts) {
        if (layout.country != country) continue;
        const IbanCountry* registered = FindIbanCountry(country);
        if (!registered || bban.size() != registered->length - 4) return {};
        AddPart(details, "Banque", bban, layout.bank);
        AddPart(details, "Guichet", bban, layout.branch);
        AddPart(details, "Compte", bban, layout.account);
        AddPart(details, layout.keyLabel, bban, layout.key);
    }
    return details;
}

std::string CountryName(std::string_view iso) {
    if (iso == "FR") return "France";
    // INSEE's short names, in the usual letter case.
    for (int code = 99101; code <= 99999; ++code) {
        const std::optional<InseeCountry> country = FindInseeCountry(std::to_string(code));
        if (country && country->current && country->iso == iso) return std::string(country->name);
    }
    // Else the name of the IBAN page's country list: "CODE (NAME)\t".
    for (std::string_view row : CountryRows())
        if (row.substr(0, 2) == iso && row.size() > 6) return std::string(row.substr(4, row.size() - 6));
    return std::string(iso);
}

void AddBic(std::string_view bankCode, std::vector<Detail>& details) {
    if (const std::optional<std::string_view> bic = BankBic(bankCode)) details.push_back({"BIC probable", std::string(*bic)});
}

std::string PrintedIban(std::string_view iban) {
    std::string printed;
    for (std::size_t at = 0; at < iban.size(); at += 4) {
        if (at) printed += ' ';
        printed += iban.substr(at, 4);
    }
    return printed;
}

std::vector<Detail> IbanDetails(std::string_view iban) {
    const std::string country(iban.substr(0, 2));
    const std::string_view bban = iban.size() > 4 ? iban.substr(4) : std::string_view();
    std::vector<Detail> details;
    const std::string name = CountryName(country);
    const std::string named = name == country ? country : NamedCode(name, country);
    if (!FindIbanCountry(country)) {
        details.push_back({"Pays", named + ", sans IBAN"});
        return details;
    }
    details.push_back({"Pays", named});
    details.push_back({"SEPA", std::string(YesNo(IsSepa(country)))});
    std::vector<Detail> parts = BbanParts(country, bban);
    details.insert(details.end(), parts.begin(), parts.end());
    if (IsFrenchRib(country) && !parts.empty()) {
        details.push_back({"RIB", std::string(bban.substr(0, 5)) + ' ' + std::string(bban.substr(5, 5)) + ' ' +
                                      std::string(bban.substr(10, 11)) + ' ' + std::string(bban.substr(21, 2))});
        AddBic(bban.substr(0, 5), details);
    }
    return details;
}

}  // namespace ferrino
