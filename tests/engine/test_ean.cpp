#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ean/Ean.h"

using namespace ferrino;

namespace {

constexpr EanType kAllTypes[] = {EanType::Ean8, EanType::Ean13, EanType::UpcA, EanType::UpcC};

std::vector<std::string> Search(std::string_view typed, EanType type) {
    const Plan plan = EanPlan(ShowEan(typed, type), type);
    EXPECT_TRUE(plan.Searches()) << typed;
    RowStore rows;
    SearchPump pump([] { return false; });
    EXPECT_TRUE(SearchEan(plan, rows, pump, type));
    std::vector<std::string> out;
    for (std::size_t i = 0; i < rows.Size(); ++i) out.emplace_back(rows.Row(i));
    return out;
}

std::string Calcule(std::string_view typed, EanType type) {
    const Plan plan = EanPlan(ShowEan(typed, type), type);
    EXPECT_TRUE(plan.Complete()) << typed;
    return ShowEan(CompleteEan(plan, type), type);
}

std::string DigitsOf(std::string_view shown) {
    std::string out;
    for (char c : shown)
        if (c != ' ') out += c;
    return out;
}

// The whole number is right when its weighted sum, read from the right with
// weights 1, 3, 1, 3, ..., is a multiple of ten.
bool PassesEan(std::string_view number) {
    int sum = 0;
    for (std::size_t i = 0; i < number.size(); ++i) sum += (i % 2 ? 3 : 1) * (number[number.size() - 1 - i] - '0');
    return sum % 10 == 0;
}

}  // namespace

TEST(Ean, Types) {
    struct Case {
        EanType type;
        std::string_view name;
        std::size_t length;
        std::size_t shownLength;
    };
    const std::vector<Case> cases = {
        {EanType::Ean8, "EAN 8", 8, 9}, {EanType::Ean13, "EAN 13", 13, 15},
        {EanType::UpcA, "UPC-A", 12, 14}, {EanType::UpcC, "UPC-C", 8, 10},
        {EanType::UpcE, "UPC-E", 8, 10},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EanTypeName(c.type), c.name);
        EXPECT_EQ(EanLength(c.type), c.length);
        EXPECT_EQ(FormatEan(std::string(c.length, '5'), c.type).size(), c.shownLength) << c.name;
        // A row chooses its type by its length, or the type of the search
        // that listed it when that type's rows are as long.
        EXPECT_EQ(EanTypeForShownLength(c.shownLength, EanType::Ean13, c.type), c.type) << c.name;
    }
    EXPECT_EQ(EanTypeForShownLength(10, EanType::Ean13), EanType::UpcC);
    EXPECT_EQ(EanTypeForShownLength(10, EanType::Ean13, EanType::Ean8), EanType::UpcC);
    // Any other length leaves the type as it was.
    for (std::size_t length : {0u, 8u, 11u, 13u, 16u})
        for (EanType current : kAllTypes) EXPECT_EQ(EanTypeForShownLength(length, current), current) << length;
    // A type out of the combo box's rows is read as "EAN 13".
    EXPECT_EQ(EanLength(static_cast<EanType>(-1)), 13u);
    EXPECT_EQ(EanTypeName(static_cast<EanType>(5)), "EAN 13");
}

// A single 1 among zeros has the key (10 - weight) mod 10.
TEST(Ean, WeightsOfEveryPosition) {
    const std::vector<std::pair<EanType, std::string>> cases = {
        {EanType::Ean8, "3131313"},
        {EanType::Ean13, "131313131313"},
        {EanType::UpcA, "31313131313"},
        {EanType::UpcC, "3131313"},
    };
    for (const auto& [type, weights] : cases) {
        const std::size_t n = EanLength(type);
        ASSERT_EQ(weights.size(), n - 1);
        for (std::size_t i = 0; i + 1 < n; ++i) {
            std::string data(n - 1, '0');
            data[i] = '1';
            const int weight = weights[i] - '0';
            EXPECT_EQ(ComputeEanKey(data, n), std::string(1, static_cast<char>('0' + (10 - weight) % 10))) << EanTypeName(type) << " " << i;
        }
    }
}

TEST(Ean, CheckDigit) {
    struct Case {
        std::string text;
        std::size_t n;
        std::string key;
    };
    const std::vector<Case> cases = {
        {"400638133393", 13, "1"},
        {"9638507", 8, "4"},
        {"03600029145", 12, "2"},
        {"0123456", 8, "5"},
        {"000000000000", 13, "0"},
        {"4006381333931", 13, "1"},   // the n-th character is not counted
        {"400638", 13, "1"},          // short: counts as 400638000000
        {"", 13, "0"},
        {"5", 1, "0"},                // no data digit at all
        {"5", 0, "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(ComputeEanKey(c.text, c.n), c.key) << c.text << " " << c.n;
}

TEST(Ean, ShownOnLeavingTheField) {
    struct Case {
        EanType type;
        std::string typed;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {EanType::Ean13, "4006381333931", "4 006381 333931"},
        {EanType::Ean13, "400638133393", "4 006381 33393"},
        {EanType::Ean13, "40063?1333931", "4 0063?1 333931"},  // the marker keeps its place
        {EanType::Ean13, "40063813*3931", "4 006381 3?3931"},  // as any other character
        {EanType::UpcE, "0 4252?1 4", "0 4252?1 4"},
        {EanType::Ean13, "4-006.381_333 931", "4 006381 333931"},
        {EanType::Ean13, "4", "4"},
        {EanType::Ean13, "4006381", "4 006381"},
        {EanType::Ean13, "", ""},
        {EanType::Ean13, "abc", ""},
        {EanType::Ean8, "96385074", "9638 5074"},
        {EanType::Ean8, "12345678901", "1234 5678"},
        {EanType::Ean8, "4 006381 333931", "4006 3813"},       // another type re-lays the digits at once
        {EanType::UpcA, "036000291452", "0 36000 291452"},
        {EanType::UpcA, "0360002914", "0 36000 2914"},
        {EanType::UpcC, "01234565", "0 123456 5"},
        {EanType::UpcC, "0123456", "0 123456"},
        {EanType::UpcC, std::string("01\x80" "23"), "0 1?23"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShowEan(c.typed, c.type), c.shown) << EanTypeName(c.type) << " " << c.typed;
        EXPECT_EQ(FormatEan(c.shown, c.type), c.shown) << EanTypeName(c.type) << " " << c.typed;
    }
    EXPECT_EQ(NormaliseEan("4-0*6", EanType::Ean8), "40?6????");
}

TEST(Ean, ShowIsSafeForAnyBytes) {
    std::string every;
    for (int b = 255; b >= 0; --b) every += static_cast<char>(b);
    for (EanType type : kAllTypes) {
        const std::string shown = ShowEan(every, type);
        EXPECT_EQ(ShowEan(shown, type), shown);
    }
}

TEST(Ean, CalculeWritesTheCheckDigit) {
    struct Case {
        EanType type;
        std::string typed;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {EanType::Ean13, "400638133393", "4 006381 333931"},
        {EanType::Ean13, "4006381333939", "4 006381 333931"},   // a wrong check digit is replaced
        {EanType::Ean8, "9638507", "9638 5074"},
        {EanType::UpcA, "03600029145", "0 36000 291452"},
        {EanType::UpcC, "0123456", "0 123456 5"},
    };
    for (const auto& c : cases) EXPECT_EQ(Calcule(c.typed, c.type), c.shown) << EanTypeName(c.type) << " " << c.typed;
}

TEST(Ean, MissingDigitsAreSearched) {
    const auto rows = Search("4006381333", EanType::Ean13);
    ASSERT_EQ(rows.size(), 100u);
    EXPECT_EQ(rows[0], "4 006381 333009");
    EXPECT_EQ(rows[1], "4 006381 333016");
    EXPECT_EQ(rows[93], "4 006381 333931");
    EXPECT_EQ(rows[99], "4 006381 333993");
    std::string previous;
    for (const auto& row : rows) {
        EXPECT_EQ(row.size(), 15u);
        EXPECT_TRUE(PassesEan(DigitsOf(row))) << row;
        EXPECT_EQ(EanTypeForShownLength(row.size(), EanType::Ean8), EanType::Ean13);
        EXPECT_GT(row, previous);
        previous = row;
    }
    EXPECT_EQ(Search("40063813", EanType::Ean13).size(), 10000u);
    EXPECT_EQ(Search("0360002", EanType::UpcA).size(), 10000u);
    EXPECT_EQ(Search("963850", EanType::Ean8), (std::vector<std::string>{"9638 5005", "9638 5012", "9638 5029", "9638 5036", "9638 5043",
                                                                          "9638 5050", "9638 5067", "9638 5074", "9638 5081", "9638 5098"}));
}

TEST(Ean, LimitsOfTheSearch) {
    for (EanType type : kAllTypes) {
        const std::size_t n = EanLength(type);
        struct Case {
            std::string typed;
            std::size_t unknowns;
        };
        const std::vector<Case> cases = {
            {std::string(n - 5, '1'), 4}, {std::string(n - 6, '1'), 5}, {"", n - 1},
            {std::string(n - 1, '1'), 0}, {std::string(n, '1'), 0},
        };
        for (const auto& c : cases) {
            const Plan plan = EanPlan(ShowEan(c.typed, type), type);
            EXPECT_EQ(plan.unknowns.size(), c.unknowns) << EanTypeName(type) << " " << c.typed;
            EXPECT_EQ(plan.pattern.size(), n);
        }
        // Five missing digits: nothing is searched and the field keeps its digits.
        const Plan tooMany = EanPlan(ShowEan(std::string(n - 6, '2'), type), type);
        EXPECT_TRUE(tooMany.TooMany());
        EXPECT_EQ(ShowEan(tooMany.pattern, type), ShowEan(std::string(n - 6, '2'), type));
    }
}

TEST(Ean, CandidateTest) {
    struct Case {
        std::string candidate;
        std::string pattern;
        bool listed;
    };
    const std::vector<Case> cases = {
        {"400638133393?", "40063813339??", true},
        {"4006381333931", "4006381333?31", true},    // a known check digit that agrees
        {"4006381333939", "4006381333?39", false},   // one that does not
        {"4006381333931", "", true},
    };
    for (const auto& c : cases) {
        RowStore rows;
        EXPECT_EQ(TestEanCandidate(c.candidate, c.pattern, rows, EanType::Ean13), c.listed) << c.candidate;
        if (c.listed) {
            ASSERT_EQ(rows.Size(), 1u);
            EXPECT_EQ(rows.Row(0), "4 006381 333931");
        }
    }
}

// UPC-E stands for a UPC-A number and takes its check digit.
TEST(Ean, UpcE) {
    const std::vector<std::pair<std::string, std::string>> expansions = {
        {"0425261", "04210000526"}, {"0425263", "04250000026"}, {"0425264", "04252000006"},
        {"0425269", "04252600009"}, {"1123450", "11200000345"}, {"0", "00000000000"},
    };
    for (const auto& [upcE, upcA] : expansions) EXPECT_EQ(ExpandUpcE(upcE), upcA) << upcE;
    EXPECT_EQ(ComputeEanTypeKey("0425261", EanType::UpcE), "4");   // 042100005264
    EXPECT_EQ(ComputeEanTypeKey("0123456", EanType::UpcC), "5");   // UPC-C keeps its own weights
    EXPECT_EQ(ComputeEanTypeKey("2425261", EanType::UpcE), "");    // number system 2: no check digit
    EXPECT_EQ(ShowEan("04252614", EanType::UpcE), "0 425261 4");
    const Plan plan = EanPlan(ShowEan("3425261", EanType::UpcE), EanType::UpcE);
    EXPECT_EQ(ShowEan(CompleteEan(plan, EanType::UpcE), EanType::UpcE), "3 425261");
    RowStore rows;
    EXPECT_FALSE(TestEanCandidate("3425261?", "3425261?", rows, EanType::UpcE));
    EXPECT_TRUE(TestEanCandidate("1425261?", "1425261?", rows, EanType::UpcE));
}
