// The rows of the IBAN page's country list: code, French short name, tab.
// Written by tools/make_country_table.py; edit that script, not this file.
#include "Countries.h"

namespace ferrino {

namespace {

constexpr std::string_view kRows[] = {
    "AD (ANDORRE)\t",
    "AE (\303\211MIRATS ARABES UNIS)\t",  // AE (ÉMIRATS ARABES UNIS)
    "AF (AFGHANISTAN)\t",
    "AG (ANTIGUA-ET-BARBUDA)\t",
    "AI (ANGUILLA)\t",
    "AL (ALBANIE)\t",
    "AM (ARM\303\211NIE)\t",  // AM (ARMÉNIE)
    "AN (ANTILLES N\303\211ERLANDAISES)\t",  // AN (ANTILLES NÉERLANDAISES)
    "AO (ANGOLA)\t",
    "AQ (ANTARCTIQUE)\t",
    "AR (ARGENTINE)\t",
    "AS (SAMOA AM\303\211RICAINES)\t",  // AS (SAMOA AMÉRICAINES)
    "AT (AUTRICHE)\t",
    "AU (AUSTRALIE)\t",
    "AW (ARUBA)\t",
    "AZ (AZERBA\303\217DJAN)\t",  // AZ (AZERBAÏDJAN)
    "BA (BOSNIE-HERZ\303\211GOVINE)\t",  // BA (BOSNIE-HERZÉGOVINE)
    "BB (BARBADE)\t",
    "BD (BANGLADESH)\t",
    "BE (BELGIQUE)\t",
    "BF (BURKINA FASO)\t",
    "BG (BULGARIE)\t",
    "BH (BAHRE\303\217N)\t",  // BH (BAHREÏN)
    "BI (BURUNDI)\t",
    "BJ (B\303\211NIN)\t",  // BJ (BÉNIN)
    "BM (BERMUDES)\t",
    "BN (BRUN\303\211I DARUSSALAM)\t",  // BN (BRUNÉI DARUSSALAM)
    "BO (BOLIVIE)\t",
    "BR (BR\303\211SIL)\t",  // BR (BRÉSIL)
    "BS (BAHAMAS)\t",
    "BT (BHOUTAN)\t",
    "BV (\303\216LE BOUVET)\t",  // BV (ÎLE BOUVET)
    "BW (BOTSWANA)\t",
    "BY (B\303\211LARUS)\t",  // BY (BÉLARUS)
    "BZ (BELIZE)\t",
    "CA (CANADA)\t",
    "CC (\303\216LES COCOS)\t",  // CC (ÎLES COCOS)
    "CD (R\303\211PUBLIQUE D\303\211MOCRATIQUE DU CONGO)\t",  // CD (RÉPUBLIQUE DÉMOCRATIQUE DU CONGO)
    "CF (R\303\211PUBLIQUE CENTRAFRICAINE)\t",  // CF (RÉPUBLIQUE CENTRAFRICAINE)
    "CG (R\303\211PUBLIQUE DU CONGO)\t",  // CG (RÉPUBLIQUE DU CONGO)
    "CH (SUISSE)\t",
    "CI (C\303\224TE D'IVOIRE)\t",  // CI (CÔTE D'IVOIRE)
    "CK (\303\216LES COOK)\t",  // CK (ÎLES COOK)
    "CL (CHILI)\t",
    "CM (CAMEROUN)\t",
    "CN (CHINE)\t",
    "CO (COLOMBIE)\t",
    "CR (COSTA RICA)\t",
    "CU (CUBA)\t",
    "CV (CAP-VERT)\t",
    "CX (\303\216LE CHRISTMAS)\t",  // CX (ÎLE CHRISTMAS)
    "CY (CHYPRE)\t",
    "CZ (TCH\303\211QUIE)\t",  // CZ (TCHÉQUIE)
    "DE (ALLEMAGNE)\t",
    "DJ (DJIBOUTI)\t",
    "DK (DANEMARK)\t",
    "DM (DOMINIQUE)\t",
    "DO (R\303\211PUBLIQUE DOMINICAINE)\t",  // DO (RÉPUBLIQUE DOMINICAINE)
    "DZ (ALG\303\211RIE)\t",  // DZ (ALGÉRIE)
    "EC (\303\211QUATEUR)\t",  // EC (ÉQUATEUR)
    "EE (ESTONIE)\t",
    "EG (\303\211GYPTE)\t",  // EG (ÉGYPTE)
    "EH (SAHARA OCCIDENTAL)\t",
    "ER (\303\211RYTHR\303\211E)\t",  // ER (ÉRYTHRÉE)
    "ES (ESPAGNE)\t",
    "ET (\303\211THIOPIE)\t",  // ET (ÉTHIOPIE)
    "FI (FINLANDE)\t",
    "FJ (FIDJI)\t",
    "FK (\303\216LES MALOUINES)\t",  // FK (ÎLES MALOUINES)
    "FM (MICRON\303\211SIE)\t",  // FM (MICRONÉSIE)
    "FO (\303\216LES F\303\211RO\303\211)\t",  // FO (ÎLES FÉROÉ)
    "FR (FRANCE)\t",
    "GA (GABON)\t",
    "GB (ROYAUME-UNI)\t",
    "GD (GRENADE)\t",
    "GE (G\303\211ORGIE)\t",  // GE (GÉORGIE)
    "GF (GUYANE FRAN\303\207AISE)\t",  // GF (GUYANE FRANÇAISE)
    "GH (GHANA)\t",
    "GI (GIBRALTAR)\t",
    "GL (GRO\303\213NLAND)\t",  // GL (GROËNLAND)
    "GM (GAMBIE)\t",
    "GN (GUIN\303\211E)\t",  // GN (GUINÉE)
    "GP (GUADELOUPE)\t",
    "GQ (GUIN\303\211E \303\211QUATORIALE)\t",  // GQ (GUINÉE ÉQUATORIALE)
    "GR (GR\303\210CE)\t",  // GR (GRÈCE)
    "GS (G\303\211ORGIE DU SUD ET LES \303\216LES SANDWICH DU SUD)\t",  // GS (GÉORGIE DU SUD ET LES ÎLES SANDWICH DU SUD)
    "GT (GUATEMALA)\t",
    "GU (GUAM)\t",
    "GW (GUIN\303\211E-BISSAU)\t",  // GW (GUINÉE-BISSAU)
    "GY (GUYANA)\t",
    "HK (HONG KONG)\t",
    "HM (\303\216LES HEARD-ET-MACDONALD)\t",  // HM (ÎLES HEARD-ET-MACDONALD)
    "HN (HONDURAS)\t",
    "HR (CROATIE)\t",
    "HT (HA\303\217TI)\t",  // HT (HAÏTI)
    "HU (HONGRIE)\t",
    "ID (INDON\303\211SIE)\t",  // ID (INDONÉSIE)
    "IE (IRLANDE)\t",
    "IL (ISRA\303\213L)\t",  // IL (ISRAËL)
    "IN (INDE)\t",
    "IO (TERRITOIRE BRITANNIQUE DE L'OC\303\211AN INDIEN)\t",  // IO (TERRITOIRE BRITANNIQUE DE L'OCÉAN INDIEN)
    "IQ (IRAK)\t",
    "IR (IRAN)\t",
    "IS (ISLANDE)\t",
    "IT (ITALIE)\t",
    "JM (JAMA\303\217QUE)\t",  // JM (JAMAÏQUE)
    "JO (JORDANIE)\t",
    "JP (JAPON)\t",
    "KE (KENYA)\t",
    "KG (KIRGHIZISTAN)\t",
    "KH (CAMBODGE)\t",
    "KI (KIRIBATI)\t",
    "KM (COMORES)\t",
    "KN (SAINT-CHRISTOPHE-ET-NI\303\211V\303\210S)\t",  // KN (SAINT-CHRISTOPHE-ET-NIÉVÈS)
    "KP (COR\303\211E DU NORD)\t",  // KP (CORÉE DU NORD)
    "KR (COR\303\211E DU SUD)\t",  // KR (CORÉE DU SUD)
    "KW (KOWE\303\217T)\t",  // KW (KOWEÏT)
    "KY (\303\216LES CA\303\217MANS)\t",  // KY (ÎLES CAÏMANS)
    "KZ (KAZAKHSTAN)\t",
    "LA (LAOS)\t",
    "LB (LIBAN)\t",
    "LC (SAINTE-LUCIE)\t",
    "LI (LIECHTENSTEIN)\t",
    "LK (SRI LANKA)\t",
    "LR (LIB\303\211RIA)\t",  // LR (LIBÉRIA)
    "LS (LESOTHO)\t",
    "LT (LITUANIE)\t",
    "LU (LUXEMBOURG)\t",
    "LV (LETTONIE)\t",
    "LY (LIBYE)\t",
    "MA (MAROC)\t",
    "MC (MONACO)\t",
    "MD (MOLDAVIE)\t",
    "MG (MADAGASCAR)\t",
    "MH (\303\216LES MARSHALL)\t",  // MH (ÎLES MARSHALL)
    "MK (MAC\303\211DOINE DU NORD)\t",  // MK (MACÉDOINE DU NORD)
    "ML (MALI)\t",
    "MM (BIRMANIE)\t",
    "MN (MONGOLIE)\t",
    "MO (MACAU)\t",
    "MP (\303\216LES MARIANNES DU NORD)\t",  // MP (ÎLES MARIANNES DU NORD)
    "MQ (MARTINIQUE)\t",
    "MR (MAURITANIE)\t",
    "MS (MONTSERRAT)\t",
    "MT (MALTE)\t",
    "MU (MAURICE)\t",
    "MV (MALDIVES)\t",
    "MW (MALAWI)\t",
    "MX (MEXIQUE)\t",
    "MY (MALAISIE)\t",
    "MZ (MOZAMBIQUE)\t",
    "NA (NAMIBIE)\t",
    "NC (NOUVELLE-CAL\303\211DONIE)\t",  // NC (NOUVELLE-CALÉDONIE)
    "NE (NIGER)\t",
    "NF (\303\216LE NORFOLK)\t",  // NF (ÎLE NORFOLK)
    "NG (NIGERIA)\t",
    "NI (NICARAGUA)\t",
    "NL (PAYS-BAS)\t",
    "NO (NORV\303\210GE)\t",  // NO (NORVÈGE)
    "NP (N\303\211PAL)\t",  // NP (NÉPAL)
    "NR (NAURU)\t",
    "NU (NIOUE)\t",
    "NZ (NOUVELLE-Z\303\211LANDE)\t",  // NZ (NOUVELLE-ZÉLANDE)
    "OM (OMAN)\t",
    "PA (PANAMA)\t",
    "PE (P\303\211ROU)\t",  // PE (PÉROU)
    "PF (POLYN\303\211SIE FRAN\303\207AISE)\t",  // PF (POLYNÉSIE FRANÇAISE)
    "PG (PAPOUASIE-NOUVELLE-GUIN\303\211E)\t",  // PG (PAPOUASIE-NOUVELLE-GUINÉE)
    "PH (PHILIPPINES)\t",
    "PK (PAKISTAN)\t",
    "PL (POLOGNE)\t",
    "PM (SAINT-PIERRE-ET-MIQUELON)\t",
    "PN (\303\216LES PITCAIRN)\t",  // PN (ÎLES PITCAIRN)
    "PR (PORTO RICO)\t",
    "PS (PALESTINE)\t",
    "PT (PORTUGAL)\t",
    "PW (PALAOS)\t",
    "PY (PARAGUAY)\t",
    "QA (QATAR)\t",
    "RE (R\303\211UNION)\t",  // RE (RÉUNION)
    "RO (ROUMANIE)\t",
    "RU (RUSSIE)\t",
    "RW (RWANDA)\t",
    "SA (ARABIE SAOUDITE)\t",
    "SB (\303\216LES SALOMON)\t",  // SB (ÎLES SALOMON)
    "SC (SEYCHELLES)\t",
    "SD (SOUDAN)\t",
    "SE (SU\303\210DE)\t",  // SE (SUÈDE)
    "SG (SINGAPOUR)\t",
    "SH (SAINTE-H\303\211L\303\210NE, ASCENSION ET TRISTAN DA CUNHA)\t",  // SH (SAINTE-HÉLÈNE, ASCENSION ET TRISTAN DA CUNHA)
    "SI (SLOV\303\211NIE)\t",  // SI (SLOVÉNIE)
    "SJ (SVALBARD ET \303\216LE JAN MAYEN)\t",  // SJ (SVALBARD ET ÎLE JAN MAYEN)
    "SK (SLOVAQUIE)\t",
    "SL (SIERRA LEONE)\t",
    "SM (SAINT-MARIN)\t",
    "SN (S\303\211N\303\211GAL)\t",  // SN (SÉNÉGAL)
    "SO (SOMALIE)\t",
    "SR (SURINAM)\t",
    "ST (SAO TOM\303\211-ET-PRINCIPE)\t",  // ST (SAO TOMÉ-ET-PRINCIPE)
    "SV (SALVADOR)\t",
    "SY (SYRIE)\t",
    "SZ (ESWATINI)\t",
    "TC (\303\216LES TURQUES-ET-CA\303\217QUES)\t",  // TC (ÎLES TURQUES-ET-CAÏQUES)
    "TD (TCHAD)\t",
    "TF (TERRES AUSTRALES FRAN\303\207AISES)\t",  // TF (TERRES AUSTRALES FRANÇAISES)
    "TG (TOGO)\t",
    "TH (THA\303\217LANDE)\t",  // TH (THAÏLANDE)
    "TJ (TADJIKISTAN)\t",
    "TK (TOKELAU)\t",
    "TL (TIMOR ORIENTAL)\t",
    "TM (TURKM\303\211NISTAN)\t",  // TM (TURKMÉNISTAN)
    "TN (TUNISIE)\t",
    "TO (TONGA)\t",
    "TR (TURQUIE)\t",
    "TT (TRINIT\303\211-ET-TOBAGO)\t",  // TT (TRINITÉ-ET-TOBAGO)
    "TV (TUVALU)\t",
    "TW (TA\303\217WAN)\t",  // TW (TAÏWAN)
    "TZ (TANZANIE)\t",
    "UA (UKRAINE)\t",
    "UG (OUGANDA)\t",
    "UM (\303\216LES MINEURES \303\211LOIGN\303\211ES DES \303\211TATS-UNIS)\t",  // UM (ÎLES MINEURES ÉLOIGNÉES DES ÉTATS-UNIS)
    "US (\303\211TATS-UNIS)\t",  // US (ÉTATS-UNIS)
    "UY (URUGUAY)\t",
    "UZ (OUZB\303\211KISTAN)\t",  // UZ (OUZBÉKISTAN)
    "VA (SAINT-SI\303\210GE)\t",  // VA (SAINT-SIÈGE)
    "VC (SAINT-VINCENT-ET-LES-GRENADINES)\t",
    "VE (V\303\211N\303\211ZUELA)\t",  // VE (VÉNÉZUELA)
    "VG (\303\216LES VIERGES BRITANNIQUES)\t",  // VG (ÎLES VIERGES BRITANNIQUES)
    "VI (\303\216LES VIERGES DES \303\211TATS-UNIS)\t",  // VI (ÎLES VIERGES DES ÉTATS-UNIS)
    "VN (VI\303\212T NAM)\t",  // VN (VIÊT NAM)
    "VU (VANUATU)\t",
    "WF (WALLIS ET FUTUNA)\t",
    "WS (SAMOA)\t",
    "YE (Y\303\211MEN)\t",  // YE (YÉMEN)
    "YT (MAYOTTE)\t",
    "YU (YOUGOSLAVIE)\t",
    "ZA (AFRIQUE DU SUD)\t",
    "ZM (ZAMBIE)\t",
    "ZW (ZIMBABWE)\t",
};

}  // namespace

std::span<const std::string_view> CountryRows() { return kRows; }

}  // namespace ferrino
