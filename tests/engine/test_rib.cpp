#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "rib/Rib.h"

using namespace ferrino;

namespace {

std::vector<std::string> Rows(const RowStore& store) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < store.Size(); ++i) out.emplace_back(store.Row(i));
    return out;
}

// The search the page runs, with the number of pumps it made.
std::vector<std::string> Search(const Plan& plan, int* pumps = nullptr, int stopAtPump = -1) {
    RowStore rows;
    int count = 0;
    SearchPump pump([&] { return ++count == stopAtPump; });
    SearchRib(plan, rows, pump);
    if (pumps) *pumps = count;
    return Rows(rows);
}

std::vector<std::string> Search(std::string_view field, int* pumps = nullptr) {
    const Plan plan = RibPlan(FormatRib(field));
    EXPECT_TRUE(plan.Searches()) << field;
    return Search(plan, pumps);
}

// The same search made of the plain candidate test, one candidate at a time.
std::vector<std::string> PlainSearch(const Plan& plan, int* pumps = nullptr, int stopAtPump = -1) {
    RowStore rows;
    int count = 0;
    SearchPump pump([&] { return ++count == stopAtPump; });
    Enumerate(plan, TestVisitor{[&](const std::string& c) { TestRibCandidate(c, plan.pattern, rows); }}, pump);
    if (pumps) *pumps = count;
    return Rows(rows);
}

std::string Body(const std::string& row) {
    std::string digits;
    for (char c : row)
        if (c != ' ') digits += c;
    return digits.substr(0, 21);
}

}  // namespace

TEST(Rib, Format) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"30006", "30006"},
        {"3000600001", "30006 00001"},
        {"300A6-00001 1234567890123456", "300?6 00001 12345678901 23"},
        {"30006000011234567890189", "30006 00001 12345678901 89"},
        {"30006 00001 12345678901 89 123", "30006 00001 12345678901 89"},
        {"30006 00001 1234567890A 8B", "30006 00001 1234567890A 8"},
        {"30006 00001 ?????", "30006 00001"},
        {"3000?", "3000"},
        {"?0006", "?0006"},
        {std::string("3\x80" "0006 abc"), "30006"},
        {"30006 00001 12345678901 ?9", "30006 00001 12345678901 ?9"},
        // A letter in the key is an unknown marker, in its first position too.
        {"30006 00001 12345678901 A9", "30006 00001 12345678901 ?9"},
        {"30006 00001 12345678901 9A", "30006 00001 12345678901 9"},
    };
    for (const auto& [typed, shown] : cases) EXPECT_EQ(FormatRib(typed), shown) << typed;
}

TEST(Rib, Key) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        // The IBAN registry's French and Monegasque RIBs are in
        // tests/data/published.tsv (tests/engine/test_published.cpp); the usual
        // French example, and one with a letter in its account.
        {"300060000112345678901", "89"},
        {"30002005500000157845Z", "02"},
        // Key 97 (remainder 0), keys below 10 written with two digits, others.
        {"000000000000000000000", "97"},
        {"123456789000000000087", "97"},
        {"123456789000000000022", "01"},
        {"000000000000000000096", "03"},
        {"123456789012345678901", "04"},
        {"999999999999999999999", "44"},
        {"30006000011234567890A", "89"},  // A counts as 1
        {"30006000011234567890J", "89"},  // and so does J
        {"30006000011234567890a", "89"},  // small letters count as their capital
        {"", "97"},                       // a short body counts as padded with zeros
        {"30006", "70"},
        {std::string("3\x80" "006000011234567890?"), "92"},  // counts as 300060000112345678900
    };
    for (const auto& [body, key] : cases) EXPECT_EQ(ComputeRibKey(body), key) << body;
    EXPECT_EQ(ComputeRibKey("30006000011234567890189"), "89");  // the typed key is ignored
}

TEST(Rib, LettersCountByTheirDigit) {
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const std::string digits = "12345678912345678923456789";
    for (std::size_t i = 0; i < letters.size(); ++i)
        EXPECT_EQ(ComputeRibKey(std::string("3000600001123") + letters[i] + "5678901"),
                  ComputeRibKey(std::string("3000600001123") + digits[i] + "5678901"))
            << letters[i];
}

TEST(Rib, Complete) {
    EXPECT_EQ(FormatRib(CompleteRib(RibPlan("30006 00001 12345678901 00"))), "30006 00001 12345678901 89");
    EXPECT_EQ(FormatRib(CompleteRib(RibPlan("30006 00001 12345678901"))), "30006 00001 12345678901 89");
}

TEST(Rib, SearchExamples) {
    EXPECT_EQ(Search("30006 00001 1234567890? 89"),
              (std::vector<std::string>{"30006 00001 12345678901 89", "30006 00001 1234567890A 89",
                                        "30006 00001 1234567890J 89"}));
    EXPECT_EQ(Search("30002 00550 0000157845? 02"),
              (std::vector<std::string>{"30002 00550 00001578459 02", "30002 00550 0000157845I 02",
                                        "30002 00550 0000157845R 02", "30002 00550 0000157845Z 02"}));
    EXPECT_EQ(Search("3000? 00001 12345678901 89"), std::vector<std::string>{"30006 00001 12345678901 89"});
    EXPECT_EQ(Search("300?? ?0001 12345678901").size(), 1000u);
    // A letter typed in the key's first position is unknown: any first digit.
    EXPECT_EQ(Search("30006 00001 1234567890? A9"),
              (std::vector<std::string>{"30006 00001 12345678901 89", "30006 00001 1234567890A 89",
                                        "30006 00001 1234567890J 89"}));
}

TEST(Rib, UnknownBankDigitTriesDigitsOnlyAndAccountCharactersDigitsThenLetters) {
    int pumps = 0;
    const auto bank = Search("3000? 00001 12345678901", &pumps);
    ASSERT_EQ(bank.size(), 10u);
    EXPECT_EQ(pumps, 10);
    for (std::size_t i = 0; i < bank.size(); ++i) EXPECT_EQ(bank[i][4], static_cast<char>('0' + i));

    const auto account = Search("30006 00001 1234567890?", &pumps);
    ASSERT_EQ(account.size(), 36u);
    EXPECT_EQ(pumps, 36);
    for (std::size_t i = 0; i < account.size(); ++i) EXPECT_EQ(account[i][22], kDigitsAndLetters[i]);
}

TEST(Rib, LimitsOfTheSearch) {
    struct Case {
        std::string typed;
        std::size_t unknowns;
        bool searches;
    };
    const std::vector<Case> cases = {
        {"", 21, false},
        {"30006 00001 1234567", 4, true},
        {"30006 00001 123456", 5, false},
        {"30006 00001 12345678901", 0, false},
        {"30006 00001 12345678901 ??", 0, false},  // the key is never enumerated
    };
    for (const auto& c : cases) {
        const Plan plan = RibPlan(FormatRib(c.typed));
        EXPECT_EQ(plan.unknowns.size(), c.unknowns) << c.typed;
        EXPECT_EQ(plan.Searches(), c.searches) << c.typed;
        EXPECT_EQ(plan.pattern.size(), 23u);
    }
}

TEST(Rib, EveryRowIsCompleteInOrderAndPassesItsOwnKey) {
    const auto rows = Search("30006 0?001 1234?678?0?");
    ASSERT_EQ(rows.size(), 10u * 36 * 36 * 36);
    // Keys from a RIB check written apart from this program's.
    EXPECT_EQ(rows.front(), "30006 00001 12340678000 93");
    EXPECT_EQ(rows[((5 * 36 + 20) * 36 + 10) * 36 + 35], "30006 05001 1234K678A0Z 70");
    EXPECT_EQ(rows.back(), "30006 09001 1234Z678Z0Z 56");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 26u);
        ASSERT_EQ(ComputeRibKey(Body(rows[i])), rows[i].substr(24)) << rows[i];
        if (i) {
            ASSERT_LT(Body(rows[i - 1]), Body(rows[i]));  // digits sort before letters
        }
    }
}

TEST(Rib, QuickSearchListsWhatThePlainTestLists) {
    std::vector<std::string> fields = {
        "30006 00001 1234567890? 89", "3000? 00001 12345678901 8", "?0006 0000? 1234567890A ?9",
        "30006 00001 ???45678901 97", "???06 00001 12345678901", "30006 ???01 ABCDEFGHIJ?",
        "30006 00001 Z?Y?X?WVV?U 01", "30006 00001 1234567890? ?",
    };
    std::mt19937 random(11);
    const std::string symbols = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int n = 0; n < 60; ++n) {
        std::string typed;
        for (int i = 0; i < 21; ++i) typed += symbols[random() % (i < 10 ? 10 : 36)];
        for (int k = 1 + static_cast<int>(random() % 3); k > 0; --k) typed[random() % 21] = '?';
        const std::string keys[] = {"", "?", "4", "?7", "42", "97", "01"};
        typed += keys[random() % 7];
        fields.push_back(typed);
    }
    for (const auto& field : fields) {
        const Plan plan = RibPlan(FormatRib(field));
        ASSERT_TRUE(plan.Searches()) << field;
        int quickPumps = 0;
        int plainPumps = 0;
        ASSERT_EQ(Search(plan, &quickPumps), PlainSearch(plan, &plainPumps)) << field;
        ASSERT_EQ(quickPumps, plainPumps) << field;
    }
    // Four unknown characters, stopped part of the way through.
    const Plan four = RibPlan("30006000011234567????");
    int quickPumps = 0;
    int plainPumps = 0;
    EXPECT_EQ(Search(four, &quickPumps, 100000), PlainSearch(four, &plainPumps, 100000));
    EXPECT_EQ(quickPumps, plainPumps);
}

TEST(Rib, PlansNotMadeByTheFieldStillSearchSafely) {
    // Patterns the field never gives: characters it drops, short patterns, and
    // slots with symbols of their own.
    std::vector<Plan> plans;
    plans.push_back(RibPlan("30006-00001.1234567890?"));
    plans.push_back(RibPlan("30006 00001 abc4567890?"));
    plans.push_back(RibPlan(std::string("3\x80" "006 00001 1234567890?")));
    Plan shortPlan;
    shortPlan.pattern = "3000?";
    shortPlan.unknowns = {Slot{4, kDigits, 0}};
    plans.push_back(shortPlan);
    Plan skipping = RibPlan("30006 00001 1234567890?");
    skipping.unknowns[0].passOver = 1U << 3;
    plans.push_back(skipping);
    Plan letters = RibPlan("3000? 00001 1234567890?");
    letters.unknowns[0].symbols = "7Z";  // a letter in the bank code shows as unknown
    plans.push_back(letters);
    Plan odd = RibPlan("30006 00001 1234567890?");
    odd.unknowns[0].symbols = "9-a";
    plans.push_back(odd);
    for (const Plan& plan : plans) {
        int quickPumps = 0;
        int plainPumps = 0;
        EXPECT_EQ(Search(plan, &quickPumps), PlainSearch(plan, &plainPumps)) << plan.pattern;
        EXPECT_EQ(quickPumps, plainPumps) << plan.pattern;
    }
}
