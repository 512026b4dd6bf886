#include "DetailsPanel.h"

#include <QGridLayout>
#include <QLabel>

namespace {

// Said while no whole number has been calculated on the page.
const char* const kEmpty = "Après « Calcule » sur un numéro entier, ou sur une ligne de la liste, "
                           "ce que dit le numéro s'affiche ici.";

constexpr int kMargin = 6;
constexpr int kSpacing = 2;

}  // namespace

TDetailsPanel::TDetailsPanel(const QString& objectName, QWidget* parent) : QFrame(parent) {
    setObjectName(objectName);
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setHorizontalSpacing(16);
    layout->setVerticalSpacing(kSpacing);
    title_ = new QLabel(QStringLiteral("Ce que dit le numéro"), this);
    title_->setObjectName(QStringLiteral("Ldetails"));
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    layout->addWidget(title_, 0, 0, 1, 2);
    for (int i = 0; i < 2; ++i) {
        QLabel* column = new QLabel(this);
        column->setObjectName(QStringLiteral("MSG_details%1").arg(i + 1));
        column->setWordWrap(true);
        column->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        column->setTextFormat(Qt::PlainText);
        column->setTextInteractionFlags(Qt::TextSelectableByMouse);
        column->setAccessibleName(title_->text());
        layout->addWidget(column, 1, i);
        layout->setColumnStretch(i, 1);
        columns_[i] = column;
    }
    layout->setRowStretch(1, 1);
    ShowLines({});
}

int TDetailsPanel::HeightForRows(int rows) const {
    return 2 * kMargin + title_->sizeHint().height() + kSpacing + rows * fontMetrics().lineSpacing() + 2 * frameWidth();
}

void TDetailsPanel::ShowLines(const QStringList& lines) {
    lines_ = lines;
    QString texts[2];
    if (lines.isEmpty()) {
        texts[0] = QString::fromUtf8(kEmpty);
    } else {
        const qsizetype half = (lines.size() + 1) / 2;
        texts[0] = lines.mid(0, half).join(QLatin1Char('\n'));
        texts[1] = lines.mid(half).join(QLatin1Char('\n'));
    }
    // The empty panel's sentence runs across both columns.
    auto* layout = static_cast<QGridLayout*>(this->layout());
    layout->removeWidget(columns_[0]);
    layout->addWidget(columns_[0], 1, 0, 1, lines.isEmpty() ? 2 : 1);
    columns_[1]->setVisible(!lines.isEmpty());
    columns_[0]->setEnabled(!lines.isEmpty());
    for (int i = 0; i < 2; ++i)
        if (columns_[i]->text() != texts[i]) columns_[i]->setText(texts[i]);
}
