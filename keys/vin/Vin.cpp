#include "Vin.h"

#include <cstring>
#include <vector>

namespace ferrino {

namespace {

constexpr std::string_view kVinSymbols = "0123456789ABCDEFGHJKLMNPRSTUVWXYZ";
constexpr std::string_view kVinKeys = "0123456789X";
constexpr int kVinWeights[kVinLength] = {8, 7, 6, 5, 4, 3, 2, 10, 0, 9, 8, 7, 6, 5, 4, 3, 2};
// Values of "A".."Z": A-I 1-9, J-R 1-9 but O counts 5, S-Z 2-9.
constexpr std::string_view kLetterValues = "123456789" "123455789" "23456789";

constexpr bool InVinAlphabet(char c) { return IsDigit(c) || IsCapital(c) || c == ' '; }

constexpr int VinValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (IsCapital(c)) return kLetterValues[static_cast<std::size_t>(c - 'A')] - '0';
    return 0;
}

// The weighted sum of the first seventeen characters modulo 11.
int VinRemainder(std::string_view text) {
    int sum = 0;
    for (std::size_t i = 0; i < kVinLength && i < text.size(); ++i) sum += VinValue(text[i]) * kVinWeights[i];
    return sum % 11;
}

char KeyOf(int remainder) { return kVinKeys[static_cast<std::size_t>(remainder)]; }

char WantedKey(std::string_view pattern) {
    return pattern.size() > kVinKeyIndex ? pattern[kVinKeyIndex] : kUnknown;
}

// The search's visitor: the known characters' sum is computed once, each slot
// value's contribution (modulo 11) is precomputed, and each slot keeps the
// remainder of everything to its left, so a candidate costs one addition.
// Accepted rows are the working candidate copied whole, with the key patched.
class FastVinVisitor {
public:
    FastVinVisitor(const Plan& plan, RowStore& sink) : sink_(sink), wanted_(WantedKey(plan.pattern)) {
        std::string known(Slice(plan.pattern, 0, kVinLength));
        for (const Slot& slot : plan.unknowns) {
            if (slot.pos < known.size()) known[slot.pos] = '0';
            offsets_.push_back(contributions_.size());
            const int weight = slot.pos < kVinLength ? kVinWeights[slot.pos] : 0;
            for (char symbol : slot.symbols)
                contributions_.push_back(static_cast<unsigned char>(VinValue(symbol) * weight % 11));
        }
        base_ = VinRemainder(known);
        remainders_.assign(plan.unknowns.size(), 0);
        last_ = plan.unknowns.size() - 1;
    }

    void Set(std::size_t level, std::size_t value, std::string&) {
        int r = (level == 0 ? base_ : remainders_[level - 1]) + contributions_[offsets_[level] + value];
        if (r >= 11) r -= 11;
        remainders_[level] = r;
    }

    void Test(const std::string& candidate) {
        const char key = KeyOf(remainders_[last_]);
        if (wanted_ != kUnknown && wanted_ != key) return;
        char* row = sink_.Append(kVinLength);
        if (!row) return;  // the store is full
        std::memcpy(row, candidate.data(), kVinLength);
        row[kVinKeyIndex] = key;
    }

private:
    RowStore& sink_;
    char wanted_;
    int base_ = 0;
    std::size_t last_ = 0;
    std::vector<std::size_t> offsets_;
    std::vector<unsigned char> contributions_;
    std::vector<int> remainders_;
};

}  // namespace

std::string FormatVinField(std::string_view text, std::size_t width) {
    std::string out = PadUnknown(std::string(text), width);
    for (std::size_t i = 0; i < width; ++i)
        if (!InVinAlphabet(out[i])) out[i] = kUnknown;
    return out;
}

std::string ComputeVinKey(std::string_view text) {
    return std::string(1, KeyOf(VinRemainder(text)));
}

bool TestVinCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink) {
    if (Slice(candidate, 0, kVinLength).find_first_of(kVinForbidden) != std::string_view::npos) return false;
    const char key = KeyOf(VinRemainder(candidate));
    const char wanted = WantedKey(pattern);
    if (wanted != kUnknown && wanted != key) return false;
    std::string row = PadUnknown(std::string(Slice(candidate, 0, kVinLength)), kVinLength);
    row[kVinKeyIndex] = key;
    sink.Add(row);
    return true;
}

Plan VinPlan(const VinFields& fields) {
    std::string joined;
    for (const std::string& field : fields) joined += field;
    Plan plan;
    plan.pattern = PadUnknown(RemoveBlanks(joined), kVinLength);
    plan.unknowns = FindSlots(plan.pattern, 0, kVinLength, [](std::size_t pos) { return Slot{pos, kVinSymbols, 0}; });
    std::erase_if(plan.unknowns, [](const Slot& slot) { return slot.pos == kVinKeyIndex; });
    return plan;
}

std::string CompleteVin(const Plan& plan) {
    return ComputeVinKey(plan.pattern);
}

bool SearchVin(const Plan& plan, RowStore& sink, SearchPump& pump) {
    if (!plan.Searches()) return true;
    // A typed I, O or Q (no completion is a VIN: the candidate test refuses
    // each, and the search still counts them, so that "Stop" and the pump
    // behave as for any other search), a slot that may try I, O or Q, or a
    // pattern shorter than VinPlan makes them: not a plan of VinPlan's; take
    // the plain road.
    bool plain = plan.pattern.size() < kVinLength ||
                 Slice(plan.pattern, 0, kVinLength).find_first_of(kVinForbidden) != std::string_view::npos;
    for (const Slot& slot : plan.unknowns) plain = plain || slot.symbols.find_first_of(kVinForbidden) != std::string_view::npos;
    if (plain)
        return Enumerate(plan, TestVisitor{[&](const std::string& candidate) { TestVinCandidate(candidate, plan.pattern, sink); }}, pump);
    if (sink.Empty() && WantedKey(plan.pattern) == kUnknown) {
        // Every candidate is listed: make room for all of them at once.
        std::size_t rows = 1;
        for (const Slot& slot : plan.unknowns) rows *= slot.symbols.size();
        sink.ReserveMore(rows, rows * kVinLength);
    }
    FastVinVisitor visitor(plan, sink);
    return Enumerate(plan, visitor, pump);
}

VinFields VinRowFields(std::string_view row) {
    VinFields fields;
    std::size_t at = 0;
    for (std::size_t i = 0; i < kVinFieldCount; ++i) {
        fields[i] = std::string(Slice(row, at, kVinFieldWidths[i]));
        at += kVinFieldWidths[i];
    }
    return fields;
}

std::optional<VinFields> SplitVin(std::string_view text) {
    std::string compact = NumberCharacters(text);
    if (compact.size() != kVinLength) return std::nullopt;
    for (char& c : compact) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (!IsDigit(c) && !IsCapital(c) && c != kUnknown) return std::nullopt;
    }
    return VinRowFields(compact);
}

}  // namespace ferrino
