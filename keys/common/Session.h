// The session of a page: what "Calcule" and the search for typing errors do
// with the fields as typed, for every face (the window, the command line, the
// browser page). A face hands the session its fields, shows the fields the
// session gives back, runs the search when the session says so (the window
// inside the click, the page in a worker, the command line as it writes),
// and writes the sentence the session makes of the outcome.
//
// The session remembers what "Calcule" read and what it wrote: as long as the
// fields still show what it wrote, the typing-error search works on the
// number as typed (the key "Calcule" wrote in is no slip of the user's).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "Kind.h"

namespace ferrino {

// What a step of the session does.
enum class StepOutcome {
    Completed,     // "Calcule": no unknown character of the body; the key is written in
    Searches,      // "Calcule": unknown characters; the search lists every candidate
    TooMany,       // "Calcule": more unknown characters than a search takes
    Corrects,      // typing errors: the search lists the numbers one slip away
    AlreadyRight,  // typing errors: the number is right, nothing to correct
    NotWhole,      // typing errors: the number is not whole, nothing to correct
};

// The INSEE page's message for a number with too many unknown characters,
// which the command line writes on its error output.
inline constexpr std::string_view kTooManyMessage = "Trop de chiffres inconnus ! Calcul impossible.";

struct SessionStep {
    StepOutcome outcome = StepOutcome::TooMany;
    Fields read;      // the fields the step read (as typed): what a search reads again
    Fields fields;    // what the fields show after the step
    std::string shown;  // "Calcule" completed: the number on one line, as the command line writes it
    Reading reading;  // `read`, read by the kind
    Verdict verdict;  // on `reading`
    // The verdict line, unless the search's count makes it (Said).
    std::string said;
    // What the number says of itself, when the step leaves a whole number
    // ("Calcule" completed it, or the typing-error search found it right).
    std::vector<Detail> details;

    bool Searches() const { return outcome == StepOutcome::Searches || outcome == StepOutcome::Corrects; }
};

class Session {
public:
    // `tells`: whether "Calcule" and F3 say what the number is (its details, and
    // the page that takes a number wrong here). A face that shows neither,
    // like the command line's batches, is spared their cost.
    explicit Session(bool tells = true) : tells_(tells) {}

    // "Calcule" on the fields as typed (characters beyond the number's length
    // included, so that the verdict names what was dropped).
    SessionStep Calcule(const NumberKind& kind, const Fields& typed);

    // The search for typing errors. `shown`: the fields as they show now;
    // `typed`: as typed, as for Calcule. Works on what "Calcule" read when
    // `shown` is still what it wrote.
    SessionStep Corrections(const NumberKind& kind, const Fields& shown, const Fields& typed);

    // Forgets what "Calcule" read and wrote.
    void Forget();

    // The search of a step (nothing unless step.Searches()), into `rows`.
    // False when stopped.
    static bool Search(const NumberKind& kind, const SessionStep& step, RowStore& rows, SearchPump& pump);
    // The same, from the step's outcome and the fields it read (a face that
    // searches elsewhere, like the page's worker, hands over just these).
    static bool Search(const NumberKind& kind, StepOutcome outcome, const Fields& read, RowStore& rows, SearchPump& pump);

    // The verdict line after the step's search found `rows` rows (stopped or
    // not); the step's own line when it searched nothing.
    static std::string Said(const SessionStep& step, std::uint64_t rows, bool stopped);

private:
    bool tells_ = true;
    Fields readByCalcule_;
    Fields writtenByCalcule_;
};

// A name for each outcome, as the command line's JSON and the page use them:
// "complete", "incomplete", "too_many", "corrections", "valid", "not_whole".
std::string_view OutcomeName(StepOutcome outcome);

}  // namespace ferrino
