// Reading lines and writing text for the command line. Between UTF-8 and
// the engine's text: common/Utf8.h.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/Utf8.h"

namespace ferrino::cli {

using ferrino::AppendShown;
using ferrino::ToEngine;
using ferrino::Utf8Sequence;

// Appends a JSON string literal, quotes included. `text` is UTF-8 (an
// ill-formed sequence becomes \ufffd) or, with `engineText`, engine text.
void AppendJson(std::string& out, std::string_view text, bool engineText);

// Output through a large buffer, written to a file descriptor when full.
class Output {
public:
    explicit Output(int fd, std::size_t capacity = 1 << 20);
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
    ~Output();

    // The buffer to append to; call Spill() now and then to keep it bounded.
    std::string& Text() { return text_; }
    void Spill() {
        if (text_.size() >= capacity_) Flush();
    }
    void Flush();

    // True once a write failed; what follows is dropped.
    bool Failed() const { return failed_; }

private:
    int fd_;
    std::size_t capacity_;
    std::string text_;
    bool failed_ = false;
};

// Lines from a file descriptor, read in large blocks. A line ends at "\n",
// which is not part of it; a last line without one counts as well. No line
// is held beyond `longest` bytes: of a longer one only its start is kept, and
// the rest is read and thrown away, so that any input is read in bounded memory.
class LineReader {
public:
    explicit LineReader(int fd, std::size_t block = 1 << 20, std::size_t longest = kLongestLine);

    // The longest line taken whole: far beyond any number written out.
    static constexpr std::size_t kLongestLine = 4096;

    // The next line, good until the next call; false at the end of the input
    // or on a read error. `cut` tells a line longer than `longest`, of which
    // `line` holds the first `longest` bytes.
    bool Next(std::string_view& line, bool* cut = nullptr);

    // True when reading stopped on an error rather than at the end.
    bool Failed() const { return failed_; }

private:
    bool Fill();
    bool CutLine(std::string_view& line, bool* cut);

    int fd_;
    std::size_t block_;
    std::size_t longest_;
    std::vector<char> buffer_;
    std::string cutStart_;   // the start of the last line that was too long
    std::size_t begin_ = 0;  // first byte not handed out yet
    std::size_t end_ = 0;    // end of the bytes read
    bool atEnd_ = false;
    bool failed_ = false;
};

}  // namespace ferrino::cli
