#include "Rib.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace ferrino {

namespace {

constexpr std::size_t kBankEnd = 5;      // bank code: positions 1-5
constexpr std::size_t kBranchEnd = 10;   // branch code: positions 6-10, account from 11
constexpr std::size_t kRowLength = 26;   // BBBBB GGGGG CCCCCCCCCCC KK

constexpr char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// A, J -> 1; B, K, S -> 2; ... I, R, Z -> 9.
constexpr int LetterDigit(char capital) {
    const int index = capital - 'A';
    if (index < 9) return index + 1;
    if (index < 18) return index - 9 + 1;
    return index - 18 + 2;
}

// What the character at body position `pos` (0-based) counts for in the key.
constexpr int KeyDigit(std::size_t pos, char c) {
    if (IsDigit(c)) return c - '0';
    if (pos >= kBranchEnd) {
        const char capital = Upper(c);
        if (IsCapital(capital)) return LetterDigit(capital);
    }
    return 0;
}

// Where body position `pos` stands in a listed row.
constexpr std::size_t RowPosition(std::size_t pos) { return pos + (pos >= kBankEnd) + (pos >= kBranchEnd); }

bool KeyAgrees(std::string_view pattern, std::string_view key) {
    const auto agrees = [&](std::size_t pos, char digit) {
        return pos >= pattern.size() || pattern[pos] == kUnknown || pattern[pos] == digit;
    };
    return agrees(kRibBody, key[0]) && agrees(kRibBody + 1, key[1]);
}

// The search with the key kept as running remainders.
//
// The key depends linearly on the digits: r = sum of digit x 10^(22 - pos)
// mod 97. The fixed characters give one remainder; each slot level adds the
// share of its value to the remainder of the levels left of it. The row is a
// template whose slot characters are patched as the slots take their values.
class FastSearch {
public:
    // Whether the plan has the shape this search handles (every plan read from
    // a normalised field); any other plan goes through the plain candidate test.
    static bool Handles(const Plan& plan) {
        if (plan.pattern.size() < kRibBody || plan.unknowns.size() > kMaxSlots) return false;
        for (std::size_t i = 0; i < kRibBody; ++i) {
            const char c = plan.pattern[i];
            if (!IsDigit(c) && !IsCapital(c) && c != kUnknown) return false;
        }
        for (std::size_t level = 0; level < plan.unknowns.size(); ++level) {
            const Slot& slot = plan.unknowns[level];
            if (slot.pos >= kRibBody || (level && slot.pos <= plan.unknowns[level - 1].pos)) return false;
            if (slot.symbols.empty() || slot.symbols.size() > kMaxValues) return false;
            for (char c : slot.symbols)
                if (!IsDigit(c) && !IsCapital(c)) return false;
        }
        return true;
    }

    FastSearch(const Plan& plan, RowStore& sink) : sink_(sink), last_(plan.unknowns.size() - 1) {
        std::array<int, kRibBody> weight{};
        int power = 100 % 97;  // the key is taken over the body followed by "00"
        for (std::size_t i = kRibBody; i-- > 0;) {
            weight[i] = power;
            power = power * 10 % 97;
        }
        std::string candidate = plan.pattern;
        int base = 0;
        for (std::size_t level = 0; level < plan.unknowns.size(); ++level) {
            const Slot& slot = plan.unknowns[level];
            candidate[slot.pos] = slot.symbols[0];
            rowPos_[level] = RowPosition(slot.pos);
            for (std::size_t v = 0; v < slot.symbols.size(); ++v) {
                const char c = slot.symbols[v];
                share_[level][v] = static_cast<std::uint8_t>(KeyDigit(slot.pos, c) * weight[slot.pos] % 97);
                shown_[level][v] = slot.pos < kBranchEnd && !IsDigit(c) ? kUnknown : c;
            }
        }
        for (std::size_t i = 0; i < kRibBody; ++i) {
            bool isSlot = false;
            for (const Slot& slot : plan.unknowns) isSlot = isSlot || slot.pos == i;
            if (!isSlot) base = (base + KeyDigit(i, plan.pattern[i]) * weight[i]) % 97;
        }
        base_ = static_cast<std::uint8_t>(base);
        const std::string row = FormatRib(candidate.substr(0, kRibBody) + "00");
        std::memcpy(row_, row.data(), kRowLength);
        std::size_t accepted = 0;
        for (int r = 0; r < 97; ++r) {
            const std::string key = TwoDigits(97 - r);
            key_[r][0] = key[0];
            key_[r][1] = key[1];
            accept_[r] = KeyAgrees(plan.pattern, key);
            accepted += accept_[r];
        }
        // Keys are spread evenly enough over the candidates to size the store.
        const std::uint64_t rows = plan.CandidateCount() * accepted / 97 + 1;
        sink.ReserveMore(rows, rows * kRowLength);
    }

    void Set(std::size_t level, std::size_t value, std::string&) {
        const unsigned before = level ? remainder_[level - 1] : base_;
        unsigned r = before + share_[level][value];
        if (r >= 97) r -= 97;
        remainder_[level] = static_cast<std::uint8_t>(r);
        row_[rowPos_[level]] = shown_[level][value];
    }

    void Test(const std::string&) {
        const std::uint8_t r = remainder_[last_];
        if (!accept_[r]) return;
        char* out = sink_.Append(kRowLength);
        if (!out) return;  // the store is full
        std::memcpy(out, row_, kRowLength);
        out[kRowLength - 2] = key_[r][0];
        out[kRowLength - 1] = key_[r][1];
    }

private:
    static constexpr std::size_t kMaxSlots = 4;
    static constexpr std::size_t kMaxValues = 36;

    RowStore& sink_;
    std::size_t last_;
    std::uint8_t base_ = 0;
    std::uint8_t remainder_[kMaxSlots] = {};
    std::uint8_t share_[kMaxSlots][kMaxValues] = {};
    char shown_[kMaxSlots][kMaxValues] = {};
    std::size_t rowPos_[kMaxSlots] = {};
    char row_[kRowLength] = {};
    bool accept_[97] = {};
    char key_[97][2] = {};
};

}  // namespace

std::string FormatRib(std::string_view text) {
    std::string kept = PadUnknown(KeepDigitsCapitalsUnknown(text), kRibLength);
    for (std::size_t i = 0; i < kRibLength; ++i) {
        const bool account = i >= kBranchEnd && i < kRibBody;
        if (!IsDigit(kept[i]) && !(account && IsCapital(kept[i]))) kept[i] = kUnknown;
    }
    std::string shown;
    shown.reserve(kRowLength);
    shown.append(kept, 0, kBankEnd).append(1, ' ');
    shown.append(kept, kBankEnd, kBranchEnd - kBankEnd).append(1, ' ');
    shown.append(kept, kBranchEnd, kRibBody - kBranchEnd).append(1, ' ');
    shown.append(kept, kRibBody, kRibLength - kRibBody);
    return TrimShown(std::move(shown));
}

std::string ComputeRibKey(std::string_view body) {
    // 23 digits: the body, then "00"; read in pieces of 6, 6, 6 and 5 digits
    // so that every step stays within 32 bits (at most 96 999 999).
    std::array<int, kRibLength> digit{};
    for (std::size_t i = 0; i < kRibBody && i < body.size(); ++i) digit[i] = KeyDigit(i, body[i]);
    const auto read = [&](std::size_t first, std::size_t count) {
        std::int32_t value = 0;
        for (std::size_t i = first; i < first + count; ++i) value = value * 10 + digit[i];
        return value;
    };
    std::int32_t r = read(0, 6) % 97;
    r = (r * 1000000 + read(6, 6)) % 97;
    r = (r * 1000000 + read(12, 6)) % 97;
    r = (r * 100000 + read(18, 5)) % 97;
    return TwoDigits(97 - r);
}

bool TestRibCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink) {
    const std::string body = PadUnknown(std::string(Slice(candidate, 0, kRibBody)), kRibBody);
    const std::string key = ComputeRibKey(body);
    if (!KeyAgrees(pattern, key)) return false;
    sink.Add(FormatRib(body + key));
    return true;
}

Plan RibPlan(std::string_view fieldText) {
    Plan plan;
    plan.pattern = PadUnknown(RemoveBlanks(fieldText), kRibLength);
    plan.unknowns = FindSlots(plan.pattern, 0, kRibBody, [](std::size_t pos) {
        return Slot{pos, pos < kBranchEnd ? kDigits : kDigitsAndLetters, 0};
    });
    return plan;
}

std::string CompleteRib(const Plan& plan) {
    const std::string body(Slice(plan.pattern, 0, kRibBody));
    return body + ComputeRibKey(body);
}

bool SearchRib(const Plan& plan, RowStore& sink, SearchPump& pump) {
    if (plan.unknowns.empty()) return true;
    if (FastSearch::Handles(plan)) {
        FastSearch search(plan, sink);
        return Enumerate(plan, search, pump);
    }
    return Enumerate(plan, TestVisitor{[&](const std::string& candidate) { TestRibCandidate(candidate, plan.pattern, sink); }}, pump);
}

}  // namespace ferrino
