// SIREN number: byte 0 sets the pump (FuzzCheck.h), the rest is the field.
#include "LuhnField.h"
#include "siren/Siren.h"

using namespace ferrino;

namespace {

const fuzz::LuhnField& Luhn() {
    static const fuzz::LuhnField luhn = [] {
        fuzz::LuhnField l;
        l.format = FormatSiren;
        l.computeKey = ComputeSirenKey;
        l.test = TestSirenCandidate;
        l.plan = SirenPlan;
        l.complete = CompleteSiren;
        l.search = SearchSiren;
        l.body = kSirenBody;
        l.groups = {3, 3, 3};
        // A search does not list a number whose eighth digit is 0.
        l.refuses = [](std::string_view body) { return body[7] == '0'; };
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
