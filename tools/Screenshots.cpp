// Renders every page of the main window, each with an example number typed
// in, a list with its context menu, and the About box to PNG files, without
// a display:
//   ferrino_screenshots [folder] [page-index...]
// writes folder/page-NN.png for the pages asked for (all of them when none
// is) and folder/about.png. tools/screenshots.sh keeps the README's pictures
// current with it.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QTimer>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <cstdio>
#include <vector>

#include "AboutBox.h"
#include "MainWindow.h"
#include "PageControl.h"

namespace {

struct FieldText {
    const char* field;
    const char* text;
};

// What a person would type on each page, field by field, before clicking
// "Calcule". Most pages get the number without its key, which "Calcule"
// writes in; the bank card and CIP/ACL pages get unknown digits, so that
// their search lists rows.
using Example = std::vector<FieldText>;

const std::vector<Example>& Examples() {
    static const std::vector<Example> examples = {
        {{"EM_INSEE", "1 85 05 78 006 084"}},
        {{"em_rib", "30006 00001 12345678901"}},
        {{"Edit_Iban_country", "FR"}, {"em_iban", "30006000011234567890189"}},
        {{"Em_prof", "75 1 12345"}},
        {{"Em_avs", "123 45 678 90"}},
        {{"em_isbn", "2-07-036822"}},
        {{"em_cb", "4970 1012 3?56 78?3"}},
        {{"EM_siren", "123 456 78"}},
        {{"em_siret", "123456782 0001"}},
        {{"em_ean", "400638133393"}},
        {{"em_sin", "046 454 28"}},
        {{"Vin1", "L"}, {"Vin2", "M"}, {"Vin3", "N"}, {"VIn4", "12345"}, {"Vin5", ""}, {"Vin6", "6"},
          {"VIn7", "7"}, {"Vin8", "890121"}},
        {{"Fcip1", "1234??"}, {"Fcip2", "2"}},
    };
    return examples;
}

// Lets the window settle: pending events, and timers (sliding and scrolling
// labels) for a short while.
void Settle(int milliseconds = 50) {
    QElapsedTimer clock;
    clock.start();
    do QApplication::processEvents(QEventLoop::AllEvents, 10);
    while (clock.elapsed() < milliseconds);
}

bool Save(QWidget* widget, const QString& path) {
    if (widget->grab().save(path)) {
        std::printf("%s\n", qPrintable(path));
        return true;
    }
    std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    return false;
}

// Types the page's example the way a person does: the text in each field,
// then a click on "Calcule", which takes the focus from the field first.
bool TypeExample(TMainWindow& window, int page) {
    QWidget* const pageWidget = window.PageControl()->currentWidget();
    for (const FieldText& entry : Examples().at(page)) {
        auto* field = pageWidget->findChild<QLineEdit*>(QString::fromLatin1(entry.field));
        if (!field) {
            std::fprintf(stderr, "page %d has no field %s\n", page, entry.field);
            return false;
        }
        field->setFocus();
        field->setText(QString::fromLatin1(entry.text));
        Settle(0);
    }
    auto* calcule = window.findChild<QAbstractButton*>(QStringLiteral("Btncalc"));
    if (!calcule) {
        std::fprintf(stderr, "the window has no Btncalc\n");
        return false;
    }
    calcule->setFocus();
    Settle(0);
    calcule->click();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("FERRINO"));
    const QStringList args = QApplication::arguments().mid(1);
    const QString folder = args.value(0, QStringLiteral("screenshots"));
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "could not make %s\n", qPrintable(folder));
        return 1;
    }
    std::vector<int> pages;
    for (int i = 1; i < args.size(); ++i) {
        bool ok = false;
        const int page = args[i].toInt(&ok);
        if (!ok || page < 0 || page >= TMainWindow::kPageCount) {
            std::fprintf(stderr, "no page %s (0 to %d)\n", qPrintable(args[i]), TMainWindow::kPageCount - 1);
            return 2;
        }
        pages.push_back(page);
    }
    if (pages.empty())
        for (int i = 0; i < TMainWindow::kPageCount; ++i) pages.push_back(i);

    bool ok = true;
    for (const int page : pages) {
        // A fresh window for each page: nothing typed on one page shows on another.
        TMainWindow window;
        window.show();
        QApplication::setActiveWindow(&window);
        Settle();
        window.PageControl()->setCurrentIndex(page);
        Settle();
        ok = TypeExample(window, page) && ok;
        Settle(400);
        ok = Save(&window, QStringLiteral("%1/page-%2.png").arg(folder).arg(page, 2, 10, QLatin1Char('0'))) && ok;
    }

    // A list of candidates with rows selected and its context menu open,
    // the menu painted over the window where it opens.
    {
        TMainWindow window;
        window.show();
        QApplication::setActiveWindow(&window);
        Settle();
        window.PageControl()->setCurrentIndex(1);
        Settle();
        auto* field = window.findChild<QLineEdit*>(QStringLiteral("em_rib"));
        field->setText(QStringLiteral("30006 00001 1234567890? "));
        window.findChild<QAbstractButton*>(QStringLiteral("Btncalc"))->click();
        auto* list = window.findChild<QAbstractItemView*>(QStringLiteral("LB_rib"));
        list->setFocus();
        list->setCurrentIndex(list->model()->index(1, 0));
        list->selectionModel()->select(list->model()->index(3, 0), QItemSelectionModel::Select);
        Settle(200);
        QImage picture = window.grab().toImage();
        const QPoint at = list->viewport()->mapTo(&window, list->visualRect(list->model()->index(3, 0)).center());
        QTimer::singleShot(100, [&] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                QPainter painter(&picture);
                painter.drawPixmap(at, menu->grab());
                menu->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, list->viewport()->mapFrom(&window, at),
                                list->viewport()->mapToGlobal(list->viewport()->mapFrom(&window, at)));
        QApplication::sendEvent(list->viewport(), &event);
        const QString path = QStringLiteral("%1/list-menu.png").arg(folder);
        if (picture.save(path)) std::printf("%s\n", qPrintable(path));
        else ok = false;
    }

    // The About box as "A propos" shows it, over the window, grabbed at once:
    // the scrolling line starts with the program's name.
    TMainWindow window;
    window.show();
    Settle();
    auto* about = new TAboutBox(window.VersionText(), &window);
    about->show();
    Settle(0);
    ok = Save(about, QStringLiteral("%1/about.png").arg(folder)) && ok;
    delete about;
    return ok ? 0 : 1;
}
