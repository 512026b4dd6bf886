#include "DataSets.h"

#include <array>

namespace ferrino {

std::span<const DataSet> DataSets()
{
    static const std::array<DataSet, 8> kAll = {
        kCommunesDataSet,     kInseeCountriesDataSet, kBankBicDataSet, kVinMakersDataSet,
        kCardNetworksDataSet, kGs1PrefixesDataSet,    kSepaDataSet,    kSinProvincesDataSet,
    };
    return kAll;
}

}  // namespace ferrino
