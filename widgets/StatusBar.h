// The main window's status bar: its message is the verdict of the last
// "Calcule", which can be longer than the window is wide (an IBAN's key,
// length and RIB key), so it wraps onto a second line instead of being cut.
#pragma once

#include <QStatusBar>

class TStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit TStatusBar(const QString& objectName, QWidget* parent = nullptr);

    // Two lines of the window's font.
    int PreferredHeight() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
