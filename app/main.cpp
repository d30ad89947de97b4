#include "PanelStartup.h"

#include <QApplication>

using namespace layout;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // A Wayland desktop finds the menu entry, and with it the icon and the
    // name it shows for the window, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.PelmoLift"));
    PanelStartup panel;
    panel.start();
    return app.exec();
}
