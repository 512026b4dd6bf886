#include "SearchFrame.h"

#include <QAbstractButton>
#include <QApplication>

#include "CandidateList.h"
#include "KeyPage.h"
#include "NumberField.h"
#include "common/Verdict.h"

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
        const ferrino::Fields read = page.TypedTexts();
        const ferrino::Reading reading = page.Read();
        const ferrino::Verdict verdict = page.Kind().Check(reading);
        bool searchRan = false;
        bool stopped = false;
        if (reading.plan.Complete()) {
            page.Complete(reading);
        } else if (reading.plan.Searches()) {
            searchRan = true;
            ferrino::SearchPump pump([this] { return Poll(); }, kPumpsPerPoll);
            stopped = !page.Search(reading, pump);
        } else {
            page.TooMany(reading);
        }
        page.RememberCalcule(read);
        if (verdict.key == ferrino::KeyState::Unknowns) {
            // The search's count, then why nothing could be listed, if so.
            said = FromUtf8(ferrino::SearchText(page.List()->Rows().Size(), stopped));
            const std::string why = ferrino::VerdictText(verdict);
            if (!why.empty()) said += QLatin1Char(' ') + FromUtf8(why);
        } else {
            said = FromUtf8(ferrino::VerdictText(verdict));
            if (verdict.key == ferrino::KeyState::Wrong) said += QStringLiteral(" F3 : chercher les fautes de frappe.");
        }
        return searchRan;
    });
}

void TSearchFrame::RunCorrections(TKeyPage& page) {
    Perform(page, [&](QString& said) {
        // After "Calcule" wrote a key in, the number as it was typed.
        const ferrino::Fields typed = page.NumberToCorrect();
        page.BeforeNormalise();
        page.Normalise();
        const ferrino::Reading reading = page.Kind().Read(typed);
        const ferrino::Verdict verdict = page.Kind().Check(reading);
        if (verdict.Valid()) {
            said = QStringLiteral("Clé correcte : aucune faute de frappe à corriger.");
            return false;
        }
        if (!verdict.WholeNumber()) {
            said = QStringLiteral("Pour chercher les fautes de frappe, saisissez le numéro entier, clé comprise.");
            return false;
        }
        ferrino::SearchPump pump([this] { return Poll(); }, kPumpsPerPoll);
        const bool stopped = !page.Corrections(reading, pump);
        said = FromUtf8(ferrino::CorrectionsText(page.List()->Rows().Size(), stopped));
        return true;
    });
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
