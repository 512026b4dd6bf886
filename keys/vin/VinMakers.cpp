#include "VinMakers.h"

#include <algorithm>

#include "MakerTable.h"

namespace ferrino {

namespace {

std::string_view FindName(std::span<const VinCode> rows, std::string_view code)
{
    const auto it = std::lower_bound(rows.begin(), rows.end(), code,
                                     [](const VinCode& row, std::string_view key) { return row.code < key; });
    return it != rows.end() && it->code == code ? it->name : std::string_view{};
}

}  // namespace

std::optional<VinOrigin> FindVinMaker(std::string_view wmi)
{
    if (wmi.size() < 3) return std::nullopt;
    VinOrigin origin{FindName(VinMakerRows(), wmi.substr(0, 3)), FindName(VinCountryRows(), wmi.substr(0, 2))};
    if (origin.maker.empty() && origin.country.empty()) return std::nullopt;
    return origin;
}

bool VinCheckDigitCompulsory(std::string_view vin)
{
    return !vin.empty() && ((vin[0] >= '1' && vin[0] <= '5') || vin[0] == 'L');
}

}  // namespace ferrino
