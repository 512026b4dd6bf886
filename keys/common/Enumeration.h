// The candidate search shared by every page.
//
// "Calcule" reads the number into a pattern: the normalised number without
// separators, padded with unknown markers to its full length. The unknown
// markers of its body are the slots of the search. With none the key is
// simply computed; with one up to the page's limit every combination of slot
// values is tried; with more nothing is searched.
//
// The enumeration nests one loop per slot, the leftmost slot outermost, each
// trying its symbols in order. Before every value it pumps and looks at the
// stop request; a value the slot passes over is skipped only after that.
// With four slots the innermost loop pumps and looks again right after each
// test. Candidates therefore come in increasing order of the slot values,
// the rightmost changing fastest.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Text.h"

namespace ferrino {

// One unknown position of the body and the values it runs through.
struct Slot {
    std::size_t pos = 0;            // 0-based index into the candidate
    std::string_view symbols;       // the values, in the order they are tried
    std::uint64_t passOver = 0;     // bit i set: value i is pumped for, then skipped
};

struct Plan {
    std::string pattern;            // normalised number, padded with unknown markers
    std::vector<Slot> unknowns;     // unknown positions of the body, left to right (the slots)
    std::size_t limit = 4;          // at most this many slots are searched
    bool tooLong = false;           // longer than the kind can ever be: neither completed nor searched

    bool Complete() const { return !tooLong && unknowns.empty(); }
    // How many candidates the search tests (values passed over not counted).
    std::uint64_t CandidateCount() const {
        std::uint64_t count = 1;
        for (const Slot& slot : unknowns) {
            std::uint64_t values = 0;
            for (std::size_t v = 0; v < slot.symbols.size(); ++v)
                if (v >= 64 || !((slot.passOver >> v) & 1U)) ++values;
            count *= values;
        }
        return count;
    }
    bool Searches() const { return !tooLong && !unknowns.empty() && unknowns.size() <= limit; }
    bool TooMany() const { return unknowns.size() > limit; }
};

// Collects the unknown positions [first, last) of `pattern` as slots; `symbols`
// gives the values a position runs through and `passOver` the ones it skips.
template <class SymbolsFor>
std::vector<Slot> FindSlots(std::string_view pattern, std::size_t first, std::size_t last, SymbolsFor&& symbolsFor) {
    std::vector<Slot> found;
    for (std::size_t i = first; i < last && i < pattern.size(); ++i)
        if (pattern[i] == kUnknown) found.push_back(symbolsFor(i));
    return found;
}

inline std::vector<Slot> FindDigitSlots(std::string_view pattern, std::size_t first, std::size_t last) {
    return FindSlots(pattern, first, last, [](std::size_t pos) { return Slot{pos, kDigits, 0}; });
}

// The pump of a running search. The window hands in `poll`, which lets it
// process its pending messages and answers whether a stop was asked. Polling
// costs microseconds, so the pump only polls every `every` calls; in between a
// pump is a counter decrement and the answer of the last poll stands (the stop
// request can only change while the window processes its messages).
class SearchPump {
public:
    using Poll = std::function<bool()>;

    explicit SearchPump(Poll poll, unsigned every = 1) : poll_(std::move(poll)), every_(every ? every : 1), left_(every_) {}

    void Pump() {
        if (--left_ == 0) {
            left_ = every_;
            stopped_ = poll_();
        }
    }

    bool StopRequested() const { return stopped_; }

private:
    Poll poll_;
    unsigned every_;
    unsigned left_;
    bool stopped_ = false;
};

namespace detail {

template <class Visitor>
concept HasSet = requires(Visitor& v, std::size_t level, std::size_t value, std::string& c) { v.Set(level, value, c); };

template <class Visitor>
bool EnumerateFrom(std::string& candidate, std::span<const Slot> all, std::size_t level, Visitor& visitor, SearchPump& pump) {
    const Slot& slot = all[level];
    const bool innermost = level + 1 == all.size();
    const bool checkAfterTest = innermost && all.size() == 4;
    for (std::size_t value = 0; value < slot.symbols.size(); ++value) {
        pump.Pump();
        if (pump.StopRequested()) return false;
        if (value < 64 && ((slot.passOver >> value) & 1U)) continue;
        candidate[slot.pos] = slot.symbols[value];
        if constexpr (HasSet<Visitor>) visitor.Set(level, value, candidate);
        if (innermost) {
            visitor.Test(std::as_const(candidate));
            if (checkAfterTest) {
                pump.Pump();
                if (pump.StopRequested()) return false;
            }
        } else if (!EnumerateFrom(candidate, all, level + 1, visitor, pump)) {
            return false;
        }
    }
    return true;
}

}  // namespace detail

// Runs the search of `plan`: every combination of slot values is written into a
// copy of the pattern and handed to `visitor.Test(candidate)`. A visitor may also
// have `Set(level, valueIndex, candidate)`, called each time a slot takes a value
// (before the loops to its right run), to keep work that depends only on the
// slots left of a position out of the inner loops. Returns false when stopped.
template <class Visitor>
bool Enumerate(const Plan& plan, Visitor&& visitor, SearchPump& pump) {
    if (plan.unknowns.empty()) return true;
    std::string candidate = plan.pattern;
    for (const Slot& slot : plan.unknowns)
        if (slot.pos >= candidate.size()) return true;
    return detail::EnumerateFrom(candidate, std::span<const Slot>(plan.unknowns), 0, visitor, pump);
}

// A visitor made of one test function.
template <class F>
struct TestVisitor {
    F test;
    void Test(const std::string& candidate) { test(candidate); }
};
template <class F>
TestVisitor(F) -> TestVisitor<F>;

}  // namespace ferrino
