#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cip/Cip.h"

using namespace ferrino;

namespace {

Plan PlanOf(std::string_view code, std::string_view key) {
    return CipPlan(FormatCipField(code, kCipCodeLength), FormatCipField(key, kCipKeyLength));
}

std::vector<std::string> SearchRows(std::string_view code, std::string_view key, int* pumps = nullptr) {
    RowStore rows;
    int count = 0;
    SearchPump pump([&] { ++count; return false; });
    const Plan plan = PlanOf(code, key);
    EXPECT_TRUE(plan.Searches()) << code;
    EXPECT_TRUE(SearchCip(plan, rows, pump));
    if (pumps) *pumps = count;
    std::vector<std::string> out;
    for (std::size_t i = 0; i < rows.Size(); ++i) out.emplace_back(rows.Row(i));
    return out;
}

}  // namespace

TEST(Cip, FormatField) {
    struct Case {
        std::string text;
        std::size_t maxLength;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"123456", 6, "123456"}, {"12345", 6, "12345?"}, {"12A456", 6, "12?456"}, {"12 456", 6, "12?456"},
        {"", 6, "??????"},       {"", 1, "?"},           {"7", 1, "7"},           {"X", 1, "?"},
        {"-", 1, "?"},           {std::string("\x80"), 1, "?"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatCipField(c.text, c.maxLength), c.shown) << c.text;
}

TEST(Cip, Key) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"123456", "2"},  // S = 112, r = 2
        {"500000", "0"},  // r = 10
        {"000003", "0"},  // r = 10
        {"125456", "0"},  // r = 10
        {"128456", "0"},  // r = 0
        {"122456", "9"},
        {"1234569", "2"},  // the seventh character is ignored
        {"1", "2"},        // padded with zeros
        {"", "0"},
        {"1?3456", "7"},   // a non-digit counts 0: S = 106, r = 7
    };
    for (const auto& [code, key] : cases) EXPECT_EQ(ComputeCipKey(code), key) << code;
}

TEST(Cip, CalculeGivesTheKeyField) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"123456", "", "2"}, {"123456", "7", "2"}, {"500000", "?", "0"}, {"128456", "0", "0"}};
    for (const auto& [code, key, completed] : cases) {
        const Plan plan = PlanOf(code, key);
        ASSERT_TRUE(plan.Complete()) << code;
        EXPECT_EQ(CompleteCip(plan), completed) << code;
    }
}

TEST(Cip, OneUnknownDigit) {
    const std::vector<std::string> all = {"120456 1", "121456 5", "122456 9", "123456 2", "124456 6",
                                          "125456 0", "126456 3", "127456 7", "128456 0", "129456 4"};
    const std::vector<std::tuple<std::string, std::string, std::vector<std::string>>> cases = {
        {"12?456", "", all},
        {"12?456", "9", {"122456 9"}},
        {"12?456", "0", {"125456 0", "128456 0"}},
        {"12?456", "8", {}},  // no candidate: an empty list
    };
    for (const auto& [code, key, rows] : cases) EXPECT_EQ(SearchRows(code, key), rows) << code << " " << key;
    // A code typed with five digits is completed on its sixth.
    const auto rows = SearchRows("12345", "");
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows.front().substr(0, 6), "123450");
    EXPECT_EQ(rows.back().substr(0, 6), "123459");
}

TEST(Cip, LimitsOfTheSearch) {
    const std::vector<std::pair<std::string, std::size_t>> cases = {
        {"12", 4}, {"1", 5}, {"", 6}, {"123456", 0}, {"??3456", 2}};
    for (const auto& [code, slots] : cases) {
        const Plan plan = PlanOf(code, "?");
        EXPECT_EQ(plan.unknowns.size(), slots) << code;
        EXPECT_EQ(plan.Searches(), slots >= 1 && slots <= 4) << code;
        EXPECT_EQ(plan.pattern.size(), kCipLength);
    }
    int pumps = 0;
    const auto rows = SearchRows("12", "?", &pumps);
    EXPECT_EQ(rows.size(), 10000u);
    EXPECT_EQ(pumps, 10 + 100 + 1000 + 2 * 10000);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 8u);
        EXPECT_EQ(row[6], ' ');
        EXPECT_EQ(ComputeCipKey(row.substr(0, 6)), row.substr(7)) << row;
    }
}

TEST(Cip, RowSplitsIntoTheTwoFields) {
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"123456 2", "123456", "2"}, {"120456 1", "120456", "1"}, {"123", "123", ""}, {"", "", ""}};
    for (const auto& [row, code, key] : cases) {
        const CipFields fields = CipRowFields(row);
        EXPECT_EQ(fields.code, code) << row;
        EXPECT_EQ(fields.key, key) << row;
    }
}

TEST(Cip, AnyBytesAreSafe) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    for (const std::string& text : {std::string(), std::string("\x80\xff", 2), std::string(1, '\0'), all}) {
        EXPECT_EQ(FormatCipField(text, kCipCodeLength).size(), std::max(text.size(), kCipCodeLength));
        const std::string key = ComputeCipKey(text);
        EXPECT_TRUE(key.size() == 1 && IsDigit(key[0])) << key;
        const Plan plan = CipPlan(text, text);
        EXPECT_GE(plan.pattern.size(), kCipLength);
        RowStore rows;
        SearchPump pump([] { return false; });
        SearchCip(plan, rows, pump);
        if (plan.Complete()) {
            EXPECT_EQ(CompleteCip(plan).size(), 1u);
        }
        CipRowFields(text);
    }
}

// A whole CIP/ACL code with its key pasted into one field of the page.
TEST(Cip, SplitWholeNumber) {
    const struct {
        const char* text;
        bool whole;
        const char* code;
        const char* key;
    } cases[] = {
        {"1234562", true, "123456", "2"},
        {"123456 2", true, "123456", "2"},
        {" 123 456  2 \n", true, "123456", "2"},
        {"12?456 ?", true, "12?456", "?"},
        {"340093-5", true, "340093", "5"},
        {"34.00.93/5", true, "340093", "5"},
        {"123456", false, "", ""},
        {"12345 2", false, "", ""},
        {"123456 23", false, "", ""},
        {"12345678", false, "", ""},
        {"12A456 2", false, "", ""},
        {"", false, "", ""},
    };
    for (const auto& c : cases) {
        const std::optional<CipFields> fields = SplitCip(c.text);
        ASSERT_EQ(fields.has_value(), c.whole) << c.text;
        if (!c.whole) continue;
        EXPECT_EQ(fields->code, c.code) << c.text;
        EXPECT_EQ(fields->key, c.key) << c.text;
    }
}
