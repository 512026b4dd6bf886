// What the command line says of a number beyond its key: --info (the details
// of each number of one kind), auto (every kind for which a number is right,
// with its details), and the data editions --version adds.
#pragma once

#include <string>
#include <string_view>

#include "common/Kind.h"
#include "TextIo.h"

namespace ferrino::cli {

class InfoRunner {
public:
    // `kind` null: auto, every kind.
    InfoRunner(const NumberKind* kind, bool json, Output& out);

    // One number, as typed (UTF-8). `cut`: only the start of a line too long
    // to be read whole.
    void Process(std::string_view number, bool cut = false);

    // 0 when every number was right (for auto: right for some kind), 1
    // otherwise, 2 when a number could not be read at all.
    int Status() const { return status_; }

private:
    void Info(std::string_view number);
    void Auto(std::string_view number);
    void Raise(int status) {
        if (status > status_) status_ = status;
    }

    const NumberKind* kind_;
    bool json_;
    Output& out_;
    std::string engineText_;
    std::size_t count_ = 0;
    int status_ = 0;
};

// The reference data built into the program: each table's name, then its
// edition, licence and source on lines of their own.
void AppendDataEditions(std::string& out);

}  // namespace ferrino::cli
