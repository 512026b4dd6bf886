// The page "Clé AVS": the AVS number in its groups, each named by an arrow and
// a label, which the candidate list covers after a search. The old
// eleven-digit number has four groups; the current one (756.1234.5678.97)
// has its country code, personal number and check digit, named by a second
// set of arrows and labels that takes the place of the first whenever the
// field holds a current number.
#include "CandidateList.h"
#include "KeyPage.h"
#include "NumberField.h"
#include "Pages.h"
#include "EngineText.h"
#include "avs/Avs.h"

namespace {

class TAvsPage : public TSingleFieldPage {
public:
    TAvsPage()
        : TSingleFieldPage(QStringLiteral("Tab_avs"), QStringLiteral("Clé AVS"),
                           ferrino::MakeKind("avs"), kHideList | kShowGuides) {
        Build(QStringLiteral("Label_avs"), QStringLiteral("Numéro AVS :"), {24, 47}, QStringLiteral("Em_avs"),
              {128, 42, 230, 26}, QStringLiteral("LB_avs"), {128, 72, 262, 122});

        // Columns of the display form: NNN YY SDM OOK. The two groups on the
        // left are named on the left, the two on the right on the right, the
        // outer arrows shortest so that none crosses another.
        AddGuides(Field(), {
            {"Favs1", "Lavs1", "Groupe du nom", 1.5, {40, 88}},
            {"favs2", "Lavs2", "Année de naissance", 5.0, {40, 126}},
            {"JFavs3", "Lavs3", "Sexe, jour et mois de naissance", 8.5, {232, 160}},
            {"favs4", "Lavs4", "Numéro d'ordre et clé", 12.5, {272, 100}},
        });
        // Columns of 756.1234.5678.97.
        AddGuides(Field(), {
            {"Favs5", "Lavs5", "Code pays", 1.5, {40, 100}},
            {"Favs6", "Lavs6", "Numéro personnel", 9.5, {252, 150}},
            {"Favs7", "Lavs7", "Clé de contrôle", 15.5, {300, 100}},
        }, kCurrentForm);
    }

    void FieldExit() override {
        TSingleFieldPage::FieldExit();
        SetGuideSet(ferrino::IsCurrentAvs(ferrino::KeepDigitsCapitalsUnknown(ToEngine(Field()->text()))) ? kCurrentForm : 0);
    }

private:
    static constexpr int kCurrentForm = 1;
};

}  // namespace

TKeyPage* CreateAvsPage() { return new TAvsPage; }
