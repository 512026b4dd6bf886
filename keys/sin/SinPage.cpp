// The page "S.I.N." (not wired to its engine yet).
#include "PendingPage.h"
#include "Pages.h"

TKeyPage* CreateSinPage() { return new TPendingPage("Tab_sin", "S.I.N."); }
