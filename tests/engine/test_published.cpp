// The published numbers of tests/data/published.tsv, which the command-line
// tests, the page's binding tests and python-stdnum's second opinion read as
// well: each is right or not as published, a search with one of its
// characters unknown finds it, and the typing-error search on it agrees.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/Session.h"
#include "common/Utf8.h"

using namespace ferrino;

namespace {

struct Published {
    std::string kind;
    int codeType = 1;  // EAN code type
    std::string number;
    bool right = false;
    std::string source;
};

int CodeType(const std::string& name) {
    const std::vector<std::string> types = {"ean8", "ean13", "upca", "upcc", "upce"};  // EanType's order
    const auto found = std::find(types.begin(), types.end(), name);
    return found == types.end() ? 1 : static_cast<int>(found - types.begin());
}

std::vector<Published> ReadPublished() {
    std::ifstream in(FERRINO_PUBLISHED_NUMBERS);
    EXPECT_TRUE(in) << FERRINO_PUBLISHED_NUMBERS;
    std::vector<Published> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        Published row;
        std::string type, right;
        std::getline(fields, row.kind, '\t');
        std::getline(fields, type, '\t');
        std::getline(fields, row.number, '\t');
        std::getline(fields, right, '\t');
        std::getline(fields, row.source);
        EXPECT_TRUE(right == "yes" || right == "no") << line;
        EXPECT_FALSE(row.source.empty()) << line;
        row.codeType = CodeType(type);
        row.right = right == "yes";
        rows.push_back(row);
    }
    return rows;
}

std::string Engine(std::string_view utf8) {
    std::string text;
    ToEngine(utf8, text);
    return text;
}

std::vector<std::string> Listed(const NumberKind& kind, const SessionStep& step) {
    RowStore rows;
    SearchPump pump([] { return false; });
    EXPECT_TRUE(Session::Search(kind, step, rows, pump));
    std::vector<std::string> out;
    for (std::size_t i = 0; i < rows.Size(); ++i) out.emplace_back(rows.Row(i));
    return out;
}

}  // namespace

TEST(Published, RightAsPublished) {
    const std::vector<Published> rows = ReadPublished();
    ASSERT_GE(rows.size(), 50u);
    for (const Published& p : rows) {
        const auto kind = MakeKind(p.kind, p.codeType);
        ASSERT_NE(kind, nullptr) << p.kind;
        EXPECT_EQ(kind->IsRightText(Engine(p.number)), p.right) << p.kind << " " << p.number << " (" << p.source << ")";
    }
    // Every page but the two whose numbers are not published has some.
    for (std::string_view name : KindNames()) {
        if (name == "prof" || name == "cip") continue;
        EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const Published& p) { return p.kind == name; })) << name;
    }
}

// A right number: F3 has nothing to correct, and with any one of its
// characters made unknown, "Calcule" finds it again (among the rows of the
// search, or as the number it completes when that character was the key).
// A wrong one: F3 lists only right numbers one slip away.
TEST(Published, SearchesAndCorrectionsFindThem) {
    for (const Published& p : ReadPublished()) {
        SCOPED_TRACE(p.kind + " " + p.number);
        const auto kind = MakeKind(p.kind, p.codeType);
        const std::string text = Engine(p.number);
        const std::string whole = kind->ReadText(text).number;
        Session session;
        const Fields typed = kind->Split(text);
        const SessionStep typos = session.Corrections(*kind, typed, typed);
        if (!p.right) {
            EXPECT_EQ(typos.outcome, StepOutcome::Corrects);
            for (const std::string& row : Listed(*kind, typos)) EXPECT_TRUE(kind->IsRightRow(row)) << row;
            continue;
        }
        EXPECT_EQ(typos.outcome, StepOutcome::AlreadyRight);
        // The leading characters that decide what the number is are never
        // searched: an IBAN's country, an ISBN-13's 978 or 979, the 34 or 37
        // that make a card number fifteen digits long.
        const std::size_t lead = p.kind == "iban" || p.kind == "carte" ? 2 : p.kind == "isbn" ? 3 : 0;
        std::size_t seen = 0;
        int found = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (!std::isalnum(static_cast<unsigned char>(text[i])) || seen++ < lead) continue;
            std::string unknown = text;
            unknown[i] = '?';
            const SessionStep step = session.Calcule(*kind, kind->Split(unknown));
            std::vector<std::string> numbers;
            if (step.outcome == StepOutcome::Completed) numbers.push_back(kind->Read(step.fields).number);
            for (const std::string& row : Listed(*kind, step)) numbers.push_back(kind->Read(kind->RowFields(row)).number);
            EXPECT_NE(std::find(numbers.begin(), numbers.end(), whole), numbers.end()) << unknown << " " << OutcomeName(step.outcome);
            ++found;
        }
        EXPECT_GT(found, 0);
    }
}
