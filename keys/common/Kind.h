// One interface over every kind of number, for whatever shows the engine to
// people: the window's verdict and typing-error search, the command line, the
// browser page.
//
// A kind holds its number in the fields of its page, in the page's order
// (most kinds have one; IBAN has country, key and BBAN; VIN eight boxes; CIP
// code and key). Reading the fields runs each field's exit normalisation and
// the plan of "Calcule", exactly as the page does, and gives the number as one
// text, key included, on which the verdict and the typing-error search work:
//
//   IBAN  country code, key and BBAN without blanks ("FR76300060000112345678901 89")
//   VIN   the seventeen characters, the key ninth
//   CIP   the code followed by the key
//   the others: the pattern of "Calcule" (normalised, blanks removed, padded)
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Enumeration.h"
#include "RowStore.h"
#include "Typos.h"
#include "Verdict.h"

namespace ferrino {

using Fields = std::vector<std::string>;

struct Reading {
    Fields fields;       // as the fields show them after being left
    std::string number;  // the whole number as one text, key included (see above)
    std::string shown;   // the number on one line, as the command line writes it
    Plan plan;           // what "Calcule" searches
    std::string keyPattern;  // IBAN: the key field, trimmed and padded
    std::string country;     // IBAN: the country field
    // More characters typed than the number holds, which the fields dropped:
    // how many were typed and how many it holds (both 0 when none was dropped).
    std::size_t typedLength = 0;
    std::size_t length = 0;
};

// A fault of the text as given, before any field reads it: a VIN that is not
// 17 characters, a card number of more than 16 digits... which the fields
// would cut or pad, but a check must not let through.
struct InputFault {
    std::string cause;       // e.g. "longueur : 17 caractères attendus"
    bool everyMode = false;  // nothing can be read at all, not only a check fails
    bool serious = false;    // the command line exits 2 rather than 1
};

// A fact a whole number says of itself, in French: "Sexe" "femme",
// "Commune" "Lyon 3e Arrondissement"...
struct Detail {
    std::string label;
    std::string value;
};

// A detail on one line, as every face writes it: "Sexe : femme".
std::string DetailLine(const Detail& detail);

// A number of the kind found inside another one as typed (the SIREN of a
// French VAT number): the fields it fills and the sentence that says so.
struct InnerNumber {
    Fields fields;
    std::string said;
};

class NumberKind {
public:
    virtual ~NumberKind() = default;

    // The name on the command line ("insee", "rib", ... "ean" for every code type).
    virtual std::string_view Name() const = 0;
    virtual std::size_t FieldCount() const { return 1; }

    // One text, as a person writes the whole number, spread over the fields
    // the way the page takes a pasted number (nothing normalised yet). Every
    // kind reads a whole number by its NumberCharacters (common/Text.h):
    // separators between its characters never change it.
    virtual Fields Split(std::string_view number) const {
        Fields fields(1);
        fields[0].assign(number);  // built in place: no copy of a number past the short-string length
        return fields;
    }

    // A whole number in one piece, as pasted into any field of the page: the
    // texts of every field, or nothing when the text is no whole number of
    // the kind (a kind of one field takes any text in it).
    virtual std::optional<Fields> SplitWhole(std::string_view) const { return std::nullopt; }

    // What is wrong with the text as given, or nothing.
    virtual std::optional<InputFault> CheckInput(std::string_view number) const;

    // The exit normalisation of field `index`.
    virtual std::string FormatField(std::size_t index, std::string_view text) const = 0;

    // Every field normalised (missing fields count as empty), then the plan.
    virtual Reading Read(const Fields& fields) const = 0;

    // The fields after "Calcule" on a number without unknown body characters.
    virtual Fields Complete(const Reading& reading) const = 0;
    // That number on one line.
    virtual std::string CompletedShown(const Reading& reading) const = 0;
    // The fields after "Calcule" on a number with more unknown characters
    // than a search takes: the number laid out, unknown markers in place.
    virtual Fields TooManyFields(const Reading& reading) const { return reading.fields; }

    // The rows "Calcule" lists, in the page's order. False when stopped.
    virtual bool Search(const Reading& reading, RowStore& rows, SearchPump& pump) const = 0;

    // The fields a listed row puts back (the list click).
    virtual Fields RowFields(std::string_view row) const { return {std::string(row)}; }

    // A listed row as a copy, a saved file or the command line writes it:
    // the row without its trailing blanks (IBAN: "FR76 3000 ...", the blank
    // between country code and key left out), appended to `out`.
    virtual void AppendPrintedRow(std::string_view row, std::string& out) const;

    // The state of the key and the kind's further checks.
    virtual Verdict Check(const Reading& reading) const = 0;

    // Every number one typing slip away from the reading's that the page's
    // candidate test accepts, as search rows; nothing unless the whole number
    // is known (body and key) and nothing was dropped. False when stopped.
    bool Corrections(const Reading& reading, RowStore& rows, SearchPump& pump) const;

    // What the whole number of the reading says (its parts, where it comes
    // from...), from the tables built into the program; nothing when the
    // number is not whole.
    virtual std::vector<Detail> Details(const Reading&) const { return {}; }
    // Whether the whole number belongs to something the program's tables
    // know beyond its key (a card number to a network): a page names another
    // kind's page for a number only then.
    virtual bool Recognised(const Reading&) const { return true; }

    // The number of this kind inside the fields as typed, when they hold a
    // number of another kind that carries one; nothing otherwise.
    virtual std::optional<InnerNumber> Inner(const Fields&) const { return std::nullopt; }

    // What a slip may put at each position of the number, and the test.
    virtual TypoRules Typos(const Reading& reading) const = 0;

    // The check of a batch of numbers, on the plain case only: a text (as
    // given, engine text) that holds a whole number of the kind written out in
    // full, nothing unknown, nothing dropped. It allocates nothing once
    // `shown` and `cause` have grown. Where it answers kRight or kWrong it
    // agrees with the full check: the text passes CheckInput, `shown` is
    // ReadText(number).shown, kRight means Check().Valid(), and on kWrong
    // `cause` is Check().FirstCause(). Every other text is kUnsure, as is
    // every text of a kind without a quick check.
    virtual QuickAnswer QuickCheck(std::string_view number, std::string& shown, std::string& cause) const;

    // The one test of a whole number: what the verdict calls "Clé correcte."
    // and --check "OK". Every search row, every correction and every
    // completed number passes it.
    bool IsRight(const Fields& fields) const;
    // The same test on a text as a person writes it (CheckInput included),
    // and on a row as a search lists it.
    bool IsRightText(std::string_view number) const;
    bool IsRightRow(std::string_view row) const { return IsRight(RowFields(row)); }

    // Convenience: Read(Split(number)).
    Reading ReadText(std::string_view number) const { return Read(Split(number)); }
};

// The kind named `name` (see KindNames), or null. `codeType` chooses the EAN
// code type (an EanType value) and is ignored by the other kinds.
std::unique_ptr<NumberKind> MakeKind(std::string_view name, int codeType = 1);

// The names MakeKind knows: the window's pages in their order, then "luhn"
// (a Luhn number of any length from 2 to 32 digits).
std::vector<std::string_view> KindNames();

}  // namespace ferrino
