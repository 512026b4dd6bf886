// Ferrino: check keys of identification numbers. No command line is read.
#include <QApplication>

#include "ButtonPictures.h"
#include "MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("FERRINO"));
    QApplication::setDesktopFileName(QStringLiteral("org.ferrino.Ferrino"));
    QApplication::setWindowIcon(ProgramIcon());
    TMainWindow window;
    window.show();
    return QApplication::exec();
}
