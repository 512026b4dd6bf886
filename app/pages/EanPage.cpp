// The page "Codes EAN": a bar-code number of the type chosen above it (EAN 8,
// EAN 13, UPC-A, UPC-C or UPC-E), laid out in that type's blocks.
//
// Choosing another type lays the field out again at once. A click on a listed
// number chooses the type by the length of the row (the type of the search
// that filled the list when its rows have that length, since UPC-C and UPC-E
// rows are alike), without laying the field out for it first, then puts the
// row into the field. "Effacer" empties the field only: the list and the type
// stay as they are.
#include <QComboBox>
#include <QSignalBlocker>
#include <array>

#include "CandidateList.h"
#include "KeyPage.h"
#include "NumberField.h"
#include "Pages.h"
#include "accessible/Names.h"
#include "ean/Ean.h"

namespace {

using ferrino::EanType;

class TEanPage : public TSingleFieldPage {
public:
    TEanPage()
        : TSingleFieldPage(QStringLiteral("Tab_EAN"), QStringLiteral("Codes EAN"), nullptr, 0) {
        for (int row = 0; row < ferrino::kEanTypeCount; ++row) kinds_[static_cast<std::size_t>(row)] = ferrino::MakeKind("ean", row);
        QLabel* typeLabel = AddLabel(QStringLiteral("Lean1"), QStringLiteral("Type :"), {24, 15});
        type_ = new QComboBox(this);
        type_->setObjectName(QStringLiteral("Cb_ean"));
        ferrino::a11y::NameByLabel(type_, typeLabel);
        type_->setEditable(false);
        for (int row = 0; row < ferrino::kEanTypeCount; ++row) {
            const std::string_view name = ferrino::EanTypeName(static_cast<EanType>(row));
            type_->addItem(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
        }
        type_->setCurrentIndex(static_cast<int>(EanType::Ean13));
        type_->setGeometry(128, 10, 110, 24);

        Build(QStringLiteral("Lean2"), QStringLiteral("Numéro :"), {24, 47}, QStringLiteral("em_ean"), {128, 42, 230, 26},
              QStringLiteral("LB_ean"), {128, 72, 262, 122});

        // Cb_eanChange.
        connect(type_, &QComboBox::currentIndexChanged, this, [this] { FieldExit(); });
    }

    // The kind of the code type chosen.
    const ferrino::NumberKind& Kind() const override { return *kinds_[static_cast<std::size_t>(Type())]; }

    bool Search(const ferrino::SessionStep& step, ferrino::SearchPump& pump) override {
        listedBy_ = Type();
        return TSingleFieldPage::Search(step, pump);
    }

    // LB_eanClick.
    void ListClick() override {
        const int row = List()->SelectedRow();
        if (row < 0) return;
        const QString text = List()->RowText(row);
        {
            const QSignalBlocker quiet(type_);
            type_->setCurrentIndex(static_cast<int>(
                ferrino::EanTypeForShownLength(static_cast<std::size_t>(text.size()), Type(), listedBy_)));
        }
        Field()->SetTextUndoable(text);
        FieldExit();
    }

private:
    EanType Type() const {
        const int row = type_ ? type_->currentIndex() : -1;
        return row >= 0 && row < ferrino::kEanTypeCount ? static_cast<EanType>(row) : EanType::Ean13;
    }

    QComboBox* type_ = nullptr;
    std::array<std::unique_ptr<ferrino::NumberKind>, ferrino::kEanTypeCount> kinds_;
    EanType listedBy_ = EanType::Ean13;  // the type of the search that filled the list
};

}  // namespace

TKeyPage* CreateEanPage() { return new TEanPage; }
