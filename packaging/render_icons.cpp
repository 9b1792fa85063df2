// Writes the program's icon as PNG files for the desktop's icon theme:
//   halvex-render-icons <folder> <name>
// gives <folder>/<N>x<N>/apps/<name>.png for every size the program paints.
#include "ui/Artwork.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fputs("usage: halvex-render-icons <folder> <name>\n", stderr);
        return 2;
    }
    // Painting needs an application object, not a screen: build machines have none.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : halvex::ui::Artwork::iconSizes) {
        const QString sizeFolder = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        const QString file = sizeFolder + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(sizeFolder) || !halvex::ui::Artwork::applicationIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "halvex-render-icons: %s could not be written\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
