#include "SingleField.h"

#include <utility>

namespace ferrino {

namespace {

// The number of slots of a plan outside [keyAt, keyAt + keyLength).
std::size_t BodyUnknowns(const Plan& plan, std::size_t keyAt, std::size_t keyLength) {
    std::size_t count = 0;
    for (const Slot& slot : plan.unknowns)
        if (slot.pos < keyAt || slot.pos >= keyAt + keyLength) ++count;
    return count;
}

}  // namespace

// What a number says of the characters the fields dropped: the command line's
// "longueur : 9 chiffres attendus", the window's "Chiffres en trop ignorés :
// 10 saisis, 9 attendus.".
Finding DroppedFinding(const Reading& reading, bool letters) {
    const std::string held = std::to_string(reading.length);
    return {false, true, "longueur : " + held + (letters ? " caractères" : " chiffres") + " attendus",
            std::string(letters ? "Caractères" : "Chiffres") + " en trop ignorés : " + std::to_string(reading.typedLength) +
                " saisis, " + held + " attendus."};
}

std::size_t KeptLength(std::string_view text) { return KeepDigitsCapitalsUnknown(text).size(); }

std::string SingleFieldKind::FormatField(std::size_t, std::string_view text) const {
    return ops_.format(NumberCharacters(text));
}

Reading SingleFieldKind::Read(const Fields& fields) const {
    Reading reading;
    reading.shown = FormatField(0, fields.empty() ? std::string_view() : std::string_view(fields[0]));
    reading.fields = {reading.shown};
    reading.plan = ops_.plan(reading.shown);
    reading.number = reading.plan.pattern;
    if (ops_.typedLength && !fields.empty()) {
        const std::size_t typed = ops_.typedLength(NumberCharacters(fields[0]));
        if (typed > reading.number.size()) reading.typedLength = typed, reading.length = reading.number.size();
    }
    return reading;
}

Fields SingleFieldKind::Complete(const Reading& reading) const {
    return {ops_.format(ops_.complete(reading.plan))};
}

bool SingleFieldKind::Search(const Reading& reading, RowStore& rows, SearchPump& pump) const {
    return ops_.search(reading.plan, rows, pump);
}

Verdict SingleFieldKind::Check(const Reading& reading) const {
    const std::string& pattern = reading.plan.pattern;
    const std::size_t keyAt = ops_.keyAt(pattern);
    const std::size_t unknowns = BodyUnknowns(reading.plan, keyAt, ops_.keyLength);
    const std::size_t keySlots = reading.plan.unknowns.size() - unknowns;
    Verdict verdict = KeyVerdict(unknowns, reading.plan.limit - keySlots,
                                 std::string(Slice(pattern, keyAt, ops_.keyLength)),
                                 unknowns ? std::vector<std::string>{} : ops_.keys(pattern));
    if (unknowns == 0 && ops_.findings) verdict.findings = ops_.findings(pattern);
    if (unknowns == 0 && reading.typedLength) verdict.findings.insert(verdict.findings.begin(), DroppedFinding(reading, ops_.letters));
    return verdict;
}

std::vector<Detail> SingleFieldKind::Details(const Reading& reading) const {
    if (!ops_.details || !Check(reading).WholeNumber()) return {};
    return ops_.details(reading.plan.pattern);
}

TypoRules SingleFieldKind::Typos(const Reading& reading) const {
    const std::size_t keyAt = ops_.keyAt(reading.number);
    TypoRules rules;
    rules.alphabet = [this, keyAt](std::string_view number, std::size_t pos) -> std::string {
        if (pos >= keyAt && pos < keyAt + ops_.keyLength) return std::string(ops_.keySymbols);
        if (ops_.alphabet) return ops_.alphabet(number, pos);
        return SlotSymbols(ops_.plan, number, pos);
    };
    rules.test = [this](std::string_view candidate, RowStore& sink) { return ops_.test(candidate, candidate, sink); };
    return rules;
}

}  // namespace ferrino
