#include "AboutBox.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "BlinkingLabel.h"
#include "BuildInfo.h"
#include "ScrollingLabel.h"
#include "accessible/Factory.h"

TAboutBox* AboutBox = nullptr;

// The picture lives in resources/about.qrc, which is compiled into a static
// library: nothing would pull it into the program unless it is asked for.
static void LoadAboutResources() {
    Q_INIT_RESOURCE(about);
}

namespace {

constexpr Qt::WindowFlags kFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                   Qt::MSWindowsFixedSizeDialogHint;

const QString kPicture = QStringLiteral(":/about/about.png");

// The picture is drawn unscaled from the top-left corner in an area this wide.
constexpr int kPictureWidth = 297;

QFont ScrollingFont(QFont font, bool underline) {
    font.setPixelSize(16);
    font.setBold(true);
    font.setItalic(true);
    font.setUnderline(underline);
    return font;
}

}  // namespace

TAboutBox::TAboutBox(const QString& versionText, QWidget* parent)
    : TAboutBox(versionText, parent, BuildAuthor(), BuildWebAddress()) {}

TAboutBox::TAboutBox(const QString& versionText, QWidget* parent, const QString& author, const QString& webAddress)
    : QDialog(parent, kFrame),
      Image1(new QLabel(this)),
      JvScrollingLabel1(new TScrollingLabel(QStringLiteral("JvScrollingLabel1"), this)),
      FreeWareLabel(new TBlinkingLabel(QStringLiteral("FreeWareLabel"), QStringLiteral("FreeWare"), this)),
      OKButton(new QPushButton(QStringLiteral("OK"), this)),
      versionText_(versionText),
      author_(author.trimmed()),
      webAddress_(webAddress.trimmed()) {
    static const bool loaded = (LoadAboutResources(), true);
    (void)loaded;
    ferrino::a11y::InstallAccessibility();
    PlaceControls();
    FormCreate();
}

void TAboutBox::PlaceControls() {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("A propos"));
    setFixedSize(kClientWidth, kClientHeight);
    setSizeGripEnabled(false);

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(kPicture));
    Image1->setScaledContents(false);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setGeometry(0, 0, kPictureWidth, kClientHeight);
    Image1->setAccessibleName(QStringLiteral("Ferrino, calcul de clés de contrôle"));

    // Across the whole width at about two thirds of the height, over the picture.
    JvScrollingLabel1->setGeometry(0, 112, kClientWidth, 22);
    JvScrollingLabel1->setFont(ScrollingFont(font(), false));
    QPalette blue = JvScrollingLabel1->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    JvScrollingLabel1->setPalette(blue);
    connect(JvScrollingLabel1, &TScrollingLabel::clicked, this, &TAboutBox::JvScrollingLabel1Click);
    connect(JvScrollingLabel1, &TScrollingLabel::mouseEntered, this, &TAboutBox::JvScrollingLabel1MouseEnter);
    connect(JvScrollingLabel1, &TScrollingLabel::mouseLeft, this, &TAboutBox::JvScrollingLabel1MouseLeave);

    QFont freeWare = font();
    freeWare.setPixelSize(14);
    freeWare.setBold(true);
    freeWare.setItalic(true);
    FreeWareLabel->setFont(freeWare);
    QPalette red = FreeWareLabel->palette();
    red.setColor(QPalette::WindowText, QColor(0xb0, 0x1c, 0x1c));
    FreeWareLabel->setPalette(red);
    FreeWareLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FreeWareLabel->setGeometry(194, 153, 96, 25);

    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(8, 153, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
    OKButton->setFocus();  // first, before the scrolling text
}

QString TAboutBox::BuildAuthor() { return QString::fromUtf8(ferrino::build::kAuthor); }

QString TAboutBox::BuildWebAddress() { return QString::fromUtf8(ferrino::build::kWebAddress); }

QUrl TAboutBox::WebAddress() const { return HasLink() ? QUrl::fromUserInput(webAddress_) : QUrl(); }

void TAboutBox::FormCreate() {
    QString text = QStringLiteral("Ferrino ") + versionText_;
    for (const QString& part : {author_, webAddress_})
        if (!part.isEmpty()) text += QLatin1Char(' ') + part;
    JvScrollingLabel1->SetText(text);
    JvScrollingLabel1->SetClickable(HasLink());
}

void TAboutBox::OKButtonClick() {
    accept();
}

void TAboutBox::JvScrollingLabel1Click() {
    // Whether a browser could be found is not our business; the box stays open.
    if (HasLink()) QDesktopServices::openUrl(WebAddress());
}

void TAboutBox::JvScrollingLabel1MouseEnter() {
    if (HasLink()) JvScrollingLabel1->setFont(ScrollingFont(JvScrollingLabel1->font(), true));
}

void TAboutBox::JvScrollingLabel1MouseLeave() {
    JvScrollingLabel1->setFont(ScrollingFont(JvScrollingLabel1->font(), false));
}

void TAboutBox::ShowModal(const QString& versionText, QWidget* owner) {
    // QDialog centres a box over its owner's window when it first shows it.
    QPointer<TAboutBox> box = new TAboutBox(versionText, owner);
    AboutBox = box;
    box->exec();
    AboutBox = nullptr;
    delete box.data();  // null if the owner went first and took the box along
}
