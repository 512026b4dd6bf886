// The page "ISBN" (not wired to its engine yet).
#include "PendingPage.h"
#include "Pages.h"

TKeyPage* CreateIsbnPage() { return new TPendingPage("Tab_isbn", "ISBN"); }
