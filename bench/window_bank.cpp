// The RIB/RIP and IBAN pages from the click on "Calcule" to the list shown,
// with the largest searches they allow (1 679 616 rows each), a stop in the
// middle of them, and the program's peak memory.
#include <QLineEdit>
#include <algorithm>

#include "WindowBench.h"

namespace {

constexpr int kAllRows = 36 * 36 * 36 * 36;

// Where the time of one "Calcule" goes: the click (search and frame), the
// first painting of the list, and the scroll to its end.
void Breakdown(TMainWindow& window, const char* listName) {
    auto* button = window.findChild<QAbstractButton*>(QStringLiteral("Btncalc"));
    auto* list = window.findChild<QAbstractItemView*>(QString::fromLatin1(listName));
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(button, Qt::LeftButton);
    const double clicked = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    list->repaint();
    const double painted = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    list->scrollToBottom();
    list->repaint();
    const double scrolled = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    std::printf("    click %.1f ms, first painting %.1f ms, scroll to the end %.1f ms\n", clicked, painted - clicked,
                scrolled - painted);
}

// Runs the search three times; returns the fastest time.
double Search(TMainWindow& window, int page, const char* listName, const char* what) {
    window.PageControl()->setCurrentIndex(page);
    double fastest = 1e9;
    for (int run = 0; run < 3; ++run) {
        const SearchFigures figures = TimeCalcule(window, listName);
        PrintFigures(what, figures);
        fastest = std::min(fastest, figures.milliseconds);
    }
    Breakdown(window, listName);
    return fastest;
}

// Presses "Stop" a quarter and half way into a search that takes `searchMs`
// from the click to the list shown. (TimeStop waits 10 ms before it clicks
// "Calcule", and its press must come while the search runs: a press still
// pending when it returns would outlive the clock it starts.)
void Stop(TMainWindow& window, int page, const char* listName, double searchMs, const char* what) {
    window.PageControl()->setCurrentIndex(page);
    auto* list = window.findChild<QAbstractItemView*>(QString::fromLatin1(listName));
    for (int quarter = 1; quarter <= 2; ++quarter) {
        const int afterMs = 10 + std::max(2, static_cast<int>(searchMs * quarter / 4));
        const double ms = TimeStop(window, afterMs);
        const int rows = list->model()->rowCount();
        if (ms < 0 || rows >= kAllRows || !window.isVisible()) {
            std::printf("%-52s the search ended before the press at %d ms\n", what, afterMs);
            window.show();
            continue;
        }
        std::printf("%-52s %9.1f ms after the press (%d rows kept)\n", what, ms, rows);
    }
}

// The same, counted from the moment the press was due rather than from the
// moment the window took it: what the user waits, the wait for the search's
// next look at the window's messages included.
void StopFromDue(TMainWindow& window, int page, const char* listName, double searchMs, const char* what) {
    window.PageControl()->setCurrentIndex(page);
    auto* button = window.findChild<QAbstractButton*>(QStringLiteral("Btncalc"));
    auto* close = window.findChild<QAbstractButton*>(QStringLiteral("BitBtn2"));
    auto* list = window.findChild<QAbstractItemView*>(QString::fromLatin1(listName));
    for (int quarter = 1; quarter <= 3; ++quarter) {
        const int afterMs = std::max(2, static_cast<int>(searchMs * quarter / 4));
        QObject guard;  // takes the pending press away with it if the search ends first
        bool pressed = false;
        QElapsedTimer clock;
        QApplication::processEvents();
        QTest::qWait(10);  // the frame lets messages through once 5 ms have passed since it last did
        clock.start();
        QTimer::singleShot(afterMs, &guard, [&] {
            pressed = true;
            close->click();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        const double waited = static_cast<double>(clock.nsecsElapsed()) / 1e6 - afterMs;
        const int rows = list->model()->rowCount();
        if (!pressed || rows >= kAllRows) {
            std::printf("%-52s the search ended before the press was due at %d ms\n", what, afterMs);
            continue;
        }
        std::printf("%-52s %9.1f ms after the press was due (%d rows kept)\n", what, waited, rows);
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    TMainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    auto* rib = window.findChild<QLineEdit*>(QStringLiteral("em_rib"));
    auto* bban = window.findChild<QLineEdit*>(QStringLiteral("em_iban"));
    auto* key = window.findChild<QLineEdit*>(QStringLiteral("em_iban_cle"));
    auto* country = window.findChild<QLineEdit*>(QStringLiteral("Edit_Iban_country"));

    rib->setText(QStringLiteral("30006 00001 1234567????"));
    const double ribMs = Search(window, 1, "LB_rib", "RIB, four unknown account characters (1 679 616)");
    Stop(window, 1, "LB_rib", ribMs, "RIB, Stop during the same search");
    StopFromDue(window, 1, "LB_rib", ribMs, "RIB, Stop, from the moment it is pressed");
    rib->setText(QStringLiteral("30006 00001 12345678901"));
    PrintFigures("RIB, complete number", TimeCalcule(window, "LB_rib"));

    // Cyprus: sixteen account characters, digits or capitals, and no national key.
    key->clear();
    country->setText(QStringLiteral("CY"));
    bban->setText(QStringLiteral("00200128000000120052????"));
    const double ibanMs = Search(window, 2, "Lb_iban", "IBAN, four unknown BBAN characters (1 679 616)");
    Stop(window, 2, "Lb_iban", ibanMs, "IBAN, Stop during the same search");
    StopFromDue(window, 2, "Lb_iban", ibanMs, "IBAN, Stop, from the moment it is pressed");
    bban->setText(QStringLiteral("002001280000001200527600"));
    PrintFigures("IBAN, complete number", TimeCalcule(window, "Lb_iban"));

    std::printf("Peak memory of the whole program: %.1f MB\n", PeakMemoryMB());
    return 0;
}
