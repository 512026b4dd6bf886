// The Luhn check digit and everything the bank card, SIREN, SIRET and SIN
// numbers share around it.
//
// Each of the four is a body of N digits followed by one check digit. The key
// doubles the body digit next to it and every second digit leftwards from
// there, counts every value as the sum of its decimal digits and brings the
// total up to a multiple of ten. The four differ only in what a LuhnKind
// holds: their lengths, their groups on screen, which typed characters their
// field keeps, and which candidates a search will not list. Each kind's own
// functions are the ones below with its LuhnKind.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/Enumeration.h"
#include "common/RowStore.h"
#include "common/Verdict.h"

namespace ferrino {

struct LuhnKind {
    // N: the digits the key is computed from; the key follows at position N + 1.
    std::size_t body = 0;
    // Widths of the groups the number is shown in, adding up to N + 1.
    std::span<const std::size_t> groups;
    // Leaving the field keeps the characters this accepts, in order, and drops
    // the others; a kept character that is not a digit becomes an unknown marker.
    // Null reads as KeepsDigitCapitalOrUnknown.
    bool (*keeps)(char c) = nullptr;
    // Searches only: true for a body (exactly N digits) that is not to be listed,
    // whatever its key. Completing a number without unknown markers never asks.
    // May be null.
    bool (*refuses)(std::string_view body) = nullptr;
    // True for a body (exactly N digits) whose key does not follow Luhn but
    // brings the sum of all the digits, none doubled, to a multiple of 5; two
    // keys (d and d + 5) then fit. May be null.
    bool (*digitSumKey)(std::string_view body) = nullptr;

    // L: the whole number, key included.
    constexpr std::size_t Length() const { return body + 1; }

    // The groups cover the whole number; each kind checks this at compile time.
    constexpr bool GroupsCoverNumber() const {
        std::size_t total = 0;
        for (std::size_t width : groups) total += width;
        return total == Length();
    }
};

// A Luhn number of `length` digits, key included (2 to 32), shown in groups of
// four from the left, keeping what the card number keeps.
LuhnKind AnyLengthLuhn(std::size_t length);
inline constexpr std::size_t kLuhnShortest = 2;
inline constexpr std::size_t kLuhnLongest = 32;

// The characters of `text` a Luhn field keeps (digits, capitals, unknown
// markers): the length of the number it holds.
std::size_t LuhnCharacters(std::string_view text);

// The check digit "0"-"9" of the first `bodyLength` characters of `text`. A
// shorter text counts as padded with "0"; characters after the body are
// ignored; a character that is not a digit counts as 0.
std::string ComputeLuhnKey(std::string_view text, std::size_t bodyLength);

// The field rule of the card, SIREN and SIRET numbers: digits, "?" and
// capital letters are kept, everything else is dropped.
bool KeepsDigitCapitalOrUnknown(char c);

// Normalises typed text and lays it out in the kind's groups, separated by
// single blanks, without trailing unknown markers; characters after the
// whole number are dropped.
std::string FormatLuhn(std::string_view text, const LuhnKind& kind);

// The keys that fit a body, in increasing order: the Luhn key, or the two
// keys of a body with a digit-sum key.
std::vector<std::string> LuhnKeys(std::string_view body, const LuhnKind& kind);

// Computes the candidate's key; lists the body with that key in display form
// unless the kind refuses the body, and only when the pattern's key position
// holds that key or an unknown marker. Returns whether it listed a row. The
// body is read as the key reads it (missing or non-digit characters count as
// "0"), so a listed row is always a complete number. A body with a digit-sum
// key lists each fitting key in turn, or only the candidate's own key when
// the search wrote one into the key position.
bool TestLuhnCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink, const LuhnKind& kind);

// "Calcule": the normalised field without blanks, padded with unknown markers
// to N + 1 characters; its unknown body positions try "0"-"9"; limit 4. A
// complete body with a digit-sum key searches its key position instead of
// being completed: it lists every key that fits, the typed one replaced as a
// completion replaces it.
Plan LuhnPlan(std::string_view fieldText, const LuhnKind& kind);

// The field's new text when the body has no unknown marker: the body followed
// by its key (a typed key is replaced; nothing is refused).
std::string CompleteLuhn(const Plan& plan, const LuhnKind& kind);

// The quick check of a batch (NumberKind::QuickCheck) on the digits of a
// number in its plain form (PlainDigits, common/Text.h): kUnsure unless they
// are exactly the kind's length and the body's key follows Luhn; otherwise
// `shown` is the number in the kind's groups and the answer is whether the
// key fits (`cause` then names the key expected). A kind with further
// checks makes them on kRight.
QuickAnswer QuickLuhn(std::string_view digits, const LuhnKind& kind, std::string& shown, std::string& cause);

// Lists every accepted completion of the plan, in the order of the search.
// Returns false when stopped.
bool SearchLuhn(const Plan& plan, RowStore& sink, SearchPump& pump, const LuhnKind& kind);

}  // namespace ferrino
