// The page "SIRET": the SIREN number, the establishment number and the key,
// each named by an arrow and a label, which the candidate list covers.
#include "CandidateList.h"
#include "NumberField.h"
#include "Pages.h"
#include "LuhnPage.h"

namespace {

class TSiretPage : public TLuhnPage {
public:
    TSiretPage()
        : TLuhnPage({"Tab_SIRET", "SIRET", "Lsiret", "Siret", "em_siret", "LB_siret", "siret"}, kHideList | kShowGuides) {
        // Columns of the display form: SSSSSSSSS EEEE K.
        AddGuides(Field(), {
            {"FSIRET1", "LSIRET1", "Numéro RCS (SIREN)", 4.5, {24, 92}},
            {"FSIRET2", "LSIRET2", "Numéro d'établissement", 12.0, {300, 140}},
            {"Fsiret3", "Lsiret3", "Clé de contrôle", 15.5, {300, 96}},
        });
    }
};

}  // namespace

TKeyPage* CreateSiretPage() { return new TSiretPage; }
