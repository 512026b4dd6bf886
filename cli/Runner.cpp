#include "Runner.h"

#include "common/RowStore.h"

namespace ferrino::cli {

namespace {

// The outcome of "Calcule", by the unknown characters of the body.
std::string_view Outcome(const Plan& plan) {
    if (plan.Complete()) return "complete";
    if (plan.Searches()) return "incomplete";
    return "too_many";
}

// A listed row as a line: IBAN rows end with a blank, a line does not.
std::string_view RowLine(std::string_view row) {
    while (!row.empty() && row.back() == ' ') row.remove_suffix(1);
    return row;
}

}  // namespace

Runner::Runner(const Kind& kind, bool check, bool json, Output& out, Output& err)
    : kind_(kind), check_(check), json_(json), out_(out), err_(err) {}

void Runner::Process(std::string_view number) {
    ToEngine(number, engineText_);
    const Reading reading = kind_.Read(engineText_);
    if (check_)
        Check(number, reading);
    else
        Calcule(number, reading);
    ++count_;
    out_.Spill();
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

void Runner::Calcule(std::string_view number, const Reading& reading) {
    const Plan& plan = reading.plan;
    std::string& text = out_.Text();
    if (json_) {
        BeginJson(number, Outcome(plan));
        if (plan.Complete()) {
            text += ",\"number\":";
            AppendJson(text, kind_.Completed(reading), true);
        } else if (plan.Searches()) {
            RowStore rows;
            kind_.Search(reading, rows);
            text += ",\"rows\":[";
            for (std::size_t i = 0; i < rows.Size(); ++i) {
                if (i) text += ',';
                AppendJson(text, RowLine(rows.Row(i)), true);
                out_.Spill();
            }
            text += ']';
        } else {
            text += ",\"number\":";
            AppendJson(text, reading.shown, true);
            text += ",\"message\":";
            AppendJson(text, kTooManyMessage, false);
            Raise(kTrouble);
        }
        text += "}\n";
        return;
    }

    if (count_ > 0) text += '\n';  // an empty line between the outputs of two numbers
    if (plan.Complete()) {
        AppendShown(text, kind_.Completed(reading));
        text += '\n';
    } else if (plan.Searches()) {
        RowStore rows;
        kind_.Search(reading, rows);
        for (std::size_t i = 0; i < rows.Size(); ++i) {
            AppendShown(out_.Text(), RowLine(rows.Row(i)));
            out_.Text() += '\n';
            out_.Spill();
        }
    } else {
        // What came before goes out first, so that a terminal shows both in order.
        out_.Flush();
        err_.Text() += kTooManyMessage;
        err_.Text() += '\n';
        err_.Flush();
        Raise(kTrouble);
    }
}

void Runner::Check(std::string_view number, const Reading& reading) {
    const Plan& plan = reading.plan;
    std::string expected;
    bool valid = false;
    if (plan.Complete()) {
        expected = kind_.ExpectedKey(reading);
        valid = !expected.empty() && kind_.WrittenKey(reading) == expected;
    }
    Raise(plan.TooMany() ? kTrouble : valid ? kAllWell : kWrongKey);

    std::string& text = out_.Text();
    if (json_) {
        BeginJson(number, Outcome(plan));
        text += ",\"number\":";
        AppendJson(text, reading.shown, true);
        text += valid ? ",\"valid\":true" : ",\"valid\":false";
        text += ",\"expected_key\":";
        if (expected.empty())
            text += "null";
        else
            AppendJson(text, expected, true);
        text += "}\n";
        return;
    }

    text += valid ? "OK" : "ERREUR";
    if (!reading.shown.empty()) {
        text += ' ';
        AppendShown(text, reading.shown);
    }
    if (!valid) {
        if (plan.TooMany())
            text += " (trop de caractères inconnus)";
        else if (plan.Searches())
            text += " (caractères inconnus)";
        else if (expected.empty())
            text += " (clé attendue : aucune)";
        else
            text += " (clé attendue : " + expected + ")";
    }
    text += '\n';
}

}  // namespace ferrino::cli
