// The four Luhn pages (bank cards, SIREN, SIRET, S.I.N.): what sets each one
// apart, seen through the window.
#include "Arrow.h"
#include "KeyPage.h"
#include "WindowTest.h"

namespace {

// Page index, field and list of each Luhn page.
struct LuhnPage {
    int index;
    const char* field;
    const char* list;
};

const LuhnPage kCard{6, "em_cb", "lB_CB"};
const LuhnPage kSiren{7, "EM_siren", "lb_siren"};
const LuhnPage kSiret{8, "em_siret", "LB_siret"};
const LuhnPage kSin{10, "em_sin", "Lb_sin"};

const char* const kSiretGuides[] = {"FSIRET1", "FSIRET2", "Fsiret3", "LSIRET1", "LSIRET2", "Lsiret3"};

LuhnPage PageNamed(const QString& name) {
    if (name == QLatin1String("card")) return kCard;
    if (name == QLatin1String("siren")) return kSiren;
    if (name == QLatin1String("siret")) return kSiret;
    return kSin;
}

// Puts text into the field as a paste would (foreign characters included).
void Paste(QLineEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    field->insert(text);
}

bool GuidesShown(QWidget* window, bool shown) {
    for (const char* name : kSiretGuides)
        if (Find(window, name)->isVisible() != shown) return false;
    return true;
}

}  // namespace

class TestLuhnPages : public QObject {
    Q_OBJECT
private slots:
    void leavingTheFieldNormalises_data();
    void leavingTheFieldNormalises();
    void calculeCompletesTheKey_data();
    void calculeCompletesTheKey();
    void searchListsAcceptedRowsInOrder_data();
    void searchListsAcceptedRowsInOrder();
    void tooManyUnknownsOnlyNormalise_data();
    void tooManyUnknownsOnlyNormalise();
    void clearHidesTheListExceptOnTheSinPage_data();
    void clearHidesTheListExceptOnTheSinPage();
    void siretGuidesGiveWayToTheList();
    void siretArrowsStartUnderTheirPart();
};

void TestLuhnPages::leavingTheFieldNormalises_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("card hyphens") << "card" << "4970-1012-3456-7890" << "4970 1012 3456 7890";
    QTest::newRow("card letter") << "card" << "4970X012" << "4970 ?012";
    QTest::newRow("card twenty digits") << "card" << "49701012345678901234" << "4970 1012 3456 7890 123";  // nineteen at most
    QTest::newRow("card 37, fifteen digits") << "card" << "378282246310005" << "3782 822463 10005";
    QTest::newRow("card signs only") << "card" << "-./*" << "";
    QTest::newRow("siren hyphens") << "siren" << "123-456-782" << "123 456 782";
    QTest::newRow("siren letter") << "siren" << "123A56782" << "123 ?56 782";
    QTest::newRow("siren drops signs") << "siren" << "123+456" << "123 456";
    QTest::newRow("siren star unknown") << "siren" << "123*456/_78" << "123 ?45 678";
    QTest::newRow("siren drops foreign") << "siren" << "12é34" << "123 4";
    QTest::newRow("siret blanks") << "siret" << "123 456 782 00010" << "123456782 0001 0";
    QTest::newRow("siret short") << "siret" << "1234567820001" << "123456782 0001";
    // The SIN drops only its separators: any other sign stands for a digit.
    QTest::newRow("sin sign") << "sin" << "123*456" << "123 ?45 6";
    QTest::newRow("sin separators") << "sin" << "12.34/5" << "123 45";
    QTest::newRow("sin backslash comma") << "sin" << "12\\34,5" << "123 45";
    QTest::newRow("sin foreign") << "sin" << "12é34" << "12? 34";
    QTest::newRow("sin letter") << "sin" << "123A56782" << "123 ?56 782";
}

void TestLuhnPages::leavingTheFieldNormalises() {
    QFETCH(QString, page);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ShownWindow s;
    const LuhnPage p = PageNamed(page);
    s.Page(p.index);
    QLineEdit* field = Field(&s.window, p.field);
    Paste(field, typed);
    s.window.PageControl()->TabBar()->setFocus();  // the field is left
    QCOMPARE(field->text(), shown);
}

void TestLuhnPages::calculeCompletesTheKey_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("card wrong key") << "card" << "4970-1012-3456-7890" << "4970 1012 3456 7893";
    QTest::newRow("card no key") << "card" << "497010123456789" << "4970 1012 3456 7893";
    QTest::newRow("card zeros") << "card" << "000000000000000" << "0000 0000 0000 0000";
    QTest::newRow("siren") << "siren" << "12345678" << "123 456 782";
    // Refusals belong to searches only.
    QTest::newRow("siren eighth digit 0") << "siren" << "123456709" << "123 456 709";
    QTest::newRow("siret") << "siret" << "1234567820001" << "123456782 0001 0";
    QTest::newRow("siret establishment 0000") << "siret" << "12345678200002" << "123456782 0000 2";
    QTest::newRow("sin") << "sin" << "12345678" << "123 456 782";
    QTest::newRow("sin separators") << "sin" << "123/456/780" << "123 456 782";
}

void TestLuhnPages::calculeCompletesTheKey() {
    QFETCH(QString, page);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ShownWindow s;
    const LuhnPage p = PageNamed(page);
    s.Page(p.index);
    Type(Field(&s.window, p.field), typed);
    ClickCalcule(&s.window);
    QCOMPARE(Field(&s.window, p.field)->text(), shown);
    QVERIFY(!List(&s.window, p.list)->isVisible());
}

void TestLuhnPages::searchListsAcceptedRowsInOrder_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("card two unknown") << "card" << "49701012345678"
                                      << QStringList{"4970 1012 3456 7802", "4970 1012 3456 7810", "4970 1012 3456 7828",
                                                     "4970 1012 3456 7836", "4970 1012 3456 7844", "4970 1012 3456 7851",
                                                     "4970 1012 3456 7869", "4970 1012 3456 7877", "4970 1012 3456 7885",
                                                     "4970 1012 3456 7893"};
    QTest::newRow("card key given") << "card" << "4970 1012 3456 7?93" << QStringList{"4970 1012 3456 7893"};
    QTest::newRow("siren middle digit") << "siren" << "12345?78"
                                        << QStringList{"123 450 785", "123 451 783", "123 452 781", "123 453 789",
                                                       "123 454 787", "123 455 784", "123 456 782", "123 457 780",
                                                       "123 458 788", "123 459 786"};
    // An eighth digit 0 is listed on the SIREN page (one real SIREN in ten has
    // it) as on the SIN page, which has the same lengths.
    QTest::newRow("siren lists eighth digit 0")
        << "siren" << "1234567"
        << QStringList{"123 456 709", "123 456 717", "123 456 725", "123 456 733", "123 456 741",
                       "123 456 758", "123 456 766", "123 456 774", "123 456 782", "123 456 790"};
    QTest::newRow("siren eighth digit 0 with key given") << "siren" << "1234567?9" << QStringList{"123 456 709"};
    QTest::newRow("sin refuses nothing")
        << "sin" << "1234567"
        << QStringList{"123 456 709", "123 456 717", "123 456 725", "123 456 733", "123 456 741",
                       "123 456 758", "123 456 766", "123 456 774", "123 456 782", "123 456 790"};
    QTest::newRow("sin first digit")
        << "sin" << "?2345678"
        << QStringList{"023 456 783", "123 456 782", "223 456 781", "323 456 780", "423 456 789",
                       "523 456 788", "623 456 787", "723 456 786", "823 456 785", "923 456 784"};
    QTest::newRow("siret refuses establishment 0000")
        << "siret" << "123456782000?"
        << QStringList{"123456782 0001 0", "123456782 0002 8", "123456782 0003 6", "123456782 0004 4",
                       "123456782 0005 1", "123456782 0006 9", "123456782 0007 7", "123456782 0008 5",
                       "123456782 0009 3"};
    QTest::newRow("siret key given") << "siret" << "12345678200?10" << QStringList{"123456782 0001 0"};
    QTest::newRow("siret refused with key given") << "siret" << "123456782000?2" << QStringList{};
    // Only the whole establishment number counts, not the zeros in it.
    QTest::newRow("siret establishment d010") << "siret" << "123456782?010" << QStringList{
        "123456782 0010 1", "123456782 1010 0", "123456782 2010 9", "123456782 3010 8", "123456782 4010 7",
        "123456782 5010 6", "123456782 6010 5", "123456782 7010 4", "123456782 8010 3", "123456782 9010 2"};
}

void TestLuhnPages::searchListsAcceptedRowsInOrder() {
    QFETCH(QString, page);
    QFETCH(QString, typed);
    QFETCH(QStringList, rows);
    ShownWindow s;
    const LuhnPage p = PageNamed(page);
    s.Page(p.index);
    Type(Field(&s.window, p.field), typed);
    ClickCalcule(&s.window);
    QAbstractItemView* list = List(&s.window, p.list);
    QVERIFY(list->isVisible());  // shown even when empty
    QCOMPARE(Rows(list), rows);
}

void TestLuhnPages::tooManyUnknownsOnlyNormalise_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("card") << "card" << "4970101234" << "4970 1012 34";
    QTest::newRow("card inside") << "card" << "4?7?1?1?3?5" << "4?7? 1?1? 3?5";
    QTest::newRow("siren") << "siren" << "123" << "123";
    QTest::newRow("siret") << "siret" << "12345678" << "12345678";
    QTest::newRow("sin") << "sin" << "**3*5*7" << "??3 ?5? 7";
}

void TestLuhnPages::tooManyUnknownsOnlyNormalise() {
    QFETCH(QString, page);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ShownWindow s;
    const LuhnPage p = PageNamed(page);
    s.Page(p.index);
    Type(Field(&s.window, p.field), typed);
    ClickCalcule(&s.window);
    QCOMPARE(Field(&s.window, p.field)->text(), shown);
    QAbstractItemView* list = List(&s.window, p.list);
    QVERIFY(!list->isVisible());
    QCOMPARE(list->model()->rowCount(), 0);
    if (p.index == kSiret.index) QVERIFY(GuidesShown(&s.window, true));
}

void TestLuhnPages::clearHidesTheListExceptOnTheSinPage_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("listKept");
    QTest::newRow("card") << "card" << "49701012345678" << false;
    QTest::newRow("siren") << "siren" << "1234567" << false;
    QTest::newRow("siret") << "siret" << "123456782000?" << false;
    QTest::newRow("sin") << "sin" << "?2345678" << true;
}

void TestLuhnPages::clearHidesTheListExceptOnTheSinPage() {
    QFETCH(QString, page);
    QFETCH(QString, typed);
    QFETCH(bool, listKept);
    ShownWindow s;
    const LuhnPage p = PageNamed(page);
    s.Page(p.index);
    QLineEdit* field = Field(&s.window, p.field);
    Type(field, typed);
    ClickCalcule(&s.window);
    QAbstractItemView* list = List(&s.window, p.list);
    const QStringList rows = Rows(list);
    QVERIFY(!rows.isEmpty());
    Button(&s.window, "Btnclear")->click();
    QVERIFY(field->text().isEmpty());
    QVERIFY(field->hasFocus());
    QCOMPARE(field->cursorPosition(), 0);
    QCOMPARE(list->isVisible(), listKept);
    if (listKept) QCOMPARE(Rows(list), rows);
    // A click on a kept row still fills the field.
    if (listKept) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1, 0)).center());
        QCOMPARE(field->text(), rows[1]);
    }
}

void TestLuhnPages::siretGuidesGiveWayToTheList() {
    ShownWindow s;
    s.Page(kSiret.index);
    QWidget* w = &s.window;
    const QStringList captions = {"Numéro RCS (SIREN)", "Numéro d'établissement", "Clé de contrôle"};
    QCOMPARE(Find<QLabel>(w, "LSIRET1")->text(), captions[0]);
    QCOMPARE(Find<QLabel>(w, "LSIRET2")->text(), captions[1]);
    QCOMPARE(Find<QLabel>(w, "Lsiret3")->text(), captions[2]);
    QCOMPARE(Find<QLabel>(w, "Lsiret")->text(), QStringLiteral("Siret"));
    QVERIFY(GuidesShown(w, true));
    QLineEdit* field = Field(w, kSiret.field);
    QAbstractItemView* list = List(w, kSiret.list);

    Type(field, "123456782000?");
    ClickCalcule(w);
    QVERIFY(list->isVisible());
    QVERIFY(GuidesShown(w, false));
    // The list lies over the place of the guides.
    QVERIFY(list->geometry().intersects(Find(w, "LSIRET2")->geometry()));
    // "Effacer" brings them back.
    Button(w, "Btnclear")->click();
    QVERIFY(!list->isVisible());
    QVERIFY(GuidesShown(w, true));
    // A search that finds nothing still hides them; a complete number shows them again.
    Type(field, "123456782000?2");
    ClickCalcule(w);
    QCOMPARE(list->model()->rowCount(), 0);
    QVERIFY(list->isVisible());
    QVERIFY(GuidesShown(w, false));
    Type(field, "1234567820001");
    ClickCalcule(w);
    QVERIFY(!list->isVisible());
    QVERIFY(GuidesShown(w, true));
    // After a double click on a row.
    Type(field, "123456782000?");
    ClickCalcule(w);
    const QPoint at = list->visualRect(list->model()->index(0, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QVERIFY(GuidesShown(w, false));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(field->text(), QStringLiteral("123456782 0001 0"));
    QVERIFY(GuidesShown(w, true));
}

void TestLuhnPages::siretArrowsStartUnderTheirPart() {
    ShownWindow s;
    s.Page(kSiret.index);
    QWidget* page = s.window.Page(kSiret.index);
    QLineEdit* field = Field(&s.window, kSiret.field);
    field->setText(QStringLiteral("123456782 0001 0"));
    // Where a column of the shown number starts, in the page.
    const auto columnX = [field](int column) {
        field->setCursorPosition(column);
        return field->x() + field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    };
    struct Part {
        const char* arrow;
        const char* label;
        int first, last;  // columns of the shown number
    };
    const Part parts[] = {{"FSIRET1", "LSIRET1", 0, 8}, {"FSIRET2", "LSIRET2", 10, 13}, {"Fsiret3", "Lsiret3", 15, 15}};
    QList<QRect> taken = {field->geometry(), Find(&s.window, "Lsiret")->geometry()};
    for (const Part& part : parts) {
        auto* arrow = Find<TArrow>(&s.window, part.arrow);
        QWidget* label = Find(&s.window, part.label);
        const QRect a = arrow->geometry();
        const int start = arrow->BendsLeft() ? a.right() : a.left();
        QVERIFY2(start >= columnX(part.first) && start <= columnX(part.last + 1), part.arrow);
        QVERIFY2(a.top() >= field->geometry().bottom(), part.arrow);
        // It bends towards its label and ends beside it.
        QCOMPARE(arrow->BendsLeft(), label->geometry().center().x() < start);
        QVERIFY2(a.bottom() >= label->geometry().top() && a.top() <= label->geometry().bottom(), part.arrow);
        // Labels inside the page, clear of one another and of the field.
        QVERIFY2(page->rect().contains(label->geometry()), part.label);
        QVERIFY2(page->rect().contains(a), part.arrow);
        QCOMPARE(label->sizeHint().width() <= label->width(), true);
        for (const QRect& other : taken) QVERIFY2(!other.intersects(label->geometry()), part.label);
        taken << label->geometry();
    }
}

QTEST_MAIN(TestLuhnPages)
#include "tst_luhnpages.moc"
