#include "PanelStartup.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    PanelStartup panel;
    panel.start();
    return app.exec();
}
