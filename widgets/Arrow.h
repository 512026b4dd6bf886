// A drawn arrow that runs from under a part of a number field down to the
// label naming that part, bending left or right towards it.
#pragma once

#include <QWidget>

class TArrow : public QWidget {
    Q_OBJECT
public:
    explicit TArrow(const QString& objectName, QWidget* parent = nullptr);

    // Places the arrow so that it starts at `from` (under the field) and ends,
    // pointing sideways, at `to` (beside the label).
    void Link(QPoint from, QPoint to);
    bool BendsLeft() const { return bendsLeft_; }
    // Where the arrow starts and where its head points, in the parent's coordinates.
    QPoint Start() const { return from_; }
    QPoint End() const { return to_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool bendsLeft_ = true;
    QPoint from_;
    QPoint to_;
};
