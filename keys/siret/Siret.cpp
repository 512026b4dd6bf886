#include "Siret.h"

#include <array>

#include "luhn/Luhn.h"
#include "siren/Siren.h"

namespace ferrino {

namespace {

// A search lists neither establishment 0000 nor a SIRET whose SIREN is wrong.
bool Refused(std::string_view body) { return body.substr(9, 4) == "0000" || !SirenIsRight(body); }

// The establishments of La Poste, but its head office (356 000 000 00048).
bool LaPosteEstablishment(std::string_view body) {
    return body.starts_with("356000000") && body != "3560000000004";
}

constexpr std::size_t kGroups[] = {9, 4, 1};
constexpr LuhnKind kSiret{kSiretBody, kGroups, KeepsDigitCapitalOrUnknown, Refused, LaPosteEstablishment};
static_assert(kSiret.GroupsCoverNumber() && kSiret.Length() == kSiretLength);

}  // namespace

bool SirenIsRight(std::string_view number) {
    const std::string_view siren = Slice(number, 0, kSirenLength);
    return siren.size() == kSirenLength && siren.substr(kSirenBody) == ComputeSirenKey(siren);
}

std::string FormatSiret(std::string_view text) { return FormatLuhn(text, kSiret); }
std::string ComputeSiretKey(std::string_view body) { return ComputeLuhnKey(body, kSiretBody); }
std::vector<std::string> SiretKeys(std::string_view body) { return LuhnKeys(body, kSiret); }
bool TestSiretCandidate(std::string_view candidate, std::string_view pattern, RowStore& sink) {
    return TestLuhnCandidate(candidate, pattern, sink, kSiret);
}
Plan SiretPlan(std::string_view fieldText) { return LuhnPlan(fieldText, kSiret); }
std::string CompleteSiret(const Plan& plan) { return CompleteLuhn(plan, kSiret); }
QuickAnswer QuickSiret(std::string_view number, std::string& shown, std::string& cause) {
    std::array<char, kSiretLength> digits;
    const QuickAnswer answer = QuickLuhn({digits.data(), PlainDigits(number, digits)}, kSiret, shown, cause);
    // The SIREN's own key, the first nine digits.
    if (answer == QuickAnswer::kRight && !SirenIsRight(std::string_view(digits.data(), kSirenLength)))
        return QuickAnswer::kUnsure;
    return answer;
}
bool SearchSiret(const Plan& plan, RowStore& sink, SearchPump& pump) { return SearchLuhn(plan, sink, pump, kSiret); }

}  // namespace ferrino
