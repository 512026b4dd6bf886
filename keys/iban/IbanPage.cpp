// The page "CLé IBAN" (not wired to its engine yet).
#include "PendingPage.h"
#include "Pages.h"

TKeyPage* CreateIbanPage() { return new TPendingPage("Tab_iban", "CLé IBAN"); }
