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
        // A search lists every completion whose key agrees, an eighth digit 0
        // included: about one real SIREN in ten has it.
        return l;
    }();
    return luhn;
}

// A complete number whose eighth digit is 0 is listed by the candidate test
// like any other (CheckField checks it for every complete number; here the
// eighth digit of the field's body is set to 0 whatever was typed).
void CheckEighthDigitZero(const std::string& text) {
    std::string body = fuzz::DigitBody(text, kSirenBody);
    body[7] = '0';
    const std::string number = body + fuzz::ExpectedKeys(Luhn(), body)[0];
    RowStore sink;
    FUZZ_CHECK(TestSirenCandidate(number, number, sink) && sink.Size() == 1 && sink.Row(0) == FormatSiren(number),
               fuzz::Context("number", number));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::FieldKind kind = fuzz::MakeLuhnKind(Luhn());
    fuzz::CheckLuhnInput(kind, Luhn(), data, size);
    fuzz::Input in(data, size);
    in.Byte();
    CheckEighthDigitZero(in.Rest());
    return 0;
}
