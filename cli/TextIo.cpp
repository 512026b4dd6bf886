#include "TextIo.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace ferrino::cli {

namespace {

constexpr char kForeignByte = '\x80';
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

unsigned char Byte(std::string_view text, std::size_t at) { return static_cast<unsigned char>(text[at]); }

}  // namespace

std::size_t Utf8Sequence(std::string_view text, std::size_t at, bool* wellFormed) {
    const unsigned char lead = Byte(text, at);
    *wellFormed = lead < 0x80;
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;  // the range of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
        return 1;  // a stray continuation byte or a byte no sequence starts with
    }
    std::size_t taken = 1;
    while (taken < length && at + taken < text.size()) {
        const unsigned char next = Byte(text, at + taken);
        if (next < low || next > high) break;
        low = 0x80;
        high = 0xBF;
        ++taken;
    }
    *wellFormed = taken == length;
    return taken;
}

void ToEngine(std::string_view utf8, std::string& out) {
    // ASCII as the field takes it in: small letters become capitals.
    static constexpr auto kCapitals = [] {
        std::array<char, 128> table{};
        for (int c = 0; c < 128; ++c) table[c] = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        return table;
    }();
    out.resize(utf8.size());  // never more characters than bytes
    char* to = out.data();
    for (std::size_t at = 0; at < utf8.size();) {
        const unsigned char c = Byte(utf8, at);
        if (c < 0x80) {
            *to++ = kCapitals[c];
            ++at;
            continue;
        }
        bool wellFormed = false;
        at += Utf8Sequence(utf8, at, &wellFormed);
        *to++ = kForeignByte;
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
}

void AppendShown(std::string& out, std::string_view engineText) {
    std::size_t plain = 0;  // the ASCII run at the start, copied at once
    while (plain < engineText.size() && static_cast<unsigned char>(engineText[plain]) < 0x80) ++plain;
    out.append(engineText.substr(0, plain));
    for (char c : engineText.substr(plain)) {
        if (static_cast<unsigned char>(c) < 0x80)
            out += c;
        else
            out += kReplacement;
    }
}

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

LineReader::LineReader(int fd, std::size_t block) : fd_(fd), block_(block ? block : 1), buffer_(block_) {}

bool LineReader::Fill() {
    // Keep what is not handed out yet at the front, and make room for a block.
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
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

bool LineReader::Next(std::string_view& line) {
    std::size_t scanned = 0;  // bytes after begin_ known to hold no newline
    for (;;) {
        const std::size_t from = begin_ + scanned;
        if (from < end_) {
            const void* found = std::memchr(buffer_.data() + from, '\n', end_ - from);
            if (found) {
                const std::size_t stop = static_cast<std::size_t>(static_cast<const char*>(found) - buffer_.data());
                line = std::string_view(buffer_.data() + begin_, stop - begin_);
                begin_ = stop + 1;
                return true;
            }
            scanned = end_ - begin_;
        }
        if (atEnd_ || !Fill()) {
            if (failed_ || begin_ == end_) return false;  // no half line after a read error
            line = std::string_view(buffer_.data() + begin_, end_ - begin_);
            begin_ = end_;
            return true;
        }
    }
}

}  // namespace ferrino::cli
