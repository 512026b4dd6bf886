#include "KeyPage.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>

#include "Arrow.h"
#include "CandidateList.h"
#include "EngineText.h"
#include "NumberField.h"

TKeyPage::TKeyPage(const QString& objectName, const QString& tabCaption, QWidget* parent)
    : QWidget(parent), tabCaption_(tabCaption) {
    setObjectName(objectName);
}

void TKeyPage::ShowOutcome(bool searchRan) {
    if (list_) list_->setVisible(searchRan);
    SetGuidesVisible(!searchRan);
}

void TKeyPage::SetGuidesVisible(bool visible) {
    guidesShown_ = visible;
    for (std::size_t set = 0; set < guides_.size(); ++set)
        for (QWidget* w : guides_[set]) w->setVisible(visible && static_cast<int>(set) == guideSet_);
}

bool TKeyPage::GuidesVisible() const {
    const auto set = static_cast<std::size_t>(guideSet_);
    return set < guides_.size() && !guides_[set].empty() && guides_[set].front()->isVisibleTo(this);
}

void TKeyPage::SetGuideSet(int set) {
    if (set == guideSet_) return;
    guideSet_ = set;
    SetGuidesVisible(guidesShown_);
}

QLabel* TKeyPage::AddLabel(const QString& name, const QString& text, QPoint at) {
    auto* label = new QLabel(text, this);
    label->setObjectName(name);
    label->adjustSize();
    label->move(at);
    return label;
}

TNumberField* TKeyPage::AddField(const QString& name, QRect geometry, int typingLimit) {
    auto* field = new TNumberField(name, this);
    field->setGeometry(geometry);
    field->SetTypingLimit(typingLimit);
    return field;
}

TCandidateList* TKeyPage::AddList(const QString& name, QRect geometry, bool candidates) {
    auto* list = new TCandidateList(name, this);
    list->setGeometry(geometry);
    if (candidates) {
        list_ = list;
        connect(list, &TCandidateList::doubleClicked, this, &TKeyPage::calculeRequested);
    }
    return list;
}

void TKeyPage::AddGuides(TNumberField* field, std::initializer_list<TGuide> guides, int set) {
    if (guides_.size() <= static_cast<std::size_t>(set)) guides_.resize(static_cast<std::size_t>(set) + 1);
    std::vector<QWidget*>& widgets = guides_[static_cast<std::size_t>(set)];
    // Where the characters of the field start: inside its frame, after the
    // edit's own margin of 2 pixels and any text margin.
    QStyleOptionFrame frame;
    frame.initFrom(field);
    frame.rect = QRect(QPoint(), field->size());
    frame.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, field);
    const QRect contents = field->style()->subElementRect(QStyle::SE_LineEditContents, &frame, field);
    const qreal textLeft = field->x() + contents.x() + 2 + field->textMargins().left();
    const qreal charWidth = QFontMetricsF(field->font()).horizontalAdvance(QLatin1Char('0'));

    for (const TGuide& guide : guides) {
        QLabel* label = AddLabel(QString::fromLatin1(guide.label), QString::fromUtf8(guide.caption),
                                 guide.labelAt);
        auto* arrow = new TArrow(QString::fromLatin1(guide.arrow), this);
        const QPoint from(qRound(textLeft + guide.column * charWidth), field->geometry().bottom() + 2);
        const int middle = label->y() + label->height() / 2;
        const bool labelOnLeft = label->geometry().center().x() < from.x();
        const QPoint to(labelOnLeft ? label->geometry().right() + 3 : label->x() - 3, middle);
        arrow->Link(from, to);
        arrow->lower();
        widgets.push_back(label);
        widgets.push_back(arrow);
        label->setVisible(set == guideSet_);
        arrow->setVisible(set == guideSet_);
    }
    if (list_) list_->raise();
}

void TKeyPage::Apply(TNumberField* field, const std::function<std::string(std::string_view)>& operation) {
    field->setText(FromEngine(operation(ToEngine(field->text()))));
}

QString TKeyPage::RowText(TCandidateList* list, int row) { return list->RowText(row); }

TSingleFieldPage::TSingleFieldPage(const QString& objectName, const QString& tabCaption, TKindOps ops, int clearRule,
                                   QWidget* parent)
    : TKeyPage(objectName, tabCaption, parent), ops_(std::move(ops)), clearRule_(clearRule) {}

void TSingleFieldPage::Build(const QString& labelName, const QString& labelText, QPoint labelAt, const QString& fieldName,
                             QRect fieldGeometry, const QString& listName, QRect listGeometry) {
    AddLabel(labelName, labelText, labelAt);
    field_ = AddField(fieldName, fieldGeometry);
    connect(field_, &TNumberField::exited, this, &TSingleFieldPage::FieldExit);
    TCandidateList* list = AddList(listName, listGeometry);
    connect(list, &TCandidateList::rowClicked, this, &TSingleFieldPage::ListClick);
}

void TSingleFieldPage::FieldExit() { Apply(field_, ops_.format); }

void TSingleFieldPage::ListClick() {
    const int row = List()->SelectedRow();
    if (row < 0) return;
    field_->setText(List()->RowText(row));
    FieldExit();
}

ferrino::Plan TSingleFieldPage::ReadPlan() { return ops_.plan(ToEngine(field_->text())); }

void TSingleFieldPage::Complete(const ferrino::Plan& plan) {
    field_->setText(FromEngine(ops_.complete(plan)));
    FieldExit();
}

void TSingleFieldPage::TooMany(const ferrino::Plan& plan) {
    field_->setText(FromEngine(plan.pattern));
    FieldExit();
}

bool TSingleFieldPage::Search(const ferrino::Plan& plan, ferrino::SearchPump& pump) {
    return ops_.search(plan, List()->Rows(), pump);
}

void TSingleFieldPage::Clear() {
    if (clearRule_ & kHideList) List()->hide();
    if (clearRule_ & kShowGuides) SetGuidesVisible(true);
    field_->ClearAndFocus();
}
