// The search frame shared by every page: order of candidates, passed-over
// values, and where the pump and the stop request are looked at.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/Enumeration.h"
#include "common/RowStore.h"
#include "common/Text.h"

using namespace ferrino;

namespace {

// Records pumps and tests in order; asks for a stop at the n-th pump.
struct Recorder {
    std::vector<std::string> events;
    int stopAtPump = -1;
    int pumps = 0;

    SearchPump MakePump() {
        return SearchPump([this] {
            ++pumps;
            events.push_back("pump");
            return pumps == stopAtPump;
        });
    }
    auto Visitor() {
        return TestVisitor{[this](const std::string& c) { events.push_back(c); }};
    }
};

Plan DigitPlan(std::string pattern, std::size_t bodyLength) {
    Plan plan;
    plan.pattern = std::move(pattern);
    plan.unknowns = FindDigitSlots(plan.pattern, 0, bodyLength);
    return plan;
}

std::vector<std::string> TestsOnly(const std::vector<std::string>& events) {
    std::vector<std::string> out;
    for (const auto& e : events)
        if (e != "pump") out.push_back(e);
    return out;
}

}  // namespace

TEST(Text, ValueSymbol) {
    const std::vector<std::pair<int, std::string>> cases = {
        {0, "0"}, {9, "9"}, {10, "A"}, {35, "Z"}, {36, " "}, {37, ""}, {-1, ""}};
    for (const auto& [value, symbol] : cases) EXPECT_EQ(ValueSymbol(value), symbol) << value;
}

TEST(Text, TrimShownRemovesTrailingUnknownsBlanksAndHyphens) {
    EXPECT_EQ(TrimShown("1 85 ?? - ?"), "1 85");
    EXPECT_EQ(TrimShown("?? ??"), "");
    EXPECT_EQ(TrimShown("1?3"), "1?3");
    EXPECT_EQ(PadUnknown("12", 4), "12??");
    EXPECT_EQ(PadUnknown("12345", 4), "12345");
}

TEST(Enumeration, OrderIsLexicographicRightmostFastest) {
    Recorder r;
    SearchPump pump = r.MakePump();
    EXPECT_TRUE(Enumerate(DigitPlan("?a?", 3), r.Visitor(), pump));
    const auto tests = TestsOnly(r.events);
    ASSERT_EQ(tests.size(), 100u);
    EXPECT_EQ(tests[0], "0a0");
    EXPECT_EQ(tests[1], "0a1");
    EXPECT_EQ(tests[10], "1a0");
    EXPECT_EQ(tests[99], "9a9");
}

TEST(Enumeration, PumpsBeforeEveryValueOfEveryLevel) {
    Recorder r;
    SearchPump pump = r.MakePump();
    Enumerate(DigitPlan("??", 2), r.Visitor(), pump);
    // Outer value, then for each inner value a pump and a test.
    ASSERT_GE(r.events.size(), 4u);
    EXPECT_EQ(r.events[0], "pump");
    EXPECT_EQ(r.events[1], "pump");
    EXPECT_EQ(r.events[2], "00");
    EXPECT_EQ(r.events[3], "pump");
    EXPECT_EQ(r.events[4], "01");
    EXPECT_EQ(r.pumps, 10 + 100);
}

TEST(Enumeration, FourSlotsAlsoPumpAfterEachTest) {
    Recorder r;
    SearchPump pump = r.MakePump();
    Enumerate(DigitPlan("????", 4), r.Visitor(), pump);
    EXPECT_EQ(TestsOnly(r.events).size(), 10000u);
    EXPECT_EQ(r.pumps, 10 + 100 + 1000 + 2 * 10000);
    // Three slots: no extra pump.
    Recorder three;
    SearchPump pump3 = three.MakePump();
    Enumerate(DigitPlan("???", 3), three.Visitor(), pump3);
    EXPECT_EQ(three.pumps, 10 + 100 + 1000);
}

TEST(Enumeration, StopEndsAtOnceAndKeepsWhatWasTested) {
    struct Case {
        std::string pattern;
        int stopAtPump;
        std::size_t tested;
    };
    const std::vector<Case> cases = {
        {"?", 1, 0},      // stop before the first value
        {"?", 4, 3},      // three values tested, stop before the fourth
        {"??", 2, 0},     // stop before the first inner value
        {"??", 13, 10},   // first inner loop done (1 + 10 pumps), next outer (12), first inner of it (13)
        {"????", 6, 1},   // 4 pumps down to the first test, stop at the pump after it... (5), then 6
    };
    for (const auto& c : cases) {
        Recorder r;
        r.stopAtPump = c.stopAtPump;
        SearchPump pump = r.MakePump();
        EXPECT_FALSE(Enumerate(DigitPlan(c.pattern, c.pattern.size()), r.Visitor(), pump)) << c.pattern;
        EXPECT_EQ(TestsOnly(r.events).size(), c.tested) << c.pattern << " stop at " << c.stopAtPump;
        EXPECT_EQ(r.pumps, c.stopAtPump) << c.pattern;
    }
}

TEST(Enumeration, PassedOverValuesArePumpedForButNotTested) {
    Recorder r;
    SearchPump pump = r.MakePump();
    Plan plan;
    plan.pattern = "?";
    plan.unknowns = {Slot{0, kDigits, (1U << 0) | (1U << 5) | (1U << 9)}};
    Enumerate(plan, r.Visitor(), pump);
    EXPECT_EQ(TestsOnly(r.events), (std::vector<std::string>{"1", "2", "3", "4", "6", "7", "8"}));
    EXPECT_EQ(r.pumps, 10);
}

TEST(Enumeration, PumpPollsOnlyEveryNCalls) {
    int polls = 0;
    SearchPump pump([&] { return ++polls == 3; }, 100);
    Plan plan = DigitPlan("????", 4);
    std::size_t tested = 0;
    EXPECT_FALSE(Enumerate(plan, TestVisitor{[&](const std::string&) { ++tested; }}, pump));
    EXPECT_EQ(polls, 3);
    EXPECT_LT(tested, 200u);
}

TEST(Enumeration, SetIsCalledWhenASlotTakesAValue) {
    struct V {
        std::vector<std::string> log;
        void Set(std::size_t level, std::size_t value, std::string&) { log.push_back("S" + std::to_string(level) + std::to_string(value)); }
        void Test(const std::string& c) { log.push_back(c); }
    } v;
    SearchPump pump([] { return false; });
    Enumerate(DigitPlan("??", 2), v, pump);
    ASSERT_GE(v.log.size(), 4u);
    EXPECT_EQ(v.log[0], "S00");
    EXPECT_EQ(v.log[1], "S10");
    EXPECT_EQ(v.log[2], "00");
    EXPECT_EQ(v.log[3], "S11");
}

TEST(RowStore, KeepsRowsInOrder) {
    RowStore rows;
    rows.Add("abc");
    rows.Add("");
    std::string_view w = "xy";
    std::copy(w.begin(), w.end(), rows.Append(2));
    ASSERT_EQ(rows.Size(), 3u);
    EXPECT_EQ(rows.Row(0), "abc");
    EXPECT_EQ(rows.Row(1), "");
    EXPECT_EQ(rows.Row(2), "xy");
    rows.Clear();
    EXPECT_TRUE(rows.Empty());
}

// Growth when a row is far longer than the room left (the first blocks are
// small), and room made ahead: earlier rows stay as they were.
TEST(RowStore, GrowsForLongRowsAndKeepsEarlierOnes) {
    RowStore rows;
    rows.Add("first");
    const std::string longRow(5000, 'L');
    rows.Add(longRow);
    rows.Add("third");
    const std::string huge(3u << 20, 'H');  // beyond the first large block
    rows.Add(huge);
    ASSERT_EQ(rows.Size(), 4u);
    EXPECT_EQ(rows.Row(0), "first");
    EXPECT_EQ(rows.Row(1), longRow);
    EXPECT_EQ(rows.Row(2), "third");
    EXPECT_EQ(rows.Row(3), huge);
    rows.ReserveMore(100000, 8u << 20);
    EXPECT_EQ(rows.Row(1), longRow);
    EXPECT_EQ(rows.Row(3), huge);
    for (int i = 0; i < 100000; ++i) rows.Add("r");
    EXPECT_EQ(rows.Row(0), "first");
    EXPECT_EQ(rows.Row(3), huge);
    EXPECT_EQ(rows.Row(100003), "r");
    EXPECT_EQ(rows.Characters(), 5u + 5000u + 5u + (3u << 20) + 100000u);
    // Dropped rows leave their room for the next ones.
    rows.Drop();
    EXPECT_TRUE(rows.Empty());
    rows.Add(longRow);
    EXPECT_EQ(rows.Row(0), longRow);
}
