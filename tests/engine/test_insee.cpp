#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "insee/Insee.h"

using namespace ferrino;

namespace {

std::vector<std::string> Search(std::string_view field, int* pumps = nullptr) {
    RowStore rows;
    int count = 0;
    SearchPump pump([&] { ++count; return false; });
    const Plan plan = InseePlan(FormatInsee(field));
    EXPECT_TRUE(plan.Searches()) << field;
    SearchInsee(plan, rows, pump);
    if (pumps) *pumps = count;
    std::vector<std::string> out;
    for (std::size_t i = 0; i < rows.Size(); ++i) out.emplace_back(rows.Row(i));
    return out;
}

}  // namespace

TEST(Insee, Format) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"185057800608436", "1 85 05 78 006 084 36"},
        {"1-85-05", "1 85 05"},
        {"1.85.05.78.006.084.3?", "1 85 05 78 006 084 3"},
        {"", ""},
        // Corsica: A or B after a "2" in positions 6-7 stays; any other letter is unknown.
        {"185052A006084", "1 85 05 2A 006 084"},
        {"253072B07300470", "2 53 07 2B 073 004 70"},
        {"253073B07300470", "2 53 07 3? 073 004 70"},
        {"25307AB07300470", "2 53 07 ?? 073 004 70"},
        {"253072C07300470", "2 53 07 2? 073 004 70"},
        {"25307?A07300470", "2 53 07 ?? 073 004 70"},
        {"18505780060843612", "1 85 05 78 006 084 36"},
        {"18505780060??91", "1 85 05 78 006 0?? 91"},
        {"?????????????91", "? ?? ?? ?? ??? ??? 91"},
        {"abc", ""},
        {"1 85 05 78 006 084 91", "1 85 05 78 006 084 91"},
        {std::string("1\x80" "85"), "1 85"},
    };
    for (const auto& [typed, shown] : cases) EXPECT_EQ(FormatInsee(typed), shown) << typed;
}

TEST(Insee, Key) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        // The published examples are in tests/data/published.tsv (tests/engine/test_published.cpp).
        {"1850578006084", "91"},
        // Key 97 (remainder 0), keys below 10 written with two digits, others (python-stdnum's keys).
        {"0000000000000", "97"}, {"0000000000097", "97"}, {"0000000000001", "96"}, {"0000000000096", "01"},
        {"1000000000000", "47"}, {"1234567890123", "11"}, {"5000000000000", "41"}, {"9999999999998", "84"},
    };
    for (const auto& [body, key] : cases) EXPECT_EQ(ComputeInseeKey(body), key) << body;
    // Characters after the thirteenth are ignored; a short body counts as padded with zeros.
    EXPECT_EQ(ComputeInseeKey("185057800608499"), "91");
    EXPECT_EQ(ComputeInseeKey(""), "97");
}

TEST(Insee, CompleteReplacesTheTypedKey) {
    EXPECT_EQ(CompleteInsee(InseePlan("1 85 05 78 006 084 36")), "185057800608491");
    EXPECT_EQ(FormatInsee(CompleteInsee(InseePlan("1850578006084"))), "1 85 05 78 006 084 91");
}

TEST(Insee, OneUnknownDigitListsTenRowsInOrder) {
    const auto rows = Search("1 85 05 78 006 0?4");
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows.front(), "1 85 05 78 006 004 74");
    EXPECT_EQ(rows[8], "1 85 05 78 006 084 91");
    EXPECT_EQ(rows.back(), "1 85 05 78 006 094 81");
}

TEST(Insee, KnownKeyFiltersRows) {
    EXPECT_EQ(Search("1 85 05 78 006 0?4 91"), std::vector<std::string>{"1 85 05 78 006 084 91"});
    EXPECT_EQ(Search("18505780060??91"), std::vector<std::string>{"1 85 05 78 006 084 91"});
    // A half-known key filters on its known digit only.
    for (const auto& row : Search("1 85 05 78 006 0?4 9")) EXPECT_EQ(row[19], '9') << row;
}

TEST(Insee, UnknownSexTriesOneTwoSevenEight) {
    int pumps = 0;
    const auto rows = Search("? 85 05 78 006 084", &pumps);
    EXPECT_EQ(rows, (std::vector<std::string>{"1 85 05 78 006 084 91", "2 85 05 78 006 084 41", "7 85 05 78 006 084 82",
                                              "8 85 05 78 006 084 32"}));
    EXPECT_EQ(pumps, 10);  // the passed-over digits are still pumped for
}

TEST(Insee, LimitsOfTheSearch) {
    struct Case {
        std::string typed;
        std::size_t slots;
        bool searches;
    };
    const std::vector<Case> cases = {
        {"185057800", 4, true},    // nine digits: 10 000 candidates
        {"18505780", 5, false},    // eight digits: too many
        {"", 13, false},
        {"1850578006084", 0, false},
        {"1 85 05 78 006 084 ??", 0, false},  // the key is never enumerated
    };
    for (const auto& c : cases) {
        const Plan plan = InseePlan(FormatInsee(c.typed));
        EXPECT_EQ(plan.unknowns.size(), c.slots) << c.typed;
        EXPECT_EQ(plan.Searches(), c.searches) << c.typed;
        EXPECT_EQ(plan.pattern.size(), 15u);
    }
    EXPECT_EQ(Search("185057800").size(), 10000u);
}

TEST(Insee, EveryRowIsCompleteAndPassesItsOwnKey) {
    const auto rows = Search("1 85 05 7? 0?6 084");
    ASSERT_EQ(rows.size(), 100u);
    // Keys from python-stdnum (stdnum.fr.nir).
    EXPECT_EQ(rows.front(), "1 85 05 70 006 084 16");
    EXPECT_EQ(rows[57], "1 85 05 75 076 084 12");
    EXPECT_EQ(rows.back(), "1 85 05 79 096 084 80");
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 21u);
        std::string digits;
        for (char c : row)
            if (c != ' ') digits += c;
        EXPECT_EQ(ComputeInseeKey(digits), digits.substr(13));
    }
}

// Corsica: 2A and 2B read as 19 and 18 for the key (published examples).
TEST(Insee, CorsicanDepartements) {
    EXPECT_EQ(ComputeInseeKey("253072B073004"), "70");
    EXPECT_EQ(ComputeInseeKey("253072A073004"), "43");
    EXPECT_EQ(ComputeInseeKey("2530718073004"), "70");  // the same number as 2B
    EXPECT_EQ(CompleteInsee(InseePlan(FormatInsee("2 53 07 2B 073 004"))), "253072B07300470");
    // An unknown seventh character after a "2" also tries A and B...
    EXPECT_EQ(Search("2 53 07 2? 073 004 70"), std::vector<std::string>{"2 53 07 2B 073 004 70"});
    EXPECT_EQ(Search("2 53 07 2? 073 004 43"), std::vector<std::string>{"2 53 07 2A 073 004 43"});
    EXPECT_EQ(Search("2 53 07 2? 073 004").size(), 12u);
    // ...and after an unknown sixth, but lists a letter only after a "2".
    EXPECT_EQ(Search("2 53 07 ?? 073 004 70"),
              (std::vector<std::string>{"2 53 07 18 073 004 70", "2 53 07 2B 073 004 70"}));
    EXPECT_EQ(Search("2 53 07 ?? 073 004").size(), 102u);
    // Elsewhere the counts do not change: ten digits.
    EXPECT_EQ(Search("2 53 07 3? 073 004").size(), 10u);
    EXPECT_EQ(Search("2 53 07 ?3 073 004").size(), 10u);
    // A letter after anything but a "2" is no département: never listed.
    RowStore rows;
    EXPECT_FALSE(TestInseeCandidate("253073A07300443", "???????????????", rows));
}
