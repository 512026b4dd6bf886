// The page "SIREN" (not wired to its engine yet).
#include "PendingPage.h"
#include "Pages.h"

TKeyPage* CreateSirenPage() { return new TPendingPage("TabSheet1", "SIREN"); }
