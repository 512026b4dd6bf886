// A number field: a one-line edit whose typed and pasted letters become
// capitals, with an optional limit on what is typed (what the program writes
// into the field is never cut), and an "exit" signal when the focus moves to
// another control of the window.
#pragma once

#include <QLineEdit>

class TNumberField : public QLineEdit {
    Q_OBJECT
public:
    explicit TNumberField(const QString& objectName, QWidget* parent = nullptr);

    // At most this many characters can be typed or pasted; 0 means no limit.
    void SetTypingLimit(int limit);
    int TypingLimit() const { return typingLimit_; }

    // Empties the field, focuses it and puts the caret at the start.
    void ClearAndFocus();

signals:
    void exited();
    void keyDown(int key);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CutToTypingLimit();

    int typingLimit_ = 0;
    qsizetype length_ = 0;
    qsizetype lengthBeforeChange_ = 0;
};
