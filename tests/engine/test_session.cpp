// The session of a page: what "Calcule" and the typing-error search (F3) do
// with the fields as typed, and the verdict line every face writes after
// them, for every page and every outcome. The window, ferrino-cli and the
// browser page only show these answers; their own tests check that they do.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/Session.h"

using namespace ferrino;

namespace {

const std::string kHint = " F3 : chercher les fautes de frappe.";
const std::string kNothingToCorrect = "Clé correcte : aucune faute de frappe à corriger.";
const std::string kNotWhole = "Pour chercher les fautes de frappe, saisissez le numéro entier, clé comprise.";
const std::string kFound = " (un caractère changé ou deux voisins échangés).";

enum Action { kCalcule, kTypos };

struct Case {
    const char* kind;
    int codeType;
    Action action;
    const char* typed;  // as one text, spread over the page's fields by the kind's Split
    StepOutcome outcome;
    const char* shown;  // the fields after the step, joined by "|"
    std::string said;   // the verdict line once the step's search has ended
    std::size_t rows;   // rows listed
};

std::string Joined(const Fields& fields) {
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i) text += (i ? "|" : "") + fields[i];
    return text;
}

struct Done {
    SessionStep step;
    std::vector<std::string> rows;
    std::string said;
};

// The step, its search run to the end, and the verdict line.
Done Step(Session& session, const NumberKind& kind, Action action, const Fields& typed, const Fields& shown) {
    Done done;
    done.step = action == kCalcule ? session.Calcule(kind, typed) : session.Corrections(kind, shown, typed);
    RowStore rows;
    SearchPump pump([] { return false; });
    EXPECT_TRUE(Session::Search(kind, done.step, rows, pump));
    for (std::size_t i = 0; i < rows.Size(); ++i) done.rows.emplace_back(rows.Row(i));
    done.said = Session::Said(done.step, rows.Size(), false);
    return done;
}

// Published numbers where the kind has them (python-stdnum's examples and
// the registries'), each with its key changed, cut off or unknown.
const std::vector<Case> kCases = {
    {"insee", 1, kCalcule, "2 95 10 99 126 111 93", StepOutcome::Completed, "2 95 10 99 126 111 93", "Clé correcte.", 0},
    {"insee", 1, kCalcule, "185057800608436", StepOutcome::Completed, "1 85 05 78 006 084 91",
     "Clé erronée : 36 saisie, 91 attendue." + kHint, 0},
    {"insee", 1, kCalcule, "2 53 07 2B 073 004", StepOutcome::Completed, "2 53 07 2B 073 004 70", "Clé calculée : 70.", 0},
    {"insee", 1, kCalcule, "1 85 05 78 006 0?4", StepOutcome::Searches, "1 85 05 78 006 0?4", "10 candidats.", 10},
    {"insee", 1, kCalcule, "1850578006?8491", StepOutcome::Searches, "1 85 05 78 006 ?84 91", "1 candidat.", 1},
    {"insee", 1, kCalcule, "185057800", StepOutcome::Searches, "1 85 05 78 00", "10\u202F000 candidats.", 10000},
    {"insee", 1, kCalcule, "18505780", StepOutcome::TooMany, "1 85 05 78 0", "Trop de caractères inconnus (5) : 4 au plus.", 0},
    {"insee", 1, kTypos, "1 85 05 78 006 084 19", StepOutcome::Corrects, "1 85 05 78 006 084 19", "3 corrections possibles" + kFound, 3},
    {"insee", 1, kTypos, "2 95 10 99 126 111 93", StepOutcome::AlreadyRight, "2 95 10 99 126 111 93", kNothingToCorrect, 0},
    {"insee", 1, kTypos, "1 85 05 78 006 084", StepOutcome::NotWhole, "1 85 05 78 006 084", kNotWhole, 0},
    {"insee", 1, kTypos, "1850578006?8491", StepOutcome::NotWhole, "1 85 05 78 006 ?84 91", kNotWhole, 0},
    {"insee", 1, kTypos, "18505780060849", StepOutcome::NotWhole, "1 85 05 78 006 084 9", kNotWhole, 0},  // half a key

    {"rib", 1, kCalcule, "30002 00550 0000157845Z 02", StepOutcome::Completed, "30002 00550 0000157845Z 02", "Clé correcte.", 0},
    {"rib", 1, kCalcule, "30002 00550 0000157845Z 20", StepOutcome::Completed, "30002 00550 0000157845Z 02",
     "Clé erronée : 20 saisie, 02 attendue." + kHint, 0},
    {"rib", 1, kCalcule, "30002 00550 0000157845Z", StepOutcome::Completed, "30002 00550 0000157845Z 02", "Clé calculée : 02.", 0},
    // An account character may be a letter: 9, and the three letters worth 9 (I, R, Z).
    {"rib", 1, kCalcule, "30002 00550 0000157845? 02", StepOutcome::Searches, "30002 00550 0000157845? 02", "4 candidats.", 4},
    {"rib", 1, kCalcule, "30002 00550 00001", StepOutcome::TooMany, "30002 00550 00001", "Trop de caractères inconnus (6) : 4 au plus.", 0},
    {"rib", 1, kTypos, "30002 00550 0000157845Z 20", StepOutcome::Corrects, "30002 00550 0000157845Z 20", "10 corrections possibles" + kFound, 10},
    {"rib", 1, kTypos, "30002 00550 0000157845Z 02", StepOutcome::AlreadyRight, "30002 00550 0000157845Z 02", kNothingToCorrect, 0},
    {"rib", 1, kTypos, "30002 00550 0000157845Z", StepOutcome::NotWhole, "30002 00550 0000157845Z", kNotWhole, 0},

    {"iban", 1, kCalcule, "GB29 NWBK 6016 1331 9268 19", StepOutcome::Completed, "GB|29|NWBK 6016 1331 9268 19 ",
     "Clé correcte. Longueur : 22 caractères, conforme pour GB.", 0},
    {"iban", 1, kCalcule, "FR76 3000 6000 0112 3456 7890 189", StepOutcome::Completed, "FR|76|3000 6000 0112 3456 7890 189 ",
     "Clé correcte. Longueur : 27 caractères, conforme pour FR. Clé RIB correcte.", 0},
    {"iban", 1, kCalcule, "GB92 NWBK 6016 1331 9268 19", StepOutcome::Completed, "GB|29|NWBK 6016 1331 9268 19 ",
     "Clé erronée : 92 saisie, 29 attendue. Longueur : 22 caractères, conforme pour GB." + kHint, 0},
    // The IBAN's key is right, the RIB's inside it is not: no key to write, the verdict says which.
    {"iban", 1, kCalcule, "FR54 3000 6000 0112 3456 7890 100", StepOutcome::Completed, "FR|54|3000 6000 0112 3456 7890 100 ",
     "Clé correcte. Longueur : 27 caractères, conforme pour FR. Clé RIB erronée : 00 saisie, 89 attendue. F3 : chercher les fautes de frappe.", 0},
    {"iban", 1, kCalcule, "GB?? NWBK 6016 1331 9268 19", StepOutcome::Completed, "GB|29|NWBK 6016 1331 9268 19 ",
     "Clé calculée : 29. Longueur : 22 caractères, conforme pour GB.", 0},
    {"iban", 1, kCalcule, "GB?? NWBK 6016 1331 9268 1?", StepOutcome::Searches, "GB|??|NWBK 6016 1331 9268 1? ", "10 candidats.", 10},
    // No completion can pass: the search lists nothing and says why.
    {"iban", 1, kCalcule, "FR76 3000 6000 0112 3456 7890 18??", StepOutcome::Searches, "FR|76|3000 6000 0112 3456 7890 18?? ",
     "Aucun candidat. Longueur : 28 caractères, 27 attendus pour FR.", 0},
    {"iban", 1, kCalcule, "FR76 3O00 6000 0112 3456 7890 18?", StepOutcome::Searches, "FR|76|3O00 6000 0112 3456 7890 18? ",
     "Aucun candidat. Caractère 2 du BBAN : O saisi, chiffre attendu pour FR.", 0},
    {"iban", 1, kCalcule, "GB29 NWBK 6016 1??? ??68 19", StepOutcome::TooMany, "GB|29|NWBK 6016 1??? ??68 19 ",
     "Trop de caractères inconnus (5) : 4 au plus.", 0},
    {"iban", 1, kTypos, "DE99 3704 0044 0532 0130 00", StepOutcome::Corrects, "DE|99|3704 0044 0532 0130 00 ",
     "1 correction possible" + kFound, 1},
    {"iban", 1, kTypos, "DE89 3704 0044 0532 0130 00", StepOutcome::AlreadyRight, "DE|89|3704 0044 0532 0130 00 ", kNothingToCorrect, 0},
    {"iban", 1, kTypos, "DE?9 3704 0044 0532 0130 00", StepOutcome::NotWhole, "DE|?9|3704 0044 0532 0130 00 ", kNotWhole, 0},

    {"prof", 1, kCalcule, "75 1 12345 6", StepOutcome::Completed, "75 1 12345 6", "Clé correcte.", 0},
    {"prof", 1, kCalcule, "75 1 12345 0", StepOutcome::Completed, "75 1 12345 6", "Clé erronée : 0 saisie, 6 attendue." + kHint, 0},
    {"prof", 1, kCalcule, "2A 1 23456", StepOutcome::Completed, "2A 1 23456 2", "Clé calculée : 2.", 0},
    {"prof", 1, kCalcule, "2? 1 12345", StepOutcome::Searches, "2? 1 12345", "12 candidats.", 12},
    {"prof", 1, kCalcule, "751", StepOutcome::TooMany, "75 1", "Trop de caractères inconnus (5) : 4 au plus.", 0},
    {"prof", 1, kTypos, "75 1 12345 0", StepOutcome::Corrects, "75 1 12345 0", "9 corrections possibles" + kFound, 9},
    {"prof", 1, kTypos, "75 1 12345 6", StepOutcome::AlreadyRight, "75 1 12345 6", kNothingToCorrect, 0},
    {"prof", 1, kTypos, "75 1 1234? 6", StepOutcome::NotWhole, "75 1 1234? 6", kNotWhole, 0},

    {"avs", 1, kCalcule, "756.9217.0769.85", StepOutcome::Completed, "756.9217.0769.85", "Clé correcte.", 0},
    {"avs", 1, kCalcule, "756.9217.0769.84", StepOutcome::Completed, "756.9217.0769.85", "Clé erronée : 4 saisie, 5 attendue." + kHint, 0},
    {"avs", 1, kCalcule, "756.9217.0769.8", StepOutcome::Completed, "756.9217.0769.85", "Clé calculée : 5.", 0},
    // No check digit fits the body: the number is shown without one.
    {"avs", 1, kCalcule, "12345600055", StepOutcome::Completed, "123 45 600 05", "Aucune clé possible pour ce numéro. F3 : chercher les fautes de frappe.", 0},
    {"avs", 1, kCalcule, "756.1234.56?8.97", StepOutcome::Searches, "756.1234.56?8.97", "1 candidat.", 1},
    {"avs", 1, kCalcule, "756.1???.??78.97", StepOutcome::TooMany, "756.1???.??78.97", "Trop de caractères inconnus (5) : 4 au plus.", 0},
    {"avs", 1, kTypos, "756.9217.0769.84", StepOutcome::Corrects, "756.9217.0769.84", "10 corrections possibles" + kFound, 10},
    // Whole, though no key fits: it has corrections.
    {"avs", 1, kTypos, "12345600055", StepOutcome::Corrects, "123 45 600 055", "12 corrections possibles" + kFound, 12},
    {"avs", 1, kTypos, "756.1234.5678.97", StepOutcome::AlreadyRight, "756.1234.5678.97", kNothingToCorrect, 0},
    {"avs", 1, kTypos, "756.9217.0769.8", StepOutcome::NotWhole, "756.9217.0769.8", kNotWhole, 0},

    {"isbn", 1, kCalcule, "978-90-245-3827-0", StepOutcome::Completed, "978-90-245-3827-0", "Clé correcte.", 0},
    {"isbn", 1, kCalcule, "978-90-245-3827-1", StepOutcome::Completed, "978-90-245-3827-0", "Clé erronée : 1 saisie, 0 attendue." + kHint, 0},
    {"isbn", 1, kCalcule, "2-07-036822", StepOutcome::Completed, "2-07-036822-X", "Clé calculée : X.", 0},
    {"isbn", 1, kCalcule, "2070?6822?", StepOutcome::Searches, "2-07-0?6822", "10 candidats.", 10},
    {"isbn", 1, kCalcule, "2070", StepOutcome::TooMany, "2-07-0", "Trop de caractères inconnus (5) : 4 au plus.", 0},
    {"isbn", 1, kTypos, "978-9024538271", StepOutcome::Corrects, "978-90-245-3827-1", "10 corrections possibles" + kFound, 10},
    {"isbn", 1, kTypos, "1-85798-218-5", StepOutcome::AlreadyRight, "1-85798-218-5", kNothingToCorrect, 0},
    {"isbn", 1, kTypos, "2-07-036822", StepOutcome::NotWhole, "2-07-036822", kNotWhole, 0},

    {"carte", 1, kCalcule, "4970 1012 3456 7893", StepOutcome::Completed, "4970 1012 3456 7893", "Clé correcte.", 0},
    {"carte", 1, kCalcule, "4970 1012 3456 7890", StepOutcome::Completed, "4970 1012 3456 7893", "Clé erronée : 0 saisie, 3 attendue." + kHint, 0},
    {"carte", 1, kCalcule, "4970-1012-3456-789", StepOutcome::Completed, "4970 1012 3456 7893", "Clé calculée : 3.", 0},
    {"carte", 1, kCalcule, "49701012345678", StepOutcome::Searches, "4970 1012 3456 78", "10 candidats.", 10},
    {"carte", 1, kCalcule, "4970101234", StepOutcome::TooMany, "4970 1012 34", "Trop de caractères inconnus (5) : 4 au plus.", 0},
    {"carte", 1, kTypos, "3782 8224 6310 006", StepOutcome::Corrects, "3782 822463 10006", "13 corrections possibles" + kFound, 13},
    {"carte", 1, kTypos, "3782 8224 6310 005", StepOutcome::AlreadyRight, "3782 822463 10005", kNothingToCorrect, 0},
    {"carte", 1, kTypos, "3782 8224 6310 0?5", StepOutcome::NotWhole, "3782 822463 100?5", kNotWhole, 0},

    {"siren", 1, kCalcule, "404833048", StepOutcome::Completed, "404 833 048", "Clé correcte.", 0},
    {"siren", 1, kCalcule, "404833047", StepOutcome::Completed, "404 833 048", "Clé erronée : 7 saisie, 8 attendue." + kHint, 0},
    {"siren", 1, kCalcule, "40483304", StepOutcome::Completed, "404 833 048", "Clé calculée : 8.", 0},
    // The field keeps nine digits of a SIRET; the verdict says what it dropped.
    {"siren", 1, kCalcule, "73282932000074", StepOutcome::Completed, "732 829 320",
     "Clé correcte. Chiffres en trop ignorés : 14 saisis, 9 attendus. C'est un SIRET valide : page SIRET.", 0},
    // A VAT number (python-stdnum's FR 40 303 265 045) is read as its SIREN, by F3 too.
    {"siren", 1, kCalcule, "FR40303265045", StepOutcome::Completed, "303 265 045",
     "Numéro de TVA intracommunautaire : SIREN 303 265 045. Clé correcte.", 0},
    {"siren", 1, kTypos, "FR40303265045", StepOutcome::AlreadyRight, "303 265 045", kNothingToCorrect, 0},
    {"siren", 1, kCalcule, "4048330?8", StepOutcome::Searches, "404 833 0?8", "1 candidat.", 1},
    {"siren", 1, kCalcule, "404", StepOutcome::TooMany, "404", "Trop de caractères inconnus (5) : 4 au plus.", 0},
    {"siren", 1, kTypos, "404833047", StepOutcome::Corrects, "404 833 047", "9 corrections possibles" + kFound, 9},
    // Typed beyond its length: no slip of one character is looked for.
    {"siren", 1, kTypos, "3025691401", StepOutcome::Corrects, "302 569 140", "Aucune correction à une faute de frappe.", 0},
    {"siren", 1, kTypos, "552 008 443", StepOutcome::AlreadyRight, "552 008 443", kNothingToCorrect, 0},
    {"siren", 1, kTypos, "4048330?8", StepOutcome::NotWhole, "404 833 0?8", kNotWhole, 0},

    {"siret", 1, kCalcule, "73282932000074", StepOutcome::Completed, "732829320 0007 4", "Clé correcte.", 0},
    {"siret", 1, kCalcule, "73282932000079", StepOutcome::Completed, "732829320 0007 4", "Clé erronée : 9 saisie, 4 attendue." + kHint, 0},
    {"siret", 1, kCalcule, "7328293200007", StepOutcome::Completed, "732829320 0007 4", "Clé calculée : 4.", 0},
    {"siret", 1, kCalcule, "732829320000?4", StepOutcome::Searches, "732829320 000? 4", "1 candidat.", 1},
    // La Poste: two keys fit every establishment, and the list shows both; the
    // verdict is the key's, as for a number of one key.
    {"siret", 1, kCalcule, "356000000 4983", StepOutcome::Searches, "356000000 4983", "Clé calculée : 2 ou 7.", 2},
    {"siret", 1, kCalcule, "356000000 4983 3", StepOutcome::Searches, "356000000 4983 3",
     "Clé erronée : 3 saisie, 2 ou 7 attendue." + kHint, 2},
    {"siret", 1, kCalcule, "356 000 000 49837", StepOutcome::Searches, "356000000 4983 7", "Clé correcte.", 2},
    {"siret", 1, kCalcule, "73282932", StepOutcome::TooMany, "73282932", "Trop de caractères inconnus (5) : 4 au plus.", 0},
    {"siret", 1, kTypos, "73282932000079", StepOutcome::Corrects, "732829320 0007 9", "4 corrections possibles" + kFound, 4},
    {"siret", 1, kTypos, "356 000 000 49837", StepOutcome::AlreadyRight, "356000000 4983 7", kNothingToCorrect, 0},
    {"siret", 1, kTypos, "7328293200007", StepOutcome::NotWhole, "732829320 0007", kNotWhole, 0},

    {"ean", 1, kCalcule, "4006381333931", StepOutcome::Completed, "4 006381 333931", "Clé correcte.", 0},
    {"ean", 1, kCalcule, "4006381333932", StepOutcome::Completed, "4 006381 333931", "Clé erronée : 2 saisie, 1 attendue." + kHint, 0},
    {"ean", 1, kCalcule, "400638133393", StepOutcome::Completed, "4 006381 333931", "Clé calculée : 1.", 0},
    {"ean", 1, kCalcule, "40063813339?1", StepOutcome::Searches, "4 006381 3339?1", "1 candidat.", 1},
    {"ean", 1, kCalcule, "4006381", StepOutcome::TooMany, "4 006381", "Trop de caractères inconnus (5) : 4 au plus.", 0},
    {"ean", 1, kTypos, "4006381333932", StepOutcome::Corrects, "4 006381 333932", "13 corrections possibles" + kFound, 13},
    {"ean", 1, kTypos, "4006381333931", StepOutcome::AlreadyRight, "4 006381 333931", kNothingToCorrect, 0},
    {"ean", 1, kTypos, "400638133393", StepOutcome::NotWhole, "4 006381 33393", kNotWhole, 0},
    // Each code type lays out its own number (EAN 8, UPC-A, UPC-C, UPC-E).
    {"ean", 0, kCalcule, "73513530", StepOutcome::Completed, "7351 3537", "Clé erronée : 0 saisie, 7 attendue." + kHint, 0},
    {"ean", 0, kCalcule, "7351?537", StepOutcome::Searches, "7351 ?537", "1 candidat.", 1},
    {"ean", 0, kTypos, "73513530", StepOutcome::Corrects, "7351 3530", "8 corrections possibles" + kFound, 8},
    {"ean", 2, kCalcule, "03600029145", StepOutcome::Completed, "0 36000 291452", "Clé calculée : 2.", 0},
    {"ean", 2, kCalcule, "036000", StepOutcome::TooMany, "0 36000", "Trop de caractères inconnus (5) : 4 au plus.", 0},
    {"ean", 2, kTypos, "036000291452", StepOutcome::AlreadyRight, "0 36000 291452", kNothingToCorrect, 0},
    {"ean", 3, kCalcule, "01234566", StepOutcome::Completed, "0 123456 5", "Clé erronée : 6 saisie, 5 attendue." + kHint, 0},
    {"ean", 3, kCalcule, "012345?5", StepOutcome::Searches, "0 12345? 5", "1 candidat.", 1},
    {"ean", 4, kCalcule, "0425261", StepOutcome::Completed, "0 425261 4", "Clé calculée : 4.", 0},
    {"ean", 4, kCalcule, "0425?614", StepOutcome::Searches, "0 425?61 4", "1 candidat.", 1},
    {"ean", 4, kTypos, "04252615", StepOutcome::Corrects, "0 425261 5", "9 corrections possibles" + kFound, 9},
    {"ean", 4, kTypos, "0425261", StepOutcome::NotWhole, "0 425261", kNotWhole, 0},

    {"sin", 1, kCalcule, "046 454 286", StepOutcome::Completed, "046 454 286", "Clé correcte.", 0},
    {"sin", 1, kCalcule, "046 454 280", StepOutcome::Completed, "046 454 286", "Clé erronée : 0 saisie, 6 attendue." + kHint, 0},
    {"sin", 1, kCalcule, "046 454 28", StepOutcome::Completed, "046 454 286", "Clé calculée : 6.", 0},
    {"sin", 1, kCalcule, "046 4?4 286", StepOutcome::Searches, "046 4?4 286", "1 candidat.", 1},
    {"sin", 1, kCalcule, "12*4", StepOutcome::TooMany, "12? 4", "Trop de caractères inconnus (5) : 4 au plus.", 0},
    {"sin", 1, kTypos, "046 454 280", StepOutcome::Corrects, "046 454 280", "10 corrections possibles" + kFound, 10},
    {"sin", 1, kTypos, "123-456-782", StepOutcome::AlreadyRight, "123 456 782", kNothingToCorrect, 0},
    {"sin", 1, kTypos, "046 454 28", StepOutcome::NotWhole, "046 454 28", kNotWhole, 0},

    {"vin", 1, kCalcule, "1M8GDM9AXKP042788", StepOutcome::Completed, "1|M|8|GDM9A|X|K|P|042788", "Clé correcte.", 0},
    {"vin", 1, kCalcule, "1M8GDM9A3KP042788", StepOutcome::Completed, "1|M|8|GDM9A|X|K|P|042788", "Clé erronée : 3 saisie, X attendue." + kHint, 0},
    {"vin", 1, kCalcule, "1M8GDM9A?KP042788", StepOutcome::Completed, "1|M|8|GDM9A|X|K|P|042788", "Clé calculée : X.", 0},
    // Outside North America and China the check digit is optional: a typed one stays.
    {"vin", 1, kCalcule, "WVWZZZ1JZ3W386752", StepOutcome::Completed, "W|V|W|ZZZ1J|Z|3|W|386752",
     "Clé non conforme (facultative hors Amérique du Nord et Chine).", 0},
    {"vin", 1, kCalcule, "WVWZZZ1J?3W386752", StepOutcome::Completed, "W|V|W|ZZZ1J|9|3|W|386752", "Clé calculée : 9.", 0},
    {"vin", 1, kCalcule, "1M8GDM9AXKP0427?8", StepOutcome::Searches, "1|M|8|GDM9A|X|K|P|0427?8", "3 candidats.", 3},
    {"vin", 1, kCalcule, "LMN12345?678", StepOutcome::TooMany, "L|M|N|12345|?|6|7|8?????", "Trop de caractères inconnus (5) : 4 au plus.", 0},
    {"vin", 1, kTypos, "1M8GDM9A3KP042788", StepOutcome::Corrects, "1|M|8|GDM9A|3|K|P|042788", "46 corrections possibles" + kFound, 46},
    {"vin", 1, kTypos, "1M8GDM9AXKP042788", StepOutcome::AlreadyRight, "1|M|8|GDM9A|X|K|P|042788", kNothingToCorrect, 0},
    {"vin", 1, kTypos, "1M8GDM9A?KP042788", StepOutcome::NotWhole, "1|M|8|GDM9A|?|K|P|042788", kNotWhole, 0},

    {"cip", 1, kCalcule, "340093 5", StepOutcome::Completed, "340093|5", "Clé correcte.", 0},
    {"cip", 1, kCalcule, "340093 9", StepOutcome::Completed, "340093|5", "Clé erronée : 9 saisie, 5 attendue." + kHint, 0},
    {"cip", 1, kCalcule, "340093", StepOutcome::Completed, "340093|5", "Clé calculée : 5.", 0},
    {"cip", 1, kCalcule, "3400?3 5", StepOutcome::Searches, "3400?3|5", "1 candidat.", 1},
    {"cip", 1, kCalcule, "12?456 8", StepOutcome::Searches, "12?456|8", "Aucun candidat.", 0},
    {"cip", 1, kCalcule, "1", StepOutcome::TooMany, "1?????|?", "Trop de caractères inconnus (5) : 4 au plus.", 0},
    {"cip", 1, kTypos, "340093 9", StepOutcome::Corrects, "340093|9", "9 corrections possibles" + kFound, 9},
    {"cip", 1, kTypos, "340093 5", StepOutcome::AlreadyRight, "340093|5", kNothingToCorrect, 0},
    {"cip", 1, kTypos, "340093", StepOutcome::NotWhole, "340093|?", kNotWhole, 0},

    {"luhn", 1, kCalcule, "7992 7398 713", StepOutcome::Completed, "7992 7398 713", "Clé correcte.", 0},
    {"luhn", 1, kCalcule, "7992 7398 710", StepOutcome::Completed, "7992 7398 713", "Clé erronée : 0 saisie, 3 attendue." + kHint, 0},
    {"luhn", 1, kCalcule, "7992 7398 71?", StepOutcome::Completed, "7992 7398 713", "Clé calculée : 3.", 0},
    {"luhn", 1, kCalcule, "7992 7398 7?3", StepOutcome::Searches, "7992 7398 7?3", "1 candidat.", 1},
    {"luhn", 1, kCalcule, "7992 ???? ?13", StepOutcome::TooMany, "7992 ???? ?13", "Trop de caractères inconnus (5) : 4 au plus.", 0},
    {"luhn", 1, kTypos, "7992 7398 710", StepOutcome::Corrects, "7992 7398 710", "11 corrections possibles" + kFound, 11},
    {"luhn", 1, kTypos, "3782 8224 6310 005", StepOutcome::AlreadyRight, "3782 8224 6310 005", kNothingToCorrect, 0},
    {"luhn", 1, kTypos, "7992 7398 7?3", StepOutcome::NotWhole, "7992 7398 7?3", kNotWhole, 0},
};

}  // namespace

TEST(Session, EveryPageAndOutcome) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.kind) + " " + std::to_string(c.codeType) + (c.action == kCalcule ? " Calcule " : " F3 ") + c.typed);
        const auto kind = MakeKind(c.kind, c.codeType);
        const Fields typed = kind->Split(c.typed);
        Session session;
        const Done done = Step(session, *kind, c.action, typed, typed);
        EXPECT_EQ(done.step.outcome, c.outcome);
        EXPECT_EQ(Joined(done.step.fields), c.shown);
        EXPECT_EQ(done.said, c.said);
        EXPECT_EQ(done.rows.size(), c.rows);
        const std::optional<InnerNumber> inner = kind->Inner(typed);  // the SIREN of a VAT number
        EXPECT_EQ(done.step.read, inner ? inner->fields : typed);
        // A step that searches nothing has its line at once; the rows of one that
        // does are right, and the page's worker, handed the outcome and the
        // fields read, lists the same.
        if (!done.step.Searches()) {
            EXPECT_EQ(done.step.said, c.said);
        }
        for (const std::string& row : done.rows) EXPECT_TRUE(kind->IsRightRow(row)) << row;
        RowStore again;
        SearchPump pump([] { return false; });
        EXPECT_TRUE(Session::Search(*kind, done.step.outcome, done.step.read, again, pump));
        EXPECT_EQ(again.Size(), c.rows);
        // Only a whole number says something of itself.
        if (c.outcome != StepOutcome::Completed && c.outcome != StepOutcome::AlreadyRight) {
            EXPECT_TRUE(done.step.details.empty());
        }
    }
    // Every page has a row of each outcome.
    for (std::string_view name : KindNames())
        for (StepOutcome outcome : {StepOutcome::Completed, StepOutcome::Searches, StepOutcome::TooMany, StepOutcome::Corrects,
                                    StepOutcome::AlreadyRight, StepOutcome::NotWhole})
            EXPECT_TRUE(std::any_of(kCases.begin(), kCases.end(), [&](const Case& c) { return c.kind == name && c.outcome == outcome; }))
                << name << " " << OutcomeName(outcome);
}

// A search stopped at its first look says so, with what it had found.
TEST(Session, StoppedSearchSaysSo) {
    for (const Case& c : kCases) {
        if (c.rows == 0) continue;
        SCOPED_TRACE(std::string(c.kind) + " " + c.typed);
        const auto kind = MakeKind(c.kind, c.codeType);
        Session session;
        const Fields typed = kind->Split(c.typed);
        const SessionStep step = c.action == kCalcule ? session.Calcule(*kind, typed) : session.Corrections(*kind, typed, typed);
        if (!step.Searches() || (c.action == kCalcule && step.verdict.key != KeyState::Unknowns)) continue;
        RowStore rows;
        SearchPump pump([] { return true; });
        EXPECT_FALSE(Session::Search(*kind, step, rows, pump));
        EXPECT_EQ(rows.Size(), 0u);
        EXPECT_EQ(Session::Said(step, rows.Size(), true),
                  c.action == kCalcule ? "Recherche interrompue : 0 candidat trouvé." : "Recherche interrompue : 0 correction trouvée.");
    }
}

// The session remembers what "Calcule" read and what it wrote: while the
// fields still show what it wrote, F3 looks for the slips of what was typed
// (the key "Calcule" wrote in is no slip of the user's); once they change,
// or once the face forgets (another page, "Effacer"), F3 works on the fields.
TEST(Session, TypingErrorsAfterCalcule) {
    struct Memory {
        const char* kind;
        const char* typed;  // before "Calcule"
        const char* edit;   // the fields then, joined by "|"; empty: as "Calcule" wrote them
        bool forget;
        StepOutcome outcome;
        std::string said;
        std::vector<const char*> someRows;
    };
    const Memory cases[] = {
        // A wrong key: "Calcule" writes the right one, F3 corrects the number typed.
        {"insee", "185057800608419", "", false, StepOutcome::Corrects, "3 corrections possibles" + kFound,
         {"1 35 05 78 006 084 19", "1 85 05 78 086 084 19", "1 85 05 78 006 084 91"}},
        {"iban", "DE99 3704 0044 0532 0130 00", "", false, StepOutcome::Corrects, "1 correction possible" + kFound,
         {"DE 89 3704 0044 0532 0130 00 "}},
        {"vin", "1M8GDM9A3KP042788", "", false, StepOutcome::Corrects, "46 corrections possibles" + kFound, {"1M8GDM9AXKP042788"}},
        // No key fits the body typed, so "Calcule" wrote none: F3 still has the key typed.
        {"avs", "12345600055", "", false, StepOutcome::Corrects, "12 corrections possibles" + kFound, {"123 45 600 505"}},
        // No key typed: the key "Calcule" wrote is right by its making and tells
        // nothing of the slips of the body. The number must be typed whole.
        {"insee", "1850578006084", "", false, StepOutcome::NotWhole, kNotWhole, {}},
        {"cip", "340093", "", false, StepOutcome::NotWhole, kNotWhole, {}},
        // A right number stays right.
        {"insee", "185057800608491", "", false, StepOutcome::AlreadyRight, kNothingToCorrect, {}},
        // A search: what was typed still has unknown characters.
        {"insee", "1 85 05 78 006 0?4 91", "", false, StepOutcome::NotWhole, kNotWhole, {}},
        // The fields changed after "Calcule": F3 works on them.
        {"insee", "185057800608419", "1 85 05 78 006 084 92", false, StepOutcome::Corrects, "3 corrections possibles" + kFound,
         {"1 85 05 78 006 084 91"}},
        {"insee", "1850578006084", "1 85 05 78 006 084 19", false, StepOutcome::Corrects, "3 corrections possibles" + kFound, {}},
        // Forgotten: the fields as they show, the key "Calcule" wrote included.
        {"insee", "185057800608419", "", true, StepOutcome::AlreadyRight, kNothingToCorrect, {}},
        {"insee", "1850578006084", "", true, StepOutcome::AlreadyRight, kNothingToCorrect, {}},
    };
    for (const Memory& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.typed + " [" + c.edit + "]" + (c.forget ? " forgotten" : ""));
        const auto kind = MakeKind(c.kind);
        Session session;
        const SessionStep calcule = session.Calcule(*kind, kind->Split(c.typed));
        if (c.forget) session.Forget();
        Fields shown = calcule.fields;
        if (*c.edit) {
            shown.clear();
            std::string_view rest = c.edit;
            for (std::size_t bar; (bar = rest.find('|')) != std::string_view::npos; rest.remove_prefix(bar + 1))
                shown.emplace_back(rest.substr(0, bar));
            shown.emplace_back(rest);
        }
        // The faces read a field that shows what "Calcule" wrote as that text.
        const Done done = Step(session, *kind, kTypos, shown, shown);
        EXPECT_EQ(done.step.outcome, c.outcome);
        EXPECT_EQ(done.said, c.said);
        for (const char* row : c.someRows) EXPECT_NE(std::find(done.rows.begin(), done.rows.end(), row), done.rows.end()) << row;
        // F3 leaves the fields as it found them, only laid out: a key "Calcule" wrote in stays.
        EXPECT_EQ(Joined(done.step.fields), Joined(*c.edit ? kind->Read(shown).fields : calcule.fields));
    }
    // The memory is of the last "Calcule" only.
    const auto insee = MakeKind("insee");
    Session session;
    session.Calcule(*insee, {"185057800608419"});
    const SessionStep second = session.Calcule(*insee, {"1850578006084"});
    EXPECT_EQ(session.Corrections(*insee, second.fields, second.fields).outcome, StepOutcome::NotWhole);
}

TEST(Session, OutcomeNames) {
    const std::pair<StepOutcome, const char*> names[] = {
        {StepOutcome::Completed, "complete"},  {StepOutcome::Searches, "incomplete"}, {StepOutcome::TooMany, "too_many"},
        {StepOutcome::Corrects, "corrections"}, {StepOutcome::AlreadyRight, "valid"}, {StepOutcome::NotWhole, "not_whole"},
    };
    for (const auto& [outcome, name] : names) EXPECT_EQ(OutcomeName(outcome), name);
    EXPECT_EQ(kTooManyMessage, "Trop de chiffres inconnus ! Calcul impossible.");
}
