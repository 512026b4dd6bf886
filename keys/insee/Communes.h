// French départements and communes by their INSEE code, and the commune of a
// SIREN. The table is the official geographic code of 2026 (keys/insee/Communes.cpp).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ferrino {

enum class CommuneKind {
    Commune,         // a commune today
    Deleguee,        // a commune déléguée of a commune nouvelle
    Associee,        // a commune associée
    Arrondissement,  // an arrondissement municipal of Paris, Lyon or Marseille
    FormerCode,      // the code of a commune merged into another, which
                     // holds no row of its own any more (20004 for Ajaccio)
};

struct Commune {
    std::string code;           // five characters: "75056", "2A004", "97411"
    std::string name;           // UTF-8; for a former code, the commune's today
    CommuneKind kind = CommuneKind::Commune;
    std::string departement;    // "75", "2A", "974"; for a former code, today's
    std::string parentCode;     // the commune a déléguée, associée, arrondissement
    std::string parentName;     // or former code belongs to; empty for a commune
    std::string delegatedName;  // a commune's own commune déléguée of the same
                                // code (its name before the merger), or empty
    std::string siren;          // nine digits for a commune that has one, or empty
};

// The commune, commune déléguée, associée or arrondissement of a five-character
// INSEE code; a code held both by a commune and by its commune déléguée gives
// the commune, with the déléguée's name in delegatedName. A former code no
// row holds any more gives the commune it belongs to today.
std::optional<Commune> FindCommune(std::string_view code);

// The commune whose SIREN these nine digits are.
std::optional<Commune> FindCommuneBySiren(std::string_view siren);

// The département of a commune's code: its first two characters, three for
// the codes beginning with 97 or 98. Empty for a code shorter than that.
std::string_view DepartementOfCommune(std::string_view code);

// The name of a département ("01", "2A", "974"...).
std::optional<std::string_view> DepartementName(std::string_view code);

}  // namespace ferrino
