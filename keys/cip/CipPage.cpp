// The page "CIP/ACL" (not wired to its engine yet).
#include "PendingPage.h"
#include "Pages.h"

TKeyPage* CreateCipPage() { return new TPendingPage("tab_cip", "CIP/ACL"); }
