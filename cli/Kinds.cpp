#include "Kinds.h"

#include <climits>
#include <functional>
#include <utility>

#include "avs/Avs.h"
#include "card/Card.h"
#include "cip/Cip.h"
#include "common/Text.h"
#include "insee/Insee.h"
#include "isbn/Isbn.h"
#include "prof/Prof.h"
#include "rib/Rib.h"
#include "sin/Sin.h"
#include "siren/Siren.h"
#include "siret/Siret.h"
#include "vin/Vin.h"

namespace ferrino::cli {

namespace {

// Nothing stops a search from the command line: the pump never asks.
bool NeverStop() { return false; }

SearchPump QuietPump() { return SearchPump(NeverStop, UINT_MAX); }

// The pages with one number field: the field takes the whole number.
struct FieldOps {
    std::function<std::string(std::string_view)> format;  // the field's exit normalisation
    std::function<Plan(std::string_view)> plan;
    std::function<std::string(const Plan&)> complete;
    std::function<bool(const Plan&, RowStore&, SearchPump&)> search;
    std::function<std::string(std::string_view)> key;     // key of a pattern's body, "" when none fits
    std::size_t keyAt = 0;                                // where the key stands in the pattern
    std::size_t keyLength = 1;
};

class SingleFieldKind : public Kind {
public:
    SingleFieldKind(std::string_view name, FieldOps ops) : name_(name), ops_(std::move(ops)) {}

    std::string_view Name() const override { return name_; }

    Reading Read(std::string_view number) const override {
        Reading reading;
        reading.shown = ops_.format(number);
        static_cast<Plan&>(reading.plan) = ops_.plan(reading.shown);
        return reading;
    }

    std::string Completed(const Reading& reading) const override { return ops_.format(ops_.complete(reading.plan)); }

    void Search(const Reading& reading, RowStore& rows) const override {
        SearchPump pump = QuietPump();
        ops_.search(reading.plan, rows, pump);
    }

    std::string WrittenKey(const Reading& reading) const override {
        return std::string(Slice(reading.plan.pattern, ops_.keyAt, ops_.keyLength));
    }

    std::string ExpectedKey(const Reading& reading) const override { return ops_.key(reading.plan.pattern); }

private:
    std::string name_;
    FieldOps ops_;
};

// Country code, key and BBAN: three fields side by side.
class IbanKind : public Kind {
public:
    std::string_view Name() const override { return "iban"; }

    Reading Read(std::string_view number) const override {
        const std::string text = RemoveBlanks(number);
        Reading reading;
        reading.country = std::string(Slice(text, 0, 2));
        const std::string bban = FormatIban(Slice(text, 4, std::string_view::npos));
        reading.plan = IbanPlan(bban, Slice(text, 2, 2));
        reading.shown = Row(reading.country, reading.plan.keyPattern, bban);
        return reading;
    }

    std::string Completed(const Reading& reading) const override {
        return Row(reading.country, CompleteIban(reading.plan, reading.country), FormatIban(reading.plan.pattern));
    }

    void Search(const Reading& reading, RowStore& rows) const override {
        SearchPump pump = QuietPump();
        SearchIban(reading.plan, reading.country, rows, pump);
    }

    std::string WrittenKey(const Reading& reading) const override { return reading.plan.keyPattern; }

    std::string ExpectedKey(const Reading& reading) const override {
        return ComputeIbanKey(reading.plan.pattern, reading.country);
    }

private:
    // What a listed row shows: "CC KK " and the BBAN in groups of four. The
    // BBAN's display form ends with a blank, which a line of output leaves out.
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
class VinKind : public Kind {
public:
    std::string_view Name() const override { return "vin"; }

    Reading Read(std::string_view number) const override {
        std::string text;
        text.reserve(number.size());
        for (char c : number)
            if (c != ' ' && c != '-') text += c;
        VinFields fields;
        std::size_t at = 0;
        for (std::size_t i = 0; i < kVinFieldCount; ++i) {
            fields[i] = FormatVinField(Slice(text, at, kVinFieldWidths[i]), kVinFieldWidths[i]);
            at += kVinFieldWidths[i];
        }
        Reading reading;
        static_cast<Plan&>(reading.plan) = VinPlan(fields);
        reading.shown = reading.plan.pattern;
        return reading;
    }

    std::string Completed(const Reading& reading) const override {
        std::string number = reading.plan.pattern;
        const std::string key = CompleteVin(reading.plan);
        if (number.size() > kVinKeyIndex && !key.empty()) number[kVinKeyIndex] = key[0];
        return number;
    }

    void Search(const Reading& reading, RowStore& rows) const override {
        SearchPump pump = QuietPump();
        SearchVin(reading.plan, rows, pump);
    }

    std::string WrittenKey(const Reading& reading) const override {
        return std::string(Slice(reading.plan.pattern, kVinKeyIndex, 1));
    }

    std::string ExpectedKey(const Reading& reading) const override { return ComputeVinKey(reading.plan.pattern); }
};

// The code field (six characters) and the key field (one).
class CipKind : public Kind {
public:
    std::string_view Name() const override { return "cip"; }

    Reading Read(std::string_view number) const override {
        while (!number.empty() && number.front() == ' ') number.remove_prefix(1);
        while (!number.empty() && number.back() == ' ') number.remove_suffix(1);
        std::string code;
        std::string_view key;
        const std::size_t blank = number.rfind(' ');
        if (blank != std::string_view::npos) {
            code = RemoveBlanks(number.substr(0, blank));
            key = number.substr(blank + 1);
        } else {
            code = std::string(Slice(number, 0, kCipCodeLength));
            key = Slice(number, kCipCodeLength, std::string_view::npos);
        }
        // Each field takes no more than it can hold.
        const std::string codeField = FormatCipField(Slice(code, 0, kCipCodeLength), kCipCodeLength);
        const std::string keyField = FormatCipField(Slice(key, 0, kCipKeyLength), kCipKeyLength);
        Reading reading;
        static_cast<Plan&>(reading.plan) = CipPlan(codeField, keyField);
        reading.shown = codeField + ' ' + keyField;
        return reading;
    }

    std::string Completed(const Reading& reading) const override {
        return std::string(Slice(reading.plan.pattern, 0, kCipCodeLength)) + ' ' + CompleteCip(reading.plan);
    }

    void Search(const Reading& reading, RowStore& rows) const override {
        SearchPump pump = QuietPump();
        SearchCip(reading.plan, rows, pump);
    }

    std::string WrittenKey(const Reading& reading) const override {
        return std::string(Slice(reading.plan.pattern, kCipCodeLength, kCipKeyLength));
    }

    std::string ExpectedKey(const Reading& reading) const override { return ComputeCipKey(reading.plan.pattern); }
};

// An AVS body whose check value is 10 has no check digit.
std::string AvsExpectedKey(std::string_view pattern) {
    std::string key = ComputeAvsKey(pattern);
    if (key.size() != 1) key.clear();
    return key;
}

std::unique_ptr<Kind> Single(std::string_view name, FieldOps ops) {
    return std::make_unique<SingleFieldKind>(name, std::move(ops));
}

}  // namespace

std::unique_ptr<Kind> MakeKind(std::string_view name, EanType eanType) {
    if (name == "insee")
        return Single(name, {FormatInsee, InseePlan, CompleteInsee, SearchInsee, ComputeInseeKey, kInseeBody, 2});
    if (name == "rib") return Single(name, {FormatRib, RibPlan, CompleteRib, SearchRib, ComputeRibKey, kRibBody, 2});
    if (name == "iban") return std::make_unique<IbanKind>();
    if (name == "prof") return Single(name, {FormatProf, ProfPlan, CompleteProf, SearchProf, ComputeProfKey, kProfBody, 1});
    if (name == "avs") return Single(name, {FormatAvs, AvsPlan, CompleteAvs, SearchAvs, AvsExpectedKey, kAvsBody, 1});
    if (name == "isbn") return Single(name, {ShowIsbn, IsbnPlan, CompleteIsbn, SearchIsbn, ComputeIsbnKey, kIsbnBody, 1});
    if (name == "carte") return Single(name, {FormatCard, CardPlan, CompleteCard, SearchCard, ComputeCardKey, kCardBody, 1});
    if (name == "siren")
        return Single(name, {FormatSiren, SirenPlan, CompleteSiren, SearchSiren, ComputeSirenKey, kSirenBody, 1});
    if (name == "siret")
        return Single(name, {FormatSiret, SiretPlan, CompleteSiret, SearchSiret, ComputeSiretKey, kSiretBody, 1});
    if (name == "ean") {
        const std::size_t n = EanLength(eanType);
        return Single(name, {[eanType](std::string_view text) { return ShowEan(text, eanType); },
                             [eanType](std::string_view text) { return EanPlan(text, eanType); },
                             [eanType](const Plan& plan) { return CompleteEan(plan, eanType); },
                             [eanType](const Plan& plan, RowStore& rows, SearchPump& pump) {
                                 return SearchEan(plan, rows, pump, eanType);
                             },
                             [n](std::string_view pattern) { return ComputeEanKey(pattern, n); }, n - 1, 1});
    }
    if (name == "sin") return Single(name, {FormatSin, SinPlan, CompleteSin, SearchSin, ComputeSinKey, kSinBody, 1});
    if (name == "vin") return std::make_unique<VinKind>();
    if (name == "cip") return std::make_unique<CipKind>();
    return nullptr;
}

}  // namespace ferrino::cli
