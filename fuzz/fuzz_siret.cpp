// SIRET number: byte 0 sets the pump (FuzzCheck.h), the rest is the field.
// The establishments of La Poste (SIREN 356 000 000, but its head office
// 356 000 000 00048) take a digit-sum key (LuhnField.h).
#include <limits>

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
        // A search lists neither a number whose establishment number is 0000
        // nor one whose SIREN (the first nine digits) fails Luhn.
        l.refuses = [](std::string_view body) { return body.substr(9, 4) == "0000" || !fuzz::LuhnHolds(body.substr(0, 8), body[8]); };
        l.digitSum = [](std::string_view body) { return body.substr(0, 9) == "356000000" && body != "3560000000004"; };
        l.keys = SiretKeys;
        return l;
    }();
    return luhn;
}

// The typed text's last five digits as a La Poste establishment and key:
// "Calcule" on the complete body searches the key position and lists exactly
// the fitting keys (two, d and d + 5, in increasing order, whatever key is
// typed), each a number whose fourteen digits add up to a multiple of 5. The head office, 356 000 000
// 0004, is completed with its Luhn key 8.
void CheckLaPoste(const std::string& text, const fuzz::PumpSettings& settings) {
    std::string digits;
    for (char c : text)
        if (IsDigit(c) || c == kUnknown) digits += c;
    const std::string field = FormatSiret("356000000" + digits.substr(0, 5));
    const Plan plan = SiretPlan(field);
    const std::string body = plan.pattern.substr(0, kSiretBody);
    const std::string ctx = fuzz::Context("field", field, "pattern", plan.pattern);
    if (body.find(kUnknown) != std::string::npos || body.substr(9, 4) == "0000") return;
    if (body == "3560000000004") {
        FUZZ_CHECK(plan.Complete() && CompleteSiret(plan) == "35600000000048", ctx);
        return;
    }
    FUZZ_CHECK(plan.unknowns.size() == 1 && plan.unknowns[0].pos == kSiretBody, ctx);
    fuzz::PumpSettings unstopped = settings;
    unstopped.stopAt = std::numeric_limits<std::size_t>::max();
    const fuzz::Outcome got =
        fuzz::RunSearch([&](RowStore& sink, SearchPump& pump) { return SearchSiret(plan, sink, pump); }, unstopped, nullptr);
    int sum = 0;
    for (char c : body) sum += c - '0';
    std::vector<std::string> want;
    for (char key = '0'; key <= '9'; ++key)
        if ((sum + key - '0') % 5 == 0) want.push_back(body.substr(0, 9) + ' ' + body.substr(9) + ' ' + key);
    FUZZ_CHECK(got.finished && got.rows == want && want.size() == 2,
               ctx + fuzz::Context("rows", fuzz::Number(got.rows.size()), "expected", fuzz::Number(want.size())));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::FieldKind kind = fuzz::MakeLuhnKind(Luhn());
    fuzz::CheckLuhnInput(kind, Luhn(), data, size);
    fuzz::Input in(data, size);
    const fuzz::PumpSettings pump = fuzz::ReadPump(in.Byte());
    CheckLaPoste(in.Rest(), pump);
    return 0;
}
