#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "prof/Prof.h"

using namespace ferrino;

namespace {

std::vector<std::string> SearchRows(std::string_view field, int* pumps = nullptr) {
    RowStore rows;
    int count = 0;
    SearchPump pump([&] { ++count; return false; });
    const Plan plan = ProfPlan(FormatProf(field));
    EXPECT_TRUE(plan.Searches()) << field;
    EXPECT_TRUE(SearchProf(plan, rows, pump));
    if (pumps) *pumps = count;
    std::vector<std::string> out;
    for (std::size_t i = 0; i < rows.Size(); ++i) out.emplace_back(rows.Row(i));
    return out;
}

}  // namespace

TEST(Prof, Format) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"751123456", "75 1 12345 6"},
        {"75112345", "75 1 12345"},
        {"2A1234562", "2A 1 23456 2"},
        {"2B123456", "2B 1 23456"},
        {"2C1234567", "2? 1 23456 7"},   // only A and B stay in position 2
        {"0B4284804", "0? 4 28480 4"},   // and only after a 2
        {"?A1234562", "?? 1 23456 2"},
        {"A21234567", "?2 1 23456 7"},   // not in position 1
        {"75A123456", "75 ? 12345 6"},
        {"751234A67", "75 1 234?6 7"},  // nor in the other positions
        {"751?3456?", "75 1 ?3456"},
        {"75.1-12345 6", "75 1 12345 6"},
        {"7511234561234", "75 1 12345 6"},  // characters after the ninth are not shown
        {"2a123456", "21 2 3456"},       // lower case is dropped
        {"", ""},
        {std::string("7\x80" "5"), "75"},
    };
    for (const auto& [typed, shown] : cases) EXPECT_EQ(FormatProf(typed), shown) << typed;
}

TEST(Prof, Key) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"75112345", "6"},
        {"2A123456", "2"},  // A doubles to 20: adds 2
        {"2B123456", "0"},  // B doubles to 22: adds 4
        {"01000000", "8"},
        {"00000000", "0"},
        {"A2000000", "6"},  // a letter outside position 2 counts 0
        {"0A000000", "8"},
        {"751123459", "6"},  // the ninth character is ignored
        {"7511", "9"},       // padded with zeros
        {"", "0"},
    };
    for (const auto& [body, key] : cases) EXPECT_EQ(ComputeProfKey(body), key) << body;
}

TEST(Prof, Calcule) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"75112345", "75 1 12345 6"},
        {"751123450", "75 1 12345 6"},  // a wrong key is replaced
        {"2A123456", "2A 1 23456 2"},
        {"2B123456", "2B 1 23456 0"},
        {"01000000", "01 0 00000 8"},
    };
    for (const auto& [typed, shown] : cases) {
        const Plan plan = ProfPlan(FormatProf(typed));
        ASSERT_TRUE(plan.Complete()) << typed;
        EXPECT_EQ(FormatProf(CompleteProf(plan)), shown) << typed;
    }
}

TEST(Prof, UnknownSecondPositionAfterATwoTriesDigitsThenAThenB) {
    int pumps = 0;
    EXPECT_EQ(SearchRows("2? 1 12345", &pumps),
              (std::vector<std::string>{"20 1 12345 2", "21 1 12345 0", "22 1 12345 8", "23 1 12345 6", "24 1 12345 4",
                                        "25 1 12345 1", "26 1 12345 9", "27 1 12345 7", "28 1 12345 5", "29 1 12345 3",
                                        "2A 1 12345 0", "2B 1 12345 8"}));
    EXPECT_EQ(pumps, 12);
    EXPECT_EQ(SearchRows("2? 1 12345 0"), (std::vector<std::string>{"21 1 12345 0", "2A 1 12345 0"}));
    // After another digit, A and B are pumped for and passed over.
    EXPECT_EQ(SearchRows("7? 1 12345 5", &pumps), std::vector<std::string>{"71 1 12345 5"});
    EXPECT_EQ(pumps, 12);
}

TEST(Prof, OtherPositionsPassOverAAndB) {
    struct Case {
        std::string field;
        std::size_t rows;
        int pumps;
    };
    const std::vector<Case> cases = {
        {"?5 1 12345", 10, 12},                 // A and B are pumped for, then skipped
        {"75 ? 12345", 10, 12},
        {"75 1 1234?", 10, 12},
        {"7? ? 12345", 100, 12 + 10 * 12},
        {"2? ? 12345", 120, 12 + 12 * 12},
        {"?? 1 12345", 102, 12 + 10 * 12},  // 2A and 2B only
        // Position 2 and three others: 12 000 candidates, those with A or B after a 2 listed.
        {"?? ? ?2345", 10200, 12 + 10 * 12 + 120 * 12 + 1200 * 12 + 12000},
    };
    for (const auto& c : cases) {
        int pumps = 0;
        const auto rows = SearchRows(c.field, &pumps);
        EXPECT_EQ(rows.size(), c.rows) << c.field;
        EXPECT_EQ(pumps, c.pumps) << c.field;
        for (const auto& row : rows) {
            ASSERT_EQ(row.size(), 12u);
            const std::string chars = RemoveBlanks(row);
            for (std::size_t i = 0; i < chars.size(); ++i) {
                if (i != 1) {
                    EXPECT_TRUE(IsDigit(chars[i])) << row;
                }
            }
            EXPECT_EQ(ComputeProfKey(chars), chars.substr(8)) << row;
        }
    }
}

TEST(Prof, LimitsOfTheSearch) {
    const std::vector<std::pair<std::string, std::size_t>> cases = {
        {"7511", 4}, {"751", 5}, {"", 8}, {"75112345?", 0}, {"7C 1 12345", 1}};
    for (const auto& [typed, slots] : cases) {
        const Plan plan = ProfPlan(FormatProf(typed));
        EXPECT_EQ(plan.unknowns.size(), slots) << typed;
        EXPECT_EQ(plan.Searches(), slots >= 1 && slots <= 4) << typed;
        EXPECT_EQ(plan.pattern.size(), kProfLength) << typed;
    }
    RowStore rows;
    SearchPump pump([] { return false; });
    EXPECT_TRUE(SearchProf(ProfPlan(FormatProf("751")), rows, pump));
    EXPECT_TRUE(rows.Empty());
}

TEST(Prof, AnyBytesAreSafe) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    for (const std::string& text : {std::string(), std::string("\x80\xff", 2), std::string(1, '\0'), all, all + all}) {
        EXPECT_LE(FormatProf(text).size(), 12u);
        const std::string key = ComputeProfKey(text);
        EXPECT_TRUE(key.size() == 1 && IsDigit(key[0])) << key;
        const Plan plan = ProfPlan(text);
        EXPECT_GE(plan.pattern.size(), kProfLength);
        RowStore rows;
        SearchPump pump([] { return false; });
        SearchProf(plan, rows, pump);
        if (plan.Complete()) {
            EXPECT_EQ(CompleteProf(plan).size(), kProfLength);
        }
    }
}
