// The RIB/RIP and IBAN pages end to end: their fields, searches, lists, the
// country list and its drop arrow, "Effacer" and "Stop".
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>

#include "Arrow.h"
#include "ArrowButton.h"
#include "KeyPage.h"
#include "WindowTest.h"

namespace {

constexpr int kRibPage = 1;
constexpr int kIbanPage = 2;
constexpr int kFrance = 71;  // row "FR (FRANCE)" of the country list

void ClickRow(QAbstractItemView* list, int row) {
    list->scrollTo(list->model()->index(row, 0));
    const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
    QVERIFY(list->viewport()->rect().contains(at));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
}

int SelectedRow(QAbstractItemView* list) {
    const QModelIndexList selected = list->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

// The IBAN page with its three fields filled.
struct IbanPage : ShownWindow {
    QLineEdit* country = Field(&window, "Edit_Iban_country");
    QLineEdit* key = Field(&window, "em_iban_cle");
    QLineEdit* bban = Field(&window, "em_iban");
    QAbstractItemView* countries = List(&window, "LB_iban1");
    QAbstractItemView* candidates = List(&window, "Lb_iban");
    TArrowButton* drop = Find<TArrowButton>(&window, "ABtn_iban");

    IbanPage() { Page(kIbanPage); }
    void Fill(const QString& code, const QString& keyText, const QString& bbanText) {
        country->setText(code);
        key->setText(keyText);
        bban->setText(bbanText);
    }
    // Whether every arrow and label is shown (or, with `shown` false, hidden).
    bool Guides(bool shown = true) {
        for (const char* name : {"Arrow_iban1", "Lab_iban1", "Arrow_iban2", "Lab_iban2", "Arrow_iban3", "Lab_iban3"})
            if (Find(&window, name)->isVisible() != shown) return false;
        return true;
    }
};

}  // namespace

class TestBankPages : public QObject {
    Q_OBJECT
private slots:
    void controlsAndTexts();
    void ribCalcule_data();
    void ribCalcule();
    void ribListClickAndDoubleClick();
    void ribClear();
    void ibanLeavingAFieldFormatsOnlyTheBban();
    void ibanCalcule_data();
    void ibanCalcule();
    void ibanKeyPattern_data();
    void ibanKeyPattern();
    void ibanCountryReadDuringTheSearch();
    void ibanTypingErrors_data();
    void ibanTypingErrors();
    void countryListOpensOnTheCountry_data();
    void countryListOpensOnTheCountry();
    void countryListKeyboard();
    void countryListMouse();
    void countryListClosing_data();
    void countryListClosing();
    void plainClickOnTheDropButton();
    void arrowButtonParts();
    void ibanCandidateClickAndDoubleClick();
    void ibanClear();
    void largestListScrollsAndMoves();
    void countryListScrollsSideways();
    void stopEndsTheLargestSearches_data();
    void stopEndsTheLargestSearches();
};

void TestBankPages::controlsAndTexts() {
    ShownWindow s;
    const struct {
        const char* name;
        const char* text;
    } labels[] = {
        {"Label_RIB", "RIB/RIP :"}, {"Lrib1", "Etablissement"}, {"Lrib2", "Guichet"}, {"Lrib3", "Compte"}, {"LRib4", "Clé "},
        {"Label2", "IBAN :"}, {"Lab_iban1", "Code pays"}, {"Lab_iban2", "Clé de contrôle"}, {"Lab_iban3", "Numéro de compte BBAN"},
    };
    for (const auto& l : labels) QCOMPARE(Find<QLabel>(&s.window, l.name)->text(), QString::fromUtf8(l.text));
    for (const char* arrow : {"FRib1", "frib2", "frib3", "frib4", "Arrow_iban1", "Arrow_iban2", "Arrow_iban3"})
        QVERIFY(Find(&s.window, arrow)->isVisibleTo(Find(&s.window, arrow)->parentWidget()));
    QCOMPARE(Field(&s.window, "Edit_Iban_country")->text(), QStringLiteral("FR"));
    QVERIFY(!List(&s.window, "LB_iban1")->isVisibleTo(&s.window));
    QCOMPARE(List(&s.window, "LB_iban1")->model()->rowCount(), 239);
    QCOMPARE(List(&s.window, "LB_iban1")->model()->index(kFrance, 0).data().toString(), QStringLiteral("FR (FRANCE)\t"));
    QCOMPARE(List(&s.window, "LB_iban1")->model()->index(1, 0).data().toString(), QStringLiteral("AE (ÉMIRATS ARABES UNIS)\t"));

    // Every control stays inside its page, and each arrow starts under its part of the number.
    for (int page : {kRibPage, kIbanPage}) {
        QWidget* p = s.window.Page(page);
        for (QWidget* w : p->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(QRect(QPoint(0, 0), p->size()).contains(w->geometry()), qPrintable(w->objectName()));
    }
    // Each arrow starts under its part of the number as shown, and points at its label.
    Field(&s.window, "em_rib")->setText(QStringLiteral("30006 00001 12345678901 89"));
    Field(&s.window, "em_iban_cle")->setText(QStringLiteral("76"));
    Field(&s.window, "em_iban")->setText(QStringLiteral("3000 6000 0112 3456 7890 189 "));
    const struct {
        const char* arrow;
        const char* label;
        const char* field;
        int first, last;  // characters of the part in the field
    } parts[] = {
        {"FRib1", "Lrib1", "em_rib", 0, 4},
        {"frib2", "Lrib2", "em_rib", 6, 10},
        {"frib3", "Lrib3", "em_rib", 12, 22},
        {"frib4", "LRib4", "em_rib", 24, 25},
        {"Arrow_iban1", "Lab_iban1", "Edit_Iban_country", 0, 1},
        {"Arrow_iban2", "Lab_iban2", "em_iban_cle", 0, 1},
        {"Arrow_iban3", "Lab_iban3", "em_iban", 0, 3},
    };
    for (const auto& part : parts) {
        QLineEdit* field = Field(&s.window, part.field);
        const auto edgeOf = [&](int column) {
            field->setCursorPosition(column);
            return field->mapTo(field->parentWidget(), field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center()).x();
        };
        auto* arrow = Find<TArrow>(&s.window, part.arrow);
        const QRect label = Find<QLabel>(&s.window, part.label)->geometry();
        QVERIFY2(arrow->Start().x() > edgeOf(part.first) && arrow->Start().x() < edgeOf(part.last + 1), part.arrow);
        QVERIFY2(arrow->Start().y() > field->geometry().bottom(), part.arrow);
        QVERIFY2(arrow->End().y() >= label.top() && arrow->End().y() <= label.bottom(), part.arrow);
        QVERIFY2(std::abs(arrow->End().x() - (arrow->BendsLeft() ? label.right() : label.left())) <= 4, part.arrow);
    }
    // No two labels overlap.
    for (int page : {kRibPage, kIbanPage}) {
        const QList<QLabel*> labels = s.window.Page(page)->findChildren<QLabel*>();
        for (int i = 0; i < labels.size(); ++i)
            for (int j = i + 1; j < labels.size(); ++j)
                QVERIFY2(!labels[i]->geometry().intersects(labels[j]->geometry()),
                         qPrintable(labels[i]->objectName() + QLatin1Char(' ') + labels[j]->objectName()));
    }
}

void TestBankPages::ribCalcule_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");  // the field afterwards
    QTest::addColumn<int>("rows");       // -1: no list
    QTest::addColumn<QStringList>("someRows");
    QTest::newRow("wrong key replaced") << "30006 00001 12345678901 00" << "30006 00001 12345678901 89" << -1 << QStringList();
    QTest::newRow("key left out") << "30006 00001 12345678901" << "30006 00001 12345678901 89" << -1 << QStringList();
    QTest::newRow("twenty-one zeros") << "000000000000000000000" << "00000 00000 00000000000 97" << -1 << QStringList();
    QTest::newRow("account letter")
        << "30006 00001 1234567890? 89" << "30006 00001 1234567890? 89" << 3
        << QStringList{"30006 00001 12345678901 89", "30006 00001 1234567890A 89", "30006 00001 1234567890J 89"};
    QTest::newRow("letters Z")
        << "30002 00550 0000157845? 02" << "30002 00550 0000157845? 02" << 4
        << QStringList{"30002 00550 00001578459 02", "30002 00550 0000157845I 02", "30002 00550 0000157845R 02",
                       "30002 00550 0000157845Z 02"};
    QTest::newRow("bank digit, known key") << "3000? 00001 12345678901 89" << "3000? 00001 12345678901 89" << 1
                                           << QStringList{"30006 00001 12345678901 89"};
    QTest::newRow("bank digit, digits only") << "3000? 00001 12345678901" << "3000? 00001 12345678901" << 10
                                             << QStringList{"30000 00001 12345678901 41", "30009 00001 12345678901 16"};
    QTest::newRow("bank and branch") << "300?? ?0001 12345678901" << "300?? ?0001 12345678901" << 1000 << QStringList();
    QTest::newRow("five unknowns") << "3000? 0000? 12345678??? 12" << "3000? 0000? 12345678??? 12" << -1 << QStringList();
    QTest::newRow("beyond 23 characters") << "30006000011234567890189777" << "30006 00001 12345678901 89" << -1 << QStringList();
    QTest::newRow("empty") << "" << "" << -1 << QStringList();
}

void TestBankPages::ribCalcule() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, rows);
    QFETCH(QStringList, someRows);
    ShownWindow s;
    s.Page(kRibPage);
    QLineEdit* field = Field(&s.window, "em_rib");
    Type(field, typed);
    ClickCalcule(&s.window);
    QCOMPARE(field->text(), shown);
    QAbstractItemView* list = List(&s.window, "LB_rib");
    QCOMPARE(list->isVisible(), rows >= 0);
    for (const char* guide : {"FRib1", "Lrib1", "frib2", "Lrib2", "frib3", "Lrib3", "frib4", "LRib4"})
        QCOMPARE(Find(&s.window, guide)->isVisible(), rows < 0);
    if (rows < 0) return;
    const QStringList listed = Rows(list);
    QCOMPARE(listed.size(), rows);
    if (someRows.size() == rows) QCOMPARE(listed, someRows);
    else if (!someRows.isEmpty()) {
        QCOMPARE(listed.first(), someRows.first());
        QCOMPARE(listed.last(), someRows.last());
    }
}

void TestBankPages::ribListClickAndDoubleClick() {
    ShownWindow s;
    s.Page(kRibPage);
    QLineEdit* field = Field(&s.window, "em_rib");
    Type(field, "30006 00001 1234567890? ");
    ClickCalcule(&s.window);
    QAbstractItemView* list = List(&s.window, "LB_rib");
    QCOMPARE(list->model()->rowCount(), 36);
    ClickRow(list, 10);  // the first letter
    QCOMPARE(field->text(), QStringLiteral("30006 00001 1234567890A 89"));
    QVERIFY(list->isVisible());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QVERIFY(field->text().startsWith(QStringLiteral("30006 00001 1234567890B ")));
    // A double click: the key of the row (computed again), the list gone, the arrows back.
    const QString last = Rows(list).last();
    QVERIFY(last.startsWith(QStringLiteral("30006 00001 1234567890Z ")));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(35, 0)).center());
    QCOMPARE(field->text(), last);
    QVERIFY(!list->isVisible());
    QVERIFY(Find(&s.window, "frib3")->isVisible());
}

void TestBankPages::ribClear() {
    ShownWindow s;
    s.Page(kRibPage);
    QLineEdit* field = Field(&s.window, "em_rib");
    Type(field, "3000? 00001 12345678901");
    ClickCalcule(&s.window);
    QVERIFY(List(&s.window, "LB_rib")->isVisible());
    Button(&s.window, "Btnclear")->click();
    QVERIFY(!List(&s.window, "LB_rib")->isVisible());
    for (const char* guide : {"FRib1", "Lrib1", "frib4", "LRib4"}) QVERIFY(Find(&s.window, guide)->isVisible());
    QVERIFY(field->text().isEmpty());
    QVERIFY(field->hasFocus());
    QCOMPARE(field->cursorPosition(), 0);
}

void TestBankPages::ibanLeavingAFieldFormatsOnlyTheBban() {
    IbanPage p;
    p.Fill(QStringLiteral("F-R "), QString(), QString());
    Type(p.bban, "3000-6000*0112.3456 7890 189");
    Type(p.key, "7?");
    // Separators go, "*" is an unknown character.
    QCOMPARE(p.bban->text(), QStringLiteral("3000 6000 ?011 2345 6789 0189 "));
    QCOMPARE(p.key->text(), QStringLiteral("7?"));
    // Leaving the key field lays the BBAN out too; the country code is never touched.
    p.bban->setText(QStringLiteral("30006000011234567890189"));
    p.country->setFocus();
    QCOMPARE(p.bban->text(), QStringLiteral("3000 6000 0112 3456 7890 189 "));
    p.key->setFocus();
    QCOMPARE(p.country->text(), QStringLiteral("F-R "));
    // At most two key characters and thirty BBAN characters are typed.
    Type(p.key, "765");
    QCOMPARE(p.key->text(), QStringLiteral("76"));
    Type(p.bban, QString(35, QLatin1Char('1')));
    QCOMPARE(p.bban->text(), QString(30, QLatin1Char('1')));
}

void TestBankPages::ibanCalcule_data() {
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("bban");
    QTest::addColumn<QString>("keyAfter");
    QTest::addColumn<QString>("bbanAfter");
    QTest::addColumn<int>("rows");  // -1: no list
    QTest::newRow("FR, key replaced") << "FR" << "7?" << "30006000011234567890189" << "76" << "3000 6000 0112 3456 7890 189 " << -1;
    QTest::newRow("DE") << "DE" << "" << "370400440532013000" << "89" << "3704 0044 0532 0130 00 " << -1;
    QTest::newRow("GB, letters") << "GB" << "00" << "NWBK60161331926819" << "29" << "NWBK 6016 1331 9268 19 " << -1;
    QTest::newRow("one unknown, key given") << "FR" << "76" << "3000600001123456789018?" << "76"
                                            << "3000 6000 0112 3456 7890 18? " << 1;
    // The RIB key inside a French BBAN lets one digit through.
    QTest::newRow("one unknown, no key") << "FR" << "" << "3000600001123456789018?" << "" << "3000 6000 0112 3456 7890 18? " << 1;
    QTest::newRow("unregistered, one unknown") << "ZZ" << "" << "3000600001123456789018?" << "" << "3000 6000 0112 3456 7890 18? " << 36;
    // No completion of the length France registers: the list shows empty.
    QTest::newRow("empty BBAN") << "FR" << "" << "" << "" << "" << 0;
    QTest::newRow("unregistered, empty BBAN") << "ZZ" << "" << "" << "" << "" << 1296;
    QTest::newRow("empty BBAN, key 76") << "ZZ" << "76" << "" << "76" << "" << 14;
    QTest::newRow("stars") << "ZZ" << "76" << "3000*6000*0112*3456 7890 189" << "76" << "3000 ?600 0?01 12?3 4567 8901 89 " << 488;
    QTest::newRow("stars, French length wrong") << "FR" << "76" << "3000*6000*0112*3456 7890 189" << "76" << "3000 ?600 0?01 12?3 4567 8901 89 " << 0;
    QTest::newRow("separators") << "FR" << "" << "3000-6000.0112_3456/7890 189" << "76" << "3000 6000 0112 3456 7890 189 " << -1;
    QTest::newRow("five unknowns") << "FR" << "12" << "3000?????" << "12" << "3000 ???? ? " << -1;
    QTest::newRow("country not listed") << "QQ" << "" << "12" << "44" << "12 " << -1;
}

void TestBankPages::ibanCalcule() {
    QFETCH(QString, country);
    QFETCH(QString, key);
    QFETCH(QString, bban);
    QFETCH(QString, keyAfter);
    QFETCH(QString, bbanAfter);
    QFETCH(int, rows);
    IbanPage p;
    p.Fill(country, key, bban);
    ClickCalcule(&p.window);
    QCOMPARE(p.key->text(), keyAfter);
    QCOMPARE(p.bban->text(), bbanAfter);
    QCOMPARE(p.country->text(), country);
    QCOMPARE(p.candidates->isVisible(), rows >= 0);
    QVERIFY(rows >= 0 ? p.Guides(false) : p.Guides());
    if (rows < 0) return;
    QCOMPARE(p.candidates->model()->rowCount(), rows);
    if (rows == 1) QCOMPARE(Rows(p.candidates).first(), QStringLiteral("FR 76 3000 6000 0112 3456 7890 189 "));
    if (rows == 0)
        QVERIFY(Find<QStatusBar>(&p.window, "StatusBar1")->currentMessage().startsWith(QStringLiteral("Aucun candidat. Longueur : ")));
    if (rows == 36) {
        const QStringList listed = Rows(p.candidates);
        QVERIFY(listed.first().endsWith(QStringLiteral(" 180 ")));
        QVERIFY(listed[10].endsWith(QStringLiteral(" 18A ")));
        QVERIFY(listed.last().endsWith(QStringLiteral(" 18Z ")));
    }
    // A second "Calcule" that completes the number hides the list and shows the guides again.
    p.Fill(country, QString(), QStringLiteral("30006000011234567890189"));
    ClickCalcule(&p.window);
    QVERIFY(!p.candidates->isVisible());
    QVERIFY(p.Guides());
}

void TestBankPages::ibanKeyPattern_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("sameAs");
    QTest::newRow("blank then 7") << " 7" << "7?";
    QTest::newRow("7 then blank") << "7 " << "7?";
    QTest::newRow("7 alone") << "7" << "7?";
    QTest::newRow("blanks") << "  " << "??";
    QTest::newRow("unknown first") << "?6" << "?6";
}

void TestBankPages::ibanKeyPattern() {
    QFETCH(QString, key);
    QFETCH(QString, sameAs);
    IbanPage p;
    const auto rowsFor = [&](const QString& keyText) {
        p.Fill(QStringLiteral("CY"), keyText, QStringLiteral("0020012800000012005276??"));
        ClickCalcule(&p.window);
        return Rows(p.candidates);
    };
    const QStringList expected = rowsFor(sameAs);
    const QStringList listed = rowsFor(key);
    QVERIFY(!listed.isEmpty());
    QCOMPARE(listed, expected);
    for (const QString& row : listed) {
        if (sameAs[0] != QLatin1Char('?')) QCOMPARE(row[3], sameAs[0]);
        if (sameAs[1] != QLatin1Char('?')) QCOMPARE(row[4], sameAs[1]);
    }
    QCOMPARE(p.key->text(), key);  // the key field keeps what was typed
}

void TestBankPages::ibanCountryReadDuringTheSearch() {
    // The country code is read for every candidate: a change made while the
    // search runs applies to the candidates tried after it. A Cypriot BBAN
    // is an Albanian one too.
    IbanPage p;
    p.Fill(QStringLiteral("CY"), QString(), QStringLiteral("00200128000000120052????"));
    QTimer watch;
    watch.setInterval(0);
    connect(&watch, &QTimer::timeout, this, [&] {
        if (p.candidates->model()->rowCount() >= 100000) p.country->setText(QStringLiteral("AL"));
    });
    watch.start();
    QTest::qWait(12);
    ClickCalcule(&p.window);
    watch.stop();
    const QAbstractItemModel* rows = p.candidates->model();
    QCOMPARE(rows->rowCount(), 36 * 36 * 36 * 36);
    QVERIFY(rows->index(0, 0).data().toString().startsWith(QStringLiteral("CY ")));
    QVERIFY(rows->index(99999, 0).data().toString().startsWith(QStringLiteral("CY ")));
    const QString last = rows->index(rows->rowCount() - 1, 0).data().toString();
    QVERIFY2(last.startsWith(QStringLiteral("AL ")), qPrintable(last));
    p.Fill(QStringLiteral("AL"), QString(), last.mid(6));
    ClickCalcule(&p.window);
    QCOMPARE(p.key->text(), last.mid(3, 2));  // the key listed is the Albanian one
}

// F3 lists only numbers the verdict calls right: no letter in a bank code, no
// RIB or CIN key that fails (the command line's corrections, tests/cli).
void TestBankPages::ibanTypingErrors_data() {
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("bban");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("RIB key swapped") << "FR" << "76" << "30006000011234567890198"
                                     << QStringList{"FR 76 3000 6000 0112 3456 7890 189 "};
    QTest::newRow("IT, two digits swapped") << "IT" << "60" << "X0542811101000000123465"
                                            << QStringList{"IT 60 X054 2811 1010 0000 0113 465 ", "IT 60 X054 2811 1010 0000 0123 456 "};
}

void TestBankPages::ibanTypingErrors() {
    QFETCH(QString, country);
    QFETCH(QString, key);
    QFETCH(QString, bban);
    QFETCH(QStringList, rows);
    IbanPage p;
    p.Fill(country, key, bban);
    p.bban->setFocus();
    QTest::keyClick(p.bban, Qt::Key_F3);
    QCOMPARE(Rows(p.candidates), rows);
}

void TestBankPages::countryListOpensOnTheCountry_data() {
    QTest::addColumn<QString>("country");
    QTest::addColumn<int>("selected");
    QTest::newRow("FR") << "FR" << kFrance;
    QTest::newRow("first row") << "AD" << 0;
    QTest::newRow("last row") << "ZW" << 238;
    QTest::newRow("small letters and blanks") << " fr " << kFrance;
    QTest::newRow("longer text") << "ZWE" << 238;
    QTest::newRow("empty") << "" << 1;
    QTest::newRow("one letter") << "F" << 1;
    QTest::newRow("not listed") << "QQ" << 1;
}

void TestBankPages::countryListOpensOnTheCountry() {
    QFETCH(QString, country);
    QFETCH(int, selected);
    IbanPage p;
    p.country->setText(country);
    p.country->setFocus();
    QTest::keyClick(p.country, Qt::Key_Down);
    QVERIFY(p.countries->isVisible());
    QVERIFY(p.countries->hasFocus());
    QCOMPARE(SelectedRow(p.countries), selected);
    QVERIFY(p.countries->viewport()->rect().intersects(p.countries->visualRect(p.countries->model()->index(selected, 0))));
    QCOMPARE(p.country->text(), country.toUpper());  // opening the list chooses nothing
    QVERIFY(p.Guides());              // the list lies over them
    QVERIFY(p.countries->geometry().intersects(Find(&p.window, "Lab_iban3")->geometry()));
}

void TestBankPages::countryListKeyboard() {
    IbanPage p;
    p.country->setFocus();
    QTest::keyClick(p.country, Qt::Key_Down);
    QTest::keyClick(p.countries, Qt::Key_Down);
    QCOMPARE(p.country->text(), QStringLiteral("GA"));
    QTest::keyClick(p.countries, Qt::Key_Up);
    QTest::keyClick(p.countries, Qt::Key_Up);
    QCOMPARE(p.country->text(), QStringLiteral("FO"));
    QTest::keyClick(p.countries, Qt::Key_Home);
    QCOMPARE(p.country->text(), QStringLiteral("AD"));
    // Enter closes the list and does not run "Calcule" (which would list 1 296 rows).
    QTest::keyClick(p.countries, Qt::Key_Return);
    QVERIFY(!p.countries->isVisible());
    QVERIFY(!p.candidates->isVisible());
    QVERIFY(p.bban->hasFocus());
    QCOMPARE(p.country->text(), QStringLiteral("AD"));
    // The Down key in the country field opens it again on AD, and the keypad's Enter closes it too.
    p.country->setFocus();
    QTest::keyClick(p.country, Qt::Key_Down);
    QCOMPARE(SelectedRow(p.countries), 0);
    QTest::keyClick(p.countries, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(!p.countries->isVisible());
    QVERIFY(!p.candidates->isVisible());
    // Elsewhere Enter still runs "Calcule".
    QTest::keyClick(p.bban, Qt::Key_Return);
    QVERIFY(p.candidates->isVisible());
}

void TestBankPages::countryListMouse() {
    IbanPage p;
    QTest::mousePress(p.drop, Qt::LeftButton);
    QVERIFY(p.countries->isVisible());
    QVERIFY(p.countries->hasFocus());
    QTest::mouseRelease(p.drop, Qt::LeftButton);
    QVERIFY(p.countries->isVisible());  // the release is no click
    QCOMPARE(SelectedRow(p.countries), kFrance);
    // One press on a row chooses it and closes the list.
    const QModelIndex fo = p.countries->model()->index(kFrance - 1, 0);
    const QPoint at = p.countries->visualRect(fo).center();
    QVERIFY(p.countries->viewport()->rect().contains(at));
    QTest::mousePress(p.countries->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(!p.countries->isVisible());
    QCOMPARE(p.country->text(), QStringLiteral("FO"));
    QVERIFY(p.bban->hasFocus());
    QTest::mouseRelease(p.countries->viewport(), Qt::LeftButton, {}, at);
    // The first row gives AD.
    QTest::mousePress(p.drop, Qt::LeftButton);
    QTest::mouseRelease(p.drop, Qt::LeftButton);
    p.countries->scrollToTop();
    QTest::mouseClick(p.countries->viewport(), Qt::LeftButton, {},
                      p.countries->visualRect(p.countries->model()->index(0, 0)).center());
    QCOMPARE(p.country->text(), QStringLiteral("AD"));
    QVERIFY(!p.countries->isVisible());
}

void TestBankPages::countryListClosing_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("drop arrow again") << 0;
    QTest::newRow("Down in the country field") << 1;
    QTest::newRow("click in the BBAN") << 2;
    QTest::newRow("click in the key") << 3;
    QTest::newRow("click in the country field") << 4;
    QTest::newRow("double click") << 5;
    QTest::newRow("focus lost") << 6;
    QTest::newRow("Effacer") << 7;
}

void TestBankPages::countryListClosing() {
    QFETCH(int, how);
    IbanPage p;
    p.country->setFocus();
    QTest::keyClick(p.country, Qt::Key_Down);
    QVERIFY(p.countries->isVisible());
    switch (how) {
    case 0:
        QTest::mousePress(p.drop, Qt::LeftButton);
        QTest::mouseRelease(p.drop, Qt::LeftButton);
        QVERIFY(p.bban->hasFocus());
        break;
    case 1:
        // The list hides when the field takes the focus back; Down there opens it again.
        p.country->setFocus();
        QVERIFY(!p.countries->isVisible());
        QTest::keyClick(p.country, Qt::Key_Down);
        QVERIFY(p.countries->isVisible());
        p.country->setFocus();
        break;
    case 2: QTest::mouseClick(p.bban, Qt::LeftButton); break;
    case 3: QTest::mouseClick(p.key, Qt::LeftButton); break;
    case 4: QTest::mouseClick(p.country, Qt::LeftButton); break;
    case 5: QTest::mouseDClick(p.countries->viewport(), Qt::LeftButton, {}, QPoint(20, 5)); break;
    case 6: Button(&p.window, "Btnclear")->setFocus(); break;
    case 7: Button(&p.window, "Btnclear")->click(); break;
    }
    QVERIFY(!p.countries->isVisible());
    QVERIFY(!p.candidates->isVisible());
    QVERIFY(p.Guides());
}

void TestBankPages::plainClickOnTheDropButton() {
    IbanPage p;
    QSignalSpy drops(p.drop, &TArrowButton::drop);
    p.drop->click();
    QVERIFY(p.countries->isVisible());
    QVERIFY(p.countries->hasFocus());
    QCOMPARE(SelectedRow(p.countries), -1);  // no row chosen
    QCOMPARE(p.country->text(), QStringLiteral("FR"));
    QTest::keyClick(p.countries, Qt::Key_Down);  // the selection starts from the top
    QCOMPARE(p.country->text(), QStringLiteral("AD"));
    p.drop->click();
    QVERIFY(!p.countries->isVisible());
    QVERIFY(p.bban->hasFocus());
    // Space on the focused button is a plain click too.
    p.drop->setFocus();
    QVERIFY(p.drop->hasFocus());
    QTest::keyClick(p.drop, Qt::Key_Space);
    QVERIFY(p.countries->isVisible());
    QCOMPARE(SelectedRow(p.countries), -1);
    QCOMPARE(drops.count(), 0);
}

void TestBankPages::arrowButtonParts() {
    // A wider button: its face clicks, its arrow part drops on the press.
    TArrowButton button(QStringLiteral("b"));
    button.resize(60, 24);
    button.SetArrowWidth(16);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QSignalSpy drops(&button, &TArrowButton::drop);
    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(52, 12));
    QCOMPARE(drops.count(), 1);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(52, 12));
    QCOMPARE(clicks.count(), 0);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 12));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(drops.count(), 1);
    // Without an arrow width the whole button is the arrow.
    button.SetArrowWidth(0);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 12));
    QCOMPARE(drops.count(), 2);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(button.focusPolicy() == Qt::TabFocus);
}

void TestBankPages::ibanCandidateClickAndDoubleClick() {
    IbanPage p;
    // Thirty BBAN characters, which no registered country has: the display
    // form, 38 characters, is written whole.
    const QString bban = QStringLiteral("30006000011234567890123456789?");
    p.Fill(QStringLiteral("ZZ"), QString(), bban);
    ClickCalcule(&p.window);
    QCOMPARE(p.candidates->model()->rowCount(), 36);
    const QString row = Rows(p.candidates)[12];
    QVERIFY(row.startsWith(QStringLiteral("ZZ ")));
    ClickRow(p.candidates, 12);
    QCOMPARE(p.key->text(), row.mid(3, 2));
    QCOMPARE(p.bban->text(), QStringLiteral("3000 6000 0112 3456 7890 1234 5678 9C "));
    QCOMPARE(p.bban->text().size(), 38);
    QCOMPARE(p.country->text(), QStringLiteral("ZZ"));
    QVERIFY(p.candidates->isVisible());
    // The keys move with the selection.
    p.candidates->setFocus();
    QTest::keyClick(p.candidates, Qt::Key_Down);
    QCOMPARE(p.key->text(), Rows(p.candidates)[13].mid(3, 2));
    QVERIFY(p.bban->text().endsWith(QStringLiteral("9D ")));
    // A double click computes the key again, here under another country.
    const QString listedKey = Rows(p.candidates)[13].mid(3, 2);
    p.country->setText(QStringLiteral("DE"));
    QTest::mouseDClick(p.candidates->viewport(), Qt::LeftButton, {},
                       p.candidates->visualRect(p.candidates->model()->index(13, 0)).center());
    QVERIFY(!p.candidates->isVisible());
    QVERIFY(p.Guides());
    QCOMPARE(p.bban->text(), QStringLiteral("3000 6000 0112 3456 7890 1234 5678 9D "));
    const QString germanKey = p.key->text();
    QVERIFY(germanKey != listedKey);
    p.Fill(QStringLiteral("DE"), QStringLiteral("??"), QStringLiteral("30006000011234567890123456789D"));
    ClickCalcule(&p.window);
    QCOMPARE(p.key->text(), germanKey);
}

void TestBankPages::ibanClear() {
    IbanPage p;
    p.Fill(QStringLiteral("DE"), QStringLiteral("?"), QStringLiteral("370400440532013?"));
    ClickCalcule(&p.window);
    QVERIFY(p.candidates->isVisible());
    p.drop->click();
    QVERIFY(p.countries->isVisible());
    Button(&p.window, "Btnclear")->click();
    QVERIFY(!p.candidates->isVisible());
    QVERIFY(!p.countries->isVisible());
    QVERIFY(p.Guides());
    QVERIFY(p.key->text().isEmpty());
    QVERIFY(p.bban->text().isEmpty());
    QCOMPARE(p.country->text(), QStringLiteral("DE"));
    QVERIFY(p.bban->hasFocus());
    QCOMPARE(p.bban->cursorPosition(), 0);
}

void TestBankPages::largestListScrollsAndMoves() {
    ShownWindow s;
    s.Page(kRibPage);
    QLineEdit* field = Field(&s.window, "em_rib");
    Type(field, "30006 00001 1234567????");
    ClickCalcule(&s.window);
    QAbstractItemView* list = List(&s.window, "LB_rib");
    const int rows = list->model()->rowCount();
    QCOMPARE(rows, 36 * 36 * 36 * 36);
    const auto rowText = [&](int row) { return list->model()->index(row, 0).data().toString(); };
    QVERIFY(rowText(rows - 1).startsWith(QStringLiteral("30006 00001 1234567ZZZZ ")));
    const auto inView = [&](int row) {
        const QRect r = list->visualRect(list->model()->index(row, 0));
        return r.top() >= 0 && r.bottom() < list->viewport()->height();
    };
    // The end of the list at once, and a click there.
    list->scrollToBottom();
    QVERIFY(inView(rows - 1));
    QVERIFY(!inView(0));
    const QPoint last = list->visualRect(list->model()->index(rows - 1, 0)).center();
    QCOMPARE(list->indexAt(last).row(), rows - 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, last);
    QCOMPARE(field->text(), rowText(rows - 1));
    QVERIFY(!list->indexAt(QPoint(last.x(), list->viewport()->height() - 1)).isValid() ||
            list->indexAt(QPoint(last.x(), list->viewport()->height() - 1)).row() == rows - 1);
    // The keys move through the whole list, keeping the selected row in view.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    QCOMPARE(SelectedRow(list), 0);
    QVERIFY(inView(0));
    QCOMPARE(field->text(), rowText(0));
    QTest::keyClick(list, Qt::Key_PageDown);
    const int page = SelectedRow(list);
    QVERIFY(page > 1);
    QVERIFY(inView(page));
    QTest::keyClick(list, Qt::Key_PageDown);
    QCOMPARE(SelectedRow(list), 2 * page);
    QVERIFY(inView(2 * page));
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(SelectedRow(list), 2 * page - 1);
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(SelectedRow(list), rows - 1);
    QVERIFY(inView(rows - 1));
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(SelectedRow(list), rows - 1);
    QCOMPARE(field->text(), rowText(rows - 1));
    // What is painted is the rows in view, the selected one highlighted.
    const QImage shown = list->viewport()->grab().toImage();
    const auto highlighted = [&](int row) {
        const QColor c = shown.pixelColor(2, list->visualRect(list->model()->index(row, 0)).center().y());
        const QColor h = list->palette().color(QPalette::Highlight);
        return std::abs(c.red() - h.red()) + std::abs(c.green() - h.green()) + std::abs(c.blue() - h.blue()) < 16;
    };
    QVERIFY(highlighted(rows - 1));
    QVERIFY(!highlighted(rows - 2));
}

void TestBankPages::countryListScrollsSideways() {
    IbanPage p;
    p.drop->click();
    QScrollBar* bar = p.countries->horizontalScrollBar();
    QVERIFY(bar->maximum() > 0);  // the longest names are wider than the list
    const QModelIndex first = p.countries->model()->index(0, 0);
    const int left = p.countries->visualRect(first).left();
    bar->setValue(bar->maximum());
    QCOMPARE(p.countries->visualRect(first).left(), left - bar->maximum());
    int widest = 0;
    for (int row = 0; row < p.countries->model()->rowCount(); ++row)
        widest = std::max(widest, p.countries->fontMetrics().horizontalAdvance(
                                      p.countries->model()->index(row, 0).data().toString().trimmed()));
    QVERIFY(p.countries->visualRect(first).width() >= widest);
}

void TestBankPages::stopEndsTheLargestSearches_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("firstRow");
    QTest::addColumn<QString>("country");  // the IBAN page's
    QTest::newRow("RIB") << kRibPage << "em_rib" << "30006 00001 1234567????" << "LB_rib" << "30006 00001 12345670000 " << "";
    QTest::newRow("IBAN") << kIbanPage << "em_iban" << "00200128000000120052????" << "Lb_iban" << "CY " << "CY";
}

void TestBankPages::stopEndsTheLargestSearches() {
    QFETCH(int, page);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, list);
    QFETCH(QString, firstRow);
    QFETCH(QString, country);
    ShownWindow s;
    s.Page(page);
    Field(&s.window, qPrintable(field))->setText(typed);
    if (!country.isEmpty()) Field(&s.window, "Edit_Iban_country")->setText(country);
    QAbstractButton* close = Button(&s.window, "BitBtn2");
    QAbstractItemView* candidates = List(&s.window, qPrintable(list));
    // "Stop" is pressed from inside the search, once it has shown 100 000 rows.
    QElapsedTimer pressed;
    QTimer watch;
    watch.setInterval(0);
    connect(&watch, &QTimer::timeout, this, [&] {
        if (pressed.isValid() || candidates->model()->rowCount() < 100000) return;
        QCOMPARE(close->text(), QStringLiteral("Stop"));
        pressed.start();
        close->click();
    });
    watch.start();
    QTest::qWait(12);
    ClickCalcule(&s.window);
    watch.stop();
    QVERIFY(pressed.isValid());
    QVERIFY2(pressed.elapsed() < 100, qPrintable(QString::number(pressed.elapsed())));
    QVERIFY(candidates->isVisible());
    const int rows = candidates->model()->rowCount();
    QVERIFY(rows >= 100000);
    QVERIFY(rows < 36 * 36 * 36 * 36);
    QVERIFY(candidates->model()->index(0, 0).data().toString().startsWith(firstRow));
    QCOMPARE(close->text(), QStringLiteral("&Fermer"));
    QVERIFY(!s.window.IsBusy());
    QVERIFY(s.window.isVisible());  // the press stopped the search, it did not close the window
}

QTEST_MAIN(TestBankPages)
#include "tst_bankpages.moc"
