// What the fuzz targets of the Luhn numbers (bank card, SIREN, SIRET, SIN and
// the Luhn pieces themselves) share: one field of a body of N digits and a
// check digit, shown in groups. Some bodies (the La Poste SIRETs) take a
// digit-sum key instead: the sum of all the digits, none doubled, is a
// multiple of 5, so two keys fit and "Calcule" on the complete body searches
// the key position.
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

// The digit-sum keys of a body of digits: each key that brings the sum of all
// the digits, none doubled, to a multiple of 5, in increasing order.
inline std::vector<std::string> DigitSumKeys(std::string_view body) {
    int sum = 0;
    for (char c : body) sum += c - '0';
    std::vector<std::string> keys;
    for (char key = '0'; key <= '9'; ++key)
        if ((sum + key - '0') % 5 == 0) keys.emplace_back(1, key);
    return keys;
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
    // The bodies (N digits) that take a digit-sum key; may be empty.
    std::function<bool(std::string_view body)> digitSum;
    // The engine's list of the keys that fit a text's body; may be empty.
    std::function<std::vector<std::string>(std::string_view)> keys;
};

// The keys that fit a body of digits, by the rules above.
inline std::vector<std::string> ExpectedKeys(const LuhnField& luhn, std::string_view body) {
    if (luhn.digitSum && luhn.digitSum(body)) return DigitSumKeys(body);
    for (char key = '0'; key <= '9'; ++key)
        if (LuhnHolds(body, key)) return {std::string(1, key)};
    return {};
}

// Whether a body and its key hold: the digit sum for a digit-sum body, Luhn
// otherwise.
inline bool RowKeyHolds(const LuhnField& luhn, std::string_view body, char key) {
    const std::vector<std::string> keys = ExpectedKeys(luhn, body);
    return std::find(keys.begin(), keys.end(), std::string(1, key)) != keys.end();
}

// The engine's list of fitting keys agrees with the rules above for a body of
// digits (what a field holds when its body has no unknown marker; the text's
// other characters read as "0"); any text is safe.
inline void CheckLuhnKeys(const LuhnField& luhn, const std::string& text) {
    if (!luhn.keys) return;
    luhn.keys(text);
    const std::string body = DigitBody(text, luhn.body);
    const std::vector<std::string> got = luhn.keys(body);
    const std::vector<std::string> want = ExpectedKeys(luhn, body);
    std::string listed;
    for (const std::string& key : got) listed += key + ' ';
    FUZZ_CHECK(got == want, Context("body", body, "keys", listed));
}

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
    // A candidate lists nothing when refused; a digit-sum body lists each
    // fitting key that agrees with the key the search wrote (when it searches
    // the key position, as for a whole body, whose typed key is replaced) and
    // the typed one; any other body its Luhn key when it agrees with the typed
    // one.
    k.rowsOf = [luhn, body](const std::string& candidate, const std::string& pattern) {
        std::vector<std::string> rows;
        const std::string number = candidate.substr(0, body);
        if (luhn.refuses && luhn.refuses(number)) return rows;
        const bool wholeBody = pattern.substr(0, body).find(ferrino::kUnknown) == std::string::npos;
        for (const std::string& key : ExpectedKeys(luhn, number)) {
            if (ferrino::IsDigit(candidate[body]) && candidate[body] != key[0]) continue;
            if (!wholeBody && pattern[body] != ferrino::kUnknown && pattern[body] != key[0]) continue;
            rows.push_back(luhn.format(number + key));
        }
        return rows;
    };
    // Unknown body digits; a complete digit-sum body searches its key.
    k.slotAt = [luhn, body](std::string_view pattern, std::size_t pos) -> std::optional<Slot> {
        if (pos < body && pattern[pos] == ferrino::kUnknown) return Slot{pos, ferrino::kDigits, 0};
        const std::string_view number = pattern.substr(0, body);
        if (pos == body && number.find(ferrino::kUnknown) == std::string_view::npos && luhn.digitSum && luhn.digitSum(number))
            return Slot{pos, ferrino::kDigits, 0};
        return std::nullopt;
    };
    k.length = body + 1;
    k.rows.flat = [](std::string_view row) { return Without(row, " "); };
    k.rows.inBody = [body](std::size_t i) { return i < body; };
    k.rows.keyPositions = {body};
    k.rows.check = [luhn, body, shownLength](std::string_view row) {
        const std::string flat = Without(row, " ");
        FUZZ_CHECK(row.size() == shownLength && flat.size() == body + 1 && OnlyOf(flat, ferrino::kDigits), Context("row", row));
        FUZZ_CHECK(RowKeyHolds(luhn, flat.substr(0, body), flat[body]), Context("row", row));
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
    CheckLuhnKeys(luhn, text);
    CheckField(kind, text, pump);
}

}  // namespace fuzz
