// Helpers shared by the window tests: finding controls by name, typing,
// clicking, and running code from inside a search's pump.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "MainWindow.h"
#include "PageControl.h"

// The window tests never write into the real home: what the window saves
// (its page and position, the last folder a list was saved to) goes into a
// folder of each test program's own, made before the application starts.
inline const bool kPrivateSettings = [] {
    static QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
    return folder.isValid();
}();

template <class T = QWidget>
T* Find(QWidget* root, const char* name) {
    T* found = root->findChild<T*>(QString::fromLatin1(name));
    if (!found) qFatal("no control named %s", name);
    return found;
}

inline QLineEdit* Field(QWidget* w, const char* name) { return Find<QLineEdit>(w, name); }
inline QAbstractButton* Button(QWidget* w, const char* name) { return Find<QAbstractButton>(w, name); }
inline QAbstractItemView* List(QWidget* w, const char* name) { return Find<QAbstractItemView>(w, name); }

inline QStringList Rows(QAbstractItemView* list) {
    QStringList rows;
    for (int i = 0; i < list->model()->rowCount(); ++i) rows << list->model()->index(i, 0).data().toString();
    return rows;
}

// Types text into a field the way a user does, after giving it the focus.
inline void Type(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

// A click on "Calcule" with the mouse, which first takes the focus from the field.
inline void ClickCalcule(QWidget* window) { QTest::mouseClick(Button(window, "Btncalc"), Qt::LeftButton); }

// Clicks "Calcule" and runs `action` from inside the search's first pump. The
// window lets its messages through only when a few milliseconds have passed
// since it last did, so wait that long first.
inline void ClickCalculeAndDuringSearch(QWidget* window, std::function<void()> action) {
    QTest::qWait(12);
    QTimer::singleShot(0, qApp, std::move(action));
    ClickCalcule(window);
}

// A freshly shown main window, active and focused as a user gets it.
struct ShownWindow {
    TMainWindow window;
    ShownWindow() {
        window.show();
        QApplication::setActiveWindow(&window);
        if (!QTest::qWaitForWindowActive(&window)) qWarning("window not active");
    }
    void Page(int index) { window.PageControl()->setProperty("currentIndex", index); }
};
