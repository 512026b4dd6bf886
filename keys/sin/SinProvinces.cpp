// The region of registration of a Canadian social insurance number by its
// first digit, as Employment and Social Development Canada has published it
// (also in Wikipedia's article "Social Insurance Number"). Written by hand.
#include "SinProvinces.h"

#include "common/DataSets.h"

namespace ferrino {

const DataSet kSinProvincesDataSet = {
    "Premier chiffre du NAS canadien",
    "Emploi et D\303\251veloppement social Canada",
    "information publique",
    "Emploi et D\303\251veloppement social Canada",
};

std::optional<std::string_view> SinProvince(char digit)
{
    switch (digit) {
    case '1':
        return "Nouvelle-\303\211cosse, Nouveau-Brunswick, \303\216le-du-Prince-\303\211douard, "
               "Terre-Neuve-et-Labrador";
    case '2':
    case '3': return "Qu\303\251bec";
    case '4':
    case '5': return "Ontario";
    case '6':
        return "Ontario (Nord-Ouest), Manitoba, Saskatchewan, Alberta, Territoires du Nord-Ouest, Nunavut";
    case '7': return "Colombie-Britannique, Yukon";
    case '9': return "r\303\251sident temporaire";
    default: return std::nullopt;
    }
}

}  // namespace ferrino
