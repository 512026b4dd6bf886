// The page "Clé Professionnel de santé": the nine-character number in its four
// parts, each named by an arrow and a label, which the candidate list covers
// after a search.
#include "CandidateList.h"
#include "KeyPage.h"
#include "NumberField.h"
#include "Pages.h"
#include "prof/Prof.h"

namespace {

class TProfPage : public TSingleFieldPage {
public:
    TProfPage()
        : TSingleFieldPage(QStringLiteral("Tab_prof"), QStringLiteral("Clé Professionnel de santé"),
                           ferrino::MakeKind("prof"), kHideList | kShowGuides) {
        Build(QStringLiteral("Lprof"), QStringLiteral("Numero :"), {24, 47}, QStringLiteral("Em_prof"),
              {128, 42, 230, 26}, QStringLiteral("LB_prof"), {128, 72, 262, 122});

        // Columns of the display form: DD C NNNNN K. The label names are not in
        // the order of the parts: "Catégorie" is lprof4 and "Clé" lprof2.
        AddGuides(Field(), {
            {"fprof1", "lprof1", "Département", 1.0, {40, 88}},
            {"fprof2", "lprof4", "Catégorie", 3.5, {40, 124}},
            {"fprof3", "Lprof3", "Numéro d'inscription", 7.5, {226, 150}},
            {"fprof4", "lprof2", "Clé", 11.5, {262, 100}},
        });
    }
};

}  // namespace

TKeyPage* CreateProfPage() { return new TProfPage; }
