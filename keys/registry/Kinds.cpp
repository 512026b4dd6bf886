// The table of every kind: its name on the command line and its maker. The
// only place that names every kind; each kind's adapter lives in its folder.
#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "avs/AvsKind.h"
#include "card/CardKind.h"
#include "cip/CipKind.h"
#include "common/Kind.h"
#include "ean/EanKind.h"
#include "iban/IbanKind.h"
#include "insee/InseeKind.h"
#include "isbn/IsbnKind.h"
#include "luhn/AnyLuhnKind.h"
#include "prof/ProfKind.h"
#include "rib/RibKind.h"
#include "sin/SinKind.h"
#include "siren/SirenKind.h"
#include "siret/SiretKind.h"
#include "vin/VinKind.h"

namespace ferrino {

namespace {

struct KindEntry {
    std::string_view name;
    std::unique_ptr<NumberKind> (*make)(int codeType);
};

template <std::unique_ptr<NumberKind> (*Make)()>
std::unique_ptr<NumberKind> Plain(int) { return Make(); }

// The window's pages in their order, then "luhn".
constexpr std::array kKinds{
    KindEntry{"insee", Plain<MakeInseeKind>}, KindEntry{"rib", Plain<MakeRibKind>},
    KindEntry{"iban", Plain<MakeIbanKind>},   KindEntry{"prof", Plain<MakeProfKind>},
    KindEntry{"avs", Plain<MakeAvsKind>},     KindEntry{"isbn", Plain<MakeIsbnKind>},
    KindEntry{"carte", Plain<MakeCardKind>},  KindEntry{"siren", Plain<MakeSirenKind>},
    KindEntry{"siret", Plain<MakeSiretKind>}, KindEntry{"ean", MakeEanKind},
    KindEntry{"sin", Plain<MakeSinKind>},     KindEntry{"vin", Plain<MakeVinKind>},
    KindEntry{"cip", Plain<MakeCipKind>},     KindEntry{"luhn", Plain<MakeAnyLuhnKind>},
};

}  // namespace

std::unique_ptr<NumberKind> MakeKind(std::string_view name, int codeType) {
    for (const KindEntry& kind : kKinds)
        if (kind.name == name) return kind.make(codeType);
    return nullptr;
}

std::vector<std::string_view> KindNames() {
    std::vector<std::string_view> names;
    for (const KindEntry& kind : kKinds) names.push_back(kind.name);
    return names;
}

}  // namespace ferrino
