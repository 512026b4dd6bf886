#include "EanDetails.h"

#include <optional>
#include <string>

#include "Gs1.h"
#include "common/Text.h"
#include "isbn/Isbn.h"

namespace ferrino {

namespace {

// The ISSN check character of seven digits: weights 8 down to 2, modulo 11.
char IssnKey(std::string_view seven) {
    int sum = 0;
    for (std::size_t i = 0; i < 7; ++i) sum += DigitValue(seven[i]) * static_cast<int>(8 - i);
    const int key = (11 - sum % 11) % 11;
    return key == 10 ? 'X' : static_cast<char>('0' + key);
}

// What the GS1 prefix of thirteen digits says.
void AddPrefix(std::string_view thirteen, std::vector<Detail>& details) {
    const std::optional<Gs1Range> range = Gs1Prefix(thirteen);
    if (!range) {
        details.push_back({"Préfixe GS1", std::string(thirteen.substr(0, 3)) + " : non attribué"});
        return;
    }
    std::string value = !range->label.empty() ? std::string(range->label) : "GS1 " + std::string(range->country);
    details.push_back({"Préfixe GS1", std::string(thirteen.substr(0, 3)) + " : " + value});
    if (thirteen.starts_with("978") || (thirteen.starts_with("979") && !thirteen.starts_with("9790"))) {
        const std::string isbn(thirteen.substr(0, 13));
        details.push_back({"ISBN", FormatIsbn(isbn).shown});
    } else if (thirteen.starts_with("977")) {
        const std::string seven(thirteen.substr(3, 7));
        details.push_back({"ISSN", seven.substr(0, 4) + '-' + seven.substr(4) + IssnKey(seven)});
    } else if (thirteen.starts_with("34009")) {
        details.push_back({"CIP13", "médicament français, code " + std::string(thirteen.substr(5, 7))});
    }
}

}  // namespace

std::vector<Detail> EanDetails(std::string_view digits, EanType type) {
    std::vector<Detail> details{{"Type de code", std::string(EanTypeName(type))}};
    if (digits.size() < EanLength(type)) return details;
    switch (type) {
        case EanType::Ean13: AddPrefix(digits, details); break;
        case EanType::UpcA: AddPrefix("0" + std::string(digits), details); break;
        case EanType::UpcE: {
            // Only the number systems 0 and 1 abridge a UPC-A number.
            if (digits[0] != '0' && digits[0] != '1') break;
            const std::string upca = ExpandUpcE(digits);
            details.push_back({"UPC-A", FormatEan(upca + ComputeEanKey(upca, 12), EanType::UpcA)});
            AddPrefix("0" + upca, details);
            break;
        }
        case EanType::Ean8:
            // A GTIN-8 beginning with 0 or 2 is for restricted circulation.
            if (digits[0] == '0' || digits[0] == '2')
                details.push_back({"Préfixe GS1", std::string(digits.substr(0, 1)) + " : circulation restreinte"});
            else if (const std::optional<Gs1Range> range = Gs1Prefix(digits))
                details.push_back({"Préfixe GS1", std::string(digits.substr(0, 3)) + " : " +
                                                      (range->label.empty() ? "GS1 " + std::string(range->country) : std::string(range->label))});
            break;
        case EanType::UpcC: break;
    }
    return details;
}

}  // namespace ferrino
