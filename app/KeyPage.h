// A page of the main window: one kind of number, its field(s), its candidate
// list and the arrows and labels naming the parts of the number.
//
// The steps of "Calcule" are virtual: the window's search frame (TSearchFrame)
// runs them in order, around the busy state, for whichever page is active.
// By default they are the engine's: the page's kind of number reads, completes
// and searches the fields' texts; a page changes only what is its own.
#pragma once

#include <QLabel>
#include <QWidget>
#include <initializer_list>
#include <memory>
#include <vector>

#include "common/Kind.h"
#include "common/Session.h"

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
    // `kind`: the engine's kind of number the page shows.
    TKeyPage(const QString& objectName, const QString& tabCaption, std::unique_ptr<ferrino::NumberKind> kind,
             QWidget* parent = nullptr);
    ~TKeyPage() override;

    const QString& TabCaption() const { return tabCaption_; }
    TCandidateList* List() const { return list_; }
    // The kind of number as it is now (the EAN page's depends on its code type).
    virtual const ferrino::NumberKind& Kind() const { return *kind_; }
    // The number fields, in the order of the kind's fields.
    const std::vector<TNumberField*>& NumberFields() const { return fields_; }
    // The field that takes the focus when the page comes to show or its list closes.
    TNumberField* FirstField() const { return fields_.empty() ? nullptr : fields_.front(); }
    // Their texts, as the engine reads them.
    ferrino::Fields FieldTexts() const;
    // Their texts as the user typed them: a field that still shows what its
    // exit normalisation wrote gives the text it had before, characters
    // beyond the number's length included, so that the verdict names what
    // was dropped.
    ferrino::Fields TypedTexts() const;

    // The page's session: what "Calcule" and the typing-error search do with
    // its fields, and what "Calcule" read and wrote.
    ferrino::Session& Session() { return session_; }

    // "Calcule" and the typing-error search, as the search frame runs them.
    virtual void BeforeNormalise() {}  // what must come first
    virtual void Normalise();          // the exit normalisation of every field
    // Shows the fields of a step of the session.
    virtual void Show(const ferrino::SessionStep& step);
    // The step's search into the candidate list (a page may search its own way).
    virtual bool Search(const ferrino::SessionStep& step, ferrino::SearchPump& pump);
    // At the end: the list is shown exactly when a search ran, the arrows and
    // labels exactly when it is not.
    virtual void ShowOutcome(bool searchRan);

    // "Effacer".
    virtual void Clear() = 0;

    // What the page's number (or the list's current row) says of itself.
    const std::vector<ferrino::Detail>& Details() const { return details_; }
    void SetDetails(std::vector<ferrino::Detail> details);

    // Shows or hides the arrows and labels of the current set (a page whose
    // number has two forms names the parts of each with a set of its own).
    void SetGuidesVisible(bool visible);
    bool GuidesVisible() const;
    void SetGuideSet(int set);

signals:
    // A double click in the candidate list asks for "Calcule".
    void calculeRequested();
    // A number field's context menu asks for the typing-error search.
    void correctionsRequested();
    // What the page's number says changed.
    void detailsChanged();

protected:
    QLabel* AddLabel(const QString& name, const QString& text, QPoint at);
    // A number field; the page's fields are added in the order of the kind's.
    TNumberField* AddField(const QString& name, QRect geometry, int typingLimit = 0);
    // A list at `geometry`, its height brought to the nearest whole number of rows.
    TCandidateList* AddList(const QString& name, QRect geometry, bool candidates = true);
    // Arrows from under parts of `field` down to their labels, in set `set`
    // (only set 0 shows at first). The candidate list, which takes their place
    // after a search, stays over them.
    void AddGuides(TNumberField* field, std::initializer_list<TGuide> guides, int set = 0);

    // Makes the number fields hold one number between them (typing goes on
    // from a full field to the next, a whole number pasted into any of them
    // is spread over all, as the kind splits it).
    void ChainFields();

    // The exit normalisation of one field, by its index among the number fields.
    void FieldExit(std::size_t index);
    // Writes texts into the fields (as an undoable change of each field whose text differs).
    void WriteFields(const ferrino::Fields& texts);

private:
    // How far below an arrow's start a list's top edge may lie and still have the arrow start there.
    static constexpr int kArrowGap = 8;
    // Pixels between an arrow's head and its label.
    static constexpr int kHeadGap = 4;
    void StartArrowsUnderLists();

    QString tabCaption_;
    std::unique_ptr<ferrino::NumberKind> kind_;
    TCandidateList* list_ = nullptr;
    std::vector<TCandidateList*> lists_;
    std::vector<TNumberField*> fields_;
    std::vector<std::vector<QWidget*>> guides_;  // of each set: labels then arrows
    int guideSet_ = 0;
    bool guidesShown_ = true;
    ferrino::Session session_;
    std::vector<ferrino::Detail> details_;
    // Per field: the text before its last exit normalisation, and what that
    // normalisation wrote (empty once the user edits the field).
    std::vector<QString> typedBeforeExit_;
    std::vector<QString> writtenByExit_;
};

// The pages with a single number field (all but IBAN, VIN and CIP/ACL).
class TSingleFieldPage : public TKeyPage {
    Q_OBJECT
public:
    // What "Effacer" does besides emptying and focusing the field.
    enum ClearRule { kHideList = 1, kShowGuides = 2 };

    TSingleFieldPage(const QString& objectName, const QString& tabCaption, std::unique_ptr<ferrino::NumberKind> kind,
                     int clearRule, QWidget* parent = nullptr);

    TNumberField* Field() const { return field_; }

    void Normalise() override;
    void Show(const ferrino::SessionStep& step) override;
    void Clear() override;

    // The field's exit handler: its text becomes the normalised display form.
    virtual void FieldExit();
    // The list's click handler: the selected row goes into the field.
    virtual void ListClick();

protected:
    // Builds the label, the field and the list; the page adds its guides after.
    void Build(const QString& labelName, const QString& labelText, QPoint labelAt, const QString& fieldName,
               QRect fieldGeometry, const QString& listName, QRect listGeometry);

private:
    int clearRule_;
    TNumberField* field_ = nullptr;
};
