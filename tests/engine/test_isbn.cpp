#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Kind.h"
#include "isbn/Isbn.h"

using namespace ferrino;

namespace {

std::vector<std::string> Search(std::string_view typed) {
    const Plan plan = IsbnPlan(ShowIsbn(typed));
    EXPECT_TRUE(plan.Searches()) << typed;
    RowStore rows;
    SearchPump pump([] { return false; });
    EXPECT_TRUE(SearchIsbn(plan, rows, pump));
    std::vector<std::string> out;
    for (std::size_t i = 0; i < rows.Size(); ++i) out.emplace_back(rows.Row(i));
    return out;
}

std::string Calcule(std::string_view typed) {
    const Plan plan = IsbnPlan(ShowIsbn(typed));
    EXPECT_TRUE(plan.Complete()) << typed;
    return ShowIsbn(CompleteIsbn(plan));
}

// The nine digits followed by their check character.
std::string WithKey(std::string nine) { return nine + ComputeIsbnKey(nine); }

// A whole number is right when its weighted sum (X = 10) is a multiple of 11.
bool PassesIsbn(std::string_view ten) {
    int sum = 0;
    for (std::size_t i = 0; i < 10; ++i) sum += static_cast<int>(10 - i) * (ten[i] == 'X' ? 10 : ten[i] - '0');
    return sum % 11 == 0;
}

}  // namespace

// Where the hyphens go: the agency's ranges, for published ISBNs of both
// forms (python-stdnum hyphenates them alike, tests/stdnum).
TEST(Isbn, ShownOnLeavingTheField) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"2070368228", "2-07-036822-8"},
        {"978-2-07-036822-8", "978-2-07-036822-8"},
        {"9782070368228", "978-2-07-036822-8"},
        {"0-306-40615-2", "0-306-40615-2"},
        {"978 0 306 40615 7", "978-0-306-40615-7"},
        {"9791090636071", "979-10-90636-07-1"},
        {"9992158107", "99921-58-10-7"},
        {"8090273416", "80-902734-1-6"},
        {"8535902775", "85-359-0277-5"},
        {"1843560283", "1-84356-028-3"},
        {"0684843285", "0-684-84328-5"},
        {"080442957X", "0-8044-2957-X"},
        {"9780123456", "978-012-345-6"},       // ten characters: an ISBN-10 of group 978
        // No range holds the group (978-639, 979-13) or the registrant (979-12-1): no hyphen at all.
        {"9786390000004", "9786390000004"},
        {"9791300000005", "9791300000005"},
        {"9791210000003", "9791210000003"},
        {"6398000000", "6398000000"},
        // An ISBN-13 keeps its twelve first characters, unknown or not; only an unknown key goes.
        {"978207036822", "978-2-07-036822"},
        {"97820703682", "978-2-07-03682?"},
        {"978207036822?", "978-2-07-036822"},
        {"978207036822X", "978-2-07-036822"},     // no "X" in an ISBN-13
        {"9782070368?28", "978-2-07-0368?2-8"},
        {"978?070368228", "978?070368228"},       // the group is undecided
        {"97X2070368228", "97?2070368228"},       // 978 must be typed: an ISBN-10 and what follows
        {"97820703682289", "978-2-07-036822-8"},  // a hyphenated number leaves out what follows its key
        {"97863900000049", "97863900000049"},     // an unhyphenated one shows it
        {"207036822X99", "2-07-036822-X"},
        {"2070?6822?", "2-07-0?6822"},
        {"1?3456789X", "1?3456789X"},             // the registrant is undecided
        {"2?????????", "2"},
        {"207036822", "2-07-036822"},
        {"207036822x", "2-07-036822"},            // lower case is not "X"
        {"2X70368228", "2?70368228"},             // "X" only counts in tenth place
        {"2.07_036 822-8", "2-07-036822-8"},
        {std::string("2\x80" "70368228"), "2?70368228"},
        {"", ""},
    };
    for (const auto& [typed, shown] : cases) {
        EXPECT_EQ(ShowIsbn(typed), shown) << typed;
        EXPECT_EQ(ShowIsbn(shown), shown) << typed;  // what the field shows reads back the same
    }
}

TEST(Isbn, Normalise) {
    EXPECT_EQ(NormaliseIsbn(""), "??????????");
    EXPECT_EQ(NormaliseIsbn("X"), "??????????");
    EXPECT_EQ(NormaliseIsbn("123456789XX"), "123456789XX");
    EXPECT_EQ(NormaliseIsbn("1-2 3.4_5*6"), "12345?6???");
    EXPECT_EQ(NormaliseIsbn("12345678901"), "12345678901");
    EXPECT_EQ(NormaliseIsbn("978-1234567"), "9781234567");      // ten characters: ISBN-10
    EXPECT_EQ(NormaliseIsbn("978-1234567?"), "9781234567???");  // eleven: ISBN-13
    EXPECT_EQ(NormaliseIsbn("97912345678X1X"), "97912345678?1X");
}

TEST(Isbn, FormatIsSafeForAnyText) {
    std::string every;
    for (int b = 0; b < 256; ++b) every += static_cast<char>(b);
    for (std::string_view text : {std::string_view(""), std::string_view("9"), std::string_view("99999"), std::string_view(every)})
        FormatIsbn(text);
    EXPECT_EQ(ShowIsbn(every), ShowIsbn(ShowIsbn(every)));
}

TEST(Isbn, CheckCharacter) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"207036822", "X"},      // remainder 1
        {"123456789", "X"},
        {"000000000", "0"},      // remainder 0
        {"000000001", "9"},
        {"100000000", "1"},      // weight 10: remainder 10
        {"010000000", "2"},      // weight 9
        {"207036822999", "X"},   // only the first nine count
        {"2070368", "9"},        // short: counts as 207036800
        {"", "0"},
        {"978012345", "8"},      // nine characters: an ISBN-10
        // ISBN-13: the EAN-13 check digit of the twelve first.
        {"978207036822", "8"},
        {"978030640615", "7"},
        {"979109063607", "1"},
        {"978000000000", "2"},
        {"979000000001", "8"},
        {"97803064061", "2"},    // short: counts as 978030640610
        {"9780306406159", "7"},  // the key given does not count
    };
    for (const auto& [body, key] : cases) EXPECT_EQ(ComputeIsbnKey(body), key) << body;
    unsigned seed = 7;
    for (int n = 0; n < 500; ++n) {
        std::string nine;
        for (int i = 0; i < 9; ++i) {
            seed = seed * 1103515245u + 12345u;
            nine += static_cast<char>('0' + (seed >> 16) % 10);
        }
        EXPECT_TRUE(PassesIsbn(WithKey(nine))) << nine;
    }
}

TEST(Isbn, CalculeReplacesTheCheckCharacter) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"2070368228", "2-07-036822-X"},
        {"207036822", "2-07-036822-X"},
        {"2-07-036822-X", "2-07-036822-X"},
        {"999217123", "99921-712-3-5"},
        {"978-2-07-036822-9", "978-2-07-036822-8"},
        {"978207036822", "978-2-07-036822-8"},
        {"978639000000", "9786390000004"},  // outside every range: shown without hyphens
    };
    for (const auto& [typed, shown] : cases) EXPECT_EQ(Calcule(typed), shown) << typed;
    EXPECT_EQ(CompleteIsbn(IsbnPlan("2-07-036822-8")), "207036822X");
}

TEST(Isbn, SearchRows) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        // Unknown check character: every digit listed, in order, each with its own key.
        {"2070?6822?", {"2-07-006822-6", "2-07-016822-0", "2-07-026822-5", "2-07-036822-X", "2-07-046822-4",
                        "2-07-056822-9", "2-07-066822-3", "2-07-076822-8", "2-07-086822-2", "2-07-096822-7"}},
        // Known check character: only the rows with that key.
        {"2070?68228", {"2-07-076822-8"}},
        {"2070?6822X", {"2-07-036822-X"}},
        {"84997076?1", {"84-9970-766-1"}},
        {"978-2-070-?6822-8", {"978-2-07-036822-8"}},
        {"97820703682??", {"978-2-07-036820-4", "978-2-07-036821-1", "978-2-07-036822-8", "978-2-07-036823-5",
                           "978-2-07-036824-2", "978-2-07-036825-9", "978-2-07-036826-6", "978-2-07-036827-3",
                           "978-2-07-036828-0", "978-2-07-036829-7"}},
        // Outside every range, listed without hyphens.
        {"978639000?004", {"9786390000004"}},
        {"99921712?5", {"99921-712-3-5"}},
        // An ISBN-10 carrying characters after its key stays one when a slot makes it begin with 978.
        {"?78207036822", {"7-7820-7036-8"}},
    };
    for (const auto& [typed, rows] : cases) EXPECT_EQ(Search(typed), rows) << typed;
}

TEST(Isbn, LimitsOfTheSearch) {
    struct Case {
        std::string typed;
        std::size_t slots;
    };
    const std::vector<Case> cases = {
        {"20703", 4},
        {"2070", 5},
        {"", 9},
        {"207036822", 0},
        {"207036822?", 0},   // the check character is never enumerated
        {"1?3456789X", 1},
        {"97820703", 1},     // eight characters: an ISBN-10
        {"978207036", 0},
        {"97820703682", 1},  // eleven: an ISBN-13, its body's twelfth place unknown
        {"978?????????", 9},
        {"978??7036822?", 2},
        {"978-2-07-036822-?", 0},
    };
    for (const auto& c : cases) {
        const Plan plan = IsbnPlan(ShowIsbn(c.typed));
        EXPECT_EQ(plan.unknowns.size(), c.slots) << c.typed;
        EXPECT_EQ(plan.Searches(), c.slots >= 1 && c.slots <= 4) << c.typed;
        for (const Slot& slot : plan.unknowns) EXPECT_LT(slot.pos, IsbnKeyAt(plan.pattern)) << c.typed;
    }
    EXPECT_EQ(IsbnPlan("1-?3-456789-X").pattern, "1?3456789X");
    EXPECT_EQ(IsbnPlan("978-2-07-0368??").pattern, "9782070368???");
    EXPECT_EQ(Search("20703").size(), 10000u);
    EXPECT_EQ(Search("97820703????").size(), 10000u);
    EXPECT_EQ(ShowIsbn(IsbnPlan(ShowIsbn("2070")).pattern), "2-07-0");  // too many: the field keeps its number
}

TEST(Isbn, EveryListedRowIsCompleteAndPassesItsOwnKey) {
    const auto rows = Search("99?2?7?12");
    EXPECT_EQ(rows.size(), 1000u);
    std::string previous;
    for (const auto& row : rows) {
        EXPECT_EQ(ShowIsbn(row), row);
        std::string ten;
        for (char c : row)
            if (c != '-') ten += c;
        ASSERT_EQ(ten.size(), 10u) << row;
        EXPECT_TRUE(PassesIsbn(ten)) << row;
        EXPECT_GT(ten, previous);
        previous = ten;
    }
}

// Through the kind, as the window, the command line and the page see it.
TEST(Isbn, KindVerdictsRowsAndCorrections) {
    const auto kind = MakeKind("isbn");
    const std::vector<std::pair<std::string, std::string>> verdicts = {
        {"978-2-07-036822-8", "Clé correcte."},
        {"2-07-036822-X", "Clé correcte."},
        {"979-10-90636-07-1", "Clé correcte."},
        {"9786390000004", "Clé correcte."},  // outside every range, never refused
        {"9782070368229", "Clé erronée : 9 saisie, 8 attendue."},
        {"978207036822", "Clé calculée : 8."},
        {"978207036822X", "Clé calculée : 8."},
        {"2-07-036822-8", "Clé erronée : 8 saisie, X attendue."},
        {"9786390000004XX", "Clé correcte. Caractères en trop ignorés : 15 saisis, 13 attendus."},
    };
    for (const auto& [typed, verdict] : verdicts)
        EXPECT_EQ(VerdictText(kind->Check(kind->ReadText(typed))), verdict) << typed;
    // A check judges every character typed, also those a hyphenated field leaves out.
    for (const std::string typed : {"978-0-306-40615-7 99", "2-07-036822-X 9", "9786390000004XX"})
        EXPECT_FALSE(kind->IsRightText(typed)) << typed;

    // Every search row and correction of an ISBN-13 passes the kind's one test;
    // a slip never changes the prefix.
    SearchPump pump([] { return false; });
    for (const std::string typed : {"978-2-07-0?" "?8?" "?-8", "9792070368228", "97912345??78?"}) {
        RowStore rows;
        const Reading reading = kind->ReadText(typed);
        ASSERT_TRUE(kind->Search(reading, rows, pump) && kind->Corrections(reading, rows, pump));
        EXPECT_GT(rows.Size(), 0u) << typed;
        for (std::size_t i = 0; i < rows.Size(); ++i) {
            EXPECT_TRUE(kind->IsRightRow(rows.Row(i))) << typed << " " << rows.Row(i);
            EXPECT_EQ(rows.Row(i).substr(0, 3), typed.substr(0, 3)) << typed << " " << rows.Row(i);
        }
    }
}
