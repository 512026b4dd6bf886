// The ranges of the International ISBN Agency, which say where the hyphens of
// an ISBN go (the table in Ranges.cpp is written by tools/make_isbn_ranges.py).
//
// After the prefix (978 or 979; an ISBN-10 reads as one of prefix 978) come
// the registration group, the registrant and the title, nine digits in all.
// A range holds the digits whose first low.size() lie between its bounds;
// the part is then that many digits long.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace ferrino {

struct IsbnRange {
    std::string_view low;
    std::string_view high;
};

struct IsbnPrefix {
    std::string_view prefix;
    std::size_t firstGroupRange;  // its group lengths: IsbnGroupRanges()[first, first + count)
    std::size_t groupRangeCount;
};

struct IsbnGroup {
    std::string_view prefix;
    std::string_view group;
    std::size_t firstRegistrant;  // its registrants: IsbnRegistrants()[first, first + count)
    std::size_t registrantCount;
};

std::span<const IsbnPrefix> IsbnPrefixes();
std::span<const IsbnRange> IsbnGroupRanges();
std::span<const IsbnGroup> IsbnGroups();  // in order of prefix, then group
std::span<const IsbnRange> IsbnRegistrants();

// The lengths of the group and the registrant.
struct IsbnSplit {
    std::size_t group = 0;
    std::size_t registrant = 0;
};

// Where the nine digits after `prefix` part, or nothing when no range holds
// their group or their registrant, or when nothing is left for the title. A
// range is only read on digits: an unknown marker among the characters it
// needs leaves the part undecided.
std::optional<IsbnSplit> SplitIsbnDigits(std::string_view prefix, std::string_view nine);

}  // namespace ferrino
