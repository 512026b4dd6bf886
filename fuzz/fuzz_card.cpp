// Bank card number: byte 0 sets the pump (FuzzCheck.h), the rest is the field.
#include "LuhnField.h"
#include "card/Card.h"

using namespace ferrino;

namespace {

const fuzz::LuhnField& Luhn() {
    static const fuzz::LuhnField luhn = [] {
        fuzz::LuhnField l;
        l.format = FormatCard;
        l.computeKey = ComputeCardKey;
        l.test = TestCardCandidate;
        l.plan = CardPlan;
        l.complete = CompleteCard;
        l.search = SearchCard;
        l.body = kCardBody;
        l.groups = {4, 4, 4, 4};
        // A search lists every completion whose key agrees.
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
