// Every kind behind the one interface of common/Kind.h (what the window's
// verdict, the typing-error search and the command line use):
//   byte 0  the kind, by its value minus "0" modulo 19: the kinds of
//           KindNames() in their order, EAN once per code type: "0" insee,
//           "1" rib, "2" iban, "3" prof, "4" avs, "5" isbn, "6" carte,
//           "7" siren, "8" siret, "9" to ">" EAN 8, EAN 13, UPC-A, UPC-C,
//           UPC-E and a code type outside the list (read as EAN 13), "?" sin,
//           "@" vin, "A" cip, "B" luhn
//   byte 1  the pump of the typing-error search (FuzzCheck.h)
//   rest    the number as a person writes it (ReadText)
//
// For any text:
//   - reading, checking, completing, searching and the verdict's sentences
//     never crash;
//   - the verdict agrees with the plan: too long exactly when the plan is
//     (an IBAN of more than 34 characters); too many unknowns exactly when
//     the plan has more slots than it searches; unknown characters exactly when,
//     short of that, a slot stands in the body (outside the key); the count of
//     unknown body characters;
//   - for every text the kind can read (not a Luhn number of more than 32
//     digits nor an IBAN of more than 34 characters, which CheckInput
//     refuses), with the whole body known, the key state agrees with the
//     keys the kind computes itself ("Calcule": the key it completes, or the
//     keys its search lists when it searches the key position, as for a La
//     Poste SIRET, reading the rows back): none when it completes no key,
//     computed when the typed key holds an unknown marker, correct exactly
//     when the typed key is one of them, wrong otherwise; the expected key
//     names them;
//   - for those texts, the typing-error search (only for a whole number):
//     every row reads back as a number one slip (one character replaced, or
//     two neighbours swapped) away from the reading's number (up to the
//     kind's length: an ISBN field keeps what is typed beyond it), whose key
//     the kind finds correct; no row twice; rows by the first position
//     changed; stopped only when asked. Where no correction is possible it
//     lists nothing;
//   - the one test of a whole number (NumberKind::IsRight) holds for every
//     row a search lists (the first 2000 candidates), every correction, and
//     every completed number whose verdict names no fault beyond its key
//     (a SIRET's SIREN, an AVS number's country code, dropped characters)
//     and for which some key exists; but for an IBAN of a country code
//     without IBAN, whose search keeps to the key alone while the verdict
//     refuses the country;
//   - the quick check of a batch (NumberKind::QuickCheck), where it answers,
//     agrees with the full check: the text is readable, the shown form is
//     the reading's, right exactly when the verdict is valid, and a wrong
//     number's cause is the verdict's first.
#include <algorithm>
#include <memory>
#include <set>

#include "FuzzCheck.h"
#include "common/Kind.h"
#include "ean/Ean.h"

using namespace ferrino;

namespace {

struct Entry {
    std::string name;
    int codeType = 1;
    std::unique_ptr<NumberKind> kind;
};

const std::vector<Entry>& Kinds() {
    static const std::vector<Entry> kinds = [] {
        std::vector<Entry> out;
        for (std::string_view name : KindNames()) {
            if (name != "ean") {
                out.push_back({std::string(name), 1, MakeKind(name)});
                continue;
            }
            for (int type : {0, 1, 2, 3, 4, -1}) out.push_back({std::string(name), type, MakeKind(name, type)});
        }
        return out;
    }();
    return kinds;
}

struct Range {
    std::size_t at = 0;
    std::size_t length = 0;
};

// Where the key stands in the reading's number, kind by kind.
Range KeyRange(const Entry& entry, std::string_view number) {
    const std::string& name = entry.name;
    // An ISBN-13: 978 or 979 and more than ten characters.
    if (name == "isbn" && number.size() > 10 && (number.substr(0, 3) == "978" || number.substr(0, 3) == "979")) return {12, 1};
    if (name == "insee") return {13, 2};
    if (name == "rib") return {21, 2};
    if (name == "iban") return {2, 2};
    if (name == "prof") return {8, 1};
    if (name == "avs") return {number.size() == 13 ? 12U : 10U, 1};  // thirteen: the current form
    if (name == "isbn") return {9, 1};
    if (name == "carte") return {number.size() - 1, 1};  // fifteen to nineteen digits
    if (name == "siren" || name == "sin" || name == "vin") return {8, 1};
    if (name == "siret") return {13, 1};
    if (name == "cip") return {6, 1};
    if (name == "ean") {
        static constexpr std::size_t kLengths[] = {8, 13, 12, 8, 8};
        const int type = entry.codeType;
        return {(type >= 0 && type < 5 ? kLengths[type] : 13) - 1, 1};
    }
    // luhn: the last of 2 to 32 digits.
    return {std::clamp<std::size_t>(number.size(), 2, 32) - 1, 1};
}

// Whether a row or number passes the one test of a whole number, or is an
// IBAN of a country code without IBAN (see above).
bool RightOrNoIbanCountry(const NumberKind& kind, const Fields& fields) {
    return kind.IsRight(fields) || kind.Check(kind.Read(fields)).FirstCause() == "pays sans IBAN";
}

std::string KeyOf(const Entry& entry, std::string_view number) {
    const Range key = KeyRange(entry, number);
    return std::string(Slice(number, key.at, key.length));
}

bool InKey(const Range& key, std::size_t pos) { return pos >= key.at && pos < key.at + key.length; }

std::string Joined(const std::vector<std::string>& texts, std::string_view between) {
    std::string out;
    for (const std::string& text : texts) {
        if (!out.empty()) out += between;
        out += text;
    }
    return out;
}

// The keys the kind computes for a reading whose body is known: the key of
// the completed number, or the keys of the rows its search over the key
// position lists (without a key typed, so that every fitting key is listed).
std::vector<std::string> KeysComputed(const Entry& entry, const Reading& reading, const std::string& context) {
    const NumberKind& kind = *entry.kind;
    std::vector<std::string> keys;
    if (reading.plan.Complete()) {
        const Reading completed = kind.Read(kind.Complete(reading));
        const std::string key = KeyOf(entry, completed.number);
        // The completed number is the kind's length: what was typed beyond it
        // (an ISBN field keeps it) is gone.
        FUZZ_CHECK(completed.number.size() <= reading.number.size() &&
                       completed.number.substr(0, KeyRange(entry, completed.number).at) ==
                           reading.number.substr(0, KeyRange(entry, completed.number).at),
                   context + fuzz::Context("completed", completed.number, "number", reading.number));
        if (key.find(kUnknown) == std::string::npos) keys.push_back(key);
        return keys;
    }
    std::string blank = reading.number;
    const Range range = KeyRange(entry, blank);
    for (std::size_t i = 0; i < range.length; ++i) blank[range.at + i] = kUnknown;
    const Reading again = kind.ReadText(blank);
    FUZZ_CHECK(again.number == blank, context + fuzz::Context("without key", blank, "read as", again.number));
    RowStore rows;
    SearchPump pump([] { return false; });
    FUZZ_CHECK(kind.Search(again, rows, pump), context);
    for (std::size_t i = 0; i < rows.Size(); ++i) {
        const std::string row(rows.Row(i));
        const Reading listed = kind.ReadText(row);
        const std::string rowContext = context + fuzz::Context("key search row", row, "read as", listed.number);
        FUZZ_CHECK(listed.number.substr(0, range.at) == reading.number.substr(0, range.at), rowContext);
        keys.push_back(KeyOf(entry, listed.number));
    }
    FUZZ_CHECK(std::is_sorted(keys.begin(), keys.end()) && std::adjacent_find(keys.begin(), keys.end()) == keys.end(),
               context + fuzz::Context("keys", Joined(keys, " ")));
    return keys;
}

// `readable`: the kind can read the text (see CheckInput); otherwise only the
// verdict's agreement with the plan is looked at.
void CheckVerdict(const Entry& entry, const Reading& reading, const Verdict& verdict, bool readable, const std::string& context) {
    const Plan& plan = reading.plan;
    const Range key = KeyRange(entry, reading.number);
    // The plan's positions are the number's, but for an IBAN, whose plan is
    // over the BBAN, after the country code and the key.
    const std::size_t offset = entry.name == "iban" ? 4 : 0;
    std::size_t bodyUnknowns = 0;
    for (const Slot& slot : plan.unknowns) bodyUnknowns += !InKey(key, slot.pos + offset);
    const std::string ctx = context + fuzz::Context("number", reading.number, "body unknowns", fuzz::Number(bodyUnknowns),
                                                    "slots", fuzz::Number(plan.unknowns.size()), "verdict",
                                                    VerdictText(verdict), "cause", verdict.FirstCause());
    FUZZ_CHECK((verdict.key == KeyState::TooLong) == plan.tooLong, ctx);
    if (plan.tooLong) return;
    FUZZ_CHECK((verdict.key == KeyState::TooMany) == plan.TooMany(), ctx);
    FUZZ_CHECK((verdict.key == KeyState::Unknowns) == (!plan.TooMany() && bodyUnknowns > 0), ctx);
    FUZZ_CHECK(verdict.unknowns == bodyUnknowns, ctx);
    if (bodyUnknowns > 0 || !readable) return;

    // A La Poste establishment numbered 0000: "Calcule" searches the key
    // position and its candidate test refuses establishment 0000, so it lists
    // nothing, while the verdict judges the key alone, as for every other
    // SIRET of establishment 0000, and names the two digit-sum keys. The two
    // do not compare here.
    if (entry.name == "siret" && !plan.Complete() && reading.number.substr(9, 4) == "0000") return;
    const std::vector<std::string> keys = KeysComputed(entry, reading, ctx);
    const std::string typed = KeyOf(entry, reading.number);
    const auto ctxKeys = [&] { return ctx + fuzz::Context("typed key", typed, "computed", Joined(keys, " ")); };
    FUZZ_CHECK(typed == verdict.typedKey, ctxKeys() + fuzz::Context("verdict's typed key", verdict.typedKey));
    KeyState want;
    if (keys.empty())
        want = KeyState::None;
    else if (typed.find(kUnknown) != std::string::npos)
        want = KeyState::Computed;
    else
        want = std::find(keys.begin(), keys.end(), typed) != keys.end() ? KeyState::Correct : KeyState::Wrong;
    FUZZ_CHECK(verdict.key == want, ctxKeys());
    FUZZ_CHECK(verdict.expectedKey == Joined(keys, " ou "), ctxKeys() + fuzz::Context("expected key", verdict.expectedKey));
    bool findingsOk = true;
    for (const Finding& finding : verdict.findings) findingsOk = findingsOk && finding.ok;
    // A key that need not compute (a VIN outside North America and China) is no fault.
    const bool keyRight = want == KeyState::Correct || (want == KeyState::Wrong && !verdict.keyOptional.empty());
    FUZZ_CHECK(verdict.keyOptional.empty() || entry.name == "vin", ctxKeys());
    FUZZ_CHECK(verdict.Valid() == (keyRight && findingsOk), ctxKeys());
    FUZZ_CHECK(verdict.Valid() == verdict.FirstCause().empty(), ctxKeys());
}

// Whether b is a one replaced, or two neighbours swapped, away from a; the
// first position changed.
std::optional<std::size_t> OneSlip(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return std::nullopt;
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < a.size() && changed.size() <= 2; ++i)
        if (a[i] != b[i]) changed.push_back(i);
    if (changed.size() == 1) return changed[0];
    if (changed.size() == 2 && changed[1] == changed[0] + 1 && a[changed[0]] == b[changed[1]] && a[changed[1]] == b[changed[0]])
        return changed[0];
    return std::nullopt;
}

void CheckCorrections(const Entry& entry, const Reading& reading, const Verdict& verdict, const fuzz::PumpSettings& settings,
                      const std::string& context) {
    const NumberKind& kind = *entry.kind;
    const fuzz::Outcome got =
        fuzz::RunSearch([&](RowStore& rows, SearchPump& pump) { return kind.Corrections(reading, rows, pump); }, settings, nullptr);
    const std::string ctx = context + fuzz::Context("number", reading.number, "verdict", VerdictText(verdict));
    FUZZ_CHECK(got.finished == !got.stopAsked, ctx);
    const bool whole = verdict.key == KeyState::Correct || verdict.key == KeyState::Wrong ||
                       (verdict.key == KeyState::None && !verdict.typedKey.empty() &&
                        verdict.typedKey.find(kUnknown) == std::string::npos);
    FUZZ_CHECK(whole == verdict.WholeNumber(), ctx);
    if (!whole) {
        FUZZ_CHECK(got.finished && got.rows.empty(), ctx);
        return;
    }
    // A row has the length of the completed number (characters typed beyond
    // the kind's length, which an ISBN field keeps, are not part of it).
    const std::size_t length =
        reading.plan.Complete() ? kind.Read(kind.Complete(reading)).number.size() : reading.number.size();
    std::set<std::string> seen;
    std::size_t lastFirst = 0;
    for (const std::string& row : got.rows) {
        const Reading again = kind.ReadText(row);
        const std::string rctx = ctx + fuzz::Context("correction", row, "read as", again.number);
        FUZZ_CHECK(seen.insert(row).second, rctx);
        FUZZ_CHECK(again.number.size() == length && length <= reading.number.size(),
                   rctx + fuzz::Context("length", fuzz::Number(length)));
        const std::optional<std::size_t> first = OneSlip(reading.number.substr(0, length), again.number);
        FUZZ_CHECK(first.has_value(), rctx);
        FUZZ_CHECK(*first >= lastFirst, rctx + fuzz::Context("first change", fuzz::Number(*first), "previous row's",
                                                             fuzz::Number(lastFirst)));
        lastFirst = *first;
        const Verdict rowVerdict = kind.Check(again);
        FUZZ_CHECK(rowVerdict.key == KeyState::Correct, rctx + fuzz::Context("its verdict", VerdictText(rowVerdict)));
        FUZZ_CHECK(RightOrNoIbanCountry(kind, kind.RowFields(row)), rctx + fuzz::Context("its verdict", VerdictText(rowVerdict)));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const Entry& entry = Kinds()[(in.Byte() + 9U) % Kinds().size()];
    const fuzz::PumpSettings pump = fuzz::ReadPump(in.Byte());
    const std::string text = in.Rest();
    const NumberKind& kind = *entry.kind;
    const std::string context = fuzz::Context("kind", entry.name, "code type", std::to_string(entry.codeType), "typed", text);

    // A text that cannot be read at all (a Luhn number of more than 32
    // digits, an IBAN of more than 34 characters) is refused before any
    // verdict: only the verdict's agreement with the plan, and crashes, count.
    const std::optional<InputFault> fault = kind.CheckInput(text);
    const bool readable = !fault || !fault->everyMode;
    const Reading reading = kind.ReadText(text);
    FUZZ_CHECK(reading.fields.size() == kind.FieldCount(), context);
    if (const std::optional<Fields> whole = kind.SplitWhole(text))
        FUZZ_CHECK(whole->size() == kind.FieldCount(), context);
    const Verdict verdict = kind.Check(reading);
    VerdictText(verdict);
    CheckVerdict(entry, reading, verdict, readable, context);
    // What a number says of itself: only a whole number says anything.
    FUZZ_CHECK(verdict.WholeNumber() || kind.Details(reading).empty(), context);
    kind.Inner(kind.Split(text));
    std::string shown;
    std::string cause;
    if (const QuickAnswer quick = kind.QuickCheck(text, shown, cause); quick != QuickAnswer::kUnsure) {
        const std::string quickContext = context + fuzz::Context("quick check's shown form", shown, "cause", cause);
        FUZZ_CHECK(!fault && shown == reading.shown && (quick == QuickAnswer::kRight) == verdict.Valid(), quickContext);
        FUZZ_CHECK(quick == QuickAnswer::kRight || cause == verdict.FirstCause(), quickContext);
    }
    if (reading.plan.Complete()) {
        kind.CompletedShown(reading);
        const bool keyOnly = std::all_of(verdict.findings.begin(), verdict.findings.end(), [](const Finding& f) { return f.ok; });
        if (readable && keyOnly && verdict.key != KeyState::None) {
            const Fields completed = kind.Complete(reading);
            FUZZ_CHECK(RightOrNoIbanCountry(kind, completed), context + fuzz::Context("completed", kind.CompletedShown(reading)));
        }
    }
    if (reading.plan.Searches()) {
        fuzz::PumpSettings shortRun;
        shortRun.stopAt = 2000;
        const fuzz::Outcome rows =
            fuzz::RunSearch([&](RowStore& sink, SearchPump& p) { return kind.Search(reading, sink, p); }, shortRun, nullptr);
        for (const std::string& row : rows.rows)
            FUZZ_CHECK(RightOrNoIbanCountry(kind, kind.RowFields(row)), context + fuzz::Context("search row", row));
    }
    if (readable) {
        CheckCorrections(entry, reading, verdict, pump, context);
    } else {
        fuzz::PumpSettings shortRun;
        shortRun.stopAt = 2000;
        fuzz::RunSearch([&](RowStore& rows, SearchPump& p) { return kind.Corrections(reading, rows, p); }, shortRun, nullptr);
    }
    return 0;
}
