// Every kind of number behind the one interface of Kind.h.
//
// Most kinds have one field and differ only in their engine's operations,
// gathered in a FieldOps; IBAN, VIN and CIP spread the number over several
// fields and have a class of their own.
#include <climits>
#include <functional>
#include <utility>

#include "Kind.h"
#include "Text.h"
#include "Typos.h"
#include "avs/Avs.h"
#include "card/Card.h"
#include "cip/Cip.h"
#include "ean/Ean.h"
#include "iban/Bban.h"
#include "iban/Iban.h"
#include "insee/Insee.h"
#include "isbn/Isbn.h"
#include "luhn/Luhn.h"
#include "prof/Prof.h"
#include "rib/Rib.h"
#include "sin/Sin.h"
#include "siren/Siren.h"
#include "siret/Siret.h"
#include "vin/Vin.h"

namespace ferrino {

std::optional<InputFault> NumberKind::CheckInput(std::string_view) const { return std::nullopt; }

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

namespace {

constexpr std::string_view kKeyDigits = kDigits;

// The number of slots of a plan outside [keyAt, keyAt + keyLength).
std::size_t BodyUnknowns(const Plan& plan, std::size_t keyAt, std::size_t keyLength) {
    std::size_t count = 0;
    for (const Slot& slot : plan.unknowns)
        if (slot.pos < keyAt || slot.pos >= keyAt + keyLength) ++count;
    return count;
}

// The keys a body calls for, as most kinds have them: one, never none.
std::vector<std::string> One(std::string key) { return {std::move(key)}; }

// The verdict of a kind whose body has one key, `key()`, asked for only when
// no body character is unknown.
template <class Key>
Verdict OneKeyVerdict(const Plan& plan, std::string typed, Key key) {
    const std::size_t unknowns = plan.unknowns.size();
    return KeyVerdict(unknowns, plan.limit, std::move(typed), unknowns ? std::vector<std::string>{} : One(key()));
}

// A page with one number field: the field takes the whole number and its
// pattern is the number.
struct FieldOps {
    std::function<std::string(std::string_view)> format;  // the field's exit normalisation
    std::function<Plan(std::string_view)> plan;
    std::function<std::string(const Plan&)> complete;
    std::function<bool(const Plan&, RowStore&, SearchPump&)> search;
    std::function<bool(std::string_view candidate, std::string_view pattern, RowStore&)> test;
    std::function<std::vector<std::string>(std::string_view pattern)> keys;  // the keys that fit; none: no key
    std::function<std::size_t(std::string_view pattern)> keyAt;             // where the key stands
    std::size_t keyLength = 1;
    std::string_view keySymbols = kKeyDigits;  // what the key may be
    // Further checks of a number without unknown body characters. May be null.
    std::function<std::vector<Finding>(std::string_view pattern)> findings = {};
    // What a slip may put at a position; null: the position's slot symbols.
    std::function<std::string(std::string_view number, std::size_t pos)> alphabet = {};
    // How many characters of a typed text are part of the number (what the
    // field keeps before cutting it to the number's length). May be null.
    std::function<std::size_t(std::string_view text)> typedLength = {};
    // The number may hold letters: the sentence on dropped characters speaks
    // of characters, not digits.
    bool letters = false;
};

// What a number says of the characters the fields dropped: the command line's
// "longueur : 9 chiffres attendus", the window's "Chiffres en trop ignorés :
// 10 saisis, 9 attendus.".
Finding DroppedFinding(const Reading& reading, bool letters) {
    const std::string held = std::to_string(reading.length);
    return {false, true, "longueur : " + held + (letters ? " caractères" : " chiffres") + " attendus",
            std::string(letters ? "Caractères" : "Chiffres") + " en trop ignorés : " + std::to_string(reading.typedLength) +
                " saisis, " + held + " attendus."};
}

std::function<std::size_t(std::string_view)> At(std::size_t keyAt) {
    return [keyAt](std::string_view) { return keyAt; };
}

class SingleFieldKind : public NumberKind {
public:
    SingleFieldKind(std::string_view name, FieldOps ops) : name_(name), ops_(std::move(ops)) {}

    std::string_view Name() const override { return name_; }

    // The field takes the characters of the number (NumberCharacters) and lays them out.
    std::string FormatField(std::size_t, std::string_view text) const override { return ops_.format(NumberCharacters(text)); }

    Reading Read(const Fields& fields) const override {
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

    Fields Complete(const Reading& reading) const override {
        return {ops_.format(ops_.complete(reading.plan))};
    }
    std::string CompletedShown(const Reading& reading) const override { return Complete(reading)[0]; }

    bool Search(const Reading& reading, RowStore& rows, SearchPump& pump) const override {
        return ops_.search(reading.plan, rows, pump);
    }

    Verdict Check(const Reading& reading) const override {
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

    TypoRules Typos(const Reading& reading) const override {
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

private:
    std::string name_;
    FieldOps ops_;
};

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
        reading.shown = Row(reading.country, reading.keyPattern, reading.fields[2]);
        return reading;
    }

    Fields Complete(const Reading& reading) const override {
        return {reading.country, CompleteIban(reading.plan, reading.country), FormatIban(reading.plan.pattern)};
    }
    std::string CompletedShown(const Reading& reading) const override {
        const Fields fields = Complete(reading);
        return Row(fields[0], fields[1], fields[2]);
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
        for (std::size_t i = 0; i < kVinFieldCount; ++i) {
            parts[i] = FormatField(i, i < fields.size() ? std::string_view(fields[i]) : std::string_view());
            reading.fields.push_back(parts[i]);
        }
        reading.plan = VinPlan(parts);
        reading.number = reading.plan.pattern;
        reading.shown = reading.plan.pattern;
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

    // A VIN never holds I, O or Q (they read as 1 and 0).
    Verdict Check(const Reading& reading) const override {
        Verdict verdict = OneKeyVerdict(reading.plan, std::string(Slice(reading.number, kVinKeyIndex, 1)),
                                        [&] { return ComputeVinKey(reading.plan.pattern); });
        if (!verdict.unknowns && reading.number.find_first_of(kVinForbidden) != std::string::npos)
            verdict.findings.push_back({false, true, "caractère interdit : I, O ou Q", "Un VIN ne contient ni I, ni O, ni Q."});
        return verdict;
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
        for (std::size_t i = 0; i < 2; ++i)
            reading.fields.push_back(FormatField(i, i < fields.size() ? std::string_view(fields[i]) : std::string_view()));
        reading.plan = CipPlan(reading.fields[0], reading.fields[1]);
        reading.number = reading.plan.pattern;
        reading.shown = reading.fields[0] + ' ' + reading.fields[1];
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
        return OneKeyVerdict(reading.plan, std::string(Slice(reading.number, kCipCodeLength, kCipKeyLength)),
                             [&] { return ComputeCipKey(reading.plan.pattern); });
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

std::unique_ptr<NumberKind> Single(std::string_view name, FieldOps ops) {
    return std::make_unique<SingleFieldKind>(name, std::move(ops));
}

// An ISBN: a check judges every character given, also those after the key,
// which a hyphenated field leaves out.
class IsbnKind : public SingleFieldKind {
public:
    using SingleFieldKind::SingleFieldKind;
    std::optional<InputFault> CheckInput(std::string_view number) const override {
        const std::string normalised = NormaliseIsbn(NumberCharacters(number));
        const std::size_t length = IsbnKeyAt(normalised) + 1;
        if (normalised.size() > length) return InputFault{"longueur : " + std::to_string(length) + " caractères attendus"};
        return std::nullopt;
    }

    // A slip never turns one form into the other (an ISBN-10 that carries
    // characters after its key and a slip that makes it begin with 978).
    TypoRules Typos(const Reading& reading) const override {
        TypoRules rules = SingleFieldKind::Typos(reading);
        rules.test = [test = rules.test, isbn13 = IsIsbn13(reading.number)](std::string_view candidate, RowStore& sink) {
            return IsIsbn13(candidate) == isbn13 && test(candidate, sink);
        };
        return rules;
    }
};

// The kinds whose key is computed by one function of the pattern.
template <class Key>
std::function<std::vector<std::string>(std::string_view)> Keys(Key key) {
    return [key](std::string_view pattern) { return One(key(pattern)); };
}

std::unique_ptr<NumberKind> MakeEan(EanType type) {
    const std::size_t n = EanLength(type);
    const auto keys = [type](std::string_view pattern) {
        std::string key = ComputeEanTypeKey(pattern, type);
        return key.empty() ? std::vector<std::string>{} : One(std::move(key));
    };
    return Single("ean", {.format = [type](std::string_view text) { return ShowEan(text, type); },
                          .plan = [type](std::string_view text) { return EanPlan(text, type); },
                          .complete = [type](const Plan& plan) { return CompleteEan(plan, type); },
                          .search = [type](const Plan& plan, RowStore& rows, SearchPump& pump) { return SearchEan(plan, rows, pump, type); },
                          .test = [type](std::string_view c, std::string_view p, RowStore& s) { return TestEanCandidate(c, p, s, type); },
                          .keys = keys,
                          .keyAt = At(n - 1),
                          .typedLength = EanCharacters});
}

// A Luhn number of any length from 2 to 32 digits (American Express cards,
// 19-digit cards, IMEI...): its last character is the key, its length is what
// is typed. Shown in groups of four from the left.
class AnyLuhnKind : public SingleFieldKind {
public:
    AnyLuhnKind() : SingleFieldKind("luhn", Ops()) {}

    std::optional<InputFault> CheckInput(std::string_view number) const override {
        const std::size_t length = LuhnCharacters(NumberCharacters(number));
        if (length < kLuhnShortest || length > kLuhnLongest) return InputFault{"longueur", true};
        return std::nullopt;
    }

private:
    // Every operation takes the kind from the length of the text it is given.
    static LuhnKind Of(std::string_view text) { return AnyLengthLuhn(LuhnCharacters(text)); }

    // Groups of four from the left. The number's length is what it holds, so
    // an unknown key stays shown.
    static std::string Format(std::string_view text) {
        std::string shown;
        for (char c : text) {
            if (!KeepsDigitCapitalOrUnknown(c)) continue;
            if (shown.size() % 5 == 4) shown += ' ';
            shown += IsDigit(c) ? c : kUnknown;
        }
        return shown;
    }

    static FieldOps Ops() {
        return {.format = Format,
                .plan = [](std::string_view text) { return LuhnPlan(text, Of(text)); },
                .complete = [](const Plan& plan) { return CompleteLuhn(plan, Of(plan.pattern)); },  // formatted by Format
                .search = [](const Plan& plan, RowStore& rows, SearchPump& pump) { return SearchLuhn(plan, rows, pump, Of(plan.pattern)); },
                .test = [](std::string_view c, std::string_view p, RowStore& s) { return TestLuhnCandidate(c, p, s, Of(p)); },
                .keys = [](std::string_view pattern) { return LuhnKeys(pattern, Of(pattern)); },
                .keyAt = [](std::string_view pattern) { return Of(pattern).body; }};
    }
};

// The characters of a typed text that most fields keep: digits, capitals and unknown markers.
std::size_t KeptLength(std::string_view text) { return KeepDigitsCapitalsUnknown(text).size(); }

// A SIRET begins with a SIREN, which has a key of its own.
std::vector<Finding> SiretFindings(std::string_view pattern) {
    if (SirenIsRight(pattern)) return {};
    const std::string siren(Slice(pattern, 0, kSirenLength));
    const std::string key = ComputeSirenKey(siren);
    return {{false, false, "clé SIREN",
             "Clé du SIREN erronée : " + siren.substr(kSirenBody) + " saisie, " + key + " attendue."}};
}

// An AVS body whose check value is 10 has no check digit.
std::vector<std::string> AvsKeys(std::string_view pattern) {
    const std::string key = ComputeAvsKey(pattern);
    return key.size() == 1 ? One(key) : std::vector<std::string>{};
}

// A current AVS number is Swiss: its country code is 756.
std::vector<Finding> AvsFindings(std::string_view pattern) {
    if (AvsCountryIsRight(pattern)) return {};
    const std::string code(Slice(pattern, 0, kAvsCountryLength));
    return {{false, true, "code pays " + code + " : 756 attendu", "Code pays " + code + " : 756 attendu."}};
}

// A slip never changes the prefix 978 or 979 of an ISBN-13, as its search
// never does. (An "X" in the key of an ISBN-13 fails its test.)
std::string IsbnAlphabet(std::string_view number, std::size_t pos) {
    if (IsIsbn13(number) && pos < kIsbn13Prefix) return {};
    return SlotSymbols(IsbnPlan, number, pos);
}

// What follows the key of an ISBN is carried along by the field but is no
// part of the number: a number with more is never right.
std::vector<Finding> IsbnFindings(std::string_view pattern) {
    const std::size_t length = IsbnKeyAt(pattern) + 1;
    if (pattern.size() <= length) return {};
    const std::string held = std::to_string(length);
    return {{false, true, "longueur : " + held + " caractères attendus",
             "Caractères en trop ignorés : " + std::to_string(pattern.size()) + " saisis, " + held + " attendus."}};
}

}  // namespace

std::unique_ptr<NumberKind> MakeKind(std::string_view name, int codeType) {
    if (name == "insee")
        return Single(name, {.format = FormatInsee, .plan = InseePlan, .complete = CompleteInsee, .search = SearchInsee,
                             .test = TestInseeCandidate, .keys = Keys(ComputeInseeKey), .keyAt = At(kInseeBody), .keyLength = 2,
                             .typedLength = KeptLength, .letters = true});
    if (name == "rib")
        return Single(name, {.format = FormatRib, .plan = RibPlan, .complete = CompleteRib, .search = SearchRib,
                             .test = TestRibCandidate, .keys = Keys(ComputeRibKey), .keyAt = At(kRibBody), .keyLength = 2,
                             .typedLength = KeptLength, .letters = true});
    if (name == "iban") return std::make_unique<IbanKind>();
    if (name == "prof")
        return Single(name, {.format = FormatProf, .plan = ProfPlan, .complete = CompleteProf, .search = SearchProf,
                             .test = TestProfCandidate, .keys = Keys(ComputeProfKey), .keyAt = At(kProfBody),
                             .typedLength = KeptLength, .letters = true});
    if (name == "avs")
        return Single(name, {.format = FormatAvs, .plan = AvsPlan, .complete = CompleteAvs, .search = SearchAvs,
                             .test = TestAvsCandidate, .keys = AvsKeys, .keyAt = AvsKeyIndex,
                             .findings = AvsFindings, .typedLength = KeptLength});
    if (name == "isbn")
        return std::make_unique<IsbnKind>(name, FieldOps{.format = ShowIsbn, .plan = IsbnPlan, .complete = CompleteIsbn, .search = SearchIsbn,
                             .test = TestIsbnCandidate, .keys = Keys(ComputeIsbnKey), .keyAt = IsbnKeyAt,
                             .keySymbols = "0123456789X", .findings = IsbnFindings, .alphabet = IsbnAlphabet,
                             .typedLength = [](std::string_view text) { return NormaliseIsbn(text).size(); }, .letters = true});
    if (name == "carte")
        return Single(name, {.format = FormatCard, .plan = CardPlan, .complete = CompleteCard, .search = SearchCard,
                             .test = TestCardCandidate, .keys = CardKeys,
                             .keyAt = [](std::string_view pattern) { return CardLength(pattern) - 1; },
                             .typedLength = LuhnCharacters});
    if (name == "siren")
        return Single(name, {.format = FormatSiren, .plan = SirenPlan, .complete = CompleteSiren, .search = SearchSiren,
                             .test = TestSirenCandidate, .keys = Keys(ComputeSirenKey), .keyAt = At(kSirenBody),
                             .typedLength = LuhnCharacters});
    if (name == "siret")
        return Single(name, {.format = FormatSiret, .plan = SiretPlan, .complete = CompleteSiret, .search = SearchSiret,
                             .test = TestSiretCandidate, .keys = SiretKeys, .keyAt = At(kSiretBody),
                             .findings = SiretFindings, .typedLength = LuhnCharacters});
    if (name == "ean") {
        const bool known = codeType >= 0 && codeType < kEanTypeCount;
        return MakeEan(known ? static_cast<EanType>(codeType) : EanType::Ean13);
    }
    if (name == "sin")
        return Single(name, {.format = FormatSin, .plan = SinPlan, .complete = CompleteSin, .search = SearchSin,
                             .test = TestSinCandidate, .keys = Keys(ComputeSinKey), .keyAt = At(kSinBody),
                             .typedLength = SinCharacters});
    if (name == "vin") return std::make_unique<VinKind>();
    if (name == "cip") return std::make_unique<CipKind>();
    if (name == "luhn") return std::make_unique<AnyLuhnKind>();
    return nullptr;
}

std::vector<std::string_view> KindNames() {
    return {"insee", "rib", "iban", "prof", "avs", "isbn", "carte", "siren", "siret", "ean", "sin", "vin", "cip", "luhn"};
}

}  // namespace ferrino
