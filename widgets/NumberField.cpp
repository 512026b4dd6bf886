#include "NumberField.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QValidator>

#include "FixedFont.h"

namespace {

// Turns what is typed or pasted into capitals.
class TCapitalsValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        const QString upper = input.toUpper();
        if (upper != input) input = upper;
        return Acceptable;
    }
};

}  // namespace

TNumberField::TNumberField(const QString& objectName, QWidget* parent) : QLineEdit(parent) {
    setObjectName(objectName);
    setFont(FixedFont());
    setValidator(new TCapitalsValidator(this));
    // Every change, the program's writes included, comes through textChanged;
    // only the user's edits come through textEdited as well.
    connect(this, &QLineEdit::textChanged, this, [this] {
        lengthBeforeChange_ = length_;
        length_ = text().size();
        if (!writing_) lastWasProgram_ = false;
    });
    connect(this, &QLineEdit::textEdited, this, &TNumberField::CutToTypingLimit);
}

void TNumberField::CutToTypingLimit() {
    if (typingLimit_ <= 0 || writing_) return;
    // What the program wrote may be longer than the limit: only the insertion is cut,
    // the way a native edit with a text limit takes no more than fits.
    const qsizetype before = text().size() == length_ ? lengthBeforeChange_ : length_;
    const qsizetype allowed = std::max<qsizetype>(typingLimit_, before);
    const qsizetype excess = text().size() - allowed;
    if (excess <= 0) return;
    const int caret = cursorPosition();
    const int cut = static_cast<int>(std::min<qsizetype>(excess, caret));
    QString kept = text();
    kept.remove(caret - cut, cut);
    setText(kept);
    setCursorPosition(caret - cut);
}

void TNumberField::SetTypingLimit(int limit) { typingLimit_ = limit; }

void TNumberField::ClearAndFocus() {
    clear();
    setFocus(Qt::OtherFocusReason);
    setCursorPosition(0);
}

void TNumberField::SetTextUndoable(const QString& newText) {
    if (newText == text()) return;
    writing_ = true;
    // One step with the program's write before, if nothing came between.
    if (lastWasProgram_ && isUndoAvailable()) undo();
    selectAll();
    insert(newText);
    writing_ = false;
    lastWasProgram_ = true;
}

void TNumberField::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    QAction* corrections = menu->addAction(QStringLiteral("Chercher les fautes de frappe"));
    corrections->setObjectName(QStringLiteral("ActionCorrections"));
    corrections->setShortcut(QKeySequence(Qt::Key_F3));
    connect(corrections, &QAction::triggered, this, &TNumberField::correctionsRequested);
    menu->popup(event->globalPos());
}

void TNumberField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Leaving for another control of the window, not for a menu or another window.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) emit exited();
}

void TNumberField::keyPressEvent(QKeyEvent* event) {
    emit keyDown(event->key());
    QLineEdit::keyPressEvent(event);
}
