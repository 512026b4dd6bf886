// A message label that, when made to appear, slides down into its place from
// above the top edge of its parent: 3 pixels every 20 milliseconds.
#pragma once

#include <QLabel>
#include <QTimer>

class TSlidingLabel : public QLabel {
    Q_OBJECT
public:
    TSlidingLabel(const QString& objectName, const QString& text, QWidget* parent = nullptr);

    // Where the label stands once it has slid in.
    void SetHome(QPoint home) { home_ = home; }
    QPoint Home() const { return home_; }

    void SlideIn();
    // Hides the label and stops any slide under way.
    void Retract();
    bool Sliding() const { return timer_.isActive(); }

    // One step of the slide (what the timer runs).
    void Step();

    static constexpr int kStepPixels = 3;
    static constexpr int kStepMilliseconds = 20;

private:
    QPoint home_;
    QTimer timer_;
};
