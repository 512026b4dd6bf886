// The page "SIREN": a nine-digit company number in three groups of three.
#include "Pages.h"
#include "LuhnPage.h"

TKeyPage* CreateSirenPage() {
    return new TLuhnPage({"TabSheet1", "SIREN", "LSIREN", "Numéro", "EM_siren", "lb_siren", "siren"},
                         TSingleFieldPage::kHideList);
}
