// The page "CIP/ACL": the six-digit code and its key digit in two fields side
// by side. A listed row answers a single click only: it puts the code and the
// key back into their fields, and a double click does nothing more.
//
// The two fields behave as one (TFieldChain): a full code hands the typing on
// to the key, and a code pasted with its key fills both.
#include <QFontMetrics>

#include "CandidateList.h"
#include "EngineText.h"
#include "FixedFont.h"
#include "KeyPage.h"
#include "NumberField.h"
#include "Pages.h"
#include "accessible/Names.h"
#include "cip/Cip.h"

namespace {

class TCipPage : public TKeyPage {
public:
    TCipPage() : TKeyPage(QStringLiteral("tab_cip"), QStringLiteral("CIP/ACL"), ferrino::MakeKind("cip")) {
        QLabel* label = AddLabel(QStringLiteral("Label3"), QStringLiteral("Numero :"), {24, 47});

        constexpr int kLeft = 128;
        constexpr int kTop = 42;
        constexpr int kHeight = 26;
        const int charWidth = QFontMetrics(FixedFont()).horizontalAdvance(QLatin1Char('0'));
        const int codeLength = static_cast<int>(ferrino::kCipCodeLength);
        const int keyLength = static_cast<int>(ferrino::kCipKeyLength);
        code_ = AddField(QStringLiteral("Fcip1"), {kLeft, kTop, codeLength * charWidth + 12, kHeight}, codeLength);
        key_ = AddField(QStringLiteral("Fcip2"), {code_->geometry().right() + 7, kTop, keyLength * charWidth + 12, kHeight},
                        keyLength);
        ferrino::a11y::NameByLabel(code_, label);
        key_->setAccessibleName(QStringLiteral("Clé"));  // no label stands beside the key
        ChainFields();
        connect(code_, &TNumberField::exited, this, [this] { FieldExit(0); });
        connect(key_, &TNumberField::exited, this, [this] { FieldExit(1); });

        // A row is "123456 2": the list is as wide as the two fields, plus its scroll bar.
        TCandidateList* list = AddList(QStringLiteral("LB_cip"), {kLeft, kTop + kHeight + 4, 8 * charWidth + 40, 122});
        disconnect(list, &TCandidateList::doubleClicked, this, &TKeyPage::calculeRequested);
        connect(list, &TCandidateList::rowClicked, this, &TCipPage::LB_cipClick);
    }

    // Too many unknown digits: the fields keep their normalised text.
    void Clear() override {
        code_->clear();
        key_->clear();
        List()->hide();
    }

private:
    // The selected row's code and key go back into the fields, as they are.
    void LB_cipClick() {
        const int row = List()->SelectedRow();
        if (row < 0) return;
        WriteFields(Kind().RowFields(ToEngine(List()->RowText(row))));
    }

    TNumberField* code_ = nullptr;
    TNumberField* key_ = nullptr;
};

}  // namespace

TKeyPage* CreateCipPage() { return new TCipPage; }
