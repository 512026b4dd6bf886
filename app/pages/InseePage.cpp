// The page "Clé Insee": the number in its seven parts, each named by an arrow
// and a label, and a red message when too many digits are unknown.
#include "CandidateList.h"
#include "KeyPage.h"
#include "NumberField.h"
#include "Pages.h"
#include "SlidingLabel.h"
#include "insee/Insee.h"

namespace {

class TInseePage : public TSingleFieldPage {
public:
    TInseePage()
        : TSingleFieldPage(QStringLiteral("Tab_insee"), QStringLiteral("Clé Insee"),
                           ferrino::MakeKind("insee"), kHideList | kShowGuides) {
        Build(QStringLiteral("LabelINSEE"), QStringLiteral("Numéro Insee :"), {24, 47}, QStringLiteral("EM_INSEE"),
              {128, 42, 230, 26}, QStringLiteral("LB_insee"), {128, 72, 262, 122});

        message_ = new TSlidingLabel(QStringLiteral("MSG_insee"), QString::fromUtf8(ferrino::kTooManyMessage.data(), static_cast<qsizetype>(ferrino::kTooManyMessage.size())), this);
        QPalette red = message_->palette();
        red.setColor(QPalette::WindowText, QColor(220, 0, 0));
        message_->setPalette(red);
        QFont bold = message_->font();
        bold.setBold(true);
        message_->setFont(bold);
        message_->adjustSize();
        message_->SetHome({128, 18});

        // Columns of the display form: S YY MM DD CCC OOO KK.
        AddGuides(Field(), {
            {"Finsee1", "Linsee1", "Sexe", 0.5, {60, 90}},
            {"Finsee2", "Linsee2", "Année", 3.0, {52, 122}},
            {"Finsee3", "LInsee3", "Mois", 6.0, {60, 154}},
            {"Finsee4", "Linsee4", "Département", 9.0, {116, 176}},
            {"Finsee5", "Linsee5", "Commune", 12.5, {296, 176}},
            {"Finsee6", "Linsee6", "Ordre", 16.5, {330, 134}},
            {"Finsee7", "Linsee7", "Clé", 20.0, {376, 96}},
        });
    }

    void BeforeNormalise() override { message_->Retract(); }

    void Show(const ferrino::SessionStep& step) override {
        TSingleFieldPage::Show(step);
        if (step.outcome == ferrino::StepOutcome::TooMany) message_->SlideIn();
    }

private:
    TSlidingLabel* message_ = nullptr;
};

}  // namespace

TKeyPage* CreateInseePage() { return new TInseePage; }
