// Copying and saving the largest lists (1 679 616 rows): "Copier toute la
// liste", "Copier" with every row selected, and "Enregistrer la liste…" into
// a file, each timed, with the program's peak memory before and after.
//   ferrino_window_lists [rib|iban]      (default: iban)
// Each kind is best measured in a process of its own (bench/performance.sh
// does so), since the peak memory is the whole program's.
#include <QClipboard>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>

#include "CandidateList.h"
#include "WindowBench.h"

namespace {

double Milliseconds(const QElapsedTimer& clock) { return static_cast<double>(clock.nsecsElapsed()) / 1e6; }

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString kind = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("iban");
    TMainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    const bool iban = kind == QLatin1String("iban");
    window.PageControl()->setCurrentIndex(iban ? 2 : 1);
    const char* listName = iban ? "Lb_iban" : "LB_rib";
    if (iban) window.findChild<QLineEdit*>(QStringLiteral("Edit_Iban_country"))->setText(QStringLiteral("CY"));
    window.findChild<QLineEdit*>(iban ? QStringLiteral("em_iban") : QStringLiteral("em_rib"))
        ->setText(iban ? QStringLiteral("00200128000000120052????") : QStringLiteral("30006 00001 1234567????"));
    const SearchFigures search = TimeCalcule(window, listName);
    auto* list = window.findChild<TCandidateList*>(QString::fromLatin1(listName));
    const char* name = iban ? "IBAN" : "RIB/RIP";
    std::printf("%s list: %d rows, search %.1f ms; peak memory so far %.1f MB\n", name, search.rows, search.milliseconds,
                PeakMemoryMB());

    QElapsedTimer clock;
    clock.start();
    list->CopyAllRows();
    const double copyAll = Milliseconds(clock);
    const qsizetype copied = QGuiApplication::clipboard()->text().size();
    std::printf("%s: \"Copier toute la liste\" %.1f ms (%lld characters); peak memory %.1f MB\n", name, copyAll,
                static_cast<long long>(copied), PeakMemoryMB());
    QGuiApplication::clipboard()->clear();

    clock.restart();
    list->selectAll();
    list->CopySelectedRows();
    const double copySelected = Milliseconds(clock);
    std::printf("%s: Ctrl+A then \"Copier\" %.1f ms; peak memory %.1f MB\n", name, copySelected, PeakMemoryMB());
    QGuiApplication::clipboard()->clear();

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("liste.txt"));
    clock.restart();
    const bool saved = list->SaveRows(path);
    const double save = Milliseconds(clock);
    std::printf("%s: \"Enregistrer la liste\" %.1f ms (%s, %.1f MB); peak memory %.1f MB\n", name, save,
                saved ? "written" : "FAILED", QFileInfo(path).size() / 1048576.0, PeakMemoryMB());
    std::printf("TABLE|%s|%d|%.0f ms|%.0f ms|%.0f ms|%.0f MB|\n", name, search.rows, copyAll, copySelected, save,
                PeakMemoryMB());
    return saved ? 0 : 1;
}
