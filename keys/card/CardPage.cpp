// The page "Cartes bancaires" (not wired to its engine yet).
#include "PendingPage.h"
#include "Pages.h"

TKeyPage* CreateCardPage() { return new TPendingPage("Tab_credit", "Cartes bancaires"); }
