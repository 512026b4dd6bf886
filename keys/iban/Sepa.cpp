// The SEPA countries and territories, from the European Payments Council's
// "EPC List of SEPA Scheme Countries" (EPC409-09), as of 2025: the member
// states of the European Union and of the European Economic Area, their
// territories that the list names, and the other members. Written by hand;
// the list changes rarely.
#include "Sepa.h"

#include <algorithm>

#include "common/DataSets.h"

namespace ferrino {

const DataSet kSepaDataSet = {
    "Pays et territoires de l'espace SEPA",
    "liste des pays des sch\303\251mas SEPA du Conseil europ\303\251en des paiements (EPC409-09), 2025",
    "information publique",
    "European Payments Council",
};

namespace {

// In ascending order.
constexpr std::string_view kMembers[] = {
    "AD",  // Andorre
    "AL",  // Albanie (2025)
    "AT", "AX",  // Åland (Finlande)
    "BE", "BG", "BL",  // Saint-Barthélemy
    "CH", "CY", "CZ", "DE", "DK", "EE", "ES", "FI", "FR", "GB",
    "GF", "GG",  // Guernesey
    "GI",  // Gibraltar
    "GP", "GR", "HR", "HU", "IE",
    "IM",  // Île de Man
    "IS", "IT",
    "JE",  // Jersey
    "LI", "LT", "LU", "LV",
    "MC",  // Monaco
    "MD",  // Moldavie (2025)
    "ME",  // Monténégro (2025)
    "MF",  // Saint-Martin
    "MK",  // Macédoine du Nord (2025)
    "MQ", "MT", "NL", "NO", "PL",
    "PM",  // Saint-Pierre-et-Miquelon
    "PT", "RE", "RO", "SE", "SI", "SK",
    "SM",  // Saint-Marin
    "VA",  // Vatican
    "YT",  // Mayotte
};

}  // namespace

bool IsSepa(std::string_view countryCode)
{
    return std::binary_search(std::begin(kMembers), std::end(kMembers), countryCode);
}

}  // namespace ferrino
