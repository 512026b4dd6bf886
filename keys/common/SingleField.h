// The adapter of a kind whose page has one number field: the field takes the
// whole number and its pattern is the number. Such a kind differs from the
// others only in its engine's operations, gathered in a FieldOps.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Kind.h"
#include "KindTools.h"

namespace ferrino {

struct FieldOps {
    std::function<std::string(std::string_view)> format;  // the field's exit normalisation
    std::function<Plan(std::string_view)> plan;
    std::function<std::string(const Plan&)> complete;
    std::function<bool(const Plan&, RowStore&, SearchPump&)> search;
    std::function<bool(std::string_view candidate, std::string_view pattern, RowStore&)> test;
    std::function<std::vector<std::string>(std::string_view pattern)> keys;  // the keys that fit; none: no key
    std::function<std::size_t(std::string_view pattern)> keyAt;             // where the key stands
    std::size_t keyLength = 1;
    std::string_view keySymbols = kKeyDigits;  // what the key may be
    // Further checks of a number without unknown body characters. May be null.
    std::function<std::vector<Finding>(std::string_view pattern)> findings = {};
    // What a slip may put at a position; null: the position's slot symbols.
    std::function<std::string(std::string_view number, std::size_t pos)> alphabet = {};
    // How many characters of a typed text are part of the number (what the
    // field keeps before cutting it to the number's length). May be null.
    std::function<std::size_t(std::string_view text)> typedLength = {};
    // The number may hold letters: the sentence on dropped characters speaks
    // of characters, not digits.
    bool letters = false;
    // What a whole number says of itself (NumberKind::Details), from its
    // pattern. May be null.
    std::function<std::vector<Detail>(std::string_view pattern)> details = {};
    // Whether a whole number belongs to something the tables know
    // (NumberKind::Recognised). Null: always.
    std::function<bool(std::string_view pattern)> recognised = {};
    // The number inside a text of another kind (NumberKind::Inner). May be null.
    std::function<std::optional<InnerNumber>(std::string_view text)> inner = {};
    // The kind's quick check of a batch (NumberKind::QuickCheck). May be null.
    std::function<QuickAnswer(std::string_view number, std::string& shown, std::string& cause)> quick = {};
};

// A key that always stands at `keyAt`.
inline std::function<std::size_t(std::string_view)> At(std::size_t keyAt) {
    return [keyAt](std::string_view) { return keyAt; };
}

// The keys of a kind whose key is computed by one function of the pattern.
template <class Key>
std::function<std::vector<std::string>(std::string_view)> Keys(Key key) {
    return [key](std::string_view pattern) { return One(key(pattern)); };
}

// The characters of a typed text that most fields keep: digits, capitals and unknown markers.
std::size_t KeptLength(std::string_view text);

// What a number says of the characters its fields could not hold (a kind of
// several fields too, when a field was given more than it holds).
Finding DroppedFinding(const Reading& reading, bool letters);

class SingleFieldKind : public NumberKind {
public:
    SingleFieldKind(std::string_view name, FieldOps ops) : name_(name), ops_(std::move(ops)) {}

    std::string_view Name() const override { return name_; }

    // The field takes the characters of the number (NumberCharacters) and lays them out.
    std::string FormatField(std::size_t, std::string_view text) const override;
    Reading Read(const Fields& fields) const override;
    Fields Complete(const Reading& reading) const override;
    std::string CompletedShown(const Reading& reading) const override { return Complete(reading)[0]; }
    Fields TooManyFields(const Reading& reading) const override { return {FormatField(0, reading.plan.pattern)}; }
    bool Search(const Reading& reading, RowStore& rows, SearchPump& pump) const override;
    Verdict Check(const Reading& reading) const override;
    TypoRules Typos(const Reading& reading) const override;
    std::vector<Detail> Details(const Reading& reading) const override;
    bool Recognised(const Reading& reading) const override {
        return !ops_.recognised || ops_.recognised(reading.plan.pattern);
    }
    std::optional<InnerNumber> Inner(const Fields& fields) const override {
        if (!ops_.inner || fields.empty()) return std::nullopt;
        return ops_.inner(fields[0]);
    }
    QuickAnswer QuickCheck(std::string_view number, std::string& shown, std::string& cause) const override {
        return ops_.quick ? ops_.quick(number, shown, cause) : QuickAnswer::kUnsure;
    }

private:
    std::string name_;
    FieldOps ops_;
};

}  // namespace ferrino
