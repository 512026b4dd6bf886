// What "Calcule" says in the status bar, undoing what it wrote, and the search
// for typing errors (F3 and the fields' context menu); with the numbers of
// real life the window now takes: Corsican INSEE numbers, current AVS
// numbers, La Poste SIRETs, blanks of French typography.
#include <QAction>
#include <QMenu>
#include <QRegularExpression>
#include <QStatusBar>

#include "WindowTest.h"

namespace {

enum Pages { kInsee = 0, kRib = 1, kIban = 2, kProf = 3, kAvs = 4, kIsbn = 5, kCard = 6, kSiren = 7, kSiret = 8, kEan = 9,
             kSin = 10, kVin = 11, kCip = 12 };

const QString kNnbsp = QString(QChar(0x202F));

QString Status(TMainWindow& w) { return Find<QStatusBar>(&w, "StatusBar1")->currentMessage(); }

// Field name, text: what to type, field by field.
using Typing = QList<QPair<QString, QString>>;

void TypeAll(QWidget* w, const Typing& typing) {
    for (const auto& [name, text] : typing) {
        QLineEdit* field = Field(w, qPrintable(name));
        field->setFocus();
        field->selectAll();
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        else
            QTest::keyClicks(field, text);
    }
}

// Opens the field's context menu and returns the menu shown.
QMenu* ContextMenu(QLineEdit* field) {
    QContextMenuEvent event(QContextMenuEvent::Keyboard, field->rect().center(), field->mapToGlobal(field->rect().center()));
    QApplication::sendEvent(field, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

}  // namespace

class TestVerdict : public QObject {
    Q_OBJECT
private slots:
    void verdictOfCalcule_data();
    void verdictOfCalcule();
    void verdictIsClearedByEffacerAndPages();
    void verdictIsClearedWhenAFieldChanges_data();
    void verdictIsClearedWhenAFieldChanges();
    void longVerdictWrapsInsteadOfBeingCut();
    void stoppedSearchSaysSo_data();
    void stoppedSearchSaysSo();
    void undoBringsBackWhatWasTyped_data();
    void undoBringsBackWhatWasTyped();
    void correctionsOfTheNumberAsTyped();
    void correctionsFromTheContextMenu();
    void correctionsNeedAWholeWrongNumber();
    void stopDuringCorrections();
    void corsicanAndCurrentAvsNumbers();
    void laPosteListsBothKeys();
    void blanksOfFrenchTypography();
};

void TestVerdict::verdictOfCalcule_data() {
    // The sentence of every page and outcome is the session's
    // (tests/engine/test_session.cpp); these rows check that the window hands
    // it the fields as typed, runs its search, and shows its line.
    QTest::addColumn<int>("page");
    QTest::addColumn<Typing>("typing");
    QTest::addColumn<QString>("said");
    const QString hint = QStringLiteral(" F3 : chercher les fautes de frappe.");
    QTest::newRow("wrong") << int(kInsee) << Typing{{"EM_INSEE", "185057800608436"}}
                           << "Clé erronée : 36 saisie, 91 attendue." + hint;
    QTest::newRow("too many") << int(kInsee) << Typing{{"EM_INSEE", "18505780"}}
                              << "Trop de caractères inconnus (5) : 4 au plus.";
    QTest::newRow("search") << int(kInsee) << Typing{{"EM_INSEE", "185057800"}} << QStringLiteral("10\u202F000 candidats.");
    QTest::newRow("iban letter") << int(kIban) << Typing{{"em_iban", "3O00600001123456789018?"}}
                                 << "Aucun candidat. Caractère 2 du BBAN : O saisi, chiffre attendu pour FR.";
    QTest::newRow("vin") << int(kVin)
                         << Typing{{"Vin1", "1"}, {"Vin2", "M"}, {"Vin3", "8"}, {"VIn4", "GDM9A"}, {"Vin5", "3"},
                                   {"Vin6", "K"}, {"VIn7", "P"}, {"Vin8", "042788"}}
                         << "Clé erronée : 3 saisie, X attendue." + hint;
    // The field keeps nine digits of a SIRET typed on the SIREN page; the
    // verdict says what it dropped, and which page takes the whole number.
    QTest::newRow("dropped") << int(kSiren) << Typing{{"EM_siren", "73282932000074"}}
                             << "Clé correcte. Chiffres en trop ignorés : 14 saisis, 9 attendus. C'est un SIRET valide : page SIRET.";
    QTest::newRow("vat on siren") << int(kSiren) << Typing{{"EM_siren", "FR40303265045"}}
                                  << "Numéro de TVA intracommunautaire : SIREN 303 265 045. Clé correcte.";
    // A European VIN's check digit is optional.
    QTest::newRow("vin europe") << int(kVin)
                                << Typing{{"Vin1", "W"}, {"Vin2", "V"}, {"Vin3", "W"}, {"VIn4", "ZZZ1J"}, {"Vin5", "Z"},
                                          {"Vin6", "3"}, {"VIn7", "W"}, {"Vin8", "386752"}}
                                << "Clé non conforme (facultative hors Amérique du Nord et Chine).";
}

void TestVerdict::verdictOfCalcule() {
    QFETCH(int, page);
    QFETCH(Typing, typing);
    QFETCH(QString, said);
    ShownWindow s;
    s.Page(page);
    TypeAll(&s.window, typing);
    ClickCalcule(&s.window);
    QCOMPARE(Status(s.window), said);
    if (page == kInsee && said.startsWith(QStringLiteral("Trop")))
        QVERIFY(Find<QLabel>(&s.window, "MSG_insee")->isVisible());  // the page's own message still comes
}

void TestVerdict::verdictIsClearedByEffacerAndPages() {
    ShownWindow s;
    Type(Field(&s.window, "EM_INSEE"), "1850578006084");
    ClickCalcule(&s.window);
    QVERIFY(!Status(s.window).isEmpty());
    Button(&s.window, "Btnclear")->click();
    QVERIFY(Status(s.window).isEmpty());
    Type(Field(&s.window, "EM_INSEE"), "1850578006084");
    ClickCalcule(&s.window);
    s.Page(kRib);
    QVERIFY(Status(s.window).isEmpty());
    // The next "Calcule" replaces it.
    Type(Field(&s.window, "em_rib"), "30006000011234567890189");
    ClickCalcule(&s.window);
    QCOMPARE(Status(s.window), QStringLiteral("Clé correcte."));
}

// A verdict speaks of the number its page showed: any change of a field of
// that page clears it, and nothing else does.
void TestVerdict::verdictIsClearedWhenAFieldChanges_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<Typing>("typing");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("edit");  // typed at the end of the field; empty: Ctrl+Z
    QTest::newRow("insee, a digit") << int(kInsee) << Typing{{"EM_INSEE", "185057800608491"}} << "EM_INSEE" << "1";
    QTest::newRow("insee, undone") << int(kInsee) << Typing{{"EM_INSEE", "1850578006084"}} << "EM_INSEE" << "";
    QTest::newRow("iban, the key") << int(kIban) << Typing{{"em_iban_cle", "76"}, {"em_iban", "30006000011234567890189"}}
                                   << "em_iban_cle" << "\b";
    QTest::newRow("iban, the country") << int(kIban) << Typing{{"em_iban_cle", "76"}, {"em_iban", "30006000011234567890189"}}
                                       << "Edit_Iban_country" << "\b";
    QTest::newRow("vin, a box") << int(kVin)
                                << Typing{{"Vin1", "1"}, {"Vin2", "M"}, {"Vin3", "8"}, {"VIn4", "GDM9A"}, {"Vin5", "X"},
                                          {"Vin6", "K"}, {"VIn7", "P"}, {"Vin8", "042788"}}
                                << "Vin8" << "\b";
    QTest::newRow("cip, the key") << int(kCip) << Typing{{"Fcip1", "340093"}, {"Fcip2", "5"}} << "Fcip2" << "\b";
}

void TestVerdict::verdictIsClearedWhenAFieldChanges() {
    QFETCH(int, page);
    QFETCH(Typing, typing);
    QFETCH(QString, field);
    QFETCH(QString, edit);
    ShownWindow s;
    s.Page(page);
    TypeAll(&s.window, typing);
    ClickCalcule(&s.window);
    QVERIFY(Status(s.window).startsWith(QStringLiteral("Clé c")));
    // Leaving a field as "Calcule" left it changes nothing.
    QLineEdit* edited = Field(&s.window, qPrintable(field));
    edited->setFocus();
    QTest::keyClick(edited, Qt::Key_Tab);
    QVERIFY(!Status(s.window).isEmpty());
    edited->setFocus();
    edited->end(false);
    if (edit.isEmpty())
        QTest::keyClick(edited, Qt::Key_Z, Qt::ControlModifier);
    else if (edit == QLatin1String("\b"))
        QTest::keyClick(edited, Qt::Key_Backspace);
    else
        QTest::keyClicks(edited, edit);
    QCOMPARE(Status(s.window), QString());
}

// An IBAN's verdict is longer than the window is wide: its end shows on a
// second line.
void TestVerdict::longVerdictWrapsInsteadOfBeingCut() {
    ShownWindow s;
    s.Page(kIban);
    TypeAll(&s.window, {{"em_iban_cle", "27"}, {"em_iban", "30006000011234567890100"}});
    ClickCalcule(&s.window);
    QStatusBar* bar = Find<QStatusBar>(&s.window, "StatusBar1");
    QVERIFY(bar->fontMetrics().horizontalAdvance(Status(s.window)) > bar->width());
    QVERIFY(bar->geometry().bottom() < s.window.height());
    // The ink of the message reaches over more than one line.
    const QImage image = bar->grab().toImage();
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 96) {
                if (first < 0) first = y;
                last = y;
            }
    QVERIFY(first >= 0);
    QVERIFY2(last - first > bar->fontMetrics().lineSpacing(), qPrintable(QString::number(last - first)));
}

// Stopped at its first look at the window. A search that found nothing says
// so in the singular; one that lists every candidate tried gives its count,
// grouped by three with narrow no-break spaces.
void TestVerdict::stoppedSearchSaysSo_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("said");  // empty: "N candidats trouvés." for the N rows listed
    // 00 is no RIB key: none of the 36^4 accounts is listed.
    QTest::newRow("nothing found") << "30006000011234567????00" << "Recherche interrompue : 0 candidat trouvé.";
    QTest::newRow("rows found") << "30006000011234567????" << "";
}

void TestVerdict::stoppedSearchSaysSo() {
    QFETCH(QString, typed);
    QFETCH(QString, said);
    ShownWindow s;
    s.Page(kRib);
    Field(&s.window, "em_rib")->setText(typed);
    ClickCalculeAndDuringSearch(&s.window, [&] { Button(&s.window, "BitBtn2")->click(); });
    const int rows = List(&s.window, "LB_rib")->model()->rowCount();
    QVERIFY(rows < 36 * 36 * 36 * 36);
    if (!said.isEmpty()) {
        QCOMPARE(Status(s.window), said);
        QCOMPARE(rows, 0);
        return;
    }
    QVERIFY(rows >= 2);
    static const QRegularExpression sentence(
        QStringLiteral("^Recherche interrompue : (\\d{1,3}(?:\u202F\\d{3})*) candidats trouvés\\.$"));
    const QRegularExpressionMatch match = sentence.match(Status(s.window));
    QVERIFY2(match.hasMatch(), qPrintable(Status(s.window)));
    QCOMPARE(match.captured(1).remove(QChar(0x202F)), QString::number(rows));
}

void TestVerdict::undoBringsBackWhatWasTyped_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("insee") << int(kInsee) << "EM_INSEE" << "1-85-05-78-006-084-36" << "1 85 05 78 006 084 91";
    QTest::newRow("rib") << int(kRib) << "em_rib" << "3000600001123456789010" << "30006 00001 12345678901 89";
    QTest::newRow("iban key") << int(kIban) << "em_iban_cle" << "00" << "76";
    QTest::newRow("prof") << int(kProf) << "Em_prof" << "751123450" << "75 1 12345 6";
    QTest::newRow("avs") << int(kAvs) << "Em_avs" << "756.9217.0769.8" << "756.9217.0769.85";
    QTest::newRow("isbn") << int(kIsbn) << "em_isbn" << "2070368228" << "2-07-036822-X";
    QTest::newRow("card") << int(kCard) << "em_cb" << "4970-1012-3456-7890" << "4970 1012 3456 7893";
    QTest::newRow("siren") << int(kSiren) << "EM_siren" << "123456783" << "123 456 782";
    QTest::newRow("siret") << int(kSiret) << "em_siret" << "1234567820001" << "123456782 0001 0";
    QTest::newRow("ean") << int(kEan) << "em_ean" << "400638133393" << "4 006381 333931";
    QTest::newRow("sin") << int(kSin) << "em_sin" << "046-454-280" << "046 454 286";
    QTest::newRow("vin key") << int(kVin) << "Vin5" << "7" << "X";
    QTest::newRow("cip key") << int(kCip) << "Fcip2" << "9" << "2";
}

void TestVerdict::undoBringsBackWhatWasTyped() {
    QFETCH(int, page);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, written);
    ShownWindow s;
    s.Page(page);
    if (page == kIban) Type(Field(&s.window, "em_iban"), QStringLiteral("30006000011234567890189"));
    if (page == kVin)
        TypeAll(&s.window, {{"Vin1", "L"}, {"Vin2", "M"}, {"Vin3", "N"}, {"VIn4", "12345"}, {"Vin6", "6"}, {"VIn7", "7"},
                            {"Vin8", "890001"}});
    if (page == kCip) Type(Field(&s.window, "Fcip1"), QStringLiteral("123456"));
    QLineEdit* edit = Field(&s.window, qPrintable(field));
    Type(edit, typed);
    // Enter in the field: "Calcule" lays the field out, then writes the key.
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->text(), written);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit->text(), typed);
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(edit->text(), written);
}

void TestVerdict::correctionsOfTheNumberAsTyped() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    Type(field, "185057800608419");
    ClickCalcule(&s.window);
    QCOMPARE(field->text(), QStringLiteral("1 85 05 78 006 084 91"));
    // F3 searches the number as it was typed, not the one "Calcule" wrote.
    field->setFocus();
    QTest::keyClick(field, Qt::Key_F3);
    QAbstractItemView* list = List(&s.window, "LB_insee");
    QVERIFY(list->isVisible());
    QCOMPARE(Rows(list), QStringList({"1 35 05 78 006 084 19", "1 85 05 78 086 084 19", "1 85 05 78 006 084 91"}));
    QCOMPARE(Status(s.window), QStringLiteral("3 corrections possibles (un caractère changé ou deux voisins échangés)."));
    QVERIFY(!Find<QLabel>(&s.window, "Linsee1")->isVisible());
    // A row goes into the field like a row of any search.
    list->setCurrentIndex(list->model()->index(1, 0));
    QCOMPARE(field->text(), QStringLiteral("1 85 05 78 086 084 19"));
    QCOMPARE(Button(&s.window, "BitBtn2")->text(), QStringLiteral("&Fermer"));
}

void TestVerdict::correctionsFromTheContextMenu() {
    ShownWindow s;
    s.Page(kCip);
    Type(Field(&s.window, "Fcip1"), "123465");
    Type(Field(&s.window, "Fcip2"), "2");
    QMenu* menu = ContextMenu(Field(&s.window, "Fcip2"));
    QVERIFY(menu);
    QAction* item = nullptr;
    for (QAction* action : menu->actions())
        if (action->text() == QStringLiteral("Chercher les fautes de frappe")) item = action;
    QVERIFY(item);
    QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F3));
    item->trigger();
    menu->close();
    QVERIFY(Rows(List(&s.window, "LB_cip")).contains(QStringLiteral("123456 2")));
    QVERIFY(Status(s.window).endsWith(QStringLiteral("corrections possibles (un caractère changé ou deux voisins échangés).")));
}

void TestVerdict::correctionsNeedAWholeWrongNumber() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    Type(field, "185057800608491");
    QTest::keyClick(field, Qt::Key_F3);
    QCOMPARE(Status(s.window), QStringLiteral("Clé correcte : aucune faute de frappe à corriger."));
    QVERIFY(!List(&s.window, "LB_insee")->isVisible());
    Type(field, "1850578006?8491");
    QTest::keyClick(field, Qt::Key_F3);
    QCOMPARE(Status(s.window), QStringLiteral("Pour chercher les fautes de frappe, saisissez le numéro entier, clé comprise."));
    // A key typed in part, and the other refusals: tests/engine/test_session.cpp.
}

void TestVerdict::stopDuringCorrections() {
    ShownWindow s;
    s.Page(kIban);
    Type(Field(&s.window, "em_iban_cle"), "77");
    Type(Field(&s.window, "em_iban"), "300060000112345678901893000600001123");
    QAbstractButton* close = Button(&s.window, "BitBtn2");
    QString captionDuring;
    QTest::qWait(12);
    QTimer::singleShot(0, qApp, [&] {
        captionDuring = close->text();
        close->click();
    });
    QTest::keyClick(Field(&s.window, "em_iban"), Qt::Key_F3);
    QCOMPARE(captionDuring, QStringLiteral("Stop"));
    QVERIFY(Status(s.window).startsWith(QStringLiteral("Recherche interrompue : ")));
    QVERIFY(List(&s.window, "Lb_iban")->isVisible());
    QCOMPARE(close->text(), QStringLiteral("&Fermer"));
    QVERIFY(!s.window.IsBusy());
}

void TestVerdict::corsicanAndCurrentAvsNumbers() {
    ShownWindow s;
    QLineEdit* insee = Field(&s.window, "EM_INSEE");
    Type(insee, "253072B073004");
    ClickCalcule(&s.window);
    QCOMPARE(insee->text(), QStringLiteral("2 53 07 2B 073 004 70"));
    // The AVS page names the parts of the form it shows.
    s.Page(kAvs);
    QLineEdit* avs = Field(&s.window, "Em_avs");
    Type(avs, "7569217076985");
    QTest::keyClick(avs, Qt::Key_Tab);
    QCOMPARE(avs->text(), QStringLiteral("756.9217.0769.85"));
    QVERIFY(Find<QLabel>(&s.window, "Lavs6")->isVisible());
    QCOMPARE(Find<QLabel>(&s.window, "Lavs6")->text(), QStringLiteral("Numéro personnel"));
    QVERIFY(!Find<QLabel>(&s.window, "Lavs1")->isVisible());
    Type(avs, "756.9217.0769.8");
    ClickCalcule(&s.window);
    QCOMPARE(avs->text(), QStringLiteral("756.9217.0769.85"));
    QCOMPARE(Status(s.window), QStringLiteral("Clé calculée : 5."));
    Type(avs, "123.45.678.90");
    ClickCalcule(&s.window);
    QCOMPARE(avs->text(), QStringLiteral("123 45 678 903"));
    QVERIFY(Find<QLabel>(&s.window, "Lavs1")->isVisible());
    QVERIFY(!Find<QLabel>(&s.window, "Lavs6")->isVisible());
    // A search in the current form lists current numbers and hides both sets.
    Type(avs, "756.1234.56?8.97");
    ClickCalcule(&s.window);
    QCOMPARE(Rows(List(&s.window, "LB_avs")), QStringList({"756.1234.5678.97"}));
    QVERIFY(!Find<QLabel>(&s.window, "Lavs6")->isVisible() && !Find<QLabel>(&s.window, "Lavs1")->isVisible());
}

void TestVerdict::laPosteListsBothKeys() {
    ShownWindow s;
    s.Page(kSiret);
    QLineEdit* field = Field(&s.window, "em_siret");
    Type(field, "356000000 4983");
    ClickCalcule(&s.window);
    QAbstractItemView* list = List(&s.window, "LB_siret");
    QVERIFY(list->isVisible());
    QCOMPARE(Rows(list), QStringList({"356000000 4983 2", "356000000 4983 7"}));
    QCOMPARE(field->text(), QStringLiteral("356000000 4983"));
    QCOMPARE(Status(s.window), QStringLiteral("Clé calculée : 2 ou 7."));
    // A whole establishment lists its two keys, whatever key was typed.
    Type(field, "356000000 4983 3");
    ClickCalcule(&s.window);
    QCOMPARE(Rows(list), QStringList({"356000000 4983 2", "356000000 4983 7"}));
    QCOMPARE(Status(s.window), QStringLiteral("Clé erronée : 3 saisie, 2 ou 7 attendue. F3 : chercher les fautes de frappe."));
    // The head office keeps its Luhn key.
    Type(field, "356000000 0004");
    ClickCalcule(&s.window);
    QCOMPARE(field->text(), QStringLiteral("356000000 0004 8"));
    QVERIFY(!list->isVisible());
}

void TestVerdict::blanksOfFrenchTypography() {
    ShownWindow s;
    s.Page(kSin);
    QLineEdit* field = Field(&s.window, "em_sin");
    field->setFocus();
    field->insert(QStringLiteral("046") + QChar(0x00A0) + QStringLiteral("454") + kNnbsp + QStringLiteral("286"));
    ClickCalcule(&s.window);
    QCOMPARE(field->text(), QStringLiteral("046 454 286"));
    QCOMPARE(Status(s.window), QStringLiteral("Clé correcte."));
    s.Page(kVin);
    QLineEdit* box = Field(&s.window, "VIn4");
    box->setFocus();
    box->insert(QStringLiteral("12") + QChar(0x00A0) + QStringLiteral("45"));
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(box->text(), QStringLiteral("12 45"));
}

QTEST_MAIN(TestVerdict)
#include "tst_verdict.moc"
