// A small button with a drop-down arrow, the kind that stands beside a field
// and opens a list under it.
//
// A mouse press on the arrow part drops at once (drop()), the way a combo box
// opens on the press, and is not a click. The rest of the button, its face,
// behaves as a push button: a mouse click there, Space when the button has the
// focus, or click() emit clicked(). The arrow part is the right-hand
// ArrowWidth() pixels; by default it is the whole button, so that every mouse
// press drops and only the keyboard or click() gives a plain click.
//
// The button takes the focus from the keyboard (Tab) only: a press on it leaves
// the focus where it is, so that a list it opened and focused does not lose
// the focus to the press that is to close it.
#pragma once

#include <QAbstractButton>

class TArrowButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit TArrowButton(const QString& objectName, QWidget* parent = nullptr);

    // Width of the arrow part, from the right edge; 0 or less: the whole button.
    void SetArrowWidth(int width);
    int ArrowWidth() const;
    // The part of the button a mouse press drops on.
    QRect ArrowRect() const;

    QSize sizeHint() const override;

signals:
    void drop();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    int arrowWidth_ = 0;
    bool arrowPressed_ = false;  // drawn sunken until the press that dropped is released
};
