// What the fuzz targets of the Luhn numbers (bank card, SIREN, SIRET, SIN and
// the Luhn pieces themselves) share: one field of a body of N digits and a
// check digit, shown in groups.
#pragma once

#include "FuzzCheck.h"
#include "luhn/Luhn.h"

namespace fuzz {

// A body and its check digit: doubling the body digit next to the key and
// every second one leftwards, the decimal digits of all values and the key add
// up to a multiple of 10.
inline bool LuhnHolds(std::string_view body, char key) {
    if (!ferrino::IsDigit(key)) return false;
    int sum = key - '0';
    for (std::size_t i = 0; i < body.size(); ++i) {
        int v = body[i] - '0';
        if ((body.size() - 1 - i) % 2 == 0) v *= 2;
        sum += v / 10 + v % 10;
    }
    return sum % 10 == 0;
}

// The key of any text over any body length agrees with the rule above, reading
// non-digits and missing characters as "0".
inline void CheckLuhnKey(const std::function<std::string(std::string_view)>& key, const std::string& text, std::size_t body) {
    const std::string got = key(text);
    const std::string digits = DigitBody(text, body);
    FUZZ_CHECK(got.size() == 1 && ferrino::IsDigit(got[0]), Context("body", text, "key", got, "body length", Number(body)));
    FUZZ_CHECK(key(digits) == got, Context("body", text, "key", got, "body length", Number(body)));
    FUZZ_CHECK(LuhnHolds(digits, got[0]), Context("body", text, "key", got, "body length", Number(body)));
}

// What the field of a Luhn number is: its operations, body length, groups and
// which bodies a search does not list.
struct LuhnField {
    std::function<std::string(std::string_view)> format;
    std::function<std::string(std::string_view)> computeKey;
    std::function<bool(std::string_view, std::string_view, RowStore&)> test;
    std::function<Plan(std::string_view)> plan;
    std::function<std::string(const Plan&)> complete;
    std::function<bool(const Plan&, RowStore&, SearchPump&)> search;
    std::size_t body = 0;
    std::vector<std::size_t> groups;
    std::function<bool(std::string_view body)> refuses;   // may be empty
};

inline FieldKind MakeLuhnKind(const LuhnField& luhn) {
    const std::size_t body = luhn.body;
    const std::size_t shownLength = body + luhn.groups.size();  // N + 1 characters and the blanks between groups
    FieldKind k;
    k.normalise = luhn.format;
    k.shownAlphabet = kDigitsUnknownBlank;
    k.shownMax = shownLength;
    k.plan = luhn.plan;
    k.complete = luhn.complete;
    k.searchPlan = luhn.search;
    k.test = luhn.test;
    k.rowOf = [luhn, body](const std::string& candidate, const std::string& pattern) -> std::optional<std::string> {
        const std::string number = candidate.substr(0, body);
        if (luhn.refuses && luhn.refuses(number)) return std::nullopt;
        const std::string key = luhn.computeKey(number);
        if (pattern[body] != ferrino::kUnknown && pattern[body] != key[0]) return std::nullopt;
        return luhn.format(number + key);
    };
    k.slotAt = [](std::size_t pos) { return Slot{pos, ferrino::kDigits, 0}; };
    k.length = body + 1;
    k.rows.flat = [](std::string_view row) { return Without(row, " "); };
    k.rows.inBody = [body](std::size_t i) { return i < body; };
    k.rows.keyPositions = {body};
    k.rows.check = [luhn, body, shownLength](std::string_view row) {
        const std::string flat = Without(row, " ");
        FUZZ_CHECK(row.size() == shownLength && flat.size() == body + 1 && OnlyOf(flat, ferrino::kDigits), Context("row", row));
        FUZZ_CHECK(LuhnHolds(flat.substr(0, body), flat[body]), Context("row", row));
        FUZZ_CHECK(!luhn.refuses || !luhn.refuses(flat.substr(0, body)), Context("row", row));
        FUZZ_CHECK(luhn.format(row) == row, Context("row", row));
    };
    // Completing a number refuses nothing; the candidate test does.
    k.refusesCompleted = [luhn, body](const Plan& plan, const std::string&) {
        return luhn.refuses && luhn.refuses(plan.pattern.substr(0, body));
    };
    return k;
}

// One input for a Luhn number's field: byte 0 sets the pump, the rest is typed.
inline void CheckLuhnInput(const FieldKind& kind, const LuhnField& luhn, const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    const PumpSettings pump = ReadPump(in.Byte());
    const std::string text = in.Rest();
    CheckLuhnKey(luhn.computeKey, text, luhn.body);
    FUZZ_CHECK(luhn.computeKey(text) == ferrino::ComputeLuhnKey(text, luhn.body), Context("body", text));
    CheckField(kind, text, pump);
}

}  // namespace fuzz
