// The VIN behind the one interface of common/Kind.h.
#include <optional>

#include "VinKind.h"
#include "Vin.h"
#include "VinDetails.h"
#include "VinMakers.h"
#include "common/Details.h"
#include "common/KindTools.h"
#include "common/SingleField.h"

namespace ferrino {

namespace {

// What a box holds of the text it is given: its first `width` characters
// that are not blanks (the blanks between them kept). The window and the page
// cut what is typed into a box; the session takes any text, and the number
// then says what it dropped, counted into `dropped`.
std::string_view Held(std::string_view text, std::size_t width, std::size_t& dropped) {
    std::size_t kept = 0;
    std::size_t end = 0;
    for (; end < text.size(); ++end)
        if (text[end] != ' ' && kept++ == width) break;
    for (std::size_t i = end; i < text.size(); ++i) dropped += text[i] != ' ';
    return text.substr(0, end);
}

// Seventeen characters in eight fields; the key is the ninth.
class VinKind : public NumberKind {
public:
    std::string_view Name() const override { return "vin"; }
    std::size_t FieldCount() const override { return kVinFieldCount; }

    // The first seventeen characters of the number (NumberCharacters) fill
    // the fields by their widths.
    Fields Split(std::string_view number) const override {
        const VinFields parts = VinRowFields(NumberCharacters(number));
        return Fields(parts.begin(), parts.end());
    }

    std::optional<Fields> SplitWhole(std::string_view text) const override {
        const std::optional<VinFields> parts = SplitVin(text);
        if (!parts) return std::nullopt;
        return Fields(parts->begin(), parts->end());
    }

    std::string FormatField(std::size_t index, std::string_view text) const override {
        return FormatVinField(text, index < kVinFieldCount ? kVinFieldWidths[index] : 0);
    }

    Reading Read(const Fields& fields) const override {
        Reading reading;
        VinFields parts;
        std::size_t dropped = 0;
        for (std::size_t i = 0; i < kVinFieldCount; ++i) {
            parts[i] = FormatField(i, Held(i < fields.size() ? std::string_view(fields[i]) : std::string_view(), kVinFieldWidths[i], dropped));
            reading.fields.push_back(parts[i]);
        }
        reading.plan = VinPlan(parts);
        reading.number = reading.plan.pattern;
        reading.shown = reading.plan.pattern;
        if (dropped) reading.typedLength = kVinLength + dropped, reading.length = kVinLength;
        return reading;
    }

    // Only the key field is written; the others keep their text.
    Fields Complete(const Reading& reading) const override {
        Fields fields = reading.fields;
        fields[kVinKeyField] = FormatField(kVinKeyField, CompleteVin(reading.plan));
        return fields;
    }
    std::string CompletedShown(const Reading& reading) const override {
        std::string number = reading.plan.pattern;
        const std::string key = CompleteVin(reading.plan);
        if (number.size() > kVinKeyIndex && !key.empty()) number[kVinKeyIndex] = key[0];
        return number;
    }

    bool Search(const Reading& reading, RowStore& rows, SearchPump& pump) const override {
        return SearchVin(reading.plan, rows, pump);
    }

    Fields RowFields(std::string_view row) const override {
        const VinFields parts = VinRowFields(row);
        return Fields(parts.begin(), parts.end());
    }

    // A VIN never holds I, O or Q (they read as 1 and 0). Its check digit
    // must compute only for vehicles built for North America and China.
    Verdict Check(const Reading& reading) const override {
        Verdict verdict = OneKeyVerdict(reading.plan, std::string(Slice(reading.number, kVinKeyIndex, 1)),
                                        [&] { return ComputeVinKey(reading.plan.pattern); });
        if (verdict.key == KeyState::Wrong && !VinCheckDigitCompulsory(reading.number))
            verdict.keyOptional = "Clé non conforme (facultative hors Amérique du Nord et Chine).";
        if (!verdict.unknowns && reading.number.find_first_of(kVinForbidden) != std::string::npos)
            verdict.findings.push_back({false, true, "caractère interdit : I, O ou Q", "Un VIN ne contient ni I, ni O, ni Q."});
        if (!verdict.unknowns && reading.typedLength) verdict.findings.insert(verdict.findings.begin(), DroppedFinding(reading, true));
        return verdict;
    }

    std::vector<Detail> Details(const Reading& reading) const override {
        if (!Check(reading).WholeNumber()) return {};
        return VinDetails(reading.number, ThisYear());
    }

    // What a check reads must be exactly the seventeen characters.
    std::optional<InputFault> CheckInput(std::string_view number) const override {
        if (NumberCharacters(number).size() != kVinLength) return InputFault{"longueur : 17 caractères attendus"};
        return std::nullopt;
    }

    TypoRules Typos(const Reading&) const override {
        TypoRules rules;
        rules.alphabet = [](std::string_view number, std::size_t pos) -> std::string {
            if (pos == kVinKeyIndex) return "0123456789X";
            return SlotSymbols([](std::string_view text) { return VinPlan(VinRowFields(text)); }, number, pos);
        };
        rules.test = [](std::string_view candidate, RowStore& sink) { return TestVinCandidate(candidate, candidate, sink); };
        return rules;
    }
};

}  // namespace

std::unique_ptr<NumberKind> MakeVinKind() { return std::make_unique<VinKind>(); }

}  // namespace ferrino
