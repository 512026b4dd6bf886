// What new users ran into by keyboard and mouse: the focus after a list
// closes and when a page shows, "Stop" and "Fermer" on one button, Escape and
// F1, what a copy says, the VIN's emptied boxes, long verdicts.
#include <QAccessible>
#include <QClipboard>

#include "CandidateList.h"
#include "KeyPage.h"
#include "NumberField.h"
#include "StatusBar.h"
#include "WindowTest.h"

namespace {

QString Status(TMainWindow& w) { return Find<QStatusBar>(&w, "StatusBar1")->currentMessage(); }

// Types into `field` and on, key by key, wherever the focus goes.
void TypeAcross(QLineEdit* field, const QString& text) {
    field->setFocus();
    for (const QChar c : text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
}

// Whether `widget` took the focus while `action` ran.
bool FocusedDuring(QWidget* widget, const std::function<void()>& action) {
    bool focused = false;
    const auto watch = QObject::connect(qApp, &QApplication::focusChanged, [&](QWidget*, QWidget* now) { focused |= now == widget; });
    action();
    QObject::disconnect(watch);
    return focused;
}

}  // namespace

class TestNewUsers : public QObject {
    Q_OBJECT
private slots:
    void choosingARowGivesTheFieldTheFocus_data();
    void choosingARowGivesTheFieldTheFocus();
    void everyPageTakesTheFocusIntoItsField();
    void aClickJustAfterASearchDoesNotClose();
    void escapeStopsASearch_data();
    void escapeStopsASearch();
    void copiesAndSavesAreTold();
    void emptiedVinBoxesStayEmpty();
    void longVerdictsShowWhole();
    void detailsFollowTheNumber();
};

void TestNewUsers::choosingARowGivesTheFieldTheFocus_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("doubleClick");
    QTest::newRow("RIB, Enter") << 1 << "30006 00001 1234567890? " << false;
    QTest::newRow("RIB, double click") << 1 << "30006 00001 1234567890? " << true;
    QTest::newRow("VIN, Enter") << 11 << "LMN1234?567890123" << false;
}

void TestNewUsers::choosingARowGivesTheFieldTheFocus() {
    QFETCH(int, page);
    QFETCH(QString, typed);
    QFETCH(bool, doubleClick);
    ShownWindow s;
    s.Page(page);
    QLineEdit* field = s.window.Page(page)->FirstField();
    TypeAcross(field, typed);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    TCandidateList* list = s.window.Page(page)->List();
    QVERIFY(list->isVisible() && list->Count() > 1);
    QVERIFY(!FocusedDuring(Button(&s.window, "BitBtn2"), [&] {
        list->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list, Qt::Key_Down);
        if (doubleClick) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
        else QTest::keyClick(list, Qt::Key_Return);
    }));
    QVERIFY(!list->isVisible());
    QCOMPARE(QApplication::focusWidget(), field);
}

void TestNewUsers::everyPageTakesTheFocusIntoItsField() {
    ShownWindow s;
    for (int step = 1; step <= TMainWindow::kPageCount; ++step) {
        const int page = step % TMainWindow::kPageCount;
        QVERIFY(!FocusedDuring(Button(&s.window, "BitBtn2"),
                               [&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier); }));
        QCOMPARE(QApplication::focusWidget(), s.window.Page(page)->FirstField());
    }
    // A click on a tab as well: then digits go into the field.
    TWrapTabBar* tabs = s.window.PageControl()->TabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->TabRect(9).center());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("123"));
    QCOMPARE(s.window.Page(9)->FirstField()->text(), QStringLiteral("123"));
}

void TestNewUsers::aClickJustAfterASearchDoesNotClose() {
    ShownWindow s;
    Field(&s.window, "EM_INSEE")->setText(QStringLiteral("1 85 05 78 006 0?4"));
    ClickCalcule(&s.window);
    QTest::mouseClick(Button(&s.window, "BitBtn2"), Qt::LeftButton);
    QVERIFY(s.window.isVisible());
    QTest::qWait(550);
    QTest::mouseClick(Button(&s.window, "BitBtn2"), Qt::LeftButton);
    QVERIFY(!s.window.isVisible());
}

void TestNewUsers::escapeStopsASearch_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::newRow("Calcule") << 1 << "30006 00001 1234567????" << int(Qt::Key_Return);
    QTest::newRow("typing errors, F3") << 2 << "77300060000112345678901893000600" << int(Qt::Key_F3);
}

void TestNewUsers::escapeStopsASearch() {
    QFETCH(int, page);
    QFETCH(QString, typed);
    QFETCH(int, key);
    ShownWindow s;
    s.Page(page);
    TypeAcross(s.window.Page(page)->NumberFields().at(page == 2 ? 1 : 0), typed);
    QTest::qWait(12);
    QTimer::singleShot(0, qApp, [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
    QVERIFY2(Status(s.window).startsWith(QStringLiteral("Recherche interrompue : ")), qPrintable(Status(s.window)));
    // F1 opens the help.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QTRY_VERIFY(s.window.findChild<QWidget*>(QStringLiteral("HelpWindow")));
}

void TestNewUsers::copiesAndSavesAreTold() {
    ShownWindow s;
    s.Page(1);
    Field(&s.window, "em_rib")->setText(QStringLiteral("30006 00001 123456789?? "));
    ClickCalcule(&s.window);
    auto* list = Find<TCandidateList>(&s.window, "LB_rib");
    Qt::CursorShape cursor = Qt::ArrowCursor;
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [&] {
        if (const QCursor* shown = QApplication::overrideCursor()) cursor = shown->shape();
    });
    list->CopyAllRows();
    QCOMPARE(cursor, Qt::WaitCursor);
    QCOMPARE(Status(s.window), QStringLiteral("1\u202F296 lignes copiées."));
    list->SelectRow(3);
    list->CopySelectedRows();
    QCOMPARE(Status(s.window), QStringLiteral("1 ligne copiée."));
    QTemporaryDir folder;
    QVERIFY(list->SaveRows(folder.filePath(QStringLiteral("liste.txt"))));
    QCOMPARE(Status(s.window), QStringLiteral("1\u202F296 lignes enregistrées."));
}

void TestNewUsers::emptiedVinBoxesStayEmpty() {
    ShownWindow s;
    s.Page(11);
    TypeAcross(Field(&s.window, "Vin1"), QStringLiteral("LMN12345567890123"));
    // Back from the end of the last box to the middle of the fourth.
    for (int i = 0; i < 6 + 3 + 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    QStringList texts;
    for (QLineEdit* box : s.window.Page(11)->NumberFields()) texts << box->text();
    QCOMPARE(texts, QStringList({"L", "M", "N", "12", "", "", "", ""}));
    ClickCalcule(&s.window);
    QCOMPARE(Field(&s.window, "Vin6")->text(), QStringLiteral("?"));
}

void TestNewUsers::longVerdictsShowWhole() {
    ShownWindow s;
    s.Page(2);
    Field(&s.window, "Edit_Iban_country")->setText(QStringLiteral("FR"));
    Field(&s.window, "em_iban_cle")->setText(QStringLiteral("76"));
    Field(&s.window, "em_iban")->setText(QStringLiteral("30006000011234567890180"));
    auto* bar = Find<TStatusBar>(&s.window, "StatusBar1");
    QFont wide = bar->font();  // wider than the window's, as on a desktop without its font
    wide.setPixelSize(16);
    bar->setFont(wide);
    ClickCalcule(&s.window);
    const QString verdict = bar->currentMessage();
    QVERIFY2(verdict.endsWith(QStringLiteral("F3 : chercher les fautes de frappe.")), qPrintable(verdict));
    QCOMPARE(bar->toolTip(), verdict);
    QCOMPARE(QAccessible::queryAccessibleInterface(bar)->text(QAccessible::Name), verdict);
    // What shows fits into the bar, and says where it is cut.
    const QStringList lines = bar->ShownLines(verdict);
    QVERIFY(lines.size() * bar->fontMetrics().lineSpacing() <= bar->height());
    QVERIFY(bar->fontMetrics().horizontalAdvance(lines.last()) <= bar->width() - 12 && lines.last().endsWith(QChar(0x2026)));
}

// The panel under the buttons says what the page's number says: after
// "Calcule", for the list's current row, for the page shown; typing and
// "Effacer" take it away.
void TestNewUsers::detailsFollowTheNumber() {
    ShownWindow s;
    auto* panel = Find<QFrame>(&s.window, "Pnl_details");
    const auto shown = [&] {
        QStringList texts;
        for (const char* name : {"MSG_details1", "MSG_details2"})
            if (auto* label = Find<QLabel>(panel, name); label->isVisibleTo(panel) && label->isEnabled()) texts << label->text();
        return texts.join(QLatin1Char('\n'));
    };
    const QString insee = QStringLiteral("Sexe : homme\nNé(e) en : mai 1985\nDépartement : Yvelines (78)\nCommune : Adainville (78006)");
    s.Page(0);
    Type(Field(&s.window, "EM_INSEE"), QStringLiteral("1850578006084"));
    ClickCalcule(&s.window);
    QCOMPARE(shown(), insee);

    s.Page(7);
    QCOMPARE(shown(), QString());
    Type(Field(&s.window, "EM_siren"), QStringLiteral("2175?0016"));
    ClickCalcule(&s.window);
    QAbstractItemView* list = List(&s.window, "lb_siren");
    const int paris = static_cast<int>(Rows(list).indexOf(QStringLiteral("217 500 016")));
    QVERIFY(paris >= 0);
    list->setCurrentIndex(list->model()->index(paris, 0));
    QTRY_COMPARE(shown(), QStringLiteral("TVA intracommunautaire : FR72217500016\nCommune : Paris (75056)"));
    QTest::keyClick(Field(&s.window, "EM_siren"), Qt::Key_Backspace);
    QCOMPARE(shown(), QString());

    s.Page(0);
    QCOMPARE(shown(), insee);
    QTest::mouseClick(Button(&s.window, "Btnclear"), Qt::LeftButton);
    QCOMPARE(shown(), QString());
}

QTEST_MAIN(TestNewUsers)
#include "tst_newusers.moc"
