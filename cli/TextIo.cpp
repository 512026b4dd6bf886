#include "TextIo.h"

#include "common/Utf8.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace ferrino::cli {

namespace {

unsigned char Byte(std::string_view text, std::size_t at) { return static_cast<unsigned char>(text[at]); }

}  // namespace

void AppendJson(std::string& out, std::string_view text, bool engineText) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (std::size_t at = 0; at < text.size();) {
        const unsigned char c = Byte(text, at);
        if (c >= 0x80) {
            bool wellFormed = false;
            const std::size_t length = engineText ? 1 : Utf8Sequence(text, at, &wellFormed);
            if (wellFormed)
                out.append(text.substr(at, length));
            else
                out += "\\ufffd";
            at += length;
            continue;
        }
        ++at;
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20) {
                    out += "\\u00";
                    out += kHex[c >> 4];
                    out += kHex[c & 0xF];
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    out += '"';
}

Output::Output(int fd, std::size_t capacity) : fd_(fd), capacity_(capacity) { text_.reserve(capacity + 4096); }

Output::~Output() { Flush(); }

void Output::Flush() {
    std::size_t done = 0;
    while (!failed_ && done < text_.size()) {
        const ssize_t written = ::write(fd_, text_.data() + done, text_.size() - done);
        if (written < 0) {
            if (errno == EINTR) continue;
            failed_ = true;
        } else {
            done += static_cast<std::size_t>(written);
        }
    }
    text_.clear();
}

LineReader::LineReader(int fd, std::size_t block, std::size_t longest)
    : fd_(fd), block_(block ? block : 1), longest_(longest ? longest : 1), buffer_(block_ + longest_) {}

bool LineReader::Fill() {
    // Keep what is not handed out yet at the front, and make room for a block.
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    // What is kept is never more than one line of `longest_` bytes, so the
    // buffer never grows beyond a block and a line.
    if (buffer_.size() - end_ < block_) buffer_.resize(end_ + block_);
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (got > 0) {
            end_ += static_cast<std::size_t>(got);
            return true;
        }
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) failed_ = true;
        atEnd_ = true;
        return false;
    }
}

bool LineReader::Next(std::string_view& line, bool* cut) {
    if (cut) *cut = false;
    std::size_t scanned = 0;  // bytes after begin_ known to hold no newline
    for (;;) {
        const std::size_t from = begin_ + scanned;
        if (from < end_) {
            const void* found = std::memchr(buffer_.data() + from, '\n', end_ - from);
            if (found) {
                const std::size_t stop = static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data());
                if (stop - begin_ > longest_) return CutLine(line, cut);
                line = std::string_view(buffer_.data() + begin_, stop - begin_);
                begin_ = stop + 1;
                return true;
            }
            scanned = end_ - begin_;
        }
        if (scanned > longest_) return CutLine(line, cut);
        if (atEnd_ || !Fill()) {
            if (failed_ || begin_ == end_) return false;  // no half line after a read error
            line = std::string_view(buffer_.data() + begin_, end_ - begin_);
            begin_ = end_;
            return true;
        }
    }
}

bool LineReader::CutLine(std::string_view& line, bool* cut) {
    cutStart_.assign(buffer_.data() + begin_, longest_);
    // The rest of the line is read and thrown away, its newline with it.
    for (;;) {
        const void* found = begin_ < end_ ? std::memchr(buffer_.data() + begin_, '\n', end_ - begin_) : nullptr;
        if (found) {
            begin_ = static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data()) + 1;
            break;
        }
        begin_ = end_;
        if (atEnd_ || !Fill()) break;
    }
    line = cutStart_;
    if (cut) *cut = true;
    return true;
}

}  // namespace ferrino::cli
