// ferrino-cli: the keys of the window's thirteen kinds of number, from a shell.
//
//   ferrino-cli KIND [OPTIONS] [NUMBER ...]
//
// Every number goes through its page's engine exactly as "Calcule" runs it;
// see the help text for what is read and what is written.
#include <unistd.h>

#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Kind.h"
#include "ean/Ean.h"
#include "Info.h"
#include "Runner.h"
#include "TextIo.h"

#ifndef FERRINO_VERSION
#error "FERRINO_VERSION must be defined by the build"
#endif

namespace {

using namespace ferrino;
using namespace ferrino::cli;

constexpr std::string_view kProgram = "ferrino-cli";

constexpr std::string_view kHelp = R"(Usage : ferrino-cli TYPE [OPTIONS] [NUMÉRO ...]
        ferrino-cli auto [--json] [NUMÉRO ...]

Calcule et vérifie les clés de contrôle des numéros, comme le bouton
« Calcule » de la fenêtre de Ferrino, et retrouve les fautes de frappe.

Types de numéro :
  insee   numéro Insee : 13 chiffres (2A ou 2B pour la Corse) et une clé de 2
          chiffres
  rib     RIB/RIP : banque, guichet, compte et une clé de 2 chiffres
  iban    IBAN : code pays, clé de 2 chiffres, puis le BBAN
  prof    numéro de professionnel de santé : 8 caractères et une clé
  avs     numéro AVS : 756.1234.5678.97 (13 chiffres, code pays 756), ou
          l'ancien numéro de 10 chiffres et un chiffre de contrôle
  isbn    ISBN : 9 chiffres et un caractère de contrôle (chiffre ou X)
  carte   numéro de carte bancaire : 15 chiffres et une clé (14 après 34 ou 37,
          jusqu'à 18 pour une carte de 17 à 19 chiffres)
  siren   numéro SIREN : 8 chiffres et une clé
  siret   numéro SIRET : 13 chiffres et une clé (établissements de La Poste :
          la somme des 14 chiffres est un multiple de 5)
  ean     code EAN ou UPC, du type donné par --type
  sin     numéro S.I.N. : 8 chiffres et une clé
  vin     numéro VIN : 17 caractères, la clé en 9e position
  cip     code CIP/ACL : 6 chiffres et une clé
  luhn    numéro à clé de Luhn de 2 à 32 chiffres (American Express, cartes de
          19 chiffres, IMEI...) : le dernier chiffre est la clé
  auto    chaque type pour lequel le numéro est juste, avec ce qu'il dit
          (un numéro de 9 chiffres à clé de Luhn est à la fois un SIREN et un
          S.I.N.) ; luhn seulement si aucun autre type ne le prend

Options :
  --check          vérifie chaque numéro : OK ou ERREUR et sa cause
  --corrige        pour chaque numéro faux, les numéros à une faute de frappe
                   près (un caractère changé ou deux voisins échangés)
  --info           ce que dit chaque numéro entier : sexe, date et lieu de
                   naissance (insee), pays, SEPA, banque, guichet, compte et
                   BIC probable (rib, iban), numéro de TVA (siren, siret),
                   groupe et autre forme (isbn), préfixe GS1 (ean), réseau
                   (carte), province (sin), constructeur, années modèle et
                   clé obligatoire ou non (vin)...
  --json           écrit un objet JSON par numéro, un par ligne
  --type TYPE      pour ean : ean8, ean13 (par défaut), upca, upcc ou upce
  --help           affiche cette aide
  --version        affiche la version et les éditions des données de
                   référence
  --               les arguments suivants sont tous des numéros

Numéros :
  Un NUMÉRO s'écrit en entier, avec ou sans ses blancs et ses séparateurs
  habituels ; « ? » tient la place d'un caractère inconnu. Sans NUMÉRO, les
  numéros sont lus sur l'entrée standard, un par ligne (fin de ligne \n ou
  \r\n) ; les lignes vides ou faites de blancs sont ignorées. Comme dans la
  fenêtre, les minuscules sont lues en majuscules, un numéro trop court est
  complété par des caractères inconnus et ce qui dépasse sa longueur est
  ignoré (sauf avec --check et --corrige, qui jugent le numéro entier).
  L'entrée est lue en UTF-8 : les espaces insécables et les autres espaces
  typographiques comptent comme des blancs ; tout autre caractère qui n'est
  pas ASCII, ou une suite d'octets qui n'est pas de l'UTF-8, compte pour un
  seul caractère, qui n'est ni un chiffre, ni une lettre, ni « ? » ; selon le
  type, le champ l'ôte ou en fait un caractère inconnu. Là où il reste
  affiché, il s'écrit « � ».
  iban   blancs, points et tirets ôtés, les 2 premiers caractères sont le
         code pays, les 2 suivants la clé et le reste le BBAN :
         FR76 3000 6000 0112 3456 7890 189
  vin    blancs et tirets ôtés, les 17 premiers caractères se répartissent
         dans les huit champs de la fenêtre par largeurs 1, 1, 1, 5, 1, 1, 1, 6
         (code pays, code constructeur, type, particularités du véhicule, clé,
         année, usine, numéro de série) ; le reste est ignoré
  isbn   978 ou 979 suivis de 8 à 10 caractères : un ISBN à 13 chiffres (9
         chiffres et la clé d'un code EAN 13, jamais X) ; sinon un ISBN à 10
         caractères ; les tirets séparent groupe, éditeur et titre selon les
         tranches de l'Agence internationale de l'ISBN, et manquent hors de
         ces tranches : 978-2-07-036822-8, 2-07-036822-X
  cip    le code puis la clé : 123456 2 ou 1234562 ; avec un blanc, ce qui
         précède le dernier blanc est le code et ce qui le suit la clé
  ean    le type de code se choisit par --type, comme dans la liste de la
         fenêtre ; upce : système 0 ou 1, six chiffres et la clé du code UPC-A
         qu'ils abrègent (les autres systèmes n'ont pas de clé)
  luhn   blancs et tirets ôtés ; le dernier caractère est la clé ( « ? » pour
         la demander) ; moins de 2 ou plus de 32 chiffres : ERREUR (longueur)

Sans option, pour chaque numéro, ce que fait « Calcule » :
  - sans caractère inconnu, le numéro complété de sa clé calculée, sous sa
    forme affichée (une clé écrite est remplacée ; un numéro AVS ou UPC-E qui
    ne peut avoir de clé s'écrit sans elle, comme dans la fenêtre) ;
  - avec un à quatre caractères inconnus, chaque numéro possible, un par
    ligne, dans l'ordre de la liste de la fenêtre (un établissement de La
    Poste complet donne ses deux clés possibles) ;
  - au-delà, « Trop de chiffres inconnus ! Calcul impossible. » sur la sortie
    d'erreur.
  Les résultats de deux numéros sont séparés par une ligne vide.

Avec --check, une ligne par numéro, dans l'ordre :
  OK <numéro>
  ERREUR <numéro> (<cause>)
  Le numéro s'écrit sous sa forme affichée, avec la clé telle qu'écrite. La
  clé écrite est, dans le numéro sans séparateurs : les caractères 14 et 15
  (insee), 22 et 23 (rib), 3 et 4 (iban), le 9e caractère (vin), celui qui
  suit le code (cip), et le dernier pour les autres types (isbn : un chiffre
  ou X, un chiffre pour un ISBN-13). Une clé absente, inconnue ou fausse
  est une ERREUR « (clé attendue : <clé>) ». Un numéro AVS dont la valeur
  de contrôle serait 10, ou un UPC-E d'un autre système que 0 et 1, n'a
  aucune clé valable : « (clé attendue : aucune) ». Seule la clé compte
  pour la plupart des types : un SIRET d'établissement 0000, que la
  recherche écarte, et un ISBN hors des tranches de l'Agence, écrit sans
  tirets, sont vérifiés comme les autres. Quelques types jugent davantage ;
  la première faute trouvée est nommée :
    iban   le pays doit avoir des IBAN « (pays sans IBAN) », l'IBAN la
           longueur inscrite pour ce pays « (longueur : 27 attendus pour FR) »,
           puis la clé ; en France et à Monaco, la clé du RIB que contient le
           BBAN doit aussi être juste « (clé RIB) »
    vin    exactement 17 caractères « (longueur : 17 caractères attendus) »,
           sans I, O ni Q « (caractère interdit : I, O ou Q) » ; la clé
           n'est obligatoire que pour l'Amérique du Nord (VIN commençant par
           1 à 5) et la Chine (L) : ailleurs, une clé qui ne correspond pas
           n'est pas une ERREUR
    siret  le SIREN qu'il contient doit avoir sa clé « (clé SIREN) »
    avs    un numéro de 13 chiffres a le code pays 756
           « (code pays 757 : 756 attendu) »
  Pour tous les types, un numéro plus long que ce que le type contient est
  une ERREUR « (longueur : 9 chiffres attendus) », sans correction.
  Un numéro trop court à qui ne manque que la clé est une ERREUR avec la clé
  attendue. S'il manque, ou s'il est inconnu, un caractère hors de la clé :
  ERREUR « (caractères inconnus) », ou « (trop de caractères inconnus) »
  au-delà de quatre.

Avec --corrige, pour chaque numéro, une ligne « # <numéro> » tel qu'il a été
écrit, puis, s'il est faux, chaque numéro qu'une seule faute de frappe en
sépare et dont la clé est juste, un par ligne, sous la forme des lignes de la
recherche : un caractère remplacé par un autre que la recherche essaie à cette
place, ou deux caractères voisins échangés (clé comprise ; le code pays d'un
IBAN et le 756 d'un numéro AVS ne changent jamais). Rien de plus pour un
numéro juste. Un numéro à caractères inconnus n'a pas de correction.

Avec --json, un objet par numéro et par ligne :
  "input"         le numéro tel qu'il a été écrit
  "kind"          le type de numéro
  "outcome"       "complete" (aucun caractère inconnu), "incomplete" (un à
                  quatre), "too_many" (davantage) ou "invalid" (numéro
                  illisible tel quel : ERREUR de longueur)
  "number"        le numéro complété ; avec --check, ou pour "too_many", le
                  numéro tel qu'écrit, sous sa forme affichée
  "rows"          les numéros possibles ("incomplete", sans --check)
  "message"       le message de "too_many" (sans --check)
  "valid"         avec --check : le numéro est-il juste
  "expected_key"  avec --check : la clé attendue, ou null
  "cause"         avec --check, pour un numéro faux : la cause de l'ERREUR
  avec --corrige, un objet par numéro :
  "saisi"         le numéro tel qu'il a été écrit
  "valide"        le numéro est-il juste
  "corrections"   les numéros à une faute de frappe près
  Les textes sont en UTF-8 ; « " », « \\ » et les caractères de contrôle y
  sont échappés (\", \\, \n, \t, \u0001...), et une suite d'octets qui
  n'est pas de l'UTF-8 devient \ufffd.

Avec --info, pour chaque numéro : le numéro sous sa forme affichée, le
verdict de « Calcule » (« Clé correcte. »...), puis une ligne
« <libellé> : <valeur> » par détail, tirés des tables intégrées au
programme (aucun accès au réseau). Un numéro incomplet n'a pas de détail.
Un numéro de TVA intracommunautaire français donné au type siren est lu
comme son SIREN, ce que dit le verdict.
Les résultats de deux numéros sont séparés par une ligne vide. Avec --json,
un objet par numéro : "input", "kind", "number", "valid", "verdict" et
"details", une liste d'objets {"label", "value"}.

Avec auto, pour chaque numéro, une ligne « # <numéro> », puis pour chaque
type qui le prend une ligne « <type> : <numéro sous sa forme affichée> »
(ean : « ean --type ean13 : ... ») suivie de ses détails, en retrait ; ou
« Aucun type : ce n'est un numéro juste d'aucun type connu. ». Avec --json,
un objet par numéro : "input" et "kinds", une liste d'objets "kind"
("type" pour ean), "number" et "details".

Code de retour :
  0  tout s'est bien passé (avec --corrige : chaque numéro était juste ou a
     au moins une correction)
  1  --check ou --info a trouvé un numéro en erreur, auto un numéro
     qu'aucun type ne prend, --corrige un numéro faux sans
     correction, ou un numéro illisible tel quel (luhn : longueur)
  2  erreur d'utilisation, de lecture ou d'écriture, ou numéro avec trop de
     caractères inconnus
)";

struct Arguments {
    std::string_view kind;
    std::vector<std::string_view> numbers;
    bool check = false;
    bool correct = false;
    bool json = false;
    bool info = false;
    bool help = false;
    bool version = false;
    bool typeGiven = false;
    EanType eanType = EanType::Ean13;
    std::string error;  // a usage error, in French
};

bool ParseEanType(std::string_view name, EanType* type) {
    static constexpr struct {
        std::string_view name;
        EanType type;
    } kTypes[] = {{"ean8", EanType::Ean8}, {"ean13", EanType::Ean13}, {"upca", EanType::UpcA}, {"upcc", EanType::UpcC},
                  {"upce", EanType::UpcE}};
    for (const auto& t : kTypes)
        if (t.name == name) {
            *type = t.type;
            return true;
        }
    return false;
}

std::string Quoted(std::string_view text) { return "« " + std::string(text) + " »"; }

Arguments Parse(int argc, char** argv) {
    Arguments args;
    bool onlyNumbers = false;
    bool haveKind = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!onlyNumbers && arg.size() > 1 && arg[0] == '-') {
            if (arg == "--") {
                onlyNumbers = true;
            } else if (arg == "--check") {
                args.check = true;
            } else if (arg == "--corrige") {
                args.correct = true;
            } else if (arg == "--info") {
                args.info = true;
            } else if (arg == "--json") {
                args.json = true;
            } else if (arg == "--help" || arg == "-h") {
                args.help = true;
            } else if (arg == "--version") {
                args.version = true;
            } else if (arg == "--type" || arg.starts_with("--type=")) {
                std::string_view value;
                if (arg == "--type") {
                    if (i + 1 >= argc) {
                        args.error = "l'option --type attend un type de code (ean8, ean13, upca, upcc ou upce)";
                        continue;
                    }
                    value = argv[++i];
                } else {
                    value = arg.substr(7);
                }
                args.typeGiven = true;
                if (!ParseEanType(value, &args.eanType) && args.error.empty())
                    args.error = "type de code inconnu : " + Quoted(value) + " (ean8, ean13, upca, upcc ou upce)";
            } else if (args.error.empty()) {
                args.error = "option inconnue : " + Quoted(arg);
            }
            continue;
        }
        if (!haveKind) {
            args.kind = arg;
            haveKind = true;
        } else {
            args.numbers.push_back(arg);
        }
    }
    if (args.error.empty()) {
        if (!haveKind) {
            args.error = "type de numéro manquant";
        } else {
            bool known = args.kind == "auto";
            for (std::string_view name : KindNames()) known = known || name == args.kind;
            if (!known)
                args.error = "type de numéro inconnu : " + Quoted(args.kind);
            else if (args.typeGiven && args.kind != "ean")
                args.error = "l'option --type ne vaut que pour le type ean";
            else if (args.check + args.correct + args.info > 1)
                args.error = "les options --check, --corrige et --info ne vont pas ensemble";
            else if (args.kind == "auto" && (args.check || args.correct || args.info))
                args.error = "le type auto ne prend que l'option --json";
        }
    }
    return args;
}

int UsageError(Output& err, const std::string& message) {
    err.Text() += std::string(kProgram) + " : " + message + "\n";
    err.Text() += "Pour l'aide : ferrino-cli --help\n";
    err.Flush();
    return kTrouble;
}

// A line is blank when it holds nothing but blanks and tabs.
bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

int main(int argc, char** argv) {
    Output out(STDOUT_FILENO);
    Output err(STDERR_FILENO, 0);
    const Arguments args = Parse(argc, argv);
    if (args.help) {
        out.Text() += kHelp;
        out.Flush();
        return out.Failed() ? kTrouble : kAllWell;
    }
    if (args.version) {
        out.Text() += std::string(kProgram) + " " + FERRINO_VERSION + "\n";
        AppendDataEditions(out.Text());
        out.Flush();
        return out.Failed() ? kTrouble : kAllWell;
    }
    if (!args.error.empty()) return UsageError(err, args.error);

    const bool details = args.info || args.kind == "auto";
    const auto kind = details && args.kind == "auto" ? nullptr : MakeKind(args.kind, static_cast<int>(args.eanType));
    const Mode mode = args.check ? Mode::kCheck : args.correct ? Mode::kCorrect : Mode::kCalcule;
    std::optional<Runner> keys;
    std::optional<InfoRunner> info;
    if (details)
        info.emplace(kind.get(), args.json, out);
    else
        keys.emplace(*kind, mode, args.json, out, err);
    const auto process = [&](std::string_view number, bool cut) {
        if (info)
            info->Process(number, cut);
        else
            keys->Process(number, cut);
    };
    bool readFailed = false;
    bool outOfMemory = false;
    try {
        if (!args.numbers.empty()) {
            for (std::string_view number : args.numbers) process(number, false);
        } else {
            LineReader lines(STDIN_FILENO);
            std::string_view line;
            bool first = true;
            bool cut = false;
            while (lines.Next(line, &cut)) {
                if (first && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);  // a byte order mark
                first = false;
                if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
                if (!cut && IsBlank(line)) continue;
                process(line, cut);
                if (out.Failed()) break;
            }
            readFailed = lines.Failed();
        }
    } catch (const std::bad_alloc&) {
        outOfMemory = true;  // what was written so far stands
    }
    out.Flush();
    int status = info ? info->Status() : keys->Status();
    if (outOfMemory) {
        err.Text() += std::string(kProgram) + " : mémoire insuffisante\n";
        status = kTrouble;
    }
    if (readFailed) {
        err.Text() += std::string(kProgram) + " : impossible de lire l'entrée standard\n";
        status = kTrouble;
    }
    if (out.Failed()) {
        err.Text() += std::string(kProgram) + " : impossible d'écrire la sortie\n";
        status = kTrouble;
    }
    err.Flush();
    return status;
}
