#include "LuhnPage.h"

namespace {

// The field and the list share their left edge; the list lies over whatever
// the page shows under the field (the arrows and labels of the SIRET page).
constexpr QPoint kLabelAt(24, 47);
constexpr QRect kField(128, 42, 230, 26);
constexpr QRect kList(128, 72, 262, 122);

}  // namespace

TLuhnPage::TLuhnPage(const TLuhnPageNames& names, int clearRule)
    : TSingleFieldPage(QString::fromLatin1(names.page), QString::fromUtf8(names.tab), ferrino::MakeKind(names.kind), clearRule) {
    Build(QString::fromLatin1(names.label), QString::fromUtf8(names.labelText), kLabelAt, QString::fromLatin1(names.field),
          kField, QString::fromLatin1(names.list), kList);
}
