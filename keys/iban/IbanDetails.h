// What an IBAN or a RIB says of itself: the country and whether it is in
// SEPA, the parts of the BBAN as the IBAN registry lays them out, the RIB
// inside a French or Monegasque IBAN, the IBAN of a RIB, the likely BIC.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/Kind.h"

namespace ferrino {

// The details of an IBAN without blanks ("FR7630006000011234567890189").
std::vector<Detail> IbanDetails(std::string_view iban);

// The parts of a BBAN under its country code ("Banque" "30006", "Guichet"...);
// nothing for a country whose parts are not in the table.
std::vector<Detail> BbanParts(std::string_view country, std::string_view bban);

// The French name of a country by its ISO code ("Allemagne"), or the code
// itself when no list knows it.
std::string CountryName(std::string_view iso);

// The likely BIC of a French bank code, as a detail; nothing when unknown.
void AddBic(std::string_view bankCode, std::vector<Detail>& details);

// An IBAN in its printed form: groups of four ("FR76 3000 6000 0112 3456 7890 189").
std::string PrintedIban(std::string_view iban);

}  // namespace ferrino
