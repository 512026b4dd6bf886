// Pages whose engine is not wired yet: a field and a list that do nothing.
#include "KeyPage.h"
#include "Pages.h"

namespace {
class TPendingPage : public TSingleFieldPage {
public:
    TPendingPage(const char* name, const char* caption)
        : TSingleFieldPage(QString::fromLatin1(name), QString::fromUtf8(caption),
                           {[](std::string_view t) { return std::string(t); },
                            [](std::string_view) { ferrino::Plan p; p.unknowns.resize(99); return p; },
                            [](const ferrino::Plan&) { return std::string(); },
                            [](const ferrino::Plan&, ferrino::RowStore&, ferrino::SearchPump&) { return true; }},
                           kHideList) {
        Build(QStringLiteral("L") + objectName(), QStringLiteral("Numéro"), {24, 47}, QStringLiteral("em_") + objectName(),
              {128, 42, 260, 26}, QStringLiteral("lb_") + objectName(), {128, 72, 262, 122});
    }
    void TooMany(const ferrino::Plan&) override {}
};
}  // namespace

TKeyPage* CreateRibPage() { return new TPendingPage("Tab_rib", "Clé RIB/RIP"); }
TKeyPage* CreateIbanPage() { return new TPendingPage("Tab_iban", "CLé IBAN"); }
TKeyPage* CreateProfPage() { return new TPendingPage("Tab_prof", "Clé Professionnel de santé"); }
TKeyPage* CreateAvsPage() { return new TPendingPage("Tab_avs", "Clé AVS"); }
TKeyPage* CreateIsbnPage() { return new TPendingPage("Tab_isbn", "ISBN"); }
TKeyPage* CreateCardPage() { return new TPendingPage("Tab_credit", "Cartes bancaires"); }
TKeyPage* CreateSirenPage() { return new TPendingPage("TabSheet1", "SIREN"); }
TKeyPage* CreateSiretPage() { return new TPendingPage("Tab_SIRET", "SIRET"); }
TKeyPage* CreateEanPage() { return new TPendingPage("Tab_EAN", "Codes EAN"); }
TKeyPage* CreateSinPage() { return new TPendingPage("Tab_sin", "S.I.N."); }
TKeyPage* CreateVinPage() { return new TPendingPage("Tab_Vin", "VIN"); }
TKeyPage* CreateCipPage() { return new TPendingPage("tab_cip", "CIP/ACL"); }
