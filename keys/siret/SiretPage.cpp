// The page "SIRET": the SIREN number, the establishment number and the key,
// each named by an arrow and a label, which the candidate list covers.
#include "CandidateList.h"
#include "NumberField.h"
#include "Pages.h"
#include "luhn/LuhnPage.h"
#include "siret/Siret.h"

namespace {

class TSiretPage : public TLuhnPage {
public:
    TSiretPage()
        : TLuhnPage({"Tab_SIRET", "SIRET", "Lsiret", "Siret", "em_siret", "LB_siret"},
                    {ferrino::FormatSiret, ferrino::SiretPlan, ferrino::CompleteSiret, ferrino::SearchSiret},
                    kHideList | kShowGuides) {
        // Columns of the display form: SSSSSSSSS EEEE K.
        AddGuide(QStringLiteral("FSIRET1"), QStringLiteral("LSIRET1"), QStringLiteral("Numéro RCS (SIREN)"), Field(), 4.5,
                 {24, 92});
        AddGuide(QStringLiteral("FSIRET2"), QStringLiteral("LSIRET2"), QStringLiteral("Numéro d'établissement"), Field(),
                 12.0, {300, 140});
        AddGuide(QStringLiteral("Fsiret3"), QStringLiteral("Lsiret3"), QStringLiteral("Clé de contrôle"), Field(), 15.5,
                 {300, 96});
        List()->raise();  // over the guides, which it replaces after a search
    }
};

}  // namespace

TKeyPage* CreateSiretPage() { return new TSiretPage; }
