#include "Help.h"

#include <QDialog>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// A dialog of the main window's, so that window managers keep it above its
// owner (a plain window owned by a dialog may open behind it) and tie it to
// the owner (transient for it). Closing it gives the owner the focus back.
class THelpWindow : public QDialog {
public:
    explicit THelpWindow(QWidget* owner) : QDialog(owner) {
        setObjectName(QStringLiteral("HelpWindow"));
        setWindowTitle(QStringLiteral("Aide de Ferrino"));
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
        setModal(false);
        browser_ = new QTextBrowser(this);
        browser_->setObjectName(QStringLiteral("HelpBrowser"));
        browser_->setOpenExternalLinks(true);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser_);
        resize(640, 560);
    }

    void Show(const QString& page) {
        browser_->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
        show();
        raise();
        activateWindow();
    }

protected:
    void hideEvent(QHideEvent* event) override {
        QDialog::hideEvent(event);
        if (QWidget* owner = parentWidget(); owner && owner->isVisible()) {
            owner->raise();
            owner->activateWindow();
        }
    }

private:
    QTextBrowser* browser_;
};

}  // namespace

void ShowHelpTopic(QWidget* owner, const QString& page) {
    Q_INIT_RESOURCE(help);
    static QPointer<THelpWindow> window;
    if (!window || window->parentWidget() != owner) window = new THelpWindow(owner);
    window->Show(page);
}
