// SIN: byte 0 sets the pump (FuzzCheck.h), the rest is the field.
#include "LuhnField.h"
#include "sin/Sin.h"

using namespace ferrino;

namespace {

const fuzz::LuhnField& Luhn() {
    static const fuzz::LuhnField luhn = [] {
        fuzz::LuhnField l;
        l.format = FormatSin;
        l.computeKey = ComputeSinKey;
        l.test = TestSinCandidate;
        l.plan = SinPlan;
        l.complete = CompleteSin;
        l.search = SearchSin;
        l.body = kSinBody;
        l.groups = {3, 3, 3};
        // A search refuses no candidate; the field drops only separators.
        l.refuses = nullptr;
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
