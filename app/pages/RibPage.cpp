// The page "Clé RIB/RIP": bank code, branch code, account number and key, each
// named by an arrow and a label.
#include "CandidateList.h"
#include "FixedFont.h"
#include "KeyPage.h"
#include "NumberField.h"
#include "Pages.h"
#include "rib/Rib.h"

namespace {

class TRibPage : public TSingleFieldPage {
public:
    TRibPage()
        : TSingleFieldPage(QStringLiteral("Tab_rib"), QStringLiteral("Clé RIB/RIP"),
                           ferrino::MakeKind("rib"), kHideList | kShowGuides) {
        Build(QStringLiteral("Label_RIB"), QStringLiteral("RIB/RIP :"), {32, 37}, QStringLiteral("em_rib"),
              {120, 32, 273, 26}, QStringLiteral("LB_rib"), {120, 62, 330, 130});

        // Columns of the display form: BBBBB GGGGG CCCCCCCCCCC KK.
        AddGuides(Field(), {
            {"FRib1", "Lrib1", "Etablissement", 2.5, {40, 84}},
            {"frib2", "Lrib2", "Guichet", 8.5, {144, 114}},
            {"frib3", "Lrib3", "Compte", 17.5, {224, 148}},
            {"frib4", "LRib4", "Clé ", 25.0, {326, 114}},
        });
    }
};

}  // namespace

TKeyPage* CreateRibPage() { return new TRibPage; }
