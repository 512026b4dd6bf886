// The pages of the AVS number, the health-professional number, the VIN and
// the CIP/ACL code.
#include "WindowTest.h"

namespace {

constexpr int kProfPage = 3;
constexpr int kAvsPage = 4;
constexpr int kVinPage = 11;
constexpr int kCipPage = 12;

const char* const kVinFields[] = {"Vin1", "Vin2", "Vin3", "VIn4", "Vin5", "Vin6", "VIn7", "Vin8"};
const char* const kVinGuides[] = {"Fvin1", "Lvin1", "Fvin2", "LVIn2", "Fvin3", "LVin3", "Fvin4", "LVin4",
                                  "Fvin5", "LVin5", "FVin6", "LVIn6", "FVin7", "LVin8", "FVin8", "LVIn7"};
const char* const kAvsGuides[] = {"Favs1", "Lavs1", "favs2", "Lavs2", "JFavs3", "Lavs3", "favs4", "Lavs4"};
const char* const kProfGuides[] = {"fprof1", "lprof1", "fprof2", "lprof4", "fprof3", "Lprof3", "fprof4", "lprof2"};

template <std::size_t N>
bool AllVisible(QWidget* w, const char* const (&names)[N], bool visible) {
    for (const char* name : names)
        if (Find(w, name)->isVisible() != visible) {
            qWarning("%s is %s", name, visible ? "hidden" : "shown");
            return false;
        }
    return true;
}

QStringList VinTexts(QWidget* w) {
    QStringList texts;
    for (const char* name : kVinFields) texts << Field(w, name)->text();
    return texts;
}

// Types the eight parts of a VIN, one field after the other, leaving the last one focused.
void TypeVin(QWidget* w, const QStringList& parts) {
    for (int i = 0; i < 8; ++i) Type(Field(w, kVinFields[i]), parts[i]);
}

void ClickRow(QAbstractItemView* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
}

void DoubleClickRow(QAbstractItemView* list, int row) {
    const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

class TestOtherPages : public QObject {
    Q_OBJECT
private slots:
    void controlsAndTexts();
    void avsCalcule_data();
    void avsCalcule();
    void avsSearchSkipsBodiesWithoutCheckDigit();
    void avsClearShowsGuides();
    void profCalcule_data();
    void profCalcule();
    void profSearchTriesAAndBInSecondPosition();
    void vinLeavingAFieldNormalisesIt_data();
    void vinLeavingAFieldNormalisesIt();
    void vinCalculeWritesOnlyTheKey_data();
    void vinCalculeWritesOnlyTheKey();
    void vinBlankShiftsLaterCharacters();
    void vinKnownKeyFilters();
    void vinListClickAndDoubleClickOnlyFillTheFields();
    void vinTooManyUnknownsWritesNothingBack();
    void vinClearKeepsGuidesAndFocus();
    void cipLeavingAFieldNormalisesIt_data();
    void cipLeavingAFieldNormalisesIt();
    void cipCalculeWritesTheKeyField_data();
    void cipCalculeWritesTheKeyField();
    void cipSearch_data();
    void cipSearch();
    void cipListClickAndNoDoubleClickCalcule();
    void cipTooManyAndClear();
};

void TestOtherPages::controlsAndTexts() {
    ShownWindow s;
    struct Expected {
        const char* name;
        const char* text;
    };
    const Expected labels[] = {
        {"Label_avs", "Numéro AVS :"}, {"Lavs1", "Groupe du nom"}, {"Lavs2", "Année de naissance"},
        {"Lavs3", "Sexe, jour et mois de naissance"}, {"Lavs4", "Numéro d'ordre et clé"},
        {"Lprof", "Numero :"}, {"lprof1", "Département"}, {"lprof4", "Catégorie"}, {"Lprof3", "Numéro d'inscription"},
        {"lprof2", "Clé"}, {"Label1", "VIN :"}, {"Lvin1", "Code pays :"}, {"LVIn2", "Code constructeur :"},
        {"LVin3", "Type :"}, {"LVin4", "Particularités du véhicule :"}, {"LVin5", "Clé de contrôle"},
        {"LVIn6", "Année"}, {"LVin8", "Usine d'assemblage"}, {"LVIn7", "Numéro de série"}, {"Label3", "Numero :"},
    };
    for (const Expected& e : labels) {
        auto* label = Find<QLabel>(&s.window, e.name);
        QCOMPARE(label->text(), QString::fromUtf8(e.text));
        // Nothing clipped: the label is as wide as its text needs, and inside its page.
        QVERIFY2(label->width() >= label->sizeHint().width(), e.name);
        QVERIFY2(label->parentWidget()->rect().contains(label->geometry()), e.name);
    }
    Field(&s.window, "Em_avs");
    Field(&s.window, "Em_prof");
    List(&s.window, "LB_avs");
    List(&s.window, "LB_prof");
    List(&s.window, "LB_vin");
    List(&s.window, "LB_cip");
    // The VIN's fields lie side by side, left to right, each taking what is typed up to its width.
    const int widths[] = {1, 1, 1, 5, 1, 1, 1, 6};
    s.Page(kVinPage);
    for (int i = 0; i < 8; ++i) {
        QLineEdit* field = Field(&s.window, kVinFields[i]);
        if (i > 0) QVERIFY(field->x() > Field(&s.window, kVinFields[i - 1])->geometry().right());
        Type(field, QStringLiteral("ABCDEFGH"));
        QCOMPARE(field->text(), QStringLiteral("ABCDEFGH").left(widths[i]));
        // Every character typed is in sight.
        QVERIFY(field->fontMetrics().horizontalAdvance(field->text()) + 8 <= field->width());
    }
    s.Page(kCipPage);
    Type(Field(&s.window, "Fcip1"), QStringLiteral("12345678"));
    QCOMPARE(Field(&s.window, "Fcip1")->text(), QStringLiteral("123456"));
    Type(Field(&s.window, "Fcip2"), QStringLiteral("12"));
    QCOMPARE(Field(&s.window, "Fcip2")->text(), QStringLiteral("1"));
    QVERIFY(Field(&s.window, "Fcip2")->x() > Field(&s.window, "Fcip1")->geometry().right());
}

void TestOtherPages::avsCalcule_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("key 3") << "1234567890" << "123 45 678 903";
    QTest::newRow("wrong key replaced") << "756.1234.5679" << "756 12 345 678";
    QTest::newRow("check value 10: ten digits") << "1234560005" << "123 45 600 05";
    QTest::newRow("check value 10, typed key dropped") << "12345600059" << "123 45 600 05";
}

void TestOtherPages::avsCalcule() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ShownWindow s;
    s.Page(kAvsPage);
    Type(Field(&s.window, "Em_avs"), typed);
    ClickCalcule(&s.window);
    QCOMPARE(Field(&s.window, "Em_avs")->text(), shown);
    QVERIFY(!List(&s.window, "LB_avs")->isVisible());
    QVERIFY(AllVisible(&s.window, kAvsGuides, true));
}

void TestOtherPages::avsSearchSkipsBodiesWithoutCheckDigit() {
    ShownWindow s;
    s.Page(kAvsPage);
    QLineEdit* field = Field(&s.window, "Em_avs");
    // Digit 9 unknown, check digit unknown: 3 would need the check value 10.
    Type(field, "12345678?0");
    ClickCalcule(&s.window);
    QAbstractItemView* list = List(&s.window, "LB_avs");
    QVERIFY(list->isVisible());
    QVERIFY(AllVisible(&s.window, kAvsGuides, false));
    QStringList expected;
    for (const char* row : {"123 45 678 008", "123 45 678 105", "123 45 678 202", "123 45 678 407", "123 45 678 504",
                            "123 45 678 601", "123 45 678 709", "123 45 678 806", "123 45 678 903"})
        expected << row;
    QCOMPARE(Rows(list), expected);
    // A click puts the row into the field, a double click completes it and brings the arrows back.
    ClickRow(list, 3);
    QCOMPARE(field->text(), QStringLiteral("123 45 678 407"));
    DoubleClickRow(list, 1);
    QCOMPARE(field->text(), QStringLiteral("123 45 678 105"));
    QVERIFY(!list->isVisible());
    QVERIFY(AllVisible(&s.window, kAvsGuides, true));
    // A known check digit keeps only the digit that gives it.
    Type(field, "12345678?03");
    ClickCalcule(&s.window);
    QCOMPARE(Rows(list), QStringList{"123 45 678 903"});
}

void TestOtherPages::avsClearShowsGuides() {
    ShownWindow s;
    s.Page(kAvsPage);
    QLineEdit* field = Field(&s.window, "Em_avs");
    Type(field, "123456789");
    ClickCalcule(&s.window);
    QVERIFY(List(&s.window, "LB_avs")->isVisible());
    Button(&s.window, "Btnclear")->click();
    QVERIFY(!List(&s.window, "LB_avs")->isVisible());
    QVERIFY(AllVisible(&s.window, kAvsGuides, true));
    QVERIFY(field->text().isEmpty());
    QVERIFY(field->hasFocus());
}

void TestOtherPages::profCalcule_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "75112345" << "75 1 12345 6";
    QTest::newRow("2A") << "2A123456" << "2A 1 23456 2";
    QTest::newRow("2B, wrong key replaced") << "2B1234569" << "2B 1 23456 0";
    QTest::newRow("lower case b") << "2b 1 23456" << "2B 1 23456 0";
}

void TestOtherPages::profCalcule() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ShownWindow s;
    s.Page(kProfPage);
    Type(Field(&s.window, "Em_prof"), typed);
    ClickCalcule(&s.window);
    QCOMPARE(Field(&s.window, "Em_prof")->text(), shown);
    QVERIFY(!List(&s.window, "LB_prof")->isVisible());
    QVERIFY(AllVisible(&s.window, kProfGuides, true));
}

void TestOtherPages::profSearchTriesAAndBInSecondPosition() {
    ShownWindow s;
    s.Page(kProfPage);
    QLineEdit* field = Field(&s.window, "Em_prof");
    // Leaving the field: only A and B keep their place in position 2.
    Type(field, "751?3456?");
    s.window.PageControl()->TabBar()->setFocus();
    QCOMPARE(field->text(), QStringLiteral("75 1 ?3456"));
    Type(field, "2C1234567");
    s.window.PageControl()->TabBar()->setFocus();
    QCOMPARE(field->text(), QStringLiteral("2? 1 23456 7"));
    // Position 2 and the key unknown: twelve rows, the digits, then A, then B.
    Type(field, "2?123456");
    ClickCalcule(&s.window);
    QAbstractItemView* list = List(&s.window, "LB_prof");
    QVERIFY(list->isVisible());
    QVERIFY(AllVisible(&s.window, kProfGuides, false));
    const QStringList rows = Rows(list);
    QCOMPARE(rows.size(), 12);
    for (int digit = 0; digit < 10; ++digit) QVERIFY(rows[digit].startsWith(QStringLiteral("2%1 1 23456 ").arg(digit)));
    QCOMPARE(rows[10], QStringLiteral("2A 1 23456 2"));
    QCOMPARE(rows[11], QStringLiteral("2B 1 23456 0"));
    // The typed key filters: 2 is the key of 2A and of one digit.
    Type(field, "2?1234562");
    ClickCalcule(&s.window);
    QCOMPARE(Rows(list), QStringList({"21 1 23456 2", "2A 1 23456 2"}));
    // Five unknown characters: nothing is searched.
    Type(field, "7?????45");
    ClickCalcule(&s.window);
    QVERIFY(!list->isVisible());
    QCOMPARE(field->text(), QStringLiteral("7? ? ???45"));
    QVERIFY(AllVisible(&s.window, kProfGuides, true));
}

void TestOtherPages::vinLeavingAFieldNormalisesIt_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << "Vin1" << "" << "?";
    QTest::newRow("star") << "Vin5" << "*" << "?";
    QTest::newRow("short") << "VIn4" << "12" << "12???";
    QTest::newRow("blank stays") << "VIn4" << "1 3" << "1 3??";
    QTest::newRow("accented letter") << "Vin8" << "89É012" << "89?012";
}

void TestOtherPages::vinLeavingAFieldNormalisesIt() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ShownWindow s;
    s.Page(kVinPage);
    QLineEdit* edit = Field(&s.window, field.toLatin1().constData());
    Type(edit, typed);
    Field(&s.window, field == "Vin1" ? "Vin2" : "Vin1")->setFocus();
    QCOMPARE(edit->text(), shown);
}

void TestOtherPages::vinCalculeWritesOnlyTheKey_data() {
    QTest::addColumn<QStringList>("parts");
    QTest::addColumn<QString>("key");
    QTest::newRow("X, S = 384") << QStringList{"L", "M", "N", "12345", "?", "6", "7", "890001"} << "X";
    QTest::newRow("X, S = 175") << QStringList{"L", "L", "L", "11111", "?", "2", "2", "222222"} << "X";
    QTest::newRow("typed key replaced") << QStringList{"1", "1", "1", "11111", "7", "1", "1", "111111"} << "1";
    QTest::newRow("zeros") << QStringList{"0", "0", "0", "00000", "", "0", "0", "000000"} << "0";
}

void TestOtherPages::vinCalculeWritesOnlyTheKey() {
    QFETCH(QStringList, parts);
    QFETCH(QString, key);
    ShownWindow s;
    s.Page(kVinPage);
    TypeVin(&s.window, parts);
    ClickCalcule(&s.window);
    QStringList expected = parts;
    expected[4] = key;
    QCOMPARE(VinTexts(&s.window), expected);
    QVERIFY(!List(&s.window, "LB_vin")->isVisible());
    QVERIFY(AllVisible(&s.window, kVinGuides, true));
}

void TestOtherPages::vinBlankShiftsLaterCharacters() {
    ShownWindow s;
    s.Page(kVinPage);
    // The blank at the end of the fourth field pulls everything after it one
    // place to the left: the unknown in Vin6 lands on the key position, and
    // position 17 is missing (the same pattern as L M N 12345 ? 6 7 89012).
    TypeVin(&s.window, {"L", "M", "N", "1234 ", "5", "?", "6", "789012"});
    ClickCalcule(&s.window);
    QCOMPARE(VinTexts(&s.window), QStringList({"L", "M", "N", "1234 ", "5", "?", "6", "789012"}));
    QAbstractItemView* list = List(&s.window, "LB_vin");
    QVERIFY(list->isVisible());
    QVERIFY(AllVisible(&s.window, kVinGuides, false));
    const QStringList rows = Rows(list);
    // The 33 characters a VIN holds, from "0" to "Z", without I, O and Q.
    QCOMPARE(rows.size(), 33);
    QCOMPARE(rows.first(), QStringLiteral("LMN12345767890120"));
    QCOMPARE(rows.last(), QStringLiteral("LMN1234536789012Z"));
    for (const QString& row : rows) {
        QCOMPARE(row.size(), 17);
        QVERIFY(!row.endsWith(QLatin1Char('I')) && !row.endsWith(QLatin1Char('O')) && !row.endsWith(QLatin1Char('Q')));
    }
}

void TestOtherPages::vinKnownKeyFilters() {
    ShownWindow s;
    s.Page(kVinPage);
    TypeVin(&s.window, {"L", "M", "N", "12345", "X", "6", "7", "89012"});
    ClickCalcule(&s.window);
    QCOMPARE(Field(&s.window, "Vin8")->text(), QStringLiteral("89012?"));
    QCOMPARE(Rows(List(&s.window, "LB_vin")),
             QStringList({"LMN12345X67890127", "LMN12345X6789012G", "LMN12345X6789012P", "LMN12345X6789012X"}));
    // A key that no computation gives lists nothing, and the empty list is still shown.
    TypeVin(&s.window, {"L", "M", "N", "12345", "A", "6", "7", "89012"});
    ClickCalcule(&s.window);
    QVERIFY(List(&s.window, "LB_vin")->isVisible());
    QCOMPARE(List(&s.window, "LB_vin")->model()->rowCount(), 0);
}

void TestOtherPages::vinListClickAndDoubleClickOnlyFillTheFields() {
    ShownWindow s;
    s.Page(kVinPage);
    TypeVin(&s.window, {"L", "M", "N", "1234 ", "5", "?", "6", "789012"});
    ClickCalcule(&s.window);
    QAbstractItemView* list = List(&s.window, "LB_vin");
    // The row is cut into the fields' own widths, whatever the typed fields held.
    ClickRow(list, 0);
    QCOMPARE(VinTexts(&s.window), QStringList({"L", "M", "N", "12345", "7", "6", "7", "890120"}));
    QVERIFY(list->isVisible());
    QVERIFY(AllVisible(&s.window, kVinGuides, false));
    // The keyboard moves the selection, and the fields follow.
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(VinTexts(&s.window), QStringList({"L", "M", "N", "12345", "9", "6", "7", "890121"}));
    // A double click does the same, and no "Calcule": the list stays, the arrows stay hidden.
    DoubleClickRow(list, 32);
    QCOMPARE(VinTexts(&s.window), QStringList({"L", "M", "N", "12345", "3", "6", "7", "89012Z"}));
    QTest::qWait(50);
    QVERIFY(list->isVisible());
    QCOMPARE(list->model()->rowCount(), 33);
    QVERIFY(AllVisible(&s.window, kVinGuides, false));
    // "Calcule" on the copied number: only the key is rewritten, the arrows come back.
    ClickCalcule(&s.window);
    QCOMPARE(Field(&s.window, "Vin5")->text(), QStringLiteral("3"));
    QVERIFY(!list->isVisible());
    QVERIFY(AllVisible(&s.window, kVinGuides, true));
}

void TestOtherPages::vinTooManyUnknownsWritesNothingBack() {
    ShownWindow s;
    s.Page(kVinPage);
    // All fields empty: sixteen unknown positions, each field padded when normalised.
    ClickCalcule(&s.window);
    QCOMPARE(VinTexts(&s.window), QStringList({"?", "?", "?", "?????", "?", "?", "?", "??????"}));
    QVERIFY(!List(&s.window, "LB_vin")->isVisible());
    QVERIFY(AllVisible(&s.window, kVinGuides, true));
    // Five unknown characters: the key is not written.
    TypeVin(&s.window, {"L", "M", "N", "12???", "", "6", "7", "8901??"});
    ClickCalcule(&s.window);
    QCOMPARE(VinTexts(&s.window), QStringList({"L", "M", "N", "12???", "?", "6", "7", "8901??"}));
    QVERIFY(!List(&s.window, "LB_vin")->isVisible());
}

void TestOtherPages::vinClearKeepsGuidesAndFocus() {
    ShownWindow s;
    s.Page(kVinPage);
    TypeVin(&s.window, {"L", "M", "N", "12345", "?", "6", "7", "89012"});
    ClickCalcule(&s.window);
    QVERIFY(List(&s.window, "LB_vin")->isVisible());
    QLineEdit* third = Field(&s.window, "Vin3");
    third->setFocus();
    Button(&s.window, "Btnclear")->click();
    QCOMPARE(VinTexts(&s.window), QStringList(8));
    QVERIFY(!List(&s.window, "LB_vin")->isVisible());
    // The arrows and labels stay hidden until a "Calcule" that does not search.
    QVERIFY(AllVisible(&s.window, kVinGuides, false));
    QVERIFY(third->hasFocus());
    TypeVin(&s.window, {"L", "M", "N", "12345", "", "6", "7", "890001"});
    ClickCalcule(&s.window);
    QVERIFY(AllVisible(&s.window, kVinGuides, true));
    // Shown guides stay shown.
    Button(&s.window, "Btnclear")->click();
    QVERIFY(AllVisible(&s.window, kVinGuides, true));
}

void TestOtherPages::cipLeavingAFieldNormalisesIt_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter in place") << "Fcip1" << "12A456" << "12?456";
    QTest::newRow("short code") << "Fcip1" << "12345" << "12345?";
    QTest::newRow("blank") << "Fcip1" << "12 456" << "12?456";
    QTest::newRow("letter key") << "Fcip2" << "x" << "?";
}

void TestOtherPages::cipLeavingAFieldNormalisesIt() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ShownWindow s;
    s.Page(kCipPage);
    QLineEdit* edit = Field(&s.window, field.toLatin1().constData());
    Type(edit, typed);
    Field(&s.window, field == "Fcip1" ? "Fcip2" : "Fcip1")->setFocus();
    QCOMPARE(edit->text(), shown);
}

void TestOtherPages::cipCalculeWritesTheKeyField_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("typedKey");
    QTest::addColumn<QString>("key");
    QTest::newRow("r = 2") << "123456" << "" << "2";
    QTest::newRow("wrong key replaced") << "123456" << "9" << "2";
    QTest::newRow("r = 10 gives 0") << "500000" << "" << "0";
}

void TestOtherPages::cipCalculeWritesTheKeyField() {
    QFETCH(QString, code);
    QFETCH(QString, typedKey);
    QFETCH(QString, key);
    ShownWindow s;
    s.Page(kCipPage);
    Type(Field(&s.window, "Fcip1"), code);
    Type(Field(&s.window, "Fcip2"), typedKey);
    ClickCalcule(&s.window);
    QCOMPARE(Field(&s.window, "Fcip1")->text(), code);
    QCOMPARE(Field(&s.window, "Fcip2")->text(), key);
    QVERIFY(!List(&s.window, "LB_cip")->isVisible());
}

void TestOtherPages::cipSearch_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("typedKey");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("unknown key: ten rows") << "12?456" << ""
                                           << QStringList{"120456 1", "121456 5", "122456 9", "123456 2", "124456 6",
                                                          "125456 0", "126456 3", "127456 7", "128456 0", "129456 4"};
    QTest::newRow("key 9") << "12?456" << "9" << QStringList{"122456 9"};
    QTest::newRow("key 8: empty list") << "12?456" << "8" << QStringList{};
    QTest::newRow("key 0: two remainders") << "12?456" << "0" << QStringList{"125456 0", "128456 0"};
    QTest::newRow("short code") << "12345" << "2" << QStringList{"123456 2"};
}

void TestOtherPages::cipSearch() {
    QFETCH(QString, code);
    QFETCH(QString, typedKey);
    QFETCH(QStringList, rows);
    ShownWindow s;
    s.Page(kCipPage);
    Type(Field(&s.window, "Fcip1"), code);
    Type(Field(&s.window, "Fcip2"), typedKey);
    ClickCalcule(&s.window);
    QAbstractItemView* list = List(&s.window, "LB_cip");
    QVERIFY(list->isVisible());
    QCOMPARE(Rows(list), rows);
}

void TestOtherPages::cipListClickAndNoDoubleClickCalcule() {
    ShownWindow s;
    s.Page(kCipPage);
    QLineEdit* code = Field(&s.window, "Fcip1");
    QLineEdit* key = Field(&s.window, "Fcip2");
    Type(code, "12?456");
    Type(key, "");
    ClickCalcule(&s.window);
    QAbstractItemView* list = List(&s.window, "LB_cip");
    ClickRow(list, 3);
    QCOMPARE(code->text(), QStringLiteral("123456"));
    QCOMPARE(key->text(), QStringLiteral("2"));
    QVERIFY(list->isVisible());
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(code->text(), QStringLiteral("124456"));
    QCOMPARE(key->text(), QStringLiteral("6"));
    // A double click only selects: "Calcule" would have hidden the list.
    DoubleClickRow(list, 9);
    QTest::qWait(50);
    QCOMPARE(code->text(), QStringLiteral("129456"));
    QCOMPARE(key->text(), QStringLiteral("4"));
    QVERIFY(list->isVisible());
    QCOMPARE(list->model()->rowCount(), 10);
}

void TestOtherPages::cipTooManyAndClear() {
    ShownWindow s;
    s.Page(kCipPage);
    QLineEdit* code = Field(&s.window, "Fcip1");
    QLineEdit* key = Field(&s.window, "Fcip2");
    Type(code, "1");
    Type(key, "5");
    ClickCalcule(&s.window);
    QCOMPARE(code->text(), QStringLiteral("1?????"));
    QCOMPARE(key->text(), QStringLiteral("5"));
    QVERIFY(!List(&s.window, "LB_cip")->isVisible());
    // "Effacer" after a search: both fields empty, the list hidden, the focus where it was.
    Type(code, "1234?6");
    ClickCalcule(&s.window);
    QVERIFY(List(&s.window, "LB_cip")->isVisible());
    key->setFocus();
    Button(&s.window, "Btnclear")->click();
    QVERIFY(code->text().isEmpty());
    QVERIFY(key->text().isEmpty());
    QVERIFY(!List(&s.window, "LB_cip")->isVisible());
    QVERIFY(key->hasFocus());
}

QTEST_MAIN(TestOtherPages)
#include "tst_otherpages.moc"
