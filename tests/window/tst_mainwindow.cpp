// The main window and the frame of "Calcule", on the INSEE page.
#include <QElapsedTimer>
#include <QMenu>
#include <QStatusBar>
#include <QTextBrowser>

#include <QComboBox>

#include "Arrow.h"
#include "KeyPage.h"
#include "NumberField.h"
#include "Version.h"

#include "WindowTest.h"

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startState();
    void tabsWrapAndSwitch();
    void enterKeepsFocusMouseClickLeavesField();
    void versionTextRule_data();
    void versionTextRule();
    void fieldTakesCapitalsAndForeignCharacters();
    void typingLimitCutsOnlyWhatIsTyped();
    void frenchContextMenu();
    void stopEndsASearchAtOnce();
    void clearIsRefusedDuringASearch();
    void nestedCalculeRunsToItsEnd();
    void closingDuringASearchStopsItFirst();
    void escapeDoesNotClose();
    void helpShowsTheFrenchHelpPage();
    void everyControlHasItsName();
};

void TestMainWindow::startState() {
    ShownWindow s;
    TMainWindow& w = s.window;
    QCOMPARE(w.objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Ferrino"));
    QCOMPARE(w.PageControl()->property("currentIndex").toInt(), 0);
    QCOMPARE(w.PageControl()->count(), 13);
    QLineEdit* insee = Field(&w, "EM_INSEE");
    QVERIFY(insee->text().isEmpty());
    QTRY_VERIFY(insee->hasFocus());
    QVERIFY(!Find(&w, "MSG_insee")->isVisible());
    for (QAbstractItemView* list : w.findChildren<QAbstractItemView*>()) QVERIFY2(!list->isVisibleTo(&w), qPrintable(list->objectName()));
    for (const char* name : {"Finsee1", "Linsee1", "Finsee7", "Linsee7", "LInsee3"}) QVERIFY(Find(&w, name)->isVisible());
    QCOMPARE(Button(&w, "BitBtn2")->text(), QStringLiteral("&Fermer"));
    QCOMPARE(Button(&w, "Btncalc")->text(), QStringLiteral("Calcule"));
    QCOMPARE(Button(&w, "Btnclear")->text(), QStringLiteral("Effacer"));
    QCOMPARE(Button(&w, "BitBtn1")->text(), QStringLiteral("A propos"));
    QCOMPARE(Button(&w, "Btnhelp")->text(), QStringLiteral("&Aide"));
    QVERIFY(Find<QStatusBar>(&w, "StatusBar1")->currentMessage().isEmpty());
    QVERIFY(!w.IsBusy());
    QCOMPARE(w.VersionText(), QStringLiteral("1.2.0.1"));
    const QStringList captions = {"Clé Insee", "Clé RIB/RIP", "CLé IBAN", "Clé Professionnel de santé", "Clé AVS", "ISBN",
                                  "Cartes bancaires", "SIREN", "SIRET", "Codes EAN", "S.I.N.", "VIN", "CIP/ACL"};
    const QStringList pages = {"Tab_insee", "Tab_rib", "Tab_iban", "Tab_prof", "Tab_avs", "Tab_isbn", "Tab_credit",
                               "TabSheet1", "Tab_SIRET", "Tab_EAN", "Tab_sin", "Tab_Vin", "tab_cip"};
    for (int i = 0; i < 13; ++i) {
        QCOMPARE(w.PageControl()->widget(i)->objectName(), pages[i]);
        QCOMPARE(w.Page(i)->TabCaption(), captions[i]);
    }
}

void TestMainWindow::tabsWrapAndSwitch() {
    ShownWindow s;
    TPageControl* pc = s.window.PageControl();
    TWrapTabBar* bar = pc->TabBar();
    QVERIFY(bar->RowCount() >= 2);
    // The selected tab's row stands next to the page.
    for (int i : {0, 7, 12}) {
        pc->setProperty("currentIndex", i);
        const int bottom = bar->TabRect(i).bottom();
        for (int j = 0; j < pc->count(); ++j) QVERIFY(bar->TabRect(j).bottom() <= bottom);
        QVERIFY(bar->TabRect(i).right() < bar->width() + 1);
    }
    // Tabs of a row fill the width and never overlap.
    for (int j = 0; j + 1 < pc->count(); ++j)
        if (bar->RowOf(j) == bar->RowOf(j + 1)) QCOMPARE(bar->TabRect(j).right() + 1, bar->TabRect(j + 1).left());
    pc->setProperty("currentIndex", 12);
    QTest::keyClick(&s.window, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(pc->currentIndex(), 0);
    QTest::keyClick(&s.window, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(pc->currentIndex(), 12);
    // A click on a tab shows its page.
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->TabRect(3).center());
    QCOMPARE(pc->currentIndex(), 3);
}

void TestMainWindow::enterKeepsFocusMouseClickLeavesField() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    Type(field, "1850578006084");
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(field->text(), QStringLiteral("1 85 05 78 006 084 91"));
    QVERIFY(field->hasFocus());
    Type(field, "185057800608436");
    ClickCalcule(&s.window);
    QCOMPARE(field->text(), QStringLiteral("1 85 05 78 006 084 91"));
    QVERIFY(!field->hasFocus());
}

void TestMainWindow::versionTextRule_data() {
    QTest::addColumn<QString>("raw");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("shown");
    QTest::newRow("real") << "1.2.0.1" << true << "1.2.0.1";
    QTest::newRow("blanks and controls") << " \t1.2.0.1\r\n" << true << "1.2.0.1";
    QTest::newRow("one character") << "  7 " << true << "1.1";
    QTest::newRow("empty") << "" << true << "1.1";
    QTest::newRow("none") << "" << false << "1.1";
}

void TestMainWindow::versionTextRule() {
    QFETCH(QString, raw);
    QFETCH(bool, present);
    QFETCH(QString, shown);
    QCOMPARE(VersionTextFrom(present ? std::optional<QString>(raw) : std::nullopt), shown);
}

void TestMainWindow::fieldTakesCapitalsAndForeignCharacters() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    Type(field, "1a85");
    QCOMPARE(field->text(), QStringLiteral("1A85"));
    // Characters that are not plain ASCII are neither digits nor unknown markers: they are dropped.
    for (const QString& foreign : {QStringLiteral("é"), QStringLiteral("€"), QStringLiteral("😀")}) {
        field->setText(QStringLiteral("1") + foreign + QStringLiteral("85"));
        ClickCalcule(&s.window);  // leaves the field, then too many unknowns
        QCOMPARE(field->text(), QStringLiteral("1 85"));
    }
    // A huge paste is taken and normalised without trouble.
    field->setFocus();
    field->clear();
    field->insert(QString(10000, QLatin1Char('7')));
    ClickCalcule(&s.window);
    QCOMPARE(field->text(), QStringLiteral("7 77 77 77 777 777 43"));
}

void TestMainWindow::typingLimitCutsOnlyWhatIsTyped() {
    QWidget host;
    TNumberField field(QStringLiteral("f"), &host);
    field.SetTypingLimit(5);
    host.show();
    field.setFocus();
    QTest::keyClicks(&field, "abcdefg");
    QCOMPARE(field.text(), QStringLiteral("ABCDE"));
    field.setText(QStringLiteral("1234567890"));  // the program may write more
    QCOMPARE(field.text(), QStringLiteral("1234567890"));
    field.end(false);
    QTest::keyClicks(&field, "x");
    QCOMPARE(field.text(), QStringLiteral("1234567890"));
    field.clear();
    field.insert(QStringLiteral("vwxyz0123"));  // a paste is cut to the limit
    QCOMPARE(field.text(), QStringLiteral("VWXYZ"));
}

void TestMainWindow::frenchContextMenu() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    QMenu* menu = field->createStandardContextMenu();
    QStringList texts;
    for (QAction* a : menu->actions()) texts << a->text().remove(QLatin1Char('&'));
    delete menu;
    QVERIFY2(texts.join(QLatin1Char('|')).contains(QStringLiteral("Copier")), qPrintable(texts.join('|')));
    QVERIFY(texts.join(QLatin1Char('|')).contains(QStringLiteral("Coller")));
}

void TestMainWindow::stopEndsASearchAtOnce() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    field->setText(QStringLiteral("185057800"));
    QAbstractButton* close = Button(&s.window, "BitBtn2");
    bool sawStop = false;
    bool sawBusy = false;
    // Press "Stop" from inside the search, as soon as it pumps.
    ClickCalculeAndDuringSearch(&s.window, [&] {
        sawStop = close->text() == QLatin1String("Stop");
        sawBusy = s.window.IsBusy();
        QCOMPARE(QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor, Qt::WaitCursor);
        close->click();
    });
    QVERIFY(sawStop);
    QVERIFY(sawBusy);
    QAbstractItemView* list = List(&s.window, "LB_insee");
    QVERIFY(list->isVisible());
    QVERIFY(list->model()->rowCount() < 10000);
    QCOMPARE(close->text(), QStringLiteral("&Fermer"));
    QVERIFY(!s.window.IsBusy());
    QVERIFY(!s.window.IsStopRequested());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(s.window.isVisible());  // the button only stopped the search
    QVERIFY(!Find(&s.window, "Finsee1")->isVisible());
}

void TestMainWindow::clearIsRefusedDuringASearch() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    field->setText(QStringLiteral("1 85 05 78 006 0?4"));
    bool clearedDuring = true;
    ClickCalculeAndDuringSearch(&s.window, [&] {
        Button(&s.window, "Btnclear")->click();
        clearedDuring = field->text().isEmpty();
    });
    QVERIFY(!clearedDuring);
    QCOMPARE(Rows(List(&s.window, "LB_insee")).size(), 10);
    Button(&s.window, "Btnclear")->click();
    QVERIFY(field->text().isEmpty());
    QVERIFY(!List(&s.window, "LB_insee")->isVisible());
    QVERIFY(Find(&s.window, "Linsee4")->isVisible());
}

void TestMainWindow::nestedCalculeRunsToItsEnd() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    field->setText(QStringLiteral("185057800"));
    QAbstractButton* close = Button(&s.window, "BitBtn2");
    QString captionAfterNested;
    bool busyAfterNested = true;
    ClickCalculeAndDuringSearch(&s.window, [&] {
        // A second "Calcule" on a complete number runs to its end here...
        field->setText(QStringLiteral("2690549588157"));
        Button(&s.window, "Btncalc")->click();
        captionAfterNested = close->text();
        busyAfterNested = s.window.IsBusy();
        // ...and the first one, still running, is stopped by the caption rule.
        close->click();
    });
    QCOMPARE(captionAfterNested, QStringLiteral("Stop"));
    QVERIFY(!busyAfterNested);
    QCOMPARE(close->text(), QStringLiteral("&Fermer"));
    QVERIFY(s.window.isVisible());
    QVERIFY(List(&s.window, "LB_insee")->model()->rowCount() < 10000);
    QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestMainWindow::closingDuringASearchStopsItFirst() {
    auto* w = new TMainWindow;
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    Field(w, "EM_INSEE")->setText(QStringLiteral("185057800"));
    bool stillOpenDuring = false;
    ClickCalculeAndDuringSearch(w, [&] {
        w->close();
        stillOpenDuring = w->isVisible();
    });
    QVERIFY(stillOpenDuring);
    QVERIFY(!w->isVisible());
    QVERIFY(List(w, "LB_insee")->model()->rowCount() < 10000);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    delete w;
}

void TestMainWindow::escapeDoesNotClose() {
    ShownWindow s;
    QTest::keyClick(Field(&s.window, "EM_INSEE"), Qt::Key_Escape);
    QVERIFY(s.window.isVisible());
}

void TestMainWindow::helpShowsTheFrenchHelpPage() {
    ShownWindow s;
    Button(&s.window, "Btnhelp")->click();
    auto* help = s.window.findChild<QWidget*>(QStringLiteral("HelpWindow"));
    QVERIFY(help);
    QVERIFY(help->isVisible());
    auto* browser = help->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("caractères inconnus")));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Stop")));
    // A second click brings the same window back.
    help->hide();
    Button(&s.window, "Btnhelp")->click();
    QCOMPARE(s.window.findChildren<QTextBrowser*>().size(), 1);
    QVERIFY(help->isVisible());
}

void TestMainWindow::everyControlHasItsName() {
    TMainWindow w;
    const auto check = [&w](const char* kind, const QStringList& names, auto isRightKind) {
        for (const QString& name : names) {
            QWidget* control = w.findChild<QWidget*>(name);
            QVERIFY2(control, qPrintable(QStringLiteral("no %1 named %2").arg(QLatin1String(kind), name)));
            QVERIFY2(isRightKind(control), qPrintable(QStringLiteral("%1 is not a %2").arg(name, QLatin1String(kind))));
        }
    };
    const auto is = [](auto* typed) { return typed != nullptr; };
    check("number field",
          QString("EM_INSEE em_rib Edit_Iban_country em_iban_cle em_iban Em_prof Em_avs em_isbn em_cb EM_siren em_siret "
                  "em_ean em_sin Vin1 Vin2 Vin3 VIn4 Vin5 Vin6 VIn7 Vin8 Fcip1 Fcip2").split(' '),
          [&](QWidget* c) { return is(qobject_cast<QLineEdit*>(c)); });
    check("list",
          QString("LB_insee LB_rib Lb_iban LB_iban1 LB_prof LB_avs LB_isbn lB_CB lb_siren LB_siret LB_ean Lb_sin LB_vin LB_cip")
              .split(' '),
          [&](QWidget* c) { return is(qobject_cast<QAbstractItemView*>(c)); });
    check("label",
          QString("LabelINSEE MSG_insee Linsee1 Linsee2 LInsee3 Linsee4 Linsee5 Linsee6 Linsee7 Label_RIB Lrib1 Lrib2 Lrib3 "
                  "LRib4 Label2 Lab_iban1 Lab_iban2 Lab_iban3 Lprof lprof1 lprof2 Lprof3 lprof4 Label_avs Lavs1 Lavs2 Lavs3 "
                  "Lavs4 LISBN Label4 LSIREN Lsiret LSIRET1 LSIRET2 Lsiret3 Lean1 Lean2 LSIN Label1 Lvin1 LVIn2 LVin3 LVin4 "
                  "LVin5 LVIn6 LVIn7 LVin8 Label3")
              .split(' '),
          [&](QWidget* c) { return is(qobject_cast<QLabel*>(c)); });
    check("arrow",
          QString("Finsee1 Finsee2 Finsee3 Finsee4 Finsee5 Finsee6 Finsee7 FRib1 frib2 frib3 frib4 Arrow_iban1 Arrow_iban2 "
                  "Arrow_iban3 fprof1 fprof2 fprof3 fprof4 Favs1 favs2 JFavs3 favs4 FSIRET1 FSIRET2 Fsiret3 Fvin1 Fvin2 "
                  "Fvin3 Fvin4 Fvin5 FVin6 FVin7 FVin8")
              .split(' '),
          [&](QWidget* c) { return is(qobject_cast<TArrow*>(c)); });
    check("button", QString("BitBtn2 Btncalc Btnclear BitBtn1 Btnhelp ABtn_iban").split(' '),
          [&](QWidget* c) { return is(qobject_cast<QAbstractButton*>(c)); });
    check("combo box", {QStringLiteral("Cb_ean")}, [&](QWidget* c) { return is(qobject_cast<QComboBox*>(c)); });
    check("other", QString("PageControl1 StatusBar1").split(' '), [](QWidget*) { return true; });
    // What the labels say, to the letter.
    const QList<QPair<const char*, QString>> captions = {
        {"Linsee4", "Département"}, {"LRib4", "Clé "}, {"Lab_iban3", "Numéro de compte BBAN"},
        {"lprof4", "Catégorie"}, {"lprof2", "Clé"}, {"Lavs3", "Sexe, jour et mois de naissance"},
        {"LSIRET2", "Numéro d'établissement"}, {"LVin8", "Usine d'assemblage"}, {"LVIn7", "Numéro de série"},
        {"Label3", "Numero :"}, {"Lsiret", "Siret"}, {"Lean1", "Type :"}};
    for (const auto& [name, caption] : captions) QCOMPARE(Find<QLabel>(&w, name)->text(), caption);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
