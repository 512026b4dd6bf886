// What the four Luhn pages (bank cards, SIREN, SIRET, S.I.N.) have in common:
// one number field under its label, and the candidate list below it, laid out
// alike on every one of them. Each page gives its names, its texts, its
// kind of number and what "Effacer" does there.
#pragma once

#include "KeyPage.h"

struct TLuhnPageNames {
    const char* page;        // object name of the page
    const char* tab;         // caption of its tab
    const char* label;       // the label before the field: name...
    const char* labelText;   // ...and text
    const char* field;       // the number field
    const char* list;        // the candidate list
    const char* kind;        // the kind of number, as the engine names it
};

class TLuhnPage : public TSingleFieldPage {
public:
    TLuhnPage(const TLuhnPageNames& names, int clearRule);
};
