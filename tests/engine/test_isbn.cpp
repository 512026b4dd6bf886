#include <gtest/gtest.h>

#include <string>
#include <vector>

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

TEST(Isbn, ShownOnLeavingTheField) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"2070368228", "2-07-036822-8"},
        {"0123456789", "0-12-345678-9"},
        {"8012345678", "80-12-34567-8"},
        {"9780123456", "978-01-2345-6"},
        {"9992158107", "99921-581-0-7"},
        {"2950000123", "2-9500001-2-3"},
        {"2949999123", "2-949999-12-3"},
        {"9992171235", "9992171235"},            // no room for a title: not hyphenated
        {"207036822", "2-07-036822"},
        {"2?????????", "2"},
        {"", ""},
        {"1?3456789X", "1-?3-456789-X"},         // the publisher ?3 is worth 0: two characters
        {"2X70368228", "2-?7-036822-8"},         // "X" only counts in tenth place
        {"207036822x", "2-07-036822"},           // lower case is not "X"
        {"2.07_036 822-8", "2-07-036822-8"},
        {"2/07", "2-?0-7"},
        {std::string("2\x80" "70368228"), "2-?7-036822-8"},
        {"207036822X99", "2-07-036822-X"},        // a hyphenated number leaves out what follows the tenth
        {"999217123599", "999217123599"},         // an unhyphenated one shows it
        {"9992171235-A", "9992171235"},
        {"2-07-036822-X", "2-07-036822-X"},
    };
    for (const auto& [typed, shown] : cases) EXPECT_EQ(ShowIsbn(typed), shown) << typed;
}

TEST(Isbn, Normalise) {
    EXPECT_EQ(NormaliseIsbn(""), "??????????");
    EXPECT_EQ(NormaliseIsbn("X"), "??????????");
    EXPECT_EQ(NormaliseIsbn("123456789XX"), "123456789XX");
    EXPECT_EQ(NormaliseIsbn("1-2 3.4_5*6"), "12345?6???");
    EXPECT_EQ(NormaliseIsbn("12345678901"), "12345678901");
}

// Every edge of the group table, with a publisher "00" that always fits.
TEST(Isbn, RegistrationGroupLengths) {
    const std::vector<std::string> groups = {"0", "7", "80", "94", "950", "995", "9960", "9989", "99900", "99999"};
    for (const std::string& group : groups) {
        const std::string number = WithKey(group + "00" + std::string(7 - group.size(), '1'));
        const IsbnForm form = FormatIsbn(number);
        EXPECT_TRUE(form.valid) << number;
        EXPECT_EQ(form.shown.substr(0, form.shown.find('-')), group) << number;
    }
    // With unknown markers the group is chosen by the digits before the first one.
    const std::vector<std::pair<std::string, std::string>> partial = {
        {"?00000000?", "?-00-000000"}, {"8?0000000?", "8?-00-00000"}, {"9?0000000?", "9?-00-00000"},
        {"99?000000?", "99?-00-0000"}, {"998?00000?", "998?-00-000"},
    };
    for (const auto& [number, shown] : partial) EXPECT_EQ(FormatIsbn(number).shown, shown) << number;
}

// Every edge of the publisher table, after a one-digit group.
TEST(Isbn, PublisherLengths) {
    const std::vector<std::string> publishers = {"00",    "19",     "200",    "699",     "7000",   "8399",
                                                 "84000", "89999", "900000", "949999", "9500000", "9999999"};
    for (const std::string& publisher : publishers) {
        const std::string number = WithKey("2" + publisher + std::string(8 - publisher.size(), '3'));
        const IsbnForm form = FormatIsbn(number);
        EXPECT_TRUE(form.valid) << number;
        const std::size_t first = form.shown.find('-');
        EXPECT_EQ(form.shown.substr(first + 1, form.shown.find('-', first + 1) - first - 1), publisher) << number;
    }
}

TEST(Isbn, NoHyphensWhenNoTitleFits) {
    struct Case {
        std::string number;
        bool valid;
    };
    const std::vector<Case> cases = {
        {"9992171235", false},   // group 5 + publisher 4
        {"9992158107", true},    // group 5 + publisher 3: title 1
        {"9960840001", false},   // group 4 + publisher 5
        {"9960699991", true},    // group 4 + publisher 3
        {"8095000001", false},   // group 2 + publisher 7
        {"8094999991", true},    // group 2 + publisher 6
        {"9999995000", false},   // group 5 + publisher 7
    };
    for (const auto& c : cases) {
        const IsbnForm form = FormatIsbn(c.number);
        EXPECT_EQ(form.valid, c.valid) << c.number;
        if (!c.valid) {
            EXPECT_EQ(form.shown, c.number);
        }
        EXPECT_EQ(form.shown.find('-') != std::string::npos, c.valid) << c.number;
    }
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
    EXPECT_EQ(Calcule("2070368228"), "2-07-036822-X");
    EXPECT_EQ(Calcule("207036822"), "2-07-036822-X");
    EXPECT_EQ(Calcule("2-07-036822-X"), "2-07-036822-X");
    EXPECT_EQ(Calcule("999217123"), "999217123" + ComputeIsbnKey("999217123"));
    EXPECT_EQ(CompleteIsbn(IsbnPlan("2-07-036822-8")), "207036822X");
}

TEST(Isbn, SearchRows) {
    // Unknown check character: every digit listed, in order, each with its own key.
    EXPECT_EQ(Search("2070?6822?"), (std::vector<std::string>{"2-07-006822-6", "2-07-016822-0", "2-07-026822-5", "2-07-036822-X",
                                                              "2-07-046822-4", "2-07-056822-9", "2-07-066822-3", "2-07-076822-8",
                                                              "2-07-086822-2", "2-07-096822-7"}));
    // Known check character: only the rows with that key.
    EXPECT_EQ(Search("2070?68228"), std::vector<std::string>{"2-07-076822-8"});
    EXPECT_EQ(Search("2070?6822X"), std::vector<std::string>{"2-07-036822-X"});
}

TEST(Isbn, KnownCheckCharacterListsOnlyHyphenatedNumbers) {
    const std::string number = WithKey("999217123");  // cannot be hyphenated
    RowStore rows;
    EXPECT_FALSE(TestIsbnCandidate(number, number, rows));
    EXPECT_TRUE(TestIsbnCandidate(number, "999217123?", rows));
    ASSERT_EQ(rows.Size(), 1u);
    EXPECT_EQ(rows.Row(0), number);
    // A search with an unknown check character lists the unhyphenated rows too.
    const auto all = Search("9992171?3");
    ASSERT_EQ(all.size(), 10u);
    EXPECT_EQ(all[2], number);
    // With that check character known, the one that matches is not listed.
    for (const auto& row : Search("9992171?3" + number.substr(9))) EXPECT_NE(row, number);
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
    };
    for (const auto& c : cases) {
        const Plan plan = IsbnPlan(ShowIsbn(c.typed));
        EXPECT_EQ(plan.unknowns.size(), c.slots) << c.typed;
        EXPECT_EQ(plan.Searches(), c.slots >= 1 && c.slots <= 4) << c.typed;
    }
    EXPECT_EQ(IsbnPlan("1-?3-456789-X").pattern, "1?3456789X");
    EXPECT_EQ(Search("20703").size(), 10000u);
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
