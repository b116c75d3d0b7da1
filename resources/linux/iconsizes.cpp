// icon-sizes ICO OUTDIR NAME: writes every image of the application's icon
// file as OUTDIR/<w>x<h>/apps/NAME.png, the layout of the hicolor icon
// theme, so that the installed icons are the ones the window shows.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: icon-sizes ICO OUTDIR NAME\n");
        return 2;
    }
    QImageReader reader(args.at(1));
    int written = 0;
    do {
        const QImage image = reader.read();
        if (image.isNull())
            break;
        const QString dir
            = QStringLiteral("%1/%2x%3/apps").arg(args.at(2)).arg(image.width()).arg(image.height());
        if (!QDir().mkpath(dir) || !image.save(dir + "/" + args.at(3) + ".png", "PNG")) {
            std::fprintf(stderr, "icon-sizes: cannot write into %s\n", qPrintable(dir));
            return 1;
        }
        ++written;
    } while (reader.jumpToNextImage());
    if (written == 0) {
        std::fprintf(
            stderr, "icon-sizes: %s: %s\n", qPrintable(args.at(1)), qPrintable(reader.errorString()));
        return 1;
    }
    return 0;
}
