// What every kind of number does the same way, whatever its fields.
#include "Kind.h"

namespace ferrino {

std::optional<InputFault> NumberKind::CheckInput(std::string_view) const { return std::nullopt; }

QuickAnswer NumberKind::QuickCheck(std::string_view, std::string&, std::string&) const { return QuickAnswer::kUnsure; }

bool NumberKind::IsRight(const Fields& fields) const { return Check(Read(fields)).Valid(); }

bool NumberKind::IsRightText(std::string_view number) const {
    return !CheckInput(number) && IsRight(Split(number));
}

bool NumberKind::Corrections(const Reading& reading, RowStore& rows, SearchPump& pump) const {
    // Only a whole number has slips to look for: every body character and the
    // key known, nothing typed beyond what the number holds.
    if (!Check(reading).WholeNumber() || reading.typedLength) return true;
    return FindTypingErrors(reading.number, Typos(reading), rows, pump);
}

}  // namespace ferrino
