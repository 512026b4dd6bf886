// A line of text that scrolls sideways. When the text is set it is padded
// with blanks until, in the label's font, it is at least as wide as the label;
// then every 150 milliseconds the last character of the padded text moves to
// its front, so the text travels to the right and comes back in at the left
// edge with a blank stretch behind it. The background is transparent, the
// cursor is a hand, and clicks and the mouse coming and going are signalled.
// The label takes the focus from the keyboard (Tab); Space or Enter then count
// as a click. A label whose click does nothing (SetClickable(false)) has the
// arrow cursor and is left out of the keyboard's round.
#pragma once

#include <QTimer>
#include <QWidget>

class TScrollingLabel : public QWidget {
    Q_OBJECT
public:
    explicit TScrollingLabel(const QString& objectName, QWidget* parent = nullptr);

    // Sets the text, pads it against the label's current width and font (so
    // place and style the label first) and starts it from its beginning.
    // Later changes of size or font keep the padding and the scroll position.
    void SetText(const QString& text);
    // The text as it stands now: padded, and turned by the steps taken so far.
    QString Text() const { return text_; }
    // The text as it was set, neither padded nor turned.
    QString FullText() const { return fullText_; }
    // The number of blanks added by the last SetText.
    int Padding() const { return padding_; }

    // Whether a click does something (what the label is then to assistive technologies: a link).
    void SetClickable(bool clickable);
    bool Clickable() const { return clickable_; }

    // One step of the scrolling (what the timer runs): the last character
    // moves to the front. A surrogate pair moves as one character.
    void Step();
    // The timer runs while the label is shown.
    bool Scrolling() const { return timer_.isActive(); }

    static constexpr int kStepMilliseconds = 150;
    static constexpr int kMaxPadding = 10000;

    QSize sizeHint() const override;

signals:
    // Left button pressed and released over the label.
    void clicked();
    void mouseEntered();
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QString text_;
    QString fullText_;
    int padding_ = 0;
    bool pressed_ = false;
    bool clickable_ = true;
    QTimer timer_;
};
