#include "Bban.h"

#include "Iban.h"
#include "rib/Rib.h"

namespace ferrino {

namespace {

constexpr std::string_view kCapitals = kDigitsAndLetters.substr(10);

// The value of a digit (0-9) or a capital (A = 0 ... Z = 25), as the CIN counts them.
constexpr int CinValue(char c) { return IsDigit(c) ? c - '0' : c - 'A'; }

// The remainder mod 97 of the digits of `digits`.
int Mod97(std::string_view digits) {
    int r = 0;
    for (char c : digits) r = (r * 10 + DigitValue(c)) % 97;
    return r;
}

// The national keys a BBAN calls for, one after the other ("98" + "01" when
// two fit); empty when none does.
std::string RibKeys(std::string_view bban) { return ComputeRibKey(bban); }

std::string BelgianKeys(std::string_view bban) {
    const int r = Mod97(Slice(bban, 0, 10));
    return TwoDigits(r ? r : 97);
}

char CccDigit(std::string_view ten) {
    static constexpr int kWeights[] = {1, 2, 4, 8, 5, 10, 9, 7, 3, 6};
    int sum = 0;
    for (std::size_t i = 0; i < 10 && i < ten.size(); ++i) sum += kWeights[i] * DigitValue(ten[i]);
    const int digit = 11 - sum % 11;
    return static_cast<char>('0' + (digit == 11 ? 0 : digit == 10 ? 1 : digit));
}

std::string SpanishKeys(std::string_view bban) {
    return {CccDigit("00" + std::string(Slice(bban, 0, 8))), CccDigit(Slice(bban, 10, 10))};
}

std::string CinKeys(std::string_view bban) {
    // Odd places (from 1) count by this table, even places by their value.
    static constexpr int kOdd[26] = {1, 0, 5, 7, 9, 13, 15, 17, 19, 21, 2, 4, 18, 20, 11, 3, 6, 8, 12, 14, 16, 10, 22, 25, 24, 23};
    int sum = 0;
    const std::string_view body = Slice(bban, 1, 22);
    for (std::size_t i = 0; i < body.size(); ++i) {
        const int value = CinValue(body[i]);
        sum += i % 2 == 0 ? kOdd[value] : value;
    }
    return std::string(1, static_cast<char>('A' + sum % 26));
}

std::string NorwegianKeys(std::string_view bban) {
    static constexpr int kWeights[] = {6, 7, 8, 9, 4, 5, 6, 7, 8, 9};
    int sum = 0;
    for (std::size_t i = 0; i < 10 && i < bban.size(); ++i) sum += kWeights[i] * DigitValue(bban[i]);
    const int digit = sum % 11;
    return digit == 10 ? std::string() : std::string(1, static_cast<char>('0' + digit));
}

// What stands before the last two places.
std::string_view BeforeLastTwo(std::string_view bban) { return Slice(bban, 0, bban.size() < 2 ? 0 : bban.size() - 2); }

// The last two digits make the whole BBAN 1 mod 97: two keys fit when the
// smaller one is 00 or 01 (97 and 98 fit too).
std::string Mod97Is1Keys(std::string_view bban) {
    const int r = Mod97(BeforeLastTwo(bban)) * 100 % 97;
    std::string keys;
    for (int key = (98 - r) % 97; key < 100; key += 97) keys += TwoDigits(key);
    return keys;
}

std::string RibRuleKeys(std::string_view bban) {
    return TwoDigits(97 - Mod97(BeforeLastTwo(bban)) * 100 % 97);
}

}  // namespace

struct NationalKeyRule {
    std::string_view code;
    std::string_view name;  // "clé RIB"...
    std::size_t at;         // where the key stands in the BBAN, from 0
    std::size_t length;
    std::string (*keys)(std::string_view bban);
};

namespace {

// `at` past the end of a BBAN counts from its end (the last two places).
constexpr std::size_t kLastTwo = static_cast<std::size_t>(-1);

constexpr NationalKeyRule kNationalKeys[] = {
    {"BA", "clé nationale", kLastTwo, 2, Mod97Is1Keys},  {"BE", "clé nationale", 10, 2, BelgianKeys},
    {"ES", "clé nationale", 8, 2, SpanishKeys},          {"FR", "clé RIB", 21, 2, RibKeys},
    {"IT", "clé CIN", 0, 1, CinKeys},                    {"MC", "clé RIB", 21, 2, RibKeys},
    {"ME", "clé nationale", kLastTwo, 2, Mod97Is1Keys},  {"MR", "clé RIB", kLastTwo, 2, RibRuleKeys},
    {"NO", "clé nationale", 10, 1, NorwegianKeys},       {"PT", "clé nationale", kLastTwo, 2, Mod97Is1Keys},
    {"RS", "clé nationale", kLastTwo, 2, Mod97Is1Keys},  {"SI", "clé nationale", kLastTwo, 2, Mod97Is1Keys},
    {"SM", "clé CIN", 0, 1, CinKeys},                    {"TN", "clé RIB", kLastTwo, 2, RibRuleKeys},
};

// The national key as typed in the BBAN.
std::string_view TypedKey(const NationalKeyRule& rule, std::string_view bban) {
    if (rule.at != kLastTwo) return Slice(bban, rule.at, rule.length);
    return Slice(bban, bban.size() < rule.length ? 0 : bban.size() - rule.length, rule.length);
}

constexpr bool Allows(char place, char c) {
    if (c == kUnknown) return true;
    if (place == 'n') return IsDigit(c);
    if (place == 'a') return IsCapital(c);
    return IsDigit(c) || IsCapital(c);
}

// "8" / "8 ou 1" for the keys of a rule, one after the other in `keys`.
std::string Listed(std::string_view keys, std::size_t length) {
    std::string out;
    for (std::size_t at = 0; at + length <= keys.size(); at += length) {
        if (!out.empty()) out += " ou ";
        out += keys.substr(at, length);
    }
    return out;
}

// "Clé CIN" from "clé CIN".
std::string Capitalised(std::string_view name) { return "C" + std::string(name.substr(1)); }

}  // namespace

BbanRules::BbanRules(std::string_view countryField) {
    const std::string code = IbanCountryCode(countryField);
    country_ = FindIbanCountry(code);
    if (!country_) return;
    for (const NationalKeyRule& rule : kNationalKeys)
        if (rule.code == code) national_ = &rule;
}

std::string_view BbanRules::Symbols(std::size_t pos) const {
    if (!country_) return kDigitsAndLetters;
    if (pos >= country_->places.size()) return {};
    switch (country_->places[pos]) {
        case 'n': return kDigits;
        case 'a': return kCapitals;
        default: return kDigitsAndLetters;
    }
}

std::size_t BbanRules::Misfit(std::string_view bban) const {
    if (!country_) return std::string_view::npos;
    const std::string_view places = country_->places;
    if (bban.size() != places.size()) return kWrongLength;
    for (std::size_t i = 0; i < bban.size(); ++i)
        if (!Allows(places[i], bban[i])) return i;
    return std::string_view::npos;
}

std::optional<Finding> BbanRules::Fault(std::string_view bban) const {
    const std::size_t misfit = Misfit(bban);
    if (misfit == std::string_view::npos) return std::nullopt;
    const std::string code(country_->code);
    if (misfit == kWrongLength) {
        const std::string registered = std::to_string(country_->length);
        return Finding{false, true, "longueur : " + registered + " attendus pour " + code,
                       "Longueur : " + std::to_string(4 + bban.size()) + " caractères, " + registered + " attendus pour " + code + "."};
    }
    const std::string place = std::to_string(misfit + 1);
    const std::string wanted = country_->places[misfit] == 'n' ? "chiffre attendu" : "lettre attendue";
    return Finding{false, true, "caractère " + place + " du BBAN : " + wanted + " pour " + code,
                   "Caractère " + place + " du BBAN : " + std::string(1, bban[misfit]) + " saisi, " + wanted + " pour " + code + "."};
}

bool BbanRules::NationalKeyAgrees(std::string_view bban) const {
    if (!national_) return true;
    const std::string keys = national_->keys(bban);
    const std::string_view typed = TypedKey(*national_, bban);
    if (typed.size() != national_->length) return false;
    for (std::size_t at = 0; at + typed.size() <= keys.size(); at += typed.size())
        if (keys.compare(at, typed.size(), typed) == 0) return true;
    return false;
}

std::optional<Finding> BbanRules::NationalKey(std::string_view bban) const {
    if (!national_) return std::nullopt;
    const std::string name = Capitalised(national_->name);
    if (NationalKeyAgrees(bban)) return Finding{true, false, {}, name + " correcte."};
    const std::string keys = national_->keys(bban);
    if (keys.empty())
        return Finding{false, false, std::string(national_->name) + " : aucune", "Aucune " + std::string(national_->name) + " possible pour ce compte."};
    const std::string typed(TypedKey(*national_, bban));
    return Finding{false, false, std::string(national_->name),
                   name + " erronée : " + typed + " saisie, " + Listed(keys, national_->length) + " attendue."};
}

bool BbanRules::Accepts(std::string_view bban) const {
    return Misfit(bban) == std::string_view::npos && NationalKeyAgrees(bban);
}

}  // namespace ferrino
