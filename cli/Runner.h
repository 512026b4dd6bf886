// What the command line does with each number, in its three forms of output.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "common/Kind.h"
#include "common/Session.h"
#include "TextIo.h"

namespace ferrino::cli {

// The exit status: the worst that happened.
enum Status { kAllWell = 0, kWrongKey = 1, kTrouble = 2 };

// What is done with each number.
enum class Mode {
    kCalcule,  // what "Calcule" does: the key written in, or every candidate
    kCheck,    // OK or ERREUR, one line per number
    kCorrect,  // the numbers one typing slip away from a wrong one
};

class Runner {
public:
    // `json`: one JSON object a line.
    Runner(const NumberKind& kind, Mode mode, bool json, Output& out, Output& err);

    // One number, as typed (UTF-8). `cut`: only the start of a line too long
    // to be read whole.
    void Process(std::string_view number, bool cut = false);

    int Status() const { return status_; }

private:
    void Calcule(std::string_view number);
    // Runs the search of a step, handing each row to `write` as it is found.
    void SearchWritingRows(const SessionStep& step, const std::function<void(std::string_view)>& write);
    static constexpr unsigned kRowsBetweenWrites = 4096;  // engine pumps, about one per candidate
    void Check(std::string_view number, const Reading& reading);
    // The kind's quick check of engineText_ (text output only): false when
    // the number is not its case and Check() must answer.
    bool QuickCheck();
    void Correct(std::string_view number);
    // A number the kind cannot take as it is given.
    void Refuse(std::string_view number, const InputFault& fault);
    void BeginJson(std::string_view number, std::string_view outcome);
    void Raise(int status) {
        if (status > status_) status_ = status;
    }

    const NumberKind& kind_;
    Mode mode_;
    bool json_;
    Output& out_;
    Output& err_;
    std::string engineText_;  // kept from one number to the next
    std::string shown_;       // the quick check's, kept as well
    std::string cause_;
    ferrino::Session session_{false};  // the command line shows no details
    std::string line_;  // a row in its printed form
    std::size_t count_ = 0;   // numbers done
    int status_ = kAllWell;
};

}  // namespace ferrino::cli
