// The VIN page from the click on "Calcule" to the list shown: four unknown
// characters make 1 185 921 candidates, the largest search of the VIN page.
// Also how long a search goes on once "Stop" is pressed, and the peak memory.
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <sys/resource.h>

#include <cstdio>

#include "MainWindow.h"
#include "PageControl.h"

namespace {

const char* const kFields[] = {"Vin1", "Vin2", "Vin3", "VIn4", "Vin5", "Vin6", "VIn7", "Vin8"};

double PeakMemoryMB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

template <class T>
T* Child(QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

void SetVin(TMainWindow& window, const QStringList& parts) {
    for (int i = 0; i < 8; ++i) Child<QLineEdit>(window, kFields[i])->setText(parts[i]);
}

// Clicks "Calcule" and prints how long it took until the list was shown and
// painted with its first rows (the click's return), and until the list had laid
// out every row (its scroll bar reaching its full range).
void TimeCalcule(TMainWindow& window, const char* what) {
    auto* list = Child<QListView>(window, "LB_vin");
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(Child<QAbstractButton>(window, "Btncalc"), Qt::LeftButton);
    list->repaint();
    const double shown = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const int rows = list->model()->rowCount();
    const int fullRange = std::max(0, rows - list->viewport()->height() / 18);
    while (list->isVisible() && list->verticalScrollBar()->maximum() < fullRange) QApplication::processEvents();
    list->scrollToBottom();
    list->repaint();
    const double laidOut = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    std::printf("%-46s shown %7.1f ms, all rows laid out %7.1f ms, %8d rows, list %s\n", what, shown, laidOut, rows,
                list->isVisible() ? "shown" : "hidden");
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TMainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    window.PageControl()->setCurrentIndex(11);

    // Four unknown characters of the body, the key unknown too: every candidate is listed.
    const QStringList allListed = {"1", "M", "?", "12?45", "?", "6", "?", "89012?"};
    for (int run = 0; run < 3; ++run) {
        SetVin(window, allListed);
        TimeCalcule(window, "VIN, four unknown characters, unknown key");
    }
    SetVin(window, {"1", "M", "?", "12?45", "X", "6", "?", "89012?"});
    TimeCalcule(window, "VIN, four unknown characters, key X");
    SetVin(window, {"1", "M", "?", "12?45", "?", "6", "7", "890123"});
    TimeCalcule(window, "VIN, three unknown characters, unknown key");
    SetVin(window, {"1", "M", "H", "12345", "", "6", "7", "890123"});
    TimeCalcule(window, "VIN, complete number");

    // "Stop" pressed from a timer while the search runs (never once it has
    // ended, when the button would close the window).
    auto* close = Child<QAbstractButton>(window, "BitBtn2");
    auto* list = Child<QListView>(window, "LB_vin");
    for (int afterMs : {5, 15, 30}) {
        SetVin(window, allListed);
        QElapsedTimer pressed;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (!window.IsBusy()) return;
            pressed.start();
            close->click();
        });
        QApplication::processEvents();
        timer.start(afterMs);
        QTest::mouseClick(Child<QAbstractButton>(window, "Btncalc"), Qt::LeftButton);
        timer.stop();
        if (pressed.isValid())
            std::printf("VIN, \"Stop\" pressed after %2d ms: the click returned %.2f ms after the press, %d rows kept, "
                        "button \"%s\"\n",
                        afterMs, static_cast<double>(pressed.nsecsElapsed()) / 1e6, list->model()->rowCount(),
                        qPrintable(close->text()));
        else
            std::printf("VIN, \"Stop\" after %2d ms: the search had already ended\n", afterMs);
    }
    std::printf("Peak memory of the whole program: %.1f MB\n", PeakMemoryMB());
    return 0;
}
