#include "Ean.h"

#include "common/KindTools.h"

#include <array>
#include <span>

namespace ferrino {

namespace {

struct EanTypeInfo {
    std::string_view name;
    std::size_t length;
    std::span<const std::size_t> blocks;  // widths of the shown blocks, adding up to length
};

constexpr std::size_t kEan8Blocks[] = {4, 4};
constexpr std::size_t kEan13Blocks[] = {1, 6, 6};
constexpr std::size_t kUpcABlocks[] = {1, 5, 6};
constexpr std::size_t kUpcCBlocks[] = {1, 6, 1};

constexpr std::array<EanTypeInfo, kEanTypeCount> kTypes = {{
    {"EAN 8", 8, kEan8Blocks},
    {"EAN 13", 13, kEan13Blocks},
    {"UPC-A", 12, kUpcABlocks},
    {"UPC-C", 8, kUpcCBlocks},
    {"UPC-E", 8, kUpcCBlocks},
}};

constexpr bool BlocksCoverNumbers() {
    for (const EanTypeInfo& info : kTypes) {
        std::size_t total = 0;
        for (std::size_t width : info.blocks) total += width;
        if (total != info.length) return false;
    }
    return true;
}
static_assert(BlocksCoverNumbers());

const EanTypeInfo& Info(EanType type) {
    const int row = static_cast<int>(type);
    return kTypes[row >= 0 && row < kEanTypeCount ? static_cast<std::size_t>(row) : 1];
}

// Characters a complete number of the type takes on screen.
std::size_t ShownLength(const EanTypeInfo& info) { return info.length + info.blocks.size() - 1; }

std::size_t DataLength(std::size_t n) { return n > 0 ? n - 1 : 0; }

}  // namespace

std::string_view EanTypeName(EanType type) { return Info(type).name; }

std::size_t EanLength(EanType type) { return Info(type).length; }

EanType EanTypeForShownLength(std::size_t shownLength, EanType current, EanType listedBy) {
    const int row = static_cast<int>(listedBy);
    if (row >= 0 && row < kEanTypeCount && ShownLength(Info(listedBy)) == shownLength) return listedBy;
    for (int row = 0; row < kEanTypeCount; ++row)
        if (ShownLength(kTypes[static_cast<std::size_t>(row)]) == shownLength) return static_cast<EanType>(row);
    return current;
}

std::string FormatEan(std::string_view text, EanType type) {
    const EanTypeInfo& info = Info(type);
    std::string digits;
    digits.reserve(info.length);
    for (char c : text) {
        if (digits.size() == info.length) break;
        if (IsDigit(c) || c == kUnknown) digits += c;
    }
    return ShowGrouped(digits, info.blocks);
}

std::string NormaliseEan(std::string_view text, EanType type) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == ' ' || c == '-' || c == '.' || c == '_') continue;
        out += IsDigit(c) ? c : kUnknown;
    }
    return PadUnknown(std::move(out), EanLength(type));
}

std::size_t EanCharacters(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) count += c != ' ' && c != '-' && c != '.' && c != '_';
    return count;
}

std::string ShowEan(std::string_view text, EanType type) { return FormatEan(NormaliseEan(text, type), type); }

std::string ComputeEanKey(std::string_view text, std::size_t n) {
    const std::size_t data = DataLength(n);
    int sum = 0;
    for (std::size_t i = 0; i < data; ++i) {
        const int digit = i < text.size() ? DigitValue(text[i]) : 0;
        sum += (n - i) % 2 == 0 ? 3 * digit : digit;  // n - i is the position counted from the right
    }
    return std::string(1, static_cast<char>('0' + (10 - sum % 10) % 10));
}

std::string ExpandUpcE(std::string_view text) {
    // A missing or non-digit character counts as 0, as in every key.
    std::string d(7, '0');
    for (std::size_t i = 0; i < 7 && i < text.size(); ++i)
        if (IsDigit(text[i])) d[i] = text[i];
    // d[0] is the number system, d[1..6] the data digits.
    const char last = d[6];
    if (last <= '2') return d.substr(0, 3) + last + "0000" + d.substr(3, 3);
    if (last == '3') return d.substr(0, 4) + "00000" + d.substr(4, 2);
    if (last == '4') return d.substr(0, 5) + "00000" + d.substr(5, 1);
    return d.substr(0, 6) + "0000" + last;
}

std::string ComputeEanTypeKey(std::string_view text, EanType type) {
    if (type != EanType::UpcE) return ComputeEanKey(text, EanLength(type));
    const char system = text.empty() ? '0' : text[0];
    if (system != '0' && system != '1' && IsDigit(system)) return {};
    return ComputeEanKey(ExpandUpcE(text), EanLength(EanType::UpcA));
}

bool TestEanCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink, EanType type) {
    const std::size_t n = EanLength(type);
    const std::string key = ComputeEanTypeKey(candidate, type);
    if (key.empty()) return false;
    const char wanted = n - 1 < pattern.size() ? pattern[n - 1] : kUnknown;
    if (wanted != kUnknown && wanted != key[0]) return false;
    sink.Add(FormatEan(std::string(Slice(candidate, 0, n - 1)) + key, type));
    return true;
}

Plan EanPlan(std::string_view fieldText, EanType type) {
    const std::size_t n = EanLength(type);
    Plan plan;
    plan.pattern = PadUnknown(RemoveBlanks(fieldText), n);
    plan.unknowns = FindDigitSlots(plan.pattern, 0, n - 1);
    return plan;
}

std::string CompleteEan(const Plan& plan, EanType type) {
    const std::size_t n = EanLength(type);
    const std::string data(Slice(plan.pattern, 0, n - 1));
    const std::string key = ComputeEanTypeKey(data, type);
    return data + (key.empty() ? std::string(1, kUnknown) : key);
}

bool SearchEan(const Plan& plan, RowStore& sink, SearchPump& pump, EanType type) {
    return Enumerate(plan, TestVisitor{[&](const std::string& candidate) { TestEanCandidate(candidate, plan.pattern, sink, type); }}, pump);
}

QuickAnswer QuickEan(std::string_view number, EanType type, std::string& shown, std::string& cause) {
    const EanTypeInfo& info = Info(type);
    std::array<char, 13> digits;  // the longest type
    const std::string_view plain(digits.data(), PlainDigits(number, digits));
    if (plain.size() != info.length) return QuickAnswer::kUnsure;
    const std::string key = ComputeEanTypeKey(plain, type);  // one digit, held in place
    if (key.empty()) return QuickAnswer::kUnsure;
    return QuickKeyAnswer(plain, info.blocks, key, shown, cause);
}

}  // namespace ferrino
