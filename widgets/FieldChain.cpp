#include "FieldChain.h"

#include <QKeyEvent>

#include "NumberField.h"

TFieldChain::TFieldChain(std::vector<TNumberField*> fields, Split split, QObject* parent)
    : QObject(parent), fields_(std::move(fields)), split_(std::move(split)) {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        TNumberField* field = fields_[i];
        field->installEventFilter(this);
        field->SetPasteHandler([this](const QString& text) { return TakeWhole(text); });
        if (i + 1 < fields_.size())
            field->SetOverflowHandler([this, i](const QString& excess) { GoOn(static_cast<int>(i), excess); });
    }
}

int TFieldChain::IndexOf(QObject* field) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i] == field) return static_cast<int>(i);
    return -1;
}

bool TFieldChain::TakeWhole(const QString& text) {
    // Until the split is written, the field that took the paste keeps it as it
    // is: what it tells of in the meantime is part of the same paste.
    if (splitPending_) return true;
    if (!split_) return false;
    const std::optional<QStringList> parts = split_(text);
    if (!parts || parts->size() != static_cast<qsizetype>(fields_.size())) return false;
    // The fields are written once the edit that pasted has ended: the edit
    // still works on its field's text while it tells of the change.
    splitPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this, texts = *parts] {
            splitPending_ = false;
            for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i]->SetTextUndoable(texts.at(static_cast<qsizetype>(i)));
            TNumberField* last = fields_.back();
            last->setFocus(Qt::OtherFocusReason);
            last->end(false);
            emit filled();
        },
        Qt::QueuedConnection);
    return true;
}

void TFieldChain::GoOn(int from, const QString& excess) {
    // The next field takes what did not fit as if it were typed there over
    // its whole text; what does not fit there goes on in turn.
    TNumberField* next = fields_[static_cast<std::size_t>(from + 1)];
    next->setFocus(Qt::OtherFocusReason);
    next->selectAll();
    next->insert(excess);
}

bool TFieldChain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || typing_) return QObject::eventFilter(watched, event);
    const int index = IndexOf(watched);
    if (index < 0) return QObject::eventFilter(watched, event);
    TNumberField* field = fields_[static_cast<std::size_t>(index)];
    auto* key = static_cast<QKeyEvent*>(event);
    const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool atStart = field->cursorPosition() == 0 && !field->hasSelectedText();
    const bool atEnd = field->cursorPosition() == field->text().size() && !field->hasSelectedText();
    TNumberField* previous = index > 0 ? fields_[static_cast<std::size_t>(index - 1)] : nullptr;
    TNumberField* next = index + 1 < static_cast<int>(fields_.size()) ? fields_[static_cast<std::size_t>(index + 1)] : nullptr;

    if (plain && atStart && previous && (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Left)) {
        previous->setFocus(Qt::OtherFocusReason);
        previous->end(false);
        if (key->key() == Qt::Key_Backspace) previous->backspace();
        return true;
    }
    if (plain && atEnd && next && key->key() == Qt::Key_Right) {
        next->setFocus(Qt::OtherFocusReason);
        next->home(false);
        return true;
    }
    if (TNumberField::TypesText(key)) {
        // The field types the key first (what overflows goes on by itself);
        // then a field that is now full hands the focus on.
        typing_ = true;
        static_cast<QObject*>(field)->event(key);
        typing_ = false;
        if (next && field->hasFocus() && field->TypingLimit() > 0 && field->text().size() >= field->TypingLimit() &&
            field->cursorPosition() == field->text().size()) {
            next->setFocus(Qt::TabFocusReason);
            next->selectAll();
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}
