#include "Isbn.h"

#include <algorithm>
#include <optional>

#include "Ranges.h"
#include "ean/Ean.h"

namespace ferrino {

namespace {

// An ISBN-10 has the parts of an ISBN-13 of prefix 978.
constexpr std::string_view kIsbn10Prefix = "978";

bool AllDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), IsDigit); }

// The length of the range that holds the first digits of `text`, or 0.
std::size_t RangeLength(std::span<const IsbnRange> ranges, std::string_view text) {
    for (const IsbnRange& range : ranges) {
        const std::size_t n = range.low.size();
        if (text.size() < n) continue;
        const std::string_view lead = text.substr(0, n);
        if (AllDigits(lead) && lead >= range.low && lead <= range.high) return n;
    }
    return 0;
}

bool IsDroppedSeparator(char c) { return c == ' ' || c == '-' || c == '.' || c == '_'; }

}  // namespace

std::optional<IsbnSplit> SplitIsbnDigits(std::string_view prefix, std::string_view nine) {
    const auto prefixes = IsbnPrefixes();
    const auto found = std::find_if(prefixes.begin(), prefixes.end(), [&](const IsbnPrefix& p) { return p.prefix == prefix; });
    if (found == prefixes.end()) return std::nullopt;
    IsbnSplit split;
    split.group = RangeLength(IsbnGroupRanges().subspan(found->firstGroupRange, found->groupRangeCount), nine);
    if (split.group == 0) return std::nullopt;
    const std::string_view group = nine.substr(0, split.group);
    const auto groups = IsbnGroups();
    const auto at = std::lower_bound(groups.begin(), groups.end(), std::pair{prefix, group}, [](const IsbnGroup& g, const auto& key) {
        return std::pair{g.prefix, g.group} < key;
    });
    if (at == groups.end() || at->prefix != prefix || at->group != group) return std::nullopt;
    split.registrant = RangeLength(IsbnRegistrants().subspan(at->firstRegistrant, at->registrantCount), nine.substr(split.group));
    if (split.registrant == 0 || split.group + split.registrant >= kIsbnBody) return std::nullopt;
    return split;
}

bool IsIsbn13(std::string_view text) {
    return text.size() > kIsbnLength && (text.starts_with("978") || text.starts_with("979"));
}

std::size_t IsbnKeyAt(std::string_view text) { return IsIsbn13(text) ? kIsbn13Body : kIsbnBody; }

std::string NormaliseIsbn(std::string_view text) {
    std::string out;
    out.reserve(text.size() < kIsbn13Length ? kIsbn13Length : text.size());
    for (char c : text) {
        if (IsDroppedSeparator(c)) continue;
        out += IsDigit(c) || c == 'X' ? c : kUnknown;
    }
    const bool isbn13 = IsIsbn13(out);
    const std::size_t length = isbn13 ? kIsbn13Length : kIsbnLength;
    out = PadUnknown(std::move(out), length);
    for (std::size_t i = 0; i < length; ++i) {
        const bool checkX = !isbn13 && i == kIsbnBody && out[i] == 'X';
        if (!IsDigit(out[i]) && !checkX) out[i] = kUnknown;
    }
    return out;
}

IsbnForm FormatIsbn(std::string_view normalised) {
    const bool isbn13 = IsIsbn13(normalised);
    const std::size_t lead = isbn13 ? kIsbn13Prefix : 0;
    const std::size_t keyAt = lead + kIsbnBody;
    const std::optional<IsbnSplit> split =
        SplitIsbnDigits(isbn13 ? normalised.substr(0, kIsbn13Prefix) : kIsbn10Prefix, Slice(normalised, lead, kIsbnBody));
    IsbnForm form;
    std::string body;
    std::string tail;
    if (split) {
        form.valid = true;
        std::size_t at = 0;
        for (std::size_t width : {lead, split->group, split->registrant, kIsbnBody - split->group - split->registrant}) {
            if (width == 0) continue;
            if (at) body += '-';
            body += Slice(normalised, at, width);
            at += width;
        }
        tail = '-';
        tail += Slice(normalised, keyAt, 1);
    } else {
        body = Slice(normalised, 0, keyAt);
        tail = Slice(normalised, keyAt, std::string_view::npos);
    }
    // An ISBN-13 keeps its unknown body characters, so that it still reads as one.
    form.shown = isbn13 ? body + TrimShown(std::move(tail)) : TrimShown(body + tail);
    return form;
}

std::string ShowIsbn(std::string_view text) { return FormatIsbn(NormaliseIsbn(text)).shown; }

std::string ComputeIsbnKey(std::string_view text) {
    if (IsIsbn13(text)) return ComputeEanKey(text, kIsbn13Length);
    int sum = 0;
    for (std::size_t i = 0; i < kIsbnBody; ++i) {
        const int digit = i < text.size() ? DigitValue(text[i]) : 0;
        sum += static_cast<int>(kIsbnLength - i) * digit;
    }
    const int r = sum % 11;
    if (r == 0) return "0";
    if (r == 1) return "X";
    return std::string(1, static_cast<char>('0' + 11 - r));
}

bool TestIsbnCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink) {
    // The pattern's form: a slot may turn an ISBN-10's "?78" and what it carries into something like an ISBN-13.
    const std::size_t keyAt = IsbnKeyAt(pattern);
    std::string full = PadRight(std::string(Slice(candidate, 0, keyAt)), keyAt, '0');
    full += ComputeIsbnKey(full);
    const char wanted = keyAt < pattern.size() ? pattern[keyAt] : kUnknown;
    if (wanted != kUnknown && wanted != full.back()) return false;
    sink.Add(FormatIsbn(full).shown);
    return true;
}

Plan IsbnPlan(std::string_view fieldText) {
    std::string pattern;
    pattern.reserve(fieldText.size() < kIsbn13Length ? kIsbn13Length : fieldText.size());
    for (char c : fieldText)
        if (c != ' ' && c != '-') pattern += c;
    const bool isbn13 = IsIsbn13(pattern);
    Plan plan;
    plan.pattern = PadUnknown(std::move(pattern), isbn13 ? kIsbn13Length : kIsbnLength);
    plan.unknowns = FindDigitSlots(plan.pattern, isbn13 ? kIsbn13Prefix : 0, IsbnKeyAt(plan.pattern));
    return plan;
}

std::string CompleteIsbn(const Plan& plan) {
    const std::size_t keyAt = IsbnKeyAt(plan.pattern);
    const std::string body = PadRight(std::string(Slice(plan.pattern, 0, keyAt)), keyAt, '0');
    return body + ComputeIsbnKey(body);
}

bool SearchIsbn(const Plan& plan, RowStore& sink, SearchPump& pump) {
    return Enumerate(plan, TestVisitor{[&](const std::string& candidate) { TestIsbnCandidate(candidate, plan.pattern, sink); }}, pump);
}

}  // namespace ferrino
