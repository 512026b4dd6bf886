#include "Runner.h"

#include <climits>

#include "common/RowStore.h"

namespace ferrino::cli {

namespace {

// Nothing stops a search from the command line: the pump never asks.
bool NeverStop() { return false; }
SearchPump QuietPump() { return SearchPump(NeverStop, UINT_MAX); }

// A number as given, trimmed, and cut after 40 characters: what an error
// line names (a line of any length may come in).
void AppendAsGiven(std::string& out, std::string_view number) {
    while (!number.empty() && (number.front() == ' ' || number.front() == '\t')) number.remove_prefix(1);
    while (!number.empty() && (number.back() == ' ' || number.back() == '\t')) number.remove_suffix(1);
    constexpr std::size_t kShown = 40;
    std::size_t at = 0;
    for (std::size_t characters = 0; at < number.size() && characters < kShown; ++characters) {
        bool wellFormed = false;
        at += Utf8Sequence(number, at, &wellFormed);
    }
    std::string engine;
    ToEngine(number.substr(0, at), engine);
    AppendShown(out, engine);
    if (at < number.size()) out += "\u2026";
}


}  // namespace

Runner::Runner(const NumberKind& kind, Mode mode, bool json, Output& out, Output& err)
    : kind_(kind), mode_(mode), json_(json), out_(out), err_(err) {}

void Runner::Process(std::string_view number, bool cut) {
    if (cut || number.size() > LineReader::kLongestLine) {
        Refuse(number, {"trop long", true, true});
        ++count_;
        out_.Spill();
        return;
    }
    ToEngine(number, engineText_);
    if (mode_ == Mode::kCheck && !json_ && QuickCheck()) {
        ++count_;
        out_.Spill();
        return;
    }
    if (const std::optional<InputFault> fault = kind_.CheckInput(engineText_); fault && (mode_ != Mode::kCalcule || fault->everyMode)) {
        Refuse(number, *fault);
        ++count_;
        out_.Spill();
        return;
    }
    switch (mode_) {
        case Mode::kCalcule: Calcule(number); break;
        case Mode::kCheck: Check(number, kind_.ReadText(engineText_)); break;
        case Mode::kCorrect: Correct(number); break;
    }
    ++count_;
    out_.Spill();
}

void Runner::SearchWritingRows(const SessionStep& step, const std::function<void(std::string_view)>& write) {
    // The rows go out as they are found, a few thousand at a time, so that
    // the largest search holds no more than that.
    RowStore rows;
    const auto drain = [&] {
        for (std::size_t i = 0; i < rows.Size(); ++i) {
            line_.clear();
            kind_.AppendPrintedRow(rows.Row(i), line_);
            write(line_);
            out_.Spill();
        }
        rows.Drop();
        return false;  // nothing stops a search from the command line
    };
    SearchPump pump(drain, kRowsBetweenWrites);
    Session::Search(kind_, step, rows, pump);
    drain();
}

void Runner::Refuse(std::string_view number, const InputFault& fault) {
    Raise(fault.serious ? kTrouble : kWrongKey);
    std::string& text = out_.Text();
    if (mode_ == Mode::kCorrect) {
        // Nothing to correct in what cannot be read as a whole number.
        if (json_) {
            text += "{\"saisi\":";
            AppendJson(text, number, false);
            text += ",\"valide\":false,\"corrections\":[],\"cause\":";
            AppendJson(text, fault.cause, false);
            text += "}\n";
        } else {
            text += "# ";
            AppendAsGiven(text, number);
            text += '\n';
        }
        return;
    }
    if (json_) {
        BeginJson(number, "invalid");
        text += ",\"valid\":false,\"cause\":";
        AppendJson(text, fault.cause, false);
        text += "}\n";
        return;
    }
    if (mode_ == Mode::kCalcule && count_ > 0) text += '\n';
    text += "ERREUR ";
    AppendAsGiven(text, number);
    text += " (";
    text += fault.cause;
    text += ")\n";
}

void Runner::BeginJson(std::string_view number, std::string_view outcome) {
    std::string& text = out_.Text();
    text += "{\"input\":";
    AppendJson(text, number, false);
    text += ",\"kind\":";
    AppendJson(text, kind_.Name(), false);
    text += ",\"outcome\":";
    AppendJson(text, outcome, false);
}

void Runner::Calcule(std::string_view number) {
    const SessionStep step = session_.Calcule(kind_, kind_.Split(engineText_));
    std::string& text = out_.Text();
    if (json_) {
        BeginJson(number, OutcomeName(step.outcome));
        if (step.outcome == StepOutcome::Completed) {
            text += ",\"number\":";
            AppendJson(text, step.shown, true);
        } else if (step.outcome == StepOutcome::Searches) {
            text += ",\"rows\":[";
            bool first = true;
            SearchWritingRows(step, [&](std::string_view row) {
                if (!first) out_.Text() += ',';
                first = false;
                AppendJson(out_.Text(), row, true);
            });
            out_.Text() += ']';
        } else {
            text += ",\"number\":";
            AppendJson(text, step.reading.shown, true);
            text += ",\"message\":";
            AppendJson(text, kTooManyMessage, false);
            Raise(kTrouble);
        }
        text += "}\n";
        return;
    }

    if (count_ > 0) text += '\n';  // an empty line between the outputs of two numbers
    if (step.outcome == StepOutcome::Completed) {
        AppendShown(text, step.shown);
        text += '\n';
    } else if (step.outcome == StepOutcome::Searches) {
        SearchWritingRows(step, [&](std::string_view row) {
            AppendShown(out_.Text(), row);
            out_.Text() += '\n';
        });
    } else {
        // What came before goes out first, so that a terminal shows both in order.
        out_.Flush();
        err_.Text() += kTooManyMessage;
        err_.Text() += '\n';
        err_.Flush();
        Raise(kTrouble);
    }
}

bool Runner::QuickCheck() {
    const QuickAnswer answer = kind_.QuickCheck(engineText_, shown_, cause_);
    if (answer == QuickAnswer::kUnsure) return false;
    // The line Check() writes.
    const bool valid = answer == QuickAnswer::kRight;
    Raise(valid ? kAllWell : kWrongKey);
    std::string& text = out_.Text();
    text += valid ? "OK " : "ERREUR ";
    AppendShown(text, shown_);
    if (!valid) {
        text += " (";
        text += cause_;
        text += ')';
    }
    text += '\n';
    return true;
}

void Runner::Check(std::string_view number, const Reading& reading) {
    const Verdict verdict = kind_.Check(reading);
    const bool valid = verdict.Valid();
    Raise(verdict.key == KeyState::TooMany ? kTrouble : valid ? kAllWell : kWrongKey);

    std::string& text = out_.Text();
    if (json_) {
        // A check is about the body's unknown characters (a complete La
        // Poste SIRET searches its key, yet is complete).
        BeginJson(number, verdict.key == KeyState::TooMany ? "too_many" : verdict.unknowns ? "incomplete" : "complete");
        text += ",\"number\":";
        AppendJson(text, reading.shown, true);
        text += valid ? ",\"valid\":true" : ",\"valid\":false";
        text += ",\"expected_key\":";
        if (verdict.expectedKey.empty())
            text += "null";
        else
            AppendJson(text, verdict.expectedKey, true);
        if (!valid) {
            text += ",\"cause\":";
            AppendJson(text, verdict.FirstCause(), false);
        }
        text += "}\n";
        return;
    }

    text += valid ? "OK" : "ERREUR";
    if (!reading.shown.empty()) {
        text += ' ';
        AppendShown(text, reading.shown);
    }
    if (!valid) {
        text += " (";
        text += verdict.FirstCause();
        text += ')';
    }
    text += '\n';
}

void Runner::Correct(std::string_view number) {
    // Each number stands alone: nothing of a "Calcule" before it is remembered.
    const Fields typed = kind_.Split(engineText_);
    const SessionStep step = Session(false).Corrections(kind_, typed, typed);
    const bool valid = step.outcome == StepOutcome::AlreadyRight;
    RowStore rows;
    SearchPump pump = QuietPump();
    Session::Search(kind_, step, rows, pump);
    Raise(valid || !rows.Empty() ? kAllWell : kWrongKey);

    std::string& text = out_.Text();
    if (json_) {
        text += "{\"saisi\":";
        AppendJson(text, number, false);
        text += valid ? ",\"valide\":true" : ",\"valide\":false";
        text += ",\"corrections\":[";
        for (std::size_t i = 0; i < rows.Size(); ++i) {
            if (i) text += ',';
            line_.clear();
            kind_.AppendPrintedRow(rows.Row(i), line_);
            AppendJson(text, line_, true);
        }
        text += "]}\n";
        return;
    }
    text += "# ";
    AppendAsGiven(text, number);
    text += '\n';
    for (std::size_t i = 0; i < rows.Size(); ++i) {
        line_.clear();
        kind_.AppendPrintedRow(rows.Row(i), line_);
        AppendShown(text, line_);
        text += '\n';
    }
}

}  // namespace ferrino::cli
