// The thirteen pages, in page order (the index "Calcule" and "Effacer" switch on).
#pragma once

class TKeyPage;

TKeyPage* CreateInseePage();   // 0  "Clé Insee"
TKeyPage* CreateRibPage();     // 1  "Clé RIB/RIP"
TKeyPage* CreateIbanPage();    // 2  "CLé IBAN"
TKeyPage* CreateProfPage();    // 3  "Clé Professionnel de santé"
TKeyPage* CreateAvsPage();     // 4  "Clé AVS"
TKeyPage* CreateIsbnPage();    // 5  "ISBN"
TKeyPage* CreateCardPage();    // 6  "Cartes bancaires"
TKeyPage* CreateSirenPage();   // 7  "SIREN"
TKeyPage* CreateSiretPage();   // 8  "SIRET"
TKeyPage* CreateEanPage();     // 9  "Codes EAN"
TKeyPage* CreateSinPage();     // 10 "S.I.N."
TKeyPage* CreateVinPage();     // 11 "VIN"
TKeyPage* CreateCipPage();     // 12 "CIP/ACL"
