// The INSEE page from the click on "Calcule" to the list shown.
#include <QLineEdit>

#include "WindowBench.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TMainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("EM_INSEE"));

    for (int run = 0; run < 3; ++run) {
        field->setText(QStringLiteral("185057800"));
        PrintFigures("INSEE, four unknown digits, unknown key (10 000)", TimeCalcule(window, "LB_insee"));
    }
    field->setText(QStringLiteral("1850578006084"));
    PrintFigures("INSEE, complete number", TimeCalcule(window, "LB_insee"));
    std::printf("Peak memory of the whole program: %.1f MB\n", PeakMemoryMB());
    return 0;
}
