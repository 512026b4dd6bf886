// The rows of a candidate list, packed into one buffer.
//
// A search can list 1.7 million rows; one string object per row would cost
// several times the text itself, so rows are kept back to back with their
// end offsets.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ferrino {

class RowStore {
public:
    void Add(std::string_view row) {
        text_.append(row);
        ends_.push_back(text_.size());
    }

    // Adds a row of `length` characters and returns where to write them.
    // The pointer is good until the next change of the store.
    char* Append(std::size_t length) {
        const std::size_t start = text_.size();
        text_.resize(start + length);
        ends_.push_back(text_.size());
        return text_.data() + start;
    }

    std::size_t Size() const { return ends_.size(); }
    bool Empty() const { return ends_.empty(); }

    std::string_view Row(std::size_t index) const {
        const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
        return std::string_view(text_).substr(begin, ends_[index] - begin);
    }

    void Clear() {
        text_.clear();
        text_.shrink_to_fit();
        ends_.clear();
        ends_.shrink_to_fit();
    }

    void Reserve(std::size_t rows, std::size_t characters) {
        ends_.reserve(rows);
        text_.reserve(characters);
    }

private:
    std::string text_;
    std::vector<std::size_t> ends_;
};

}  // namespace ferrino
