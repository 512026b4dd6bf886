// SIRET number: byte 0 sets the pump (FuzzCheck.h), the rest is the field.
#include "LuhnField.h"
#include "siret/Siret.h"

using namespace ferrino;

namespace {

const fuzz::LuhnField& Luhn() {
    static const fuzz::LuhnField luhn = [] {
        fuzz::LuhnField l;
        l.format = FormatSiret;
        l.computeKey = ComputeSiretKey;
        l.test = TestSiretCandidate;
        l.plan = SiretPlan;
        l.complete = CompleteSiret;
        l.search = SearchSiret;
        l.body = kSiretBody;
        l.groups = {9, 4, 1};
        // A search does not list a number whose establishment number is 0000.
        l.refuses = [](std::string_view body) { return body.substr(9, 4) == "0000"; };
        return l;
    }();
    return luhn;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::FieldKind kind = fuzz::MakeLuhnKind(Luhn());
    fuzz::CheckLuhnInput(kind, Luhn(), data, size);
    return 0;
}
