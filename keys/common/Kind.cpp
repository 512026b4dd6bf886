// What every kind of number does the same way, whatever its fields.
#include "Kind.h"

#include "KindTools.h"

namespace ferrino {

std::string DetailLine(const Detail& detail) { return detail.label + " : " + detail.value; }

std::optional<InputFault> NumberKind::CheckInput(std::string_view) const { return std::nullopt; }

QuickAnswer NumberKind::QuickCheck(std::string_view, std::string&, std::string&) const { return QuickAnswer::kUnsure; }

QuickAnswer QuickKeyAnswer(std::string_view digits, std::span<const std::size_t> groups, std::string_view key,
                           std::string& shown, std::string& cause) {
    shown.clear();
    std::size_t at = 0;
    for (std::size_t width : groups) {
        if (at >= digits.size()) break;
        if (at) shown += ' ';
        shown.append(digits.substr(at, width));
        at += width;
    }
    if (digits.ends_with(key)) return QuickAnswer::kRight;
    cause.assign(kExpectedKeyCause);
    cause += key;
    return QuickAnswer::kWrong;
}

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
