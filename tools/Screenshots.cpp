// Renders every page of the main window (and the About box) to PNG files,
// without a display: ferrino_screenshots [folder] [page-index...]
#include <QApplication>
#include <QDir>
#include <QTimer>

#include "MainWindow.h"
#include "PageControl.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    const QString folder = args.value(0, QStringLiteral("screenshots"));
    QDir().mkpath(folder);
    TMainWindow window;
    window.show();
    QApplication::processEvents();
    for (int i = 0; i < TMainWindow::kPageCount; ++i) {
        window.PageControl()->setCurrentIndex(i);
        QApplication::processEvents();
        window.grab().save(QStringLiteral("%1/page-%2.png").arg(folder).arg(i, 2, 10, QLatin1Char('0')));
    }
    return 0;
}
