// The engine for the browser page: every kind through the one interface of
// keys/common/Kind.h, and the session of a page's tab (keys/common/Session.h),
// bound once with embind. Structures cross as value objects (a step, a
// verdict, a detail); fields as arrays of strings.
//
// Texts cross the boundary as JavaScript strings (UTF-8 on the C++ side),
// converted as the command line converts them (common/Utf8.h): small letters
// become capitals, the blanks of typography ordinary blanks, every other
// character that is not plain ASCII the byte "\x80", which is neither a digit,
// a letter nor the unknown marker; on the way out such a byte becomes U+FFFD.
// Fields are arrays of strings, in the order of the page's fields.
//
// Searches hand their rows over packed, never as one string per row: every
// few milliseconds the rows found since the last hand-over go to a JavaScript
// function as two views into the module's memory, the rows' characters back
// to back and the end of each row counted from the start of the batch. The
// function copies them at once (the views are valid during the call only);
// answering true asks the search to stop.
#include <emscripten.h>
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "avs/Avs.h"
#include "common/Kind.h"
#include "common/RowStore.h"
#include "common/Session.h"
#include "common/Text.h"
#include "common/Utf8.h"
#include "common/Verdict.h"
#include "ean/Ean.h"
#include "iban/Countries.h"

using emscripten::val;

namespace {

std::string ToEngine(std::string_view utf8) {
    std::string out;
    ferrino::ToEngine(utf8, out);
    return out;
}

std::string FromEngine(std::string_view text) {
    std::string out;
    ferrino::AppendShown(out, text);
    return out;
}

val Strings(const ferrino::Fields& fields) {
    val array = val::array();
    for (const std::string& field : fields) array.call<void>("push", FromEngine(field));
    return array;
}

ferrino::Fields FieldsOf(const val& array) {
    ferrino::Fields fields;
    if (array.isUndefined() || array.isNull()) return fields;
    const auto count = array["length"].as<unsigned>();
    for (unsigned i = 0; i < count; ++i) {
        const val item = array[i];
        fields.push_back(item.isString() ? ToEngine(item.as<std::string>()) : std::string());
    }
    return fields;
}

const char* KeyStateName(ferrino::KeyState state) {
    switch (state) {
        case ferrino::KeyState::Correct: return "correct";
        case ferrino::KeyState::Wrong: return "wrong";
        case ferrino::KeyState::Computed: return "computed";
        case ferrino::KeyState::None: return "none";
        case ferrino::KeyState::Unknowns: return "unknowns";
        case ferrino::KeyState::TooMany: return "tooMany";
        case ferrino::KeyState::TooLong: return "tooLong";
    }
    return "";
}

// What crosses to the page, as embind value objects.
struct FindingJs {
    bool ok = false;
    bool beforeKey = false;
    std::string cause;
    std::string text;
};

struct VerdictJs {
    std::string key;  // "correct", "wrong", "computed", "none", "unknowns", "tooMany", "tooLong"
    std::string typedKey;
    std::string expectedKey;
    unsigned unknowns = 0;
    unsigned limit = 0;
    bool valid = false;
    bool wholeNumber = false;
    std::string firstCause;
    std::string text;  // the verdict line's sentence
    val findings = val::array();
};

struct DetailJs {
    std::string label;
    std::string value;
};

// A step of a tab's session: what the page writes into its fields, whether
// it searches (the worker then runs `outcome` on `read`), the line it shows.
struct StepJs {
    std::string outcome;  // OutcomeName: "complete", "incomplete", "too_many", "corrections", "valid", "not_whole"
    bool searches = false;
    val read = val::array();
    val fields = val::array();
    VerdictJs verdict;
    std::string said;
    val details = val::array();
};

struct SearchEndJs {
    double rows = 0;
    bool stopped = false;
};

VerdictJs VerdictOf(const ferrino::Verdict& verdict) {
    VerdictJs out;
    out.key = KeyStateName(verdict.key);
    out.typedKey = FromEngine(verdict.typedKey);
    out.expectedKey = FromEngine(verdict.expectedKey);
    out.unknowns = static_cast<unsigned>(verdict.unknowns);
    out.limit = static_cast<unsigned>(verdict.limit);
    out.valid = verdict.Valid();
    out.wholeNumber = verdict.WholeNumber();
    out.firstCause = verdict.FirstCause();
    out.text = ferrino::VerdictText(verdict);
    for (const ferrino::Finding& finding : verdict.findings)
        out.findings.call<void>("push", val(FindingJs{finding.ok, finding.beforeKey, finding.cause, finding.text}));
    return out;
}

val DetailsOf(const std::vector<ferrino::Detail>& details) {
    val out = val::array();
    for (const ferrino::Detail& detail : details) out.call<void>("push", val(DetailJs{detail.label, detail.value}));
    return out;
}

StepJs StepOf(const ferrino::SessionStep& step) {
    StepJs out;
    out.outcome = ferrino::OutcomeName(step.outcome);
    out.searches = step.Searches();
    out.read = Strings(step.read);
    out.fields = Strings(step.fields);
    out.verdict = VerdictOf(step.verdict);
    out.said = step.said;
    out.details = DetailsOf(step.details);
    return out;
}

// The outcome an OutcomeName names; a name of no search searches nothing.
ferrino::StepOutcome OutcomeNamed(const std::string& name) {
    for (ferrino::StepOutcome outcome : {ferrino::StepOutcome::Completed, ferrino::StepOutcome::Searches,
                                         ferrino::StepOutcome::TooMany, ferrino::StepOutcome::Corrects,
                                         ferrino::StepOutcome::AlreadyRight, ferrino::StepOutcome::NotWhole})
        if (ferrino::OutcomeName(outcome) == name) return outcome;
    return ferrino::StepOutcome::TooMany;
}

// Hands the rows of a running search over in batches. Rows handed over leave
// the module's store: the page keeps them, and the module's memory (which
// never shrinks) holds one batch at a time, not the 70 MB of the largest
// searches a second time. The engine writes each row when it adds it and
// never reads the store back during a search, so emptying the store between
// two candidates is safe.
class RowFeed {
public:
    RowFeed(ferrino::RowStore& rows, val sink, double everyMs)
        : rows_(rows), sink_(std::move(sink)), everyMs_(everyMs), last_(emscripten_get_now()) {}

    // The engine's poll: a batch when enough time has passed.
    bool Poll() {
        const double now = emscripten_get_now();
        if (now - last_ < everyMs_) return stop_;
        last_ = now;
        return Flush();
    }

    // Hands over the rows of the store; true when asked to stop.
    bool Flush() {
        const std::size_t size = rows_.Size();
        if (size == 0 || !HasSink()) return stop_;
        const char* begin = rows_.Row(0).data();
        ends_.resize(size);
        std::size_t end = 0;
        for (std::size_t i = 0; i < size; ++i) {
            const std::string_view row = rows_.Row(i);
            end = static_cast<std::size_t>(row.data() + row.size() - begin);
            ends_[i] = static_cast<std::uint32_t>(end);
        }
        const val answer = sink_(val(emscripten::typed_memory_view(end, reinterpret_cast<const std::uint8_t*>(begin))),
                                 val(emscripten::typed_memory_view(ends_.size(), ends_.data())));
        handed_ += size;
        rows_.Clear();
        stop_ = stop_ || answer.isTrue();
        return stop_;
    }

    // Every row the search found.
    std::size_t Rows() const { return handed_ + rows_.Size(); }

private:
    bool HasSink() const { return !sink_.isUndefined() && !sink_.isNull(); }

    ferrino::RowStore& rows_;
    val sink_;
    double everyMs_;
    double last_;
    std::size_t handed_ = 0;
    bool stop_ = false;
    std::vector<std::uint32_t> ends_;
};

class Kind {
public:
    Kind(const std::string& name, int codeType) : kind_(ferrino::MakeKind(name, codeType)) {}

    bool valid() const { return kind_ != nullptr; }
    std::string name() const { return kind_ ? std::string(kind_->Name()) : std::string(); }
    unsigned fieldCount() const { return kind_ ? static_cast<unsigned>(kind_->FieldCount()) : 0; }

    val split(const std::string& number) const {
        return kind_ ? Strings(kind_->Split(ToEngine(number))) : val::array();
    }

    // A whole number in one piece, as pasted into any field: the texts of
    // every field, or null when the text is no whole number of the kind.
    val splitWhole(const std::string& text) const {
        if (!kind_) return val::null();
        const std::optional<ferrino::Fields> fields = kind_->SplitWhole(ToEngine(text));
        return fields ? Strings(*fields) : val::null();
    }

    val checkInput(const std::string& number) const {
        if (!kind_) return val::null();
        const std::optional<ferrino::InputFault> fault = kind_->CheckInput(ToEngine(number));
        if (!fault) return val::null();
        val out = val::object();
        out.set("cause", fault->cause);
        out.set("everyMode", fault->everyMode);
        out.set("serious", fault->serious);
        return out;
    }

    std::string formatField(unsigned index, const std::string& text) const {
        return kind_ ? FromEngine(kind_->FormatField(index, ToEngine(text))) : std::string();
    }

    // The fields as leaving them shows them, the number and its plan.
    val read(const val& fields) const {
        val out = val::object();
        if (!kind_) return out;
        const ferrino::Reading reading = kind_->Read(FieldsOf(fields));
        out.set("fields", Strings(reading.fields));
        out.set("number", FromEngine(reading.number));
        out.set("shown", FromEngine(reading.shown));
        out.set("unknowns", static_cast<unsigned>(reading.plan.unknowns.size()));
        out.set("limit", static_cast<unsigned>(reading.plan.limit));
        out.set("candidates", static_cast<double>(reading.plan.CandidateCount()));
        return out;
    }

    // The fields after "Calcule" on a number without unknown body characters.
    val complete(const val& fields) const {
        if (!kind_) return val::array();
        return Strings(kind_->Complete(kind_->Read(FieldsOf(fields))));
    }

    std::string completedShown(const val& fields) const {
        return kind_ ? FromEngine(kind_->CompletedShown(kind_->Read(FieldsOf(fields)))) : std::string();
    }

    val rowFields(const std::string& row) const {
        return kind_ ? Strings(kind_->RowFields(ToEngine(row))) : val::array();
    }

    // The verdict on the number, with the status line's sentence.
    VerdictJs check(const val& fields) const {
        return kind_ ? VerdictOf(kind_->Check(kind_->Read(FieldsOf(fields)))) : VerdictJs{};
    }

    // What the whole number of the fields says of itself (a list row's
    // fields: rowFields), [{label, value}...]; empty when nothing.
    val details(const val& fields) const {
        return kind_ ? DetailsOf(kind_->Details(kind_->Read(FieldsOf(fields)))) : val::array();
    }

    // The search of a session's step (its outcome and the fields it read);
    // rows go to `sink` (see above) every `everyMs`.
    SearchEndJs search(const std::string& outcome, const val& fields, val sink, double everyMs) const {
        if (!kind_) return {};
        ferrino::RowStore rows;
        RowFeed feed(rows, std::move(sink), everyMs);
        // The clock is looked at every 256 pumps: a pump costs nothing more
        // than a count between two looks.
        ferrino::SearchPump pump([&feed] { return feed.Poll(); }, 256);
        const bool finished = ferrino::Session::Search(*kind_, OutcomeNamed(outcome), FieldsOf(fields), rows, pump);
        feed.Flush();  // the last batch; the search has ended whatever the answer
        return {static_cast<double>(feed.Rows()), !finished};
    }

    // A listed row as a copy or a file gives it.
    std::string printedRow(const std::string& row) const {
        if (!kind_) return std::string();
        std::string out;
        kind_->AppendPrintedRow(ToEngine(row), out);
        return FromEngine(out);
    }

    // Packed rows (see PackedRows in web/src/rows.js: `bytes` the rows back to
    // back, `ends` the end of each, counted from `base`) printed as lines of
    // UTF-8 text, a line break after each. The view is valid until the next
    // call: the page copies it at once.
    val printedRows(const val& bytes, const val& ends, double base) {
        printed_.clear();
        if (!kind_) return val(emscripten::typed_memory_view(printed_.size(), printed_.data()));
        const std::vector<std::uint8_t> text = emscripten::convertJSArrayToNumberVector<std::uint8_t>(bytes);
        const std::vector<std::uint32_t> rowEnds = emscripten::convertJSArrayToNumberVector<std::uint32_t>(ends);
        const std::string_view all(reinterpret_cast<const char*>(text.data()), text.size());
        const auto first = static_cast<std::uint32_t>(base);
        std::size_t begin = 0;
        std::string line;
        for (std::uint32_t end : rowEnds) {
            const std::size_t stop = std::min<std::size_t>(all.size(), end >= first ? end - first : 0);
            line.clear();
            kind_->AppendPrintedRow(all.substr(begin, stop > begin ? stop - begin : 0), line);
            AppendShownBytes(line);
            printed_.push_back('\n');
            begin = stop;
        }
        return val(emscripten::typed_memory_view(printed_.size(), printed_.data()));
    }

    const ferrino::NumberKind* engine() const { return kind_.get(); }

private:
    // A row's bytes as UTF-8: the engine's byte 0x80 shows as U+FFFD.
    void AppendShownBytes(std::string_view line) {
        for (char c : line) {
            if (static_cast<unsigned char>(c) < 0x80) printed_.push_back(static_cast<std::uint8_t>(c));
            else printed_.insert(printed_.end(), {0xEF, 0xBF, 0xBD});
        }
    }

    std::unique_ptr<ferrino::NumberKind> kind_;
    std::vector<std::uint8_t> printed_;
};

// The session of one tab of the page: "Calcule" and the typing-error search
// on its fields as typed; it remembers what "Calcule" read and wrote, and
// the last step, whose line after its search said() makes.
class Session {
public:
    StepJs calcule(const Kind& kind, const val& typed) {
        if (!kind.engine()) return {};
        last_ = session_.Calcule(*kind.engine(), FieldsOf(typed));
        return StepOf(last_);
    }

    // `shown`: the fields as they show now; `typed`: as typed.
    StepJs corrections(const Kind& kind, const val& shown, const val& typed) {
        if (!kind.engine()) return {};
        last_ = session_.Corrections(*kind.engine(), FieldsOf(shown), FieldsOf(typed));
        return StepOf(last_);
    }

    // The verdict line of the last step after its search found `rows` rows.
    std::string said(double rows, bool stopped) const {
        return ferrino::Session::Said(last_, static_cast<std::uint64_t>(rows), stopped);
    }

    void forget() { session_.Forget(); }

private:
    ferrino::Session session_;
    ferrino::SessionStep last_;
};

val KindNames() {
    val names = val::array();
    for (std::string_view name : ferrino::KindNames()) names.call<void>("push", std::string(name));
    return names;
}

// What a person typed, as the characters of the number (separators and
// invisible characters dropped, "*" an unknown marker).
std::string NumberCharacters(const std::string& typed) { return FromEngine(ferrino::NumberCharacters(ToEngine(typed))); }

std::string FrenchCount(double count) { return ferrino::FrenchCount(static_cast<std::uint64_t>(count)); }

// The rows of the IBAN page's country list.
val CountryRows() {
    val rows = val::array();
    for (std::string_view row : ferrino::CountryRows()) rows.call<void>("push", std::string(row));
    return rows;
}

// The rows of the EAN page's code-type box, in the order of MakeKind's code types.
val EanTypeNames() {
    val names = val::array();
    for (int type = 0; type < ferrino::kEanTypeCount; ++type)
        names.call<void>("push", std::string(ferrino::EanTypeName(static_cast<ferrino::EanType>(type))));
    return names;
}

// The INSEE page's message when too many characters are unknown.
std::string TooManyMessage() { return std::string(ferrino::kTooManyMessage); }

// Whether an AVS field's text holds a current number (756.1234.5678.97),
// whose parts the page names instead of the old number's.
bool IsCurrentAvs(const std::string& text) {
    return ferrino::IsCurrentAvs(ferrino::KeepDigitsCapitalsUnknown(ToEngine(text)));
}

}  // namespace

EMSCRIPTEN_BINDINGS(ferrino) {
    emscripten::value_object<FindingJs>("Finding")
        .field("ok", &FindingJs::ok)
        .field("beforeKey", &FindingJs::beforeKey)
        .field("cause", &FindingJs::cause)
        .field("text", &FindingJs::text);
    emscripten::value_object<VerdictJs>("Verdict")
        .field("key", &VerdictJs::key)
        .field("typedKey", &VerdictJs::typedKey)
        .field("expectedKey", &VerdictJs::expectedKey)
        .field("unknowns", &VerdictJs::unknowns)
        .field("limit", &VerdictJs::limit)
        .field("valid", &VerdictJs::valid)
        .field("wholeNumber", &VerdictJs::wholeNumber)
        .field("firstCause", &VerdictJs::firstCause)
        .field("text", &VerdictJs::text)
        .field("findings", &VerdictJs::findings);
    emscripten::value_object<DetailJs>("Detail")
        .field("label", &DetailJs::label)
        .field("value", &DetailJs::value);
    emscripten::value_object<StepJs>("Step")
        .field("outcome", &StepJs::outcome)
        .field("searches", &StepJs::searches)
        .field("read", &StepJs::read)
        .field("fields", &StepJs::fields)
        .field("verdict", &StepJs::verdict)
        .field("said", &StepJs::said)
        .field("details", &StepJs::details);
    emscripten::value_object<SearchEndJs>("SearchEnd")
        .field("rows", &SearchEndJs::rows)
        .field("stopped", &SearchEndJs::stopped);
    emscripten::class_<Kind>("Kind")
        .constructor<std::string, int>()
        .function("valid", &Kind::valid)
        .function("name", &Kind::name)
        .function("fieldCount", &Kind::fieldCount)
        .function("split", &Kind::split)
        .function("splitWhole", &Kind::splitWhole)
        .function("checkInput", &Kind::checkInput)
        .function("formatField", &Kind::formatField)
        .function("read", &Kind::read)
        .function("complete", &Kind::complete)
        .function("completedShown", &Kind::completedShown)
        .function("rowFields", &Kind::rowFields)
        .function("check", &Kind::check)
        .function("details", &Kind::details)
        .function("search", &Kind::search)
        .function("printedRow", &Kind::printedRow)
        .function("printedRows", &Kind::printedRows);
    emscripten::class_<Session>("Session")
        .constructor<>()
        .function("calcule", &Session::calcule)
        .function("corrections", &Session::corrections)
        .function("said", &Session::said)
        .function("forget", &Session::forget);
    emscripten::function("kindNames", &KindNames);
    emscripten::function("numberCharacters", &NumberCharacters);
    emscripten::function("frenchCount", &FrenchCount);
    emscripten::function("countryRows", &CountryRows);
    emscripten::function("eanTypeNames", &EanTypeNames);
    emscripten::function("tooManyMessage", &TooManyMessage);
    emscripten::function("isCurrentAvs", &IsCurrentAvs);
}
