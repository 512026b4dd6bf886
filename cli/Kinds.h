// The thirteen kinds of number as the command line reads them.
//
// A number arrives as one text, the way a person writes it. Each kind puts it
// into its page's field(s), runs the field's exit normalisation and reads the
// plan of "Calcule" from what the field then shows, exactly as the page does:
//
//   iban  the first two characters (blanks removed) are the country field, the
//         next two the key field, the rest the BBAN field;
//   vin   blanks and hyphens are removed and the first seventeen characters
//         fill the eight fields by their widths 1 1 1 5 1 1 1 6;
//   cip   with a blank, what stands before the last blank is the code field
//         and what follows it the key field; without one, the first six
//         characters are the code and the seventh the key;
//   the others have one field, which takes the whole text.
//
// The number is also where the key written stands: a fixed place of the
// pattern for every kind (the key field of IBAN and CIP).
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "common/RowStore.h"
#include "ean/Ean.h"
#include "iban/Iban.h"

namespace ferrino::cli {

// A number read into its page: what the field(s) show after leaving them,
// and the plan of "Calcule" (keyPattern is used by IBAN only).
struct Reading {
    std::string shown;
    IbanSearchPlan plan;
    std::string country;  // IBAN: the country field
};

class Kind {
public:
    virtual ~Kind() = default;

    // The name on the command line.
    virtual std::string_view Name() const = 0;

    // `number` is engine text: one byte per character, capitals for letters.
    virtual Reading Read(std::string_view number) const = 0;

    // The display form of the number once "Calcule" has written its key
    // (only for a reading without unknown body characters).
    virtual std::string Completed(const Reading& reading) const = 0;

    // The rows "Calcule" lists, in the window's order (only for a reading with
    // one up to four unknown body characters).
    virtual void Search(const Reading& reading, RowStore& rows) const = 0;

    // The key as written in the number (unknown markers where none was).
    virtual std::string WrittenKey(const Reading& reading) const = 0;

    // The key the body calls for, or an empty text when no key fits it (an
    // AVS body whose check value is 10). Only for a complete body.
    virtual std::string ExpectedKey(const Reading& reading) const = 0;
};

// The kind named `name` on the command line, or null. `eanType` is the code
// type of the `ean` kind.
std::unique_ptr<Kind> MakeKind(std::string_view name, EanType eanType);

// The names of the kinds, in the window's page order, for the help.
inline constexpr std::string_view kKindNames[] = {"insee", "rib",   "iban", "prof", "avs", "isbn", "carte",
                                                  "siren", "siret", "ean",  "sin",  "vin", "cip"};

}  // namespace ferrino::cli
