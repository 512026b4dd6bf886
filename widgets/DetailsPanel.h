// What the number of a page says of itself (its parts, where it comes from),
// under the pages: a title and one line a fact, "Sexe : femme", in two
// columns (the first filled first). The lines can be selected with the mouse
// and copied; screen readers read them as the columns' text, in order.
#pragma once

#include <QFrame>
#include <QStringList>

class QLabel;

class TDetailsPanel : public QFrame {
    Q_OBJECT
public:
    explicit TDetailsPanel(const QString& objectName, QWidget* parent = nullptr);

    // One line a fact; none shows what the panel is for.
    void ShowLines(const QStringList& lines);
    QStringList Lines() const { return lines_; }

    // The height that shows the title and `rows` lines a column.
    int HeightForRows(int rows) const;

private:
    QLabel* title_;
    QLabel* columns_[2];
    QStringList lines_;
};
