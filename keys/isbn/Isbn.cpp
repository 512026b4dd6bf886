#include "Isbn.h"

#include <array>

namespace ferrino {

namespace {

// One row of a length table: a part of `length` digits when the value of the
// first `length` characters lies in [low, high].
struct LengthRow {
    std::size_t length;
    int low;
    int high;
};

// Registration groups; five digits when no row fits.
constexpr std::array<LengthRow, 4> kGroupRows = {{{1, 0, 7}, {2, 8, 94}, {3, 95, 995}, {4, 996, 9989}}};
constexpr std::size_t kGroupOtherwise = 5;

// Publishers, the same after every group; seven digits when no row fits.
constexpr std::array<LengthRow, 5> kPublisherRows = {
    {{2, 0, 19}, {3, 20, 699}, {4, 700, 8399}, {5, 8400, 89999}, {6, 90000, 949999}}};
constexpr std::size_t kPublisherOtherwise = 7;

constexpr std::size_t kLongestTitle = 6;

// The value of the digits that lead the first `count` characters; 0 when the
// first one is not a digit.
int PrefixValue(std::string_view text, std::size_t count) {
    int value = 0;
    for (char c : text.substr(0, count)) {
        if (!IsDigit(c)) break;
        value = value * 10 + DigitValue(c);
    }
    return value;
}

template <std::size_t Rows>
std::size_t PartLength(std::string_view text, const std::array<LengthRow, Rows>& rows, std::size_t otherwise) {
    for (const LengthRow& row : rows) {
        const int value = PrefixValue(text, row.length);
        if (value >= row.low && value <= row.high) return row.length;
    }
    return otherwise;
}

bool IsDroppedSeparator(char c) { return c == ' ' || c == '-' || c == '.' || c == '_'; }

}  // namespace

std::string NormaliseIsbn(std::string_view text) {
    std::string out;
    out.reserve(text.size() < kIsbnLength ? kIsbnLength : text.size());
    for (char c : text) {
        if (IsDroppedSeparator(c)) continue;
        out += IsDigit(c) || c == 'X' ? c : kUnknown;
    }
    out = PadUnknown(std::move(out), kIsbnLength);
    for (std::size_t i = 0; i < kIsbnLength; ++i) {
        const bool checkX = i == kIsbnBody && out[i] == 'X';
        if (!IsDigit(out[i]) && !checkX) out[i] = kUnknown;
    }
    return out;
}

IsbnForm FormatIsbn(std::string_view normalised) {
    const std::size_t group = PartLength(normalised, kGroupRows, kGroupOtherwise);
    const std::string_view afterGroup = Slice(normalised, group, kIsbnBody);
    const std::size_t publisher = PartLength(afterGroup, kPublisherRows, kPublisherOtherwise);
    IsbnForm form;
    if (group + publisher >= kIsbnBody || kIsbnBody - group - publisher > kLongestTitle) {
        form.shown = TrimShown(std::string(normalised));
        return form;
    }
    const std::size_t title = kIsbnBody - group - publisher;
    form.valid = true;
    std::size_t at = 0;
    for (std::size_t width : {group, publisher, title, std::size_t{1}}) {
        if (at) form.shown += '-';
        form.shown += Slice(normalised, at, width);
        at += width;
    }
    form.shown = TrimShown(std::move(form.shown));
    return form;
}

std::string ShowIsbn(std::string_view text) { return FormatIsbn(NormaliseIsbn(text)).shown; }

std::string ComputeIsbnKey(std::string_view body) {
    int sum = 0;
    for (std::size_t i = 0; i < kIsbnBody; ++i) {
        const int digit = i < body.size() ? DigitValue(body[i]) : 0;
        sum += static_cast<int>(kIsbnLength - i) * digit;
    }
    const int r = sum % 11;
    if (r == 0) return "0";
    if (r == 1) return "X";
    return std::string(1, static_cast<char>('0' + 11 - r));
}

bool TestIsbnCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink) {
    std::string full = PadRight(std::string(Slice(candidate, 0, kIsbnBody)), kIsbnBody, '0');
    full += ComputeIsbnKey(full);
    IsbnForm form = FormatIsbn(full);
    const char wanted = kIsbnBody < pattern.size() ? pattern[kIsbnBody] : kUnknown;
    if (wanted != kUnknown && !(form.valid && wanted == full.back())) return false;
    sink.Add(form.shown);
    return true;
}

Plan IsbnPlan(std::string_view fieldText) {
    std::string pattern;
    pattern.reserve(fieldText.size() < kIsbnLength ? kIsbnLength : fieldText.size());
    for (char c : fieldText)
        if (c != ' ' && c != '-') pattern += c;
    Plan plan;
    plan.pattern = PadUnknown(std::move(pattern), kIsbnLength);
    plan.unknowns = FindDigitSlots(plan.pattern, 0, kIsbnBody);
    return plan;
}

std::string CompleteIsbn(const Plan& plan) {
    const std::string body = PadRight(std::string(Slice(plan.pattern, 0, kIsbnBody)), kIsbnBody, '0');
    return body + ComputeIsbnKey(body);
}

bool SearchIsbn(const Plan& plan, RowStore& sink, SearchPump& pump) {
    return Enumerate(plan, TestVisitor{[&](const std::string& candidate) { TestIsbnCandidate(candidate, plan.pattern, sink); }}, pump);
}

}  // namespace ferrino
