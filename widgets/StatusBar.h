// The main window's status bar: its message is the verdict of the last
// "Calcule", which can be longer than the window is wide (an IBAN's key,
// length and RIB key), so it wraps onto a second line instead of being cut;
// what two lines cannot hold ends in "…", and the whole message is the
// bar's tooltip (and what screen readers read).
#pragma once

#include <QStatusBar>
#include <QStringList>

class TStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit TStatusBar(const QString& objectName, QWidget* parent = nullptr);

    // Two lines of the window's font.
    int PreferredHeight() const;
    // The lines the bar shows of `message`.
    QStringList ShownLines(const QString& message) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect MessageArea() const;
};
