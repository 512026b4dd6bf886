#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QSettings>
#include <QStatusBar>
#include <QTranslator>

#include "AboutBox.h"
#include "ButtonPictures.h"
#include "CandidateList.h"
#include "Help.h"
#include "KeyPage.h"
#include "NumberField.h"
#include "PageControl.h"
#include "Pages.h"
#include "SearchFrame.h"
#include "StatusBar.h"
#include "DetailsPanel.h"
#include "Version.h"
#include "accessible/Factory.h"
#include "accessible/StatusAccessible.h"

namespace {

// Size of the pages' client area; the window is built around it.
constexpr QSize kPageSize(522, 200);
constexpr int kMargin = 4;
// The lines of each of the details panel's two columns.
constexpr int kDetailRows = 5;
constexpr int kButtonHeight = 27;

// The toolkit's own texts (a field's context menu...) in French.
void LoadFrenchTranslation() {
    static bool loaded = false;
    if (loaded || !qApp) return;
    loaded = true;
    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}

// The common buttons in the desktop's style, the one with the keyboard's
// focus also framed by a dotted line inside: the default button ("Calcule",
// or a focused button, which Enter presses) is drawn as the style draws it,
// and the focus must not look the same.
class TFocusFrameStyle : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element != CE_PushButton || !(option->state & State_HasFocus)) return;
        painter->save();
        QPen dots(option->palette.color(QPalette::ButtonText), 1, Qt::DotLine);
        painter->setPen(dots);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(4, 4, -5, -5));
        painter->restore();
    }
};

QFont DialogFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    return font;
}

}  // namespace

TMainWindow::TMainWindow(QWidget* parent) : QDialog(parent) {
    LoadFrenchTranslation();
    ferrino::a11y::InstallAccessibility();
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Ferrino"));
    setWindowIcon(ProgramIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint);
    setFont(DialogFont());
    setSizeGripEnabled(false);

    pageControl_ = new TPageControl(QStringLiteral("PageControl1"), this);
    const auto creators = {CreateInseePage, CreateRibPage,   CreateIbanPage,  CreateProfPage, CreateAvsPage,
                           CreateIsbnPage,  CreateCardPage,  CreateSirenPage, CreateSiretPage, CreateEanPage,
                           CreateSinPage,   CreateVinPage,   CreateCipPage};
    int index = 0;
    for (auto create : creators) {
        TKeyPage* page = create();
        page->setFixedSize(kPageSize);
        pages_[static_cast<std::size_t>(index++)] = page;
        pageControl_->addPage(page, page->TabCaption());
        connect(page, &TKeyPage::calculeRequested, this, &TMainWindow::BtncalcClick);
        connect(page, &TKeyPage::correctionsRequested, this, &TMainWindow::CorrectionsClick);
    }
    const QSize controlSize = pageControl_->SizeForPages(kPageSize);
    pageControl_->setGeometry(kMargin, kMargin, controlSize.width(), controlSize.height());

    const int width = controlSize.width() + 2 * kMargin;
    const int buttonsTop = pageControl_->geometry().bottom() + 7;
    BuildButtons(buttonsTop);

    // Under the buttons, what the current page's number says.
    details_ = new TDetailsPanel(QStringLiteral("Pnl_details"), this);
    const int detailsTop = buttonsTop + kButtonHeight + 7;
    details_->setGeometry(kMargin, detailsTop, controlSize.width(), details_->HeightForRows(kDetailRows));

    auto* statusBar = new TStatusBar(QStringLiteral("StatusBar1"), this);
    StatusBar1 = statusBar;
    const int statusTop = details_->geometry().bottom() + 1 + 5;
    const int statusHeight = statusBar->PreferredHeight();
    StatusBar1->setGeometry(0, statusTop, width, statusHeight);
    ferrino::a11y::AnnounceStatusMessages(StatusBar1);
    setFixedSize(width, statusTop + statusHeight);

    frame_ = new TSearchFrame(BitBtn2, [this] {
        for (TKeyPage* page : pages_) page->List()->Publish();
    }, this);
    connect(frame_, &TSearchFrame::idle, this, [this] {
        if (closeWhenIdle_) close();
    });
    // The status bar says what the last action found, until the next one,
    // "Effacer" or another page.
    connect(frame_, &TSearchFrame::verdict, StatusBar1, [this](const QString& text) {
        if (text.isEmpty())
            StatusBar1->clearMessage();
        else
            StatusBar1->showMessage(text);
    });
    connect(pageControl_, &TPageControl::currentChanged, StatusBar1, &QStatusBar::clearMessage);
    // A verdict is about the number its page showed: it goes as soon as a
    // field of that page changes (typed, pasted, undone, or written from a
    // list), so that it never speaks of another number. What an action
    // writes into the fields comes before its verdict.
    for (TKeyPage* page : pages_)
        for (TNumberField* field : page->NumberFields())
            connect(field, &QLineEdit::textChanged, StatusBar1, [this, page] {
                if (Page(pageControl_->currentIndex()) == page) StatusBar1->clearMessage();
            });
    // What a list's copy or save did ("1 679 616 lignes copiées.").
    for (TKeyPage* page : pages_)
        for (TCandidateList* list : page->findChildren<TCandidateList*>())
            connect(list, &TCandidateList::told, StatusBar1, [this](const QString& text) { StatusBar1->showMessage(text); });
    // The details follow the page shown and what its number says.
    const auto showDetails = [this] {
        const TKeyPage* page = Page(pageControl_->currentIndex());
        QStringList lines;
        if (page)
            for (const ferrino::Detail& detail : page->Details())
                lines << QString::fromUtf8(ferrino::DetailLine(detail).c_str());
        details_->ShowLines(lines);
    };
    connect(pageControl_, &TPageControl::currentChanged, details_, showDetails);
    for (TKeyPage* page : pages_)
        connect(page, &TKeyPage::detailsChanged, details_, [this, page, showDetails] {
            if (Page(pageControl_->currentIndex()) == page) showDetails();
        });
    // F3: the typing errors of the active page's number.
    auto* corrections = new QAction(QStringLiteral("Chercher les fautes de frappe"), this);
    corrections->setObjectName(QStringLiteral("ActionCorrections"));
    corrections->setShortcut(QKeySequence(Qt::Key_F3));
    corrections->setShortcutContext(Qt::WindowShortcut);
    connect(corrections, &QAction::triggered, this, &TMainWindow::CorrectionsClick);
    addAction(corrections);
    // F1: the help, as "Aide".
    auto* help = new QAction(QStringLiteral("Aide"), this);
    help->setObjectName(QStringLiteral("ActionHelp"));
    help->setShortcut(QKeySequence(Qt::Key_F1));
    help->setShortcutContext(Qt::WindowShortcut);
    connect(help, &QAction::triggered, this, &TMainWindow::BtnhelpClick);
    addAction(help);
    // A page that comes to show takes the focus into its number field.
    pageControl_->SetFocusInPage([this](int index) -> QWidget* {
        TKeyPage* page = Page(index);
        return page ? page->FirstField() : nullptr;
    });

    FormCreate();
}

TMainWindow::~TMainWindow() = default;

void TMainWindow::BuildButtons(int top) {
    struct CommonButton {
        QPushButton** button;
        const char* name;
        const char* caption;
        TButtonPicture picture;
        void (TMainWindow::*handler)();
    };
    const CommonButton buttons[] = {
        {&BitBtn2, "BitBtn2", "&Fermer", TButtonPicture::Close, &TMainWindow::BitBtn2Click},
        {&Btncalc, "Btncalc", "Calcule", TButtonPicture::Calculate, &TMainWindow::BtncalcClick},
        {&Btnclear, "Btnclear", "Effacer", TButtonPicture::Clear, &TMainWindow::BtnclearClick},
        {&BitBtn1, "BitBtn1", "A propos", TButtonPicture::About, &TMainWindow::BitBtn1Click},
        {&Btnhelp, "Btnhelp", "&Aide", TButtonPicture::Help, &TMainWindow::BtnhelpClick},
    };
    constexpr int kWidth = 92;
    constexpr int kGap = 12;
    const int total = 5 * kWidth + 4 * kGap;
    auto* focusStyle = new TFocusFrameStyle;
    focusStyle->setParent(this);
    int x = (pageControl_->width() + 2 * kMargin - total) / 2;
    for (const CommonButton& common : buttons) {
        auto* button = new QPushButton(ButtonPicture(common.picture), QString::fromUtf8(common.caption), this);
        button->setObjectName(QString::fromLatin1(common.name));
        // Enter on a focused button presses that button, as in any dialog;
        // while it has the focus, it is the one drawn as the default.
        button->setAutoDefault(true);
        button->setStyle(focusStyle);
        button->setGeometry(x, top, kWidth, kButtonHeight);
        connect(button, &QPushButton::clicked, this, common.handler);
        *common.button = button;
        x += kWidth + kGap;
    }
    // Enter in any field or list of the window presses "Calcule".
    Btncalc->setDefault(true);
}

bool TMainWindow::IsBusy() const { return frame_->Busy; }
bool TMainWindow::IsStopRequested() const { return frame_->StopRequested; }

TKeyPage* TMainWindow::Page(int index) const {
    return index >= 0 && index < kPageCount ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

void TMainWindow::FormCreate() {
    pageControl_->setCurrentIndex(0);
    if (auto* field = findChild<TNumberField*>(QStringLiteral("EM_INSEE"))) {
        field->clear();
        field->setCursorPosition(0);
    }
    frame_->Busy = false;
    frame_->StopRequested = false;
    if (auto* combo = findChild<QObject*>(QStringLiteral("Cb_ean"))) combo->setProperty("currentIndex", 1);
    versionText_ = VersionTextFrom(ReadVersionString(QStringLiteral("FileVersion")));
}

void TMainWindow::FormShow() {
    // The window takes the keyboard when it first shows, also where no window
    // manager gives it (a kiosk session, a virtual screen).
    activateWindow();
    // The first number field of the page shown (EM_INSEE on the first page).
    TKeyPage* page = Page(pageControl_->currentIndex());
    if (TNumberField* field = page ? page->FirstField() : nullptr) field->setFocus(Qt::OtherFocusReason);
}

namespace {
const QString kPageKey = QStringLiteral("Window/Page");
const QString kPositionKey = QStringLiteral("Window/Position");

// Whether the window's title bar would lie on a screen at `position`.
bool OnAScreen(QPoint position, int width) {
    const QPoint corners[] = {position + QPoint(8, 8), position + QPoint(width - 8, 8)};
    for (const QPoint corner : corners) {
        bool seen = false;
        for (const QScreen* screen : QGuiApplication::screens()) seen = seen || screen->availableGeometry().contains(corner);
        if (!seen) return false;
    }
    return true;
}
}  // namespace

void TMainWindow::SaveSettings() const {
    QSettings settings;
    settings.setValue(kPageKey, pageControl_->currentIndex());
    settings.setValue(kPositionKey, pos());
}

bool TMainWindow::RestoreSettings() {
    QSettings settings;
    const QVariant position = settings.value(kPositionKey);
    if (!position.canConvert<QPoint>() || !OnAScreen(position.toPoint(), frameGeometry().width())) return false;
    move(position.toPoint());
    const int page = settings.value(kPageKey, 0).toInt();
    if (page >= 0 && page < kPageCount) pageControl_->setCurrentIndex(page);
    if (isVisible()) FormShow();
    return true;
}

void TMainWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
}

void TMainWindow::BtncalcClick() {
    if (TKeyPage* page = Page(pageControl_->currentIndex())) frame_->Run(*page);
}

void TMainWindow::BtnclearClick() {
    if (frame_->Busy) return;
    StatusBar1->clearMessage();
    if (TKeyPage* page = Page(pageControl_->currentIndex())) {
        page->Clear();
        page->SetDetails({});
    }
}

void TMainWindow::CorrectionsClick() {
    if (TKeyPage* page = Page(pageControl_->currentIndex())) frame_->RunCorrections(*page);
}

void TMainWindow::BitBtn2Click() {
    // While busy, or while a search still runs after a nested one has ended
    // (the caption still reads "Stop"), the button only asks for a stop.
    if (frame_->Busy || BitBtn2->text() == QLatin1String("Stop")) {
        frame_->StopRequested = true;
        return;
    }
    // Just after a search ended, a click was aimed at "Stop": it does not close.
    if (frame_->CaptionJustBack()) return;
    close();
}

void TMainWindow::BitBtn1Click() { TAboutBox::ShowModal(versionText_, this); }

void TMainWindow::BtnhelpClick() { ShowHelpTopic(this, QStringLiteral("Aide.htm")); }

void TMainWindow::closeEvent(QCloseEvent* event) {
    // Closing while searches run stops them first; the window closes once the
    // last one has ended, so that no search goes on without its window.
    if (frame_->Depth() > 0) {
        closeWhenIdle_ = true;
        frame_->StopAll();
        event->ignore();
        return;
    }
    closeWhenIdle_ = false;
    QDialog::closeEvent(event);
    if (event->isAccepted()) SaveSettings();
}

void TMainWindow::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the main window; it stops a running search, as "Stop" does.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (frame_->Depth() > 0) frame_->StopRequested = true;
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
