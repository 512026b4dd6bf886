#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "avs/Avs.h"

using namespace ferrino;

namespace {

std::vector<std::string> SearchRows(std::string_view field, int* pumps = nullptr) {
    RowStore rows;
    int count = 0;
    SearchPump pump([&] { ++count; return false; });
    const Plan plan = AvsPlan(FormatAvs(field));
    EXPECT_TRUE(plan.Searches()) << field;
    EXPECT_TRUE(SearchAvs(plan, rows, pump));
    if (pumps) *pumps = count;
    std::vector<std::string> out;
    for (std::size_t i = 0; i < rows.Size(); ++i) out.emplace_back(rows.Row(i));
    return out;
}

std::string Calcule(std::string_view typed) {
    const Plan plan = AvsPlan(FormatAvs(typed));
    EXPECT_TRUE(plan.Complete()) << typed;
    return FormatAvs(CompleteAvs(plan));
}

}  // namespace

TEST(Avs, Format) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"12345678903", "123 45 678 903"},
        {"1234567890", "123 45 678 90"},
        {"123.45.678.11", "123 45 678 11"},
        {"123 4X 678 113", "123 4? 678 113"},  // a letter holds its place
        {"123-45-678-903-7", "123 45 678 903"},  // characters after the eleventh are not shown
        {"", ""},
        {"abc", ""},  // lower case is not a capital letter: dropped
        {"??????????3", "??? ?? ??? ??3"},
        {std::string("12\x80" "3"), "123"},
    };
    for (const auto& [typed, shown] : cases) EXPECT_EQ(FormatAvs(typed), shown) << typed;
}

TEST(Avs, CheckValue) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"1234567890", "3"},   // S = 195, r = 8
        {"7561234567", "8"},
        {"0000000000", "0"},   // r = 0
        {"1234560005", "10"},  // r = 1: no check digit
        {"12345678909", "3"},  // only the first ten count
        {"", "0"},
        {"12345678", "8"},     // padded with zeros: S = 168, r = 3
        {"?2345678?0", "2"},   // non-digits count 0: S = 163, r = 9
    };
    for (const auto& [body, key] : cases) EXPECT_EQ(ComputeAvsKey(body), key) << body;
}

TEST(Avs, Calcule) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"1234567890", "123 45 678 903"},
        {"12345678909", "123 45 678 903"},  // a wrong check digit is replaced
        {"7561234567", "756 12 345 678"},
        {"0000000000", "000 00 000 000"},
        {"1234560005", "123 45 600 05"},    // no valid check digit: ten digits only
        {"12345600057", "123 45 600 05"},
    };
    for (const auto& [typed, shown] : cases) EXPECT_EQ(Calcule(typed), shown) << typed;
    EXPECT_EQ(CompleteAvs(AvsPlan("123 45 600 05")), "1234560005?");
}

TEST(Avs, OneUnknownDigitSkipsTheBodyWithoutCheckDigit) {
    // 123456000d: the digit 5 gives the check value 10 and is not listed.
    EXPECT_EQ(SearchRows("123 45 600 0?"),
              (std::vector<std::string>{"123 45 600 009", "123 45 600 017", "123 45 600 025", "123 45 600 033",
                                        "123 45 600 041", "123 45 600 068", "123 45 600 076", "123 45 600 084",
                                        "123 45 600 092"}));
}

TEST(Avs, KnownCheckDigitFiltersRows) {
    const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
        {"123 45 600 0?3", {"123 45 600 033"}},
        {"123 45 600 0?1", {"123 45 600 041"}},  // the check value 10 does not agree with "1"
        {"123 45 678 ?03", {"123 45 678 903"}},
        {"12? 45 678 903", {"123 45 678 903"}},
    };
    for (const auto& [field, rows] : cases) EXPECT_EQ(SearchRows(field), rows) << field;
}

TEST(Avs, LimitsOfTheSearch) {
    struct Case {
        std::string typed;
        std::size_t slots;
    };
    const std::vector<Case> cases = {{"1234567", 3}, {"123456", 4}, {"12345", 5}, {"", 10}, {"1234567890?", 0},
                                     {"123 4X 678 11", 1}};
    for (const auto& c : cases) {
        const Plan plan = AvsPlan(FormatAvs(c.typed));
        EXPECT_EQ(plan.unknowns.size(), c.slots) << c.typed;
        EXPECT_EQ(plan.Searches(), c.slots >= 1 && c.slots <= 4) << c.typed;
        EXPECT_EQ(plan.pattern.size(), kAvsLength) << c.typed;
    }
    // Too many unknown digits: nothing is searched.
    RowStore rows;
    SearchPump pump([] { return false; });
    EXPECT_TRUE(SearchAvs(AvsPlan("12345"), rows, pump));
    EXPECT_TRUE(rows.Empty());
}

TEST(Avs, FourUnknownDigitsListEveryBodyWithACheckDigit) {
    int pumps = 0;
    const auto rows = SearchRows("123456", &pumps);
    EXPECT_EQ(pumps, 10 + 100 + 1000 + 2 * 10000);
    // One body in eleven, roughly, has no check digit.
    EXPECT_GT(rows.size(), 9000u);
    EXPECT_LT(rows.size(), 9200u);
    for (std::size_t i = 1; i < rows.size(); ++i) EXPECT_LT(rows[i - 1], rows[i]) << "rows come in increasing order";
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 14u);
        const std::string digits = RemoveBlanks(row);
        ASSERT_EQ(digits.size(), kAvsLength);
        EXPECT_EQ(ComputeAvsKey(digits), digits.substr(10)) << row;
    }
}

TEST(Avs, AnyBytesAreSafe) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    for (const std::string& text : {std::string(), std::string("\x80\xff", 2), std::string(1, '\0'), all, all + all}) {
        EXPECT_LE(FormatAvs(text).size(), 16u);
        const std::string key = ComputeAvsKey(text);
        EXPECT_TRUE(key == "10" || (key.size() == 1 && IsDigit(key[0]))) << key;
        const Plan plan = AvsPlan(text);
        EXPECT_GE(plan.pattern.size(), kAvsLength);
        RowStore rows;
        SearchPump pump([] { return false; });
        SearchAvs(plan, rows, pump);
        if (plan.Complete()) {
            EXPECT_EQ(CompleteAvs(plan).size(), IsCurrentAvs(plan.pattern) ? kAvsCurrentLength : kAvsLength);
        }
    }
}

// The current number: 756, nine digits, and the check digit of an EAN-13.
TEST(Avs, CurrentNumbers) {
    const std::vector<std::pair<std::string, std::string>> shown = {
        {"756.1234.5678.97", "756.1234.5678.97"},
        {"7561234567897", "756.1234.5678.97"},
        {"756 9217 0769 85", "756.9217.0769.85"},
        {"756.9217.0769.8", "756.9217.0769.8"},          // twelve digits: the key not yet known
        {"756921707698", "756.9217.0769.8"},
        {"7569217?????", "756.9217.????.?"},              // twelve characters stay, or it would read as old
        {"756.1234.5678.97.1", "756.1234.5678.97"},       // after the thirteenth, nothing shown
        {"756.12X4.5678.97", "756.12?4.5678.97"},
        {"75612345678", "756 12 345 678"},                // eleven characters: the old number
        {"7571234567897", "757.1234.5678.97"},            // thirteen digits: current, whatever the code
        {"757123456789", "757 12 345 678"},               // twelve not beginning with 756: the old number
        {"757.1234.5678", "757 12 345 678"},
        {"757.1234.5678.9?", "757.1234.5678.9?"},         // thirteen stay thirteen
    };
    for (const auto& [typed, display] : shown) {
        EXPECT_EQ(FormatAvs(typed), display) << typed;
        EXPECT_EQ(FormatAvs(display), display) << typed;  // leaving the field twice
    }
    EXPECT_EQ(Calcule("756.9217.0769.8"), "756.9217.0769.85");
    EXPECT_EQ(Calcule("756.1234.5678.90"), "756.1234.5678.97");
    EXPECT_EQ(ComputeAvsKey("756123456789"), "7");
    // A search never touches the 756 and finds the digits among the nine.
    const auto rows = SearchRows("756.1234.56?8.97");
    EXPECT_EQ(rows, std::vector<std::string>{"756.1234.5678.97"});
    const Plan plan = AvsPlan(FormatAvs("756.1234.????.?"));
    EXPECT_EQ(plan.unknowns.size(), 5u);
    EXPECT_TRUE(plan.TooMany());
    EXPECT_EQ(SearchRows("756.1234.5678.??").size(), 10u);
    EXPECT_EQ(SearchRows("756.1234.567?.??").size(), 100u);
    // An unknown character of the country code is the one of 756; a search
    // lists no other country.
    EXPECT_EQ(SearchRows("75?.1234.5678.97"), std::vector<std::string>{"756.1234.5678.97"});
    EXPECT_EQ(SearchRows("?57.1234.5678.9?"), std::vector<std::string>{});
}
