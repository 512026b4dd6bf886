// Number fields side by side that hold one number between them: the IBAN's
// country code, key and BBAN, the VIN's eight boxes, the CIP/ACL code and key.
// Each field is as wide as its typing limit; between them the fields behave
// as one:
// - typing moves on to the next field when one is full (its text selected,
//   so that typing on replaces it), and what is typed or pasted at the end
//   of a full field goes on into the next ones;
// - Backspace at the start of a field goes back into the previous one and
//   rubs out its last character; Left at the start and Right at the end of a
//   field cross into its neighbour;
// - a whole number pasted (or dropped) into any of them is split over all of
//   them by the page's own split, written once in its kind's engine; the
//   fields are written as soon as the window is back in its event loop, once
//   the edit that pasted has ended.
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class TNumberField;

class TFieldChain : public QObject {
    Q_OBJECT
public:
    // The texts of every field for a whole number, or nothing when the text is no whole number.
    using Split = std::function<std::optional<QStringList>(const QString& text)>;

    TFieldChain(std::vector<TNumberField*> fields, Split split, QObject* parent);

signals:
    // A whole number was split into the fields (the last one has the focus).
    void filled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int IndexOf(QObject* field) const;
    bool TakeWhole(const QString& text);
    void GoOn(int from, const QString& excess);

    std::vector<TNumberField*> fields_;
    Split split_;
    bool typing_ = false;
    bool splitPending_ = false;
};
