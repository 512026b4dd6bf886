// What every kind of number does the same way, whatever its fields.
#include "Kind.h"

namespace ferrino {

std::string DetailLine(const Detail& detail) { return detail.label + " : " + detail.value; }

std::optional<InputFault> NumberKind::CheckInput(std::string_view) const { return std::nullopt; }

bool NumberKind::IsRight(const Fields& fields) const { return Check(Read(fields)).Valid(); }

void NumberKind::AppendPrintedRow(std::string_view row, std::string& out) const {
    while (!row.empty() && row.back() == ' ') row.remove_suffix(1);
    out.append(row);
}

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
