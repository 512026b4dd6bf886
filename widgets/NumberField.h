// A number field: a one-line edit whose typed and pasted letters become
// capitals, with an optional limit on what is typed (what the program writes
// into the field is never cut), and an "exit" signal when the focus moves to
// another control of the window.
//
// What the program writes can be undone: Ctrl+Z brings back the text as the
// user left it, Ctrl+Shift+Z writes the program's text again. Writes that
// follow one another with no edit of the user's in between are one step, so a
// single Ctrl+Z after "Calcule" (which lays the field out, then writes the
// key) brings back what was typed.
//
// A key combination with Alt or Ctrl never types its letter (Alt+C is no
// "C"); Ctrl and Alt together stand for AltGr, which types.
#pragma once

#include <QLineEdit>
#include <functional>

class TNumberField : public QLineEdit {
    Q_OBJECT
public:
    explicit TNumberField(const QString& objectName, QWidget* parent = nullptr);

    // At most this many characters can be typed or pasted; 0 means no limit.
    void SetTypingLimit(int limit);
    int TypingLimit() const { return typingLimit_; }

    // Empties the field, focuses it and puts the caret at the start.
    void ClearAndFocus();

    // The program's write: replaces the text, as one step the user can undo
    // (nothing happens when the text is already this one).
    void SetTextUndoable(const QString& text);

    // Whether a key press types its text into a field.
    static bool TypesText(const QKeyEvent* event);

    // An edit that inserts more than one character at once (a paste from the
    // keyboard, the context menu or the middle button, a drop) first offers
    // the inserted text to this handler; when the handler takes it (returns
    // true, having written the fields itself), nothing more is done with it.
    void SetPasteHandler(std::function<bool(const QString& inserted)> handler) { pasteHandler_ = std::move(handler); }
    // What typing or pasting at the end of the field puts beyond its typing
    // limit goes to this handler instead of being cut.
    void SetOverflowHandler(std::function<void(const QString& excess)> handler) { overflowHandler_ = std::move(handler); }

signals:
    void exited();
    // An edit of the user's (the program's writes do not count).
    void userEdited();
    void keyDown(int key);
    // The context menu's "Chercher les fautes de frappe".
    void correctionsRequested();

protected:
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void TextEdited();
    void CutToTypingLimit();
    void RememberCaret();
    QString Inserted(const QString& before, const QString& after) const;

    int typingLimit_ = 0;
    qsizetype length_ = 0;
    qsizetype lengthBeforeChange_ = 0;
    QString text_;  // as of the last change, and before it
    QString textBeforeChange_;
    // The caret and the selection as an edit finds them: the field tells of
    // them after it has told of the edit's text.
    qsizetype caret_ = 0;
    qsizetype selectionStart_ = -1;
    qsizetype selectionLength_ = 0;
    std::function<bool(const QString&)> pasteHandler_;
    std::function<void(const QString&)> overflowHandler_;
    bool offering_ = false;
    bool writing_ = false;        // the program is writing
    bool lastWasProgram_ = false;  // the last change was the program's
};
