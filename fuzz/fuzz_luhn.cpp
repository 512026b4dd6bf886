// The Luhn pieces with a number made up by the input:
//   byte 0  the pump (FuzzCheck.h)
//   byte 1  body length N, 0 to 24
//   byte 2  bits 0-1: what the field keeps (the default, the card's rule,
//           everything but blanks, digits only); bits 2-3: which bodies a search refuses
//           (none, a leading 0, all zeros, an odd last digit); bits 4-5: which
//           bodies take a digit-sum key, as La Poste's SIRETs (none, a leading
//           3, all, an odd digit sum)
//   byte 3  draws the groups the number is shown in
//   rest    the field
#include "LuhnField.h"

using namespace ferrino;

namespace {

bool KeepsAllButBlanks(char c) { return c != ' '; }
bool KeepsDigits(char c) { return IsDigit(c); }

bool RefusesLeadingZero(std::string_view body) { return !body.empty() && body.front() == '0'; }
bool RefusesZeros(std::string_view body) { return body.find_first_not_of('0') == std::string_view::npos; }
bool RefusesOddLast(std::string_view body) { return !body.empty() && (body.back() - '0') % 2 == 1; }

bool LeadingThree(std::string_view body) { return !body.empty() && body.front() == '3'; }
bool Always(std::string_view) { return true; }
bool OddDigitSum(std::string_view body) {
    int sum = 0;
    for (char c : body) sum += c - '0';
    return sum % 2 == 1;
}

std::vector<std::size_t> DrawGroups(std::size_t length, unsigned seed) {
    std::vector<std::size_t> groups;
    std::size_t total = 0;
    while (total < length) {
        const std::size_t width = std::min<std::size_t>(1 + seed % 5, length - total);
        groups.push_back(width);
        total += width;
        seed = seed * 37 + 11;
    }
    return groups;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const fuzz::PumpSettings pump = fuzz::ReadPump(in.Byte());
    const std::size_t body = in.Byte() % 25;
    const std::uint8_t options = in.Byte();
    const std::vector<std::size_t> groups = DrawGroups(body + 1, in.Byte());
    const std::string text = in.Rest();

    static constexpr bool (*kKeeps[])(char) = {nullptr, KeepsDigitCapitalOrUnknown, KeepsAllButBlanks, KeepsDigits};
    static constexpr bool (*kRefuses[])(std::string_view) = {nullptr, RefusesLeadingZero, RefusesZeros, RefusesOddLast};
    static constexpr bool (*kDigitSum[])(std::string_view) = {nullptr, LeadingThree, Always, OddDigitSum};
    const LuhnKind kind{body, groups, kKeeps[options & 3U], kRefuses[(options >> 2) & 3U], kDigitSum[(options >> 4) & 3U]};
    FUZZ_CHECK(kind.GroupsCoverNumber(), fuzz::Context("body length", fuzz::Number(body)));

    fuzz::LuhnField luhn;
    luhn.format = [&](std::string_view t) { return FormatLuhn(t, kind); };
    luhn.computeKey = [&](std::string_view t) { return ComputeLuhnKey(t, body); };
    luhn.test = [&](std::string_view c, std::string_view p, RowStore& sink) { return TestLuhnCandidate(c, p, sink, kind); };
    luhn.plan = [&](std::string_view t) { return LuhnPlan(t, kind); };
    luhn.complete = [&](const Plan& plan) { return CompleteLuhn(plan, kind); };
    luhn.search = [&](const Plan& plan, RowStore& sink, SearchPump& p) { return SearchLuhn(plan, sink, p, kind); };
    luhn.body = body;
    luhn.groups = groups;
    if (kind.refuses) luhn.refuses = kind.refuses;
    if (kind.digitSumKey) luhn.digitSum = kind.digitSumKey;
    luhn.keys = [&](std::string_view t) { return LuhnKeys(t, kind); };

    fuzz::CheckLuhnKey(luhn.computeKey, text, body);
    fuzz::CheckLuhnKeys(luhn, text);
    // Any body length, the text's own included.
    for (std::size_t length : {std::size_t{0}, std::size_t{1}, text.size(), text.size() + 3})
        fuzz::CheckLuhnKey([&](std::string_view t) { return ComputeLuhnKey(t, length); }, text, length);
    fuzz::CheckField(fuzz::MakeLuhnKind(luhn), text, pump);
    return 0;
}
