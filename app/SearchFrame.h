// The frame of every page's "Calcule": the busy state around it, the stop
// request, the pump that keeps the window alive during a search, and what the
// page shows at the end.
//
// Everything runs on the GUI thread. A search lets the window process its
// messages from inside the click that started it, so "Stop", "Effacer", page
// switches and even another "Calcule" run in the middle of it; a second
// "Calcule" runs to its end there, before the first one goes on.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <functional>

class QAbstractButton;
class TKeyPage;
namespace ferrino {
struct SessionStep;
}

class TSearchFrame : public QObject {
    Q_OBJECT
public:
    // `closeButton` is the button that reads "Stop" while busy; `publish` shows
    // the rows found so far to the lists.
    TSearchFrame(QAbstractButton* closeButton, std::function<void()> publish, QObject* parent = nullptr);

    bool Busy = false;
    bool StopRequested = false;

    // Runs "Calcule" on the page.
    void Run(TKeyPage& page);
    // Runs the search for typing errors on the page's number.
    void RunCorrections(TKeyPage& page);

    // Actions under way (more than one when one runs inside another's pump).
    int Depth() const { return depth_; }
    // Stops whatever runs and keeps it stopped until the last action has ended.
    void StopAll() { stopAll_ = true; }

    // Whether the close button's caption came back from "Stop" less than
    // kCaptionGuardMilliseconds ago, at the end of a search: a click on it
    // then was meant for "Stop", not for what the button does now.
    bool CaptionJustBack() const { return captionBack_.isValid() && captionBack_.elapsed() < kCaptionGuardMilliseconds; }
    static constexpr int kCaptionGuardMilliseconds = 500;

    // The engine's pump: processes the window's messages when a few
    // milliseconds have passed since it last did; says whether to stop.
    bool Poll();
    // Processes every pending message now.
    void PumpNow();

    // How often the window processes its messages during a search.
    static constexpr int kPumpMilliseconds = 5;
    // How many of the engine's pumps are counted off before looking at the clock.
    static constexpr unsigned kPumpsPerPoll = 256;

signals:
    // The last running action has ended.
    void idle();
    // What an action found, for the status bar; empty when an action starts.
    void verdict(const QString& text);

private:
    // What an action does between entering and leaving the busy state; says
    // whether it filled the list, and gives its verdict.
    using Action = std::function<bool(QString& verdict)>;
    void Perform(TKeyPage& page, const Action& action);
    // Shows a step of the page's session, runs its search if it has one, and
    // gives its verdict; says whether it filled the list.
    bool Step(TKeyPage& page, const ferrino::SessionStep& step, QString& verdict);
    void Enter();
    void Leave(TKeyPage& page, bool searchRan, const QString& savedCaption);

    QAbstractButton* closeButton_;
    std::function<void()> publish_;
    QElapsedTimer sincePump_;
    QElapsedTimer captionBack_;  // since the caption came back after a search
    int depth_ = 0;
    bool stopAll_ = false;
};
