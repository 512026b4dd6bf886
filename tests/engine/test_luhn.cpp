// The four Luhn numbers (bank card, SIREN, SIRET, SIN) share their key and
// their search; these tests run each rule over the four of them, with the
// differences between them in the tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "card/Card.h"
#include "luhn/Luhn.h"
#include "sin/Sin.h"
#include "siren/Siren.h"
#include "siret/Siret.h"

using namespace ferrino;

namespace {

struct Kind {
    const char* name;
    std::size_t body;
    std::size_t shownLength;  // a complete number on screen
    std::string (*format)(std::string_view);
    std::string (*key)(std::string_view);
    bool (*test)(std::string_view, std::string_view, RowStore&);
    Plan (*plan)(std::string_view);
    std::string (*complete)(const Plan&);
    bool (*search)(const Plan&, RowStore&, SearchPump&);
};

const Kind kCard{"card", 15, 19, FormatCard, ComputeCardKey, TestCardCandidate, CardPlan, CompleteCard, SearchCard};
const Kind kSiren{"SIREN", 8, 11, FormatSiren, ComputeSirenKey, TestSirenCandidate, SirenPlan, CompleteSiren, SearchSiren};
const Kind kSiret{"SIRET", 13, 16, FormatSiret, ComputeSiretKey, TestSiretCandidate, SiretPlan, CompleteSiret, SearchSiret};
const Kind kSin{"SIN", 8, 11, FormatSin, ComputeSinKey, TestSinCandidate, SinPlan, CompleteSin, SearchSin};
const Kind* const kKinds[] = {&kCard, &kSiren, &kSiret, &kSin};

std::vector<std::string> Rows(const RowStore& store) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < store.Size(); ++i) out.emplace_back(store.Row(i));
    return out;
}

// What "Calcule" lists for typed text: the field is left, then searched.
std::vector<std::string> Search(const Kind& kind, std::string_view typed) {
    const Plan plan = kind.plan(kind.format(typed));
    EXPECT_TRUE(plan.Searches()) << kind.name << " " << typed;
    RowStore rows;
    SearchPump pump([] { return false; });
    EXPECT_TRUE(kind.search(plan, rows, pump));
    return Rows(rows);
}

// What the field shows after "Calcule" on a number without unknown body digits.
std::string Calcule(const Kind& kind, std::string_view typed) {
    const Plan plan = kind.plan(kind.format(typed));
    EXPECT_TRUE(plan.Complete()) << kind.name << " " << typed;
    return kind.format(kind.complete(plan));
}

std::string DigitsOf(std::string_view shown) {
    std::string out;
    for (char c : shown)
        if (c != ' ') out += c;
    return out;
}

// The usual check of a whole number, read from the right: every second digit
// from the one before the key is doubled, and the total is a multiple of ten.
bool PassesLuhn(std::string_view number) {
    int sum = 0;
    for (std::size_t i = 0; i < number.size(); ++i) {
        int v = number[number.size() - 1 - i] - '0';
        if (i % 2 == 1) v = v * 2 > 9 ? v * 2 - 9 : v * 2;
        sum += v;
    }
    return sum % 10 == 0;
}

}  // namespace

TEST(Luhn, KeyMakesTheWholeNumberPass) {
    unsigned seed = 12345;
    for (const Kind* kind : kKinds) {
        for (int n = 0; n < 300; ++n) {
            std::string body;
            for (std::size_t i = 0; i < kind->body; ++i) {
                seed = seed * 1103515245u + 12345u;
                body += static_cast<char>('0' + (seed >> 16) % 10);
            }
            const std::string key = kind->key(body);
            ASSERT_EQ(key.size(), 1u);
            EXPECT_TRUE(PassesLuhn(body + key)) << kind->name << " " << body << key;
            EXPECT_EQ(ComputeLuhnKey(body, kind->body), key);
        }
    }
}

TEST(Luhn, KeyExamplesAndBoundaries) {
    struct Case {
        const Kind* kind;
        std::string body;
        std::string key;
    };
    const std::vector<Case> cases = {
        {&kCard, "497010123456789", "3"},
        {&kCard, "000000000000000", "0"},
        {&kCard, "49701012345678", "2"},          // short: counts as 497010123456780
        {&kCard, "4970101234567890000", "3"},     // characters after the body are ignored
        {&kCard, "", "0"},
        {&kSiren, "12345678", "2"},
        {&kSiren, "12345670", "9"},
        {&kSiren, "00000005", "9"},               // the digit next to the key is doubled
        {&kSiren, "00000009", "1"},               // 18 counts as 1 + 8
        {&kSiren, "00000050", "5"},               // the one before it is not
        {&kSiret, "1234567820001", "0"},
        {&kSiret, "1234567820000", "2"},
        {&kSiret, "5000000000000", "9"},          // the first of thirteen is doubled: 10 counts as 1
        {&kSin, "12345678", "2"},
        {&kSin, "02345678", "3"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.kind->key(c.body), c.key) << c.kind->name << " " << c.body;
}

TEST(Luhn, FormatKeepsWhatEachKindKeeps) {
    struct Case {
        const Kind* kind;
        std::string typed;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {&kCard, "4970-1012-3456-7890", "4970 1012 3456 7890"},
        {&kCard, "497010123456789", "4970 1012 3456 789"},
        {&kCard, "4970X012", "4970 ?012"},
        {&kCard, "", ""},
        {&kCard, "abc-*/", ""},
        {&kCard, "XYZ", ""},
        {&kCard, "49701012345678901234", "4970 1012 3456 7890 123"},  // nineteen at most
        {&kCard, "378282246310005", "3782 822463 10005"},  // 34 or 37: fifteen digits
        {&kCard, "3782822463100051", "3782 822463 10005"},
        {&kCard, "4111 1111 1111 1111 11?", "4111 1111 1111 1111 11?"},  // seventeen to nineteen: the key stays shown
        {&kCard, "4970 1012 3456 7?93", "4970 1012 3456 7?93"},
        {&kCard, "4970 ?", "4970"},
        {&kSiren, "123-456-782", "123 456 782"},
        {&kSiren, "12345678", "123 456 78"},
        {&kSiren, "123A56782", "123 ?56 782"},
        {&kSiren, "123*456", "123 456"},
        {&kSiren, "12.34/5", "123 45"},
        {&kSiren, std::string("123\x80" "456"), "123 456"},
        {&kSiret, "123 456 782 00010", "123456782 0001 0"},
        {&kSiret, "1234567820001", "123456782 0001"},
        {&kSiret, "12345678200010999", "123456782 0001 0"},
        {&kSiret, "12345678200?10", "123456782 00?1 0"},
        {&kSin, "123-456-782", "123 456 782"},
        {&kSin, "123.456.782", "123 456 782"},
        {&kSin, "123/456/782", "123 456 782"},
        {&kSin, "123,456\\782", "123 456 782"},
        {&kSin, "12345678", "123 456 78"},
        {&kSin, "123*456", "123 ?45 6"},
        {&kSin, "12.34/5", "123 45"},
        {&kSin, "123A56782", "123 ?56 782"},
        {&kSin, "123a56782", "123 ?56 782"},
        {&kSin, "123_456", "123 ?45 6"},
        {&kSin, std::string("123\x80" "456"), "123 ?45 6"},
        {&kSin, "1234567890", "123 456 789"},
        {&kSin, "***", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(c.kind->format(c.typed), c.shown) << c.kind->name << " " << c.typed;
}

TEST(Luhn, FormatIsSafeForAnyBytes) {
    std::string every;
    for (int b = 0; b < 256; ++b) every += static_cast<char>(b);
    for (const Kind* kind : kKinds) {
        const std::string shown = kind->format(every);
        EXPECT_EQ(shown, kind->format(shown)) << kind->name;  // leaving the field twice changes nothing
        EXPECT_LE(shown.size(), kind == &kCard ? 23u : kind->shownLength);  // a card of nineteen digits
    }
}

TEST(Luhn, CalculeWritesTheKeyAndNeverRefuses) {
    struct Case {
        const Kind* kind;
        std::string typed;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {&kCard, "4970-1012-3456-7890", "4970 1012 3456 7893"},   // a wrong key is replaced
        {&kCard, "497010123456789", "4970 1012 3456 7893"},
        {&kCard, "000000000000000", "0000 0000 0000 0000"},
        {&kSiren, "123-456-782", "123 456 782"},
        {&kSiren, "12345678", "123 456 782"},
        {&kSiren, "123456709", "123 456 709"},                   // eighth digit 0: still completed
        {&kSiret, "123 456 782 00010", "123456782 0001 0"},
        {&kSiret, "1234567820001", "123456782 0001 0"},
        {&kSiret, "12345678200002", "123456782 0000 2"},        // establishment 0000: still completed
        {&kSin, "123-456-782", "123 456 782"},
        {&kSin, "12345678", "123 456 782"},
        {&kSin, "123456700", "123 456 709"},
    };
    for (const auto& c : cases) EXPECT_EQ(Calcule(*c.kind, c.typed), c.shown) << c.kind->name << " " << c.typed;
}

TEST(Luhn, SearchListsAcceptedRowsInOrder) {
    struct Case {
        const Kind* kind;
        std::string typed;
        std::vector<std::string> rows;
    };
    const std::vector<Case> cases = {
        {&kCard, "49701012345678",
         {"4970 1012 3456 7802", "4970 1012 3456 7810", "4970 1012 3456 7828", "4970 1012 3456 7836", "4970 1012 3456 7844",
          "4970 1012 3456 7851", "4970 1012 3456 7869", "4970 1012 3456 7877", "4970 1012 3456 7885", "4970 1012 3456 7893"}},
        {&kCard, "4970 1012 3456 7?93", {"4970 1012 3456 7893"}},
        {&kSiren, "12345?78",
         {"123 450 785", "123 451 783", "123 452 781", "123 453 789", "123 454 787", "123 455 784", "123 456 782",
          "123 457 780", "123 458 788", "123 459 786"}},
        {&kSiren, "1?3456782", {"123 456 782"}},
        // An eighth digit 0 is listed like any other (one real SIREN in ten has it).
        {&kSiren, "1234567",
         {"123 456 709", "123 456 717", "123 456 725", "123 456 733", "123 456 741", "123 456 758", "123 456 766",
          "123 456 774", "123 456 782", "123 456 790"}},
        {&kSin, "1234567",
         {"123 456 709", "123 456 717", "123 456 725", "123 456 733", "123 456 741", "123 456 758", "123 456 766",
          "123 456 774", "123 456 782", "123 456 790"}},
        {&kSiren, "1234567?9", {"123 456 709"}},
        {&kSin, "1234567?9", {"123 456 709"}},
        {&kSiret, "123456782000?",
         {"123456782 0001 0", "123456782 0002 8", "123456782 0003 6", "123456782 0004 4", "123456782 0005 1",
          "123456782 0006 9", "123456782 0007 7", "123456782 0008 5", "123456782 0009 3"}},
        {&kSiret, "12345678200?10", {"123456782 0001 0"}},
        {&kSiret, "1234567820?00", {"123456782 0100 0", "123456782 0200 8", "123456782 0300 6", "123456782 0400 4",
                                    "123456782 0500 1", "123456782 0600 9", "123456782 0700 7", "123456782 0800 5",
                                    "123456782 0900 3"}},
        {&kSin, "?2345678",
         {"023 456 783", "123 456 782", "223 456 781", "323 456 780", "423 456 789", "523 456 788", "623 456 787",
          "723 456 786", "823 456 785", "923 456 784"}},
        {&kSin, "1?3456782", {"123 456 782"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Search(*c.kind, c.typed), c.rows) << c.kind->name << " " << c.typed;
}

TEST(Luhn, RefusalBelongsToTheCandidateTest) {
    struct Case {
        const Kind* kind;
        std::string candidate;
        std::string pattern;
        bool listed;
    };
    const std::vector<Case> cases = {
        {&kSiren, "123456709", "12345670?", true},
        {&kSin, "123456709", "12345670?", true},
        {&kCard, "4970101234567803", "497010123456780?", true},
        {&kSiret, "12345678200000", "1234567820000?", false},
        {&kSiret, "12345678210000", "1234567821000?", true},   // the SIREN part does not count
        {&kSiret, "12345678200100", "1234567820010?", true},
        {&kSiret, "00000000000000", "000000000000??", false},
        {&kCard, "4970101234567893", "4970101234567890", false},  // a known key must agree
    };
    for (const auto& c : cases) {
        RowStore rows;
        EXPECT_EQ(c.kind->test(c.candidate, c.pattern, rows), c.listed) << c.kind->name << " " << c.candidate;
        EXPECT_EQ(rows.Size(), c.listed ? 1u : 0u);
    }
}

// A candidate the search would never hand over (short, or not all digits)
// is read as the key reads it, missing and non-digit characters as "0", so
// whatever is listed is still a complete number with its own key.
TEST(Luhn, TestReadsOddCandidatesAsTheKeyDoes) {
    for (const Kind* kind : kKinds) {
        for (std::string_view candidate : {"", "1", "\x80\x80", "-?A"}) {
            RowStore rows;
            kind->test(candidate, "", rows);
            for (const auto& row : Rows(rows)) {
                EXPECT_EQ(row.size(), kind->shownLength) << kind->name;
                EXPECT_TRUE(PassesLuhn(DigitsOf(row))) << kind->name << " " << row;
            }
        }
    }
}

TEST(Luhn, LimitsOfTheSearch) {
    for (const Kind* kind : kKinds) {
        const std::size_t body = kind->body;
        struct Case {
            std::string typed;
            std::size_t slots;
        };
        const std::vector<Case> cases = {
            {std::string(body - 4, '1'), 4},
            {std::string(body - 5, '1'), 5},
            {"", body},
            {std::string(body, '1'), 0},
            {std::string(body, '1') + "?", 0},  // the key is never enumerated
            {std::string(body - 1, '1') + "?3", 1},
        };
        for (const auto& c : cases) {
            const Plan plan = kind->plan(kind->format(c.typed));
            EXPECT_EQ(plan.unknowns.size(), c.slots) << kind->name << " " << c.typed;
            EXPECT_EQ(plan.Searches(), c.slots >= 1 && c.slots <= 4) << kind->name << " " << c.typed;
            EXPECT_EQ(plan.pattern.size(), body + 1) << kind->name << " " << c.typed;
        }
        // Too many unknown digits: the field shows the pattern, normalised.
        const Plan tooMany = kind->plan(kind->format("1?2??3??"));
        EXPECT_TRUE(tooMany.TooMany()) << kind->name;
        EXPECT_EQ(kind->format(tooMany.pattern), kind->format("1?2??3??"));
    }
}

TEST(Luhn, EveryListedRowIsCompleteAndPassesItsOwnKey) {
    for (const Kind* kind : kKinds) {
        // Three unknown body digits and the key (a SIRET's SIREN must be right).
        const std::string typed = (kind == &kSiret ? std::string("7328293203") : std::string(kind->body - 3, '3')) + "?";
        const auto rows = Search(*kind, typed);
        EXPECT_GE(rows.size(), 900u) << kind->name;
        EXPECT_LE(rows.size(), 1000u) << kind->name;
        std::string previous;
        for (const auto& row : rows) {
            ASSERT_EQ(row.size(), kind->shownLength) << kind->name << " " << row;
            EXPECT_EQ(kind->format(row), row);
            const std::string digits = DigitsOf(row);
            EXPECT_TRUE(PassesLuhn(digits)) << kind->name << " " << row;
            EXPECT_GT(digits, previous) << kind->name;  // increasing order, no repeats
            previous = digits;
        }
    }
}

TEST(Luhn, FourUnknownDigitsTryTenThousandCandidates) {
    for (const Kind* kind : kKinds) {
        int pumps = 0;
        RowStore rows;
        SearchPump pump([&] { ++pumps; return false; });
        // The unknown digits are the last four of the body, so only SIRET's
        // establishment number 0000 may be refused (its SIREN is right).
        const std::string known = kind == &kSiret ? std::string("732829320") : std::string(kind->body - 4, '1');
        EXPECT_TRUE(kind->search(kind->plan(kind->format(known)), rows, pump));
        EXPECT_EQ(pumps, 10 + 100 + 1000 + 2 * 10000) << kind->name;
        const std::size_t expected = kind == &kSiret ? 9999u : 10000u;
        EXPECT_EQ(rows.Size(), expected) << kind->name;
    }
}

// The establishments of La Poste: the sum of the fourteen digits is a multiple
// of 5, so two keys fit; "Calcule" on thirteen known digits lists them.
TEST(Luhn, LaPosteEstablishments) {
    EXPECT_EQ(SiretKeys("3560000004983"), (std::vector<std::string>{"2", "7"}));
    EXPECT_EQ(SiretKeys("3560000000004"), std::vector<std::string>{"8"});  // the head office keeps Luhn
    EXPECT_EQ(SiretKeys("3560000101234"), std::vector<std::string>{ComputeSiretKey("3560000101234")});  // another SIREN
    EXPECT_EQ(Calcule(kSiret, "356 000 000 00048"), "356000000 0004 8");
    EXPECT_EQ(Search(kSiret, "356000000 4983"), (std::vector<std::string>{"356000000 4983 2", "356000000 4983 7"}));
    // A whole establishment lists its two keys, whatever key was typed.
    for (const char* whole : {"356000000 4983 7", "356000000 4983 3", "35600000074568"})
        EXPECT_EQ(Search(kSiret, whole).size(), 2u) << whole;
    // With unknown digits, both keys of each completion, in order.
    EXPECT_EQ(Search(kSiret, "356000000 498?").size(), 20u);
    EXPECT_EQ(Search(kSiret, "356000000 498? 7").size(), 2u);
    // The establishment number 0000 is still refused.
    EXPECT_TRUE(Search(kSiret, "356000000 0000").empty());
    // A completion that turns out to be La Poste follows its rule too; the
    // others of 35600000? have a wrong SIREN.
    EXPECT_EQ(Search(kSiret, "35600000? 4983"), (std::vector<std::string>{"356000000 4983 2", "356000000 4983 7"}));
    EXPECT_EQ(Search(kSiret, "?32829320 0007"), std::vector<std::string>{"732829320 0007 4"});
}
