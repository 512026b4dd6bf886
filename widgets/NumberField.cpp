#include "NumberField.h"

#include <algorithm>

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
        textBeforeChange_ = text_;
        text_ = text();
        if (!writing_) lastWasProgram_ = false;
    });
    connect(this, &QLineEdit::textEdited, this, &TNumberField::TextEdited);
    connect(this, &QLineEdit::cursorPositionChanged, this, &TNumberField::RememberCaret);
    connect(this, &QLineEdit::selectionChanged, this, &TNumberField::RememberCaret);
}

void TNumberField::RememberCaret() {
    caret_ = cursorPosition();
    selectionStart_ = selectionStart();
    selectionLength_ = selectionLength();
}

QString TNumberField::Inserted(const QString& before, const QString& after) const {
    // The edit replaced the selection, or inserted at the caret: what it kept
    // at both ends is known, and all between is what it inserted. (Guessed
    // from the texts alone, "82" becoming "GB82 WEST 1234 5698 7654 32" would
    // seem to keep the final "2".)
    const qsizetype from = selectionLength_ > 0 ? selectionStart_ : caret_;
    const qsizetype removed = selectionLength_ > 0 ? selectionLength_ : 0;
    const qsizetype kept = before.size() - removed;
    if (from >= 0 && from + removed <= before.size() && after.size() >= kept &&
        after.startsWith(QStringView(before).left(from)) && after.endsWith(QStringView(before).mid(from + removed)))
        return after.mid(from, after.size() - kept);
    // Any other edit: the text between what both keep at either end, which
    // ends no later than the caret the edit left.
    qsizetype head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
    const qsizetype tailLimit = after.size() - std::max<qsizetype>(cursorPosition(), head);
    qsizetype tail = 0;
    while (tail < tailLimit && tail < before.size() - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return after.mid(head, after.size() - head - tail);
}

void TNumberField::TextEdited() {
    if (writing_) return;  // the program's write, not the user's edit
    emit userEdited();
    if (pasteHandler_ && !offering_) {
        // What the edit inserted: the text between what it kept at both ends.
        // (The edit may be told of before or after textChanged.)
        const QString& before = text() == text_ ? textBeforeChange_ : text_;
        const QString inserted = Inserted(before, text());
        if (inserted.size() > 1) {
            offering_ = true;
            const bool taken = pasteHandler_(inserted);
            offering_ = false;
            if (taken) return;
        }
    }
    CutToTypingLimit();
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
    const QString removed = kept.mid(caret - cut, cut);
    kept.remove(caret - cut, cut);
    setText(kept);
    setCursorPosition(caret - cut);
    // At the end of the field, what did not fit goes on elsewhere.
    if (overflowHandler_ && caret == kept.size() + cut) overflowHandler_(removed);
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

bool TNumberField::TypesText(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint()) return false;
    const Qt::KeyboardModifiers held = event->modifiers();
    const bool altGr = (held & Qt::ControlModifier) && (held & Qt::AltModifier);
    return altGr || !(held & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

void TNumberField::keyPressEvent(QKeyEvent* event) {
    emit keyDown(event->key());
    const Qt::KeyboardModifiers held = event->modifiers();
    if (!event->text().isEmpty() && !TypesText(event) && (held & (Qt::AltModifier | Qt::MetaModifier))) {
        // The edit would type the letter of Alt+C: it gets the key without its text.
        QKeyEvent silent(event->type(), event->key(), held, event->nativeScanCode(), event->nativeVirtualKey(),
                         event->nativeModifiers(), QString(), event->isAutoRepeat(), event->count());
        QLineEdit::keyPressEvent(&silent);
        event->setAccepted(silent.isAccepted());
        return;
    }
    QLineEdit::keyPressEvent(event);
}
