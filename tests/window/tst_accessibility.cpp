// What a screen reader finds in the window, walked through QAccessible as an
// assistive technology walks it, and the events that make it speak, recorded
// by an update handler that stands in for the platform's.
//
// Offscreen, nothing turns accessibility on: the test does it through the
// platform's accessibility object, as Qt's own tests do (qt6-base-private-dev).
#include <QAccessible>
#include <QComboBox>
#include <QDesktopServices>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <functional>

#include "AboutBox.h"
#include "Arrow.h"
#include "ArrowButton.h"
#include "BlinkingLabel.h"
#include "BuildInfo.h"
#include "CandidateList.h"
#include "KeyPage.h"
#include "ScrollingLabel.h"
#include "SlidingLabel.h"

#include "WindowTest.h"

#if FERRINO_HAVE_QPA_ACCESSIBILITY
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

namespace {

// An event as the handler saw it, with what it named at that moment.
struct Seen {
    QAccessible::Event type;
    QPointer<QObject> object;
    int child;
    QString name;
    QAccessible::Role role = QAccessible::NoRole;
    QAccessible::State changed;
    QAccessibleInterface* iface = nullptr;
};

QList<Seen> events;

void Record(QAccessibleEvent* event) {
    Seen seen{event->type(), event->object(), event->child(), {}, QAccessible::NoRole, {}};
    // Only events about finished widgets are resolved: asking for the
    // interface of a widget under construction would cache the wrong one.
    switch (event->type()) {
    case QAccessible::Focus:
    case QAccessible::Selection:
    case QAccessible::SelectionAdd:
    case QAccessible::SelectionRemove:
    case QAccessible::ObjectShow:
    case QAccessible::ObjectHide:
    case QAccessible::Alert:
    case QAccessible::StateChanged:
    case QAccessible::NameChanged:
        // A new name is resolved only for what has no object of its own (a message).
        if (event->type() == QAccessible::NameChanged && event->object()) break;
        if (QAccessibleInterface* iface = event->accessibleInterface()) {
            seen.name = iface->text(QAccessible::Name);
            seen.role = iface->role();
            seen.iface = iface;
        }
        if (event->type() == QAccessible::StateChanged)
            seen.changed = static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
        break;
    default:
        break;
    }
    events << seen;
}

QList<Seen> EventsOf(QAccessible::Event type) {
    QList<Seen> found;
    for (const Seen& seen : events)
        if (seen.type == type) found << seen;
    return found;
}

QAccessibleInterface* Iface(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

// The page's candidate list shown with a few rows, as after a search.
void ShowRows(TKeyPage* page) {
    TCandidateList* list = page->List();
    list->Clear();
    for (const char* row : {"1 23 45", "2 34 56", "3 45 67"}) list->Rows().Add(row);
    list->Publish();
    page->ShowOutcome(true);
}

// Every interface an assistive technology reaches from `root` through the
// children, leaving out what does not show.
void Walk(QAccessibleInterface* iface, const std::function<void(QAccessibleInterface*)>& visit, int depth = 0) {
    QVERIFY(iface);
    QVERIFY(depth < 30);
    if (iface->state().invisible) return;
    visit(iface);
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        QVERIFY2(child, qPrintable(QStringLiteral("%1: child %2 of %3").arg(iface->text(QAccessible::Name)).arg(i).arg(iface->childCount())));
        QCOMPARE(iface->indexOfChild(child), i);
        QCOMPARE(child->parent(), iface);
        Walk(child, visit, depth + 1);
    }
}

QAccessibleInterface* FindRole(QAccessibleInterface* root, QAccessible::Role role) {
    QAccessibleInterface* found = nullptr;
    Walk(root, [&](QAccessibleInterface* iface) {
        if (!found && iface->role() == role) found = iface;
    });
    return found;
}

QStringList LabelsOf(QAccessibleInterface* iface) {
    QStringList labels;
    for (const auto& [label, relation] : iface->relations(QAccessible::Label))
        labels << qobject_cast<QLabel*>(label->object())->text();
    return labels;
}

// The picture of a widget as it is drawn now.
QImage Picture(QWidget* widget) { return widget->grab().toImage(); }

const QString kAddress = QStringLiteral("https://ferrino.test");

// An About box whose line opens an address, as a build with one makes it.
struct LinkedBox : TAboutBox {
    LinkedBox() : TAboutBox(QStringLiteral("1.2.0.1"), nullptr, QStringLiteral("Équipe Ferrino"), kAddress) {}
};

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

}  // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init() { events.clear(); }

    void everyPageIsNamedAndLabelled();
    void fieldNames_data();
    void fieldNames();
    void descriptionFollowsTheShownParts();
    void pageTabs();
    void pageChangeIsAnnounced();
    void candidateListAnnouncesTheCurrentRow();
    void countryListShowsOnlyWhenOpen();
    void messagesAreAnnounced();
    void drawnWidgets();
    void aboutBox();
    void blinkingDoesNotFloodTheBus();
    void keyboardReachesEveryControl();
    void focusIsVisible();
};

namespace {

// Whether an assistive technology is listening, as the platform tells it.
bool SetActive(bool active) {
#if FERRINO_HAVE_QPA_ACCESSIBILITY
    QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (!platform) return false;
    platform->setActive(active);
    return QAccessible::isActive() == active;
#else
    Q_UNUSED(active);
    return false;
#endif
}

}  // namespace

void TestAccessibility::initTestCase() {
    QAccessible::installUpdateHandler(Record);
    if (!SetActive(true))
        QSKIP("Accessibility cannot be turned on offscreen without Qt's platform headers (Debian package "
              "qt6-base-private-dev; ./test.sh installs it)");
    QVERIFY(QAccessible::isActive());
}

void TestAccessibility::cleanupTestCase() {
    SetActive(false);
    QAccessible::installUpdateHandler(nullptr);
}

// Every page, as it first shows and with its list after a search: whatever
// can take the focus has a name and a role, every field is labelled, and no
// arrow is in the tree.
void TestAccessibility::everyPageIsNamedAndLabelled() {
    ShownWindow s;
    for (int page = 0; page < TMainWindow::kPageCount; ++page) {
        s.Page(page);
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 1) ShowRows(s.window.Page(page));
            int fields = 0;
            Walk(Iface(&s.window), [&](QAccessibleInterface* iface) {
                const QString what = iface->object() ? iface->object()->objectName() : iface->text(QAccessible::Name);
                QVERIFY2(iface->role() != QAccessible::NoRole, qPrintable(what));
                if (iface->state().focusable)
                    QVERIFY2(!iface->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(what));
                QVERIFY2(!qobject_cast<TArrow*>(iface->object()), qPrintable(what));
                const bool field = qobject_cast<QLineEdit*>(iface->object()) || qobject_cast<QComboBox*>(iface->object());
                if (!field) return;
                ++fields;
                // The CIP/ACL key is the one field with no label beside it.
                if (what == QLatin1String("Fcip2")) return;
                QVERIFY2(!LabelsOf(iface).isEmpty(), qPrintable(what));
            });
            QVERIFY2(fields > 0, qPrintable(s.window.Page(page)->TabCaption()));
        }
        // The arrows are still there, for the eye.
        if (page == 0) QVERIFY(!s.window.Page(page)->findChildren<TArrow*>().isEmpty());
    }
}

void TestAccessibility::fieldNames_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("label");
    const QString none;
    QTest::newRow("INSEE") << "EM_INSEE" << "Numéro Insee" << "Sexe, Année, Mois, Département, Commune, Ordre, Clé"
                           << "Numéro Insee :";
    QTest::newRow("RIB") << "em_rib" << "RIB/RIP" << "Etablissement, Guichet, Compte, Clé" << "RIB/RIP :";
    QTest::newRow("IBAN country") << "Edit_Iban_country" << "Code pays" << "Partie 1 sur 3" << "Code pays";
    QTest::newRow("IBAN key") << "em_iban_cle" << "Clé de contrôle" << "Partie 2 sur 3" << "Clé de contrôle";
    QTest::newRow("IBAN BBAN") << "em_iban" << "Numéro de compte BBAN" << "Partie 3 sur 3" << "Numéro de compte BBAN";
    QTest::newRow("health") << "Em_prof" << "Numero" << "Département, Catégorie, Numéro d'inscription, Clé" << "Numero :";
    QTest::newRow("AVS") << "Em_avs" << "Numéro AVS"
                         << "Groupe du nom, Année de naissance, Sexe, jour et mois de naissance, Numéro d'ordre et clé"
                         << "Numéro AVS :";
    QTest::newRow("ISBN") << "em_isbn" << "ISBN" << none << "ISBN";
    QTest::newRow("card") << "em_cb" << "Numéro" << none << "Numéro";
    QTest::newRow("SIREN") << "EM_siren" << "Numéro" << none << "Numéro";
    QTest::newRow("SIRET") << "em_siret" << "Siret" << "Numéro RCS (SIREN), Numéro d'établissement, Clé de contrôle"
                           << "Siret";
    QTest::newRow("EAN type") << "Cb_ean" << "Type" << none << "Type :";
    QTest::newRow("EAN") << "em_ean" << "Numéro" << none << "Numéro :";
    QTest::newRow("SIN") << "em_sin" << "SIN" << none << "SIN";
    const char* vin[][2] = {{"Vin1", "Code pays"},     {"Vin2", "Code constructeur"},
                            {"Vin3", "Type"},          {"VIn4", "Particularités du véhicule"},
                            {"Vin5", "Clé de contrôle"}, {"Vin6", "Année"},
                            {"VIn7", "Usine d'assemblage"}, {"Vin8", "Numéro de série"}};
    for (int i = 0; i < 8; ++i)
        QTest::newRow(vin[i][0]) << vin[i][0] << QString::fromUtf8(vin[i][1]) << QStringLiteral("Partie %1 sur 8").arg(i + 1)
                                 << (QString::fromUtf8(vin[i][1]) + (i < 4 ? QStringLiteral(" :") : QString()));
    QTest::newRow("CIP code") << "Fcip1" << "Numero" << none << "Numero :";
    QTest::newRow("CIP key") << "Fcip2" << "Clé" << none << none;
}

void TestAccessibility::fieldNames() {
    QFETCH(QString, field);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(QString, label);
    TMainWindow window;
    QWidget* widget = Find(&window, qPrintable(field));
    QCOMPARE(widget->accessibleName(), name);
    QCOMPARE(widget->accessibleDescription(), description);
    QAccessibleInterface* iface = Iface(widget);
    // A drop-down box too is named by its label, not by its value.
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->text(QAccessible::Description), description);
    QCOMPARE(LabelsOf(iface), label.isEmpty() ? QStringList() : QStringList{label});
    if (!label.isEmpty()) {
        // ...and the label says what it labels.
        QAccessibleInterface* labelIface = iface->relations(QAccessible::Label).first().first;
        const auto labelled = labelIface->relations(QAccessible::Labelled);
        QCOMPARE(labelled.size(), 1);
        QCOMPARE(labelled.first().first, iface);
    }
}

// The AVS page names the parts of the old number or of the current one,
// whichever the field holds.
void TestAccessibility::descriptionFollowsTheShownParts() {
    ShownWindow s;
    s.Page(4);
    QLineEdit* field = Field(&s.window, "Em_avs");
    const QString oldForm = QStringLiteral("Groupe du nom, Année de naissance, Sexe, jour et mois de naissance, Numéro d'ordre et clé");
    QCOMPARE(Iface(field)->text(QAccessible::Description), oldForm);
    Type(field, "7561234567897");
    ClickCalcule(&s.window);
    QCOMPARE(Iface(field)->text(QAccessible::Description), QStringLiteral("Code pays, Numéro personnel, Clé de contrôle"));
    Type(field, "12345678");
    ClickCalcule(&s.window);
    QCOMPARE(Iface(field)->text(QAccessible::Description), oldForm);
}

void TestAccessibility::pageTabs() {
    ShownWindow s;
    TWrapTabBar* bar = s.window.PageControl()->TabBar();
    QAccessibleInterface* tabs = FindRole(Iface(&s.window), QAccessible::PageTabList);
    QVERIFY(tabs);
    QCOMPARE(tabs->object(), bar);
    QCOMPARE(tabs->text(QAccessible::Name), QStringLiteral("Pages"));
    QVERIFY(tabs->state().focusable);
    QCOMPARE(tabs->childCount(), 13);
    for (int page : {0, 4, 12}) {
        s.Page(page);
        for (int i = 0; i < 13; ++i) {
            QAccessibleInterface* tab = tabs->child(i);
            QCOMPARE(tab->role(), QAccessible::PageTab);
            QCOMPARE(tab->text(QAccessible::Name), s.window.Page(i)->TabCaption());
            QCOMPARE(bool(tab->state().selected), i == page);
            QVERIFY(tab->state().selectable);
            QVERIFY(!tab->state().invisible);
            QCOMPARE(tab->rect(), QRect(bar->mapToGlobal(bar->TabRect(i).topLeft()), bar->TabRect(i).size()));
            QCOMPARE(tabs->childAt(tab->rect().center().x(), tab->rect().center().y()), tab);
            QCOMPARE(tab->parent(), tabs);
        }
        // The page itself is a pane named by its tab.
        QAccessibleInterface* pane = Iface(s.window.Page(page));
        QCOMPARE(pane->role(), QAccessible::Pane);
        QCOMPARE(pane->text(QAccessible::Name), s.window.Page(page)->TabCaption());
    }
    // "Press" on a tab shows its page.
    tabs->child(9)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(s.window.PageControl()->currentIndex(), 9);
    // With the focus on the tabs, the current tab is the focused child.
    bar->setFocus();
    QCOMPARE(tabs->focusChild(), tabs->child(9));
    QVERIFY(tabs->child(9)->state().focused);
}

void TestAccessibility::pageChangeIsAnnounced() {
    ShownWindow s;
    TWrapTabBar* bar = s.window.PageControl()->TabBar();
    // From a field, with Ctrl+Tab: the new tab is selected and the old one no longer.
    events.clear();
    QTest::keyClick(Field(&s.window, "EM_INSEE"), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(s.window.PageControl()->currentIndex(), 1);
    QList<Seen> selection = EventsOf(QAccessible::Selection);
    QCOMPARE(selection.size(), 1);
    QCOMPARE(selection.first().object.data(), bar);
    QCOMPARE(selection.first().child, 1);
    QCOMPARE(selection.first().name, QStringLiteral("Clé RIB/RIP"));
    QCOMPARE(selection.first().role, QAccessible::PageTab);
    QStringList selectedChanges;
    for (const Seen& seen : EventsOf(QAccessible::StateChanged))
        if (seen.changed.selected) selectedChanges << seen.name;
    QCOMPARE(selectedChanges, QStringList({"Clé Insee", "Clé RIB/RIP"}));
    // The focus went into the new page, which names it.
    QCOMPARE(QApplication::focusWidget(), Field(&s.window, "em_rib"));

    // On the tabs, with the arrow keys: the focus follows the tab.
    bar->setFocus();
    QTest::qWait(1);  // the focused tab is told once the focus has landed
    QList<Seen> focus = EventsOf(QAccessible::Focus);
    QVERIFY(!focus.isEmpty());
    QCOMPARE(focus.last().name, QStringLiteral("Clé RIB/RIP"));
    QCOMPARE(focus.last().role, QAccessible::PageTab);
    events.clear();
    QTest::keyClick(bar, Qt::Key_Right);
    focus = EventsOf(QAccessible::Focus);
    QCOMPARE(focus.size(), 1);
    QCOMPARE(focus.first().object.data(), bar);
    QCOMPARE(focus.first().child, 2);
    QCOMPARE(focus.first().name, QStringLiteral("CLé IBAN"));
}

void TestAccessibility::candidateListAnnouncesTheCurrentRow() {
    ShownWindow s;
    auto* list = Find<TCandidateList>(&s.window, "LB_insee");
    QAccessibleInterface* iface = Iface(list);
    QCOMPARE(iface->role(), QAccessible::List);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Candidats"));
    QVERIFY(iface->state().invisible);

    Type(Field(&s.window, "EM_INSEE"), "1 85 05 78 006 0?4");
    ClickCalcule(&s.window);
    QCOMPARE(list->Count(), 10);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("10 candidats"));
    QCOMPARE(iface->childCount(), 10);
    QVERIFY(!iface->state().invisible);
    for (int row = 0; row < 10; ++row) {
        QAccessibleInterface* item = iface->child(row);
        QCOMPARE(item->role(), QAccessible::ListItem);
        QCOMPARE(item->text(QAccessible::Name), list->RowText(row));
        QVERIFY(!item->state().invisible);
    }
    QCOMPARE(iface->child(3)->rect(),
             QRect(list->viewport()->mapToGlobal(list->visualRect(list->model()->index(3, 0)).topLeft()), QSize(list->visualRect(list->model()->index(3, 0)).size())));

    // Into the list with Tab: the list, then its current row, once.
    events.clear();
    list->setFocus(Qt::TabFocusReason);
    QTest::qWait(1);
    QVERIFY(list->currentIndex().isValid());
    const int first = list->currentIndex().row();
    QList<Seen> focus = EventsOf(QAccessible::Focus);
    QCOMPARE(focus.size(), 2);
    QCOMPARE(focus.first().object.data(), list);
    QCOMPARE(focus.first().child, -1);
    QCOMPARE(focus.last().child, first);
    QCOMPARE(focus.last().name, list->RowText(first));

    // Every move by keyboard: a focus event and a selection event for the new
    // row, nothing else. (The first Down selects the row the list came in on,
    // and tells it as well.)
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_End, Qt::Key_Up, Qt::Key_Home}) {
        events.clear();
        QTest::keyClick(list, key);
        const int row = list->currentIndex().row();
        focus = EventsOf(QAccessible::Focus);
        QCOMPARE(focus.size(), 1);
        QCOMPARE(focus.first().object.data(), list);
        QCOMPARE(focus.first().child, row);
        QCOMPARE(focus.first().role, QAccessible::ListItem);
        QCOMPARE(focus.first().name, list->RowText(row));
        const QList<Seen> selection = EventsOf(QAccessible::Selection);
        QCOMPARE(selection.size(), 1);
        QCOMPARE(selection.first().child, row);
        QVERIFY(iface->child(row)->state().focused);
        QVERIFY(iface->child(row)->state().selected);
        QCOMPARE(iface->focusChild(), iface->child(row));
        QCOMPARE(list->SelectedRow(), row);
    }
    // Many rows selected at once: one event for the list, none per row.
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QVERIFY(iface->state().extSelectable);
    events.clear();
    list->selectAll();
    QCOMPARE(EventsOf(QAccessible::SelectionWithin).size(), 1);
    QCOMPARE(EventsOf(QAccessible::SelectionWithin).first().child, -1);
    QVERIFY(EventsOf(QAccessible::SelectionAdd).isEmpty());
    QVERIFY(EventsOf(QAccessible::Selection).isEmpty());
    for (int row = 0; row < 10; ++row) QVERIFY(iface->child(row)->state().selected);
    list->setSelectionMode(QAbstractItemView::SingleSelection);

    // The rows are made once and kept; a new search replaces them.
    QAccessibleInterface* kept = iface->child(2);
    QCOMPARE(iface->child(2), kept);
    QCOMPARE(iface->childAt(kept->rect().center().x(), kept->rect().center().y()), kept);
    Type(Field(&s.window, "EM_INSEE"), "1 85 05 78 006 08? 00");
    ClickCalcule(&s.window);
    QCOMPARE(iface->childCount(), 0);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("0 candidat"));
}

void TestAccessibility::countryListShowsOnlyWhenOpen() {
    ShownWindow s;
    s.Page(2);
    auto* countries = Find<TCandidateList>(&s.window, "LB_iban1");
    QAccessibleInterface* iface = Iface(countries);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Pays"));
    QVERIFY(iface->text(QAccessible::Description).endsWith(QStringLiteral(" lignes")));
    // Closed: neither the list nor any of its rows is showing.
    QVERIFY(iface->state().invisible);
    for (int row : {0, 1, countries->Count() - 1}) QVERIFY(iface->child(row)->state().invisible);

    // Opened with the Down key in the country code, on the country of the field.
    QLineEdit* country = Field(&s.window, "Edit_Iban_country");
    country->setFocus();
    events.clear();
    QTest::keyClick(country, Qt::Key_Down);
    QVERIFY(countries->isVisible());
    QVERIFY(countries->hasFocus());
    QVERIFY(!iface->state().invisible);
    const int fr = countries->currentIndex().row();
    QCOMPARE(iface->child(fr)->text(QAccessible::Name), QStringLiteral("FR (FRANCE)"));
    QVERIFY(!iface->child(fr)->state().invisible);
    QVERIFY(!iface->child(fr)->state().offscreen);
    QVERIFY(iface->child(0)->state().offscreen);  // open, but scrolled out of view
    QTest::qWait(1);
    QList<Seen> focus = EventsOf(QAccessible::Focus);
    QVERIFY(!focus.isEmpty());
    QCOMPARE(focus.last().name, QStringLiteral("FR (FRANCE)"));
    events.clear();
    QTest::keyClick(countries, Qt::Key_Down);
    focus = EventsOf(QAccessible::Focus);
    QCOMPARE(focus.size(), 1);
    QCOMPARE(focus.first().name, countries->RowText(fr + 1).trimmed());
    QCOMPARE(country->text(), countries->RowText(fr + 1).left(2));
    // Closed with Enter: hidden again.
    QTest::keyClick(countries, Qt::Key_Return);
    QVERIFY(!countries->isVisible());
    QVERIFY(iface->state().invisible);
    QVERIFY(iface->child(fr)->state().invisible);
}

void TestAccessibility::messagesAreAnnounced() {
    ShownWindow s;
    // The red INSEE message: a notification that shows, and an alert.
    Type(Field(&s.window, "EM_INSEE"), "18505780");
    events.clear();
    ClickCalcule(&s.window);
    auto* message = Find<TSlidingLabel>(&s.window, "MSG_insee");
    QVERIFY(message->isVisible());
    QCOMPARE(Iface(message)->role(), QAccessible::Notification);
    const QString text = QStringLiteral("Trop de chiffres inconnus ! Calcul impossible.");
    QCOMPARE(Iface(message)->text(QAccessible::Name), text);
    bool shown = false;
    for (const Seen& seen : EventsOf(QAccessible::ObjectShow))
        shown = shown || (seen.object == message && seen.role == QAccessible::Notification && seen.name == text);
    QVERIFY(shown);
    const auto alertsOf = [](QObject* object) {
        int alerts = 0;
        for (const Seen& seen : EventsOf(QAccessible::Alert)) alerts += seen.object == object;
        return alerts;
    };
    QCOMPARE(alertsOf(message), 1);
    // Retracted by the next "Calcule": no longer showing; shown again, told again.
    Type(Field(&s.window, "EM_INSEE"), "1850578006084");
    ClickCalcule(&s.window);
    QVERIFY(Iface(message)->state().invisible);
    Type(Field(&s.window, "EM_INSEE"), "185");
    events.clear();
    ClickCalcule(&s.window);
    QCOMPARE(alertsOf(message), 1);

    // The status bar: every new message is a notification of its own that shows.
    auto* bar = Find<QStatusBar>(&s.window, "StatusBar1");
    QAccessibleInterface* barIface = Iface(bar);
    QCOMPARE(barIface->role(), QAccessible::StatusBar);
    QAccessibleInterface* note = barIface->child(barIface->childCount() - 1);
    QCOMPARE(note->role(), QAccessible::Notification);
    QCOMPARE(note->parent(), barIface);
    for (const QString& verdict : {QStringLiteral("Clé exacte"), QStringLiteral("Clé fausse : la bonne est 91")}) {
        events.clear();
        bar->showMessage(verdict);
        const QList<Seen> shows = EventsOf(QAccessible::ObjectShow);
        QCOMPARE(shows.size(), 1);
        QCOMPARE(shows.first().role, QAccessible::Notification);
        QCOMPARE(shows.first().name, verdict);
        // A listener that keeps the names it has seen learns the new one before it shows.
        QString kept;
        for (const Seen& seen : events) {
            if (seen.type == QAccessible::NameChanged && seen.iface == note) kept = seen.name;
            if (seen.type == QAccessible::ObjectShow) break;
        }
        QCOMPARE(kept, verdict);
        QCOMPARE(EventsOf(QAccessible::Alert).size(), 1);
        QVERIFY(!note->state().invisible);
        QCOMPARE(note->text(QAccessible::Name), verdict);
        QCOMPARE(barIface->text(QAccessible::Name), verdict);
    }
    // Cleared: the notification no longer shows, and nothing is read out.
    events.clear();
    bar->clearMessage();
    QVERIFY(EventsOf(QAccessible::ObjectShow).isEmpty());
    QCOMPARE(EventsOf(QAccessible::ObjectHide).size(), 1);
    QVERIFY(note->state().invisible);

    // Whatever "Calcule" writes there is read out the same way.
    Type(Field(&s.window, "EM_INSEE"), "1850578006084");
    events.clear();
    ClickCalcule(&s.window);
    if (!bar->currentMessage().isEmpty()) {
        bool told = false;
        for (const Seen& seen : EventsOf(QAccessible::ObjectShow))
            told = told || (seen.role == QAccessible::Notification && seen.name == bar->currentMessage());
        QVERIFY2(told, qPrintable(bar->currentMessage()));
    }
}

void TestAccessibility::drawnWidgets() {
    ShownWindow s;
    s.Page(2);
    // The drop arrow of the country code: a named drop-down button whose "Press" opens the list.
    auto* drop = Find<TArrowButton>(&s.window, "ABtn_iban");
    QAccessibleInterface* button = Iface(drop);
    QCOMPARE(button->role(), QAccessible::ButtonDropDown);
    QCOMPARE(button->text(QAccessible::Name), QStringLiteral("Choisir le pays"));
    QVERIFY(button->state().focusable);
    QVERIFY(button->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    auto* countries = Find<TCandidateList>(&s.window, "LB_iban1");
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(countries->isVisible());
    QCOMPARE(countries->RowText(countries->SelectedRow()).left(2), QStringLiteral("FR"));
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(!countries->isVisible());

    // The arrows: in no page's children, and never showing when asked directly.
    for (int page = 0; page < TMainWindow::kPageCount; ++page) {
        QAccessibleInterface* pane = Iface(s.window.Page(page));
        const QList<TArrow*> arrows = s.window.Page(page)->findChildren<TArrow*>();
        int widgets = 0;
        for (QObject* child : s.window.Page(page)->children()) widgets += child->isWidgetType();
        QCOMPARE(pane->childCount(), widgets - arrows.size());
        for (TArrow* arrow : arrows) {
            QVERIFY(Iface(arrow)->state().invisible);
            QVERIFY(!Iface(arrow)->state().focusable);
            QCOMPARE(pane->indexOfChild(Iface(arrow)), -1);
            const QRect at = Iface(arrow)->rect();
            QAccessibleInterface* hit = pane->childAt(at.center().x(), at.center().y());
            QVERIFY(!hit || hit->object() != arrow);
        }
    }
}

void TestAccessibility::aboutBox() {
    // As the build makes it: the whole text, however far it has scrolled.
    {
        TAboutBox built(QStringLiteral("1.2.0.1"), nullptr);
        for (int i = 0; i < 7; ++i) built.JvScrollingLabel1->Step();
        const QString whole = Iface(built.JvScrollingLabel1)->text(QAccessible::Name);
        QVERIFY2(whole.startsWith(QStringLiteral("Ferrino 1.2.0.1")), qPrintable(whole));
        QCOMPARE(whole, built.JvScrollingLabel1->FullText());
        QVERIFY(!whole.endsWith(QLatin1Char(' ')));
    }
    // Without an address the line is plain text, with nothing to click.
    {
        TAboutBox plain(QStringLiteral("1.2.0.1"), nullptr, QStringLiteral("Équipe Ferrino"), QString());
        QAccessibleInterface* text = Iface(plain.JvScrollingLabel1);
        QCOMPARE(text->text(QAccessible::Name), QStringLiteral("Ferrino 1.2.0.1 Équipe Ferrino"));
        QCOMPARE(text->role(), QAccessible::StaticText);
        QVERIFY(!text->state().focusable);
        QVERIFY(!text->actionInterface()->actionNames().contains(QStringLiteral("click")));
    }

    LinkedBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    for (int i = 0; i < 7; ++i) box.JvScrollingLabel1->Step();
    QAccessibleInterface* text = Iface(box.JvScrollingLabel1);
    const QString whole = text->text(QAccessible::Name);
    QCOMPARE(whole, QStringLiteral("Ferrino 1.2.0.1 Équipe Ferrino https://ferrino.test"));
    QCOMPARE(text->role(), QAccessible::Link);
    QVERIFY(text->state().focusable);
    // "click" opens the address, as a click does.
    QAccessibleActionInterface* actions = text->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QStringLiteral("click")));
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(box.WebAddress().scheme(), &catcher, "open");
    actions->doAction(QStringLiteral("click"));
    QDesktopServices::unsetUrlHandler(box.WebAddress().scheme());
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl(kAddress)});
    QVERIFY(box.isVisible());

    // The picture has a name; every control of the box too.
    QAccessibleInterface* picture = Iface(box.Image1);
    QCOMPARE(picture->role(), QAccessible::Graphic);
    QVERIFY(!picture->text(QAccessible::Name).isEmpty());
    Walk(Iface(&box), [](QAccessibleInterface* iface) {
        QVERIFY(iface->role() != QAccessible::NoRole);
        if (iface->state().focusable) QVERIFY(!iface->text(QAccessible::Name).isEmpty());
    });
    QCOMPARE(Iface(box.FreeWareLabel)->text(QAccessible::Name), QStringLiteral("FreeWare"));
}

void TestAccessibility::blinkingDoesNotFloodTheBus() {
    TAboutBox box(QStringLiteral("1.2.0.1"), nullptr);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    events.clear();
    for (int i = 0; i < 10; ++i) box.FreeWareLabel->Step();
    QVERIFY(box.FreeWareLabel->isVisible());
    QVERIFY(box.FreeWareLabel->Blinking());
    for (const Seen& seen : events) QVERIFY(seen.object != box.FreeWareLabel);
    // With no assistive technology, it blinks as before.
    QVERIFY(SetActive(false));
    box.FreeWareLabel->Step();
    const bool hidden = !box.FreeWareLabel->isVisible();
    box.FreeWareLabel->Step();
    const bool back = box.FreeWareLabel->isVisible();
    QVERIFY(SetActive(true));
    QVERIFY(hidden);
    QVERIFY(back);
}

// Tab walks through every control that can take the focus, on every page,
// with its list shown or not, and in the About box.
void TestAccessibility::keyboardReachesEveryControl() {
    ShownWindow s;
    for (int page = 0; page < TMainWindow::kPageCount; ++page) {
        s.Page(page);
        for (int pass = 0; pass < 2; ++pass) {
            if (pass == 1) ShowRows(s.window.Page(page));
            QSet<QWidget*> wanted;
            for (QWidget* w : s.window.findChildren<QWidget*>())
                if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && !qobject_cast<QScrollBar*>(w))
                    wanted << w;
            QSet<QWidget*> reached;
            Button(&s.window, "Btncalc")->setFocus();
            for (int i = 0; i < 80 && reached.size() < wanted.size(); ++i) {
                reached << QApplication::focusWidget();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
            QStringList missed;
            for (QWidget* w : wanted)
                if (!reached.contains(w)) missed << w->objectName() + QLatin1Char('/') + QString::fromLatin1(w->metaObject()->className());
            QVERIFY2(missed.isEmpty(), qPrintable(s.window.Page(page)->TabCaption() + QStringLiteral(": ") + missed.join(QLatin1Char(' '))));
        }
    }

    // In the About box: "OK" first, then the scrolling text, which Enter or Space "clicks".
    LinkedBox box;
    box.show();
    QApplication::setActiveWindow(&box);
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QCOMPARE(QApplication::focusWidget(), box.OKButton);
    QTest::keyClick(box.OKButton, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), box.JvScrollingLabel1);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(box.WebAddress().scheme(), &catcher, "open");
    QTest::keyClick(box.JvScrollingLabel1, Qt::Key_Return);
    QTest::keyClick(box.JvScrollingLabel1, Qt::Key_Space);
    QDesktopServices::unsetUrlHandler(box.WebAddress().scheme());
    QCOMPARE(catcher.urls.size(), 2);
    QVERIFY(box.isVisible());
    QTest::keyClick(box.JvScrollingLabel1, Qt::Key_Escape);
    QVERIFY(!box.isVisible());
}

// The controls Ferrino draws itself show when they have the focus.
void TestAccessibility::focusIsVisible() {
    ShownWindow s;
    const auto differsWithFocus = [&](QWidget* widget, QWidget* elsewhere) {
        elsewhere->setFocus();
        const QImage without = Picture(widget);
        widget->setFocus();
        const bool focused = widget->hasFocus();
        const QImage with = Picture(widget);
        return focused && with != without;
    };
    QWidget* calcule = Button(&s.window, "Btncalc");
    QVERIFY(differsWithFocus(s.window.PageControl()->TabBar(), calcule));
    s.Page(2);
    QVERIFY(differsWithFocus(Find(&s.window, "ABtn_iban"), calcule));
    // An empty list after a search that found nothing.
    s.Page(0);
    Type(Field(&s.window, "EM_INSEE"), "1 85 05 78 006 08? 00");
    ClickCalcule(&s.window);
    auto* list = Find<TCandidateList>(&s.window, "LB_insee");
    QCOMPARE(list->Count(), 0);
    QVERIFY(differsWithFocus(list, calcule));

    LinkedBox box;
    box.show();
    QApplication::setActiveWindow(&box);
    QVERIFY(QTest::qWaitForWindowActive(&box));
    box.JvScrollingLabel1->Step();
    QVERIFY(differsWithFocus(box.JvScrollingLabel1, box.OKButton));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
