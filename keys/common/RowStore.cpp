#include "RowStore.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace ferrino::detail {

namespace {
constexpr std::size_t kSmall = 1 << 20;      // below this, ordinary allocation
constexpr std::size_t kHugePage = 2 << 20;
}  // namespace

void* AllocateLarge(std::size_t bytes, std::size_t* granted) {
#if defined(__linux__)
    if (bytes >= kSmall) {
        // Whole huge pages, aligned on their size, so that the system can back
        // the block with them: map one more, then unmap what sticks out.
        const std::size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
        void* mapped = mmap(nullptr, rounded + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapped == MAP_FAILED) throw std::bad_alloc();
        const auto start = reinterpret_cast<std::uintptr_t>(mapped);
        const std::uintptr_t aligned = (start + kHugePage - 1) / kHugePage * kHugePage;
        if (aligned > start) munmap(mapped, aligned - start);
        if (const std::uintptr_t tail = start + rounded + kHugePage - (aligned + rounded))
            munmap(reinterpret_cast<void*>(aligned + rounded), tail);
        void* block = reinterpret_cast<void*>(aligned);
#if defined(MADV_HUGEPAGE)
        madvise(block, rounded, MADV_HUGEPAGE);
#endif
        *granted = rounded;
        return block;
    }
#endif
    void* block = std::malloc(bytes ? bytes : 1);
    if (!block) throw std::bad_alloc();
    *granted = bytes;
    return block;
}

void FreeLarge(void* block, std::size_t bytes) {
    if (!block) return;
#if defined(__linux__)
    if (bytes >= kSmall) {
        munmap(block, bytes);
        return;
    }
#endif
    std::free(block);
}

template <class T>
void RawArray<T>::Grow(std::size_t needed) {
    std::size_t wanted = capacity_ ? capacity_ : 64;
    while (wanted < needed) wanted *= 2;
    std::size_t granted = 0;
    T* bigger = static_cast<T*>(AllocateLarge(wanted * sizeof(T), &granted));
    if (size_) std::memcpy(bigger, data_, size_ * sizeof(T));
    FreeLarge(data_, capacity_ * sizeof(T));
    data_ = bigger;
    capacity_ = granted / sizeof(T);
}

template <class T>
void RawArray<T>::Release() {
    FreeLarge(data_, capacity_ * sizeof(T));
    data_ = nullptr;
    size_ = 0;
    capacity_ = 0;
}

template class RawArray<char>;
template class RawArray<std::uint32_t>;

}  // namespace ferrino::detail
