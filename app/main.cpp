// Ferrino: check keys of identification numbers. No command line is read.
#include <QApplication>

#include "MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("FERRINO"));
    QApplication::setDesktopFileName(QStringLiteral("org.ferrino.Ferrino"));
    TMainWindow window;
    window.show();
    return QApplication::exec();
}
