// The page "Clé AVS" (not wired to its engine yet).
#include "PendingPage.h"
#include "Pages.h"

TKeyPage* CreateAvsPage() { return new TPendingPage("Tab_avs", "Clé AVS"); }
