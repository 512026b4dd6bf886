// The CIP/ACL code behind the one interface of common/Kind.h.
#include <optional>

#include "CipKind.h"
#include "Cip.h"
#include "common/KindTools.h"
#include "common/SingleField.h"

namespace ferrino {

namespace {

// The code field (six characters) and the key field (one).
class CipKind : public NumberKind {
public:
    std::string_view Name() const override { return "cip"; }
    std::size_t FieldCount() const override { return 2; }

    // The characters of the number (NumberCharacters): six of code, then the
    // key; each field takes no more than it can hold.
    Fields Split(std::string_view number) const override {
        const std::string text = NumberCharacters(number);
        return {std::string(Slice(text, 0, kCipCodeLength)), std::string(Slice(text, kCipCodeLength, kCipKeyLength))};
    }

    std::optional<Fields> SplitWhole(std::string_view text) const override {
        const std::optional<CipFields> parts = SplitCip(text);
        if (!parts) return std::nullopt;
        return Fields{parts->code, parts->key};
    }

    std::string FormatField(std::size_t index, std::string_view text) const override {
        return FormatCipField(text, index == 0 ? kCipCodeLength : kCipKeyLength);
    }

    Reading Read(const Fields& fields) const override {
        Reading reading;
        // Each field holds its width: the window and the page cut what is
        // typed, the session takes any text and the number says what it dropped.
        std::size_t dropped = 0;
        for (std::size_t i = 0; i < 2; ++i) {
            const std::string_view text = i < fields.size() ? std::string_view(fields[i]) : std::string_view();
            const std::size_t width = i == 0 ? kCipCodeLength : kCipKeyLength;
            if (text.size() > width) dropped += text.size() - width;
            reading.fields.push_back(FormatField(i, text.substr(0, width)));
        }
        reading.plan = CipPlan(reading.fields[0], reading.fields[1]);
        reading.number = reading.plan.pattern;
        reading.shown = reading.fields[0] + ' ' + reading.fields[1];
        if (dropped) reading.typedLength = kCipCodeLength + kCipKeyLength + dropped, reading.length = kCipCodeLength + kCipKeyLength;
        return reading;
    }

    // Only the key field is written; the code stays as it is.
    Fields Complete(const Reading& reading) const override {
        return {reading.fields[0], FormatField(1, CompleteCip(reading.plan))};
    }
    std::string CompletedShown(const Reading& reading) const override {
        return std::string(Slice(reading.plan.pattern, 0, kCipCodeLength)) + ' ' + CompleteCip(reading.plan);
    }

    bool Search(const Reading& reading, RowStore& rows, SearchPump& pump) const override {
        return SearchCip(reading.plan, rows, pump);
    }

    Fields RowFields(std::string_view row) const override {
        const CipFields parts = CipRowFields(row);
        return {parts.code, parts.key};
    }

    Verdict Check(const Reading& reading) const override {
        Verdict verdict = OneKeyVerdict(reading.plan, std::string(Slice(reading.number, kCipCodeLength, kCipKeyLength)),
                                        [&] { return ComputeCipKey(reading.plan.pattern); });
        if (!verdict.unknowns && reading.typedLength) verdict.findings.insert(verdict.findings.begin(), DroppedFinding(reading, false));
        return verdict;
    }

    // The code the page's field holds.
    std::vector<Detail> Details(const Reading& reading) const override {
        if (!Check(reading).WholeNumber()) return {};
        return {{"Code CIP/ACL", std::string(Slice(reading.number, 0, kCipCodeLength))}};
    }

    QuickAnswer QuickCheck(std::string_view number, std::string& shown, std::string& cause) const override {
        return QuickCip(number, shown, cause);
    }
    TypoRules Typos(const Reading&) const override {
        TypoRules rules;
        rules.alphabet = [](std::string_view number, std::size_t pos) -> std::string {
            if (pos >= kCipCodeLength) return std::string(kKeyDigits);
            return SlotSymbols([](std::string_view text) { return CipPlan(Slice(text, 0, kCipCodeLength), Slice(text, kCipCodeLength, 1)); },
                               number, pos);
        };
        rules.test = [](std::string_view candidate, RowStore& sink) { return TestCipCandidate(candidate, candidate, sink); };
        return rules;
    }
};

}  // namespace

std::unique_ptr<NumberKind> MakeCipKind() { return std::make_unique<CipKind>(); }

}  // namespace ferrino
