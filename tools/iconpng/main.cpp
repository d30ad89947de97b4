// Converts a picture to PNG, for desktops that want the panel icon as PNG:
//   iconpng <icon.ico> <icon.png>

#include <QCoreApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // so Qt finds its image format plug-ins
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <input> <output.png>\n", argv[0]);
        return 2;
    }
    const QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "iconpng: cannot read %s\n", argv[1]);
        return 1;
    }
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "iconpng: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
