// The INSEE page end to end.
#include "Arrow.h"
#include "KeyPage.h"
#include "SlidingLabel.h"
#include "WindowTest.h"

class TestInseePage : public QObject {
    Q_OBJECT
private slots:
    void leavingTheFieldFormats_data();
    void leavingTheFieldFormats();
    void calculeCompletesTheKey_data();
    void calculeCompletesTheKey();
    void searchListsRowsAndHidesGuides();
    void tooManyUnknownsSlidesTheMessageIn();
    void listClickAndDoubleClick();
    void clickOnTheSelectedRowAfterEditing();
    void clearKeepsTheMessage();
    void arrowsPointFromTheirPartToTheirLabel();
};

void TestInseePage::leavingTheFieldFormats_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("wrong key kept") << "185057800608436" << "1 85 05 78 006 084 36";
    QTest::newRow("hyphens") << "1-85-05" << "1 85 05";
    QTest::newRow("dots and unknown") << "1.85.05.78.006.084.3?" << "1 85 05 78 006 084 3";
    QTest::newRow("letter") << "185053A006084" << "1 85 05 3? 006 084";
    QTest::newRow("corsica 2A") << "185052A006084" << "1 85 05 2A 006 084";
    QTest::newRow("corsica 2B") << "2 53 07 2B 073 004 70" << "2 53 07 2B 073 004 70";
    QTest::newRow("corsica typed small") << "253072b07300470" << "2 53 07 2B 073 004 70";
    QTest::newRow("seventeen digits") << "18505780060843612" << "1 85 05 78 006 084 36";
    QTest::newRow("empty") << "" << "";
}

void TestInseePage::leavingTheFieldFormats() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    Type(field, typed);
    s.window.PageControl()->TabBar()->setFocus();  // the field is left
    QCOMPARE(field->text(), shown);
}

void TestInseePage::calculeCompletesTheKey_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no key") << "1850578006084" << "1 85 05 78 006 084 91";
    QTest::newRow("wrong key replaced") << "185057800608436" << "1 85 05 78 006 084 91";
    QTest::newRow("key 80") << "2690549588157" << "2 69 05 49 588 157 80";
    QTest::newRow("key 97") << "0000000000000" << "0 00 00 00 000 000 97";
    QTest::newRow("key 47") << "1000000000000" << "1 00 00 00 000 000 47";
}

void TestInseePage::calculeCompletesTheKey() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ShownWindow s;
    Type(Field(&s.window, "EM_INSEE"), typed);
    ClickCalcule(&s.window);
    QCOMPARE(Field(&s.window, "EM_INSEE")->text(), shown);
    QVERIFY(!List(&s.window, "LB_insee")->isVisible());
    QVERIFY(Find(&s.window, "Linsee7")->isVisible());
}

void TestInseePage::searchListsRowsAndHidesGuides() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    Type(field, "1 85 05 78 006 0?4");
    ClickCalcule(&s.window);
    QAbstractItemView* list = List(&s.window, "LB_insee");
    QVERIFY(list->isVisible());
    const QStringList rows = Rows(list);
    QCOMPARE(rows.size(), 10);
    QCOMPARE(rows.first(), QStringLiteral("1 85 05 78 006 004 74"));
    QCOMPARE(rows.last(), QStringLiteral("1 85 05 78 006 094 81"));
    for (const char* name : {"Finsee1", "Linsee1", "Finsee4", "Linsee4", "LInsee3", "Finsee7"}) QVERIFY(!Find(&s.window, name)->isVisible());
    // The sex digit, and a key that filters everything away: an empty list is still shown.
    Type(field, "? 85 05 78 006 084");
    ClickCalcule(&s.window);
    QCOMPARE(Rows(list), QStringList({"1 85 05 78 006 084 91", "2 85 05 78 006 084 41", "7 85 05 78 006 084 82",
                                      "8 85 05 78 006 084 32"}));
    Type(field, "1 85 05 78 006 08? 00");
    ClickCalcule(&s.window);
    QVERIFY(list->isVisible());
    QCOMPARE(list->model()->rowCount(), 0);
    // Nine digits: 10 000 rows.
    Type(field, "185057800");
    ClickCalcule(&s.window);
    QCOMPARE(list->model()->rowCount(), 10000);
}

void TestInseePage::tooManyUnknownsSlidesTheMessageIn() {
    ShownWindow s;
    auto* message = Find<TSlidingLabel>(&s.window, "MSG_insee");
    QCOMPARE(message->text(), QStringLiteral("Trop de chiffres inconnus ! Calcul impossible."));
    Type(Field(&s.window, "EM_INSEE"), "18505780");
    ClickCalcule(&s.window);
    QCOMPARE(Field(&s.window, "EM_INSEE")->text(), QStringLiteral("1 85 05 78 0"));
    QVERIFY(message->isVisible());
    QVERIFY(message->y() < 0);  // it starts above the page's top edge...
    QVERIFY(!List(&s.window, "LB_insee")->isVisible());
    QVERIFY(Find(&s.window, "Finsee1")->isVisible());
    const int start = message->y();
    message->Step();
    QCOMPARE(message->y(), start + TSlidingLabel::kStepPixels);
    QTRY_COMPARE_WITH_TIMEOUT(message->pos(), message->Home(), 3000);  // ...and comes down into place
    QVERIFY(message->y() < Field(&s.window, "EM_INSEE")->y());
    // The next "Calcule" hides it again.
    Type(Field(&s.window, "EM_INSEE"), "1850578006084");
    ClickCalcule(&s.window);
    QVERIFY(!message->isVisible());
}

// Searches 1 85 05 78 006 0?4 (ten rows) and clicks the fourth row.
static QAbstractItemView* SearchAndClickRow3(ShownWindow& s, QLineEdit* field) {
    Type(field, "1 85 05 78 006 0?4");
    ClickCalcule(&s.window);
    QAbstractItemView* list = List(&s.window, "LB_insee");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(3, 0)).center());
    return list;
}

void TestInseePage::listClickAndDoubleClick() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    QAbstractItemView* list = SearchAndClickRow3(s, field);
    QCOMPARE(field->text(), Rows(list)[3]);
    QVERIFY(field->text().startsWith(QStringLiteral("1 85 05 78 006 034 ")));
    QVERIFY(list->isVisible());
    // The keyboard moves the selection, and the field follows.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(field->text(), Rows(list)[4]);
    // A double click: the number with its key, the list gone, the arrows back.
    const QRect row8 = list->visualRect(list->model()->index(8, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row8.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row8.center());
    QCOMPARE(field->text(), QStringLiteral("1 85 05 78 006 084 91"));
    QVERIFY(!list->isVisible());
    QVERIFY(Find(&s.window, "Finsee1")->isVisible());
}

// The row already selected, clicked again after the field was edited, goes
// back into the field.
void TestInseePage::clickOnTheSelectedRowAfterEditing() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    QAbstractItemView* list = SearchAndClickRow3(s, field);
    const QRect row3 = list->visualRect(list->model()->index(3, 0));
    QCOMPARE(field->text(), Rows(list)[3]);
    Type(field, "2 99");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row3.center());
    QCOMPARE(field->text(), Rows(list)[3]);
    // And by the keyboard: Space on the current row.
    Type(field, "2 99");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Space);
    QCOMPARE(field->text(), Rows(list)[3]);
}

void TestInseePage::clearKeepsTheMessage() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    Type(field, "1");
    ClickCalcule(&s.window);
    QVERIFY(Find(&s.window, "MSG_insee")->isVisible());
    Button(&s.window, "Btnclear")->click();
    QVERIFY(Find(&s.window, "MSG_insee")->isVisible());
    QVERIFY(field->text().isEmpty());
    QVERIFY(field->hasFocus());
    QCOMPARE(field->cursorPosition(), 0);
}

void TestInseePage::arrowsPointFromTheirPartToTheirLabel() {
    ShownWindow s;
    QLineEdit* field = Field(&s.window, "EM_INSEE");
    field->setText(QStringLiteral("1 85 05 78 006 084 91"));
    struct Part {
        const char* arrow;
        const char* label;
        int first, last;  // characters of the display form
    };
    const Part parts[] = {{"Finsee1", "Linsee1", 0, 1},   {"Finsee2", "Linsee2", 2, 4},   {"Finsee3", "LInsee3", 5, 7},
                          {"Finsee4", "Linsee4", 8, 10},  {"Finsee5", "Linsee5", 11, 14}, {"Finsee6", "Linsee6", 15, 18},
                          {"Finsee7", "Linsee7", 19, 21}};
    const auto edgeOf = [&](int column) {
        field->setCursorPosition(column);
        return field->mapTo(field->parentWidget(), field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center()).x();
    };
    for (const Part& p : parts) {
        auto* arrow = Find<TArrow>(&s.window, p.arrow);
        QLabel* label = Find<QLabel>(&s.window, p.label);
        QVERIFY2(arrow->Start().x() >= edgeOf(p.first) && arrow->Start().x() <= edgeOf(p.last),
                 qPrintable(QStringLiteral("%1 starts at %2, part %3..%4").arg(p.arrow).arg(arrow->Start().x()).arg(edgeOf(p.first)).arg(edgeOf(p.last))));
        QVERIFY(arrow->Start().y() >= field->geometry().bottom());
        // The head points at the label's side, level with it.
        const QRect box = label->geometry();
        QVERIFY2(arrow->End().y() >= box.top() && arrow->End().y() <= box.bottom(), p.arrow);
        QVERIFY2(std::abs(arrow->End().x() - (arrow->BendsLeft() ? box.right() : box.left())) <= 4, p.arrow);
        QVERIFY(label->geometry().bottom() < s.window.Page(0)->height());
    }
}

QTEST_MAIN(TestInseePage)
#include "tst_insee.moc"
