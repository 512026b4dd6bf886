#include "DataSets.h"

#include <array>

namespace ferrino {

// The IBAN registry of keys/iban/Registry.cpp and the country names of
// keys/iban/Countries.cpp, whose scripts (tools/make_iban_registry.py,
// tools/make_country_table.py) read Debian's packages of these versions.
const DataSet kIbanRegistryDataSet = {
    "Registre IBAN (ISO 13616)",
    "python-stdnum 1.18 (Debian)",
    "LGPL 2.1 ou ult\303\251rieure",
    "SWIFT, registre IBAN, via python-stdnum",
};

const DataSet kCountryNamesDataSet = {
    "Noms fran\303\247ais des pays (ISO 3166)",
    "iso-codes 4.15.0 (Debian)",
    "LGPL 2.1 ou ult\303\251rieure",
    "iso-codes",
};

std::span<const DataSet> DataSets()
{
    static const std::array<DataSet, 11> kAll = {
        kCommunesDataSet,     kInseeCountriesDataSet, kBankBicDataSet,      kVinMakersDataSet,
        kCardNetworksDataSet, kGs1PrefixesDataSet,    kSepaDataSet,         kSinProvincesDataSet,
        kIbanRegistryDataSet, kCountryNamesDataSet,   kIsbnRangesDataSet,
    };
    return kAll;
}

}  // namespace ferrino
