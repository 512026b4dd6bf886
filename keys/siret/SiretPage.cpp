// The page "SIRET" (not wired to its engine yet).
#include "PendingPage.h"
#include "Pages.h"

TKeyPage* CreateSiretPage() { return new TPendingPage("Tab_SIRET", "SIRET"); }
