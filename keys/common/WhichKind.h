// Which kind is this number? Every kind for which a text is a right number,
// and the hint a page's verdict adds when a number is wrong for the page but
// right for another one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "Kind.h"

namespace ferrino {

// A kind for which a text is a right number.
struct KindMatch {
    std::string_view name;   // as MakeKind knows it: "siren", "ean"...
    int codeType = 0;        // for "ean", the code type (an EanType value)
    std::string_view noun;   // "un SIREN", "un code EAN 13"
    std::string_view page;   // the window's tab caption, "SIREN"; empty for a kind without a page
    std::string shown;       // the number as the kind writes it on one line
    std::vector<Detail> details;
};

// Every kind, in the pages' order, for which `text` (as a person writes the
// whole number, engine text) is a right number, with what it says. "luhn",
// a Luhn number of any length, only when no other kind takes it.
std::vector<KindMatch> RightKinds(std::string_view text);

// What the verdict of `kind`'s page adds for a whole number that is not right
// there, typed into its fields: "C'est un SIRET valide : page SIRET.", one
// sentence for each other page whose kind takes it; empty when none does.
std::string OtherPageHint(const NumberKind& kind, const Fields& typed);

}  // namespace ferrino
