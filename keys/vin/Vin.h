// Vehicle identification number: seventeen characters with the check
// character at position 9, typed into eight fields.
//
//   field      1          2                    3       4                             5                6      7                    8
//   positions  1          2                    3       4-8                           9                10     11                   12-17
//              Code pays  Code constructeur    Type    Particularités du véhicule    Clé de contrôle  Année  Usine d'assemblage   Numéro de série
//
// The check character is the weighted sum of the other sixteen characters
// (letters count by a table, O counting 5 like N) modulo 11, "X" for 10.
// The search tries the 33 characters a VIN can hold at every unknown
// position: "0"-"9", then "A"-"Z" without I, O and Q. A typed I, O or Q still
// counts by the table for the key.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/Enumeration.h"
#include "common/RowStore.h"

namespace ferrino {

inline constexpr std::size_t kVinLength = 17;
inline constexpr std::size_t kVinKeyIndex = 8;  // 0-based: position 9
inline constexpr std::size_t kVinFieldCount = 8;
inline constexpr std::size_t kVinKeyField = 4;  // Vin5, the check character
inline constexpr std::array<std::size_t, kVinFieldCount> kVinFieldWidths = {1, 1, 1, 5, 1, 1, 1, 6};

// The texts of the eight fields, left to right.
using VinFields = std::array<std::string, kVinFieldCount>;

// Normalises one field of maximum length `width` (its exit): pads with unknown
// markers to that length; among its first `width` characters every one that
// is neither a digit, a capital letter nor a blank becomes an unknown marker.
// Characters beyond `width` are left as they are.
std::string FormatVinField(std::string_view text, std::size_t width);

// The check character "0".."9" or "X" of the first seventeen characters
// (position 9 is not looked at). Other characters count 0; a short text is
// padded with zeros.
std::string ComputeVinKey(std::string_view text);

// The letters a VIN never holds (they read as 1 and 0).
inline constexpr std::string_view kVinForbidden = "IOQ";

// Lists the candidate with its computed check character at position 9 when
// that character agrees with the pattern's ("?" agrees with any), unless it
// holds I, O or Q.
bool TestVinCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink);

// "Calcule": the pattern is the eight fields (already normalised) joined, every
// blank removed (a blank inside a field shifts the later characters left) and
// padded with unknown markers to seventeen characters; the slots are the
// unknown positions 1-8 and 10-17. With too many slots nothing is written back.
Plan VinPlan(const VinFields& fields);

// The fifth field's new text when the body is complete: the check character.
std::string CompleteVin(const Plan& plan);

// Lists every completion of the plan whose check character agrees with the
// pattern's, as seventeen characters with the key at position 9. The rows and
// the order of pumps are those of Enumerate with TestVinCandidate, only faster
// (each candidate costs a few additions). Returns false when stopped.
bool SearchVin(const Plan& plan, RowStore& sink, SearchPump& pump);

// A listed row split back into the eight fields (the list click): characters
// 1, 2, 3, 4-8, 9, 10, 11 and 12-17. Nothing is normalised.
VinFields VinRowFields(std::string_view row);

// A whole VIN in one piece, as pasted into one box, split into the eight
// fields: its NumberCharacters (separators dropped, "*" an unknown marker) in
// capitals must be seventeen digits, letters or unknown markers.
// Anything else is no whole VIN.
std::optional<VinFields> SplitVin(std::string_view text);

}  // namespace ferrino
