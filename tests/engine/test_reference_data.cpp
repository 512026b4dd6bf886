// The reference tables built into the program, over published numbers and
// codes whose details are known: banks, makers, card networks, GS1 prefixes,
// INSEE country codes, SEPA members and SIN provinces.
#include <gtest/gtest.h>

#include <string>

#include "card/CardNetworks.h"
#include "common/DataSets.h"
#include "ean/Gs1.h"
#include "iban/Bic.h"
#include "iban/Sepa.h"
#include "insee/InseeCountries.h"
#include "sin/SinProvinces.h"
#include "vin/VinMakers.h"

namespace ferrino {
namespace {

TEST(BankBic, FrenchBankCodes)
{
    const std::pair<const char*, const char*> rows[] = {
        {"30006", "AGRIFRPP"},  // Crédit Agricole
        {"30004", "BNPAFRPP"},  // BNP Paribas
        {"30003", "SOGEFRPP"},  // Société Générale
        {"30002", "CRLYFRPP"},  // LCL
        {"20041", "PSSTFRPP"},  // La Banque Postale
        {"10107", "BREDFRPP"},  // BRED Banque Populaire
        {"12548", "AXABFRPP"},  // AXA Banque
        {"18206", "AGRIFRCC892"},  // Crédit Agricole Paris et Île-de-France
        {"11668", "BERLMCMC"},  // a bank of Monaco (MC in its BIC)
        {"30066", "CMCIFRPP"},  // CIC
    };
    for (const auto& [code, bic] : rows) EXPECT_EQ(BankBic(code), bic) << code;
    EXPECT_FALSE(BankBic("99999"));
    EXPECT_FALSE(BankBic("3000"));
}

TEST(VinMakers, WorldManufacturerIdentifiers)
{
    struct Row {
        const char* vin;  // a WMI or a whole VIN
        const char* maker;
        const char* country;
        bool compulsory;
    };
    const Row rows[] = {
        {"VF1", "Renault", "France", false},
        {"VF3", "Peugeot", "France", false},
        {"VF7", "Citro\u00ebn", "France", false},
        {"VR3", "Peugeot", "France", false},
        {"UU1", "Renault Dacia", "Roumanie", false},
        {"SAL", "Land Rover", "Royaume-Uni", false},
        {"TMB", "\u0160koda (Czech Republic)", "Tch\u00e9quie", false},
        {"XP7", "Tesla", "Pays-Bas", false},
        {"WVWZZZ1JZXW000001", "Volkswagen", "Allemagne", false},
        {"WBA3A5C50CF256985", "BMW", "Allemagne", false},
        {"ZFA", "Fiat", "Italie", false},
        {"JTD", "Toyota", "Japon", false},
        {"1G1", "Chevrolet USA", "\u00c9tats-Unis", true},
        {"9BW", "Volkswagen Brazil", "Br\u00e9sil", false},
        {"5YJSA1DG9DFP14705", "Tesla", "\u00c9tats-Unis", true},
        {"LSVAM4187C2184847", "SAIC Volkswagen", "Chine", true},
        {"LGX", "", "Chine", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.vin);
        const auto origin = FindVinMaker(row.vin);
        ASSERT_TRUE(origin);
        EXPECT_EQ(origin->maker, row.maker);
        EXPECT_EQ(origin->country, row.country);
        EXPECT_EQ(VinCheckDigitCompulsory(row.vin), row.compulsory);
    }
    EXPECT_FALSE(FindVinMaker("00000000000000000"));
    EXPECT_FALSE(FindVinMaker("VF"));
}

TEST(CardNetworks, PublishedTestNumbers)
{
    const std::pair<const char*, const char*> rows[] = {
        {"4111111111111111", "Visa"},
        {"4970101122334455", "Visa"},
        {"378282246310005", "American Express"},
        {"5555555555554444", "Mastercard"},
        {"2223003122003222", "Mastercard"},
        {"6011111111111117", "Discover"},
        {"3530111333300000", "JCB"},
        {"30569309025904", "Diners Club"},
        {"6200000000000005", "UnionPay"},
        {"6759649826438453", "Maestro"},
        {"2200000000000004", "Mir"},
    };
    for (const auto& [number, network] : rows) {
        const auto found = FindCardNetwork(number);
        ASSERT_TRUE(found) << number;
        EXPECT_EQ(found->name, network) << number;
        EXPECT_TRUE(found->lengthIssued) << number;
    }
    EXPECT_FALSE(FindCardNetwork("1234567812345670"));
    EXPECT_FALSE(FindCardNetwork("41111111111111")->lengthIssued);
}

TEST(Gs1Prefixes, PublishedBarcodes)
{
    struct Row {
        const char* ean;
        const char* iso;
        const char* country;
        const char* label;
    };
    const Row rows[] = {
        {"3017620422003", "FR", "France", ""},  // Nutella, Ferrero France
        {"3400930000000", "FR", "France", ""},  // a CIP13 code
        {"4006381333931", "DE", "Allemagne", ""},  // Stabilo
        {"5000112637922", "GB", "Royaume-Uni", ""},  // Coca-Cola, Great Britain
        {"8410076472601", "ES", "Espagne", ""},
        {"4710088432024", "TW", "Ta\u00efwan", ""},
        {"0012345678905", "US", "\u00c9tats-Unis", "UPC-A (\u00c9tats-Unis et Canada)"},
        {"9782070360024", "", "", "Livres (ISBN)"},  // Folio
        {"9791032305690", "", "", "Livres (ISBN) ; partitions (ISMN) si 979-0"},
        {"9770317847001", "", "", "Publications en s\u00e9rie (ISSN)"},
        {"2000000000008", "", "", "Circulation restreinte (zone g\u00e9ographique)"},
        {"3800000000001", "BG", "Bulgarie", ""},
        {"3810000000000", "", "", "Kosovo (GS1 Kosovo)"},
        {"7610000000000", "CH", "Suisse", ""},
        {"9580000000000", "MO", "Macao", ""},
        {"9620000000000", "", "", "GTIN-8 uniquement (GS1 UK, GS1 Pologne, GS1 Global Office)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.ean);
        const auto range = Gs1Prefix(row.ean);
        ASSERT_TRUE(range);
        EXPECT_EQ(range->iso, row.iso);
        EXPECT_EQ(range->country, row.country);
        EXPECT_EQ(range->label, row.label);
    }
    for (const char* unassigned : {"1400000000000", "9200000000000", "38"}) EXPECT_FALSE(Gs1Prefix(unassigned));
}

TEST(InseeCountries, BirthAbroad)
{
    struct Row {
        const char* code;
        const char* iso;
        const char* name;
        bool current;
    };
    const Row rows[] = {
        {"99109", "DE", "Allemagne", true},      {"99134", "ES", "Espagne", true},
        {"99132", "GB", "Royaume-Uni", true},    {"99352", "DZ", "Alg\u00e9rie", true},
        {"99350", "MA", "Maroc", true},          {"99404", "US", "\u00c9tats-Unis", true},
        {"99123", "RU", "Russie", true},         {"99115", "", "Tch\u00e9coslovaquie", false},
    };
    for (const Row& row : rows) {
        const auto country = FindInseeCountry(row.code);
        ASSERT_TRUE(country) << row.code;
        EXPECT_EQ(country->iso, row.iso);
        EXPECT_EQ(country->name, row.name);
        EXPECT_EQ(country->current, row.current);
    }
    EXPECT_FALSE(FindInseeCountry("99100"));  // France is no birthplace abroad
    EXPECT_FALSE(FindInseeCountry("75056"));
}

TEST(Sepa, Members)
{
    for (const char* code : {"FR", "DE", "MC", "CH", "GB", "SM", "VA", "AD", "NO", "LI", "IS", "GI"}) {
        EXPECT_TRUE(IsSepa(code)) << code;
    }
    for (const char* code : {"US", "TR", "BR", "JP", "TN", "PF", "NC", "fr", ""}) EXPECT_FALSE(IsSepa(code)) << code;
}

TEST(SinProvinces, FirstDigit)
{
    const std::pair<char, const char*> rows[] = {
        {'2', "Qu\u00e9bec"}, {'5', "Ontario"}, {'7', "Colombie-Britannique, Yukon"}, {'9', "r\u00e9sident temporaire"},
    };
    for (const auto& [digit, province] : rows) EXPECT_EQ(SinProvince(digit), province) << digit;
    EXPECT_FALSE(SinProvince('0'));
    EXPECT_FALSE(SinProvince('8'));
}

TEST(DataSets, EveryTableNamesItsEdition)
{
    std::string editions;
    for (const DataSet& set : DataSets()) editions += std::string(set.edition) + "|";
    EXPECT_NE(editions.find("@etalab/decoupage-administratif 6.0.0"), std::string::npos);
    EXPECT_NE(editions.find("iban-to-bic 1.4.0"), std::string::npos);
    EXPECT_NE(editions.find("vin-decode 0.2.0"), std::string::npos);
    EXPECT_NE(editions.find("credit-card-type 10.3.0"), std::string::npos);
    EXPECT_NE(editions.find("python-stdnum 1.18"), std::string::npos);
    EXPECT_NE(editions.find("tranches du 13 novembre 2022"), std::string::npos);
    EXPECT_EQ(DataSets().size(), 11u);
}

}  // namespace
}  // namespace ferrino
