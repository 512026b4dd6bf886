#include "ListExport.h"

#include <algorithm>
#include <optional>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>

#include "CandidateModel.h"
#include "common/Verdict.h"

namespace {

// A copied or saved row: the row as shown without its trailing blanks.
void DefaultPrintedForm(std::string_view row, std::string& out) {
    while (!row.empty() && row.back() == ' ') row.remove_suffix(1);
    out.append(row);
}

// A stored row as the window shows it, in UTF-8: candidate rows are engine
// text, whose bytes beyond ASCII the window shows as U+FFFD.
void AppendShown(std::string_view row, bool utf8, std::string& out) {
    if (utf8) {
        out.append(row);
        return;
    }
    for (char c : row) {
        if (static_cast<unsigned char>(c) < 0x80) out += c;
        else out += "\xEF\xBF\xBD";
    }
}

// Why a file could not be written, in French, from what the file system says.
QString WriteFailure(const QSaveFile& file, const QString& fileName) {
    const QFileInfo info(fileName);
    const QFileInfo folder(info.absolutePath());
    const QString folderName = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (!folder.exists()) return QStringLiteral("le dossier « %1 » n'existe pas.").arg(folderName);
    if (!folder.isDir()) return QStringLiteral("« %1 » n'est pas un dossier.").arg(folderName);
    if (info.isDir()) return QStringLiteral("c'est le nom d'un dossier.");
    if (info.exists() && !info.isWritable()) return QStringLiteral("le fichier est protégé en écriture.");
    if (!folder.isWritable()) return QStringLiteral("vous n'avez pas le droit d'écrire dans le dossier « %1 ».").arg(folderName);
    switch (file.error()) {
    case QFileDevice::ResourceError: return QStringLiteral("il n'y a plus de place sur le disque.");
    case QFileDevice::PermissionsError: return QStringLiteral("l'accès au fichier est refusé.");
    case QFileDevice::RenameError: return QStringLiteral("le fichier n'a pas pu prendre son nom à la fin de l'écriture.");
    default: return QStringLiteral("le système a refusé l'écriture.");
    }
}

// The busy cursor while a copy or a save of many rows runs, shown at once.
class TBusyCursor {
public:
    TBusyCursor() {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ~TBusyCursor() { QApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;
};

// "1 ligne copiée.", "1 679 616 lignes copiées." (0 and 1 are singular in French).
QString RowsSentence(int rows, const char* one, const char* many) {
    const std::string count = ferrino::FrenchCount(static_cast<std::uint64_t>(std::max(0, rows)));
    return QString::fromUtf8(count.data(), static_cast<qsizetype>(count.size())) + QLatin1Char(' ') +
           QString::fromUtf8(rows > 1 ? many : one);
}

}  // namespace

int TListExport::Count() const { return model_.rowCount(); }

void TListExport::Print(int row, std::string& line) const {
    line.clear();
    const std::string_view stored = model_.Rows().Row(static_cast<std::size_t>(row));
    if (printedForm_) printedForm_(stored, line);
    else DefaultPrintedForm(stored, line);
}

void TListExport::AppendPrinted(int row, std::string& line, QString& out) const {
    Print(row, line);
    const bool ascii = std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) {
        out.append(QLatin1StringView(line.data(), static_cast<qsizetype>(line.size())));
    } else {
        std::string shown;
        AppendShown(line, model_.Utf8(), shown);
        out.append(QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size())));
    }
}

QString TListExport::RowsText(const Ranges& ranges) const {
    std::size_t rows = 0;
    for (const auto& [first, last] : ranges) rows += static_cast<std::size_t>(last - first + 1);
    QString out;
    // Room for the whole text at once: the rows' characters and a line break each.
    if (!ranges.empty() && rows == static_cast<std::size_t>(Count()))
        out.reserve(static_cast<qsizetype>(model_.Rows().Characters() + rows));
    std::string line;
    bool first = true;
    for (const auto& [begin, end] : ranges) {
        for (int row = begin; row <= end; ++row) {
            if (!first) out += QLatin1Char('\n');
            first = false;
            AppendPrinted(row, line, out);
        }
    }
    return out;
}

int TListExport::Copy(const Ranges& ranges) const {
    int rows = 0;
    for (const auto& [first, last] : ranges) rows += last - first + 1;
    const TBusyCursor busy;
    QGuiApplication::clipboard()->setText(RowsText(ranges));
    return rows;
}

QString TListExport::CopiedText(int rows) { return RowsSentence(rows, "ligne copiée.", "lignes copiées."); }

QString TListExport::SavedText(int rows) { return RowsSentence(rows, "ligne enregistrée.", "lignes enregistrées."); }

QString TListExport::AskFileName(QWidget* parent) {
    QSettings settings;
    QString folder = settings.value(QStringLiteral("ListFolder")).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QFileDialog dialog(parent, QStringLiteral("Enregistrer la liste"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("Fichiers texte (*.txt)"), QStringLiteral("Tous les fichiers (*)")});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(QStringLiteral("candidats.txt"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString fileName = dialog.selectedFiles().constFirst();
    settings.setValue(QStringLiteral("ListFolder"), QFileInfo(fileName).absolutePath());
    return fileName;
}

bool TListExport::Save(const QString& fileName, QWidget* parent) const {
    const int rows = Count();
    QSaveFile file(fileName);
    file.setDirectWriteFallback(false);
    bool written = file.open(QIODevice::WriteOnly);
    bool canceled = false;
    if (written) {
        const int chunks = (rows + kSaveChunkRows - 1) / kSaveChunkRows;
        QProgressDialog progress(QStringLiteral("Enregistrement de %1 lignes dans « %2 »…")
                                     .arg(QLocale(QLocale::French).toString(rows), QFileInfo(fileName).fileName()),
                                 QStringLiteral("Annuler"), 0, chunks, parent);
        progress.setWindowTitle(QStringLiteral("Enregistrer la liste"));
        progress.setObjectName(QStringLiteral("SaveProgress"));
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(ProgressDelay);
        progress.setAutoReset(false);
        progress.setAutoClose(false);
        progress.setValue(0);
        // The busy cursor until the progress dialog, whose "Annuler" takes the mouse, comes up.
        std::optional<TBusyCursor> busy(std::in_place);
        std::string buffer;
        std::string line;
        for (int chunk = 0; chunk < chunks && written; ++chunk) {
            buffer.clear();
            const int end = std::min(rows, (chunk + 1) * kSaveChunkRows);
            for (int row = chunk * kSaveChunkRows; row < end; ++row) {
                Print(row, line);
                AppendShown(line, model_.Utf8(), buffer);
                buffer += '\n';
            }
            written = file.write(buffer.data(), static_cast<qint64>(buffer.size())) == static_cast<qint64>(buffer.size());
            progress.setValue(chunk + 1);
            if (busy && progress.isVisible()) busy.reset();
            if (progress.wasCanceled()) {
                canceled = true;
                break;
            }
        }
    }
    if (canceled) {
        file.cancelWriting();
        file.commit();  // gives the temporary file back, leaves the target as it was
        return false;
    }
    QString reason;
    if (written) {
        written = file.commit();
        if (!written) reason = WriteFailure(file, fileName);
    } else {
        reason = WriteFailure(file, fileName);  // before cancelWriting() sets an error of its own
        file.cancelWriting();
        file.commit();
    }
    if (!written) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Enregistrer la liste"),
                        QStringLiteral("La liste n'a pas pu être enregistrée dans le fichier « %1 » : %2")
                            .arg(QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath()), reason),
                        QMessageBox::Ok, parent);
        box.setObjectName(QStringLiteral("SaveError"));
        box.exec();
    }
    return written;
}
