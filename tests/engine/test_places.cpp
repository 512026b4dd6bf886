// Communes and départements by their INSEE code, from the official
// geographic code of 2026, and communes by their SIREN.
#include <gtest/gtest.h>

#include "insee/Communes.h"

namespace ferrino {
namespace {

struct CommuneRow {
    const char* code;
    const char* name;
    CommuneKind kind;
    const char* parentName;
    const char* delegatedName;
    const char* siren;
};

TEST(Communes, PublishedCodes)
{
    const CommuneRow rows[] = {
        {"75056", "Paris", CommuneKind::Commune, "", "", "217500016"},
        {"75101", "Paris 1er Arrondissement", CommuneKind::Arrondissement, "Paris", "", ""},
        {"13055", "Marseille", CommuneKind::Commune, "", "", "211300553"},
        {"13201", "Marseille 1er Arrondissement", CommuneKind::Arrondissement, "Marseille", "", ""},
        {"69381", "Lyon 1er Arrondissement", CommuneKind::Arrondissement, "Lyon", "", ""},
        {"2A004", "Ajaccio", CommuneKind::Commune, "", "", "212000046"},
        {"2B033", "Bastia", CommuneKind::Commune, "", "", "212000335"},
        {"97411", "Saint-Denis", CommuneKind::Commune, "", "", "219740115"},
        {"01001", "L'Abergement-Cl\u00e9menciat", CommuneKind::Commune, "", "", "210100012"},
        {"01015", "Arboys en Bugey", CommuneKind::Commune, "", "Arbignieu", "200053668"},
        {"01340", "Saint-Bois", CommuneKind::Deleguee, "Arboys en Bugey", "", ""},
        {"02285", "Escaufourt", CommuneKind::Associee, "Saint-Souplet", "", ""},
        {"02046", "Barenton-Bugny", CommuneKind::Commune, "", "", "210200457"},
        {"98818", "Noum\u00e9a", CommuneKind::Commune, "", "", ""},
        {"97120", "Pointe-\u00e0-Pitre", CommuneKind::Commune, "", "", "219711207"},
        {"97209", "Fort-de-France", CommuneKind::Commune, "", "", "219722097"},
        {"97302", "Cayenne", CommuneKind::Commune, "", "", "219733029"},
        {"97611", "Mamoudzou", CommuneKind::Commune, "", "", "200008837"},
        {"97502", "Saint-Pierre", CommuneKind::Commune, "", "", ""},
        {"75120", "Paris 20e Arrondissement", CommuneKind::Arrondissement, "Paris", "", ""},
        {"13216", "Marseille 16e Arrondissement", CommuneKind::Arrondissement, "Marseille", "", ""},
        {"69389", "Lyon 9e Arrondissement", CommuneKind::Arrondissement, "Lyon", "", ""},
        {"20004", "Ajaccio", CommuneKind::FormerCode, "Ajaccio", "", ""},
        {"69232", "Lyon", CommuneKind::FormerCode, "Lyon", "", ""},
        {"01018", "Valserh\u00f4ne", CommuneKind::FormerCode, "Valserh\u00f4ne", "", ""},
    };
    for (const CommuneRow& row : rows) {
        SCOPED_TRACE(row.code);
        const auto commune = FindCommune(row.code);
        ASSERT_TRUE(commune);
        EXPECT_EQ(commune->code, row.code);
        EXPECT_EQ(commune->name, row.name);
        EXPECT_EQ(commune->kind, row.kind);
        EXPECT_EQ(commune->parentName, row.parentName);
        EXPECT_EQ(commune->delegatedName, row.delegatedName);
        EXPECT_EQ(commune->siren, row.siren);
    }
}

TEST(Communes, UnknownCodes)
{
    for (const char* code : {"75000", "2A999", "20999", "96001", "7505", "750560", "2a004", "", "ABCDE", "99109"}) {
        EXPECT_FALSE(FindCommune(code)) << code;
    }
}

TEST(Communes, BySiren)
{
    const std::pair<const char*, const char*> rows[] = {
        {"217500016", "75056"},  // Paris
        {"200053668", "01015"},  // Arboys en Bugey
        {"212000335", "2B033"},  // Bastia
        {"219740115", "97411"},  // Saint-Denis (La Réunion)
        {"210200457", "02046"},  // Barenton-Bugny
    };
    for (const auto& [siren, code] : rows) {
        const auto commune = FindCommuneBySiren(siren);
        ASSERT_TRUE(commune) << siren;
        EXPECT_EQ(commune->code, code);
    }
    EXPECT_FALSE(FindCommuneBySiren("552100554"));  // a company, not a commune
}

TEST(Departements, Names)
{
    const std::pair<const char*, const char*> rows[] = {
        {"01", "Ain"},        {"2A", "Corse-du-Sud"}, {"2B", "Haute-Corse"},      {"75", "Paris"},
        {"971", "Guadeloupe"}, {"974", "La R\u00e9union"}, {"976", "Mayotte"}, {"95", "Val-d'Oise"},
    };
    for (const auto& [code, name] : rows) EXPECT_EQ(DepartementName(code), name) << code;
    EXPECT_FALSE(DepartementName("20"));
    EXPECT_FALSE(DepartementName("96"));
    EXPECT_EQ(DepartementOfCommune("97411"), "974");
    EXPECT_EQ(DepartementOfCommune("2A004"), "2A");
    EXPECT_EQ(DepartementOfCommune("98818"), "988");
    EXPECT_EQ(DepartementOfCommune("75056"), "75");
    EXPECT_EQ(DepartementOfCommune("9"), "");
}

}  // namespace
}  // namespace ferrino
