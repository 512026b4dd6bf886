#include "Session.h"

#include "WhichKind.h"

namespace ferrino {

namespace {

// Said after a whole number that is not right: the typing-error search may
// tell which slip made it.
constexpr std::string_view kTypingHint = "F3 : chercher les fautes de frappe.";

std::string Joined(std::string first, const std::string& second) {
    if (!first.empty() && !second.empty()) first += ' ';
    return first + second;
}

}  // namespace

SessionStep Session::Calcule(const NumberKind& kind, const Fields& typed) {
    SessionStep step;
    const std::optional<InnerNumber> inner = kind.Inner(typed);  // the SIREN of a VAT number
    step.read = inner ? inner->fields : typed;
    step.reading = kind.Read(step.read);
    step.verdict = kind.Check(step.reading);
    const Plan& plan = step.reading.plan;
    if (plan.Complete()) {
        step.outcome = StepOutcome::Completed;
        if (step.verdict.Valid() && !step.verdict.keyOptional.empty()) {
            // A key the number may do without (a European VIN's) is the
            // maker's to choose: it stays as typed.
            step.fields = step.reading.fields;
            step.shown = step.reading.shown;
        } else {
            step.fields = kind.Complete(step.reading);
            step.shown = kind.CompletedShown(step.reading);
        }
        if (tells_) step.details = kind.Details(kind.Read(step.fields));
    } else if (plan.Searches()) {
        step.outcome = StepOutcome::Searches;
        step.fields = step.reading.fields;
    } else {
        step.outcome = StepOutcome::TooMany;
        step.fields = kind.TooManyFields(step.reading);
    }
    // With unknown characters of the body the search's count is the verdict
    // (see Said); otherwise the verdict on the key, even when a search lists
    // the keys that fit (La Poste's SIRET).
    if (step.verdict.key != KeyState::Unknowns) {
        step.said = VerdictText(step.verdict);
        // The hint comes exactly when F3 would search: a whole number, not
        // right, nothing dropped.
        if (!step.verdict.Valid() && step.verdict.WholeNumber() && step.reading.typedLength == 0)
            step.said = Joined(step.said, std::string(kTypingHint));
        if (tells_ && step.verdict.WholeNumber() && !step.verdict.Valid()) step.said = Joined(step.said, OtherPageHint(kind, step.read));
    }
    if (inner) step.said = Joined(inner->said, step.said);
    readByCalcule_ = step.read;
    writtenByCalcule_ = step.fields;
    return step;
}

SessionStep Session::Corrections(const NumberKind& kind, const Fields& shown, const Fields& typed) {
    SessionStep step;
    step.read = !writtenByCalcule_.empty() && shown == writtenByCalcule_ ? readByCalcule_ : typed;
    // The number inside (the SIREN of a VAT number), as "Calcule" reads it.
    if (const std::optional<InnerNumber> inner = kind.Inner(step.read)) step.read = inner->fields;
    step.reading = kind.Read(step.read);
    step.verdict = kind.Check(step.reading);
    // The fields laid out as they are: a key "Calcule" wrote in stays.
    const std::optional<InnerNumber> shownInner = kind.Inner(shown);
    step.fields = kind.Read(shownInner ? shownInner->fields : shown).fields;
    if (step.verdict.Valid()) {
        step.outcome = StepOutcome::AlreadyRight;
        if (tells_) step.details = kind.Details(step.reading);
        step.said = "Clé correcte : aucune faute de frappe à corriger.";
    } else if (!step.verdict.WholeNumber()) {
        step.outcome = StepOutcome::NotWhole;
        step.said = "Pour chercher les fautes de frappe, saisissez le numéro entier, clé comprise.";
    } else {
        step.outcome = StepOutcome::Corrects;
    }
    return step;
}

void Session::Forget() {
    readByCalcule_.clear();
    writtenByCalcule_.clear();
}

bool Session::Search(const NumberKind& kind, const SessionStep& step, RowStore& rows, SearchPump& pump) {
    switch (step.outcome) {
        case StepOutcome::Searches: return kind.Search(step.reading, rows, pump);
        case StepOutcome::Corrects: return kind.Corrections(step.reading, rows, pump);
        default: return true;
    }
}

bool Session::Search(const NumberKind& kind, StepOutcome outcome, const Fields& read, RowStore& rows, SearchPump& pump) {
    SessionStep step;
    step.outcome = outcome;
    step.reading = kind.Read(read);
    // Only what a step searches is searched: a plan beyond the limit would take ages.
    if (outcome == StepOutcome::Searches && !step.reading.plan.Searches()) return true;
    return Search(kind, step, rows, pump);
}

std::string Session::Said(const SessionStep& step, std::uint64_t rows, bool stopped) {
    switch (step.outcome) {
        // The search's count, then why nothing could be listed, if so.
        case StepOutcome::Searches:
            if (step.verdict.key != KeyState::Unknowns) return step.said;
            return Joined(SearchText(rows, stopped), VerdictText(step.verdict));
        case StepOutcome::Corrects: return CorrectionsText(rows, stopped);
        default: return step.said;
    }
}

std::string_view OutcomeName(StepOutcome outcome) {
    switch (outcome) {
        case StepOutcome::Completed: return "complete";
        case StepOutcome::Searches: return "incomplete";
        case StepOutcome::TooMany: return "too_many";
        case StepOutcome::Corrects: return "corrections";
        case StepOutcome::AlreadyRight: return "valid";
        case StepOutcome::NotWhole: return "not_whole";
    }
    return "";
}

}  // namespace ferrino
