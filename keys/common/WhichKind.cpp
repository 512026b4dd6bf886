#include "WhichKind.h"

#include <iterator>
#include <memory>
#include <vector>

#include "Text.h"

namespace ferrino {

namespace {

// What the pages call each kind: its noun and its tab's caption, as the
// window shows them. "ean" is named by code type, in the order of EanType.
struct KindWords {
    std::string_view name;
    int codeType;
    std::string_view noun;
    std::string_view page;
};

constexpr KindWords kWords[] = {
    {"insee", 0, "un numéro Insee", "Clé Insee"},
    {"rib", 0, "un RIB", "Clé RIB/RIP"},
    {"iban", 0, "un IBAN", "CLé IBAN"},
    {"prof", 0, "un numéro de professionnel de santé", "Clé Professionnel de santé"},
    {"avs", 0, "un numéro AVS", "Clé AVS"},
    {"isbn", 0, "un ISBN", "ISBN"},
    {"carte", 0, "un numéro de carte bancaire", "Cartes bancaires"},
    {"siren", 0, "un SIREN", "SIREN"},
    {"siret", 0, "un SIRET", "SIRET"},
    {"ean", 1, "un code EAN 13", "Codes EAN"},
    {"ean", 0, "un code EAN 8", "Codes EAN"},
    {"ean", 2, "un code UPC-A", "Codes EAN"},
    {"ean", 3, "un code UPC-C", "Codes EAN"},
    {"ean", 4, "un code UPC-E", "Codes EAN"},
    {"sin", 0, "un S.I.N.", "S.I.N."},
    {"vin", 0, "un VIN", "VIN"},
    {"cip", 0, "un code CIP/ACL", "CIP/ACL"},
    {"luhn", 0, "un numéro à clé de Luhn", ""},
};

std::string Joined(const Fields& fields) {
    std::string text;
    for (const std::string& field : fields) {
        if (!text.empty()) text += ' ';
        text += field;
    }
    return text;
}

// The kinds of the table, made once: a page's verdict asks each of them.
const std::vector<std::unique_ptr<NumberKind>>& Kinds() {
    static const std::vector<std::unique_ptr<NumberKind>> kinds = [] {
        std::vector<std::unique_ptr<NumberKind>> made;
        for (const KindWords& words : kWords) made.push_back(MakeKind(words.name, words.codeType));
        return made;
    }();
    return kinds;
}

// A right number of the kind that holds every character of the text: a
// field that drops what the number does not hold (the seventh digit of a
// CIP/ACL code and beyond) must not make a longer text one of its numbers.
bool RightWhole(const NumberKind& kind, std::string_view text, Reading* reading = nullptr) {
    if (!kind.IsRightText(text)) return false;
    Reading read = kind.ReadText(text);
    if (NumberCharacters(read.shown).size() != NumberCharacters(text).size()) return false;
    if (reading) *reading = std::move(read);
    return true;
}

}  // namespace

std::vector<KindMatch> RightKinds(std::string_view text) {
    std::vector<KindMatch> matches;
    for (std::string_view name : KindNames()) {
        for (std::size_t i = 0; i < std::size(kWords); ++i) {
            const KindWords& words = kWords[i];
            if (words.name != name || (name == "luhn" && !matches.empty())) continue;
            const NumberKind* kind = Kinds()[i].get();
            Reading reading;
            if (!RightWhole(*kind, text, &reading)) continue;
            matches.push_back({name, words.codeType, words.noun, words.page, reading.shown, kind->Details(reading)});
        }
    }
    return matches;
}

std::string OtherPageHint(const NumberKind& kind, const Fields& typed) {
    const std::string text = Joined(typed);
    std::string hint;
    for (std::size_t i = 0; i < std::size(kWords); ++i) {
        const KindWords& words = kWords[i];
        if (words.page.empty() || words.name == kind.Name()) continue;
        Reading reading;
        if (!RightWhole(*Kinds()[i], text, &reading) || !Kinds()[i]->Recognised(reading)) continue;
        if (!hint.empty()) hint += ' ';
        hint += "C'est " + std::string(words.noun) + " valide : page " + std::string(words.page) + ".";
    }
    return hint;
}

}  // namespace ferrino
