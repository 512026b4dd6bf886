// Helpers of the window benchmarks: time a "Calcule" from the click to the
// list shown, time a stop, and read the program's peak memory.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <sys/resource.h>

#include <cstdio>
#include <functional>

#include "MainWindow.h"
#include "PageControl.h"

inline double PeakMemoryMB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

struct SearchFigures {
    double milliseconds = 0;
    int rows = 0;
    bool listShown = false;
};

// Clicks "Calcule" on the window's current page and waits for the list to be
// painted; `list` is the page's candidate list.
inline SearchFigures TimeCalcule(TMainWindow& window, const char* listName) {
    auto* button = window.findChild<QAbstractButton*>(QStringLiteral("Btncalc"));
    auto* list = window.findChild<QAbstractItemView*>(QString::fromLatin1(listName));
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(button, Qt::LeftButton);
    list->repaint();  // the list as the user sees it, scrolled to its end
    list->scrollToBottom();
    list->repaint();
    SearchFigures figures;
    figures.milliseconds = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    figures.rows = list->model()->rowCount();
    figures.listShown = list->isVisible();
    return figures;
}

// Starts "Calcule", presses "Stop" once the search has run `afterMs`
// milliseconds, and returns how long the search went on after the press.
inline double TimeStop(TMainWindow& window, int afterMs = 100) {
    auto* button = window.findChild<QAbstractButton*>(QStringLiteral("Btncalc"));
    auto* close = window.findChild<QAbstractButton*>(QStringLiteral("BitBtn2"));
    QElapsedTimer pressed;
    QTimer press;  // dies with this call, so a search that ended first leaves no press behind
    press.setSingleShot(true);
    QObject::connect(&press, &QTimer::timeout, close, [&] {
        pressed.start();
        close->click();
    });
    QTest::qWait(10);
    press.start(afterMs);
    QTest::mouseClick(button, Qt::LeftButton);
    return pressed.isValid() ? static_cast<double>(pressed.nsecsElapsed()) / 1e6 : -1;
}

inline void PrintFigures(const char* what, const SearchFigures& f) {
    std::printf("%-52s %9.1f ms  %9d rows  list %s\n", what, f.milliseconds, f.rows, f.listShown ? "shown" : "HIDDEN");
}
