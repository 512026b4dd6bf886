// The engine for the browser page: every kind through the one interface of
// keys/common/Kind.h, bound once with embind.
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

#include <climits>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/Kind.h"
#include "common/RowStore.h"
#include "common/Text.h"
#include "common/Utf8.h"
#include "common/Verdict.h"
#include "ean/Ean.h"
#include "iban/Countries.h"
#include "iban/Iban.h"

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

const char* Outcome(const ferrino::Plan& plan) {
    if (plan.Complete()) return "complete";
    if (plan.Searches()) return "search";
    return "tooMany";
}

const char* KeyStateName(ferrino::KeyState state) {
    switch (state) {
        case ferrino::KeyState::Correct: return "correct";
        case ferrino::KeyState::Wrong: return "wrong";
        case ferrino::KeyState::Computed: return "computed";
        case ferrino::KeyState::None: return "none";
        case ferrino::KeyState::Unknowns: return "unknowns";
        case ferrino::KeyState::TooMany: return "tooMany";
    }
    return "";
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

    // The fields as leaving them shows them, the number and what "Calcule" does with it.
    val read(const val& fields) const {
        val out = val::object();
        if (!kind_) return out;
        const ferrino::Reading reading = kind_->Read(FieldsOf(fields));
        out.set("fields", Strings(reading.fields));
        out.set("number", FromEngine(reading.number));
        out.set("shown", FromEngine(reading.shown));
        out.set("outcome", std::string(Outcome(reading.plan)));
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
    val check(const val& fields) const {
        val out = val::object();
        if (!kind_) return out;
        const ferrino::Verdict verdict = kind_->Check(kind_->Read(FieldsOf(fields)));
        out.set("key", std::string(KeyStateName(verdict.key)));
        out.set("typedKey", FromEngine(verdict.typedKey));
        out.set("expectedKey", FromEngine(verdict.expectedKey));
        out.set("unknowns", static_cast<unsigned>(verdict.unknowns));
        out.set("limit", static_cast<unsigned>(verdict.limit));
        out.set("valid", verdict.Valid());
        out.set("wholeNumber", verdict.WholeNumber());
        out.set("firstCause", verdict.FirstCause());
        out.set("text", ferrino::VerdictText(verdict));
        val findings = val::array();
        for (const ferrino::Finding& finding : verdict.findings) {
            val item = val::object();
            item.set("ok", finding.ok);
            item.set("beforeKey", finding.beforeKey);
            item.set("cause", finding.cause);
            item.set("text", finding.text);
            findings.call<void>("push", item);
        }
        out.set("findings", findings);
        return out;
    }

    // "Calcule"'s search; rows go to `sink` (see above) every `everyMs`.
    val search(const val& fields, val sink, double everyMs) const {
        return Run(fields, std::move(sink), everyMs, false);
    }

    // The typing-error search on the number of the fields.
    val corrections(const val& fields, val sink, double everyMs) const {
        return Run(fields, std::move(sink), everyMs, true);
    }

private:
    val Run(const val& fields, val sink, double everyMs, bool corrections) const {
        val out = val::object();
        if (!kind_) return out;
        const ferrino::Reading reading = kind_->Read(FieldsOf(fields));
        ferrino::RowStore rows;
        RowFeed feed(rows, std::move(sink), everyMs);
        // The clock is looked at every 256 pumps: a pump costs nothing more
        // than a count between two looks.
        ferrino::SearchPump pump([&feed] { return feed.Poll(); }, 256);
        // Only a plan "Calcule" searches is searched: more unknown characters
        // than the limit would take ages.
        bool finished = true;
        if (corrections)
            finished = kind_->Corrections(reading, rows, pump);
        else if (reading.plan.Searches())
            finished = kind_->Search(reading, rows, pump);
        feed.Flush();  // the last batch; the search has ended whatever the answer
        const bool stopped = !finished;
        const std::size_t found = feed.Rows();
        out.set("rows", static_cast<double>(found));
        out.set("stopped", stopped);
        out.set("text", corrections ? ferrino::CorrectionsText(found, stopped) : ferrino::SearchText(found, stopped));
        return out;
    }

    std::unique_ptr<ferrino::NumberKind> kind_;
};

val KindNames() {
    val names = val::array();
    for (std::string_view name : ferrino::KindNames()) names.call<void>("push", std::string(name));
    return names;
}

// What a person typed, as the characters of the number (separators and
// invisible characters dropped, "*" an unknown marker).
std::string NumberCharacters(const std::string& typed) { return FromEngine(ferrino::NumberCharacters(ToEngine(typed))); }

std::string SearchText(double rows, bool stopped) {
    return ferrino::SearchText(static_cast<std::uint64_t>(rows), stopped);
}

std::string CorrectionsText(double rows, bool stopped) {
    return ferrino::CorrectionsText(static_cast<std::uint64_t>(rows), stopped);
}

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

// A listed IBAN row in the printed form a copy gives ("FR76 3000 …").
std::string PrintedIbanRow(const std::string& row) {
    std::string out;
    ferrino::AppendPrintedIbanRow(ToEngine(row), out);
    return FromEngine(out);
}

}  // namespace

EMSCRIPTEN_BINDINGS(ferrino) {
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
        .function("search", &Kind::search)
        .function("corrections", &Kind::corrections);
    emscripten::function("kindNames", &KindNames);
    emscripten::function("numberCharacters", &NumberCharacters);
    emscripten::function("searchText", &SearchText);
    emscripten::function("correctionsText", &CorrectionsText);
    emscripten::function("frenchCount", &FrenchCount);
    emscripten::function("countryRows", &CountryRows);
    emscripten::function("eanTypeNames", &EanTypeNames);
    emscripten::function("printedIbanRow", &PrintedIbanRow);
}
