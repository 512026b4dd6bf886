// The interface over every kind: the verdict's sentences, each kind's verdict,
// and the typing-error search checked against every slip of real numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/Kind.h"
#include "common/Text.h"
#include "common/Utf8.h"

using namespace ferrino;

namespace {

const std::string kNnbsp = "\xE2\x80\xAF";  // narrow no-break space

struct KindName {
    const char* name;
    int codeType = 1;
};

std::vector<std::string> Rows(const RowStore& store) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < store.Size(); ++i) out.emplace_back(store.Row(i));
    return out;
}

std::string VerdictOf(const KindName& k, std::string_view text) {
    const auto kind = MakeKind(k.name, k.codeType);
    return VerdictText(kind->Check(kind->ReadText(text)));
}

std::vector<std::string> Corrections(const NumberKind& kind, std::string_view text) {
    RowStore rows;
    SearchPump pump([] { return false; });
    EXPECT_TRUE(kind.Corrections(kind.ReadText(text), rows, pump));
    return Rows(rows);
}

// One substitution, or one swap of neighbours, turns `a` into `b`.
bool OneSlipApart(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    std::vector<std::size_t> differ;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) differ.push_back(i);
    if (differ.size() == 1) return true;
    return differ.size() == 2 && differ[1] == differ[0] + 1 && a[differ[0]] == b[differ[1]] && a[differ[1]] == b[differ[0]];
}

}  // namespace

TEST(Verdict, Sentences) {
    // French plurals begin at 2: 0 and 1 take the singular.
    const std::pair<std::string, std::string> sentences[] = {
        {FrenchCount(0), "0"},
        {FrenchCount(999), "999"},
        {FrenchCount(1000), "1" + kNnbsp + "000"},
        {FrenchCount(17100), "17" + kNnbsp + "100"},
        {FrenchCount(100000), "100" + kNnbsp + "000"},
        {FrenchCount(1167323), "1" + kNnbsp + "167" + kNnbsp + "323"},
        {SearchText(17100, false), "17" + kNnbsp + "100 candidats."},
        {SearchText(2, false), "2 candidats."},
        {SearchText(1, false), "1 candidat."},
        {SearchText(0, false), "Aucun candidat."},
        {SearchText(1167323, true), "Recherche interrompue : 1" + kNnbsp + "167" + kNnbsp + "323 candidats trouvés."},
        {SearchText(1, true), "Recherche interrompue : 1 candidat trouvé."},
        {SearchText(0, true), "Recherche interrompue : 0 candidat trouvé."},
        {CorrectionsText(3, false), "3 corrections possibles (un caractère changé ou deux voisins échangés)."},
        {CorrectionsText(1, false), "1 correction possible (un caractère changé ou deux voisins échangés)."},
        {CorrectionsText(0, false), "Aucune correction à une faute de frappe."},
        {CorrectionsText(2, true), "Recherche interrompue : 2 corrections trouvées."},
        {CorrectionsText(1, true), "Recherche interrompue : 1 correction trouvée."},
        {CorrectionsText(0, true), "Recherche interrompue : 0 correction trouvée."},
    };
    for (const auto& [made, text] : sentences) EXPECT_EQ(made, text);

    struct Case {
        std::size_t unknowns;
        std::string typed;
        std::vector<std::string> fitting;
        KeyState state;
        std::string text;
    };
    const std::vector<Case> cases = {
        {0, "91", {"91"}, KeyState::Correct, "Clé correcte."},
        {0, "36", {"91"}, KeyState::Wrong, "Clé erronée : 36 saisie, 91 attendue."},
        {0, "??", {"91"}, KeyState::Computed, "Clé calculée : 91."},
        {0, "9?", {"91"}, KeyState::Computed, "Clé calculée : 91."},
        {0, "5", {}, KeyState::None, "Aucune clé possible pour ce numéro."},
        {0, "3", {"2", "7"}, KeyState::Wrong, "Clé erronée : 3 saisie, 2 ou 7 attendue."},
        {0, "7", {"2", "7"}, KeyState::Correct, "Clé correcte."},
        {2, "91", {}, KeyState::Unknowns, ""},
        {4, "91", {}, KeyState::Unknowns, ""},  // as many as a search takes
        {5, "91", {}, KeyState::TooMany, "Trop de caractères inconnus (5) : 4 au plus."},
    };
    for (const Case& c : cases) {
        const Verdict verdict = KeyVerdict(c.unknowns, 4, c.typed, c.fitting);
        EXPECT_EQ(verdict.key, c.state) << c.typed;
        EXPECT_EQ(VerdictText(verdict), c.text) << c.typed;
        EXPECT_EQ(verdict.Valid(), c.state == KeyState::Correct) << c.typed;
    }
}

// Each kind's verdict, as the window's status bar and the command line give it.
TEST(Verdict, EveryKind) {
    struct Case {
        KindName kind;
        const char* typed;
        std::string text;
    };
    const std::vector<Case> cases = {
        {{"insee"}, "1 85 05 78 006 084 91", "Clé correcte."},
        {{"insee"}, "1 85 05 78 006 084 36", "Clé erronée : 36 saisie, 91 attendue."},
        {{"insee"}, "1850578006084", "Clé calculée : 91."},
        {{"insee"}, "18505780", "Trop de caractères inconnus (5) : 4 au plus."},
        {{"insee"}, "1 85 05 78 006 0?4", ""},
        {{"insee"}, "1 85 05 78 ??? ?84", ""},  // four unknown digits: a search, not too many
        {{"rib"}, "30006 00001 12345678901 89", "Clé correcte."},
        {{"avs"}, "12345600055", "Aucune clé possible pour ce numéro."},
        {{"avs"}, "756.1234.5678.97", "Clé correcte."},
        {{"isbn"}, "2-07-036822-8", "Clé erronée : 8 saisie, X attendue."},
        {{"siret"}, "356000000 4983 3", "Clé erronée : 3 saisie, 2 ou 7 attendue."},
        {{"siret"}, "356000000 4983", "Clé calculée : 2 ou 7."},
        {{"siret"}, "356000000 0004 8", "Clé correcte."},
        {{"siret"}, "350600000 9531 8", "Clé correcte. Clé du SIREN erronée : 0 saisie, 3 attendue."},
        {{"ean", 4}, "34252619", "Aucune clé possible pour ce numéro."},
        {{"ean", 4}, "04252614", "Clé correcte."},
        {{"vin"}, "1M8GDM9AXKP042788", "Clé correcte."},
        {{"vin"}, "1M8GDM9AXKO042788", "Clé erronée : X saisie, 5 attendue. Un VIN ne contient ni I, ni O, ni Q."},
        {{"cip"}, "123456 3", "Clé erronée : 3 saisie, 2 attendue."},
        {{"iban"}, "FR76 3000 6000 0112 3456 7890 189",
         "Clé correcte. Longueur : 27 caractères, conforme pour FR. Clé RIB correcte."},
        {{"iban"}, "FR27 3000 6000 0112 3456 7890 100",
         "Clé erronée : 27 saisie, 54 attendue. Longueur : 27 caractères, conforme pour FR. Clé RIB erronée : 00 saisie, 89 attendue."},
        {{"iban"}, "FR76 3000 6000 0112 3456 7890 18",
         "Clé erronée : 76 saisie, 13 attendue. Longueur : 26 caractères, 27 attendus pour FR."},
        {{"iban"}, "MC58 1122 2000 0101 2345 6789 030", "Clé correcte. Longueur : 27 caractères, conforme pour MC. Clé RIB correcte."},
        {{"iban"}, "GB29 NWBK 6016 1331 9268 19", "Clé correcte. Longueur : 22 caractères, conforme pour GB."},
        {{"iban"}, "XX76 3000 6000 0112 3456 7890 189", "Clé erronée : 76 saisie, 90 attendue. Pas d'IBAN pour le code pays XX."},
        // The whole number is judged: what the field dropped is named.
        {{"siren"}, "3025691401", "Clé correcte. Chiffres en trop ignorés : 10 saisis, 9 attendus."},
        {{"siren"}, "732 829 320 00074", "Clé correcte. Chiffres en trop ignorés : 14 saisis, 9 attendus."},
        {{"carte"}, "3782 8224 6310 0052", "Clé correcte. Chiffres en trop ignorés : 16 saisis, 15 attendus."},
        {{"carte"}, "4970 1012 3456 7893 4567 1", "Clé erronée : 6 saisie, 1 attendue. Chiffres en trop ignorés : 21 saisis, 19 attendus."},
        {{"rib"}, "30006 00001 12345678901 891", "Clé correcte. Caractères en trop ignorés : 24 saisis, 23 attendus."},
        {{"ean"}, "4 006381 3339310", "Clé correcte. Chiffres en trop ignorés : 14 saisis, 13 attendus."},
        {{"avs"}, "756.1234.5678.97", "Clé correcte."},
        {{"avs"}, "757.1234.5678.96", "Clé correcte. Code pays 757 : 756 attendu."},
        {{"avs"}, "123.45.678.9034", "Clé correcte. Chiffres en trop ignorés : 12 saisis, 11 attendus."},
        {{"prof"}, "0B4284804", ""},  // B after 0 is no Corsican département: unknown
    };
    for (const Case& c : cases) EXPECT_EQ(VerdictOf(c.kind, c.typed), c.text) << c.kind.name << " " << c.typed;
}

// The command line names the first fault: country, length, key, RIB key.
TEST(Verdict, FirstCause) {
    const auto iban = MakeKind("iban");
    const auto cause = [&](const char* text) { return iban->Check(iban->ReadText(text)).FirstCause(); };
    EXPECT_EQ(cause("FR76 3000 6000 0112 3456 7890 189"), "");
    EXPECT_EQ(cause("XX76 3000 6000 0112 3456 7890 1"), "pays sans IBAN");
    EXPECT_EQ(cause("FR00 3000 6000 0112 3456 7890 1"), "longueur : 27 attendus pour FR");
    EXPECT_EQ(cause("FR27 3000 6000 0112 3456 7890 100"), "clé attendue : 54");
    EXPECT_EQ(cause("FR54 3000 6000 0112 3456 7890 100"), "clé RIB");
    const auto vin = MakeKind("vin");
    EXPECT_EQ(vin->Check(vin->ReadText("1M8GDM9AXKO042788")).FirstCause(), "caractère interdit : I, O ou Q");
    EXPECT_TRUE(vin->CheckInput("1M8GDM9AXKP04278").has_value());
    EXPECT_FALSE(vin->CheckInput("1M8-GDM9AXKP-042788").has_value());

    EXPECT_TRUE(MakeKind("luhn")->CheckInput("4")->everyMode);
}

// For real numbers of every kind: every slip the key detects is found again
// by the typing-error search, and whatever that search lists is right and
// one slip away from what was typed.
TEST(Corrections, FindEverySlipOfRealNumbers) {
    struct Case {
        KindName kind;
        const char* valid;
        std::size_t fixed = 0;  // leading positions no slip touches (an IBAN's country, a current AVS number's 756)
    };
    const std::vector<Case> cases = {
        {{"insee"}, "1 85 05 78 006 084 91"},
        {{"insee"}, "2 53 07 2B 073 004 70"},
        {{"rib"}, "30002 00550 0000157845Z 02"},
        {{"iban"}, "FR76 3000 6000 0112 3456 7890 189", 2},
        {{"iban"}, "GB29 NWBK 6016 1331 9268 19", 2},
        {{"prof"}, "75 1 12345 6"},
        {{"avs"}, "123 45 678 903"},
        {{"avs"}, "756.1234.5678.97", 3},
        {{"isbn"}, "2-07-036822-X"},
        {{"carte"}, "4970 1012 3456 7893"},
        {{"siren"}, "732 829 320"},
        {{"siret"}, "732 829 320 00074"},
        {{"ean"}, "4 006381 333931"},
        {{"ean", 0}, "9638 5074"},
        {{"ean", 4}, "0 425261 4"},
        {{"sin"}, "046 454 286"},
        {{"vin"}, "1M8GDM9AXKP042788"},
        {{"cip"}, "123456 2"},
        {{"luhn"}, "3782 8224 6310 005"},
    };
    const std::string symbols = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kind.name) + " " + c.valid);
        const auto kind = MakeKind(c.kind.name, c.kind.codeType);
        const Reading original = kind->ReadText(c.valid);
        ASSERT_EQ(kind->Check(original).key, KeyState::Correct);
        const std::string number = original.number;

        std::vector<std::string> slips;
        for (std::size_t i = c.fixed; i < number.size(); ++i) {
            for (char s : symbols) {
                if (s == number[i]) continue;
                std::string damaged = number;
                damaged[i] = s;
                slips.push_back(damaged);
            }
            if (i + 1 < number.size() && number[i] != number[i + 1]) {
                std::string damaged = number;
                std::swap(damaged[i], damaged[i + 1]);
                slips.push_back(damaged);
            }
        }
        int detected = 0;
        for (const std::string& damaged : slips) {
            const Reading reading = kind->ReadText(damaged);
            if (reading.number != damaged || kind->Check(reading).key != KeyState::Wrong) continue;  // not read as typed, or not seen
            ++detected;
            bool found = false;
            std::string previous;
            for (const std::string& row : Corrections(*kind, damaged)) {
                const Reading fixed = kind->ReadText(row);
                EXPECT_EQ(kind->Check(fixed).key, KeyState::Correct) << damaged << " -> " << row;
                EXPECT_TRUE(OneSlipApart(damaged, fixed.number)) << damaged << " -> " << row;
                EXPECT_NE(row, previous) << damaged;
                previous = row;
                found = found || fixed.number == number;
            }
            EXPECT_TRUE(found) << damaged;
        }
        EXPECT_GT(detected, 0);
    }
}

// Rows come by the first position changed, then by the symbol now there,
// a replacement before a swap.
TEST(Corrections, Order) {
    const auto cip = MakeKind("cip");
    // 123465 2: the key agrees with no code one slip away but these.
    const std::vector<std::string> rows = Corrections(*cip, "123465 2");
    ASSERT_FALSE(rows.empty());
    for (const std::string& row : rows) EXPECT_TRUE(OneSlipApart("1234652", row.substr(0, 6) + row.substr(7))) << row;
    EXPECT_NE(std::find(rows.begin(), rows.end(), "123456 2"), rows.end());
    // A right number, or one with unknown characters, has nothing to correct.
    EXPECT_TRUE(Corrections(*cip, "12345?").empty());
    // An INSEE sex digit only ever becomes 1, 2, 7 or 8.
    const auto insee = MakeKind("insee");
    const std::vector<std::string> sex = Corrections(*insee, "3 85 05 78 006 084 91");
    EXPECT_NE(std::find(sex.begin(), sex.end(), "1 85 05 78 006 084 91"), sex.end());
    for (const std::string& row : sex) EXPECT_TRUE(std::string_view("12783").find(row[0]) != std::string_view::npos) << row;
    const std::vector<std::string> swapped = Corrections(*insee, "1 85 05 78 006 084 19");
    EXPECT_NE(std::find(swapped.begin(), swapped.end(), "1 85 05 78 006 084 91"), swapped.end());
}

// The one test of a whole number holds for whatever the kind offers: every
// row a search lists, every correction and every completed number is right,
// for every kind and every EAN code type.
TEST(IsRight, EveryRowCorrectionAndCompletion) {
    struct Case {
        KindName kind;
        std::vector<const char*> texts;  // searches, whole numbers to correct, bodies to complete
        bool known = false;              // a disagreement known and left as it is: not judged
    };
    const std::vector<Case> cases = {
        {{"insee"}, {"1 85 05 78 006 0?4 ??", "? 85 05 2? 006 084", "1 85 05 78 006 084 19", "2 53 07 2B 073 004 71"}},
        {{"rib"}, {"30006 00001 1234567890? ??", "30002 00550 0000157845Z 20", "3000?"}},
        {{"iban"}, {"GB?? NWBK 6016 1331 9268 1?", "GB29 NWBK 6016 1331 9268 91", "DE?? 3704 0044 0532 0130 00",
                    "FR76 3000 6000 0112 3456 7890 198", "FR?? 3000 6000 0112 3456 789? 89"}},
        // Known: a country code without IBAN keeps the key-only search, whose
        // rows the verdict then refuses ("Pas d'IBAN pour le code pays ZZ.").
        {{"iban"}, {"ZZ?? 3000600001123456789018?"}, true},
        {{"prof"}, {"?? 1 12345", "2? 1 1234? ?", "0B4284804", "75 1 12345 9", "2A 1 12345"}},
        {{"avs"}, {"123 45 678 9??", "756.1234.5678.9?", "7571234567897", "756.1234.5678.79", "7561234?67897", "12345600055"}},
        {{"isbn"}, {"2-07-03682?-?", "2-07-036822-8", "2-07-036?22-X"}},
        {{"carte"}, {"4970 1012 3456 78??", "3782 8224 6310 00?", "378282246310005", "4970 1012 3456 7839",
                     "3?82 8224 6310 0052", "4111 1111 1111 1111 11?", "3782 822463 10050"}},
        {{"siren"}, {"732 829 3??", "732 829 302", "3025691401"}},
        {{"siret"}, {"732 829 320 0007 ?", "7328293200007?", "73282932000075", "356000000 4983 ?", "35600000074568",
                     "3?6000000 4983 2", "356000000 ??83", "35600000074563"}},
        {{"ean"}, {"4 006381 3?393?", "40063813?3931", "4 006381 333913", "400638133393"}},
        {{"ean", 0}, {"9638 50?4", "9638 5047", "9638507"}},
        {{"ean", 2}, {"0 36000 29145 ?", "0 3600? 29145 2", "0 36000 29154 2"}},
        {{"ean", 3}, {"0 42526? 4", "0 425216 4"}},
        {{"ean", 4}, {"? 425261 4", "0 42526? ?", "0 425216 4", "3 425261"}},
        {{"sin"}, {"046 454 28?", "046 454 268"}},
        {{"vin"}, {"1M8GDM9A?KP042788", "1M8GDM9AXKP04278?", "1M8GDM9AXKP042787", "1M8GDM9A?KP0427?8",
                   "WVQZZZ1JVZWUZJZG8", "1M8GDM9A?KQ042788"}},
        {{"cip"}, {"1234?6 ?", "123465 2", "12345"}},
        {{"luhn"}, {"3782 8224 6310 00?", "4992 7398 761", "4992 7398 71"}},
    };
    SearchPump pump([] { return false; });
    for (const Case& c : cases) {
        if (c.known) continue;
        const auto kind = MakeKind(c.kind.name, c.kind.codeType);
        for (const char* text : c.texts) {
            SCOPED_TRACE(std::string(c.kind.name) + " " + std::to_string(c.kind.codeType) + " " + text);
            const Reading reading = kind->ReadText(text);
            RowStore rows;
            // A body no key fits (an AVS number of check value 10) is completed
            // without one; a fault beyond the key (a SIRET's SIREN, an AVS
            // number's country) stays, and the verdict names it.
            const Verdict verdict = kind->Check(reading);
            const bool keyOnly = std::all_of(verdict.findings.begin(), verdict.findings.end(), [](const Finding& f) { return f.ok; });
            if (reading.plan.Complete() && verdict.key != KeyState::None && keyOnly) {
                EXPECT_TRUE(kind->IsRight(kind->Complete(reading))) << kind->CompletedShown(reading);
            }
            if (reading.plan.Searches()) {
                EXPECT_TRUE(kind->Search(reading, rows, pump));
            }
            EXPECT_TRUE(kind->Corrections(reading, rows, pump));
            for (const std::string& row : Rows(rows)) EXPECT_TRUE(kind->IsRightRow(row)) << row;
        }
    }
    // Every kind has its rows in the table above.
    for (std::string_view name : KindNames())
        EXPECT_TRUE(std::any_of(cases.begin(), cases.end(), [&](const Case& c) { return name == c.kind.name; })) << name;
}

// Separators between the characters of a number, and the invisible
// characters a copy brings along, never change it: each number below, with
// any one of them between every two of its characters (and "*" for "?"),
// reads, splits and is judged as the number itself, in every kind.
TEST(TypedNumber, SeparatorsAndInvisibleCharactersNeverChangeIt) {
    struct Case {
        KindName kind;
        const char* plain;
        const char* shown;    // the number on one line
        const char* verdict;  // empty while characters are unknown
    };
    const Case cases[] = {
        {{"insee"}, "185057800608491", "1 85 05 78 006 084 91", "Clé correcte."},
        {{"insee"}, "1850578006?8491", "1 85 05 78 006 ?84 91", ""},
        {{"rib"}, "30006000011234567890189", "30006 00001 12345678901 89", "Clé correcte."},
        {{"iban"}, "FR7630006000011234567890189", "FR76 3000 6000 0112 3456 7890 189",
         "Clé correcte. Longueur : 27 caractères, conforme pour FR. Clé RIB correcte."},
        {{"iban"}, "GB29NWBK60161331926819", "GB29 NWBK 6016 1331 9268 19",
         "Clé correcte. Longueur : 22 caractères, conforme pour GB."},
        {{"iban"}, "FR7630006000011234567890?89", "FR76 3000 6000 0112 3456 7890 ?89", ""},
        {{"prof"}, "751123456", "75 1 12345 6", "Clé correcte."},
        {{"avs"}, "7569217076985", "756.9217.0769.85", "Clé correcte."},
        {{"isbn"}, "207036822X", "2-07-036822-X", "Clé correcte."},
        {{"carte"}, "4970101234567893", "4970 1012 3456 7893", "Clé correcte."},
        {{"siren"}, "732829320", "732 829 320", "Clé correcte."},
        {{"siret"}, "35600000049837", "356000000 4983 7", "Clé correcte."},
        {{"ean"}, "4006381333931", "4 006381 333931", "Clé correcte."},
        {{"sin"}, "046454286", "046 454 286", "Clé correcte."},
        {{"vin"}, "1M8GDM9AXKP042788", "1M8GDM9AXKP042788", "Clé correcte."},
        {{"vin"}, "1M8GDM9A?KP042788", "1M8GDM9A?KP042788", "Clé calculée : X."},
        {{"cip"}, "3400935", "340093 5", "Clé correcte."},
        {{"luhn"}, "79927398713", "7992 7398 713", "Clé correcte."},
    };
    // Blanks of every kind, the signs people put between groups (hyphens of
    // word processors included: U+2011, U+2013), and invisible format
    // characters (U+200B, U+200E, U+202A, U+202E, U+2060, U+2064, U+FEFF).
    const std::vector<std::string> separators = {
        " ", "-", ".", "_", "/", "\t", " - ", "\xC2\xA0", kNnbsp, "\xE2\x80\x8A", "\xE3\x80\x80", "\xE2\x80\x91", "\xE2\x80\x93",
        "\xE2\x80\x8B", "\xE2\x80\x8E", "\xE2\x80\xAA", "\xE2\x80\xAE", "\xE2\x81\xA0", "\xE2\x81\xA4", "\xEF\xBB\xBF"};
    const auto engine = [](std::string_view utf8) {
        std::string out;
        ToEngine(utf8, out);
        return out;
    };
    for (const Case& c : cases) {
        const auto kind = MakeKind(c.kind.name, c.kind.codeType);
        const Reading plain = kind->ReadText(c.plain);
        EXPECT_EQ(plain.shown, c.shown) << c.kind.name << " " << c.plain;
        EXPECT_EQ(VerdictText(kind->Check(plain)), c.verdict) << c.plain;
        // The pages of several fields take it whole when it is pasted.
        EXPECT_EQ(kind->SplitWhole(c.plain).has_value(), kind->FieldCount() > 1) << c.plain;
        const auto spread = [](std::string_view number, const std::string& separator) {
            std::string text(number.substr(0, 1));
            for (char c : number.substr(1)) text += separator + c;
            return text;
        };
        // The one field, or the IBAN's BBAN field, takes it as it takes the plain number.
        const bool iban = kind->Name() == "iban";
        const std::size_t field = iban ? 2 : 0;
        const std::string_view inField = std::string_view(c.plain).substr(iban ? 4 : 0);
        std::vector<std::string> written;
        for (const std::string& separator : separators) {
            written.push_back(spread(c.plain, separator));
            if (kind->FieldCount() == 1 || iban) {
                EXPECT_EQ(kind->FormatField(field, engine(spread(inField, separator))), kind->FormatField(field, inField))
                    << c.plain << " [" << separator << "]";
            }
        }
        std::string starred = c.plain;
        std::replace(starred.begin(), starred.end(), '?', '*');
        written.push_back(starred);
        for (const std::string& utf8 : written) {
            const std::string text = engine(utf8);
            const Reading reading = kind->ReadText(text);
            EXPECT_EQ(reading.fields, plain.fields) << utf8;
            EXPECT_EQ(reading.number, plain.number) << utf8;
            EXPECT_EQ(reading.shown, c.shown) << utf8;
            EXPECT_EQ(VerdictText(kind->Check(reading)), c.verdict) << utf8;
            EXPECT_FALSE(kind->CheckInput(text).has_value()) << utf8;
            EXPECT_EQ(kind->SplitWhole(text), kind->SplitWhole(c.plain)) << utf8;
        }
    }
}

// The table of kinds: every name makes a kind that answers to it, in the
// window's order with "luhn" last; any other name makes none.
TEST(KindTable, NamesAndMakers) {
    const std::vector<std::string_view> names = KindNames();
    ASSERT_EQ(names.size(), 14u);
    EXPECT_EQ(names.front(), "insee");
    EXPECT_EQ(names.back(), "luhn");
    for (std::string_view name : names) {
        const auto kind = MakeKind(name);
        ASSERT_NE(kind, nullptr) << name;
        EXPECT_EQ(kind->Name(), name);
    }
    EXPECT_EQ(MakeKind("card"), nullptr);
    EXPECT_EQ(MakeKind(""), nullptr);
    // An unknown EAN code type is EAN 13.
    EXPECT_EQ(MakeKind("ean", 99)->ReadText("400638133393").shown, MakeKind("ean", 1)->ReadText("400638133393").shown);
}

// The quick check of a batch answers only where the full check would answer
// the same, word for word: for every kind, on published numbers, every text
// one slip, one character more or one less away from them, and junk.
TEST(QuickCheck, AgreesWithTheFullCheck) {
    struct Case {
        const char* kind;
        std::vector<const char*> numbers;
        bool quick;  // the kind answers its first number quickly
        int codeType = 1;
    };
    const std::vector<Case> cases = {
        {"insee", {"1 85 05 78 006 084 91", "2 53 07 2B 073 004 70"}, true},
        {"rib", {"30006 00001 12345678901 89", "30002 00550 0000157845Z 02"}, false},
        {"iban", {"FR76 3000 6000 0112 3456 7890 189", "GB29 NWBK 6016 1331 9268 19"}, false},
        {"prof", {"75 1 12345 6"}, false},
        {"avs", {"756.1234.5678.97", "123 45 678 903"}, false},
        {"isbn", {"2-07-036822-X", "978-2-07-036822-8"}, false},
        {"carte", {"4970 1012 3456 7893", "3782 822463 10005", "4111 1111 1111 1111 110", "6011 0009 9013 9424"}, true},
        {"siren", {"732 829 320", "552 100 554"}, true},
        // La Poste's head office keeps its Luhn key; its establishments, and a
        // wrong SIREN behind a right key, are the full check's.
        {"siret", {"732 829 320 00074", "552 100 554 00013", "356 000 000 00048", "356000000 4983 7", "350600000 9531 8"}, true},
        {"ean", {"4 006381 333931"}, true},
        {"ean", {"9638 5074"}, true, 0},
        {"ean", {"0 36000 291452"}, true, 2},
        {"ean", {"0 123456 5"}, true, 3},
        {"ean", {"0 425261 4", "3 425261 9"}, true, 4},  // UPC-E: a number system without a key
        {"sin", {"046 454 286"}, true},
        {"vin", {"1M8GDM9AXKP042788"}, false},
        {"cip", {"340093 5", "123456 2"}, true},
        {"luhn", {"7992 7398 713", "3782 8224 6310 005", "18", "4970 1012 3456 7893 4561 1111 1111 1116"}, true},
    };
    // What may stand in a number or be typed by mistake, as engine text.
    const std::string symbols = "0123456789AXZ?*- .,\\\t\x80";
    const std::vector<std::string> junk = {"", " ", "?", "*", "-", "\x80", "0", "00", "ABC", "046,454,286",
                                           std::string(40, '0'), std::string(5000, '9')};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + std::to_string(c.codeType));
        const auto kind = MakeKind(c.kind, c.codeType);
        std::vector<std::string> texts = junk;
        for (std::string_view published : c.numbers) {
            texts.emplace_back(published);
            std::string plain;
            for (char ch : published)
                if (!IsSeparator(ch)) plain += ch;
            texts.push_back(plain);
            for (std::size_t i = 0; i <= plain.size(); ++i) {
                texts.push_back(plain.substr(0, i));  // cut short
                for (char s : symbols) texts.push_back(plain.substr(0, i) + s + plain.substr(i));  // one more
                if (i == plain.size()) break;
                texts.push_back(plain.substr(0, i) + plain.substr(i + 1));  // one less
                for (char s : symbols) {
                    std::string slip = plain;
                    slip[i] = s;
                    texts.push_back(slip);
                }
                if (i + 1 < plain.size()) {
                    std::string swapped = plain;
                    std::swap(swapped[i], swapped[i + 1]);
                    texts.push_back(swapped);
                }
            }
        }
        std::string shown = "stale";
        std::string cause = "stale";
        std::size_t answered = 0;
        for (const std::string& text : texts) {
            const QuickAnswer answer = kind->QuickCheck(text, shown, cause);
            if (answer == QuickAnswer::kUnsure) continue;
            ++answered;
            SCOPED_TRACE(text);
            ASSERT_FALSE(kind->CheckInput(text).has_value());
            const Reading reading = kind->ReadText(text);
            const Verdict verdict = kind->Check(reading);
            EXPECT_EQ(shown, reading.shown);
            EXPECT_EQ(answer == QuickAnswer::kRight, verdict.Valid());
            EXPECT_EQ(answer == QuickAnswer::kRight, kind->IsRightText(text));
            if (answer == QuickAnswer::kWrong) {
                EXPECT_EQ(cause, verdict.FirstCause());
            }
        }
        if (c.quick) {
            EXPECT_EQ(kind->QuickCheck(c.numbers.front(), shown, cause), QuickAnswer::kRight);
            EXPECT_GT(answered, texts.size() / 10);  // the slips of its digits at least
        }
    }
    for (std::string_view name : KindNames())
        EXPECT_TRUE(std::any_of(cases.begin(), cases.end(), [&](const Case& c) { return name == c.kind; })) << name;
}

// A listed row as a copy, a saved file or a line prints it; that line, read
// back as a typed number, is the same right number.
TEST(PrintedRow, AsCopiedAndReadBack) {
    const struct {
        KindName kind;
        const char* row;
        const char* printed;
    } kRows[] = {
        {{"iban"}, "DE 89 3704 0044 0532 0130 00 ", "DE89 3704 0044 0532 0130 00"},
        {{"iban"}, "CY 17 0020 0128 0000 0012 0052 7600 ", "CY17 0020 0128 0000 0012 0052 7600"},
        {{"insee"}, "1 85 05 78 006 084 91", "1 85 05 78 006 084 91"},
        {{"rib"}, "30006 00001 1234567890A 89", "30006 00001 1234567890A 89"},
        {{"siret"}, "356000000 4983 7", "356000000 4983 7"},
        {{"vin"}, "LMN12345767890120", "LMN12345767890120"},
        {{"ean", 0}, "9638 5005", "9638 5005"},
    };
    for (const auto& [k, row, printed] : kRows) {
        const auto kind = MakeKind(k.name, k.codeType);
        std::string out = "> ";
        kind->AppendPrintedRow(row, out);
        EXPECT_EQ(out, std::string("> ") + printed) << row;
        EXPECT_TRUE(kind->IsRightText(printed)) << printed;
    }
}
