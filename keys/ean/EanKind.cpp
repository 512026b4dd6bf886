// The EAN and the other GS1 codes behind the one interface of common/Kind.h:
// one field, laid out by the code type.
#include <memory>
#include <string>
#include <vector>

#include "EanKind.h"
#include "Ean.h"
#include "EanDetails.h"
#include "common/SingleField.h"

namespace ferrino {

namespace {

std::unique_ptr<NumberKind> MakeEan(EanType type) {
    const std::size_t n = EanLength(type);
    const auto keys = [type](std::string_view pattern) {
        std::string key = ComputeEanTypeKey(pattern, type);
        return key.empty() ? std::vector<std::string>{} : One(std::move(key));
    };
    return std::make_unique<SingleFieldKind>(
        "ean", FieldOps{.format = [type](std::string_view text) { return ShowEan(text, type); },
                        .plan = [type](std::string_view text) { return EanPlan(text, type); },
                        .complete = [type](const Plan& plan) { return CompleteEan(plan, type); },
                        .search = [type](const Plan& plan, RowStore& rows, SearchPump& pump) { return SearchEan(plan, rows, pump, type); },
                        .test = [type](std::string_view c, std::string_view p, RowStore& s) { return TestEanCandidate(c, p, s, type); },
                        .keys = keys,
                        .keyAt = At(n - 1),
                        .typedLength = EanCharacters,
                        .details = [type](std::string_view pattern) { return EanDetails(pattern, type); },
                        .quick = [type](std::string_view number, std::string& shown, std::string& cause) {
                            return QuickEan(number, type, shown, cause);
                        }});
}

}  // namespace

std::unique_ptr<NumberKind> MakeEanKind(int codeType) {
    const bool known = codeType >= 0 && codeType < kEanTypeCount;
    return MakeEan(known ? static_cast<EanType>(codeType) : EanType::Ean13);
}

}  // namespace ferrino
