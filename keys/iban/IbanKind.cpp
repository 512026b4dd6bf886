// The IBAN behind the one interface of common/Kind.h.
#include <optional>
#include <utility>

#include "IbanKind.h"
#include "Bban.h"
#include "Iban.h"
#include "IbanDetails.h"
#include "common/KindTools.h"

namespace ferrino {

namespace {

// Country code, key and BBAN: three fields side by side.
class IbanKind : public NumberKind {
public:
    std::string_view Name() const override { return "iban"; }
    std::size_t FieldCount() const override { return 3; }

    // The characters of the number (NumberCharacters): two of country code,
    // two of key, and the BBAN.
    Fields Split(std::string_view number) const override {
        const std::string text = NumberCharacters(number);
        return {std::string(Slice(text, 0, 2)), std::string(Slice(text, 2, 2)), std::string(Slice(text, 4, std::string_view::npos))};
    }

    std::optional<Fields> SplitWhole(std::string_view text) const override {
        const std::optional<IbanParts> parts = SplitIban(text);
        if (!parts) return std::nullopt;
        return Fields{parts->country, parts->key, FormatIban(parts->bban)};
    }

    // No IBAN has more than 34 characters: a longer one is not read at all.
    std::optional<InputFault> CheckInput(std::string_view number) const override {
        if (IbanPlan(Split(number)[2], "").tooLong) return InputFault{"trop long", true, true};
        return std::nullopt;
    }

    // Only the BBAN is laid out when a field is left.
    std::string FormatField(std::size_t index, std::string_view text) const override {
        return index == 2 ? FormatIban(text) : std::string(text);
    }

    // The key field keeps what was typed; its characters are read as the
    // number's (a "*" is unknown).
    Reading Read(const Fields& fields) const override {
        Reading reading;
        reading.fields = {FieldOf(fields, 0), FieldOf(fields, 1), FormatIban(FieldOf(fields, 2))};
        reading.country = reading.fields[0];
        IbanSearchPlan plan = IbanPlan(reading.fields[2], NumberCharacters(reading.fields[1]), reading.country);
        reading.keyPattern = plan.keyPattern;
        reading.plan = std::move(plan);
        reading.number = IbanCountryCode(reading.country) + reading.keyPattern + reading.plan.pattern;
        AppendPrintedIbanRow(Row(reading.country, reading.keyPattern, reading.fields[2]), reading.shown);
        return reading;
    }

    Fields Complete(const Reading& reading) const override {
        return {reading.country, CompleteIban(reading.plan, reading.country), FormatIban(reading.plan.pattern)};
    }
    Fields TooManyFields(const Reading& reading) const override {
        return {reading.fields[0], reading.fields[1], FormatIban(reading.plan.pattern)};
    }
    std::string CompletedShown(const Reading& reading) const override {
        const Fields fields = Complete(reading);
        std::string shown;
        AppendPrintedIbanRow(Row(fields[0], fields[1], fields[2]), shown);
        return shown;
    }

    bool Search(const Reading& reading, RowStore& rows, SearchPump& pump) const override {
        IbanSearchPlan plan;
        static_cast<Plan&>(plan) = reading.plan;
        plan.keyPattern = reading.keyPattern;
        plan.country = reading.country;
        return SearchIban(plan, reading.country, rows, pump);
    }

    // A row is "CC KK " and the BBAN in groups of four.
    Fields RowFields(std::string_view row) const override {
        return {std::string(Slice(row, 0, 2)), std::string(Slice(row, 3, 2)), std::string(Slice(row, 5, 40))};
    }

    // Printed "CC" and "KK" joined, as IBANs are written on paper.
    void AppendPrintedRow(std::string_view row, std::string& out) const override { AppendPrintedIbanRow(row, out); }

    // Besides the key: the country must be in the IBAN registry, and the BBAN
    // what its rules ask (BbanRules: the registered length, what each place
    // holds, the national key). A fault no completion mends is named even
    // while characters are unknown: the search then lists nothing.
    Verdict Check(const Reading& reading) const override {
        if (reading.plan.tooLong) {
            Verdict verdict;
            verdict.key = KeyState::TooLong;
            verdict.typedKey = reading.keyPattern;
            verdict.limit = 4 + kIbanLongestBban;
            return verdict;
        }
        Verdict verdict = OneKeyVerdict(reading.plan, reading.keyPattern,
                                        [&] { return ComputeIbanKey(reading.plan.pattern, reading.country); });
        const std::string code = IbanCountryCode(reading.country);
        const BbanRules rules(reading.country);
        if (!rules.Country()) {
            if (!verdict.unknowns)
                verdict.findings.push_back({false, true, "pays sans IBAN", "Pas d'IBAN pour le code pays " + code + "."});
            return verdict;
        }
        const std::string& bban = reading.plan.pattern;
        if (std::optional<Finding> fault = rules.Fault(bban)) {
            verdict.findings.push_back(std::move(*fault));
            return verdict;
        }
        if (verdict.unknowns) return verdict;
        verdict.findings.push_back({true, true, {}, "Longueur : " + std::to_string(rules.Country()->length) + " caractères, conforme pour " + code + "."});
        if (std::optional<Finding> national = rules.NationalKey(bban)) verdict.findings.push_back(std::move(*national));
        return verdict;
    }

    std::vector<Detail> Details(const Reading& reading) const override {
        if (!Check(reading).WholeNumber()) return {};
        return IbanDetails(reading.number);
    }

    TypoRules Typos(const Reading&) const override {
        TypoRules rules;
        rules.alphabet = [](std::string_view number, std::size_t pos) -> std::string {
            if (pos < 2) return {};  // the country code
            if (pos < 4) return std::string(kKeyDigits);
            const std::string country(number.substr(0, 2));
            return SlotSymbols([&](std::string_view bban) -> Plan { return IbanPlan(bban, "??", country); },
                               number.substr(4), pos - 4);
        };
        rules.test = [](std::string_view candidate, RowStore& sink) {
            return TestIbanCandidate(candidate.substr(4), candidate.substr(2, 2), candidate.substr(0, 2), sink);
        };
        return rules;
    }

private:
    static std::string FieldOf(const Fields& fields, std::size_t index) {
        return index < fields.size() ? fields[index] : std::string();
    }

    // What a listed row shows: "CC KK " and the BBAN in groups of four. The
    // BBAN's display form ends with a blank, which a line leaves out.
    static std::string Row(std::string_view country, std::string_view key, std::string_view shownBban) {
        std::string row = IbanCountryCode(country);
        row += ' ';
        row += key;
        row += ' ';
        row += shownBban;
        while (!row.empty() && row.back() == ' ') row.pop_back();
        return row;
    }
};

}  // namespace

std::unique_ptr<NumberKind> MakeIbanKind() { return std::make_unique<IbanKind>(); }

}  // namespace ferrino
