// Converts a picture to PNG, for desktops that want the panel icon as PNG:
//   iconpng <icon.ico> <icon.png> [FACTOR]
// FACTOR (a whole number, default 1) enlarges every pixel to a FACTOR x FACTOR
// block: the 32-pixel drawing stays exactly itself on a larger grid, with no
// in-between colours made up by smoothing.

#include <QCoreApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv); // so Qt finds its image format plug-ins
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s <input> <output.png> [FACTOR]\n", argv[0]);
        return 2;
    }
    const int factor = argc == 4 ? std::atoi(argv[3]) : 1;
    if (factor < 1 || factor > 16) {
        std::fprintf(stderr, "iconpng: FACTOR must be a whole number from 1 to 16\n");
        return 2;
    }
    QImage image(QString::fromLocal8Bit(argv[1]));
    if (image.isNull()) {
        std::fprintf(stderr, "iconpng: cannot read %s\n", argv[1]);
        return 1;
    }
    if (factor > 1) {
        image = image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "iconpng: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
