// What "Calcule" found about a number, in words a person reads.
//
// Every kind answers with the same shape: the state of the key (right, wrong,
// computed because none was typed, impossible, or not decided because
// characters are unknown), and the further checks some kinds make beyond the
// key (an IBAN's registered length, the RIB inside a French IBAN, the
// characters a VIN may not hold). The window writes VerdictText into its
// status bar; the command line writes OK or ERREUR with the first fault.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ferrino {

enum class KeyState {
    Correct,    // the typed key is the one the number calls for
    Wrong,      // another key was typed
    Computed,   // no key (or only part of one) was typed: the key is given
    None,       // no key fits the number (an AVS number of check value 10)
    Unknowns,   // characters of the body are unknown: a search decides
    TooMany,    // more unknown characters than a search takes
    TooLong,    // longer than the kind can ever be (`limit` is then the longest)
};

// The command line's cause of a wrong or missing key, before the key: "clé
// attendue : 7".
inline constexpr std::string_view kExpectedKeyCause = "clé attendue : ";

// What the quick check of a batch says of a number (NumberKind::QuickCheck):
// right, wrong, or not its case (the full check then answers).
enum class QuickAnswer { kUnsure, kRight, kWrong };

// A check beyond the key.
struct Finding {
    bool ok = true;
    // Named before the key's own fault on the command line (an IBAN's country
    // and length come before its key, its RIB key after).
    bool beforeKey = false;
    std::string cause;  // the command line's words for a fault, e.g. "longueur : 27 attendus pour FR"
    std::string text;   // the window's sentence, e.g. "Longueur : 27 caractères, conforme pour FR."
};

struct Verdict {
    KeyState key = KeyState::TooMany;
    std::string typedKey;     // as written, unknown markers included
    std::string expectedKey;  // the key the body calls for ("3 ou 8" when two fit); empty when none
    std::size_t unknowns = 0;  // unknown characters of the body
    std::size_t limit = 4;     // at most this many are searched
    std::vector<Finding> findings;
    // Set when the key need not compute (a VIN built for neither North
    // America nor China): a wrong key is then no fault, and this sentence
    // replaces "Clé erronée…".
    std::string keyOptional;

    // The number is right: its key agrees (or need not) and every further check passed.
    bool Valid() const;
    // The whole number is known: no unknown body character, a whole key typed.
    bool WholeNumber() const;
    // The first fault in the command line's order, or empty when valid.
    std::string FirstCause() const;
};

// The verdict on a key alone. `unknowns`: unknown characters of the body, of
// which a search takes at most `limit`; `typedKey`: the key as written (an
// unknown marker in it counts as no key typed); `fitting`: the keys that fit
// the body, empty when none does (only looked at when nothing is unknown).
Verdict KeyVerdict(std::size_t unknowns, std::size_t limit, std::string typedKey, const std::vector<std::string>& fitting);

// A whole number written with French grouping: narrow no-break spaces
// (U+202F, UTF-8) between groups of three digits, "1 167 323".
std::string FrenchCount(std::uint64_t count);

// The status bar's sentence (UTF-8) for a number whose key was looked at:
// "Clé correcte.", "Clé erronée : 36 saisie, 91 attendue.", "Clé calculée : 91.",
// "Aucune clé possible pour ce numéro.", "Trop de caractères inconnus (5) : 4 au
// plus.", followed by the findings' sentences. For KeyState::Unknowns, whose
// sentence is the search's (SearchText), only the sentences of the faults no
// completion mends, which follow it: usually nothing.
std::string VerdictText(const Verdict& verdict);

// The sentence after a search: "17 100 candidats.", "1 candidat.", "Aucun
// candidat.", or "Recherche interrompue : 1 167 323 candidats trouvés.".
std::string SearchText(std::uint64_t rows, bool stopped);

// The sentence after a search for typing errors: "3 corrections possibles (un
// caractère changé ou deux voisins échangés).", or "Aucune correction à une
// faute de frappe.", or the stopped search's count.
std::string CorrectionsText(std::uint64_t rows, bool stopped);

}  // namespace ferrino
