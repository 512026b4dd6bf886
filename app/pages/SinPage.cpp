// The page "S.I.N.": a nine-digit SIN in three groups of three. "Effacer"
// empties the field but leaves the list of the last search as it is.
#include "Pages.h"
#include "LuhnPage.h"

TKeyPage* CreateSinPage() {
    return new TLuhnPage({"Tab_sin", "S.I.N.", "LSIN", "SIN", "em_sin", "Lb_sin", "sin"}, 0);
}
