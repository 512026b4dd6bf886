// A monkey at the keyboard and the mouse: tens of thousands of random events
// (typing, pasting, page switches, "Calcule", "Stop", "Effacer", list clicks,
// the country list, the code type, the About box, "Calcule" started inside a
// running search), with a fixed seed. After each burst the window must be
// consistent and its memory must not creep up.
#include <QComboBox>
#include <QPushButton>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <sys/resource.h>

#include <fstream>

#include "AboutBox.h"
#include "CandidateList.h"
#include "KeyPage.h"
#include "WindowTest.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

long ResidentKB() {
    std::ifstream status("/proc/self/statm");
    long pages = 0, resident = 0;
    status >> pages >> resident;
    return resident * 4;
}

// Types any text, characters outside Latin-1 included, key by key.
void TypeText(QWidget* target, const QString& text) {
    for (char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        const int key = c < 0x80 ? QChar(c).toUpper().unicode() : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, one);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, one);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
}

class TMonkey {
public:
    explicit TMonkey(TMainWindow& window, quint32 seed) : w_(window), random_(seed) {
        for (QLineEdit* f : w_.findChildren<QLineEdit*>())
            if (f->objectName() != QLatin1String("qt_spinbox_lineedit")) fields_ << f;
        for (QAbstractItemView* l : w_.findChildren<QAbstractItemView*>())
            if (!l->objectName().isEmpty()) lists_ << l;
    }

    void Burst(int events) {
        for (int i = 0; i < events; ++i) Act();
    }

    int Pick(int n) { return static_cast<int>(random_.bounded(n)); }

    QString RandomText() {
        static const QStringList pieces = {"0", "1", "2", "7", "9", "?", "??", " ", "-", ".", "/", "*", "A", "x", "Z",
                                           "é", "€", "😀", "\t", "12345678", "30006 00001 ", "FR", "X"};
        QString text;
        const int n = Pick(12);
        for (int i = 0; i < n; ++i) text += pieces[Pick(pieces.size())];
        if (Pick(200) == 0) text += QString(2000 + Pick(8000), QLatin1Char('9'));
        return text;
    }

    void Act() {
        switch (Pick(16)) {
        case 0:
        case 1:
        case 2: {  // type into a field of the current page
            QLineEdit* f = VisibleField();
            if (!f) return;
            f->setFocus();
            if (Pick(3) == 0) f->selectAll();
            TypeText(f, RandomText());
            break;
        }
        case 3: {  // paste
            QLineEdit* f = VisibleField();
            if (f) f->insert(RandomText());
            break;
        }
        case 4:  // another page
            w_.PageControl()->setProperty("currentIndex", Pick(TMainWindow::kPageCount));
            break;
        case 5:
            QTest::keyClick(&w_, Qt::Key_Tab, Pick(2) ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
            break;
        case 6:
        case 7: {  // "Calcule", by the mouse or by Enter
            if (Pick(2)) {
                ClickCalcule(&w_);
            } else if (QLineEdit* f = VisibleField()) {
                f->setFocus();
                QTest::keyClick(f, Qt::Key_Return);
            }
            break;
        }
        case 8: {  // "Calcule" with something happening inside the search
            QTest::qWait(6);
            const int what = Pick(5);
            QTimer::singleShot(0, &w_, [this, what] {
                switch (what) {
                case 0: Button(&w_, "BitBtn2")->click(); break;
                case 1: Button(&w_, "Btnclear")->click(); break;
                case 2: Button(&w_, "Btncalc")->click(); break;
                case 3: w_.PageControl()->setProperty("currentIndex", Pick(TMainWindow::kPageCount)); break;
                default: if (QLineEdit* f = VisibleField()) f->setText(RandomText());
                }
            });
            ClickCalcule(&w_);
            break;
        }
        case 9:
            Button(&w_, "Btnclear")->click();
            break;
        case 10:
        case 11: {  // a click or a double click on a shown list
            QAbstractItemView* list = VisibleList();
            if (!list || list->model()->rowCount() == 0) return;
            const QModelIndex index = list->model()->index(Pick(std::min(list->model()->rowCount(), 8)), 0);
            const QPoint at = list->visualRect(index).center();
            if (Pick(3) == 0) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            else QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            break;
        }
        case 12: {  // keys in a list
            QAbstractItemView* list = VisibleList();
            if (!list) return;
            list->setFocus();
            QTest::keyClick(list, Pick(2) ? Qt::Key_Down : (Pick(2) ? Qt::Key_Up : Qt::Key_Return));
            break;
        }
        case 13: {  // the country list and the code type
            if (auto* country = w_.findChild<QLineEdit*>(QStringLiteral("Edit_Iban_country")); country && country->isVisible()) {
                country->setFocus();
                QTest::keyClick(country, Qt::Key_Down);
            }
            if (auto* type = w_.findChild<QComboBox*>(QStringLiteral("Cb_ean")); type && type->isVisible())
                type->setCurrentIndex(Pick(4));
            break;
        }
        case 14:
            if (Pick(20) == 0) {  // the About box, closed again from inside its own loop
                QTimer::singleShot(0, &w_, [] {
                    if (AboutBox) AboutBox->OKButton->click();
                });
                Button(&w_, "BitBtn1")->click();
            }
            break;
        default: {  // "Stop" or "Fermer" while idle must not close the window... only "Stop" is pressed here
            if (Button(&w_, "BitBtn2")->text() == QLatin1String("Stop")) Button(&w_, "BitBtn2")->click();
            break;
        }
        }
    }

    QLineEdit* VisibleField() {
        QList<QLineEdit*> shown;
        for (QLineEdit* f : fields_)
            if (f->isVisible()) shown << f;
        return shown.isEmpty() ? nullptr : shown[Pick(shown.size())];
    }

    QAbstractItemView* VisibleList() {
        QList<QAbstractItemView*> shown;
        for (QAbstractItemView* l : lists_)
            if (l->isVisible()) shown << l;
        return shown.isEmpty() ? nullptr : shown[Pick(shown.size())];
    }

private:
    TMainWindow& w_;
    QRandomGenerator random_;
    QList<QLineEdit*> fields_;
    QList<QAbstractItemView*> lists_;
};

}  // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void randomEventsLeaveTheWindowConsistent();
};

void TestMonkey::randomEventsLeaveTheWindowConsistent() {
    const int total = qEnvironmentVariableIntValue("FERRINO_MONKEY_EVENTS") > 0 ? qEnvironmentVariableIntValue("FERRINO_MONKEY_EVENTS") : 20000;
    const int seconds = qEnvironmentVariableIntValue("FERRINO_MONKEY_SECONDS") > 0 ? qEnvironmentVariableIntValue("FERRINO_MONKEY_SECONDS") : 90;
    ShownWindow s;
    TMainWindow& w = s.window;
    TMonkey monkey(w, 20261207);
    QElapsedTimer clock;
    clock.start();
    long baseline = 0;
    int done = 0;
    for (int burst = 0; done < total && clock.elapsed() < seconds * 1000; ++burst) {
        monkey.Burst(500);
        done += 500;
        QVERIFY(w.isVisible());
        // Idle again: nothing runs, every trace of a search is gone.
        QVERIFY(!w.IsBusy());
        QVERIFY(!w.IsStopRequested());
        QCOMPARE(Button(&w, "BitBtn2")->text(), QStringLiteral("&Fermer"));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        for (int i = 0; i < TMainWindow::kPageCount; ++i) {
            TKeyPage* page = w.Page(i);
            // A candidate list and the arrows and labels never show together.
            QVERIFY2(!(page->List()->isVisibleTo(page) && page->GuidesVisible()), qPrintable(page->objectName()));
        }
        // Memory: apart from the rows the lists hold, nothing accumulates.
        std::size_t rowBytes = 0;
        for (TCandidateList* list : w.findChildren<TCandidateList*>())
            rowBytes += list->Rows().Characters() + 4 * list->Rows().Size();
        const long resident = ResidentKB() - static_cast<long>(rowBytes / 1024);
        if (burst == 1) baseline = resident;
        // AddressSanitizer holds freed memory back in quarantine: no figure to trust there.
        if (burst > 1 && !kSanitized) QVERIFY2(resident < baseline + 64 * 1024, qPrintable(QStringLiteral("burst %1: %2 kB, baseline %3 kB").arg(burst).arg(resident).arg(baseline)));
    }
    qInfo("%d random events in %.1f s", done, clock.elapsed() / 1000.0);
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
