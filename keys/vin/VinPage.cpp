// The page "VIN" (not wired to its engine yet).
#include "PendingPage.h"
#include "Pages.h"

TKeyPage* CreateVinPage() { return new TPendingPage("Tab_Vin", "VIN"); }
