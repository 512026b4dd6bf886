// The page "Clé RIB/RIP" (not wired to its engine yet).
#include "PendingPage.h"
#include "Pages.h"

TKeyPage* CreateRibPage() { return new TPendingPage("Tab_rib", "Clé RIB/RIP"); }
