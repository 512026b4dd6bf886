// Copying and saving the rows of a candidate list: what "Copier", "Copier
// toute la liste" and "Enregistrer la liste…" do. A copied or saved row is the
// row as shown without its trailing blanks, unless the page gives another
// printed form (SetPrintedForm: the IBAN page's rows are copied as
// "FR76 3000 6000 …").
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QWidget;
class TCandidateModel;

class TListExport {
public:
    // Appends the printed form of a stored row (engine text, or UTF-8 for the
    // country list) to `out`, as UTF-8.
    using PrintedForm = std::function<void(std::string_view row, std::string& out)>;
    // Rows as [first, last] ranges, top to bottom.
    using Ranges = std::vector<std::pair<int, int>>;

    explicit TListExport(const TCandidateModel& model) : model_(model) {}

    void SetPrintedForm(PrintedForm form) { printedForm_ = std::move(form); }

    // The printed rows, one a line (no line break after the last).
    QString RowsText(const Ranges& ranges) const;
    // Puts the printed rows on the clipboard, under the busy cursor; returns
    // how many rows it copied.
    int Copy(const Ranges& ranges) const;

    // Asks for a file with the desktop's file dialog, in the folder of the
    // last save; empty when none was chosen.
    static QString AskFileName(QWidget* parent);
    // Writes every row to `fileName` (UTF-8, one row a line) through a
    // temporary file renamed at the end, so that an error or "Annuler" leaves
    // no partial file (and an older file as it was). A progress dialog with
    // "Annuler" comes up over `parent` when the writing takes more than
    // ProgressDelay; when the file cannot be written, a message box names it
    // and says why. Returns whether the file was written.
    bool Save(const QString& fileName, QWidget* parent) const;

    // The sentence that tells how many rows were copied or saved
    // ("1 679 616 lignes copiées.").
    static QString CopiedText(int rows);
    static QString SavedText(int rows);
    // The milliseconds a save runs before its progress dialog shows.
    static inline int ProgressDelay = 500;
    // Rows written between two looks at the progress dialog.
    static constexpr int kSaveChunkRows = 8192;

private:
    int Count() const;
    // The printed form of a stored row, in `line` (emptied first).
    void Print(int row, std::string& line) const;
    void AppendPrinted(int row, std::string& line, QString& out) const;

    const TCandidateModel& model_;
    PrintedForm printedForm_;
};
