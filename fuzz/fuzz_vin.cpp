// VIN:
//   byte 0  the pump (FuzzCheck.h)
//   byte 1  a width for FormatVinField on the whole rest, 0 to 23
//   rest    the eight fields, separated by "\n"
// The window holds at most a field's width in each field, so "Calcule" is
// checked on the fields cut to their widths; the whole fields only have to be
// safe.
#include "FuzzCheck.h"
#include "vin/Vin.h"

using namespace ferrino;

namespace {

// What a VIN can hold, as a search tries it: "0"-"9", then "A"-"Z" without
// I, O and Q (they read as 1 and 0).
constexpr std::string_view kSymbols = "0123456789ABCDEFGHJKLMNPRSTUVWXYZ";
// What a normalised field holds within its width.
constexpr std::string_view kShownAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ ?";
constexpr int kWeights[kVinLength] = {8, 7, 6, 5, 4, 3, 2, 10, 0, 9, 8, 7, 6, 5, 4, 3, 2};
// A-I 1-9, J-R 1-9 but O 5, S-Z 2-9.
constexpr std::string_view kLetterValues = "123456789" "123455789" "23456789";

// Seventeen characters and their check character: the weighted values modulo
// 11, "X" for 10. A character that is neither a digit nor a capital counts 0.
char ExpectedKey(std::string_view text) {
    int sum = 0;
    for (std::size_t i = 0; i < kVinLength && i < text.size(); ++i) {
        const char c = text[i];
        const int value = IsDigit(c) ? c - '0' : IsCapital(c) ? kLetterValues[static_cast<std::size_t>(c - 'A')] - '0' : 0;
        sum += value * kWeights[i];
    }
    return "0123456789X"[sum % 11];
}

void CheckKey(const std::string& text) {
    const std::string key = ComputeVinKey(text);
    FUZZ_CHECK(key.size() == 1 && key[0] == ExpectedKey(text), fuzz::Context("text", text, "key", key));
    if (text.size() > kVinKeyIndex) {
        std::string other = text;
        other[kVinKeyIndex] = other[kVinKeyIndex] == '9' ? 'Z' : '9';
        FUZZ_CHECK(ComputeVinKey(other) == key, fuzz::Context("text", text, "key", key));  // position 9 is not looked at
    }
}

void CheckFieldNormalisation(std::string_view text, std::size_t width) {
    const std::string shown = FormatVinField(text, width);
    const auto ctx = [&] { return fuzz::Context("typed", text, "shown", shown, "width", fuzz::Number(width)); };
    FUZZ_CHECK(FormatVinField(shown, width) == shown, ctx());
    FUZZ_CHECK(shown.size() == std::max(text.size(), width), ctx());
    FUZZ_CHECK(fuzz::OnlyOf(shown.substr(0, width), kShownAlphabet), ctx());
    FUZZ_CHECK(shown.substr(width) == text.substr(std::min(width, text.size())), ctx());
}

bool TestOf(std::string_view candidate, std::string_view pattern, RowStore& sink) { return TestVinCandidate(candidate, pattern, sink); }

fuzz::RowRules Rows() {
    fuzz::RowRules rules;
    rules.flat = [](std::string_view row) { return std::string(row); };
    rules.inBody = [](std::size_t i) { return i < kVinLength && i != kVinKeyIndex; };
    rules.keyPositions = {kVinKeyIndex};
    rules.check = [](std::string_view row) {
        FUZZ_CHECK(row.size() == kVinLength && fuzz::OnlyOf(row, kDigitsAndLetters), fuzz::Context("row", row));
        FUZZ_CHECK(row[kVinKeyIndex] == ExpectedKey(row), fuzz::Context("row", row));
        // A click puts the row back into the fields, each already normalised.
        const VinFields fields = VinRowFields(row);
        std::string joined;
        for (std::size_t i = 0; i < kVinFieldCount; ++i) {
            FUZZ_CHECK(fields[i].size() == kVinFieldWidths[i] && FormatVinField(fields[i], kVinFieldWidths[i]) == fields[i],
                       fuzz::Context("row", row, "field", fields[i]));
            joined += fields[i];
        }
        FUZZ_CHECK(joined == row, fuzz::Context("row", row));
    };
    return rules;
}

void CheckCalcule(const VinFields& fields, const fuzz::PumpSettings& settings) {
    std::string context;
    for (const std::string& field : fields) context += fuzz::Context("field", field);
    const Plan plan = VinPlan(fields);
    fuzz::CheckPlan(plan, kVinLength, fuzz::UnknownsOf([](std::size_t i) { return i < kVinLength && i != kVinKeyIndex; }, kSymbols),
                    context);
    const fuzz::RowRules rules = Rows();

    if (plan.Complete()) {
        // Only the fifth field is written: the check character.
        const std::string key = CompleteVin(plan);
        FUZZ_CHECK(key.size() == 1 && key[0] == ExpectedKey(plan.pattern), context + fuzz::Context("key", key));
        FUZZ_CHECK(FormatVinField(key, 1) == key, context + fuzz::Context("key", key));
        std::string number = plan.pattern.substr(0, kVinLength);
        number[kVinKeyIndex] = key[0];
        bool blanks = false;
        for (const std::string& field : fields) blanks = blanks || field.find(' ') != std::string::npos;
        if (!blanks) {
            // Without blanks the key lands in position 9 of the new pattern.
            VinFields completed = fields;
            completed[4] = key;
            const Plan again = VinPlan(completed);
            FUZZ_CHECK(again.Complete() && again.pattern == number && CompleteVin(again) == key,
                       context + fuzz::Context("key", key, "new pattern", again.pattern));
        }
        RowStore sink;
        const bool listed = TestVinCandidate(number, number, sink);
        // A typed I, O or Q gets its key computed, yet no VIN holds one: the
        // completed number is refused (and its verdict says why).
        if (number.find_first_of("IOQ") != std::string::npos) {
            FUZZ_CHECK(!listed && sink.Empty(), context + fuzz::Context("number", number));
        } else {
            FUZZ_CHECK(listed && sink.Size() == 1 && sink.Row(0) == number, context + fuzz::Context("number", number));
            Plan completedPlan;
            completedPlan.pattern = number;
            fuzz::CheckRows(completedPlan, {number}, rules, context);
        }
    } else if (plan.Searches()) {
        fuzz::SearchCase c;
        c.search = [&](RowStore& sink, SearchPump& pump) { return SearchVin(plan, sink, pump); };
        c.plain = [&](RowStore& sink, SearchPump& pump) {
            return Enumerate(plan, TestVisitor{[&](const std::string& candidate) { TestOf(candidate, plan.pattern, sink); }}, pump);
        };
        c.rowOf = [&](const std::string& candidate) -> std::optional<std::string> {
            // No VIN holds I, O or Q: a typed one leaves nothing to list.
            if (candidate.substr(0, kVinLength).find_first_of("IOQ") != std::string::npos) return std::nullopt;
            const std::string key = ComputeVinKey(candidate);
            if (plan.pattern[kVinKeyIndex] != kUnknown && plan.pattern[kVinKeyIndex] != key[0]) return std::nullopt;
            std::string row = candidate.substr(0, kVinLength);
            row[kVinKeyIndex] = key[0];
            return row;
        };
        c.rules = rules;
        fuzz::CheckSearch(plan, c, settings, context);
    }
    // Too many unknowns: nothing is written back.
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const fuzz::PumpSettings pump = fuzz::ReadPump(in.Byte());
    const std::size_t width = in.Byte() % 24;
    const std::vector<std::string> typed = in.Split('\n', kVinFieldCount);

    std::string all;
    VinFields raw;
    VinFields shown;
    for (std::size_t i = 0; i < kVinFieldCount; ++i) {
        const std::size_t w = kVinFieldWidths[i];
        raw[i] = FormatVinField(typed[i], w);
        shown[i] = FormatVinField(typed[i].substr(0, w), w);
        CheckFieldNormalisation(typed[i], w);
        FUZZ_CHECK(shown[i].size() == w && fuzz::OnlyOf(shown[i], kShownAlphabet),
                   fuzz::Context("typed", typed[i], "shown", shown[i]));
        all += typed[i];
    }
    CheckFieldNormalisation(all, width);
    CheckKey(all);
    VinRowFields(all);
    CheckCalcule(shown, pump);

    // The whole fields, as typed and normalised: only crashes count.
    for (const VinFields& fields : {VinFields{typed[0], typed[1], typed[2], typed[3], typed[4], typed[5], typed[6], typed[7]}, raw}) {
        const Plan plan = VinPlan(fields);
        CompleteVin(plan);
        if (plan.Searches()) fuzz::RunShortSearch([&](RowStore& sink, SearchPump& p) { return SearchVin(plan, sink, p); });
    }
    RowStore sink;
    TestVinCandidate(all, all, sink);
    return 0;
}
