#include "Typos.h"

#include <vector>

namespace ferrino {

std::string SlotSymbols(const std::function<Plan(std::string_view)>& planOf, std::string_view number, std::size_t pos) {
    std::string probe(number);
    if (pos >= probe.size()) return {};
    probe[pos] = kUnknown;
    const Plan plan = planOf(probe);
    for (const Slot& slot : plan.unknowns) {
        if (slot.pos != pos) continue;
        std::string symbols;
        for (std::size_t v = 0; v < slot.symbols.size(); ++v)
            if (v >= 64 || !((slot.passOver >> v) & 1U)) symbols += slot.symbols[v];
        return symbols;
    }
    return {};
}

bool FindTypingErrors(std::string_view number, const TypoRules& rules, RowStore& sink, SearchPump& pump) {
    std::vector<std::string> alphabets(number.size());
    for (std::size_t pos = 0; pos < number.size(); ++pos) alphabets[pos] = rules.alphabet(number, pos);

    std::string candidate(number);
    const auto tryCandidate = [&] {
        pump.Pump();
        if (pump.StopRequested()) return false;
        rules.test(candidate, sink);
        return true;
    };
    for (std::size_t pos = 0; pos < number.size(); ++pos) {
        const std::string& alphabet = alphabets[pos];
        if (alphabet.empty()) continue;
        const char here = number[pos];
        // The swap with the right neighbour puts that neighbour here.
        const bool swaps = pos + 1 < number.size() && number[pos + 1] != here &&
                           alphabet.find(number[pos + 1]) != std::string::npos &&
                           alphabets[pos + 1].find(here) != std::string::npos;
        for (char symbol : alphabet) {
            if (symbol != here) {
                candidate[pos] = symbol;
                if (!tryCandidate()) return false;
                candidate[pos] = here;
            }
            if (swaps && symbol == number[pos + 1]) {
                candidate[pos] = number[pos + 1];
                candidate[pos + 1] = here;
                if (!tryCandidate()) return false;
                candidate[pos] = here;
                candidate[pos + 1] = number[pos + 1];
            }
        }
    }
    return true;
}

}  // namespace ferrino
