#include "Iban.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "Bban.h"
#include "Registry.h"

namespace ferrino {

namespace {

constexpr std::size_t kHead = 6;  // "CC KK " before the BBAN in a row

constexpr char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// A BBAN character as digits of N: a digit is one digit, a capital two
// (A = 10 ... Z = 35); anything else is left out.
struct Digits {
    int count = 0;
    int value = 0;
};

constexpr Digits BbanDigits(char c) {
    if (IsDigit(c)) return {1, c - '0'};
    if (IsCapital(c)) return {2, c - 'A' + 10};
    return {};
}

// A country code character: as in the BBAN, a small letter counting as its
// capital; any other character is the digit 0.
constexpr Digits CountryDigits(char c) {
    const char upper = Upper(c);
    if (IsDigit(upper) || IsCapital(upper)) return BbanDigits(upper);
    return {1, 0};
}

// A run of digits of N seen as the step r -> (r x multiplier + addend) mod 97.
struct Step {
    int multiplier = 1;
    int addend = 0;

    void Push(Digits d) {
        for (int i = 0; i < d.count; ++i) multiplier = multiplier * 10 % 97;
        addend = (addend * (d.count == 2 ? 100 : d.count == 1 ? 10 : 1) + d.value) % 97;
    }
    int Apply(int r) const { return (r * multiplier + addend) % 97; }
};

// What FormatIban shows of a BBAN character (a separator is not shown).
constexpr bool ShownInBban(char c) { return IsDigit(c) || IsCapital(c) || c == kUnknown || c == '*'; }

bool KeyAgrees(std::string_view keyPattern, std::string_view key) {
    const auto agrees = [&](std::size_t pos) {
        return pos >= keyPattern.size() || keyPattern[pos] == kUnknown || keyPattern[pos] == key[pos];
    };
    return agrees(0) && agrees(1);
}

char CodeCharacter(const std::string& countryField, std::size_t index) {
    return index < countryField.size() ? countryField[index] : ' ';
}

// The search with the key kept as running remainders.
//
// N is read from the left: each character turns the remainder r of what stands
// left of it into (r x 10^count + value) mod 97. So the remainder up to a slot
// depends only on the slots left of it: each level maps the remainder of the
// level before, through the fixed characters between them and its own value,
// by a table. The fixed characters right of the last slot, the country code
// and "00" make one last step, remade whenever the country code changes. The
// row is a template whose slot characters, country code and key are patched.
// A candidate whose key agrees is then judged by the country's rules: only
// its national key while the code is the plan's (the slots try only what
// their places allow), all of them under another code.
class FastSearch {
public:
    // Whether the plan has the shape this search handles (every plan IbanPlan
    // makes with one to four unknowns); any other plan goes through the plain
    // candidate test.
    static bool Handles(const Plan& plan) {
        if (plan.unknowns.empty() || plan.unknowns.size() > kMaxSlots) return false;
        for (std::size_t level = 0; level < plan.unknowns.size(); ++level) {
            const Slot& slot = plan.unknowns[level];
            if (slot.pos >= plan.pattern.size() || (level && slot.pos <= plan.unknowns[level - 1].pos)) return false;
            if (slot.symbols.empty() || slot.symbols.size() > kMaxValues) return false;
            for (char c : slot.symbols)
                if (!IsDigit(c) && !IsCapital(c)) return false;
        }
        return true;
    }

    FastSearch(const IbanSearchPlan& plan, const std::string& countryField, RowStore& sink)
        : country_(countryField), planCode_(IbanCountryCode(plan.country)), sink_(sink), last_(plan.unknowns.size() - 1) {
        const std::string& pattern = plan.pattern;
        std::size_t from = 0;
        std::size_t shown = 0;  // BBAN characters shown before `from`
        for (std::size_t level = 0; level < plan.unknowns.size(); ++level) {
            const Slot& slot = plan.unknowns[level];
            Step gap;
            for (std::size_t i = from; i < slot.pos; ++i) {
                gap.Push(BbanDigits(pattern[i]));
                shown += ShownInBban(pattern[i]);
            }
            rowPos_[level] = kHead + shown + shown / 4;
            ++shown;
            from = slot.pos + 1;
            for (std::size_t v = 0; v < slot.symbols.size(); ++v) {
                Step value;
                value.Push(BbanDigits(slot.symbols[v]));
                for (int r = 0; r < 97; ++r)
                    next_[level][static_cast<std::size_t>(r) * kMaxValues + v] = static_cast<std::uint8_t>(value.Apply(gap.Apply(r)));
                symbol_[level][v] = slot.symbols[v];
            }
        }
        for (std::size_t i = from; i < pattern.size(); ++i) suffix_.Push(BbanDigits(pattern[i]));

        const std::string bban = FormatIban(pattern);
        rowLength_ = kHead + bban.size();
        row_.assign(rowLength_, ' ');
        std::memcpy(row_.data() + kHead, bban.data(), bban.size());
        SetCountry(CodeCharacter(country_, 0), CodeCharacter(country_, 1));

        std::size_t accepted = 0;
        for (int r = 0; r < 97; ++r) {
            const std::string key = TwoDigits(98 - r);
            key_[r][0] = key[0];
            key_[r][1] = key[1];
            accept_[r] = KeyAgrees(plan.keyPattern, key);
            accepted += accept_[r];
        }
        // Keys are spread evenly enough over the candidates to size the store;
        // a national key lists too few of them to reserve ahead.
        const std::uint64_t rows = plan.CandidateCount() * accepted / 97 + 1;
        if (!rules_.HasNationalKey()) sink.ReserveMore(rows, rows * rowLength_);
    }

    void Set(std::size_t level, std::size_t value, std::string&) {
        const std::size_t before = level ? remainder_[level - 1] : 0;
        remainder_[level] = next_[level][before * kMaxValues + value];
        row_[rowPos_[level]] = symbol_[level][value];
    }

    void Test(const std::string& candidate) {
        const char c0 = CodeCharacter(country_, 0);
        const char c1 = CodeCharacter(country_, 1);
        if (c0 != row_[0] || c1 != row_[1]) SetCountry(c0, c1);
        const std::uint8_t r = tail_[remainder_[last_]];
        if (!accept_[r]) return;
        if (judged_ && !(otherCode_ ? rules_.Accepts(candidate) : rules_.NationalKeyAgrees(candidate))) return;
        char* out = sink_.Append(rowLength_);
        if (!out) return;  // the store is full
        CopyRow(out);
        out[3] = key_[r][0];
        out[4] = key_[r][1];
    }

private:
    static constexpr std::size_t kMaxSlots = 4;
    static constexpr std::size_t kMaxValues = 36;

    // Copies the template in blocks of 16 characters, the last block ending
    // with the row; a shorter row is copied at once.
    void CopyRow(char* out) const {
        const char* row = row_.data();
        if (rowLength_ < 16) {
            std::memcpy(out, row, rowLength_);
            return;
        }
        std::size_t at = 0;
        for (; at + 16 < rowLength_; at += 16) std::memcpy(out + at, row + at, 16);
        std::memcpy(out + rowLength_ - 16, row + rowLength_ - 16, 16);
    }

    void SetCountry(char c0, char c1) {
        row_[0] = c0;
        row_[1] = c1;
        Step tail = suffix_;
        tail.Push(CountryDigits(c0));
        tail.Push(CountryDigits(c1));
        tail.Push({2, 0});
        for (int r = 0; r < 97; ++r) tail_[r] = static_cast<std::uint8_t>(tail.Apply(r));
        const char code[2] = {c0, c1};
        rules_ = BbanRules(std::string_view(code, 2));
        otherCode_ = c0 != planCode_[0] || c1 != planCode_[1];
        judged_ = otherCode_ || rules_.HasNationalKey();
    }

    const std::string& country_;
    const std::string planCode_;                          // the code the slots were made for
    BbanRules rules_{""};                                 // the rules of the code in row_
    bool otherCode_ = false;                              // row_'s code is not planCode_
    bool judged_ = false;                                 // a candidate whose key agrees is judged by rules_
    RowStore& sink_;
    std::size_t last_;
    Step suffix_;                                         // BBAN right of the last slot
    std::uint8_t remainder_[kMaxSlots] = {};
    std::uint8_t next_[kMaxSlots][97 * kMaxValues] = {};
    char symbol_[kMaxSlots][kMaxValues] = {};
    std::size_t rowPos_[kMaxSlots] = {};
    std::uint8_t tail_[97] = {};
    std::string row_;
    std::size_t rowLength_ = 0;
    bool accept_[97] = {};
    char key_[97][2] = {};
};

}  // namespace

std::string FormatIban(std::string_view text) {
    const std::string kept = KeepDigitsCapitalsUnknown(NumberCharacters(text));
    std::string shown;
    shown.reserve(kept.size() + kept.size() / 4 + 1);
    for (std::size_t at = 0; at < kept.size(); at += 4) shown.append(kept, at, 4).append(1, ' ');
    return shown;
}

std::string IbanCountryCode(std::string_view countryField) {
    return PadRight(std::string(Slice(countryField, 0, 2)), 2, ' ');
}

std::string ComputeIbanKey(std::string_view bban, std::string_view countryField) {
    std::string digits;
    digits.reserve(2 * bban.size() + 6);
    const auto write = [&](Digits d) {
        if (d.count == 2) digits += static_cast<char>('0' + d.value / 10);
        if (d.count >= 1) digits += static_cast<char>('0' + d.value % 10);
    };
    for (char c : bban) write(BbanDigits(c));
    for (char c : IbanCountryCode(countryField)) write(CountryDigits(c));
    digits += "00";
    // Three digits at a time, so every step stays below 97 000.
    std::int32_t r = 0;
    for (std::size_t at = 0; at < digits.size(); at += 3) {
        std::int32_t scale = 1;
        std::int32_t value = 0;
        for (std::size_t i = at; i < at + 3 && i < digits.size(); ++i) {
            scale *= 10;
            value = value * 10 + (digits[i] - '0');
        }
        r = (r * scale + value) % 97;
    }
    return TwoDigits(98 - r);
}

bool TestIbanCandidate(std::string_view candidate, std::string_view keyPattern, std::string_view countryField,
                       RowStore& sink) {
    const std::string key = ComputeIbanKey(candidate, countryField);
    if (!KeyAgrees(keyPattern, key) || !BbanRules(countryField).Accepts(candidate)) return false;
    sink.Add(IbanCountryCode(countryField) + ' ' + key + ' ' + FormatIban(candidate));
    return true;
}

IbanSearchPlan IbanPlan(std::string_view bbanFieldText, std::string_view keyFieldText, std::string_view countryField) {
    IbanSearchPlan plan;
    plan.country = std::string(countryField);
    plan.pattern = PadUnknown(RemoveBlanks(bbanFieldText), 2);
    plan.tooLong = plan.pattern.size() > kIbanLongestBban;
    const BbanRules rules(countryField);
    if (!plan.tooLong)
        plan.unknowns = FindSlots(plan.pattern, 0, plan.pattern.size(), [&](std::size_t pos) { return Slot{pos, rules.Symbols(pos), 0}; });
    std::string_view key = keyFieldText;
    while (!key.empty() && key.front() == ' ') key.remove_prefix(1);
    while (!key.empty() && key.back() == ' ') key.remove_suffix(1);
    plan.keyPattern = PadUnknown(std::string(key), 2);
    return plan;
}

std::string CompleteIban(const Plan& plan, std::string_view countryField) {
    return ComputeIbanKey(plan.pattern, countryField);
}

bool SearchIban(const IbanSearchPlan& plan, const std::string& countryField, RowStore& sink, SearchPump& pump) {
    if (!plan.Searches()) return true;
    if (BbanRules(plan.country).Fault(plan.pattern)) return true;  // no completion can pass: the list stays empty
    if (FastSearch::Handles(plan)) {
        FastSearch search(plan, countryField, sink);
        return Enumerate(plan, search, pump);
    }
    return Enumerate(plan, TestVisitor{[&](const std::string& candidate) {
                         TestIbanCandidate(candidate, plan.keyPattern, countryField, sink);
                     }}, pump);
}

const IbanCountry* FindIbanCountry(std::string_view code) {
    const std::span<const IbanCountry> registry = IbanRegistry();
    const auto found = std::lower_bound(registry.begin(), registry.end(), code,
                                        [](const IbanCountry& country, std::string_view c) { return country.code < c; });
    return found != registry.end() && found->code == code ? &*found : nullptr;
}

std::optional<IbanParts> SplitIban(std::string_view text) {
    std::string compact = NumberCharacters(text);
    for (char& c : compact) c = Upper(c);
    std::string_view rest = compact;
    if (rest.substr(0, 4) == "IBAN") {
        rest.remove_prefix(4);
        if (!rest.empty() && rest.front() == ':') rest.remove_prefix(1);
    }
    if (rest.size() < 5 || rest.size() > 4 + 30) return std::nullopt;
    if (!IsCapital(rest[0]) || !IsCapital(rest[1])) return std::nullopt;
    for (char c : rest.substr(2, 2))
        if (!IsDigit(c) && c != kUnknown) return std::nullopt;
    for (char c : rest.substr(4))
        if (!IsDigit(c) && !IsCapital(c) && c != kUnknown) return std::nullopt;
    return IbanParts{std::string(rest.substr(0, 2)), std::string(rest.substr(2, 2)), std::string(rest.substr(4))};
}

void AppendPrintedIbanRow(std::string_view row, std::string& out) {
    // "CC KK " then the BBAN's groups: the blank between code and key goes.
    const std::size_t start = out.size();
    for (std::size_t i = 0; i < row.size(); ++i)
        if (i != 2 || row[i] != ' ') out += row[i];
    while (out.size() > start && out.back() == ' ') out.pop_back();
}

}  // namespace ferrino
