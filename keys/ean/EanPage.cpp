// The page "Codes EAN" (not wired to its engine yet).
#include "PendingPage.h"
#include "Pages.h"

TKeyPage* CreateEanPage() { return new TPendingPage("Tab_EAN", "Codes EAN"); }
