// Ferrino: check keys of identification numbers. No command line is read.
#include <QApplication>

#include "ButtonPictures.h"
#include "MainWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Where the settings go: ~/.config/Ferrino/Ferrino.conf.
    QApplication::setOrganizationName(QStringLiteral("Ferrino"));
    QApplication::setApplicationName(QStringLiteral("Ferrino"));
    QApplication::setDesktopFileName(QStringLiteral("org.ferrino.Ferrino"));
    QApplication::setWindowIcon(ProgramIcon());
    TMainWindow window;
    window.RestoreSettings();  // the page and the position of the last run
    window.show();
    return QApplication::exec();
}
