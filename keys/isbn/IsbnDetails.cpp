#include "IsbnDetails.h"

#include "Isbn.h"
#include "Ranges.h"

namespace ferrino {

namespace {

// The French names of the registration groups most books carry, after the
// agencies of the International ISBN Agency's ranges.
struct GroupName {
    std::string_view group;  // prefix and group: "978-2"
    std::string_view name;
};

constexpr GroupName kGroupNames[] = {
    {"978-0", "pays de langue anglaise"},    {"978-1", "pays de langue anglaise"},
    {"978-2", "pays de langue française"},   {"978-3", "pays de langue allemande"},
    {"978-4", "Japon"},                      {"978-5", "ex-URSS"},
    {"978-600", "Iran"},                     {"978-601", "Kazakhstan"},
    {"978-602", "Indonésie"},                {"978-603", "Arabie saoudite"},
    {"978-604", "Viêt Nam"},                 {"978-605", "Turquie"},
    {"978-606", "Roumanie"},                 {"978-607", "Mexique"},
    {"978-608", "Macédoine du Nord"},        {"978-609", "Lituanie"},
    {"978-611", "Thaïlande"},                {"978-612", "Pérou"},
    {"978-613", "Maurice"},                  {"978-614", "Liban"},
    {"978-615", "Hongrie"},                  {"978-616", "Thaïlande"},
    {"978-617", "Ukraine"},                  {"978-618", "Grèce"},
    {"978-619", "Bulgarie"},                 {"978-620", "Maurice"},
    {"978-621", "Philippines"},              {"978-65", "Brésil"},
    {"978-7", "Chine"},                      {"978-80", "ex-Tchécoslovaquie"},
    {"978-81", "Inde"},                      {"978-82", "Norvège"},
    {"978-83", "Pologne"},                   {"978-84", "Espagne"},
    {"978-85", "Brésil"},                    {"978-86", "ex-Yougoslavie"},
    {"978-87", "Danemark"},                  {"978-88", "Italie"},
    {"978-89", "Corée du Sud"},              {"978-90", "Pays-Bas"},
    {"978-91", "Suède"},                     {"978-92", "organisations internationales"},
    {"978-93", "Inde"},                      {"978-94", "Pays-Bas"},
    {"978-950", "Argentine"},                {"978-951", "Finlande"},
    {"978-952", "Finlande"},                 {"978-953", "Croatie"},
    {"978-954", "Bulgarie"},                 {"978-955", "Sri Lanka"},
    {"978-956", "Chili"},                    {"978-957", "Taïwan"},
    {"978-958", "Colombie"},                 {"978-959", "Cuba"},
    {"978-960", "Grèce"},                    {"978-961", "Slovénie"},
    {"978-962", "Hong Kong"},                {"978-963", "Hongrie"},
    {"978-964", "Iran"},                     {"978-965", "Israël"},
    {"978-966", "Ukraine"},                  {"978-967", "Malaisie"},
    {"978-968", "Mexique"},                  {"978-969", "Pakistan"},
    {"978-970", "Mexique"},                  {"978-971", "Philippines"},
    {"978-972", "Portugal"},                 {"978-973", "Roumanie"},
    {"978-974", "Thaïlande"},                {"978-975", "Turquie"},
    {"978-976", "Communauté caribéenne"},    {"978-977", "Égypte"},
    {"978-978", "Nigeria"},                  {"978-979", "Indonésie"},
    {"978-980", "Venezuela"},                {"978-981", "Singapour"},
    {"978-982", "Pacifique Sud"},            {"978-983", "Malaisie"},
    {"978-984", "Bangladesh"},               {"978-985", "Biélorussie"},
    {"978-986", "Taïwan"},                   {"978-987", "Argentine"},
    {"978-988", "Hong Kong"},                {"978-989", "Portugal"},
    {"979-10", "France"},                    {"979-11", "Corée du Sud"},
    {"979-12", "Italie"},                    {"979-13", "Espagne"},
    {"979-8", "États-Unis"},
};

}  // namespace

std::optional<std::string> IsbnGroupText(std::string_view prefix, std::string_view nine) {
    const std::optional<IsbnSplit> split = SplitIsbnDigits(prefix, nine);
    if (!split || split->group == 0) return std::nullopt;
    const std::string group = std::string(prefix) + '-' + std::string(nine.substr(0, split->group));
    for (const GroupName& known : kGroupNames)
        if (known.group == group) return group + " : " + std::string(known.name);
    return group;
}

std::vector<Detail> IsbnDetails(std::string_view number) {
    std::vector<Detail> details;
    const bool isbn13 = IsIsbn13(number);
    if (number.size() < (isbn13 ? kIsbn13Length : kIsbnLength)) return details;
    const std::string prefix(isbn13 ? number.substr(0, kIsbn13Prefix) : "978");
    const std::string nine(number.substr(isbn13 ? kIsbn13Prefix : 0, kIsbnBody));
    if (const std::optional<std::string> group = IsbnGroupText(prefix, nine)) details.push_back({"Groupe", *group});
    if (!isbn13) {
        const std::string body = "978" + nine;
        details.push_back({"ISBN-13", FormatIsbn(body + ComputeIsbnKey(body)).shown});
    } else if (prefix == "978") {
        details.push_back({"ISBN-10", FormatIsbn(nine + ComputeIsbnKey(nine)).shown});
    } else {
        details.push_back({"ISBN-10", "aucun (préfixe 979)"});
    }
    return details;
}

}  // namespace ferrino
