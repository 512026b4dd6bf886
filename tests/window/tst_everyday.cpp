// Everyday use of the window: new lists, whole rows of the fixed font, Enter
// on a focused button, the help window, Alt and Ctrl, the keyboard in lists,
// copying and saving lists, whole numbers pasted into a page, the IBAN page's
// keyboard, the settings kept between runs and the drawing of the arrows.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTextBrowser>
#include <QWindow>
#include <unistd.h>

#include "AboutBox.h"
#include "Arrow.h"
#include "ArrowButton.h"
#include "CandidateList.h"
#include "FixedFont.h"
#include "KeyPage.h"
#include "NumberField.h"
#include "WindowTest.h"

namespace {

constexpr int kInseePage = 0;
constexpr int kRibPage = 1;
constexpr int kIbanPage = 2;
constexpr int kVinPage = 11;
constexpr int kCipPage = 12;

const char* const kVinFields[] = {"Vin1", "Vin2", "Vin3", "VIn4", "Vin5", "Vin6", "VIn7", "Vin8"};

QStringList VinTexts(QWidget* w) {
    QStringList texts;
    for (const char* name : kVinFields) texts << Field(w, name)->text();
    return texts;
}

QList<int> SelectedRows(QAbstractItemView* list) {
    QList<int> rows;
    for (const QModelIndex& index : list->selectionModel()->selectedIndexes()) rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

QPoint RowCentre(QAbstractItemView* list, int row) {
    return list->visualRect(list->model()->index(row, 0)).center();
}

// Runs `action` on the first modal window or popup menu that comes up while
// `trigger` runs (a message box, a progress dialog, a context menu).
void WhileModal(const std::function<void()>& trigger, const std::function<void(QWidget*)>& action) {
    bool done = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* shown = QApplication::activePopupWidget();
        if (!shown) shown = QApplication::activeModalWidget();
        if (done || !shown || !shown->isVisible()) return;
        done = true;
        action(shown);
    });
    poll.start();
    trigger();
    poll.stop();
}

// The texts of a context menu's actions, and a click on the one named.
void ChooseInContextMenu(QAbstractItemView* list, const QString& choice, QStringList* seen = nullptr) {
    WhileModal(
        [&] {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 5), list->viewport()->mapToGlobal(QPoint(10, 5)));
            QApplication::sendEvent(list->viewport(), &event);
        },
        [&](QWidget* shown) {
            auto* menu = qobject_cast<QMenu*>(shown);
            QVERIFY(menu);
            QAction* chosen = nullptr;
            for (QAction* action : menu->actions()) {
                const QString text = action->text().remove(QLatin1Char('&'));
                if (seen && !action->isSeparator()) *seen << text + (action->isEnabled() ? QString() : QStringLiteral(" (grisé)"));
                if (text == choice) chosen = action;
            }
            menu->close();
            if (chosen) chosen->trigger();
        });
}

// Rows of pixels of `image` inside `area` that hold ink (a dark pixel).
QList<int> InkRows(const QImage& image, QRect area) {
    QList<int> rows;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                rows << y;
                break;
            }
    return rows;
}

// How many rows of pixels the text's ink takes when nothing cuts it.
int FullInkHeight(const QString& text, const QFont& font) {
    QImage image(400, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(10, 70), text);
    painter.end();
    return static_cast<int>(InkRows(image, image.rect()).size());
}

// The page a control lies on.
int PageOf(TMainWindow& window, QWidget* control) {
    for (int i = 0; i < TMainWindow::kPageCount; ++i)
        if (window.Page(i) == control->parentWidget()) return i;
    return -1;
}

// The list's rows as the window shows them, joined by line breaks.
QString Joined(const QStringList& rows) { return rows.join(QLatin1Char('\n')); }

}  // namespace

class TestEveryday : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    // Faults.
    void newListOpensAtItsFirstRow();
    void countryListOpensAtItsFirstRow();
    void capitalAccentsAreNotCut();
    void enterOnAFocusedButtonPressesIt();
    void focusedButtonLooksUnlikeTheDefault();
    void helpWindowBelongsToTheMainWindow();
    void altAndCtrlNeverType_data();
    void altAndCtrlNeverType();
    void firstDownAfterTabSelectsTheFirstRow();
    // Expected of any desktop program.
    void extendedSelectionAndTheListClick();
    void copyFromTheContextMenu();
    void copiedIbanRowsArePrinted();
    void saveWritesEveryRow();
    void saveErrorNamesFileAndReason_data();
    void saveErrorNamesFileAndReason();
    void cancelledSaveLeavesNoFile();
    void wholeIbanPastedIntoAnyField_data();
    void wholeIbanPastedIntoAnyField();
    void wholeIbanTypedIntoTheCountryField();
    void wholeVinPastedAndTypedAcrossTheBoxes();
    void wholeCipPasted();
    void wholeNumberPastedOverTheOneShown_data();
    void wholeNumberPastedOverTheOneShown();
    void ibanPageKeyboard();
    void settingsKeepPageAndPosition();
    void settingsOffScreenAreNotRestored();
    void arrowHeadsKeepTheirDistance();
    void listsShowWholeRowsOnly();
    void arrowEndsStayUnderTheLists();
};

void TestEveryday::initTestCase() {
    QApplication::setOrganizationName(QStringLiteral("Ferrino"));
    QApplication::setApplicationName(QStringLiteral("Ferrino"));
    QVERIFY(kPrivateSettings);
    QVERIFY(!QSettings().fileName().startsWith(QDir::homePath() + QStringLiteral("/.config")));
}

// ---- faults ------------------------------------------------------------------

void TestEveryday::newListOpensAtItsFirstRow() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    auto* list = Find<TCandidateList>(&s.window, "LB_insee");
    field->setText(QStringLiteral("1 85 05 78 006 ???"));
    ClickCalcule(&s.window);
    QCOMPARE(list->Count(), 1000);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_PageDown);
    QVERIFY(list->verticalScrollBar()->value() > 900);
    // The next search shows its first rows, none selected.
    field->setText(QStringLiteral("1 85 05 78 006 ???"));
    ClickCalcule(&s.window);
    QCOMPARE(list->Count(), 1000);
    QCOMPARE(list->verticalScrollBar()->value(), 0);
    QCOMPARE(list->visualRect(list->model()->index(0, 0)).top(), 0);
    QVERIFY(!list->selectionModel()->hasSelection());
    QVERIFY(!list->currentIndex().isValid());
    // Sideways too, and for a list filled anew by other means (as the
    // typing-error search fills it): cleared, then rows published.
    list->horizontalScrollBar()->setValue(list->horizontalScrollBar()->maximum());
    list->scrollToBottom();
    list->Clear();
    for (int i = 0; i < 500; ++i) list->Rows().Add("1 85 05 78 006 084 91");
    list->Publish();
    QApplication::processEvents();
    QCOMPARE(list->verticalScrollBar()->value(), 0);
    QCOMPARE(list->horizontalScrollBar()->value(), 0);
}

void TestEveryday::countryListOpensAtItsFirstRow() {
    ShownWindow s;
    s.Page(kIbanPage);
    auto* countries = Find<TCandidateList>(&s.window, "LB_iban1");
    auto* drop = Find<TArrowButton>(&s.window, "ABtn_iban");
    drop->click();  // a plain click: no country chosen
    QVERIFY(countries->isVisible());
    QTest::keyClick(countries, Qt::Key_End);
    QVERIFY(countries->verticalScrollBar()->value() > 200);
    drop->click();
    QVERIFY(!countries->isVisible());
    drop->click();
    QVERIFY(countries->isVisible());
    QCOMPARE(countries->verticalScrollBar()->value(), 0);
    QVERIFY(!countries->selectionModel()->hasSelection());
    // Opened on a country, the list shows that country with rows around it.
    Field(&s.window, "Edit_Iban_country")->setText(QStringLiteral("FR"));
    drop->click();
    Field(&s.window, "Edit_Iban_country")->setFocus();
    QTest::keyClick(Field(&s.window, "Edit_Iban_country"), Qt::Key_Down);
    const QRect fr = countries->visualRect(countries->model()->index(71, 0));
    QVERIFY(fr.top() > 0 && fr.bottom() < countries->viewport()->height() - ListRowHeight());
}

void TestEveryday::capitalAccentsAreNotCut() {
    ShownWindow s;
    // A country row with capital accents: every row of its ink is drawn.
    s.Page(kIbanPage);
    auto* countries = Find<TCandidateList>(&s.window, "LB_iban1");
    Find<TArrowButton>(&s.window, "ABtn_iban")->click();
    int row = -1;
    for (int i = 0; i < countries->Count(); ++i)
        if (countries->RowText(i).startsWith(QStringLiteral("FO (ÎLES FÉROÉ)"))) row = i;
    QVERIFY(row >= 0);
    countries->scrollTo(countries->model()->index(row, 0), QAbstractItemView::PositionAtTop);
    const QImage shown = countries->viewport()->grab().toImage();
    const QRect rect = countries->visualRect(countries->model()->index(row, 0));
    const QList<int> ink = InkRows(shown, rect.intersected(QRect(QPoint(), shown.size())));
    QCOMPARE(ink.size(), FullInkHeight(countries->RowText(row).trimmed(), countries->font()));
    QVERIFY(ink.first() > rect.top());  // some air above the accents
    QVERIFY(ListRowHeight() >= QFontMetrics(FixedFont()).height());

    // Every number field, the same way.
    const QString allAccented = QStringLiteral("ÎÇÉÅÊÛ");  // fields take capitals
    for (TNumberField* field : s.window.findChildren<TNumberField*>()) {
        s.Page(PageOf(s.window, field));
        QStyleOptionFrame frame;
        frame.initFrom(field);
        frame.rect = field->rect();
        frame.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, field);
        const QRect contents = field->style()->subElementRect(QStyle::SE_LineEditContents, &frame, field);
        const int room = (contents.width() - 6) / QFontMetrics(field->font()).horizontalAdvance(QLatin1Char('0'));
        const QString accented = allAccented.left(std::max(1, room));
        const int full = FullInkHeight(accented, FixedFont());
        Button(&s.window, "Btnhelp")->setFocus();  // no caret over the text, and no normalisation
        field->setText(accented);
        field->setCursorPosition(0);
        const QImage image = field->grab().toImage();
        const int width = QFontMetrics(field->font()).horizontalAdvance(accented);
        const QRect text(contents.left() + 1, contents.top(), std::min(width + 2, contents.width() - 2), contents.height());
        QVERIFY2(InkRows(image, text).size() == full,
                 qPrintable(QStringLiteral("%1: %2 of %3 rows of ink, in %4 %5").arg(field->objectName()).arg(InkRows(image, text).size()).arg(full).arg(text.top()).arg(text.height())));
        field->clear();
    }
}

void TestEveryday::enterOnAFocusedButtonPressesIt() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    auto* list = Find<TCandidateList>(&s.window, "LB_insee");
    // "Effacer" focused: Enter empties the field, and runs no "Calcule".
    field->setText(QStringLiteral("1 85 05 78 006 0?4"));
    Button(&s.window, "Btnclear")->setFocus();
    QTest::keyClick(Button(&s.window, "Btnclear"), Qt::Key_Return);
    QVERIFY(field->text().isEmpty());
    QVERIFY(!list->isVisible());
    // "A propos" focused: Enter shows the About box.
    bool aboutShown = false;
    WhileModal([&] { QTest::keyClick(Button(&s.window, "BitBtn1"), Qt::Key_Enter, Qt::KeypadModifier); },
               [&](QWidget* shown) {
                   aboutShown = shown == AboutBox;
                   shown->close();
               });
    QVERIFY(aboutShown);
    QVERIFY(!list->isVisible());
    // In a field or in a list, Enter still runs "Calcule".
    field->setText(QStringLiteral("1 85 05 78 006 0?4"));
    field->setFocus();
    QVERIFY(qobject_cast<QPushButton*>(Button(&s.window, "Btncalc"))->isDefault());
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(list->isVisible());
    QCOMPARE(list->Count(), 10);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    field->setText(QStringLiteral("1 85 05 78 006 ?84"));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(field->text(), QStringLiteral("1 85 05 78 006 ?84"));
    QVERIFY(list->isVisible());
    QCOMPARE(list->Count(), 10);
    QVERIFY(list->RowText(0).startsWith(QStringLiteral("1 85 05 78 006 084")));
}

void TestEveryday::focusedButtonLooksUnlikeTheDefault() {
    ShownWindow s;
    auto* calcule = qobject_cast<QPushButton*>(Button(&s.window, "Btncalc"));
    auto* clear = qobject_cast<QPushButton*>(Button(&s.window, "Btnclear"));
    Field(&s.window, "EM_INSEE")->setFocus();
    QVERIFY(calcule->isDefault());
    const QImage asDefault = calcule->grab().toImage();
    calcule->setFocus();
    QVERIFY(calcule->hasFocus());
    const QImage asFocused = calcule->grab().toImage();
    QVERIFY2(asDefault != asFocused, "the focus does not show on the default button");
    // A focused button is the one Enter presses, and "Calcule" no longer is.
    clear->setFocus();
    QVERIFY(clear->isDefault());
    QVERIFY(!calcule->isDefault());
    const QImage clearFocused = clear->grab().toImage();
    Field(&s.window, "EM_INSEE")->setFocus();
    QVERIFY(calcule->isDefault());
    QVERIFY(clear->grab().toImage() != clearFocused);
}

void TestEveryday::helpWindowBelongsToTheMainWindow() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    field->setFocus();
    Button(&s.window, "Btnhelp")->click();
    auto* help = s.window.findChild<QWidget*>(QStringLiteral("HelpWindow"));
    QVERIFY(help && help->isVisible());
    // A dialog of the main window's, transient for it.
    QCOMPARE(help->windowType(), Qt::Dialog);
    QVERIFY(help->windowHandle());
    QCOMPARE(help->windowHandle()->transientParent(), s.window.windowHandle());
    QVERIFY(!help->isModal());
    QTRY_VERIFY(help->isActiveWindow());
    // "Aide" again, from the main window, brings it back to the front.
    QApplication::setActiveWindow(&s.window);
    QTRY_VERIFY(s.window.isActiveWindow());
    Button(&s.window, "Btnhelp")->click();
    QTRY_VERIFY(help->isActiveWindow());
    // Closed, it gives the main window the focus back, on the field it had.
    field->setFocus();
    help->close();
    QTRY_VERIFY(s.window.isActiveWindow());
    QTRY_VERIFY(field->hasFocus());
}

void TestEveryday::altAndCtrlNeverType_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Alt+C") << int(Qt::Key_C) << int(Qt::AltModifier);
    QTest::newRow("Alt+E") << int(Qt::Key_E) << int(Qt::AltModifier);
    QTest::newRow("Alt+Shift+E") << int(Qt::Key_E) << int(Qt::AltModifier | Qt::ShiftModifier);
    QTest::newRow("Alt+7") << int(Qt::Key_7) << int(Qt::AltModifier);
    QTest::newRow("Ctrl+E") << int(Qt::Key_E) << int(Qt::ControlModifier);
    QTest::newRow("Meta+E") << int(Qt::Key_E) << int(Qt::MetaModifier);
}

void TestEveryday::altAndCtrlNeverType() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    ShownWindow s;
    for (int page : {kInseePage, kVinPage, kIbanPage}) {
        s.Page(page);
        QWidget* current = s.window.PageControl()->currentWidget();
        QLineEdit* field = current->findChild<QLineEdit*>();
        field->setText(page == kIbanPage ? QStringLiteral("FR") : QString());
        field->setFocus();
        field->end(false);
        const QString before = field->text();
        QTest::keyClick(field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(field->text(), before);
    }
    // The same key without Alt or Ctrl types.
    s.Page(kInseePage);
    QLineEdit* insee = Field(&s.window, "EM_INSEE");
    insee->setFocus();
    QTest::keyClick(insee, Qt::Key(key), Qt::KeyboardModifiers(modifiers) & Qt::ShiftModifier);
    QCOMPARE(insee->text().size(), 1);
}

void TestEveryday::firstDownAfterTabSelectsTheFirstRow() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    auto* list = Find<TCandidateList>(&s.window, "LB_insee");
    field->setText(QStringLiteral("1 85 05 78 006 0?4"));
    ClickCalcule(&s.window);
    const QString first = list->RowText(0);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Tab);
    QVERIFY(list->hasFocus());
    QVERIFY(!list->selectionModel()->hasSelection());
    QCOMPARE(field->text(), QStringLiteral("1 85 05 78 006 0?4"));  // entering the list chooses nothing
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(SelectedRows(list), QList<int>{0});
    QCOMPARE(field->text(), first);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(SelectedRows(list), QList<int>{1});
}

// ---- copying and saving lists -----------------------------------------------

void TestEveryday::extendedSelectionAndTheListClick() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    auto* list = Find<TCandidateList>(&s.window, "LB_insee");
    field->setText(QStringLiteral("1 85 05 78 006 0?4"));
    ClickCalcule(&s.window);
    QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 1));
    QCOMPARE(field->text(), list->RowText(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier, RowCentre(list, 4));
    QCOMPARE(SelectedRows(list), (QList<int>{1, 2, 3, 4}));
    QCOMPARE(field->text(), list->RowText(4));  // the list click follows the current row
    list->scrollTo(list->model()->index(8, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, RowCentre(list, 8));
    QCOMPARE(SelectedRows(list), (QList<int>{1, 2, 3, 4, 8}));
    QCOMPARE(field->text(), list->RowText(8));
    // Shift with the keys, from a row scrolled out of sight.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(SelectedRows(list), QList<int>{0});
    QTest::keyClick(list, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(SelectedRows(list).size(), 10);
    QCOMPARE(field->text(), list->RowText(9));
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(SelectedRows(list), QList<int>{8});
    QCOMPARE(field->text(), list->RowText(8));
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(SelectedRows(list).size(), 10);
    // The country list still chooses one row.
    QCOMPARE(Find<TCandidateList>(&s.window, "LB_iban1")->selectionMode(), QAbstractItemView::SingleSelection);
}

void TestEveryday::copyFromTheContextMenu() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    auto* list = Find<TCandidateList>(&s.window, "LB_insee");
    field->setText(QStringLiteral("1 85 05 78 006 0?4"));
    ClickCalcule(&s.window);
    const QStringList rows = Rows(list);
    QCOMPARE(rows.size(), 10);
    // Nothing selected: "Copier" is greyed.
    QStringList menu;
    QGuiApplication::clipboard()->setText(QStringLiteral("avant"));
    ChooseInContextMenu(list, QStringLiteral("Copier"), &menu);
    QCOMPARE(menu, (QStringList{QStringLiteral("Copier (grisé)"), QStringLiteral("Copier toute la liste"),
                                QStringLiteral("Enregistrer la liste…")}));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("avant"));
    ChooseInContextMenu(list, QStringLiteral("Copier toute la liste"));
    QCOMPARE(QGuiApplication::clipboard()->text(), Joined(rows));
    // The selected rows, in the list's order.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 5));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, RowCentre(list, 2));
    ChooseInContextMenu(list, QStringLiteral("Copier"));
    QCOMPARE(QGuiApplication::clipboard()->text(), rows[2] + QLatin1Char('\n') + rows[5]);
    // Ctrl+C does the same.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(list, 3));
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), rows[3]);
}

void TestEveryday::copiedIbanRowsArePrinted() {
    ShownWindow s;
    s.Page(kIbanPage);
    Field(&s.window, "Edit_Iban_country")->setText(QStringLiteral("FR"));
    Field(&s.window, "em_iban_cle")->setText(QStringLiteral("76"));
    Field(&s.window, "em_iban")->setText(QStringLiteral("3000600001123456789018?"));
    ClickCalcule(&s.window);
    auto* list = Find<TCandidateList>(&s.window, "Lb_iban");
    QCOMPARE(Rows(list), QStringList{QStringLiteral("FR 76 3000 6000 0112 3456 7890 189 ")});
    ChooseInContextMenu(list, QStringLiteral("Copier toute la liste"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("FR76 3000 6000 0112 3456 7890 189"));
    // Other kinds' rows are copied as shown, trailing blanks left out.
    Field(&s.window, "em_iban_cle")->clear();
    Field(&s.window, "Edit_Iban_country")->setText(QStringLiteral("ZZ"));  // no RIB key inside: 36 rows
    ClickCalcule(&s.window);
    QCOMPARE(list->Count(), 36);
    list->selectAll();
    list->CopySelectedRows();
    const QStringList copied = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(copied.size(), 36);
    for (int i = 0; i < 36; ++i) {
        QString row = list->RowText(i).trimmed();
        QCOMPARE(copied[i], row.remove(2, 1));
    }
}

void TestEveryday::saveWritesEveryRow() {
    ShownWindow s;
    s.Page(kRibPage);
    Field(&s.window, "em_rib")->setText(QStringLiteral("30006 00001 1234567890? "));
    ClickCalcule(&s.window);
    auto* list = Find<TCandidateList>(&s.window, "LB_rib");
    QCOMPARE(list->Count(), 36);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("liste é.txt"));
    QVERIFY(list->SaveRows(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    QStringList expected;
    for (const QString& row : Rows(list)) expected << row.trimmed();
    QCOMPARE(QString::fromUtf8(written), expected.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("liste é.txt")});
    // The country list's rows are UTF-8 in the file as on the screen.
    auto* countries = Find<TCandidateList>(&s.window, "LB_iban1");
    const QString countriesPath = folder.filePath(QStringLiteral("pays.txt"));
    QVERIFY(countries->SaveRows(countriesPath));
    QFile countriesFile(countriesPath);
    QVERIFY(countriesFile.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(countriesFile.readAll()).contains(QStringLiteral("\nAE (ÉMIRATS ARABES UNIS)")));
}

void TestEveryday::saveErrorNamesFileAndReason_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no such folder") << "missing/liste.txt" << "n'existe pas";
    QTest::newRow("a file, not a folder") << "file.txt/liste.txt" << "n'est pas un dossier";
    QTest::newRow("a folder's name") << "folder" << "c'est le nom d'un dossier";
    QTest::newRow("read-only folder") << "read-only/liste.txt" << "droit d'écrire";
}

void TestEveryday::saveErrorNamesFileAndReason() {
    QFETCH(QString, where);
    QFETCH(QString, reason);
    if (where.startsWith(QLatin1String("read-only")) && geteuid() == 0) QSKIP("the superuser writes into read-only folders");
    ShownWindow s;
    Field(&s.window, "EM_INSEE")->setText(QStringLiteral("1 85 05 78 006 0?4"));
    ClickCalcule(&s.window);
    auto* list = Find<TCandidateList>(&s.window, "LB_insee");
    QTemporaryDir folder;
    QFile plain(folder.filePath(QStringLiteral("file.txt")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder")));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("read-only")));
    QFile::setPermissions(folder.filePath(QStringLiteral("read-only")), QFile::ReadOwner | QFile::ExeOwner);
    const QString path = folder.filePath(where);
    QString message;
    QString title;
    bool saved = true;
    WhileModal([&] { saved = list->SaveRows(path); },
               [&](QWidget* shown) {
                   auto* box = qobject_cast<QMessageBox*>(shown);
                   QVERIFY(box);
                   message = box->text();
                   title = box->windowTitle();
                   box->accept();
               });
    QFile::setPermissions(folder.filePath(QStringLiteral("read-only")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!saved);
    QCOMPARE(title, QStringLiteral("Enregistrer la liste"));
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    QVERIFY2(message.contains(reason), qPrintable(message));
    QVERIFY(message.startsWith(QStringLiteral("La liste n'a pas pu être enregistrée")));
    // Nothing written anywhere.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("file.txt")});
    QVERIFY(QDir(folder.filePath(QStringLiteral("folder"))).isEmpty());
    QVERIFY(QDir(folder.filePath(QStringLiteral("read-only"))).isEmpty());
}

void TestEveryday::cancelledSaveLeavesNoFile() {
    ShownWindow s;
    s.Page(kRibPage);
    Field(&s.window, "em_rib")->setText(QStringLiteral("30006 00001 12345678??? "));
    ClickCalcule(&s.window);
    auto* list = Find<TCandidateList>(&s.window, "LB_rib");
    QCOMPARE(list->Count(), 36 * 36 * 36);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("liste.txt"));
    QFile older(path);
    QVERIFY(older.open(QIODevice::WriteOnly));
    older.write("une liste plus ancienne\n");
    older.close();
    // The progress dialog comes at once here; "Annuler" in it.
    const int delay = TCandidateList::ProgressDelay;
    TCandidateList::ProgressDelay = 0;
    QString cancelText;
    bool saved = true;
    WhileModal([&] { saved = list->SaveRows(path); },
               [&](QWidget* shown) {
                   auto* progress = qobject_cast<QProgressDialog*>(shown);
                   QVERIFY(progress);
                   for (QPushButton* button : progress->findChildren<QPushButton*>()) cancelText = button->text();
                   progress->cancel();
               });
    TCandidateList::ProgressDelay = delay;
    QVERIFY(!saved);
    QCOMPARE(cancelText, QStringLiteral("Annuler"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("liste.txt")});
    QVERIFY(older.open(QIODevice::ReadOnly));
    QCOMPARE(older.readAll(), QByteArray("une liste plus ancienne\n"));
}

// ---- whole numbers pasted into a page ----------------------------------------

void TestEveryday::wholeIbanPastedIntoAnyField_data() {
    QTest::addColumn<QString>("into");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("bban");
    QTest::newRow("printed, into the BBAN") << "em_iban" << "FR76 3000 6000 0112 3456 7890 189" << "FR" << "76"
                                            << "3000 6000 0112 3456 7890 189 ";
    QTest::newRow("electronic, into the key") << "em_iban_cle" << "GB29NWBK60161331926819" << "GB" << "29"
                                              << "NWBK 6016 1331 9268 19 ";
    QTest::newRow("small letters, into the country") << "Edit_Iban_country" << "de89 3704 0044 0532 0130 00" << "DE"
                                                     << "89" << "3704 0044 0532 0130 00 ";
    QTest::newRow("a BBAN alone stays a BBAN") << "em_iban" << "3000 6000 0112" << "CH" << "12" << "3000 6000 0112";
}

void TestEveryday::wholeIbanPastedIntoAnyField() {
    QFETCH(QString, into);
    QFETCH(QString, pasted);
    QFETCH(QString, country);
    QFETCH(QString, key);
    QFETCH(QString, bban);
    ShownWindow s;
    s.Page(kIbanPage);
    QLineEdit* countryField = Field(&s.window, "Edit_Iban_country");
    QLineEdit* keyField = Field(&s.window, "em_iban_cle");
    QLineEdit* bbanField = Field(&s.window, "em_iban");
    countryField->setText(QStringLiteral("CH"));
    keyField->setText(QStringLiteral("12"));
    bbanField->clear();
    QLineEdit* target = Field(&s.window, qPrintable(into));
    target->setFocus();
    target->selectAll();
    QGuiApplication::clipboard()->setText(pasted);
    // By the keyboard, and by the context menu's "Coller" (the same slot).
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();  // the split is written once the paste has ended
    QCOMPARE(countryField->text(), country);
    QCOMPARE(keyField->text(), key);
    QCOMPARE(bbanField->text(), bban);
    if (into == QLatin1String("em_iban") && country == QLatin1String("CH")) return;
    QVERIFY(bbanField->hasFocus());
    countryField->setText(QStringLiteral("CH"));
    keyField->clear();
    bbanField->clear();
    target->setFocus();
    target->selectAll();
    target->paste();
    QApplication::processEvents();
    QCOMPARE(countryField->text(), country);
    QCOMPARE(keyField->text(), key);
    QCOMPARE(bbanField->text(), bban);
    // "Calcule" then checks it.
    ClickCalcule(&s.window);
    QCOMPARE(keyField->text(), key);
}

void TestEveryday::wholeIbanTypedIntoTheCountryField() {
    ShownWindow s;
    s.Page(kIbanPage);
    QLineEdit* country = Field(&s.window, "Edit_Iban_country");
    QLineEdit* key = Field(&s.window, "em_iban_cle");
    QLineEdit* bban = Field(&s.window, "em_iban");
    key->setText(QStringLiteral("00"));
    bban->setText(QStringLiteral("1234"));
    // The code "FR" is there already: a third character goes on into the key.
    country->setFocus();
    country->end(false);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    QCOMPARE(country->text(), QStringLiteral("FR"));
    QCOMPARE(key->text(), QStringLiteral("7"));
    QVERIFY(key->hasFocus());
    // A whole IBAN typed into the country field fills the three fields.
    country->setFocus();
    country->selectAll();
    for (const QChar c : QStringLiteral("GB29NWBK60161331926819")) QTest::keyClicks(QApplication::focusWidget(), QString(c));
    QCOMPARE(country->text(), QStringLiteral("GB"));
    QCOMPARE(key->text(), QStringLiteral("29"));
    QCOMPARE(bban->text(), QStringLiteral("NWBK60161331926819"));
    QVERIFY(bban->hasFocus());
    ClickCalcule(&s.window);
    QCOMPARE(key->text(), QStringLiteral("29"));
    QCOMPARE(bban->text(), QStringLiteral("NWBK 6016 1331 9268 19 "));
    // Backspace at the start of a field goes back and rubs out.
    bban->setFocus();
    bban->home(false);
    QTest::keyClick(bban, Qt::Key_Backspace);
    QVERIFY(key->hasFocus());
    QCOMPARE(key->text(), QStringLiteral("2"));
}

void TestEveryday::wholeVinPastedAndTypedAcrossTheBoxes() {
    ShownWindow s;
    s.Page(kVinPage);
    // A VIN pasted into the fourth box fills the eight.
    QLineEdit* fourth = Field(&s.window, "VIn4");
    fourth->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("1M8GDM9AXKP042788"));
    QTest::keyClick(fourth, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    QCOMPARE(VinTexts(&s.window), (QStringList{"1", "M", "8", "GDM9A", "X", "K", "P", "042788"}));
    ClickCalcule(&s.window);
    QCOMPARE(Field(&s.window, "Vin5")->text(), QStringLiteral("X"));
    // With blanks and hyphens, by the menu's paste, into the last box.
    Field(&s.window, "Vin8")->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("WP0-ZZZ99Z-TS392124"));
    Field(&s.window, "Vin8")->paste();
    QApplication::processEvents();
    QCOMPARE(VinTexts(&s.window), (QStringList{"W", "P", "0", "ZZZ99", "Z", "T", "S", "392124"}));
    // Typing moves on to the next box when one is full.
    Button(&s.window, "Btnclear")->click();
    Field(&s.window, "Vin1")->setFocus();
    for (const QChar c : QStringLiteral("LMN12345?6789012")) QTest::keyClicks(QApplication::focusWidget(), QString(c));
    QCOMPARE(VinTexts(&s.window), (QStringList{"L", "M", "N", "12345", "?", "6", "7", "89012"}));
    QVERIFY(Field(&s.window, "Vin8")->hasFocus());
    // Backspace at the start of a box goes back into the one before.
    QLineEdit* sixth = Field(&s.window, "Vin6");
    sixth->setFocus();
    sixth->home(false);
    QTest::keyClick(sixth, Qt::Key_Backspace);
    QVERIFY(Field(&s.window, "Vin5")->hasFocus());
    QCOMPARE(Field(&s.window, "Vin5")->text(), QString());
    QTest::keyClick(Field(&s.window, "Vin5"), Qt::Key_Backspace);
    QVERIFY(fourth->hasFocus());
    QCOMPARE(fourth->text(), QStringLiteral("1234"));
    // Left and Right cross the boxes' edges.
    QTest::keyClick(fourth, Qt::Key_Right);
    QVERIFY(Field(&s.window, "Vin5")->hasFocus());
    QTest::keyClick(Field(&s.window, "Vin5"), Qt::Key_Left);
    QVERIFY(fourth->hasFocus());
    // Seventeen characters that are no VIN are an ordinary paste.
    Field(&s.window, "Vin1")->setFocus();
    Field(&s.window, "Vin1")->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("É"));
    Field(&s.window, "Vin1")->paste();
    QApplication::processEvents();
    QCOMPARE(Field(&s.window, "VIn4")->text(), QStringLiteral("1234?"));  // as leaving it made it
}

void TestEveryday::wholeCipPasted() {
    ShownWindow s;
    s.Page(kCipPage);
    QLineEdit* code = Field(&s.window, "Fcip1");
    QLineEdit* key = Field(&s.window, "Fcip2");
    key->setFocus();
    QGuiApplication::clipboard()->setText(QStringLiteral("123456 2"));
    QTest::keyClick(key, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    QCOMPARE(code->text(), QStringLiteral("123456"));
    QCOMPARE(key->text(), QStringLiteral("2"));
    code->setFocus();
    code->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("5000000"));
    code->paste();
    QApplication::processEvents();
    QCOMPARE(code->text(), QStringLiteral("500000"));
    QCOMPARE(key->text(), QStringLiteral("0"));
    // A full code hands the typing on to the key.
    code->setFocus();
    code->selectAll();
    QTest::keyClicks(code, QStringLiteral("12345"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("6"));
    QVERIFY(key->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("2"));
    QCOMPARE(code->text(), QStringLiteral("123456"));
    QCOMPARE(key->text(), QStringLiteral("2"));
}

// A whole number pasted into any box of a page that shows one replaces all
// its boxes exactly, wherever the caret stood and whatever the box held, and
// the separators a copy brings along never move a character to another box.
void TestEveryday::wholeNumberPastedOverTheOneShown_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("into");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QStringList>("boxes");
    const QStringList gb = {"GB", "82", "WEST 1234 5698 7654 32 "};
    const QString gbPrinted = QStringLiteral("GB82 WEST 1234 5698 7654 32");
    QTest::newRow("iban, caret after the key") << kIbanPage << gb << "em_iban_cle" << false << gbPrinted << gb;
    QTest::newRow("iban, key selected") << kIbanPage << gb << "em_iban_cle" << true << gbPrinted << gb;
    QTest::newRow("iban, country selected") << kIbanPage << gb << "Edit_Iban_country" << true << gbPrinted << gb;
    QTest::newRow("iban, caret after the bban") << kIbanPage << gb << "em_iban" << false << gbPrinted << gb;
    QTest::newRow("iban with hyphens") << kIbanPage << gb << "em_iban" << true << "FR76-3000-6000-0112-3456-7890-189"
                                       << QStringList{"FR", "76", "3000 6000 0112 3456 7890 189 "};
    QTest::newRow("dotted vin") << kVinPage << QStringList{"W", "P", "0", "ZZZ99", "Z", "T", "S", "392124"} << "VIn4" << false
                                << "1M8.GDM9A.X.KP.042788" << QStringList{"1", "M", "8", "GDM9A", "X", "K", "P", "042788"};
    QTest::newRow("cip with a hyphen, into the code") << kCipPage << QStringList{"123456", "2"} << "Fcip1" << false << "340093-5"
                                                      << QStringList{"340093", "5"};
    QTest::newRow("cip with a hyphen, into the key") << kCipPage << QStringList{"123456", "2"} << "Fcip2" << true << "340093-5"
                                                     << QStringList{"340093", "5"};
}

void TestEveryday::wholeNumberPastedOverTheOneShown() {
    QFETCH(int, page);
    QFETCH(QStringList, shown);
    QFETCH(QString, into);
    QFETCH(bool, selected);
    QFETCH(QString, pasted);
    QFETCH(QStringList, boxes);
    ShownWindow s;
    s.Page(page);
    TKeyPage* keyPage = s.window.Page(page);
    const std::vector<TNumberField*>& fields = keyPage->NumberFields();
    const auto texts = [&] {
        QStringList out;
        for (const TNumberField* field : fields) out << field->text();
        return out;
    };
    for (std::size_t i = 0; i < fields.size(); ++i) fields[i]->setText(shown.at(static_cast<qsizetype>(i)));
    QLineEdit* target = Field(&s.window, qPrintable(into));
    target->setFocus();
    if (selected) target->selectAll();
    else target->end(false);
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();  // the split is written once the paste has ended
    QCOMPARE(texts(), boxes);
    // "Calcule" finds the number right, and writes no other key.
    ClickCalcule(&s.window);
    QVERIFY2(Find<QStatusBar>(&s.window, "StatusBar1")->currentMessage().startsWith(QStringLiteral("Clé correcte.")),
             qPrintable(Find<QStatusBar>(&s.window, "StatusBar1")->currentMessage()));
    QCOMPARE(texts(), boxes);
}

void TestEveryday::ibanPageKeyboard() {
    ShownWindow s;
    s.Page(kIbanPage);
    QLineEdit* country = Field(&s.window, "Edit_Iban_country");
    auto* drop = Find<TArrowButton>(&s.window, "ABtn_iban");
    auto* countries = Find<TCandidateList>(&s.window, "LB_iban1");
    // Tab follows the screen: country, key, BBAN, then the drop button.
    country->setFocus();
    QStringList order;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order, (QStringList{"em_iban_cle", "em_iban", "ABtn_iban"}));
    // The drop button shows its focus.
    const QImage focused = drop->grab().toImage();
    country->setFocus();
    QVERIFY(drop->grab().toImage() != focused);
    // Escape closes the country list and leaves the field as it was.
    country->setText(QStringLiteral("FR"));
    QTest::keyClick(country, Qt::Key_Down);
    QVERIFY(countries->isVisible());
    QTest::keyClick(countries, Qt::Key_Down);
    QTest::keyClick(countries, Qt::Key_Down);
    QCOMPARE(country->text(), QStringLiteral("GB"));
    QTest::keyClick(countries, Qt::Key_Escape);
    QVERIFY(!countries->isVisible());
    QCOMPARE(country->text(), QStringLiteral("FR"));
    QVERIFY(country->hasFocus());
    QVERIFY(s.window.isVisible());
}

// ---- settings --------------------------------------------------------------

void TestEveryday::settingsKeepPageAndPosition() {
    QSettings().clear();
    {
        ShownWindow s;
        s.Page(9);
        s.window.move(60, 40);
        QTRY_COMPARE(s.window.pos(), QPoint(60, 40));
        s.window.close();
    }
    QCOMPARE(QSettings().value(QStringLiteral("Window/Page")).toInt(), 9);
    TMainWindow again;
    QVERIFY(again.RestoreSettings());
    QCOMPARE(again.PageControl()->currentIndex(), 9);
    QCOMPARE(again.pos(), QPoint(60, 40));
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QTRY_VERIFY(QApplication::focusWidget() == Field(&again, "em_ean"));
}

void TestEveryday::settingsOffScreenAreNotRestored() {
    QSettings settings;
    settings.setValue(QStringLiteral("Window/Page"), 7);
    settings.setValue(QStringLiteral("Window/Position"), QPoint(-5000, -5000));
    settings.sync();
    TMainWindow window;
    const QPoint before = window.pos();
    QVERIFY(!window.RestoreSettings());
    QCOMPARE(window.PageControl()->currentIndex(), 0);
    QCOMPARE(window.pos(), before);
    settings.clear();
    settings.sync();
    QVERIFY(!window.RestoreSettings());  // nothing saved yet
}

// ---- drawing details ------------------------------------------------------

void TestEveryday::arrowHeadsKeepTheirDistance() {
    ShownWindow s;
    for (int page = 0; page < TMainWindow::kPageCount; ++page) {
        s.Page(page);
        QWidget* p = s.window.Page(page);
        const QImage shown = p->grab().toImage();
        for (TArrow* arrow : p->findChildren<TArrow*>()) {
            if (!arrow->isVisible()) continue;
            // The label whose edge the arrow points at.
            QLabel* label = nullptr;
            for (QLabel* candidate : p->findChildren<QLabel*>()) {
                const QRect r = candidate->geometry();
                if (arrow->End().y() >= r.top() && arrow->End().y() <= r.bottom() &&
                    std::abs(arrow->End().x() - (arrow->BendsLeft() ? r.right() : r.left())) <= 6)
                    label = candidate;
            }
            QVERIFY2(label, qPrintable(arrow->objectName()));
            const QRect text = label->geometry();
            // Two columns of pixels next to the label stay clear of the head.
            const int x0 = arrow->BendsLeft() ? text.right() + 1 : text.left() - 2;
            for (int x = x0; x < x0 + 2; ++x)
                for (int y = arrow->End().y() - 5; y <= arrow->End().y() + 5; ++y)
                    QVERIFY2(qGray(shown.pixel(x, y)) > 160,
                             qPrintable(QStringLiteral("%1 touches %2").arg(arrow->objectName(), label->objectName())));
        }
    }
}

void TestEveryday::listsShowWholeRowsOnly() {
    ShownWindow s;
    Field(&s.window, "EM_INSEE")->setText(QStringLiteral("1 85 05 78 006 ???"));
    ClickCalcule(&s.window);
    s.Page(kVinPage);
    for (int i = 0; i < 8; ++i) Field(&s.window, kVinFields[i])->setText(QStringList{"L", "M", "N", "12345", "?", "6", "7", "8901??"}[i]);
    ClickCalcule(&s.window);
    for (const char* name : {"LB_insee", "LB_vin"}) {
        auto* list = Find<TCandidateList>(&s.window, name);
        s.Page(PageOf(s.window, list));
        QVERIFY(list->isVisible());
        QVERIFY(list->Count() > 100);
        const int whole = list->viewport()->height() / ListRowHeight();
        const QImage shown = list->viewport()->grab().toImage();
        // Below the last whole row the list is empty...
        const QRect below(0, whole * ListRowHeight(), shown.width(), shown.height() - whole * ListRowHeight());
        if (!below.isEmpty()) QVERIFY2(InkRows(shown, below).isEmpty(), name);
        // ...and the page's lists were made to hold whole rows.
        if (!list->horizontalScrollBar()->isVisible()) QCOMPARE(list->viewport()->height() % ListRowHeight(), 0);
        QVERIFY(!InkRows(shown, QRect(0, (whole - 1) * ListRowHeight(), shown.width(), ListRowHeight())).isEmpty());
        // The end of the list is a whole row too.
        list->scrollToBottom();
        const QRect last = list->visualRect(list->model()->index(list->Count() - 1, 0));
        QVERIFY(last.bottom() < list->viewport()->height());
    }
}

void TestEveryday::arrowEndsStayUnderTheLists() {
    // Where a list lies over arrows, no arrow starts in the gap above it.
    TMainWindow w;
    for (int page = 0; page < TMainWindow::kPageCount; ++page) {
        QWidget* p = w.Page(page);
        for (TArrow* arrow : p->findChildren<TArrow*>())
            for (TCandidateList* list : p->findChildren<TCandidateList*>()) {
                const QRect area = list->geometry();
                if (arrow->Start().x() < area.left() || arrow->Start().x() > area.right()) continue;
                if (!area.intersects(arrow->geometry())) continue;
                QVERIFY2(arrow->Start().y() >= area.top(),
                         qPrintable(QStringLiteral("%1 above %2").arg(arrow->objectName(), list->objectName())));
            }
        // Every list still lies inside its page.
        for (TCandidateList* list : p->findChildren<TCandidateList*>())
            QVERIFY2(QRect(QPoint(), QSize(522, 200)).contains(list->geometry()), qPrintable(list->objectName()));
    }
}

QTEST_MAIN(TestEveryday)
#include "tst_everyday.moc"
