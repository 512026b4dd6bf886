// IBAN:
//   bytes 0-1  the country field (any bytes)
//   byte 2     the pump (FuzzCheck.h)
//   byte 3     bits 0-1: length of the key field, 0 to 3; bits 2-3: length of
//              the country field (2, 0, 1, or 3 with one more byte); bits 4-6,
//              read xor 3: when not 0, the window changes the country field at
//              poll 7 x that value, to the next two bytes
//   then       the third country byte, the new country, the key field
//   rest       the BBAN field
// So "FR0" followed by "0" and the BBAN is France, no key, a short search.
#include "FuzzCheck.h"
#include "iban/Bban.h"
#include "iban/Iban.h"
#include "iban/Registry.h"

using namespace ferrino;

namespace {

constexpr std::size_t kHead = 6;  // "CC KK " before the BBAN in a row

std::string Digits(char c) {
    if (IsDigit(c)) return std::string(1, c);
    if (IsCapital(c)) return std::to_string(c - 'A' + 10);
    return {};
}

// The number N the check digits are taken over, as decimal digits: the BBAN's
// digits and capitals, then the country code, where a small letter counts as
// its capital and any other character as the digit 0.
std::string NumberDigits(std::string_view bban, std::string_view countryField) {
    std::string out;
    for (char c : bban) out += Digits(c);
    for (std::size_t i = 0; i < 2; ++i) {
        char c = i < countryField.size() ? countryField[i] : ' ';
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        out += IsDigit(c) || IsCapital(c) ? Digits(c) : "0";
    }
    return out;
}

// With its check digits (02-98) after it, N is 1 modulo 97.
bool KeyHolds(std::string_view bban, std::string_view countryField, std::string_view key) {
    if (key.size() != 2 || !fuzz::OnlyOf(key, kDigits) || key < "02" || key > "98") return false;
    return fuzz::Modulo(NumberDigits(bban, countryField) + std::string(key), 97) == 1;
}

void CheckKey(const std::string& bban, const std::string& country) {
    const std::string key = ComputeIbanKey(bban, country);
    const auto ctx = [&] { return fuzz::Context("bban", bban, "country", country, "key", key); };
    FUZZ_CHECK(KeyHolds(bban, country, key), ctx());
    std::string kept;
    for (char c : bban)
        if (IsDigit(c) || IsCapital(c)) kept += c;
    FUZZ_CHECK(ComputeIbanKey(kept, IbanCountryCode(country)) == key, ctx());
    FUZZ_CHECK(IbanCountryCode(country).size() == 2 && country.substr(0, 2) == IbanCountryCode(country).substr(0, country.size()), ctx());
}

void CheckNormalisation(const std::string& bban) {
    const std::string shown = FormatIban(bban);
    const auto ctx = [&] { return fuzz::Context("typed", bban, "shown", shown); };
    FUZZ_CHECK(FormatIban(shown) == shown, ctx());
    // Groups of four, each followed by one blank; the last may be shorter.
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const bool blank = i % 5 == 4 || i + 1 == shown.size();
        FUZZ_CHECK(blank ? shown[i] == ' ' : (IsDigit(shown[i]) || IsCapital(shown[i]) || shown[i] == kUnknown), ctx());
    }
}

struct Window {
    std::string country;      // the country field while a search runs
    std::string startCountry;
    std::string newCountry;
    std::size_t changeAt = 0;  // the poll that changes it (0: never)
};

void CheckCalcule(const std::string& bbanField, const std::string& keyField, Window& window, const fuzz::PumpSettings& settings) {
    const std::string context =
        fuzz::Context("bban field", bbanField, "key field", keyField, "country", window.startCountry, "new country", window.newCountry);
    const IbanSearchPlan plan = IbanPlan(bbanField, keyField, window.startCountry);
    // No IBAN has more than 34 characters: a longer BBAN than 30 is neither
    // completed nor searched, whatever it holds.
    const bool tooLong = fuzz::Without(bbanField, " ").size() > 30;
    FUZZ_CHECK(plan.tooLong == tooLong, context + fuzz::Context("pattern", plan.pattern));
    if (tooLong) {
        FUZZ_CHECK(plan.unknowns.empty() && !plan.Complete() && !plan.Searches() && !plan.TooMany(),
                   context + fuzz::Context("pattern", plan.pattern));
        RowStore sink;
        SearchPump pump([] { return false; });
        FUZZ_CHECK(SearchIban(plan, window.country, sink, pump) && sink.Empty(), context);
        return;
    }
    // A place tries what the registry says it holds under the code the
    // search starts with; any code the registry does not know, 0-9 and A-Z.
    const IbanCountry* registered = FindIbanCountry(IbanCountryCode(window.startCountry));
    const auto symbolsAt = [&](std::size_t pos) -> std::string_view {
        if (!registered) return kDigitsAndLetters;
        if (pos >= registered->places.size()) return {};
        const char place = registered->places[pos];
        return place == 'n' ? kDigits : place == 'a' ? kDigitsAndLetters.substr(10) : kDigitsAndLetters;
    };
    fuzz::CheckPlan(plan, 2, [&](std::string_view pattern, std::size_t pos) -> std::optional<Slot> {
        if (pattern[pos] != kUnknown) return std::nullopt;
        return Slot{pos, symbolsAt(pos), 0};
    }, context);
    std::string_view trimmed = keyField;
    while (!trimmed.empty() && trimmed.front() == ' ') trimmed.remove_prefix(1);
    while (!trimmed.empty() && trimmed.back() == ' ') trimmed.remove_suffix(1);
    FUZZ_CHECK(plan.keyPattern == PadUnknown(std::string(trimmed), 2), context + fuzz::Context("key pattern", plan.keyPattern));

    // The key field the rows must agree with: the typed one, or the completed key.
    const std::string* keyPattern = &plan.keyPattern;
    fuzz::RowRules rules;
    rules.flat = [](std::string_view row) { return fuzz::Without(row.substr(std::min(kHead, row.size())), " "); };
    rules.inBody = [](std::size_t) { return true; };
    rules.knownFrom = 2;  // the country field may hold "?"
    rules.check = [&](std::string_view row) {
        const auto ctx = [&] { return context + fuzz::Context("row", row, "key pattern", *keyPattern); };
        FUZZ_CHECK(row.size() > kHead && row[2] == ' ' && row[5] == ' ', ctx());
        const std::string_view code = row.substr(0, 2);
        const std::string_view key = row.substr(3, 2);
        const std::string_view bban = row.substr(kHead);
        FUZZ_CHECK(code == IbanCountryCode(window.startCountry) || code == IbanCountryCode(window.newCountry), ctx());
        for (std::size_t i = 0; i < 2; ++i)
            FUZZ_CHECK((*keyPattern)[i] == kUnknown || (*keyPattern)[i] == key[i], ctx());
        FUZZ_CHECK(KeyHolds(bban, code, key) && ComputeIbanKey(bban, code) == key, ctx());
        FUZZ_CHECK(FormatIban(bban) == bban, ctx());
        FUZZ_CHECK(BbanRules(code).Accepts(fuzz::Without(bban, " ")), ctx());
    };

    if (plan.Complete()) {
        // The key field receives the check digits, the BBAN field its pattern.
        const std::string key = CompleteIban(plan, window.startCountry);
        const std::string bban = FormatIban(plan.pattern);
        const IbanSearchPlan again = IbanPlan(bban, key, window.startCountry);
        const auto ctx = [&] { return context + fuzz::Context("key", key, "bban", bban); };
        FUZZ_CHECK(bban == bbanField, ctx());
        FUZZ_CHECK(again.Complete() && CompleteIban(again, window.startCountry) == key, ctx());
        RowStore sink;
        const bool listed = TestIbanCandidate(again.pattern, again.keyPattern, window.startCountry, sink);
        // The key is computed whatever the BBAN; the row is listed only when
        // the country's rules take the BBAN.
        if (!BbanRules(window.startCountry).Accepts(again.pattern)) {
            FUZZ_CHECK(!listed && sink.Empty(), ctx());
            return;
        }
        FUZZ_CHECK(listed && sink.Size() == 1, ctx());
        FUZZ_CHECK(sink.Row(0) == IbanCountryCode(window.startCountry) + ' ' + key + ' ' + bban, ctx() + fuzz::Context("row", sink.Row(0)));
        keyPattern = &again.keyPattern;
        fuzz::CheckRows(again, {std::string(sink.Row(0))}, rules, context);
    } else if (plan.TooMany()) {
        FUZZ_CHECK(FormatIban(plan.pattern) == bbanField, context + fuzz::Context("pattern", plan.pattern));
    } else if (BbanRules(window.startCountry).Fault(plan.pattern)) {
        // No completion can pass: nothing is tried, nothing listed.
        RowStore sink;
        SearchPump pump([] { return false; });
        FUZZ_CHECK(SearchIban(plan, window.country, sink, pump) && sink.Empty(), context);
    } else {
        fuzz::SearchCase c;
        c.search = [&](RowStore& sink, SearchPump& pump) { return SearchIban(plan, window.country, sink, pump); };
        c.plain = [&](RowStore& sink, SearchPump& pump) {
            return Enumerate(plan, TestVisitor{[&](const std::string& candidate) {
                                 TestIbanCandidate(candidate, plan.keyPattern, window.country, sink);
                             }}, pump);
        };
        c.rowOf = [&](const std::string& candidate) -> std::optional<std::string> {
            if (!BbanRules(window.country).Accepts(candidate)) return std::nullopt;
            const std::string key = ComputeIbanKey(candidate, window.country);
            for (std::size_t i = 0; i < 2; ++i)
                if (plan.keyPattern[i] != kUnknown && plan.keyPattern[i] != key[i]) return std::nullopt;
            return IbanCountryCode(window.country) + ' ' + key + ' ' + FormatIban(candidate);
        };
        c.rules = rules;
        c.reset = [&] { window.country = window.startCountry; };
        c.hook = [&](std::size_t poll) {
            if (poll == window.changeAt) window.country = window.newCountry;
        };
        fuzz::CheckSearch(plan, c, settings, context);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    Window window;
    window.startCountry = in.Take(2);
    const fuzz::PumpSettings pump = fuzz::ReadPump(in.Byte());
    const std::uint8_t layout = in.Byte();
    const std::size_t keyLength = layout & 3U;
    switch ((layout >> 2) & 3U) {
        case 1: window.startCountry.clear(); break;
        case 2: window.startCountry.resize(std::min<std::size_t>(window.startCountry.size(), 1)); break;
        case 3: window.startCountry += in.Take(1); break;
        default: break;
    }
    if (const std::size_t change = ((layout >> 4) & 7U) ^ 3U) {
        window.changeAt = change * 7;
        window.newCountry = in.Take(2);
    } else {
        window.newCountry = window.startCountry;
    }
    const std::string keyField = in.Take(keyLength);
    const std::string bban = in.Rest();
    window.country = window.startCountry;

    CheckKey(bban, window.startCountry);
    CheckKey(bban, keyField);
    CheckNormalisation(bban);
    CheckCalcule(FormatIban(bban), keyField, window, pump);

    // Raw text: only crashes count.
    const IbanSearchPlan raw = IbanPlan(bban, keyField);
    CompleteIban(raw, window.startCountry);
    if (raw.Searches())
        fuzz::RunShortSearch([&](RowStore& sink, SearchPump& p) { return SearchIban(raw, window.country, sink, p); });
    RowStore sink;
    TestIbanCandidate(bban, keyField, window.startCountry, sink);
    return 0;
}
