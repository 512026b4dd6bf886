#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "iban/Countries.h"
#include "iban/Iban.h"

using namespace ferrino;

namespace {

std::vector<std::string> Rows(const RowStore& store) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < store.Size(); ++i) out.emplace_back(store.Row(i));
    return out;
}

// The window's side of a search: counts the polls, may stop, and may change
// the country field at given polls.
struct Window {
    std::string country = "FR";
    int polls = 0;
    int stopAtPoll = -1;
    std::vector<std::pair<int, std::string>> countryAtPoll;

    SearchPump Pump() {
        return SearchPump([this] {
            ++polls;
            for (const auto& [poll, code] : countryAtPoll)
                if (poll == polls) country = code;
            return polls == stopAtPoll;
        });
    }
};

std::vector<std::string> Search(const IbanSearchPlan& plan, Window& window) {
    RowStore rows;
    SearchPump pump = window.Pump();
    SearchIban(plan, window.country, rows, pump);
    return Rows(rows);
}

std::vector<std::string> Search(std::string_view country, std::string_view key, std::string_view bban) {
    Window window;
    window.country = country;
    const IbanSearchPlan plan = IbanPlan(FormatIban(bban), key);
    EXPECT_TRUE(plan.Searches()) << bban;
    return Search(plan, window);
}

// The same search made of the plain candidate test, one candidate at a time.
std::vector<std::string> PlainSearch(const IbanSearchPlan& plan, Window& window) {
    RowStore rows;
    SearchPump pump = window.Pump();
    Enumerate(plan, TestVisitor{[&](const std::string& c) { TestIbanCandidate(c, plan.keyPattern, window.country, rows); }}, pump);
    return Rows(rows);
}

// 98 - (N mod 97), N written out digit by digit.
int ExpectedKey(const std::string& bban, const std::string& country) {
    int r = 0;
    for (char c : bban + country + "00") {
        const int value = c >= 'A' ? c - 'A' + 10 : c - '0';
        r = (r * (value >= 10 ? 100 : 10) + value) % 97;
    }
    return 98 - r;
}

}  // namespace

TEST(Iban, Format) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"30006000011234567890189", "3000 6000 0112 3456 7890 189 "},
        // Separators go, "*" is an unknown marker.
        {"3000-6000*0112.3456_7890/189", "3000 6000 ?011 2345 6789 0189 "},
        {"NWBK60161331926819", "NWBK 6016 1331 9268 19 "},
        {"3000", "3000 "},
        {"ab+12", "12 "},
        {std::string("12\x80" "34\x80" "5"), "1234 5 "},
    };
    for (const auto& [typed, shown] : cases) EXPECT_EQ(FormatIban(typed), shown) << typed;
}

TEST(Iban, Key) {
    struct Case {
        std::string country, bban, key;
    };
    const std::vector<Case> cases = {
        {"FR", "30006000011234567890189", "76"},
        {"DE", "370400440532013000", "89"},
        {"GB", "NWBK60161331926819", "29"},
        {"FR", "3000 6000 0112 3456 7890 189 ", "76"},  // blanks and unknown markers do not count
        {"FR", "3000?6000011234567890189", "76"},
        {"FRANCE", "30006000011234567890189", "76"},  // the first two characters are the code
    };
    for (const auto& c : cases) EXPECT_EQ(ComputeIbanKey(c.bban, c.country), c.key) << c.country << c.bban;
}

TEST(Iban, KeyIsNinetyEightLessTheModuloAndStaysInRange) {
    std::mt19937 random(5);
    const std::string symbols = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int n = 0; n < 3000; ++n) {
        std::string bban;
        for (int i = static_cast<int>(random() % 31); i > 0; --i) bban += symbols[random() % 36];
        const std::string country = {symbols[random() % 36], symbols[random() % 36]};
        const std::string key = ComputeIbanKey(bban, country);
        ASSERT_EQ(std::stoi(key), ExpectedKey(bban, country)) << country << bban;
        ASSERT_GE(key, "02");
        ASSERT_LE(key, "98");
    }
}

TEST(Iban, CountryCodeCharactersThatAreNeitherDigitsNorLettersCountAsZero) {
    const std::string bban = "30006000011234567890189";
    struct Case {
        std::string field, sameKeyAs, code;
    };
    const std::vector<Case> cases = {
        {"", "00", "  "},
        {"F", "F0", "F "},
        {" F", "0F", " F"},
        {"+-", "00", "+-"},
        {std::string("F\x80"), "F0", std::string("F\x80")},
        {std::string("\x80\xFF"), "00", std::string("\x80\xFF")},
        {"fr", "FR", "fr"},
        {"f9", "F9", "f9"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComputeIbanKey(bban, c.field), ComputeIbanKey(bban, c.sameKeyAs)) << c.field;
        EXPECT_EQ(IbanCountryCode(c.field), c.code);
    }
    // Every pair of bytes gives a key from "02" to "98".
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; b += 3) {
            const std::string key = ComputeIbanKey("12AB", std::string{static_cast<char>(a), static_cast<char>(b)});
            ASSERT_EQ(key.size(), 2u);
            ASSERT_TRUE(key >= "02" && key <= "98") << a << ' ' << b << ' ' << key;
        }
    // The row shows the code as it stands in the field.
    EXPECT_EQ(Search("F", "", "3000600001123456789018?").front().substr(0, 3), "F  ");
}

TEST(Iban, Complete) {
    const IbanSearchPlan plan = IbanPlan(FormatIban("30006000011234567890189"), "7?");
    ASSERT_TRUE(plan.Complete());
    EXPECT_EQ(CompleteIban(plan, "FR"), "76");  // a typed key is replaced
    EXPECT_EQ(FormatIban(plan.pattern), "3000 6000 0112 3456 7890 189 ");
}

TEST(Iban, Plan) {
    struct Case {
        std::string bban, key, pattern, keyPattern;
        std::size_t unknowns;
    };
    const std::vector<Case> cases = {
        {"", "", "??", "??", 2},
        {"1", " 7", "1?", "7?", 1},
        {"3000 6000 0112 3456 7890 18? ", "7 ", "3000600001123456789018?", "7?", 1},
        {"1234 5", "  76  ", "12345", "76", 0},
        {"???? ?", "", "?????", "??", 5},
    };
    for (const auto& c : cases) {
        const IbanSearchPlan plan = IbanPlan(c.bban, c.key);
        EXPECT_EQ(plan.pattern, c.pattern) << c.bban;
        EXPECT_EQ(plan.keyPattern, c.keyPattern) << c.key;
        EXPECT_EQ(plan.unknowns.size(), c.unknowns) << c.bban;
    }
    EXPECT_TRUE(IbanPlan("???? ?", "").TooMany());
}

TEST(Iban, SearchExamples) {
    EXPECT_EQ(Search("FR", "76", "3000600001123456789018?"),
              std::vector<std::string>{"FR 76 3000 6000 0112 3456 7890 189 "});
    const auto all = Search("FR", "", "3000600001123456789018?");
    ASSERT_EQ(all.size(), 36u);
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i][33], kDigitsAndLetters[i]);  // digits first, then A-Z
        EXPECT_EQ(all[i].substr(3, 2), ComputeIbanKey(all[i].substr(6), "FR"));
    }
    EXPECT_EQ(Search("FR", "", "").size(), 1296u);
    EXPECT_EQ(Search("FR", "76", "").size(), 13u);
    EXPECT_EQ(Search("FR", "76", "3000*6000*0112*3456 7890 189").size(), 474u);
    // Separators between the characters change nothing.
    EXPECT_EQ(Search("FR", "76", "3000-6000.0112_3456/7890 18?"), Search("FR", "76", "3000600001123456789018?"));
    // A blank before the key digit is trimmed: " 7" filters like "7?".
    const auto seven = Search("FR", " 7", "3000600001123456789018?");
    EXPECT_EQ(seven, Search("FR", "7?", "3000600001123456789018?"));
    for (const auto& row : seven) EXPECT_EQ(row[3], '7');
}

TEST(Iban, EveryRowPassesItsOwnKey) {
    Window window;
    window.country = "DE";
    const auto rows = Search(IbanPlan("3704 0044 0532 ?130 ?0", "?9"), window);
    ASSERT_FALSE(rows.empty());
    for (const auto& row : rows) {
        EXPECT_EQ(row[4], '9');
        EXPECT_EQ(row.substr(3, 2), ComputeIbanKey(row.substr(6), "DE")) << row;
    }
}

TEST(Iban, QuickSearchListsWhatThePlainTestLists) {
    struct Case {
        std::string bban, key, country;
    };
    std::vector<Case> cases = {
        {"3000 6000 0112 3456 7890 18? ", "", "FR"}, {"", "", "FR"},         {"??", "76", "GB"},
        {"NWBK 6016 1331 9268 1?", "2", "GB"},       {"?A?Z ", "?7", "  "},   {"1?", "??", std::string("\x80")},
        {"3000-6000*0112.3456 7890 18?", "76", "FR"}, {"ab?12*", "", "fr"},  {"???", "98", "F"},
    };
    std::mt19937 random(3);
    const std::string symbols = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (int n = 0; n < 40; ++n) {
        std::string bban;
        for (int i = 2 + static_cast<int>(random() % 28); i > 0; --i) bban += symbols[random() % 36];
        for (int k = 1 + static_cast<int>(random() % 3); k > 0; --k) bban[random() % bban.size()] = '?';
        const std::string keys[] = {"", "?", "4", "?7", "42", "98", "02"};
        cases.push_back({FormatIban(bban), keys[random() % 7], {symbols[random() % 36], symbols[random() % 36]}});
    }
    for (const auto& c : cases) {
        const IbanSearchPlan plan = IbanPlan(c.bban, c.key);
        ASSERT_TRUE(plan.Searches()) << c.bban;
        Window quick;
        Window plain;
        quick.country = plain.country = c.country;
        ASSERT_EQ(Search(plan, quick), PlainSearch(plan, plain)) << c.bban << ' ' << c.key << ' ' << c.country;
        ASSERT_EQ(quick.polls, plain.polls) << c.bban;
    }
}

TEST(Iban, CountryChangedDuringTheSearchCountsFromTheNextCandidate) {
    const IbanSearchPlan plan = IbanPlan("3000 6000 0112 3456 78?? ??", "");
    const std::vector<std::pair<int, std::string>> changes = {
        {5, "DE"}, {40, "F"}, {41, ""}, {300, std::string(1000, 'G') + "B"}, {301, "gb"},
        {2000, std::string("\x80\x80")}, {30000, "FR"},
    };
    Window quick;
    Window plain;
    quick.countryAtPoll = plain.countryAtPoll = changes;
    quick.stopAtPoll = plain.stopAtPoll = 40000;
    const auto rows = Search(plan, quick);
    EXPECT_EQ(rows, PlainSearch(plan, plain));
    EXPECT_EQ(quick.polls, 40000);
    // Each code the field held long enough lists rows under it, in turn.
    std::vector<std::string> expected = {"FR", "DE", "gb", std::string("\x80\x80"), "FR"};
    auto next = expected.begin();
    for (const auto& row : rows)
        if (next != expected.end() && row.substr(0, 2) == *next) ++next;
    EXPECT_EQ(next, expected.end());
    EXPECT_EQ(rows.back().substr(0, 2), "FR");
}

TEST(Iban, CountryList) {
    const auto rows = CountryRows();
    ASSERT_EQ(rows.size(), 239u);
    EXPECT_EQ(rows.front(), "AD (ANDORRE)\t");
    EXPECT_EQ(rows[1], "AE (\xC3\x89MIRATS ARABES UNIS)\t");
    EXPECT_EQ(rows[71], "FR (FRANCE)\t");
    EXPECT_EQ(rows.back(), "ZW (ZIMBABWE)\t");
    const std::vector<std::string_view> quoted = {"CI (C\xC3\x94TE D'IVOIRE)\t", "YU (YOUGOSLAVIE)\t"};
    for (const auto row : quoted) EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end()) << row;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string_view row = rows[i];
        ASSERT_GE(row.size(), 7u);
        EXPECT_TRUE(IsCapital(row[0]) && IsCapital(row[1])) << row;
        EXPECT_EQ(row.substr(2, 2), " (") << row;
        EXPECT_EQ(row.substr(row.size() - 2), ")\t") << row;
        for (char c : row.substr(4, row.size() - 6)) EXPECT_FALSE(c >= 'a' && c <= 'z') << row;  // capitals
        if (i) {
            EXPECT_LT(rows[i - 1].substr(0, 2), row.substr(0, 2));  // ascending, no code twice
        }
    }
}

// A whole IBAN pasted or typed into one field of the page.
TEST(Iban, SplitWholeNumber) {
    struct Case {
        const char* text;
        bool whole;
        const char* country;
        const char* key;
        const char* bban;
    };
    const Case cases[] = {
        // Published examples, in their printed and electronic forms.
        {"FR76 3000 6000 0112 3456 7890 189", true, "FR", "76", "30006000011234567890189"},
        {"FR7630006000011234567890189", true, "FR", "76", "30006000011234567890189"},
        {"GB29 NWBK 6016 1331 9268 19", true, "GB", "29", "NWBK60161331926819"},
        {"de89 3704 0044 0532 0130 00", true, "DE", "89", "370400440532013000"},
        {"  CH93 0076 2011 6238 5295 7\n", true, "CH", "93", "00762011623852957"},
        {"IBAN BE71 0961 2345 6769", true, "BE", "71", "096123456769"},
        {"IBAN : NL91 ABNA 0417 1643 00", true, "NL", "91", "ABNA0417164300"},
        {"FR\t76 3000 6000", true, "FR", "76", "30006000"},
        {"FR76-3000-6000", true, "FR", "76", "30006000"},
        {"FR76.3000.6000_0112/3456", true, "FR", "76", "3000600001123456"},
        // Unknown markers anywhere but the country code.
        {"FR?? 3000 6000 0112 3456 7890 1??", true, "FR", "??", "300060000112345678901??"},
        // Thirty BBAN characters at most.
        {"MT84 MALT 0110 0001 2345 MTLC AST0 01S", true, "MT", "84", "MALT011000012345MTLCAST001S"},
        {"LC55 HEMM 0001 0001 0012 0012 0002 3015 1", true, "LC", "55", "HEMM0001000100120012000230151"},
        {"FR76 3000 6000 0112 3456 7890 1234 5678 90", true, "FR", "76", "300060000112345678901234567890"},
        {"FR76 3000 6000 0112 3456 7890 1234 5678 901", false, "", "", ""},
        // Not a whole IBAN: a BBAN alone, a key missing, signs, a country without BBAN.
        {"3000 6000 0112 3456 7890 189", false, "", "", ""},
        {"NWBK 6016 1331 9268 19", false, "", "", ""},
        {"FR7", false, "", "", ""},
        {"FR76", false, "", "", ""},
        {"F776 3000", false, "", "", ""},
        {"FRA6 3000", false, "", "", ""},
        {"", false, "", "", ""},
        {"FR76 3000 É", false, "", "", ""},
    };
    for (const Case& c : cases) {
        const std::optional<IbanParts> parts = SplitIban(c.text);
        ASSERT_EQ(parts.has_value(), c.whole) << c.text;
        if (!c.whole) continue;
        EXPECT_EQ(parts->country, c.country) << c.text;
        EXPECT_EQ(parts->key, c.key) << c.text;
        EXPECT_EQ(parts->bban, c.bban) << c.text;
    }
}

TEST(Iban, PrintedRow) {
    const struct {
        const char* row;
        const char* printed;
    } cases[] = {
        {"FR 76 3000 6000 0112 3456 7890 189 ", "FR76 3000 6000 0112 3456 7890 189"},
        {"GB 29 NWBK 6016 1331 9268 19 ", "GB29 NWBK 6016 1331 9268 19"},
        {"DE 89 3704 0044 0532 0130 00 ", "DE89 3704 0044 0532 0130 00"},
        {"FR 76 ", "FR76"},
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string out = "before|";
        AppendPrintedIbanRow(c.row, out);
        EXPECT_EQ(out, std::string("before|") + c.printed) << c.row;
    }
    // The rows a search lists print as the published form.
    RowStore rows;
    IbanSearchPlan plan = IbanPlan("3000600001123456789018?", "76");
    Window window;
    SearchPump pump = window.Pump();
    SearchIban(plan, window.country, rows, pump);
    ASSERT_EQ(rows.Size(), 1u);
    std::string printed;
    AppendPrintedIbanRow(rows.Row(0), printed);
    EXPECT_EQ(printed, "FR76 3000 6000 0112 3456 7890 189");
}
