// What a whole number says of itself (NumberKind::Details), which kinds take
// a number (RightKinds), and what the session adds to its verdict with them.
// Published numbers, with their facts from public registers and, where it
// knows them, python3-stdnum (VAT numbers, ISBN forms, ISSN, UPC-E).
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "common/DataSets.h"
#include "common/Kind.h"
#include "common/Session.h"
#include "common/WhichKind.h"
#include "insee/InseeDetails.h"
#include "vin/VinDetails.h"

namespace ferrino {
namespace {

using Facts = std::vector<std::pair<std::string, std::string>>;

// Every expected fact is among the details, label and value.
void ExpectFacts(const std::vector<Detail>& details, const Facts& facts, const std::string& context) {
    for (const auto& [label, value] : facts) {
        const auto found = std::find_if(details.begin(), details.end(), [&](const Detail& d) { return d.label == label; });
        if (found == details.end()) {
            ADD_FAILURE() << context << ": no " << label;
            continue;
        }
        EXPECT_EQ(found->value, value) << context << ": " << label;
    }
}

TEST(Details, InseeNumbersByYear) {
    struct Case {
        const char* number;
        int thisYear;
        Facts facts;
    };
    const Case cases[] = {
        {"185057800608491", 2026, {{"Sexe", "homme"}, {"Né(e) en", "mai 1985"}, {"Département", "Yvelines (78)"}, {"Commune", "Adainville (78006)"}}},
        {"210012A00408412", 2026, {{"Sexe", "femme"}, {"Né(e) en", "janvier 2010 ou 1910"}, {"Département", "Corse-du-Sud (2A)"}, {"Commune", "Ajaccio (2A004)"}}},
        {"210012A00408412", 2009, {{"Né(e) en", "janvier 1910"}}},
        {"785206938300112", 2026, {{"Sexe", "homme (numéro provisoire)"}, {"Né(e) en", "1985, mois inconnu (20)"}, {"Commune", "Lyon 3e Arrondissement (69383)"}}},
        {"885329741100112", 2026, {{"Sexe", "femme (numéro provisoire)"}, {"Département", "La Réunion (974)"}, {"Commune", "Saint-Denis (97411)"}}},
        {"160019910912345", 2026, {{"Pays de naissance", "Allemagne"}}},
        {"160019913212345", 2026, {{"Pays de naissance", "Royaume-Uni"}}},
        {"170010134012345", 2026, {{"Commune", "Saint-Bois (commune déléguée d'Arboys en Bugey) (01340)"}}},
        {"170010228512345", 2026, {{"Commune", "Escaufourt (commune associée de Saint-Souplet) (02285)"}}},
        {"170012000412345", 2026, {{"Département", "Corse (20, avant 1976)"}, {"Commune", "ancien code, aujourd'hui Ajaccio (20004)"}}},
        {"170017599912345", 2026, {{"Département", "Paris (75)"}, {"Commune", "code 75999 inconnu"}}},
    };
    for (const Case& c : cases) ExpectFacts(InseeDetails(c.number, c.thisYear), c.facts, c.number);
}

TEST(Details, VinModelYears) {
    struct Case {
        const char* vin;
        int thisYear;
        std::vector<int> years;
    };
    const Case cases[] = {
        {"1M8GDM9AXKP042788", 2026, {1989}},  // North America, a digit in position 7
        {"1HGCM82633A004352", 2026, {2003}},
        {"5YJ3E1EA7KF317000", 2026, {2019}},  // a letter in position 7: from 2010
        {"WVWZZZ1JZ3W386752", 2026, {2003}},  // 2033 lies beyond next year
        {"VF1RFB00XJ5177542", 2026, {2018, 1988}},
        {"VF1RFB00XJ5177542", 2016, {1988}},
        {"VF1RFB00X05177542", 2026, {}},  // 0 codes no year
    };
    for (const Case& c : cases) EXPECT_EQ(VinModelYears(c.vin, c.thisYear), c.years) << c.vin << " " << c.thisYear;
}

// A published number per row, through its kind, with facts it must give.
TEST(Details, PublishedNumbers) {
    struct Case {
        const char* kind;
        int codeType;
        const char* number;
        Facts facts;
        bool right = true;
    };
    const Case cases[] = {
        {"rib", 0, "30006 00001 12345678901 89",
         {{"Banque", "30006"}, {"Guichet", "00001"}, {"Compte", "12345678901"}, {"Clé RIB", "89"},
          {"BIC probable", "AGRIFRPP"}, {"IBAN", "FR76 3000 6000 0112 3456 7890 189"}}},
        {"iban", 0, "FR76 3000 6000 0112 3456 7890 189",
         {{"Pays", "France (FR)"}, {"SEPA", "oui"}, {"RIB", "30006 00001 12345678901 89"}, {"BIC probable", "AGRIFRPP"}}},
        {"iban", 0, "DE89 3704 0044 0532 0130 00",
         {{"Pays", "Allemagne (DE)"}, {"SEPA", "oui"}, {"Banque", "37040044"}, {"Compte", "0532013000"}}},
        {"iban", 0, "GB29 NWBK 6016 1331 9268 19",
         {{"Pays", "Royaume-Uni (GB)"}, {"Banque", "NWBK"}, {"Guichet", "601613"}, {"Compte", "31926819"}}},
        {"iban", 0, "IT60 X054 2811 1010 0000 0123 456",
         {{"Pays", "Italie (IT)"}, {"CIN", "X"}, {"Banque", "05428"}, {"Guichet", "11101"}, {"Compte", "000000123456"}}},
        {"iban", 0, "ES91 2100 0418 4502 0005 1332",
         {{"Banque", "2100"}, {"Guichet", "0418"}, {"Clé nationale", "45"}, {"Compte", "0200051332"}}},
        {"iban", 0, "CH93 0076 2011 6238 5295 7", {{"Pays", "Suisse (CH)"}, {"SEPA", "oui"}, {"Banque", "00762"}}},
        {"iban", 0, "SA03 8000 0000 6080 1016 7519", {{"Pays", "Arabie saoudite (SA)"}, {"SEPA", "non"}}},
        // Whole but wrong: the parts still say things.
        {"iban", 0, "GF76 3000 6000 0112 3456 7890 189", {{"Pays", "GUYANE FRAN\u00c7AISE (GF), sans IBAN"}}, false},
        {"iban", 0, "XX76 3000 6000 0112 3456 7890 189", {{"Pays", "XX, sans IBAN"}}, false},
        {"rib", 0, "30006 00001 12345678901 88", {{"Banque", "30006"}, {"BIC probable", "AGRIFRPP"}}, false},
        {"siren", 0, "217500016", {{"TVA intracommunautaire", "FR72217500016"}, {"Commune", "Paris (75056)"}}},
        {"siren", 0, "303265045", {{"TVA intracommunautaire", "FR40303265045"}}},
        {"siren", 0, "356000000", {{"TVA intracommunautaire", "FR39356000000"}, {"Entreprise", "La Poste"}}},
        {"siret", 0, "73282932000074",
         {{"SIREN", "732 829 320"}, {"Établissement", "0007"}, {"TVA intracommunautaire", "FR44732829320"}}},
        {"isbn", 0, "2-07-036822-X", {{"Groupe", "978-2 : pays de langue française"}, {"ISBN-13", "978-2-07-036822-8"}}},
        {"isbn", 0, "978-2-07-036822-8", {{"ISBN-10", "2-07-036822-X"}}},
        {"isbn", 0, "978-3-16-148410-0", {{"Groupe", "978-3 : pays de langue allemande"}, {"ISBN-10", "3-16-148410-X"}}},
        {"ean", 1, "9770317847001", {{"Préfixe GS1", "977 : Publications en série (ISSN)"}, {"ISSN", "0317-8471"}}},
        {"ean", 1, "9782070368228", {{"ISBN", "978-2-07-036822-8"}}},
        {"ean", 1, "4006381333931", {{"Type de code", "EAN 13"}, {"Préfixe GS1", "400 : GS1 Allemagne"}}},
        {"ean", 4, "04252614", {{"Type de code", "UPC-E"}, {"UPC-A", "0 42100 005264"}}},
        {"ean", 4, "92345670", {{"Type de code", "UPC-E"}}, false},  // no UPC-A: system 9 abridges none
        {"carte", 0, "4970 1012 3456 7893", {{"Réseau", "Visa"}}},
        {"carte", 0, "3782 822463 10005", {{"Réseau", "American Express"}}},
        {"carte", 0, "5555 5555 5555 4444", {{"Réseau", "Mastercard"}}},
        {"sin", 0, "046 454 286", {{"Province", "aucune (0)"}}},
        {"vin", 0, "WVWZZZ1JZ3W386752",
         {{"Constructeur", "Volkswagen"}, {"Pays", "Allemagne"}, {"Clé de contrôle", "facultative hors Amérique du Nord et Chine"}}},
        {"vin", 0, "1M8GDM9AXKP042788", {{"Clé de contrôle", "obligatoire (Amérique du Nord)"}}},
        {"prof", 0, "75 1 12345 6", {{"Département", "Paris (75)"}, {"Numéro d'inscription", "12345"}}},
        {"avs", 0, "756.9217.0769.85", {{"Code pays", "756 (Suisse)"}, {"Numéro personnel", "921707698"}}},
        {"cip", 0, "123456 2", {{"Code CIP/ACL", "123456"}}},
    };
    for (const Case& c : cases) {
        const auto kind = MakeKind(c.kind, c.codeType);
        EXPECT_EQ(kind->IsRightText(c.number), c.right) << c.number;
        ExpectFacts(kind->Details(kind->ReadText(c.number)), c.facts, c.number);
    }
}

// What a wrong number does not say: the IBAN of a wrong RIB, the VAT number of a wrong SIREN.
TEST(Details, NothingDerivedFromAWrongNumber) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"rib", 0, "30006 00001 12345678901 88"}, {"siren", 0, "303265046"}, {"siret", 0, "30326504600019"}, {"ean", 4, "92345670"}};
    for (const auto& [name, codeType, number] : cases) {
        const auto kind = MakeKind(name, codeType);
        for (const Detail& detail : kind->Details(kind->ReadText(number)))
            EXPECT_TRUE(detail.label != "IBAN" && detail.label != "TVA intracommunautaire" && detail.label != "UPC-A")
                << number << " " << detail.label;
    }
}

// Nothing is said of a number that is not whole, whatever its kind.
TEST(Details, NothingOfANumberNotWhole) {
    for (std::string_view name : KindNames()) {
        const auto kind = MakeKind(name);
        for (const char* text : {"", "12?4", "??????????????????"})
            EXPECT_TRUE(kind->Details(kind->ReadText(text)).empty()) << name << " " << text;
    }
}

// A VIN's check digit must compute only for North America and China.
TEST(Details, VinVerdictByRegion) {
    struct Case {
        const char* vin;
        bool right;
        const char* said;
    };
    const Case cases[] = {
        {"WVWZZZ1JZ3W386752", true, "Clé non conforme (facultative hors Amérique du Nord et Chine)."},
        {"VF1RFB00157177542", true, "Clé non conforme (facultative hors Amérique du Nord et Chine)."},
        {"WVWZZZ1JZ3W38675O", false,
         "Clé non conforme (facultative hors Amérique du Nord et Chine). Un VIN ne contient ni I, ni O, ni Q."},
        {"1M8GDM9A3KP042788", false, "Clé erronée : 3 saisie, X attendue."},
        {"LSGPC54U0BF123456", false, "Clé erronée : 0 saisie, 3 attendue."},
    };
    const auto vin = MakeKind("vin");
    for (const Case& c : cases) {
        const Verdict verdict = vin->Check(vin->ReadText(c.vin));
        EXPECT_EQ(vin->IsRightText(c.vin), c.right) << c.vin;
        EXPECT_EQ(VerdictText(verdict), c.said) << c.vin;
        EXPECT_EQ(verdict.FirstCause().empty(), c.right) << c.vin;
    }
}

TEST(WhichKind, EveryKindThatTakesANumber) {
    struct Case {
        const char* text;
        std::vector<std::string> kinds;  // name, and for "ean" its noun
    };
    const Case cases[] = {
        {"732 829 320", {"prof", "siren", "sin"}},  // a nine-digit Luhn number
        {"978-2-07-036822-8", {"isbn", "un code EAN 13"}},
        {"FR76 3000 6000 0112 3456 7890 189", {"iban"}},
        {"30006 00001 12345678901 89", {"rib"}},
        {"73282932000074", {"siret"}},
        {"4970 1012 3456 7893", {"carte"}},
        {"WVWZZZ1JZ3W386752", {"vin"}},
        {"12344", {"luhn"}},  // no kind but the Luhn number of any length
        {"12345", {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> got;
        for (const KindMatch& match : RightKinds(c.text)) {
            got.push_back(match.name == "ean" ? std::string(match.noun) : std::string(match.name));
            EXPECT_TRUE(MakeKind(match.name, match.codeType)->IsRightText(c.text)) << c.text << " " << match.name;
        }
        EXPECT_EQ(got, c.kinds) << c.text;
    }
}

// Every kind has its words: RightKinds lists a right number of any kind.
TEST(WhichKind, EveryKindIsNamed) {
    const std::pair<const char*, const char*> samples[] = {
        {"insee", "1 85 05 78 006 084 91"}, {"rib", "30006 00001 12345678901 89"}, {"iban", "DE89370400440532013000"},
        {"prof", "75 1 12345 6"},          {"avs", "756.9217.0769.85"},         {"isbn", "2-07-036822-X"},
        {"carte", "4970101234567893"},      {"siren", "303265045"},             {"siret", "73282932000074"},
        {"ean", "4006381333931"},           {"sin", "046454286"},               {"vin", "1M8GDM9AXKP042788"},
        {"cip", "123456 2"},                {"luhn", "79927398713"},
    };
    ASSERT_EQ(std::size(samples), KindNames().size());
    for (const auto& [name, number] : samples) {
        const std::vector<KindMatch> matches = RightKinds(number);
        EXPECT_TRUE(std::any_of(matches.begin(), matches.end(), [&](const KindMatch& m) { return m.name == name; }))
            << name << " " << number;
    }
}

// "Calcule" on a page: the verdict line, the fields it leaves, the details.
TEST(SessionDetails, CalculeSaysWhatTheNumberIs) {
    struct Case {
        const char* kind;
        Fields typed;
        const char* said;
        Fields fields;
        bool details;
    };
    const Case cases[] = {
        {"siren", {"73282932000074"},
         "Clé correcte. Chiffres en trop ignorés : 14 saisis, 9 attendus. C'est un SIRET valide : page SIRET.",
         {"732 829 320"}, true},
        {"siren", {"FR40303265045"}, "Numéro de TVA intracommunautaire : SIREN 303 265 045. Clé correcte.", {"303 265 045"}, true},
        {"siren", {"fr 41 303 265 045"},
         "Numéro de TVA intracommunautaire : SIREN 303 265 045. Clé TVA erronée : 41 saisie, 40 attendue. Clé correcte.",
         {"303 265 045"}, true},
        {"isbn", {"4006381333931"},
         "Clé erronée : 3 saisie, 6 attendue. Caractères en trop ignorés : 13 saisis, 10 attendus. "
         "C'est un code EAN 13 valide : page Codes EAN.",
         {"4-00-638133-6"}, true},
        {"ean", {"9782070368228"}, "Clé correcte.", {"9 782070 368228"}, true},
        // A Luhn number no network issues is named no card.
        {"insee", {"1850578006084911"}, "Clé correcte. Caractères en trop ignorés : 16 saisis, 15 attendus.",
         {"1 85 05 78 006 084 91"}, true},
        {"siren", {"4970 1012 3456 7893"},
         "Clé erronée : 3 saisie, 4 attendue. Chiffres en trop ignorés : 16 saisis, 9 attendus. "
         "C'est un numéro de carte bancaire valide : page Cartes bancaires.",
         {"497 010 124"}, true},
        {"vin", {"W", "V", "W", "ZZZ1J", "Z", "3", "W", "386752"},
         "Clé non conforme (facultative hors Amérique du Nord et Chine).",
         {"W", "V", "W", "ZZZ1J", "Z", "3", "W", "386752"}, true},
        {"siren", {"303 265 04?"}, "Clé calculée : 5.", {"303 265 045"}, true},
        {"siren", {"303 2?5 045"}, "", {"303 2?5 045"}, false},
    };
    for (const Case& c : cases) {
        const auto kind = MakeKind(c.kind);
        Session session;
        const SessionStep step = session.Calcule(*kind, c.typed);
        EXPECT_EQ(step.said, c.said) << c.typed[0];
        EXPECT_EQ(step.fields, c.fields) << c.typed[0];
        EXPECT_EQ(!step.details.empty(), c.details) << c.typed[0];
    }
}

// A session that tells nothing more (the command line's) keeps the verdict bare.
TEST(SessionDetails, QuietSessionSaysOnlyTheVerdict) {
    const auto siren = MakeKind("siren");
    const SessionStep step = Session(false).Calcule(*siren, {"73282932000074"});
    EXPECT_EQ(step.said, "Clé correcte. Chiffres en trop ignorés : 14 saisis, 9 attendus.");
    EXPECT_TRUE(step.details.empty());
}

// The help page lists every table of reference data with its edition.
TEST(Details, HelpPageNamesEveryDataSet) {
    std::ifstream file(std::string(FERRINO_SOURCE_DIR) + "/resources/Aide.htm");
    std::ostringstream page;
    page << file.rdbuf();
    ASSERT_FALSE(page.str().empty());
    for (const DataSet& set : DataSets()) {
        EXPECT_NE(page.str().find("<th>" + std::string(set.name) + "</th>"), std::string::npos) << set.name;
        EXPECT_NE(page.str().find("<td>" + std::string(set.edition) + "</td>"), std::string::npos) << set.edition;
    }
}

}  // namespace
}  // namespace ferrino
