// The rows of a candidate list, packed into one buffer.
//
// A search can list 1.7 million rows; one string object per row would cost
// several times the text itself, so rows are kept back to back with their end
// offsets. The buffers are taken from the system in large blocks (huge pages
// where the system has them): a fresh search writes some 70 MB, and taking
// that memory 4 KB at a time costs more than building the rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace ferrino {

namespace detail {

// A growable array of plain values that leaves new room uninitialised.
template <class T>
class RawArray {
public:
    RawArray() = default;
    RawArray(const RawArray&) = delete;
    RawArray& operator=(const RawArray&) = delete;
    ~RawArray() { Release(); }

    std::size_t Size() const { return size_; }
    T* Data() { return data_; }
    const T* Data() const { return data_; }

    // Room for `count` more values without moving.
    void ReserveMore(std::size_t count) {
        if (count > capacity_ - size_) Grow(size_ + count);
    }
    // Adds `count` values and returns where they go.
    T* Extend(std::size_t count) {
        ReserveMore(count);
        T* at = data_ + size_;
        size_ += count;
        return at;
    }
    void Release();
    // Drops every value and keeps the room.
    void Truncate() { size_ = 0; }

private:
    void Grow(std::size_t needed);

    T* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

void* AllocateLarge(std::size_t bytes, std::size_t* granted);
void FreeLarge(void* block, std::size_t bytes);

}  // namespace detail

class RowStore {
public:
    void Add(std::string_view row) {
        char* at = Append(row.size());
        if (at && !row.empty()) std::memcpy(at, row.data(), row.size());
    }

    // Adds a row of `length` characters, left for the caller to write, and
    // returns where they go (good until the next change of the store).
    // Returns nullptr, adding nothing, if the store cannot grow any more.
    char* Append(std::size_t length) {
        if (length > kMaxCharacters - text_.Size()) return nullptr;
        char* at = text_.Extend(length);
        *ends_.Extend(1) = static_cast<std::uint32_t>(text_.Size());
        return at;
    }

    std::size_t Size() const { return ends_.Size(); }
    bool Empty() const { return ends_.Size() == 0; }
    std::size_t Characters() const { return text_.Size(); }

    std::string_view Row(std::size_t index) const {
        const std::uint32_t* ends = ends_.Data();
        const std::size_t begin = index == 0 ? 0 : ends[index - 1];
        return {text_.Data() + begin, ends[index] - begin};
    }

    // Room for `rows` more rows of `characters` characters in all.
    void ReserveMore(std::size_t rows, std::size_t characters) {
        ends_.ReserveMore(rows);
        text_.ReserveMore(characters);
    }

    // Empties the store and gives its memory back.
    void Clear() {
        text_.Release();
        ends_.Release();
    }

    // Empties the store and keeps its room, for rows taken away as they come.
    void Drop() {
        text_.Truncate();
        ends_.Truncate();
    }

    // Row ends are kept in 32 bits.
    static constexpr std::size_t kMaxCharacters = UINT32_MAX;

private:
    detail::RawArray<char> text_;
    detail::RawArray<std::uint32_t> ends_;
};

}  // namespace ferrino
