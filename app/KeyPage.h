// A page of the main window: one kind of number, its field(s), its candidate
// list and the arrows and labels naming the parts of the number.
//
// The steps of "Calcule" are virtual: the window's search frame (TSearchFrame)
// runs them in order, around the busy state, for whichever page is active.
#pragma once

#include <QLabel>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <vector>

#include "common/Enumeration.h"
#include "common/RowStore.h"

class TArrow;
class TCandidateList;
class TNumberField;

// One arrow and the label it points to: the arrow starts under the character
// column `column` of the display form (fractions allowed) and ends beside the
// label placed at `labelAt`.
struct TGuide {
    const char* arrow;
    const char* label;
    const char* caption;  // UTF-8
    double column;
    QPoint labelAt;
};

class TKeyPage : public QWidget {
    Q_OBJECT
public:
    TKeyPage(const QString& objectName, const QString& tabCaption, QWidget* parent = nullptr);

    const QString& TabCaption() const { return tabCaption_; }
    TCandidateList* List() const { return list_; }

    // "Calcule", step by step.
    virtual void BeforeNormalise() {}                    // what must come first
    virtual void Normalise() = 0;                        // the exit normalisation of the field(s)
    virtual ferrino::Plan ReadPlan() = 0;                // pattern and unknown positions
    virtual void Complete(const ferrino::Plan& plan) = 0;  // no unknown position: write the key
    virtual void TooMany(const ferrino::Plan& plan) = 0;   // beyond the limit: no search
    virtual bool Search(const ferrino::Plan& plan, ferrino::SearchPump& pump) = 0;
    // At the end: the list is shown exactly when a search ran, the arrows and
    // labels exactly when it is not.
    virtual void ShowOutcome(bool searchRan);

    // "Effacer".
    virtual void Clear() = 0;

    // Shows or hides the arrows and labels of the current set (a page whose
    // number has two forms names the parts of each with a set of its own).
    void SetGuidesVisible(bool visible);
    bool GuidesVisible() const;
    void SetGuideSet(int set);
    int GuideSet() const { return guideSet_; }

signals:
    // A double click in the candidate list asks for "Calcule".
    void calculeRequested();

protected:
    QLabel* AddLabel(const QString& name, const QString& text, QPoint at);
    TNumberField* AddField(const QString& name, QRect geometry, int typingLimit = 0);
    TCandidateList* AddList(const QString& name, QRect geometry, bool candidates = true);
    // Arrows from under parts of `field` down to their labels, in set `set`
    // (only set 0 shows at first). The candidate list, which takes their place
    // after a search, stays over them.
    void AddGuides(TNumberField* field, std::initializer_list<TGuide> guides, int set = 0);

    // Runs an engine operation on a field's text and writes its result back.
    static void Apply(TNumberField* field, const std::function<std::string(std::string_view)>& operation);
    static QString RowText(TCandidateList* list, int row);

private:
    QString tabCaption_;
    TCandidateList* list_ = nullptr;
    std::vector<std::vector<QWidget*>> guides_;  // of each set: labels then arrows
    int guideSet_ = 0;
    bool guidesShown_ = true;
};

// What a page with one number field needs of its kind's engine.
struct TKindOps {
    std::function<std::string(std::string_view)> format;  // the field's exit normalisation
    std::function<ferrino::Plan(std::string_view)> plan;
    std::function<std::string(const ferrino::Plan&)> complete;
    std::function<bool(const ferrino::Plan&, ferrino::RowStore&, ferrino::SearchPump&)> search;
};

// The pages with a single number field (all but IBAN, VIN and CIP/ACL).
class TSingleFieldPage : public TKeyPage {
    Q_OBJECT
public:
    // What "Effacer" does besides emptying and focusing the field.
    enum ClearRule { kHideList = 1, kShowGuides = 2 };

    TSingleFieldPage(const QString& objectName, const QString& tabCaption, TKindOps ops, int clearRule,
                     QWidget* parent = nullptr);

    TNumberField* Field() const { return field_; }

    void Normalise() override { FieldExit(); }
    ferrino::Plan ReadPlan() override;
    void Complete(const ferrino::Plan& plan) override;
    void TooMany(const ferrino::Plan& plan) override;
    bool Search(const ferrino::Plan& plan, ferrino::SearchPump& pump) override;
    void Clear() override;

    // The field's exit handler: its text becomes the normalised display form.
    virtual void FieldExit();
    // The list's click handler: the selected row goes into the field.
    virtual void ListClick();

protected:
    // Builds the label, the field and the list; the page adds its guides after.
    void Build(const QString& labelName, const QString& labelText, QPoint labelAt, const QString& fieldName,
               QRect fieldGeometry, const QString& listName, QRect listGeometry);

    TKindOps ops_;

private:
    int clearRule_;
    TNumberField* field_ = nullptr;
};
