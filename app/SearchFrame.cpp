#include "SearchFrame.h"

#include <QAbstractButton>
#include <QApplication>

#include "CandidateList.h"
#include "KeyPage.h"
#include "NumberField.h"
#include "common/Session.h"

TSearchFrame::TSearchFrame(QAbstractButton* closeButton, std::function<void()> publish, QObject* parent)
    : QObject(parent), closeButton_(closeButton), publish_(std::move(publish)) {
    sincePump_.start();
}

namespace {

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

void TSearchFrame::Run(TKeyPage& page) {
    Perform(page, [&](QString& said) {
        page.BeforeNormalise();
        page.Normalise();
        return Step(page, page.Session().Calcule(page.Kind(), page.TypedTexts()), said);
    });
}

void TSearchFrame::RunCorrections(TKeyPage& page) {
    Perform(page, [&](QString& said) {
        // Read before the fields are laid out: the session tells from them
        // whether they still show what "Calcule" wrote.
        const ferrino::Fields shown = page.FieldTexts();
        const ferrino::Fields typed = page.TypedTexts();
        page.BeforeNormalise();
        page.Normalise();
        return Step(page, page.Session().Corrections(page.Kind(), shown, typed), said);
    });
}

bool TSearchFrame::Step(TKeyPage& page, const ferrino::SessionStep& step, QString& said) {
    page.Show(step);
    page.SetDetails(step.details);
    bool stopped = false;
    if (step.Searches()) {
        ferrino::SearchPump pump([this] { return Poll(); }, kPumpsPerPoll);
        stopped = !page.Search(step, pump);
    }
    said = FromUtf8(ferrino::Session::Said(step, page.List()->Rows().Size(), stopped));
    return step.Searches();
}

void TSearchFrame::Perform(TKeyPage& page, const Action& action) {
    ++depth_;
    const QString savedCaption = closeButton_->text();
    Enter();
    emit verdict({});
    // Enter or a double click in the list: the list closes, and the focus it
    // had goes back to the number field (not on to the next control).
    QWidget* focus = QApplication::focusWidget();
    if (focus && (focus == page.List() || page.List()->isAncestorOf(focus)))
        if (TNumberField* field = page.FirstField()) field->setFocus(Qt::OtherFocusReason);
    page.List()->Clear();
    page.List()->hide();
    QString said;
    const bool searchRan = action(said);
    Leave(page, searchRan, savedCaption);
    emit verdict(said);
    if (--depth_ == 0) {
        stopAll_ = false;
        emit idle();
    }
}

void TSearchFrame::Enter() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    StopRequested = false;
    Busy = true;
    closeButton_->setText(QStringLiteral("Stop"));
}

void TSearchFrame::Leave(TKeyPage& page, bool searchRan, const QString& savedCaption) {
    page.List()->Publish();
    PumpNow();
    Busy = false;
    PumpNow();
    if (searchRan && savedCaption != closeButton_->text()) captionBack_.start();
    closeButton_->setText(savedCaption);
    page.ShowOutcome(searchRan);
    page.List()->Publish();
    StopRequested = false;
    QApplication::restoreOverrideCursor();
}

bool TSearchFrame::Poll() {
    if (sincePump_.elapsed() >= kPumpMilliseconds) PumpNow();
    return StopRequested || stopAll_;
}

void TSearchFrame::PumpNow() {
    if (publish_) publish_();
    QApplication::processEvents(QEventLoop::AllEvents);
    sincePump_.restart();
}
