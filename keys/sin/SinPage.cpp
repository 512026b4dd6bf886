// The page "S.I.N.": a nine-digit SIN in three groups of three. "Effacer"
// empties the field but leaves the list of the last search as it is.
#include "Pages.h"
#include "luhn/LuhnPage.h"
#include "sin/Sin.h"

TKeyPage* CreateSinPage() {
    return new TLuhnPage({"Tab_sin", "S.I.N.", "LSIN", "SIN", "em_sin", "Lb_sin"},
                         {ferrino::FormatSin, ferrino::SinPlan, ferrino::CompleteSin, ferrino::SearchSin}, 0);
}
