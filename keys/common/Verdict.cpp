#include "Verdict.h"

#include "Text.h"

namespace ferrino {

namespace {

constexpr const char* kNarrowNoBreakSpace = "\xE2\x80\xAF";

// "1 candidat" / "17 100 candidats": the count, then the noun, plural from 2 on.
std::string Counted(std::uint64_t count, const char* singular, const char* plural) {
    return FrenchCount(count) + ' ' + (count > 1 ? plural : singular);
}

}  // namespace

Verdict KeyVerdict(std::size_t unknowns, std::size_t limit, std::string typedKey, const std::vector<std::string>& fitting) {
    Verdict verdict;
    verdict.unknowns = unknowns;
    verdict.limit = limit;
    verdict.typedKey = std::move(typedKey);
    if (unknowns > limit) {
        verdict.key = KeyState::TooMany;
        return verdict;
    }
    if (unknowns > 0) {
        verdict.key = KeyState::Unknowns;
        return verdict;
    }
    for (const std::string& key : fitting) {
        if (!verdict.expectedKey.empty()) verdict.expectedKey += " ou ";
        verdict.expectedKey += key;
    }
    bool fits = false;
    for (const std::string& key : fitting) fits = fits || key == verdict.typedKey;
    if (fitting.empty())
        verdict.key = KeyState::None;
    else if (verdict.typedKey.empty() || verdict.typedKey.find(kUnknown) != std::string::npos)
        verdict.key = KeyState::Computed;
    else
        verdict.key = fits ? KeyState::Correct : KeyState::Wrong;
    return verdict;
}

bool Verdict::Valid() const {
    if (key != KeyState::Correct && !(key == KeyState::Wrong && !keyOptional.empty())) return false;
    for (const Finding& finding : findings)
        if (!finding.ok) return false;
    return true;
}

bool Verdict::WholeNumber() const {
    return key == KeyState::Correct || key == KeyState::Wrong ||
           (key == KeyState::None && !typedKey.empty() && typedKey.find(kUnknown) == std::string::npos);
}

std::string Verdict::FirstCause() const {
    for (const Finding& finding : findings)
        if (!finding.ok && finding.beforeKey) return finding.cause;
    switch (key) {
        case KeyState::Correct: break;
        case KeyState::Unknowns: return "caractères inconnus";
        case KeyState::TooMany: return "trop de caractères inconnus";
        case KeyState::TooLong: return "trop long";
        case KeyState::None: return "clé attendue : aucune";
        case KeyState::Wrong:
            if (!keyOptional.empty()) break;
            [[fallthrough]];
        case KeyState::Computed: return std::string(kExpectedKeyCause) + expectedKey;
    }
    for (const Finding& finding : findings)
        if (!finding.ok) return finding.cause;
    return {};
}

std::string FrenchCount(std::uint64_t count) {
    const std::string digits = std::to_string(count);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i && (digits.size() - i) % 3 == 0) out += kNarrowNoBreakSpace;
        out += digits[i];
    }
    return out;
}

std::string VerdictText(const Verdict& verdict) {
    std::string text;
    switch (verdict.key) {
        case KeyState::Correct: text = "Clé correcte."; break;
        case KeyState::Wrong:
            if (!verdict.keyOptional.empty()) {
                text = verdict.keyOptional;
                break;
            }
            text = "Clé erronée : " + verdict.typedKey + " saisie, " + verdict.expectedKey + " attendue.";
            break;
        case KeyState::Computed: text = "Clé calculée : " + verdict.expectedKey + "."; break;
        case KeyState::None: text = "Aucune clé possible pour ce numéro."; break;
        case KeyState::TooMany:
            text = "Trop de caractères inconnus (" + FrenchCount(verdict.unknowns) + ") : " + FrenchCount(verdict.limit) +
                   " au plus.";
            break;
        case KeyState::TooLong: return "Numéro trop long : " + FrenchCount(verdict.limit) + " caractères au plus.";
        case KeyState::Unknowns:
            // Only what rules out every completion (an IBAN's length...).
            for (const Finding& finding : verdict.findings) {
                if (finding.ok) continue;
                if (!text.empty()) text += ' ';
                text += finding.text;
            }
            return text;
    }
    if (verdict.key == KeyState::TooMany) return text;
    for (const Finding& finding : verdict.findings) {
        text += ' ';
        text += finding.text;
    }
    return text;
}

std::string SearchText(std::uint64_t rows, bool stopped) {
    if (stopped) return "Recherche interrompue : " + Counted(rows, "candidat trouvé.", "candidats trouvés.");
    if (rows == 0) return "Aucun candidat.";
    return Counted(rows, "candidat.", "candidats.");
}

std::string CorrectionsText(std::uint64_t rows, bool stopped) {
    if (stopped)
        return "Recherche interrompue : " + Counted(rows, "correction trouvée.", "corrections trouvées.");
    if (rows == 0) return "Aucune correction à une faute de frappe.";
    return Counted(rows, "correction possible", "corrections possibles") +
           " (un caractère changé ou deux voisins échangés).";
}

}  // namespace ferrino
