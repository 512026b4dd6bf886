// CIP/ACL code:
//   byte 0  the pump (FuzzCheck.h)
//   byte 1  a length for FormatCipField on the whole rest, 0 to 15
//   rest    the code field, "\n", the key field
// The window holds at most six characters in the code field and one in the
// key field, so "Calcule" is checked on the fields cut to those; the whole
// fields only have to be safe.
#include <cstring>

#include "FuzzCheck.h"
#include "cip/Cip.h"

using namespace ferrino;

namespace {

// Six digits and their key: the digits weighted 2 to 7, modulo 11, 10 giving 0.
char ExpectedKey(std::string_view code) {
    int sum = 0;
    for (std::size_t i = 0; i < kCipCodeLength; ++i) sum += static_cast<int>(i + 2) * (code[i] - '0');
    return static_cast<char>('0' + sum % 11 % 10);
}

void CheckKey(const std::string& text) {
    const std::string key = ComputeCipKey(text);
    const std::string code = fuzz::DigitBody(text, kCipCodeLength);
    FUZZ_CHECK(key.size() == 1 && key[0] == ExpectedKey(code), fuzz::Context("code", text, "key", key));
}

void CheckFieldNormalisation(std::string_view text, std::size_t length) {
    const std::string shown = FormatCipField(text, length);
    const auto ctx = [&] { return fuzz::Context("typed", text, "shown", shown, "length", fuzz::Number(length)); };
    FUZZ_CHECK(FormatCipField(shown, length) == shown, ctx());
    FUZZ_CHECK(shown.size() == std::max(text.size(), length), ctx());
    FUZZ_CHECK(fuzz::OnlyOf(shown.substr(0, length), "0123456789?"), ctx());
    FUZZ_CHECK(shown.substr(length) == text.substr(std::min(length, text.size())), ctx());
}

fuzz::RowRules Rows() {
    fuzz::RowRules rules;
    rules.flat = [](std::string_view row) { return fuzz::Without(row, " "); };
    rules.inBody = [](std::size_t i) { return i < kCipCodeLength; };
    rules.keyPositions = {kCipCodeLength};
    rules.check = [](std::string_view row) {
        FUZZ_CHECK(row.size() == kCipCodeLength + 2 && row[kCipCodeLength] == ' ', fuzz::Context("row", row));
        const std::string flat = fuzz::Without(row, " ");
        FUZZ_CHECK(flat.size() == kCipLength && fuzz::OnlyOf(flat, kDigits), fuzz::Context("row", row));
        FUZZ_CHECK(flat[kCipCodeLength] == ExpectedKey(flat), fuzz::Context("row", row));
        // A click puts the code and the key back into the fields, already normalised.
        const CipFields fields = CipRowFields(row);
        FUZZ_CHECK(fields.code == flat.substr(0, kCipCodeLength) && fields.key == flat.substr(kCipCodeLength),
                   fuzz::Context("row", row, "code", fields.code, "key", fields.key));
        FUZZ_CHECK(FormatCipField(fields.code, kCipCodeLength) == fields.code && FormatCipField(fields.key, kCipKeyLength) == fields.key,
                   fuzz::Context("row", row));
    };
    return rules;
}

void CheckCalcule(const std::string& code, const std::string& key, const fuzz::PumpSettings& settings) {
    const std::string context = fuzz::Context("code field", code, "key field", key);
    const Plan plan = CipPlan(code, key);
    fuzz::CheckPlan(plan, kCipLength, fuzz::UnknownsOf([](std::size_t i) { return i < kCipCodeLength; }, kDigits), context);
    const fuzz::RowRules rules = Rows();

    if (plan.Complete()) {
        // Only the key field is written.
        const std::string newKey = FormatCipField(CompleteCip(plan), kCipKeyLength);
        const Plan again = CipPlan(code, newKey);
        const std::string number = code + newKey;
        const auto ctx = [&] { return context + fuzz::Context("new key", newKey, "new pattern", again.pattern); };
        FUZZ_CHECK(again.Complete() && again.pattern == number && CompleteCip(again) == newKey, ctx());
        RowStore sink;
        const bool listed = TestCipCandidate(again.pattern, again.pattern, sink);
        FUZZ_CHECK(listed && sink.Size() == 1 && sink.Row(0) == code + ' ' + newKey, ctx());
        fuzz::CheckRows(again, {std::string(sink.Row(0))}, rules, context);
    } else if (plan.Searches()) {
        fuzz::SearchCase c;
        c.search = [&](RowStore& sink, SearchPump& pump) { return SearchCip(plan, sink, pump); };
        c.rowOf = [&](const std::string& candidate) -> std::optional<std::string> {
            const char k = ComputeCipKey(candidate)[0];
            if (plan.pattern[kCipCodeLength] != kUnknown && plan.pattern[kCipCodeLength] != k) return std::nullopt;
            return candidate.substr(0, kCipCodeLength) + ' ' + k;
        };
        c.rules = rules;
        fuzz::CheckSearch(plan, c, settings, context);
    }
    // Too many unknowns: the fields keep their normalised texts.
}

}  // namespace

// The search writes a value through ValueSymbol: 0-35 the digits and capitals,
// 36 a blank, anything else nothing.
void CheckValueSymbol(int value) {
    const std::string symbol = ValueSymbol(value);
    const std::string expected = value >= 0 && value < 36 ? std::string(1, kDigitsAndLetters[static_cast<std::size_t>(value)])
                                 : value == 36             ? std::string(" ")
                                                           : std::string();
    FUZZ_CHECK(symbol == expected, fuzz::Context("value", std::to_string(value), "symbol", symbol));
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const fuzz::PumpSettings pump = fuzz::ReadPump(in.Byte());
    const std::size_t length = in.Byte() % 16;
    const std::vector<std::string> typed = in.Split('\n', 2);
    for (const std::string& part : typed) {
        int value = 0;
        std::memcpy(&value, part.data(), std::min(part.size(), sizeof value));
        CheckValueSymbol(value);
        CheckValueSymbol(static_cast<int>(part.size()) - 1);
    }

    const std::string all = typed[0] + typed[1];
    CheckFieldNormalisation(typed[0], kCipCodeLength);
    CheckFieldNormalisation(typed[1], kCipKeyLength);
    CheckFieldNormalisation(all, length);
    CheckKey(all);
    CipRowFields(all);

    const std::string code = FormatCipField(typed[0].substr(0, kCipCodeLength), kCipCodeLength);
    const std::string key = FormatCipField(typed[1].substr(0, kCipKeyLength), kCipKeyLength);
    CheckCalcule(code, key, pump);

    // The whole fields, as typed and normalised: only crashes count.
    const Plan raw = CipPlan(typed[0], typed[1]);
    const Plan rawShown = CipPlan(FormatCipField(typed[0], kCipCodeLength), FormatCipField(typed[1], kCipKeyLength));
    for (const Plan* plan : {&raw, &rawShown}) {
        CompleteCip(*plan);
        if (plan->Searches()) fuzz::RunShortSearch([&](RowStore& sink, SearchPump& p) { return SearchCip(*plan, sink, p); });
    }
    RowStore sink;
    TestCipCandidate(all, all, sink);
    return 0;
}
