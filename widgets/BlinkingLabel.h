// A label that blinks: shown at first, hidden after 400 milliseconds, then
// hidden for 400 milliseconds and shown for 200 in turn, for as long as it
// exists. While an assistive technology listens the label stays shown: each
// turn would reach it as an event, several times a second, and blinking text
// is hard to read for those who use one.
#pragma once

#include <QLabel>
#include <QTimer>

class TBlinkingLabel : public QLabel {
    Q_OBJECT
public:
    TBlinkingLabel(const QString& objectName, const QString& text, QWidget* parent = nullptr);

    // One turn of the blinking (what the timer runs): hides a shown label or
    // shows a hidden one, and sets how long the new state lasts.
    void Step();
    // Whether the blinking has the label shown now (it appears on screen with its window).
    bool Shown() const { return shown_; }
    // How long the present state lasts, in milliseconds.
    int StateMilliseconds() const { return timer_.interval(); }
    bool Blinking() const { return timer_.isActive(); }

    static constexpr int kFirstShownMilliseconds = 400;
    static constexpr int kHiddenMilliseconds = 400;
    static constexpr int kShownMilliseconds = 200;

private:
    bool shown_ = true;
    QTimer timer_;
};
