// The page "CLé IBAN": three fields in the order of an IBAN (country code,
// check key, BBAN), a drop-down list of countries that fills the country code,
// and the candidate list of a search.
//
// The country list opens under the fields with the drop arrow beside the
// country code, or with the Down key in it, and closes again on the drop
// arrow, on a click in any of the three fields, on a press, a double click or
// Enter in the list, and whenever the list loses the focus. Enter there only
// closes the list: it does not run "Calcule" as Enter does elsewhere in the
// window, since the user is choosing a country, not asking for a key.
// Escape closes it too, and gives the country field back the code it had
// when the list opened.
//
// The three fields behave as one (TFieldChain): the country code takes two
// characters and the key two, typing goes on from one to the next, and a
// whole IBAN pasted into any of them, or typed into the country field, fills
// all three. The Tab order follows the screen: country, key, BBAN, then the
// drop button.
#include <QEvent>
#include <QKeyEvent>

#include "ArrowButton.h"
#include "CandidateList.h"
#include "EngineText.h"
#include "FixedFont.h"
#include "KeyPage.h"
#include "NumberField.h"
#include "Pages.h"
#include "iban/Countries.h"
#include "iban/Iban.h"

namespace {

class TIbanPage : public TKeyPage {
public:
    TIbanPage() : TKeyPage(QStringLiteral("Tab_iban"), QStringLiteral("CLé IBAN"), ferrino::MakeKind("iban")) {
        // The BBAN field is wide enough for the display form of thirty
        // characters (38 with its blanks), the others just for two.
        AddLabel(QStringLiteral("Label2"), QStringLiteral("IBAN :"), {8, 15});
        country_ = AddField(QStringLiteral("Edit_Iban_country"), {52, 9, 38, 26}, 2);
        country_->setText(QStringLiteral("FR"));
        arrowButton_ = new TArrowButton(QStringLiteral("ABtn_iban"), this);
        arrowButton_->setGeometry(90, 9, 13, 26);
        key_ = AddField(QStringLiteral("em_iban_cle"), {106, 9, 30, 26}, 2);
        bban_ = AddField(QStringLiteral("em_iban"), {139, 9, 379, 26}, 30);

        // From the middle of the code and of the key, and from the first group
        // of the BBAN, down and right to labels in steps: the BBAN's highest,
        // the code's lowest, so that no arrow crosses another.
        AddGuides(country_, {{"Arrow_iban1", "Lab_iban1", "Code pays", 1.0, {84, 116}}});
        AddGuides(key_, {{"Arrow_iban2", "Lab_iban2", "Clé de contrôle", 1.0, {138, 80}}});
        AddGuides(bban_, {{"Arrow_iban3", "Lab_iban3", "Numéro de compte BBAN", 2.0, {186, 48}}});

        // Both lists lie over the arrows and labels, eight rows high.
        TCandidateList* candidates = AddList(QStringLiteral("Lb_iban"), {51, 38, 467, 148});
        countries_ = AddList(QStringLiteral("LB_iban1"), {51, 38, 467, 148}, false);
        QStringList rows;
        for (std::string_view row : ferrino::CountryRows())
            rows << QString::fromUtf8(row.data(), static_cast<qsizetype>(row.size()));
        countries_->Model()->SetRows(rows);
        countries_->setAccessibleName(QStringLiteral("Pays"));
        arrowButton_->setAccessibleName(QStringLiteral("Choisir le pays"));
        candidates->raise();
        countries_->raise();

        setTabOrder(country_, key_);
        setTabOrder(key_, bban_);
        setTabOrder(bban_, arrowButton_);
        setTabOrder(arrowButton_, countries_);
        setTabOrder(countries_, candidates);

        ChainFields();

        connect(country_, &QLineEdit::textChanged, this, [this](const QString& text) { countryText_ = ToEngine(text); });
        connect(country_, &TNumberField::keyDown, this, &TIbanPage::Edit_Iban_countryKeyDown);
        connect(bban_, &TNumberField::exited, this, &TIbanPage::em_ibanExit);
        connect(key_, &TNumberField::exited, this, &TIbanPage::em_ibanExit);
        connect(arrowButton_, &TArrowButton::drop, this, &TIbanPage::ABtn_ibanDrop);
        connect(arrowButton_, &TArrowButton::clicked, this, &TIbanPage::ABtn_ibanClick);
        connect(countries_, &TCandidateList::rowClicked, this, &TIbanPage::LB_iban1Click);
        connect(countries_, &TCandidateList::mousePressed, this, &TIbanPage::LB_iban1MouseDown);
        connect(countries_, &TCandidateList::doubleClicked, this, &TIbanPage::LB_iban1DblClick);
        connect(countries_, &TCandidateList::exited, this, &TIbanPage::LB_iban1Exit);
        // The candidate list's double click runs "Calcule" (TKeyPage).
        connect(candidates, &TCandidateList::rowClicked, this, &TIbanPage::Lb_ibanClick);
        // Clicks in the fields, and Enter in the country list, which must not
        // reach the window's default button.
        for (QWidget* w : {static_cast<QWidget*>(country_), static_cast<QWidget*>(key_), static_cast<QWidget*>(bban_),
                           static_cast<QWidget*>(countries_)})
            w->installEventFilter(this);
    }

    // "Calcule". Leaving a field lays out the BBAN only, which the kind's
    // normalisation of the three fields does too.
    void BeforeNormalise() override { SetGuidesVisible(true); }

    bool Search(const ferrino::SessionStep& step, ferrino::SearchPump& pump) override {
        if (step.outcome != ferrino::StepOutcome::Searches) return TKeyPage::Search(step, pump);
        const ferrino::Reading& reading = step.reading;
        // The country code is read afresh for every candidate: the window may
        // change it while the search pumps. The slots were made for the code
        // of the click.
        ferrino::IbanSearchPlan plan;
        static_cast<ferrino::Plan&>(plan) = reading.plan;
        plan.keyPattern = reading.keyPattern;
        plan.country = reading.country;
        return ferrino::SearchIban(plan, countryText_, List()->Rows(), pump);
    }

    // "Effacer".
    void Clear() override {
        countries_->hide();
        List()->hide();
        SetGuidesVisible(true);
        key_->clear();
        bban_->ClearAndFocus();
    }

    // The handlers of the page.

    // Leaving the key or the BBAN: only the BBAN is laid out again.
    void em_ibanExit() { FieldExit(kBban); }

    void em_ibanClick() { countries_->hide(); }

    void Edit_Iban_countryClick() { countries_->hide(); }

    void Edit_Iban_countryKeyDown(int key) {
        if (key == Qt::Key_Down) ABtn_ibanDrop();
    }

    // Opens the list on the country of the field (the second row when the
    // field holds no known code), or closes it.
    void ABtn_ibanDrop() {
        countryBeforeList_ = country_->text();
        if (!ToggleCountries()) return;
        const QString code = country_->text().toUpper().trimmed().left(2);
        int row = 1;
        for (int i = 0; i < countries_->Count(); ++i) {
            if (countries_->RowText(i).left(2) == code) {
                row = i;
                break;
            }
        }
        SelectCountry(row);
    }

    void ABtn_ibanClick() {
        countryBeforeList_ = country_->text();
        if (!ToggleCountries()) return;
        SelectCountry(-1);
        countries_->selectionModel()->clearCurrentIndex();
    }

    void LB_iban1Click() {
        if (selectingCountry_) return;
        const int row = countries_->SelectedRow();
        if (row >= 0) country_->SetTextUndoable(countries_->RowText(row).left(2));
    }

    // The press goes on to select the row under the pointer, so one press
    // chooses a country and closes the list.
    void LB_iban1MouseDown() { HideCountries(); }

    void LB_iban1DblClick() { HideCountries(); }

    void LB_iban1KeyDown(int key) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter) HideCountries();
        if (key == Qt::Key_Escape) {
            // Nothing chosen: the field gets its code back, and the focus.
            country_->setText(countryBeforeList_);
            countries_->hide();
            country_->setFocus(Qt::OtherFocusReason);
        }
    }

    void LB_iban1Exit() { countries_->hide(); }

    void Lb_ibanClick() {
        const int row = List()->SelectedRow();
        if (row < 0) return;
        const QString text = List()->RowText(row);
        key_->SetTextUndoable(text.mid(3, 2));
        bban_->SetTextUndoable(text.mid(5, 40));
        em_ibanExit();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            if (watched == country_) Edit_Iban_countryClick();
            else if (watched == key_ || watched == bban_) em_ibanClick();
        } else if (event->type() == QEvent::KeyPress && watched == countries_) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
                LB_iban1KeyDown(key);
                return true;
            }
        }
        return TKeyPage::eventFilter(watched, event);
    }

private:
    // Shows the hidden country list and focuses it (true), or hides it and
    // focuses the BBAN (false).
    bool ToggleCountries() {
        if (countries_->isHidden()) {
            countries_->show();
            countries_->setFocus(Qt::OtherFocusReason);
            return true;
        }
        countries_->hide();
        bban_->setFocus(Qt::OtherFocusReason);
        return false;
    }

    // Hides the list; the focus it had goes to the BBAN.
    void HideCountries() {
        const bool hadFocus = countries_->hasFocus();
        countries_->hide();
        if (hadFocus) bban_->setFocus(Qt::OtherFocusReason);
    }

    // Selects a row without writing it into the country field, in the middle
    // of the list where it can; no row: the list from its first row.
    void SelectCountry(int row) {
        selectingCountry_ = true;
        countries_->SelectRow(row, QAbstractItemView::PositionAtCenter);
        selectingCountry_ = false;
    }

    TNumberField* country_ = nullptr;
    TArrowButton* arrowButton_ = nullptr;
    TNumberField* key_ = nullptr;
    TNumberField* bban_ = nullptr;
    TCandidateList* countries_ = nullptr;
    static constexpr std::size_t kBban = 2;  // the third of the number fields
    std::string countryText_ = "FR";  // what the search reads for every candidate
    QString countryBeforeList_;  // what Escape in the country list gives back
    bool selectingCountry_ = false;
};

}  // namespace

TKeyPage* CreateIbanPage() { return new TIbanPage; }
