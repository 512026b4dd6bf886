// The page "Clé AVS": the eleven-digit AVS number in its four groups, each
// named by an arrow and a label, which the candidate list covers after a search.
#include "CandidateList.h"
#include "KeyPage.h"
#include "NumberField.h"
#include "Pages.h"
#include "avs/Avs.h"

namespace {

class TAvsPage : public TSingleFieldPage {
public:
    TAvsPage()
        : TSingleFieldPage(QStringLiteral("Tab_avs"), QStringLiteral("Clé AVS"),
                           {ferrino::FormatAvs, ferrino::AvsPlan, ferrino::CompleteAvs, ferrino::SearchAvs},
                           kHideList | kShowGuides) {
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
    }
};

}  // namespace

TKeyPage* CreateAvsPage() { return new TAvsPage; }
