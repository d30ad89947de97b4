// The toolkit's floor: a Qt Widgets program that opens one empty window of the
// panel's size and does nothing else.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal window"));
    window.setFixedSize(415, 448);
    window.show();
    return app.exec();
}
