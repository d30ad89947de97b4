#include "PanelStartup.h"

#include <QApplication>

using namespace layout;

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    PanelStartup panel;
    panel.start();
    return app.exec();
}
