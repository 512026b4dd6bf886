// The About box and its two animated labels. The timers are stepped by hand
// through the labels' Step(), which is what their timers run; two short
// bounded waits check that the real timers do run it.

#include <QDesktopServices>
#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "AboutBox.h"
#include "BlinkingLabel.h"
#include "BuildInfo.h"
#include "ScrollingLabel.h"

namespace {

QString Blanks(int count) { return QString(count, QLatin1Char(' ')); }

// What the scrolling text should start with for a given version.
// The build's address is left out when there is none.
QString ExpectedText(const QString& version) {
    QString text = QStringLiteral("Ferrino ") + version + QLatin1Char(' ') + QString::fromUtf8(ferrino::build::kAuthor);
    if (const QString address = QString::fromUtf8(ferrino::build::kWebAddress); !address.isEmpty())
        text += QLatin1Char(' ') + address;
    return text;
}

const QString kAddress = QStringLiteral("https://ferrino.test");

QString TurnedRight(const QString& text, int characters) {
    return text.right(characters) + text.left(text.size() - characters);
}

void SendEnter(QWidget* widget) {
    QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), widget->mapToGlobal(QPointF(4, 4)));
    QCoreApplication::sendEvent(widget, &enter);
}

void SendLeave(QWidget* widget) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &leave);
}

}  // namespace

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void padding_data();
    void padding();
    void step_data();
    void step();
    void scrollsOnlyWhileShown();
    void clickSignal_data();
    void clickSignal();
    void blinking_data();
    void blinking();
    void realTimersRun();

    void text_data();
    void text();
    void frameAndControls();
    void hoverUnderlinesAndScrollingGoesOn();
    void clickOpensAddressAndStays();
    void noAddressNoLink();
    void closing_data();
    void closing();
    void showModalMakesAFreshBoxEachTime();
};

// ---- the scrolling label ------------------------------------------------

void TestAboutBox::padding_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::newRow("wider than the label") << QStringLiteral("a text much wider than the label") << 20;
    QTest::newRow("short text") << QStringLiteral("ab") << 300;
    QTest::newRow("empty text") << QString() << 300;
    QTest::newRow("no width") << QStringLiteral("ab") << 0;
    QTest::newRow("accents and a surrogate pair") << QString::fromUtf8("Équipe \xF0\x9F\x94\x91") << 250;
    QTest::newRow("too wide for 10000 blanks") << QStringLiteral("x") << 1000000;
}

void TestAboutBox::padding() {
    QFETCH(QString, text);
    QFETCH(int, width);
    QWidget parent;
    TScrollingLabel label(QStringLiteral("label"), &parent);
    QFont font = label.font();
    font.setPixelSize(16);
    font.setBold(true);
    label.setFont(font);
    label.resize(width, 22);
    QCOMPARE(label.width(), width);
    label.SetText(text);

    const int padding = label.Padding();
    QVERIFY(padding >= 0 && padding <= TScrollingLabel::kMaxPadding);
    QCOMPARE(label.Text(), text + Blanks(padding));
    const QFontMetrics metrics(font);
    if (padding < TScrollingLabel::kMaxPadding)
        QVERIFY(metrics.horizontalAdvance(label.Text()) >= width);
    else
        QVERIFY(metrics.horizontalAdvance(label.Text()) < width);
    // Not one blank more than needed.
    if (padding > 0) QVERIFY(metrics.horizontalAdvance(text + Blanks(padding - 1)) < width);
}

void TestAboutBox::step_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << QStringLiteral("abc") << 0 << QStringLiteral("abc");
    QTest::newRow("one") << QStringLiteral("abc") << 1 << QStringLiteral("cab");
    QTest::newRow("two") << QStringLiteral("abc") << 2 << QStringLiteral("bca");
    QTest::newRow("all the way round") << QStringLiteral("abc") << 3 << QStringLiteral("abc");
    QTest::newRow("single character") << QStringLiteral("a") << 5 << QStringLiteral("a");
    QTest::newRow("empty") << QString() << 2 << QString();
    QTest::newRow("pair moves whole") << QString::fromUtf8("a\xF0\x9F\x94\x91") << 1
                                      << QString::fromUtf8("\xF0\x9F\x94\x91" "a");
    QTest::newRow("pair and back") << QString::fromUtf8("a\xF0\x9F\x94\x91") << 2
                                   << QString::fromUtf8("a\xF0\x9F\x94\x91");
    QTest::newRow("lone pair") << QString::fromUtf8("\xF0\x9F\x94\x91") << 1 << QString::fromUtf8("\xF0\x9F\x94\x91");
}

void TestAboutBox::step() {
    QFETCH(QString, text);
    QFETCH(int, steps);
    QFETCH(QString, expected);
    QWidget parent;
    TScrollingLabel label(QStringLiteral("label"), &parent);
    label.resize(0, 22);  // no padding
    label.SetText(text);
    for (int i = 0; i < steps; ++i) label.Step();
    QCOMPARE(label.Text(), expected);
    // Setting the text again starts it from its beginning.
    label.SetText(text);
    QCOMPARE(label.Text(), text);
}

void TestAboutBox::scrollsOnlyWhileShown() {
    QWidget parent;
    TScrollingLabel label(QStringLiteral("label"), &parent);
    QVERIFY(!label.Scrolling());
    parent.show();
    QVERIFY(label.Scrolling());
    label.hide();
    QVERIFY(!label.Scrolling());
    label.show();
    QVERIFY(label.Scrolling());
}

void TestAboutBox::clickSignal_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<int>("clicks");
    QTest::newRow("left, released over it") << Qt::LeftButton << QPoint(10, 10) << 1;
    QTest::newRow("left, released outside") << Qt::LeftButton << QPoint(10, 60) << 0;
    QTest::newRow("right") << Qt::RightButton << QPoint(10, 10) << 0;
}

void TestAboutBox::clickSignal() {
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(int, clicks);
    QWidget parent;
    parent.resize(200, 100);
    TScrollingLabel label(QStringLiteral("label"), &parent);
    label.setGeometry(0, 0, 200, 22);
    parent.show();
    QSignalSpy clicked(&label, &TScrollingLabel::clicked);
    QTest::mousePress(&label, button, {}, QPoint(10, 10));
    QTest::mouseRelease(&label, button, {}, releaseAt);
    QCOMPARE(clicked.count(), clicks);
}

// ---- the blinking label -------------------------------------------------

void TestAboutBox::blinking_data() {
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("lasts");
    QTest::newRow("at first") << 0 << true << 400;
    QTest::newRow("first hiding") << 1 << false << 400;
    QTest::newRow("back") << 2 << true << 200;
    QTest::newRow("hidden again") << 3 << false << 400;
    QTest::newRow("shown again") << 4 << true << 200;
    QTest::newRow("later, hidden") << 9 << false << 400;
}

void TestAboutBox::blinking() {
    QFETCH(int, steps);
    QFETCH(bool, shown);
    QFETCH(int, lasts);
    for (bool onScreen : {false, true}) {
        QWidget parent;
        TBlinkingLabel label(QStringLiteral("label"), QStringLiteral("FreeWare"), &parent);
        if (onScreen) parent.show();
        for (int i = 0; i < steps; ++i) label.Step();
        QCOMPARE(label.Shown(), shown);
        QCOMPARE(label.isVisibleTo(&parent), shown);
        if (onScreen) QCOMPARE(label.isVisible(), shown);
        QCOMPARE(label.StateMilliseconds(), lasts);
        QVERIFY(label.Blinking());
    }
}

void TestAboutBox::realTimersRun() {
    TAboutBox box(QStringLiteral("1.1"), nullptr);
    box.show();
    const QString start = box.JvScrollingLabel1->Text();
    QVERIFY(box.FreeWareLabel->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(box.JvScrollingLabel1->Text() != start, 2000);
    QTRY_VERIFY_WITH_TIMEOUT(!box.FreeWareLabel->isVisible(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(box.FreeWareLabel->isVisible(), 2000);
}

// ---- the box --------------------------------------------------------------

void TestAboutBox::text_data() {
    QTest::addColumn<QString>("version");
    QTest::newRow("no version found") << QStringLiteral("1.1");
    QTest::newRow("program version") << QStringLiteral("1.2.0.1");
}

void TestAboutBox::text() {
    QFETCH(QString, version);
    TAboutBox box(version, nullptr);
    const QString text = box.JvScrollingLabel1->Text();
    const QString expected = ExpectedText(version);
    QVERIFY2(text.startsWith(expected), qPrintable(text));
    QCOMPARE(text.mid(expected.size()), Blanks(static_cast<int>(text.size() - expected.size())));
    // At least as wide as the label, so the text never shows twice at once.
    QVERIFY(QFontMetrics(box.JvScrollingLabel1->font()).horizontalAdvance(text) >= box.JvScrollingLabel1->width());
}

void TestAboutBox::frameAndControls() {
    TAboutBox box(QStringLiteral("1.1"), nullptr);
    QCOMPARE(box.objectName(), QStringLiteral("AboutBox"));
    QCOMPARE(box.windowTitle(), QStringLiteral("A propos"));
    QCOMPARE(box.minimumSize(), QSize(298, 186));
    QCOMPARE(box.maximumSize(), QSize(298, 186));
    const Qt::WindowFlags flags = box.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!(flags & (Qt::WindowContextHelpButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    // The picture has to come out of the resources compiled into the library.
    QCOMPARE(box.Image1->pixmap().size(), QSize(306, 188));
    QCOMPARE(box.Image1->geometry(), QRect(0, 0, 297, 186));

    const TScrollingLabel* label = box.JvScrollingLabel1;
    QCOMPARE(label->x(), 0);
    QCOMPARE(label->size(), QSize(298, 22));
    QVERIFY(qAbs(label->geometry().center().y() - 186 * 2 / 3) <= 10);
    QCOMPARE(label->font().pixelSize(), 16);
    QVERIFY(label->font().bold() && label->font().italic() && !label->font().underline());
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::blue));
    // A hand over the line only when the build gives an address to open.
    QCOMPARE(label->cursor().shape(), QString::fromUtf8(ferrino::build::kWebAddress).isEmpty() ? Qt::ArrowCursor
                                                                                               : Qt::PointingHandCursor);
    TAboutBox linked(QStringLiteral("1.1"), nullptr, QStringLiteral("Équipe Ferrino"), kAddress);
    QCOMPARE(linked.JvScrollingLabel1->cursor().shape(), Qt::PointingHandCursor);

    QCOMPARE(box.FreeWareLabel->text(), QStringLiteral("FreeWare"));
    QCOMPARE(box.OKButton->text(), QStringLiteral("OK"));
    QVERIFY(box.OKButton->isDefault());
    QVERIFY(box.OKButton->x() < 20 && box.OKButton->geometry().bottom() > 186 - 20);

    box.show();
    QCOMPARE(box.size(), QSize(298, 186));
}

void TestAboutBox::hoverUnderlinesAndScrollingGoesOn() {
    TAboutBox box(QStringLiteral("1.2.0.1"), nullptr, QStringLiteral("Équipe Ferrino"), kAddress);
    box.show();
    TScrollingLabel* label = box.JvScrollingLabel1;
    const QString start = label->Text();

    SendEnter(label);
    QVERIFY(label->font().underline() && label->font().bold() && label->font().italic());
    QCOMPARE(label->font().pixelSize(), 16);
    label->Step();
    QCOMPARE(label->Text(), TurnedRight(start, 1));

    SendLeave(label);
    QVERIFY(!label->font().underline() && label->font().bold() && label->font().italic());
    label->Step();
    QCOMPARE(label->Text(), TurnedRight(start, 2));  // the font change kept its place
}

void TestAboutBox::clickOpensAddressAndStays() {
    const QUrl expected = QUrl::fromUserInput(kAddress);
    QVERIFY(expected.isValid());
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(expected.scheme(), &catcher, "open");
    TAboutBox box(QStringLiteral("1.1"), nullptr, QStringLiteral("Équipe Ferrino"), kAddress);
    QCOMPARE(box.WebAddress(), expected);
    QVERIFY(box.JvScrollingLabel1->Text().startsWith(QStringLiteral("Ferrino 1.1 Équipe Ferrino https://ferrino.test")));
    box.show();
    QTest::mouseClick(box.JvScrollingLabel1, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(expected.scheme());
    QCOMPARE(catcher.urls, QList<QUrl>{expected});
    QVERIFY(box.isVisible());
    QVERIFY(box.JvScrollingLabel1->Scrolling());
}

void TestAboutBox::noAddressNoLink() {
    // Without an address (the build's default) the line names the author and
    // stops; it is no link: no hand, no underline, a click opens nothing.
    UrlCatcher catcher;
    for (const char* scheme : {"http", "https", "file"}) QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "open");
    TAboutBox box(QStringLiteral("1.2.0.1"), nullptr, QStringLiteral("Équipe Ferrino"), QString());
    box.show();
    TScrollingLabel* label = box.JvScrollingLabel1;
    QVERIFY(!box.HasLink());
    QVERIFY(box.WebAddress().isEmpty());
    const QString text = label->Text();
    QVERIFY2(text.startsWith(QStringLiteral("Ferrino 1.2.0.1 Équipe Ferrino ")), qPrintable(text));
    QCOMPARE(text.trimmed(), QStringLiteral("Ferrino 1.2.0.1 Équipe Ferrino"));
    QVERIFY(!text.contains(QStringLiteral("example")) && !text.contains(QStringLiteral("http")));
    QCOMPARE(label->cursor().shape(), Qt::ArrowCursor);
    SendEnter(label);
    QVERIFY(!label->font().underline());
    QTest::mouseClick(label, Qt::LeftButton);
    for (const char* scheme : {"http", "https", "file"}) QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    QVERIFY(catcher.urls.isEmpty());
    QVERIFY(box.isVisible());
    // The build's own box follows the build's setting.
    TAboutBox built(QStringLiteral("1.1"), nullptr);
    QCOMPARE(built.HasLink(), !QString::fromUtf8(ferrino::build::kWebAddress).isEmpty());
}

void TestAboutBox::closing_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("OK") << QStringLiteral("ok");
    QTest::newRow("Enter") << QStringLiteral("enter");
    QTest::newRow("close box") << QStringLiteral("close");
}

void TestAboutBox::closing() {
    QFETCH(QString, how);
    TAboutBox box(QStringLiteral("1.1"), nullptr);
    box.show();
    QVERIFY(box.isVisible());
    if (how == QLatin1String("ok"))
        QTest::mouseClick(box.OKButton, Qt::LeftButton);
    else if (how == QLatin1String("enter"))
        QTest::keyClick(&box, Qt::Key_Return);
    else
        box.close();
    QVERIFY(!box.isVisible());
    QVERIFY(!box.JvScrollingLabel1->Scrolling());
    if (how != QLatin1String("close")) QCOMPARE(box.result(), int(QDialog::Accepted));
}

void TestAboutBox::showModalMakesAFreshBoxEachTime() {
    QWidget owner;
    owner.setGeometry(200, 150, 534, 298);
    owner.show();

    struct Seen {
        QPointer<TAboutBox> box;
        QString startText;
        QString stepped;
        bool modal = false;
        QPoint offCentre;
    };
    QList<Seen> seen;
    QTimer watchdog;  // a box left open would hang the test
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });

    for (int showing = 0; showing < 2; ++showing) {
        QTimer::singleShot(0, &owner, [&] {
            Seen now;
            now.box = AboutBox;
            if (AboutBox) {
                now.startText = AboutBox->JvScrollingLabel1->Text();
                for (int i = 0; i < 5; ++i) AboutBox->JvScrollingLabel1->Step();
                now.stepped = AboutBox->JvScrollingLabel1->Text();
                now.modal = QApplication::activeModalWidget() == AboutBox && AboutBox->isVisible();
                now.offCentre = AboutBox->frameGeometry().center() - owner.frameGeometry().center();
                AboutBox->OKButton->click();
            }
            seen << now;
        });
        watchdog.start(5000);
        TAboutBox::ShowModal(QStringLiteral("1.2.0.1"), &owner);
        watchdog.stop();
        QCOMPARE(AboutBox, nullptr);
    }

    QCOMPARE(seen.size(), 2);
    for (const Seen& s : seen) {
        QVERIFY(s.box.isNull());  // deleted once closed
        QVERIFY2(s.startText.startsWith(ExpectedText(QStringLiteral("1.2.0.1"))), qPrintable(s.startText));
        QCOMPARE(s.stepped, TurnedRight(s.startText, 5));
        QVERIFY(s.modal);
        QVERIFY2(s.offCentre.manhattanLength() <= 4,
                 qPrintable(QStringLiteral("%1,%2").arg(s.offCentre.x()).arg(s.offCentre.y())));
    }
    QVERIFY(owner.findChildren<TAboutBox*>().isEmpty());
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
