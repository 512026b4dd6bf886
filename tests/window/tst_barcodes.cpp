// The ISBN page (hyphenated field and list) and the EAN/UPC page (code types).
#include <QComboBox>

#include "WindowTest.h"

namespace {

constexpr int kIsbnPage = 5;
constexpr int kEanPage = 9;

void LeaveField(ShownWindow& s) { s.window.PageControl()->TabBar()->setFocus(); }

void ClickRow(QAbstractItemView* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
}

void DoubleClickRow(QAbstractItemView* list, int row) {
    const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

QComboBox* EanType(QWidget* w) { return Find<QComboBox>(w, "Cb_ean"); }

// Chooses a code type the way a user does, from the keyboard in the combo box.
void ChooseType(QWidget* w, int type) {
    QComboBox* combo = EanType(w);
    combo->setFocus();
    while (combo->currentIndex() < type) QTest::keyClick(combo, Qt::Key_Down);
    while (combo->currentIndex() > type) QTest::keyClick(combo, Qt::Key_Up);
}

}  // namespace

class TestBarcodes : public QObject {
    Q_OBJECT
private slots:
    void isbnLeavingTheFieldHyphenates_data();
    void isbnLeavingTheFieldHyphenates();
    void isbnCalcule_data();
    void isbnCalcule();
    void isbnSearch_data();
    void isbnSearch();
    void isbnListClickDoubleClickAndClear();

    void eanStartsWithEan13();
    void eanLeavingTheField_data();
    void eanLeavingTheField();
    void eanCalcule_data();
    void eanCalcule();
    void eanSearchCompletesMissingDigits_data();
    void eanSearchCompletesMissingDigits();
    void eanChoosingATypeRelaysTheField();
    void eanListClickChoosesTheType_data();
    void eanListClickChoosesTheType();
    void eanDoubleClickCalculatesInTheRowsType();
    void eanClearKeepsListAndType();
};

// ISBN ------------------------------------------------------------------------

void TestBarcodes::isbnLeavingTheFieldHyphenates_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("group 1") << "2070368228" << "2-07-036822-8";
    QTest::newRow("group of five") << "9992171235" << "99921-712-3-5";
    QTest::newRow("ISBN-13") << "9782070368228" << "978-2-07-036822-8";
    QTest::newRow("ISBN-13 979") << "979 10 90636 07 1" << "979-10-90636-07-1";
    QTest::newRow("ISBN-13 without its key") << "97820703682" << "978-2-07-03682?";
    QTest::newRow("group no range holds") << "9786390000004" << "9786390000004";
    QTest::newRow("separators") << "2 07.036_822-8" << "2-07-036822-8";
    QTest::newRow("lower-case x") << "207036822x" << "2-07-036822-X";
    QTest::newRow("X in the body") << "20703682X8" << "2-07-03682?-8";
    QTest::newRow("unknown registrant") << "1?3456789X" << "1?3456789X";
    QTest::newRow("nine digits") << "207036822" << "2-07-036822";
    QTest::newRow("foreign check") << "207036822é" << "2-07-036822";
    QTest::newRow("empty") << "" << "";
}

void TestBarcodes::isbnLeavingTheFieldHyphenates() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ShownWindow s;
    s.Page(kIsbnPage);
    QLineEdit* field = Field(&s.window, "em_isbn");
    field->setFocus();
    // Typed key by key; what no key gives is pasted.
    for (QChar c : typed) {
        if (c.unicode() < 0x80)
            QTest::keyClick(field, c.toLatin1());
        else
            field->insert(c);
    }
    LeaveField(s);
    QCOMPARE(field->text(), shown);
    // An ISBN-13 and its four hyphens fit in the field.
    QVERIFY(field->fontMetrics().horizontalAdvance(field->text()) < field->contentsRect().width() - 8);
}

void TestBarcodes::isbnCalcule_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("check replaced") << "2070368228" << "2-07-036822-X";
    QTest::newRow("check added") << "207036822" << "2-07-036822-X";
    QTest::newRow("group of five") << "999217123" << "99921-712-3-5";
    QTest::newRow("ISBN-13 check replaced") << "978-2-07-036822-9" << "978-2-07-036822-8";
    QTest::newRow("unhyphenated") << "978639000000" << "9786390000004";
}

void TestBarcodes::isbnCalcule() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ShownWindow s;
    s.Page(kIsbnPage);
    Type(Field(&s.window, "em_isbn"), typed);
    ClickCalcule(&s.window);
    QCOMPARE(Field(&s.window, "em_isbn")->text(), shown);
    QVERIFY(!List(&s.window, "LB_isbn")->isVisible());
}

void TestBarcodes::isbnSearch_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("searched");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("field");
    QTest::newRow("check unknown")
        << "2070?6822?" << true
        << QStringList{"2-07-006822-6", "2-07-016822-0", "2-07-026822-5", "2-07-036822-X", "2-07-046822-4",
                       "2-07-056822-9", "2-07-066822-3", "2-07-076822-8", "2-07-086822-2", "2-07-096822-7"}
        << "2-07-0?6822";
    QTest::newRow("check known") << "2070?68228" << true << QStringList{"2-07-076822-8"} << "2-07-0?6822-8";
    // Numbers no range holds are listed plain, whether the check is known or not.
    QTest::newRow("plain rows")
        << "63980000??" << true
        << QStringList{"6398000005", "6398000013", "6398000021", "639800003X", "6398000048",
                       "6398000056", "6398000064", "6398000072", "6398000080", "6398000099"}
        << "63980000";
    QTest::newRow("plain row, key known") << "63980000?5" << true << QStringList{"6398000005"} << "63980000?5";
    QTest::newRow("ISBN-13") << "978-2-07-03682?-?" << true
                             << QStringList{"978-2-07-036820-4", "978-2-07-036821-1", "978-2-07-036822-8",
                                            "978-2-07-036823-5", "978-2-07-036824-2", "978-2-07-036825-9",
                                            "978-2-07-036826-6", "978-2-07-036827-3", "978-2-07-036828-0",
                                            "978-2-07-036829-7"}
                             << "978-2-07-03682?";
    QTest::newRow("ISBN-13, key known") << "978-2-07-0?6822-8" << true << QStringList{"978-2-07-036822-8"}
                                        << "978-2-07-0?6822-8";
    QTest::newRow("five unknown") << "2070" << false << QStringList{} << "2-07-0";
}

void TestBarcodes::isbnSearch() {
    QFETCH(QString, typed);
    QFETCH(bool, searched);
    QFETCH(QStringList, rows);
    QFETCH(QString, field);
    ShownWindow s;
    s.Page(kIsbnPage);
    Type(Field(&s.window, "em_isbn"), typed);
    ClickCalcule(&s.window);
    QAbstractItemView* list = List(&s.window, "LB_isbn");
    QCOMPARE(list->isVisible(), searched);
    QCOMPARE(Rows(list), rows);
    QCOMPARE(Field(&s.window, "em_isbn")->text(), field);
}

void TestBarcodes::isbnListClickDoubleClickAndClear() {
    ShownWindow s;
    s.Page(kIsbnPage);
    QCOMPARE(Find<QLabel>(&s.window, "LISBN")->text(), QStringLiteral("ISBN"));
    QLineEdit* field = Field(&s.window, "em_isbn");
    QAbstractItemView* list = List(&s.window, "LB_isbn");
    Type(field, "63980000??");
    ClickCalcule(&s.window);
    ClickRow(list, 6);
    QCOMPARE(field->text(), QStringLiteral("6398000064"));
    QVERIFY(list->isVisible());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(field->text(), QStringLiteral("6398000072"));
    DoubleClickRow(list, 3);
    QCOMPARE(field->text(), QStringLiteral("639800003X"));
    QVERIFY(!list->isVisible());
    // "Effacer" hides a shown list.
    Type(field, "2070?6822?");
    ClickCalcule(&s.window);
    QVERIFY(list->isVisible());
    Button(&s.window, "Btnclear")->click();
    QVERIFY(!list->isVisible());
    QVERIFY(field->text().isEmpty());
    QVERIFY(field->hasFocus());
    QCOMPARE(field->cursorPosition(), 0);
}

// EAN/UPC ---------------------------------------------------------------------

void TestBarcodes::eanStartsWithEan13() {
    ShownWindow s;
    QComboBox* combo = EanType(&s.window);
    QCOMPARE(combo->count(), 5);
    const QStringList names = {"EAN 8", "EAN 13", "UPC-A", "UPC-C", "UPC-E"};
    for (int i = 0; i < 5; ++i) QCOMPARE(combo->itemText(i), names[i]);
    QCOMPARE(combo->currentIndex(), 1);
    QVERIFY(!combo->isEditable());
    QCOMPARE(Find<QLabel>(&s.window, "Lean1")->text(), QStringLiteral("Type :"));
    QCOMPARE(Find<QLabel>(&s.window, "Lean2")->text(), QStringLiteral("Numéro :"));
}

void TestBarcodes::eanLeavingTheField_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("marker keeps its place") << 1 << "40063813?3931" << "4 006381 3?3931";
    QTest::newRow("separators") << 1 << "40-06.38 1_33" << "4 006381 33";
    QTest::newRow("EAN 8 cuts") << 0 << "12345678901" << "1234 5678";
    QTest::newRow("UPC-A") << 2 << "036000291452" << "0 36000 291452";
    QTest::newRow("empty") << 3 << "" << "";
}

void TestBarcodes::eanLeavingTheField() {
    QFETCH(int, type);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ShownWindow s;
    s.Page(kEanPage);
    ChooseType(&s.window, type);
    QLineEdit* field = Field(&s.window, "em_ean");
    Type(field, typed);
    LeaveField(s);
    QCOMPARE(field->text(), shown);
}

void TestBarcodes::eanCalcule_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("EAN 13") << 1 << "400638133393" << "4 006381 333931";
    QTest::newRow("EAN 13 check replaced") << 1 << "4006381333930" << "4 006381 333931";
    QTest::newRow("EAN 8") << 0 << "9638507" << "9638 5074";
    QTest::newRow("UPC-A") << 2 << "03600029145" << "0 36000 291452";
    QTest::newRow("UPC-C") << 3 << "0123456" << "0 123456 5";
    // UPC-E takes the check digit of the UPC-A number it stands for (042100005264).
    QTest::newRow("UPC-E") << 4 << "0425261" << "0 425261 4";
    QTest::newRow("UPC-E check replaced") << 4 << "04252619" << "0 425261 4";
    // Only number systems 0 and 1 have a check digit: none is written.
    QTest::newRow("UPC-E number system 3") << 4 << "34252619" << "3 425261";
}

void TestBarcodes::eanCalcule() {
    QFETCH(int, type);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ShownWindow s;
    s.Page(kEanPage);
    ChooseType(&s.window, type);
    Type(Field(&s.window, "em_ean"), typed);
    ClickCalcule(&s.window);
    QCOMPARE(Field(&s.window, "em_ean")->text(), shown);
    QVERIFY(!List(&s.window, "LB_ean")->isVisible());
}

void TestBarcodes::eanSearchCompletesMissingDigits_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("firstRows");
    QTest::newRow("EAN 13, two missing") << 1 << "4006381333" << 100
                                         << QStringList{"4 006381 333009", "4 006381 333016"};
    QTest::newRow("EAN 13, one missing") << 1 << "40063813333" << 10
                                         << QStringList{"4 006381 333306", "4 006381 333313", "4 006381 333320"};
    QTest::newRow("EAN 8") << 0 << "963850" << 10 << QStringList{"9638 5005", "9638 5012", "9638 5029"};
    QTest::newRow("UPC-A") << 2 << "0360002914" << 10 << QStringList{"0 36000 291407", "0 36000 291414"};
    QTest::newRow("UPC-C") << 3 << "012345" << 10 << QStringList{"0 123450 3", "0 123451 0", "0 123452 7"};
    QTest::newRow("UPC-E") << 4 << "042526" << 10
                           << QStringList{"0 425260 5", "0 425261 4", "0 425262 3", "0 425263 5", "0 425264 1",
                                          "0 425265 8", "0 425266 5", "0 425267 2", "0 425268 9", "0 425269 6"};
    QTest::newRow("UPC-E number system 2") << 4 << "242526" << 0 << QStringList{};
    QTest::newRow("four missing") << 1 << "40063813" << 10000 << QStringList{"4 006381 300001"};
}

void TestBarcodes::eanSearchCompletesMissingDigits() {
    QFETCH(int, type);
    QFETCH(QString, typed);
    QFETCH(int, count);
    QFETCH(QStringList, firstRows);
    ShownWindow s;
    s.Page(kEanPage);
    ChooseType(&s.window, type);
    Type(Field(&s.window, "em_ean"), typed);
    ClickCalcule(&s.window);
    QAbstractItemView* list = List(&s.window, "LB_ean");
    QVERIFY(list->isVisible());
    const QStringList rows = Rows(list);
    QCOMPARE(rows.size(), count);
    QCOMPARE(rows.mid(0, firstRows.size()), firstRows);
    for (int i = 1; i < rows.size(); ++i) QVERIFY(rows[i - 1] < rows[i]);
}

void TestBarcodes::eanChoosingATypeRelaysTheField() {
    ShownWindow s;
    s.Page(kEanPage);
    QLineEdit* field = Field(&s.window, "em_ean");
    Type(field, "4006381333931");
    LeaveField(s);
    QCOMPARE(field->text(), QStringLiteral("4 006381 333931"));
    // Chosen without leaving the field: laid out at once all the same.
    EanType(&s.window)->setCurrentIndex(0);
    QCOMPARE(field->text(), QStringLiteral("4006 3813"));
    // The digits beyond the type's length are gone for good.
    ChooseType(&s.window, 2);
    QCOMPARE(field->text(), QStringLiteral("4 00638 13"));
    ChooseType(&s.window, 3);
    QCOMPARE(field->text(), QStringLiteral("4 006381 3"));
    ChooseType(&s.window, 1);
    QCOMPARE(field->text(), QStringLiteral("4 006381 3"));
}

void TestBarcodes::eanListClickChoosesTheType_data() {
    QTest::addColumn<int>("searchType");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("otherType");
    QTest::newRow("EAN 8 row") << 0 << "963850" << 3;
    QTest::newRow("EAN 13 row") << 1 << "40063813333" << 0;
    QTest::newRow("UPC-A row") << 2 << "0360002914" << 1;
    QTest::newRow("UPC-C row") << 3 << "012345" << 0;
    // As long as a UPC-C row, a UPC-E row still chooses UPC-E: the list knows its type.
    QTest::newRow("UPC-E row") << 4 << "042526" << 3;
    QTest::newRow("UPC-E row, EAN 8 chosen") << 4 << "042526" << 0;
}

void TestBarcodes::eanListClickChoosesTheType() {
    QFETCH(int, searchType);
    QFETCH(QString, typed);
    QFETCH(int, otherType);
    ShownWindow s;
    s.Page(kEanPage);
    ChooseType(&s.window, searchType);
    QLineEdit* field = Field(&s.window, "em_ean");
    Type(field, typed);
    ClickCalcule(&s.window);
    QAbstractItemView* list = List(&s.window, "LB_ean");
    const QStringList rows = Rows(list);
    // Another type is chosen after the search; the list stays as it was.
    ChooseType(&s.window, otherType);
    QVERIFY(list->isVisible());
    QCOMPARE(Rows(list), rows);
    ClickRow(list, 4);
    QCOMPARE(EanType(&s.window)->currentIndex(), searchType);
    QCOMPARE(field->text(), rows[4]);
    // The keyboard moves through the rows as well.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(field->text(), rows[5]);
    QCOMPARE(EanType(&s.window)->currentIndex(), searchType);
}

void TestBarcodes::eanDoubleClickCalculatesInTheRowsType() {
    ShownWindow s;
    s.Page(kEanPage);
    ChooseType(&s.window, 2);
    QLineEdit* field = Field(&s.window, "em_ean");
    Type(field, "0360002914");
    ClickCalcule(&s.window);
    QAbstractItemView* list = List(&s.window, "LB_ean");
    ChooseType(&s.window, 1);
    DoubleClickRow(list, 5);
    QCOMPARE(EanType(&s.window)->currentIndex(), 2);
    QCOMPARE(field->text(), QStringLiteral("0 36000 291452"));
    QVERIFY(!list->isVisible());
}

void TestBarcodes::eanClearKeepsListAndType() {
    ShownWindow s;
    s.Page(kEanPage);
    ChooseType(&s.window, 3);
    QLineEdit* field = Field(&s.window, "em_ean");
    Type(field, "012345");
    ClickCalcule(&s.window);
    QAbstractItemView* list = List(&s.window, "LB_ean");
    const QStringList rows = Rows(list);
    QCOMPARE(rows.size(), 10);
    Button(&s.window, "Btnclear")->click();
    QVERIFY(field->text().isEmpty());
    QVERIFY(field->hasFocus());
    QCOMPARE(field->cursorPosition(), 0);
    QVERIFY(list->isVisible());
    QCOMPARE(Rows(list), rows);
    QCOMPARE(EanType(&s.window)->currentIndex(), 3);
    // The kept list still answers a click.
    ClickRow(list, 2);
    QCOMPARE(field->text(), rows[2]);
}

QTEST_MAIN(TestBarcodes)
#include "tst_barcodes.moc"
