#include "KeyPage.h"

#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>

#include "Arrow.h"
#include "FixedFont.h"
#include "CandidateList.h"
#include "EngineText.h"
#include "FieldChain.h"
#include "NumberField.h"
#include "accessible/Names.h"

TKeyPage::TKeyPage(const QString& objectName, const QString& tabCaption, std::unique_ptr<ferrino::NumberKind> kind,
                   QWidget* parent)
    : QWidget(parent), tabCaption_(tabCaption), kind_(std::move(kind)) {
    setObjectName(objectName);
}

TKeyPage::~TKeyPage() = default;

ferrino::Fields TKeyPage::FieldTexts() const {
    ferrino::Fields texts;
    for (const TNumberField* field : fields_) texts.push_back(ToEngine(field->text()));
    return texts;
}

ferrino::Fields TKeyPage::TypedTexts() const {
    ferrino::Fields texts;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const QString now = fields_[i]->text();
        const bool normalised = !writtenByExit_[i].isNull() && now == writtenByExit_[i];
        texts.push_back(ToEngine(normalised ? typedBeforeExit_[i] : now));
    }
    return texts;
}

void TKeyPage::Normalise() {
    for (std::size_t i = 0; i < fields_.size(); ++i) FieldExit(i);
}

void TKeyPage::FieldExit(std::size_t index) {
    TNumberField* field = fields_[index];
    const QString now = field->text();
    const QString shown = FromEngine(Kind().FormatField(index, ToEngine(now)));
    // Leaving a field again keeps what was typed before it was first laid out.
    if (writtenByExit_[index].isNull() || now != writtenByExit_[index]) {
        typedBeforeExit_[index] = now;
        writtenByExit_[index] = shown;
    }
    field->SetTextUndoable(shown);
}

void TKeyPage::Show(const ferrino::SessionStep& step) { WriteFields(step.fields); }

bool TKeyPage::Search(const ferrino::SessionStep& step, ferrino::SearchPump& pump) {
    return ferrino::Session::Search(Kind(), step, List()->Rows(), pump);
}

void TKeyPage::SetDetails(std::vector<ferrino::Detail> details) {
    details_ = std::move(details);
    emit detailsChanged();
}

void TKeyPage::ChainFields() {
    new TFieldChain(fields_, [this](const QString& text) -> std::optional<QStringList> {
        const std::optional<ferrino::Fields> parts = Kind().SplitWhole(ToEngine(text));
        if (!parts) return std::nullopt;
        QStringList texts;
        for (const std::string& part : *parts) texts << FromEngine(part);
        return texts;
    }, this);
}

void TKeyPage::WriteFields(const ferrino::Fields& texts) {
    for (std::size_t i = 0; i < fields_.size() && i < texts.size(); ++i) fields_[i]->SetTextUndoable(FromEngine(texts[i]));
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
    ferrino::a11y::ShowPartSet(this, set);
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
    connect(field, &TNumberField::correctionsRequested, this, &TKeyPage::correctionsRequested);
    const std::size_t index = fields_.size();
    connect(field, &TNumberField::userEdited, this, [this, index] {
        writtenByExit_[index] = QString();
        // What was said of the number no longer holds.
        if (!details_.empty()) SetDetails({});
    });
    fields_.push_back(field);
    typedBeforeExit_.emplace_back();
    writtenByExit_.emplace_back();
    return field;
}

TCandidateList* TKeyPage::AddList(const QString& name, QRect geometry, bool candidates) {
    auto* list = new TCandidateList(name, this, candidates);
    // As many whole rows as come nearest to the height given.
    const int frame = list->HeightForRows(0);
    const int rows = std::max(1, (geometry.height() - frame + ListRowHeight() / 2) / ListRowHeight());
    geometry.setHeight(list->HeightForRows(rows));
    list->setGeometry(geometry);
    if (candidates) {
        list_ = list;
        connect(list, &TCandidateList::doubleClicked, this, &TKeyPage::calculeRequested);
        // A copied or saved row is printed as the kind prints its numbers.
        list->SetPrintedForm([this](std::string_view row, std::string& out) { Kind().AppendPrintedRow(row, out); });
        // What the current row says, once the page has taken the row (the
        // EAN page first chooses the code type it was listed by).
        connect(list, &TCandidateList::rowClicked, this, [this, list] {
            const int row = list->SelectedRow();
            if (row < 0) return;
            const std::string text = ToEngine(list->RowText(row));
            QMetaObject::invokeMethod(this, [this, text] { SetDetails(Kind().Details(Kind().Read(Kind().RowFields(text)))); },
                                      Qt::QueuedConnection);
        });
    }
    lists_.push_back(list);
    StartArrowsUnderLists();
    return list;
}

void TKeyPage::StartArrowsUnderLists() {
    // A list that lies over arrows would leave their starts showing in the gap
    // between the field and the list's top edge: such arrows start at that edge.
    for (const std::vector<QWidget*>& set : guides_) {
        for (QWidget* guide : set) {
            auto* arrow = qobject_cast<TArrow*>(guide);
            if (!arrow) continue;
            for (const TCandidateList* list : lists_) {
                const QRect area = list->geometry();
                const QPoint from = arrow->Start();
                if (from.x() < area.left() || from.x() > area.right()) continue;
                if (area.top() > from.y() && area.top() - from.y() <= kArrowGap && area.top() < arrow->End().y())
                    arrow->Link({from.x(), area.top()}, arrow->End());
            }
        }
    }
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

    QList<QLabel*> parts;
    for (const TGuide& guide : guides) {
        QLabel* label = AddLabel(QString::fromLatin1(guide.label), QString::fromUtf8(guide.caption),
                                 guide.labelAt);
        auto* arrow = new TArrow(QString::fromLatin1(guide.arrow), this);
        const QPoint from(qRound(textLeft + guide.column * charWidth), field->geometry().bottom() + 2);
        const int middle = label->y() + label->height() / 2;
        const bool labelOnLeft = label->geometry().center().x() < from.x();
        const QPoint to(labelOnLeft ? label->geometry().right() + kHeadGap : label->x() - kHeadGap, middle);
        arrow->Link(from, to);
        arrow->lower();
        widgets.push_back(label);
        widgets.push_back(arrow);
        label->setVisible(set == guideSet_);
        arrow->setVisible(set == guideSet_);
        parts << label;
    }
    ferrino::a11y::NameByParts(field, parts, set, set == guideSet_);
    StartArrowsUnderLists();
    for (TCandidateList* list : lists_) list->raise();
}

TSingleFieldPage::TSingleFieldPage(const QString& objectName, const QString& tabCaption,
                                   std::unique_ptr<ferrino::NumberKind> kind, int clearRule, QWidget* parent)
    : TKeyPage(objectName, tabCaption, std::move(kind), parent), clearRule_(clearRule) {}

void TSingleFieldPage::Build(const QString& labelName, const QString& labelText, QPoint labelAt, const QString& fieldName,
                             QRect fieldGeometry, const QString& listName, QRect listGeometry) {
    QLabel* label = AddLabel(labelName, labelText, labelAt);
    field_ = AddField(fieldName, fieldGeometry);
    ferrino::a11y::NameByLabel(field_, label);
    connect(field_, &TNumberField::exited, this, [this] { FieldExit(); });
    TCandidateList* list = AddList(listName, listGeometry);
    connect(list, &TCandidateList::rowClicked, this, [this] { ListClick(); });
}

void TSingleFieldPage::FieldExit() { TKeyPage::FieldExit(0); }

void TSingleFieldPage::ListClick() {
    const int row = List()->SelectedRow();
    if (row < 0) return;
    field_->SetTextUndoable(List()->RowText(row));
    FieldExit();
}

void TSingleFieldPage::Normalise() { FieldExit(); }

void TSingleFieldPage::Show(const ferrino::SessionStep& step) {
    TKeyPage::Show(step);
    FieldExit();
}

void TSingleFieldPage::Clear() {
    if (clearRule_ & kHideList) List()->hide();
    if (clearRule_ & kShowGuides) SetGuidesVisible(true);
    field_->ClearAndFocus();
}
