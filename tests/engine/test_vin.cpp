#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vin/Vin.h"

using namespace ferrino;

namespace {

VinFields Normalised(VinFields fields) {
    for (std::size_t i = 0; i < kVinFieldCount; ++i) fields[i] = FormatVinField(fields[i], kVinFieldWidths[i]);
    return fields;
}

std::vector<std::string> RowsOf(const RowStore& rows) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < rows.Size(); ++i) out.emplace_back(rows.Row(i));
    return out;
}

// A search's rows, and the number of rows there were at each poll of the
// pump (so that the interleaving of pumps and rows can be compared).
struct SearchRun {
    std::vector<std::string> rows;
    std::vector<std::size_t> rowsAtPoll;
    bool finished = false;
};

// `fast`: SearchVin; otherwise Enumerate with the plain candidate test.
SearchRun RunSearch(const Plan& plan, bool fast, int stopAtPoll = -1) {
    SearchRun run;
    RowStore sink;
    SearchPump pump([&] {
        run.rowsAtPoll.push_back(sink.Size());
        return static_cast<int>(run.rowsAtPoll.size()) == stopAtPoll;
    });
    if (fast)
        run.finished = SearchVin(plan, sink, pump);
    else
        run.finished = Enumerate(plan, TestVisitor{[&](const std::string& c) { TestVinCandidate(c, plan.pattern, sink); }}, pump);
    run.rows = RowsOf(sink);
    return run;
}

std::vector<std::string> SearchRows(const VinFields& fields) {
    const Plan plan = VinPlan(Normalised(fields));
    EXPECT_TRUE(plan.Searches());
    return RunSearch(plan, true).rows;
}

}  // namespace

TEST(Vin, FormatField) {
    struct Case {
        std::string text;
        std::size_t width;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {"L", 1, "L"},          {"", 1, "?"},           {"-", 1, "?"},           {"*", 1, "?"},
        {" ", 1, " "},          {"a", 1, "?"},          {"89012", 6, "89012?"},  {"", 6, "??????"},
        {"1 2", 5, "1 2??"},    {"A-Z*9", 5, "A?Z?9"},  {"123456", 6, "123456"}, {std::string("\x80"), 1, "?"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatVinField(c.text, c.width), c.shown) << c.text;
}

TEST(Vin, Key) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"LMN12345?67890001", "X"},  // S = 384
        {"LLL11111?22222222", "X"},  // S = 175
        {"11111111?11111111", "1"},  // S = 89
        {"00000000?00000000", "0"},
        {"LMN12345967890121", "9"},  // position 9 is not looked at
        {"LMN12345067890121", "9"},
        {"LMN12345?6789012Y", "1"},
        {"LMN1234", "2"},            // padded with zeros: S = 112
        {"", "0"},
        {"-*?a", "0"},               // other characters count 0
    };
    for (const auto& [text, key] : cases) EXPECT_EQ(ComputeVinKey(text), key) << text;
}

TEST(Vin, PositionWeights) {
    const int weights[kVinLength] = {8, 7, 6, 5, 4, 3, 2, 10, 0, 9, 8, 7, 6, 5, 4, 3, 2};
    for (std::size_t i = 0; i < kVinLength; ++i) {
        std::string text(kVinLength, '0');
        text[i] = '1';
        const int r = weights[i] % 11;
        EXPECT_EQ(ComputeVinKey(text), r == 10 ? "X" : std::to_string(r)) << "position " << i + 1;
    }
}

TEST(Vin, LetterValues) {
    // O counts 5 like N; I and Q count like the other letters.
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const int values[26] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 5, 7, 8, 9, 2, 3, 4, 5, 6, 7, 8, 9};
    for (std::size_t i = 0; i < letters.size(); ++i) {
        std::string text = "0000000" + std::string(1, letters[i]) + "000000000";  // position 8 weighs 10
        const int r = values[i] * 10 % 11;
        EXPECT_EQ(ComputeVinKey(text), r == 10 ? "X" : std::to_string(r)) << letters[i];
    }
}

TEST(Vin, CalculeGivesTheKeyField) {
    const std::vector<std::pair<VinFields, std::string>> cases = {
        {{"L", "M", "N", "12345", "?", "6", "7", "890001"}, "X"},
        {{"L", "M", "N", "12345", "", "6", "7", "890001"}, "X"},
        {{"L", "L", "L", "11111", "?", "2", "2", "222222"}, "X"},
        {{"1", "1", "1", "11111", "?", "1", "1", "111111"}, "1"},
        {{"0", "0", "0", "00000", "7", "0", "0", "000000"}, "0"},  // a typed key is replaced
    };
    for (const auto& [fields, key] : cases) {
        const Plan plan = VinPlan(Normalised(fields));
        ASSERT_TRUE(plan.Complete()) << plan.pattern;
        EXPECT_EQ(CompleteVin(plan), key) << plan.pattern;
    }
}

TEST(Vin, PatternJoinsTheFieldsWithoutBlanks) {
    struct Case {
        VinFields fields;
        std::string pattern;
        std::vector<std::size_t> slots;
    };
    const std::vector<Case> cases = {
        {{"L", "M", "N", "12345", "?", "6", "7", "89012"}, "LMN12345?6789012?", {16}},
        // A blank shifts every later character left: the typed key lands in the body.
        {{"L", "M", "N", "12 45", "X", "6", "7", "890123"}, "LMN1245X67890123?", {16}},
        {{"L", " ", "N", "12345", "X", "6", "7", "890123"}, "LN12345X67890123?", {16}},
        {{"", "", "", "", "", "", "", ""}, "?????????????????", {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16}},
        {{"?", "M", "N", "1?345", "?", "?", "7", "8901??"}, "?MN1?345??78901??", {0, 4, 9, 15, 16}},
    };
    for (const auto& c : cases) {
        const Plan plan = VinPlan(Normalised(c.fields));
        EXPECT_EQ(plan.pattern, c.pattern);
        std::vector<std::size_t> slots;
        for (const Slot& slot : plan.unknowns) slots.push_back(slot.pos);
        EXPECT_EQ(slots, c.slots) << c.pattern;
    }
    EXPECT_TRUE(VinPlan(Normalised({"", "", "", "", "", "", "", ""})).TooMany());
}

TEST(Vin, LastCharacterUnknown) {
    const auto rows = SearchRows({"L", "M", "N", "12345", "?", "6", "7", "89012"});
    // The 33 characters a VIN holds: digits, then letters without I, O and Q.
    ASSERT_EQ(rows.size(), 33u);
    EXPECT_EQ(rows.front(), "LMN12345767890120");
    EXPECT_EQ(rows.back(), "LMN1234536789012Z");
    const std::string symbols = "0123456789ABCDEFGHJKLMNPRSTUVWXYZ";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].back(), symbols[i]);
        EXPECT_EQ(ComputeVinKey(rows[i]), rows[i].substr(8, 1)) << rows[i];
    }
    EXPECT_EQ(SearchRows({"L", "M", "N", "12345", "X", "6", "7", "89012"}),
              (std::vector<std::string>{"LMN12345X67890127", "LMN12345X6789012G", "LMN12345X6789012P", "LMN12345X6789012X"}));
    // A key that no remainder gives lists nothing.
    EXPECT_TRUE(SearchRows({"L", "M", "N", "12345", "A", "6", "7", "89012"}).empty());
}

TEST(Vin, FastSearchMatchesThePlainTest) {
    std::vector<Plan> plans;
    for (const VinFields& fields : std::vector<VinFields>{
             {"L", "M", "N", "12345", "?", "6", "7", "89012"},
             {"?", "M", "N", "1?345", "X", "6", "7", "8901??"},    // four slots, known key
             {"?", "M", "N", "1?345", "3", "6", "7", "89012?"},
             {"W", "?", "Z", "O?QI ", "?", "6", "?", "890120"},    // a blank shifts, key unknown
             {"1", "2", "3", "45678", "A", "?", "?", "??????"},    // too many: nothing
             {"1", "?", "3", "4?678", "?", "?", "?", "123456"},    // four slots, unknown key: 1 185 921 rows
         })
        plans.push_back(VinPlan(Normalised(fields)));
    // Slots a hand-made plan may have: other symbols, passed-over values.
    Plan handMade;
    handMade.pattern = "LMN12345?67890123";
    handMade.unknowns = {Slot{0, kDigitsAndLetters, (1ULL << 0) | (1ULL << 5) | (1ULL << 35)}, Slot{16, "19X*", 1U << 1}};
    plans.push_back(handMade);

    for (const Plan& plan : plans) {
        const SearchRun fast = RunSearch(plan, true);
        if (plan.TooMany()) {
            EXPECT_TRUE(fast.rows.empty());
            EXPECT_TRUE(fast.rowsAtPoll.empty());
            continue;
        }
        const SearchRun plain = RunSearch(plan, false);
        EXPECT_TRUE(fast.finished);
        EXPECT_EQ(fast.rows.size(), plain.rows.size()) << plan.pattern;
        EXPECT_TRUE(fast.rows == plain.rows) << plan.pattern;
        EXPECT_TRUE(fast.rowsAtPoll == plain.rowsAtPoll) << plan.pattern;
        if (&plan == &plans[5]) {
            EXPECT_EQ(fast.rows.size(), 1185921u);
        }
    }
}

TEST(Vin, StoppedSearchKeepsTheRowsFound) {
    const Plan plan = VinPlan(Normalised({"1", "?", "3", "4?678", "?", "?", "?", "123456"}));
    ASSERT_EQ(plan.unknowns.size(), 4u);
    for (int stopAt : {1, 2, 5, 40, 1000, 77777}) {
        const SearchRun fast = RunSearch(plan, true, stopAt);
        const SearchRun plain = RunSearch(plan, false, stopAt);
        EXPECT_FALSE(fast.finished) << stopAt;
        EXPECT_EQ(static_cast<int>(fast.rowsAtPoll.size()), stopAt);
        EXPECT_EQ(fast.rows, plain.rows) << stopAt;
    }
}

TEST(Vin, EveryRowIsCompleteAndPassesItsOwnKey) {
    const auto rows = SearchRows({"1", "?", "3", "4?678", "?", "?", "6", "123456"});
    EXPECT_EQ(rows.size(), 33u * 33u * 33u);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), kVinLength);
        EXPECT_EQ(row.find('?'), std::string::npos) << row;
        EXPECT_EQ(ComputeVinKey(row), row.substr(8, 1)) << row;
    }
}

TEST(Vin, RowSplitsIntoTheEightFields) {
    const std::vector<std::pair<std::string, VinFields>> cases = {
        {"LMN12345967890121", {"L", "M", "N", "12345", "9", "6", "7", "890121"}},
        {"LMN1234", {"L", "M", "N", "1234", "", "", "", ""}},
        {"", {"", "", "", "", "", "", "", ""}},
    };
    for (const auto& [row, fields] : cases) EXPECT_EQ(VinRowFields(row), fields) << row;
}

TEST(Vin, AnyBytesAreSafe) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    for (const std::string& text : {std::string(), std::string("\x80\xff", 2), std::string(1, '\0'), all}) {
        for (std::size_t width : kVinFieldWidths) EXPECT_EQ(FormatVinField(text, width).size(), std::max(text.size(), width));
        const std::string key = ComputeVinKey(text);
        EXPECT_TRUE(key == "X" || (key.size() == 1 && IsDigit(key[0]))) << key;
        const Plan plan = VinPlan({text, text, text, text, text, text, text, text});
        EXPECT_GE(plan.pattern.size(), kVinLength);
        RowStore rows;
        SearchPump pump([] { return false; });
        SearchVin(plan, rows, pump);
        VinRowFields(text);
    }
}

// A whole VIN pasted into one box of the page.
TEST(Vin, SplitWholeNumber) {
    const struct {
        const char* text;
        bool whole;
        VinFields fields;
    } cases[] = {
        {"1M8GDM9AXKP042788", true, {"1", "M", "8", "GDM9A", "X", "K", "P", "042788"}},
        {"1m8gdm9axkp042788", true, {"1", "M", "8", "GDM9A", "X", "K", "P", "042788"}},
        {"1M8 GDM9A X KP 042788", true, {"1", "M", "8", "GDM9A", "X", "K", "P", "042788"}},
        {"WP0-ZZZ99Z-TS392124\n", true, {"W", "P", "0", "ZZZ99", "Z", "T", "S", "392124"}},
        {"LMN12345?67890121", true, {"L", "M", "N", "12345", "?", "6", "7", "890121"}},
        {"1M8GDM9AXKP04278", false, {}},
        {"1M8GDM9AXKP0427888", false, {}},
        {"1M8GDM9AXKP04278É", false, {}},
        {"1M8.GDM9A.X.KP/042788", true, {"1", "M", "8", "GDM9A", "X", "K", "P", "042788"}},
        {"1M8GDM9A*KP042788", true, {"1", "M", "8", "GDM9A", "?", "K", "P", "042788"}},
        {"1M8GDM9AXKP04278+", false, {}},
        {"", false, {}},
    };
    for (const auto& c : cases) {
        const std::optional<VinFields> fields = SplitVin(c.text);
        ASSERT_EQ(fields.has_value(), c.whole) << c.text;
        if (c.whole) {
            EXPECT_EQ(*fields, c.fields) << c.text;
        }
    }
    // The published example's check character is what the engine computes.
    EXPECT_EQ(ComputeVinKey("1M8GDM9AXKP042788"), "X");
}
