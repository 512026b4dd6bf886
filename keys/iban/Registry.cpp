// The countries that have IBANs, with the length of their IBANs and what
// each place of their BBAN holds (n a digit, a a capital, c either).
// Written by tools/make_iban_registry.py from the IBAN registry (ISO 13616)
// as Debian's python3-stdnum keeps it; edit that script, not this file.
#include "Registry.h"

namespace ferrino {

namespace {

constexpr IbanCountry kCountries[] = {
    {"AD", 24, "nnnnnnnncccccccccccc"},  // 4!n4!n12!c
    {"AE", 23, "nnnnnnnnnnnnnnnnnnn"},  // 3!n16!n
    {"AL", 28, "nnnnnnnncccccccccccccccc"},  // 8!n16!c
    {"AT", 20, "nnnnnnnnnnnnnnnn"},  // 5!n11!n
    {"AZ", 28, "aaaacccccccccccccccccccc"},  // 4!a20!c
    {"BA", 20, "nnnnnnnnnnnnnnnn"},  // 3!n3!n8!n2!n
    {"BE", 16, "nnnnnnnnnnnn"},  // 3!n7!n2!n
    {"BG", 22, "aaaannnnnncccccccc"},  // 4!a4!n2!n8!c
    {"BH", 22, "aaaacccccccccccccc"},  // 4!a14!c
    {"BI", 27, "nnnnnnnnnnnnnnnnnnnnnnn"},  // 5!n5!n11!n2!n
    {"BR", 29, "nnnnnnnnnnnnnnnnnnnnnnnac"},  // 8!n5!n10!n1!a1!c
    {"BY", 28, "ccccnnnncccccccccccccccc"},  // 4!c4!n16!c
    {"CH", 21, "nnnnncccccccccccc"},  // 5!n12!c
    {"CR", 22, "nnnnnnnnnnnnnnnnnn"},  // 4!n14!n
    {"CY", 28, "nnnnnnnncccccccccccccccc"},  // 3!n5!n16!c
    {"CZ", 24, "nnnnnnnnnnnnnnnnnnnn"},  // 4!n6!n10!n
    {"DE", 22, "nnnnnnnnnnnnnnnnnn"},  // 8!n10!n
    {"DJ", 27, "nnnnnnnnnnnnnnnnnnnnnnn"},  // 5!n5!n11!n2!n
    {"DK", 18, "nnnnnnnnnnnnnn"},  // 4!n9!n1!n
    {"DO", 28, "ccccnnnnnnnnnnnnnnnnnnnn"},  // 4!c20!n
    {"EE", 20, "nnnnnnnnnnnnnnnn"},  // 2!n2!n11!n1!n
    {"EG", 29, "nnnnnnnnnnnnnnnnnnnnnnnnn"},  // 4!n4!n17!n
    {"ES", 24, "nnnnnnnnnnnnnnnnnnnn"},  // 4!n4!n1!n1!n10!n
    {"FI", 18, "nnnnnnnnnnnnnn"},  // 3!n11!n
    {"FO", 18, "nnnnnnnnnnnnnn"},  // 4!n9!n1!n
    {"FR", 27, "nnnnnnnnnncccccccccccnn"},  // 5!n5!n11!c2!n
    {"GB", 22, "aaaannnnnnnnnnnnnn"},  // 4!a6!n8!n
    {"GE", 22, "aannnnnnnnnnnnnnnn"},  // 2!a16!n
    {"GI", 23, "aaaaccccccccccccccc"},  // 4!a15!c
    {"GL", 18, "nnnnnnnnnnnnnn"},  // 4!n9!n1!n
    {"GR", 27, "nnnnnnncccccccccccccccc"},  // 3!n4!n16!c
    {"GT", 28, "cccccccccccccccccccccccc"},  // 4!c20!c
    {"HR", 21, "nnnnnnnnnnnnnnnnn"},  // 7!n10!n
    {"HU", 28, "nnnnnnnnnnnnnnnnnnnnnnnn"},  // 3!n4!n1!n15!n1!n
    {"IE", 22, "aaaannnnnnnnnnnnnn"},  // 4!a6!n8!n
    {"IL", 23, "nnnnnnnnnnnnnnnnnnn"},  // 3!n3!n13!n
    {"IQ", 23, "aaaannnnnnnnnnnnnnn"},  // 4!a3!n12!n
    {"IS", 26, "nnnnnnnnnnnnnnnnnnnnnn"},  // 4!n2!n6!n10!n
    {"IT", 27, "annnnnnnnnncccccccccccc"},  // 1!a5!n5!n12!c
    {"JO", 30, "aaaannnncccccccccccccccccc"},  // 4!a4!n18!c
    {"KW", 30, "aaaacccccccccccccccccccccc"},  // 4!a22!c
    {"KZ", 20, "nnnccccccccccccc"},  // 3!n13!c
    {"LB", 28, "nnnncccccccccccccccccccc"},  // 4!n20!c
    {"LC", 32, "aaaacccccccccccccccccccccccc"},  // 4!a24!c
    {"LI", 21, "nnnnncccccccccccc"},  // 5!n12!c
    {"LT", 20, "nnnnnnnnnnnnnnnn"},  // 5!n11!n
    {"LU", 20, "nnnccccccccccccc"},  // 3!n13!c
    {"LV", 21, "aaaaccccccccccccc"},  // 4!a13!c
    {"LY", 25, "nnnnnnnnnnnnnnnnnnnnn"},  // 3!n3!n15!n
    {"MC", 27, "nnnnnnnnnncccccccccccnn"},  // 5!n5!n11!c2!n
    {"MD", 24, "cccccccccccccccccccc"},  // 2!c18!c
    {"ME", 22, "nnnnnnnnnnnnnnnnnn"},  // 3!n13!n2!n
    {"MK", 19, "nnnccccccccccnn"},  // 3!n10!c2!n
    {"MR", 27, "nnnnnnnnnnnnnnnnnnnnnnn"},  // 5!n5!n11!n2!n
    {"MT", 31, "aaaannnnncccccccccccccccccc"},  // 4!a5!n18!c
    {"MU", 30, "aaaannnnnnnnnnnnnnnnnnnaaa"},  // 4!a2!n2!n12!n3!n3!a
    {"NL", 18, "aaaannnnnnnnnn"},  // 4!a10!n
    {"NO", 15, "nnnnnnnnnnn"},  // 4!n6!n1!n
    {"PK", 24, "aaaacccccccccccccccc"},  // 4!a16!c
    {"PL", 28, "nnnnnnnnnnnnnnnnnnnnnnnn"},  // 8!n16!n
    {"PS", 29, "aaaaccccccccccccccccccccc"},  // 4!a21!c
    {"PT", 25, "nnnnnnnnnnnnnnnnnnnnn"},  // 4!n4!n11!n2!n
    {"QA", 29, "aaaaccccccccccccccccccccc"},  // 4!a21!c
    {"RO", 24, "aaaacccccccccccccccc"},  // 4!a16!c
    {"RS", 22, "nnnnnnnnnnnnnnnnnn"},  // 3!n13!n2!n
    {"RU", 33, "nnnnnnnnnnnnnnccccccccccccccc"},  // 9!n5!n15!c
    {"SA", 24, "nncccccccccccccccccc"},  // 2!n18!c
    {"SC", 31, "aaaannnnnnnnnnnnnnnnnnnnaaa"},  // 4!a2!n2!n16!n3!a
    {"SD", 18, "nnnnnnnnnnnnnn"},  // 2!n12!n
    {"SE", 24, "nnnnnnnnnnnnnnnnnnnn"},  // 3!n16!n1!n
    {"SI", 19, "nnnnnnnnnnnnnnn"},  // 5!n8!n2!n
    {"SK", 24, "nnnnnnnnnnnnnnnnnnnn"},  // 4!n6!n10!n
    {"SM", 27, "annnnnnnnnncccccccccccc"},  // 1!a5!n5!n12!c
    {"ST", 25, "nnnnnnnnnnnnnnnnnnnnn"},  // 4!n4!n11!n2!n
    {"SV", 28, "aaaannnnnnnnnnnnnnnnnnnn"},  // 4!a20!n
    {"TL", 23, "nnnnnnnnnnnnnnnnnnn"},  // 3!n14!n2!n
    {"TN", 24, "nnnnnnnnnnnnnnnnnnnn"},  // 2!n3!n13!n2!n
    {"TR", 26, "nnnnnncccccccccccccccc"},  // 5!n1!n16!c
    {"UA", 29, "nnnnnnccccccccccccccccccc"},  // 6!n19!c
    {"VA", 22, "nnnnnnnnnnnnnnnnnn"},  // 3!n15!n
    {"VG", 24, "aaaannnnnnnnnnnnnnnn"},  // 4!a16!n
    {"XK", 20, "nnnnnnnnnnnnnnnn"},  // 4!n10!n2!n
};

}  // namespace

std::span<const IbanCountry> IbanRegistry() { return kCountries; }

}  // namespace ferrino
