// The reference data built into the program: where each table comes from,
// which edition it is and under which licence it is published. The command
// line's --version and the help page list them.
#pragma once

#include <span>
#include <string_view>

namespace ferrino {

struct DataSet {
    std::string_view name;     // what the table holds, in French
    std::string_view edition;  // the edition or version of the source
    std::string_view licence;  // the licence of the data
    std::string_view source;   // where it was taken from
};

// Every table's data set, in a fixed order.
std::span<const DataSet> DataSets();

// Each table's own description, defined beside the table.
extern const DataSet kCommunesDataSet;
extern const DataSet kInseeCountriesDataSet;
extern const DataSet kBankBicDataSet;
extern const DataSet kVinMakersDataSet;
extern const DataSet kCardNetworksDataSet;
extern const DataSet kGs1PrefixesDataSet;
extern const DataSet kSepaDataSet;
extern const DataSet kSinProvincesDataSet;
extern const DataSet kIbanRegistryDataSet;
extern const DataSet kCountryNamesDataSet;
extern const DataSet kIsbnRangesDataSet;

}  // namespace ferrino
