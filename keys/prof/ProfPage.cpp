// The page "Clé Professionnel de santé" (not wired to its engine yet).
#include "PendingPage.h"
#include "Pages.h"

TKeyPage* CreateProfPage() { return new TPendingPage("Tab_prof", "Clé Professionnel de santé"); }
