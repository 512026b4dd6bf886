#include "Cip.h"

#include <array>

#include "common/KindTools.h"

namespace ferrino {

namespace {

char CipKey(std::string_view code) {
    int sum = 0;
    for (std::size_t i = 0; i < kCipCodeLength && i < code.size(); ++i)
        sum += static_cast<int>(i + 2) * DigitValue(code[i]);
    const int r = sum % 11;
    return static_cast<char>('0' + (r == 10 ? 0 : r));
}

}  // namespace

std::string FormatCipField(std::string_view text, std::size_t maxLength) {
    std::string out = PadUnknown(std::string(text), maxLength);
    for (std::size_t i = 0; i < maxLength; ++i)
        if (!IsDigit(out[i])) out[i] = kUnknown;
    return out;
}

std::string ComputeCipKey(std::string_view code) {
    return std::string(1, CipKey(code));
}

bool TestCipCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink) {
    const char key = CipKey(candidate);
    const char wanted = pattern.size() > kCipCodeLength ? pattern[kCipCodeLength] : kUnknown;
    if (wanted != kUnknown && wanted != key) return false;
    char* row = sink.Append(kCipCodeLength + 2);
    if (!row) return false;  // the store is full
    const std::string_view code = Slice(candidate, 0, kCipCodeLength);
    for (std::size_t i = 0; i < kCipCodeLength; ++i) row[i] = i < code.size() ? code[i] : kUnknown;
    row[kCipCodeLength] = ' ';
    row[kCipCodeLength + 1] = key;
    return true;
}

Plan CipPlan(std::string_view codeField, std::string_view keyField) {
    Plan plan;
    std::string joined(codeField);
    joined.append(keyField);
    plan.pattern = PadUnknown(RemoveBlanks(joined), kCipLength);
    plan.unknowns = FindDigitSlots(plan.pattern, 0, kCipCodeLength);
    return plan;
}

std::string CompleteCip(const Plan& plan) {
    return ComputeCipKey(Slice(plan.pattern, 0, kCipCodeLength));
}

bool SearchCip(const Plan& plan, RowStore& sink, SearchPump& pump) {
    if (!plan.Searches()) return true;
    return Enumerate(plan, TestVisitor{[&](const std::string& candidate) { TestCipCandidate(candidate, plan.pattern, sink); }}, pump);
}

CipFields CipRowFields(std::string_view row) {
    return CipFields{std::string(Slice(row, 0, kCipCodeLength)), std::string(Slice(row, kCipCodeLength + 1, 1))};
}

std::optional<CipFields> SplitCip(std::string_view text) {
    const std::string compact = NumberCharacters(text);
    if (compact.size() != kCipLength) return std::nullopt;
    for (char c : compact)
        if (!IsDigit(c) && c != kUnknown) return std::nullopt;
    return CipFields{compact.substr(0, kCipCodeLength), compact.substr(kCipCodeLength)};
}

QuickAnswer QuickCip(std::string_view number, std::string& shown, std::string& cause) {
    static constexpr std::size_t kFields[] = {kCipCodeLength, kCipKeyLength};
    std::array<char, kCipLength> digits;
    const std::string_view plain(digits.data(), PlainDigits(number, digits));
    if (plain.size() != kCipLength) return QuickAnswer::kUnsure;
    const char key = CipKey(plain);
    return QuickKeyAnswer(plain, kFields, std::string_view(&key, 1), shown, cause);
}

}  // namespace ferrino
