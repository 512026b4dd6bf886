// Junk, huge and hostile texts through every operation of every kind and
// through the session: nothing crashes, every search ends (its pump stops
// it after a bound), and what comes out is sane: the page's number of
// fields, listed rows that are right, a verdict line after every step.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "common/Session.h"
#include "common/Utf8.h"
#include "iban/Bban.h"

using namespace ferrino;

namespace {

struct Hostile {
    const char* name;
    std::string text;
};

std::string Repeat(std::string_view piece, std::size_t times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

std::vector<Hostile> HostileTexts() {
    std::mt19937 random(20261209);
    std::string noise(1 << 18, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    // Every blank and invisible format character of Unicode a copy may bring.
    const std::string blanks =
        " \t\xC2\xA0\xE1\x9A\x80\xE2\x80\x80\xE2\x80\x81\xE2\x80\x82\xE2\x80\x83\xE2\x80\x84\xE2\x80\x85\xE2\x80\x86"
        "\xE2\x80\x87\xE2\x80\x88\xE2\x80\x89\xE2\x80\x8A\xE2\x80\x8B\xE2\x80\xA8\xE2\x80\xA9\xE2\x80\xAF\xE2\x81\x9F"
        "\xE2\x81\xA0\xE3\x80\x80\xEF\xBB\xBF\r\n\v\f";
    // Direction marks, embeddings, overrides and isolates around digits.
    const std::string rtl =
        "\xE2\x80\x8F" "1\xE2\x80\xAE" "23\xE2\x80\xAB" "45\xE2\x80\x8E" "6\xE2\x81\xA7" "78\xE2\x81\xA9" "9\xE2\x80\xAC" "0"
        "\xE2\x81\xA6" "12\xE2\x81\xA8" "345\xD8\x9C" "67";
    return {
        {"empty", ""},
        {"one star", "*"},
        {"one unknown", "?"},
        {"letters and signs", "ABC!@#$%^&()[]{}<>=+~`|\\\"';:,"},
        {"control characters", Repeat("\x01\x02\x03\x07\x08\x1B\x1F\x7F", 8)},
        {"invalid UTF-8", "\xFF\xFE\xC0\xAF\xE0\x80\xAF\xED\xA0\x80\xF8\x88\x80\x80\x80\x80\xBF\xC3"},
        {"NULs", std::string("1\0" "2\0" "3\0" "4\0" "5\0" "6\0" "7\0" "8\0" "9\0", 18) + std::string(1000, '\0')},
        {"only separators", Repeat(" -._/\t", 2000)},
        {"every blank", Repeat(blanks, 50)},
        {"right-to-left marks", rtl},
        {"10 000 unknowns", std::string(10000, '?')},
        {"10 000 stars", std::string(10000, '*')},
        {"unknowns between separators", Repeat("?-", 5000)},
        {"1 MB of digits", std::string(1 << 20, '7')},
        {"256 KB of letters", Repeat("AZ", 1 << 17)},
        {"256 KB of unknowns", std::string(1 << 18, '?')},
        {"256 KB of noise", noise},
        {"a right number, then 1 MB", "FR7630006000011234567890189" + std::string(1 << 20, '1')},
        {"a right VIN among marks", "\xE2\x80\x8F" "1M8\xE2\x80\x8EGDM9A\xE2\x80\xAEXKP042788\xE2\x80\xAC"},
        {"digits and unknowns", "12??56?89?12?4"},
    };
}

// Stops a search after `bound` pumps: every search of this test ends.
constexpr unsigned kBound = 200000;

SearchPump BoundedPump() {
    return SearchPump([n = 0U]() mutable { return ++n >= kBound; });
}

struct Kinds {
    std::string name;
    std::unique_ptr<NumberKind> kind;
};

std::vector<Kinds> EveryKind() {
    std::vector<Kinds> kinds;
    for (std::string_view name : KindNames()) {
        if (name == "ean") {
            for (int type = 0; type < 5; ++type) kinds.push_back({"ean " + std::to_string(type), MakeKind(name, type)});
        } else {
            kinds.push_back({std::string(name), MakeKind(name)});
        }
    }
    return kinds;
}

// The rows of a bounded search: each one right, put back into the page's
// fields, and printed as a line that reads back as a right number. Known and
// left as it is: an IBAN whose country code has no IBAN keeps the key-only
// search, whose rows the verdict refuses (test_kinds.cpp).
void ExpectRightRows(const NumberKind& kind, const RowStore& rows) {
    for (std::size_t i = 0; i < rows.Size() && i < 50; ++i) {
        const bool noIban = kind.Name() == "iban" && !BbanRules(rows.Row(i).substr(0, 2)).Country();
        EXPECT_TRUE(kind.IsRightRow(rows.Row(i)) || noIban) << rows.Row(i);
        EXPECT_EQ(kind.RowFields(rows.Row(i)).size(), kind.FieldCount()) << rows.Row(i);
        std::string printed;
        kind.AppendPrintedRow(rows.Row(i), printed);
        EXPECT_TRUE(kind.IsRightText(printed) || noIban) << printed;
    }
}

void EveryOperation(const NumberKind& kind, const std::string& text) {
    const std::size_t count = kind.FieldCount();
    kind.CheckInput(text);
    kind.IsRightText(text);
    const Fields split = kind.Split(text);
    EXPECT_EQ(split.size(), count);
    if (const std::optional<Fields> whole = kind.SplitWhole(text)) {
        EXPECT_EQ(whole->size(), count);
    }
    for (std::size_t i = 0; i < count; ++i) kind.FormatField(i, text);
    kind.RowFields(text);
    kind.IsRightRow(text);
    std::string printed;
    kind.AppendPrintedRow(text, printed);

    // The text in one field, in every field, and spread as a paste spreads it;
    // fields missing or in excess.
    std::vector<Fields> spreads = {split, Fields(count, text), {text}, {}, Fields(count + 3, text)};
    for (const Fields& fields : spreads) {
        const Reading reading = kind.Read(fields);
        EXPECT_EQ(reading.fields.size(), count);
        const Verdict verdict = kind.Check(reading);
        VerdictText(verdict);
        verdict.FirstCause();
        kind.Details(reading);
        kind.IsRight(fields);
        if (reading.plan.Complete()) {
            EXPECT_EQ(kind.Complete(reading).size(), count);
            kind.CompletedShown(reading);
        } else if (!reading.plan.Searches()) {
            EXPECT_EQ(kind.TooManyFields(reading).size(), count);
        }
        RowStore rows;
        SearchPump pump = BoundedPump();
        if (reading.plan.Searches()) kind.Search(reading, rows, pump);
        ExpectRightRows(kind, rows);
        RowStore corrections;
        SearchPump again = BoundedPump();
        kind.Corrections(reading, corrections, again);
        ExpectRightRows(kind, corrections);
    }

    // The session, as every face drives it: "Calcule", then F3 on what it
    // wrote, then F3 on the text again; a line is said after each step.
    Session session;
    const SessionStep calcule = session.Calcule(kind, split);
    const SessionStep written = session.Corrections(kind, calcule.fields, calcule.fields);
    const SessionStep typed = session.Corrections(kind, split, split);
    for (const SessionStep* step : {&calcule, &written, &typed}) {
        EXPECT_EQ(step->fields.size(), count);
        RowStore rows;
        SearchPump pump = BoundedPump();
        const bool ended = Session::Search(kind, *step, rows, pump);
        ExpectRightRows(kind, rows);
        EXPECT_FALSE(Session::Said(*step, rows.Size(), !ended).empty()) << OutcomeName(step->outcome);
        if (!step->Searches()) {
            EXPECT_FALSE(step->said.empty()) << OutcomeName(step->outcome);
        }
    }
}

}  // namespace

TEST(Robustness, HostileTextsThroughEveryOperationOfEveryKind) {
    const std::vector<Kinds> kinds = EveryKind();
    for (const Hostile& hostile : HostileTexts()) {
        // As the faces hand it over (characters beyond ASCII as one byte), and raw.
        std::string engine;
        ToEngine(hostile.text, engine);
        for (const std::string* text : std::vector<const std::string*>{&engine, &hostile.text}) {
            if (text != &engine && *text == engine) continue;
            for (const Kinds& k : kinds) {
                SCOPED_TRACE(k.name + ", " + hostile.name + (text == &engine ? "" : ", raw"));
                const auto start = std::chrono::steady_clock::now();
                EveryOperation(*k.kind, *text);
                // Bounded: the pump stops every search; nothing else may take long.
                EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
            }
        }
    }
}

// Fields given more than the page's boxes hold (the window and the page cut
// what is typed; the session takes any text) make no right number, and the
// verdict says what was too much: found by the loop above, where a VIN or a
// CIP code of a megabyte was right and its corrections took hours.
TEST(Robustness, FieldsBeyondWhatTheyHold) {
    struct Case {
        const char* kind;
        Fields fields;
        std::string said;
    };
    const Case cases[] = {
        {"vin", {"1", "M", "8", "GDM9A", "X", "K", "P", "042788EXTRA"},
         "Clé correcte. Caractères en trop ignorés : 22 saisis, 17 attendus."},
        {"vin", {"1", "M", "8", "GDM9AA", "X", "K", "P", "042788"}, "Clé correcte. Caractères en trop ignorés : 18 saisis, 17 attendus."},
        {"vin", {"1", "M", "8", "GD M9A", "X", "K", "P", "042 788"}, "Clé correcte."},  // blanks are no characters of a box
        {"cip", {"3400935", "5"}, "Clé correcte. Chiffres en trop ignorés : 8 saisis, 7 attendus."},
        {"cip", {"340093", "55"}, "Clé correcte. Chiffres en trop ignorés : 8 saisis, 7 attendus."},
        // The first 32 digits are judged: their key is 8 (python-stdnum's luhn.calc_check_digit).
        {"luhn", {"7992 7398 7130 0000 0000 0000 0000 0000 0"},
         "Clé erronée : 0 saisie, 8 attendue. Chiffres en trop ignorés : 33 saisis, 32 attendus."},
    };
    for (const Case& c : cases) {
        const auto kind = MakeKind(c.kind);
        SCOPED_TRACE(std::string(c.kind) + " " + c.said);
        EXPECT_EQ(kind->IsRight(c.fields), c.said == "Clé correcte.");
        Session session;
        const SessionStep step = session.Calcule(*kind, c.fields);
        EXPECT_EQ(step.said, c.said);
        const SessionStep typos = session.Corrections(*kind, c.fields, c.fields);
        RowStore rows;
        SearchPump pump([] { return false; });
        EXPECT_TRUE(Session::Search(*kind, typos, rows, pump));
        EXPECT_EQ(rows.Size(), 0u);
    }
}
