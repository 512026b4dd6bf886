// What the fuzz targets share: reading parameters from the input, failing
// loudly, and checking a page's "Calcule" from end to end.
//
// A target gets arbitrary bytes. Its first byte(s) choose parameters (how the
// window pumps and when it asks a search to stop, a code type, a width...);
// the rest is what the user typed. Each target checks what must hold for any
// input:
//   - every exit normalisation is idempotent and yields only what its field
//     may show;
//   - a key is defined for any text and agrees with the number's own check
//     rule, recomputed here the plain way;
//   - "Calcule" on the normalised field: the plan makes exactly the slots the
//     kind's rules call for (which may depend on the rest of the pattern, and
//     may include the key position, as for a La Poste SIRET); a completed
//     number passes its own candidate test and lists exactly its display form
//     (where the kind does not refuse it); too many unknowns leave the field
//     as it was; a search lists exactly what the enumeration described below
//     lists, in the same order, with the same pumps, and every row is
//     complete, has no unknown marker, agrees with the pattern and the key,
//     and is its own display form;
//   - the same operations on the raw text (what the window never passes) do
//     not crash.
// A failed check prints the file, line, condition and the texts involved, then
// aborts, which libFuzzer reports as a crash.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Enumeration.h"
#include "common/RowStore.h"
#include "common/Text.h"

namespace fuzz {

using ferrino::Plan;
using ferrino::RowStore;
using ferrino::SearchPump;
using ferrino::Slot;

// ---------------------------------------------------------------- reporting

// The text with every byte outside printable ASCII written as \xNN.
inline std::string Printable(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '\\') {
            out += c;
        } else {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
    return out;
}

inline void AppendContext(std::string&) {}

template <class... Rest>
void AppendContext(std::string& out, std::string_view name, std::string_view value, const Rest&... rest) {
    out += "  ";
    out += name;
    out += " = \"";
    out += Printable(value);
    out += "\"\n";
    AppendContext(out, rest...);
}

// Name/value pairs, one per line, for a failure report.
template <class... Pairs>
std::string Context(const Pairs&... pairs) {
    std::string out;
    AppendContext(out, std::string_view(pairs)...);
    return out;
}

[[noreturn]] inline void Fail(const char* file, int line, const char* condition, const std::string& context) {
    std::fprintf(stderr, "\n==== %s:%d: check failed: %s\n%s\n", file, line, condition, context.c_str());
    std::fflush(stderr);
    std::abort();
}

// The context is only built when the condition fails.
#define FUZZ_CHECK(condition, context)                                               \
    do {                                                                             \
        if (!(condition)) ::fuzz::Fail(__FILE__, __LINE__, #condition, (context));   \
    } while (false)

// ---------------------------------------------------------------- input

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(reinterpret_cast<const char*>(data)), size_(size) {}

    // The next byte, or 0 past the end.
    std::uint8_t Byte() { return at_ < size_ ? static_cast<std::uint8_t>(data_[at_++]) : 0; }

    // The next `count` bytes, fewer past the end.
    std::string Take(std::size_t count) {
        count = std::min(count, size_ - at_);
        if (count == 0) return {};
        std::string out(data_ + at_, count);
        at_ += count;
        return out;
    }

    std::string Rest() { return Take(size_ - at_); }

    // The rest cut at each `separator` into `count` pieces: missing pieces are
    // empty, the last one takes everything left (separators included).
    std::vector<std::string> Split(char separator, std::size_t count) {
        std::vector<std::string> pieces(count);
        const std::string rest = Rest();
        std::size_t from = 0;
        for (std::size_t i = 0; i < count && from <= rest.size(); ++i) {
            const std::size_t end = i + 1 == count ? std::string::npos : rest.find(separator, from);
            if (end == std::string::npos) {
                pieces[i] = rest.substr(from);
                break;
            }
            pieces[i] = rest.substr(from, end - from);
            from = end + 1;
        }
        return pieces;
    }

private:
    const char* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// ---------------------------------------------------------------- text helpers

inline bool OnlyOf(std::string_view text, std::string_view allowed) {
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

inline bool EndsShown(std::string_view shown) {
    return shown.empty() || (shown.back() != ferrino::kUnknown && shown.back() != ' ' && shown.back() != '-');
}

inline std::string Without(std::string_view text, std::string_view dropped) {
    std::string out;
    for (char c : text)
        if (dropped.find(c) == std::string_view::npos) out += c;
    return out;
}

// The first `length` characters with every non-digit counting "0", padded
// with "0": how the keys read a body.
inline std::string DigitBody(std::string_view text, std::size_t length) {
    std::string out(length, '0');
    for (std::size_t i = 0; i < length && i < text.size(); ++i)
        if (ferrino::IsDigit(text[i])) out[i] = text[i];
    return out;
}

// The decimal number written by `digits`, modulo m, one digit at a time.
inline int Modulo(std::string_view digits, int m) {
    long long r = 0;
    for (char c : digits) r = (r * 10 + (c - '0')) % m;
    return static_cast<int>(r);
}

inline constexpr std::string_view kDigitsUnknownBlank = "0123456789? ";

inline std::string Number(std::size_t value) { return std::to_string(value); }

// ---------------------------------------------------------------- the pump

// How the window pumps during a search and when it asks to stop.
struct PumpSettings {
    unsigned every = 1;          // polls once every this many pumps
    std::size_t stopAt = 0;      // the poll that asks to stop
};

// Pumps a search may take before it is asked to stop: a short search (three
// unknown digits or two unknown letters end before; every check of a
// candidate costs much under the sanitizers) or a long one (four unknown
// digits end before).
inline constexpr std::size_t kShortSearch = 1500;
inline constexpr std::size_t kLongSearch = 30000;

// Bits 0-1: poll every 1 to 4 pumps. Bit 7 set: ask to stop early, after
// 1 + (bits 2-6) x 61 pumps. Bit 7 clear: a long search when bits 2-6 are all
// set ("|" to DEL), a short one otherwise. So "0" (and any digit) is a short
// search polled on every pump, "|" a long one.
inline PumpSettings ReadPump(std::uint8_t control) {
    PumpSettings settings;
    settings.every = 1 + (control & 3U);
    const std::size_t bits = (control >> 2) & 0x1fU;
    const std::size_t pumps = (control & 0x80U) ? 1 + bits * 61 : bits == 0x1f ? kLongSearch : kShortSearch;
    settings.stopAt = (pumps + settings.every - 1) / settings.every;
    return settings;
}

// What the window may do when polled (the IBAN page's country field changes).
using PollHook = std::function<void(std::size_t poll)>;

struct Outcome {
    std::vector<std::string> rows;
    bool finished = false;   // what the search returned: false when stopped
    std::size_t polls = 0;
    bool stopAsked = false;
};

using SearchRun = std::function<bool(RowStore&, SearchPump&)>;

inline Outcome RunSearch(const SearchRun& run, const PumpSettings& settings, const PollHook& hook) {
    Outcome out;
    SearchPump pump(
        [&] {
            ++out.polls;
            if (hook) hook(out.polls);
            const bool stop = out.polls >= settings.stopAt;
            out.stopAsked = out.stopAsked || stop;
            return stop;
        },
        settings.every);
    RowStore sink;
    out.finished = run(sink, pump);
    out.rows.reserve(sink.Size());
    for (std::size_t i = 0; i < sink.Size(); ++i) out.rows.emplace_back(sink.Row(i));
    return out;
}

// The row a candidate lists, if any.
using RowOf = std::function<std::optional<std::string>(const std::string& candidate)>;
// The rows a candidate lists, in order: most kinds list one row or none, a
// La Poste SIRET without a key typed one row per fitting key.
using RowsOf = std::function<std::vector<std::string>(const std::string& candidate)>;

inline RowsOf AsRows(const RowOf& rowOf) {
    return [rowOf](const std::string& candidate) {
        std::vector<std::string> rows;
        if (std::optional<std::string> row = rowOf(candidate)) rows.push_back(std::move(*row));
        return rows;
    };
}

// The search as the program describes it, written out plainly: one loop per
// slot, the leftmost outermost, each running through its symbols; before each
// value a pump and a look at the stop request; a value passed over is skipped
// after that; the innermost loop tests each candidate and, with four slots,
// pumps and looks once more after each test.
inline Outcome ExpectedSearch(const Plan& plan, const RowsOf& rowsOf, const PumpSettings& settings, const PollHook& hook) {
    return RunSearch(
        [&](RowStore& sink, SearchPump& pump) {
            const std::size_t slots = plan.unknowns.size();
            if (slots == 0) return true;
            std::string candidate = plan.pattern;
            std::function<bool(std::size_t)> loop = [&](std::size_t level) {
                const Slot& slot = plan.unknowns[level];
                for (std::size_t v = 0; v < slot.symbols.size(); ++v) {
                    pump.Pump();
                    if (pump.StopRequested()) return false;
                    if (v < 64 && ((slot.passOver >> v) & 1U)) continue;
                    candidate[slot.pos] = slot.symbols[v];
                    if (level + 1 < slots) {
                        if (!loop(level + 1)) return false;
                        continue;
                    }
                    for (const std::string& row : rowsOf(candidate)) sink.Add(row);
                    if (slots == 4) {
                        pump.Pump();
                        if (pump.StopRequested()) return false;
                    }
                }
                return true;
            };
            return loop(0);
        },
        settings, hook);
}

inline void CheckSameOutcome(const Outcome& got, const Outcome& want, const char* what, const std::string& context) {
    const std::size_t common = std::min(got.rows.size(), want.rows.size());
    for (std::size_t i = 0; i < common; ++i)
        FUZZ_CHECK(got.rows[i] == want.rows[i],
                   context + Context("search", what, "row", Number(i), "listed", got.rows[i], "expected", want.rows[i]));
    FUZZ_CHECK(got.rows.size() == want.rows.size(),
               context + Context("search", what, "rows listed", Number(got.rows.size()), "rows expected",
                                 Number(want.rows.size()), "first extra or missing",
                                 got.rows.size() > common ? got.rows[common] : want.rows[common]));
    FUZZ_CHECK(got.polls == want.polls,
               context + Context("search", what, "polls", Number(got.polls), "expected", Number(want.polls)));
    FUZZ_CHECK(got.finished == want.finished, context + Context("search", what, "returned", got.finished ? "true" : "false"));
    FUZZ_CHECK(got.finished == !got.stopAsked, context + Context("search", what, "returned", got.finished ? "true" : "false"));
}

// ---------------------------------------------------------------- rows

// How a kind's listed rows relate to its pattern.
struct RowRules {
    // The row laid out as the pattern is (separators removed): character i
    // stands for pattern position i.
    std::function<std::string(std::string_view row)> flat;
    // Whether pattern position i belongs to the body: when it is no slot, the
    // row holds the pattern's character there.
    std::function<bool(std::size_t i)> inBody;
    // Pattern positions of the key: "?" there agrees with any character.
    std::vector<std::size_t> keyPositions;
    // Characters before this one may be "?" (the IBAN row's country code).
    std::size_t knownFrom = 0;
    // The kind's own checks of a row: complete length, key, display form.
    std::function<void(std::string_view row)> check;
};

// Each row: no unknown marker, known body characters as in the pattern, slot
// characters among the slot's tried values, key characters agreeing with the
// pattern's, the kind's own checks; rows in strictly increasing order of
// their slot values, then of their key characters (a candidate that lists
// several rows lists them by increasing key).
inline void CheckRows(const Plan& plan, const std::vector<std::string>& rows, const RowRules& rules, const std::string& context) {
    std::vector<std::size_t> previous;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string& row = rows[r];
        const auto ctx = [&] { return context + Context("row", row, "pattern", plan.pattern); };
        FUZZ_CHECK(row.find(ferrino::kUnknown, std::min(rules.knownFrom, row.size())) == std::string::npos, ctx());
        const std::string flat = rules.flat(row);
        std::vector<std::size_t> order;
        std::size_t slot = 0;
        for (std::size_t i = 0; i < plan.pattern.size(); ++i) {
            if (slot < plan.unknowns.size() && plan.unknowns[slot].pos == i) {
                const Slot& s = plan.unknowns[slot++];
                FUZZ_CHECK(i < flat.size(), ctx() + Context("missing slot position", Number(i)));
                const std::size_t v = s.symbols.find(flat[i]);
                FUZZ_CHECK(v != std::string_view::npos, ctx() + Context("slot position", Number(i)));
                FUZZ_CHECK(v >= 64 || !((s.passOver >> v) & 1U), ctx() + Context("passed-over value at", Number(i)));
                order.push_back(v);
            } else if (rules.inBody(i)) {
                FUZZ_CHECK(i < flat.size(), ctx() + Context("missing body position", Number(i)));
                FUZZ_CHECK(flat[i] == plan.pattern[i], ctx() + Context("changed body position", Number(i)));
            }
        }
        for (std::size_t p : rules.keyPositions) {
            if (p >= plan.pattern.size()) continue;
            // A key position the search runs through (a whole La Poste SIRET)
            // replaces the typed key, as a completion does; its slot is checked above.
            bool searched = false;
            for (const Slot& s : plan.unknowns) searched = searched || s.pos == p;
            if (searched) continue;
            FUZZ_CHECK(p < flat.size() && (plan.pattern[p] == ferrino::kUnknown || plan.pattern[p] == flat[p]),
                       ctx() + Context("key position", Number(p)));
            order.push_back(static_cast<unsigned char>(flat[p]));
        }
        if (rules.check) rules.check(row);
        FUZZ_CHECK(r == 0 || previous < order, ctx() + Context("previous row", rows[r - 1]));
        previous = std::move(order);
    }
}

// ---------------------------------------------------------------- the plan

// The slot the plan must make at a position of its pattern, or nothing.
using SlotRule = std::function<std::optional<Slot>(std::string_view pattern, std::size_t pos)>;

// The usual rule: an unknown marker at a body position is a slot trying
// `symbols`, passing over none.
inline SlotRule UnknownsOf(std::function<bool(std::size_t)> inBody, std::string_view symbols) {
    return [inBody = std::move(inBody), symbols](std::string_view pattern, std::size_t pos) -> std::optional<Slot> {
        if (pattern[pos] != ferrino::kUnknown || !inBody(pos)) return std::nullopt;
        return Slot{pos, symbols, 0};
    };
}

// The plan reads the pattern right: no blank, at least `length` characters,
// the limit of four, and exactly the slots `slotAt` asks for, left to right.
inline void CheckPlan(const Plan& plan, std::size_t length, const SlotRule& slotAt, const std::string& context) {
    const std::string ctx = context + Context("pattern", plan.pattern);
    FUZZ_CHECK(plan.pattern.size() >= length, ctx);
    FUZZ_CHECK(plan.pattern.find(' ') == std::string::npos, ctx);
    FUZZ_CHECK(plan.limit == 4, ctx);
    std::size_t slot = 0;
    for (std::size_t i = 0; i < plan.pattern.size(); ++i) {
        const std::optional<Slot> want = slotAt(plan.pattern, i);
        if (!want) continue;
        FUZZ_CHECK(slot < plan.unknowns.size(), ctx + Context("no slot at", Number(i)));
        const Slot& got = plan.unknowns[slot++];
        FUZZ_CHECK(got.pos == i, ctx + Context("slot", Number(slot - 1), "at", Number(got.pos), "expected at", Number(i)));
        FUZZ_CHECK(got.symbols == want->symbols,
                   ctx + Context("slot at", Number(i), "symbols", got.symbols, "expected", want->symbols));
        FUZZ_CHECK(got.passOver == want->passOver, ctx + Context("slot at", Number(i)));
    }
    FUZZ_CHECK(slot == plan.unknowns.size(),
               ctx + Context("slots", Number(plan.unknowns.size()), "expected", Number(slot), "extra at",
                             Number(plan.unknowns[std::min(slot, plan.unknowns.size() - 1)].pos)));
}

// ---------------------------------------------------------------- searches

struct SearchCase {
    SearchRun search;           // the kind's search
    SearchRun plain;            // optional: Enumerate over the kind's candidate test
    RowOf rowOf;                // what a candidate should list
    RowsOf rowsOf;              // or, when set, the rows it should list
    RowRules rules;
    std::function<void()> reset;   // optional: puts the window back before each run
    PollHook hook;                 // optional: what the window does when polled
};

// Runs the search and the plain enumeration under the same pump and compares
// rows, pumps and outcome; then checks every row.
inline void CheckSearch(const Plan& plan, const SearchCase& c, const PumpSettings& settings, const std::string& context) {
    const auto run = [&](const SearchRun& what) {
        if (c.reset) c.reset();
        return RunSearch(what, settings, c.hook);
    };
    const Outcome got = run(c.search);
    if (c.reset) c.reset();
    const Outcome want = ExpectedSearch(plan, c.rowsOf ? c.rowsOf : AsRows(c.rowOf), settings, c.hook);
    const std::string ctx = context + Context("pattern", plan.pattern, "slots", Number(plan.unknowns.size()), "every",
                                              Number(settings.every), "stop at poll", Number(settings.stopAt));
    CheckSameOutcome(got, want, "kind's search", ctx);
    if (c.plain) CheckSameOutcome(run(c.plain), want, "candidate test", ctx);
    CheckRows(plan, got.rows, c.rules, ctx);
    if (c.reset) c.reset();
}

// A short search on a plan the window would never make (raw text): only
// crashes and sanitizer reports count.
inline void RunShortSearch(const SearchRun& search) {
    PumpSettings settings;
    settings.stopAt = 2000;
    RunSearch(search, settings, nullptr);
}

// ---------------------------------------------------------------- one field

// A page with one number field. Everything takes the field's text.
struct FieldKind {
    std::function<std::string(std::string_view)> normalise;   // the field's exit normalisation
    std::string_view shownAlphabet;                           // what the normalised field may hold
    // Whether a normalised field ends as it may; null: EndsShown (no trailing
    // unknown marker, blank or hyphen).
    std::function<bool(std::string_view shown)> endsShown;
    std::size_t shownMax = 0;                                 // its longest form (0: no limit)
    std::function<Plan(std::string_view)> plan;
    std::function<std::string(const Plan&)> complete;
    std::function<bool(const Plan&, RowStore&, SearchPump&)> searchPlan;
    std::function<bool(std::string_view, std::string_view, RowStore&)> test;
    std::function<std::optional<std::string>(const std::string& candidate, const std::string& pattern)> rowOf;
    // When set, used instead of rowOf: every row a candidate lists.
    std::function<std::vector<std::string>(const std::string& candidate, const std::string& pattern)> rowsOf;
    SlotRule slotAt;
    std::size_t length = 0;                                   // the pattern's shortest full length
    RowRules rows;
    // When set, used instead of rows: the rules for rows of this pattern
    // (the AVS number's two forms).
    std::function<RowRules(const std::string& pattern)> rowsFor;
    bool fastSearch = false;                                  // also compare with Enumerate over the test
    // Whether the candidate test refuses the completed number (its plan and
    // its shown text); such a number lists nothing.
    std::function<bool(const Plan&, const std::string&)> refusesCompleted;
};

// "Calcule" on a field that holds `shown` (normalised), as the window runs it.
inline void CheckCalcule(const FieldKind& kind, const std::string& shown, const PumpSettings& settings, const std::string& context) {
    const Plan plan = kind.plan(shown);
    const std::string ctx = context + Context("field", shown);
    CheckPlan(plan, kind.length, kind.slotAt, ctx);
    const auto rulesFor = [&](const std::string& pattern) { return kind.rowsFor ? kind.rowsFor(pattern) : kind.rows; };
    if (plan.Complete()) {
        const std::string completed = kind.normalise(kind.complete(plan));
        const Plan again = kind.plan(completed);
        const std::string cctx = ctx + Context("completed", completed, "its pattern", again.pattern);
        FUZZ_CHECK(again.Complete(), cctx);
        FUZZ_CHECK(kind.normalise(kind.complete(again)) == completed, cctx);
        RowStore sink;
        const bool listed = kind.test(again.pattern, again.pattern, sink);
        if (kind.refusesCompleted && kind.refusesCompleted(again, completed)) {
            FUZZ_CHECK(!listed && sink.Empty(), cctx);
        } else {
            FUZZ_CHECK(listed && sink.Size() == 1, cctx);
            FUZZ_CHECK(sink.Row(0) == completed, cctx + Context("listed", sink.Row(0)));
            CheckRows(again, {completed}, rulesFor(again.pattern), cctx);
        }
    } else if (plan.TooMany()) {
        // The field receives the pattern and is normalised again.
        FUZZ_CHECK(kind.normalise(plan.pattern) == shown, ctx + Context("pattern", plan.pattern));
    } else {
        SearchCase c;
        c.search = [&](RowStore& sink, SearchPump& pump) { return kind.searchPlan(plan, sink, pump); };
        if (kind.fastSearch)
            c.plain = [&](RowStore& sink, SearchPump& pump) {
                return ferrino::Enumerate(
                    plan, ferrino::TestVisitor{[&](const std::string& candidate) { kind.test(candidate, plan.pattern, sink); }}, pump);
            };
        if (kind.rowsOf)
            c.rowsOf = [&](const std::string& candidate) { return kind.rowsOf(candidate, plan.pattern); };
        else
            c.rowOf = [&](const std::string& candidate) { return kind.rowOf(candidate, plan.pattern); };
        c.rules = rulesFor(plan.pattern);
        CheckSearch(plan, c, settings, ctx);
    }
}

// Everything about one typed text: the normalisation, "Calcule" on its result,
// and the operations on the raw text.
inline void CheckField(const FieldKind& kind, const std::string& typed, const PumpSettings& settings) {
    const std::string ctx = Context("typed", typed);
    const std::string shown = kind.normalise(typed);
    FUZZ_CHECK(kind.normalise(shown) == shown, ctx + Context("shown", shown, "again", kind.normalise(shown)));
    FUZZ_CHECK(OnlyOf(shown, kind.shownAlphabet) && (kind.endsShown ? kind.endsShown(shown) : EndsShown(shown)),
               ctx + Context("shown", shown));
    FUZZ_CHECK(kind.shownMax == 0 || shown.size() <= kind.shownMax, ctx + Context("shown", shown));
    CheckCalcule(kind, shown, settings, ctx);

    // Raw text: whatever comes out, nothing may crash.
    const Plan raw = kind.plan(typed);
    kind.normalise(kind.complete(raw));
    kind.normalise(raw.pattern);
    if (raw.Searches()) RunShortSearch([&](RowStore& sink, SearchPump& pump) { return kind.searchPlan(raw, sink, pump); });
    RowStore sink;
    kind.test(typed, typed, sink);
    kind.test(typed, shown, sink);
}

}  // namespace fuzz
