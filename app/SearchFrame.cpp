#include "SearchFrame.h"

#include <QAbstractButton>
#include <QApplication>

#include "CandidateList.h"
#include "KeyPage.h"

TSearchFrame::TSearchFrame(QAbstractButton* closeButton, std::function<void()> publish, QObject* parent)
    : QObject(parent), closeButton_(closeButton), publish_(std::move(publish)) {
    sincePump_.start();
}

void TSearchFrame::Run(TKeyPage& page) {
    ++depth_;
    const QString savedCaption = closeButton_->text();
    Enter();

    page.BeforeNormalise();
    page.Normalise();
    page.List()->Clear();
    page.List()->hide();
    bool searchRan = false;

    const ferrino::Plan plan = page.ReadPlan();
    if (plan.Complete()) {
        page.Complete(plan);
    } else if (plan.Searches()) {
        searchRan = true;
        ferrino::SearchPump pump([this] { return Poll(); }, kPumpsPerPoll);
        page.Search(plan, pump);
    } else {
        page.TooMany(plan);
    }

    Leave(page, searchRan, savedCaption);
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
