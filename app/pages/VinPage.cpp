// The page "VIN": the seventeen characters typed into eight fields side by
// side, one per part of the number, each named by an arrow and a label. The
// candidate list takes the place of the arrows and labels after a search.
//
// Unlike the other pages, a click or a double click on a listed row only
// copies it back into the fields: nothing is normalised and "Calcule" does
// not run. "Effacer" empties the fields and hides the list but leaves the
// arrows and labels as they are.
//
// The eight boxes behave as one field (TFieldChain): typing moves on to the
// next box when one is full, Backspace at the start of a box goes back into
// the previous one, and a whole VIN pasted into any box fills all eight. A
// box the user empties stays empty when left, until "Calcule".
#include <QFontMetrics>
#include <array>

#include "CandidateList.h"
#include "EngineText.h"
#include "FixedFont.h"
#include "KeyPage.h"
#include "NumberField.h"
#include "Pages.h"
#include "vin/Vin.h"

namespace {

using ferrino::kVinFieldCount;
using ferrino::kVinFieldWidths;

class TVinPage : public TKeyPage {
public:
    TVinPage() : TKeyPage(QStringLiteral("Tab_Vin"), QStringLiteral("VIN"), ferrino::MakeKind("vin")) {
        AddLabel(QStringLiteral("Label1"), QStringLiteral("VIN :"), {24, 47});

        // The fields, just wide enough for their characters, one after another.
        static constexpr const char* kFieldNames[kVinFieldCount] = {"Vin1", "Vin2", "Vin3", "VIn4",
                                                                    "Vin5", "Vin6", "VIn7", "Vin8"};
        constexpr int kLeft = 122;
        constexpr int kTop = 42;
        constexpr int kHeight = 26;
        constexpr int kGap = 3;
        const int charWidth = QFontMetrics(FixedFont()).horizontalAdvance(QLatin1Char('0'));
        int x = kLeft;
        for (std::size_t i = 0; i < kVinFieldCount; ++i) {
            const int width = static_cast<int>(kVinFieldWidths[i]);
            TNumberField* field = AddField(QString::fromLatin1(kFieldNames[i]), {x, kTop, width * charWidth + 12, kHeight}, width);
            // A box the user has emptied (Backspace back across the boxes)
            // stays empty when left; "Calcule" fills it like any other.
            connect(field, &QLineEdit::textEdited, this, [this, i](const QString& text) { emptied_[i] = text.isEmpty(); });
            connect(field, &TNumberField::exited, this, [this, i] {
                if (!(emptied_[i] && fields_[i]->text().isEmpty())) FieldExit(i);
            });
            fields_[i] = field;
            x += field->width() + kGap;
        }
        const int right = x - kGap;
        ChainFields();

        TCandidateList* list = AddList(QStringLiteral("LB_vin"), {kLeft, kTop + kHeight + 4, right - kLeft, 122});
        // Both the click and the double click copy the row; a double click does
        // not ask for "Calcule" here.
        disconnect(list, &TCandidateList::doubleClicked, this, &TKeyPage::calculeRequested);
        connect(list, &TCandidateList::rowClicked, this, &TVinPage::LB_vinClick);
        connect(list, &TCandidateList::doubleClicked, this, &TVinPage::LB_vinClick);

        // The first four parts are named in a column on the left, the last four
        // in a column on the right; the arrows nearest the ends are the
        // shortest, so that no arrow crosses another.
        // The first four parts are named in a column on the left, the last
        // four in a column on the right, outer parts lowest.
        static constexpr const char* kGuides[kVinFieldCount][3] = {
            {"Fvin1", "Lvin1", "Code pays :"},
            {"Fvin2", "LVIn2", "Code constructeur :"},
            {"Fvin3", "LVin3", "Type :"},
            {"Fvin4", "LVin4", "Particularités du véhicule :"},
            {"Fvin5", "LVin5", "Clé de contrôle"},
            {"FVin6", "LVIn6", "Année"},
            {"FVin7", "LVin8", "Usine d'assemblage"},
            {"FVin8", "LVIn7", "Numéro de série"},
        };
        static constexpr int kRows[kVinFieldCount] = {0, 1, 2, 3, 3, 2, 1, 0};
        constexpr int kFirstRow = 80;
        constexpr int kRowStep = 26;
        const int rightColumn = ArrowColumn(kVinFieldCount - 1) + 13;
        for (std::size_t i = 0; i < kVinFieldCount; ++i) {
            const QPoint labelAt(i < 4 ? 24 : rightColumn, kFirstRow + kRows[i] * kRowStep);
            AddGuides(fields_[i], {{kGuides[i][0], kGuides[i][1], kGuides[i][2], static_cast<double>(kVinFieldWidths[i]) / 2, labelAt}});
        }
    }

    // Too many unknown characters: the fields keep what leaving them gave.
    void Clear() override {
        for (TNumberField* field : fields_) field->clear();
        List()->hide();
    }

private:
    // The selected row goes back into the eight fields, as it is.
    void LB_vinClick() {
        const int row = List()->SelectedRow();
        if (row < 0) return;
        WriteFields(Kind().RowFields(ToEngine(List()->RowText(row))));
    }

    // Where the arrow of field `i` starts: under the middle of its characters.
    int ArrowColumn(std::size_t i) const {
        const TNumberField* field = fields_[i];
        const int charWidth = field->fontMetrics().horizontalAdvance(QLatin1Char('0'));
        return field->x() + 4 + field->textMargins().left() + static_cast<int>(kVinFieldWidths[i]) * charWidth / 2;
    }

    std::array<TNumberField*, kVinFieldCount> fields_{};
    std::array<bool, kVinFieldCount> emptied_{};  // by the user's last edit
};

}  // namespace

TKeyPage* CreateVinPage() { return new TVinPage; }
