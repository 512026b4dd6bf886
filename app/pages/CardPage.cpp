// The page "Cartes bancaires": a sixteen-digit card number in four groups of four.
#include "Pages.h"
#include "LuhnPage.h"

TKeyPage* CreateCardPage() {
    return new TLuhnPage({"Tab_credit", "Cartes bancaires", "Label4", "Numéro", "em_cb", "lB_CB", "carte"},
                         TSingleFieldPage::kHideList);
}
