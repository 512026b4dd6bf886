// The page "SIREN": a nine-digit company number in three groups of three.
#include "Pages.h"
#include "luhn/LuhnPage.h"
#include "siren/Siren.h"

TKeyPage* CreateSirenPage() {
    return new TLuhnPage({"TabSheet1", "SIREN", "LSIREN", "Numéro", "EM_siren", "lb_siren"},
                         {ferrino::FormatSiren, ferrino::SirenPlan, ferrino::CompleteSiren, ferrino::SearchSiren},
                         TSingleFieldPage::kHideList);
}
