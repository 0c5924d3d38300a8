// Renders the program's SVG icon as a square picture of the given size: a PNG for the icon theme,
// or, for an output named *.argb, the raw premultiplied ARGB32 pixels the program loads without
// an image decoder.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: render-icon ICON.svg SIZE OUTPUT.png|OUTPUT.argb\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int size = QByteArray(argv[2]).toInt();
    if (!svg.isValid() || size <= 0)
        return 1;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    const QString output = QString::fromLocal8Bit(argv[3]);
    if (!output.endsWith(QLatin1StringView(".argb")))
        return image.save(output) ? 0 : 1;
    QFile raw(output);
    const auto bytes = qsizetype(image.sizeInBytes());
    return raw.open(QIODevice::WriteOnly) &&
                   raw.write(reinterpret_cast<const char *>(image.constBits()), bytes) == bytes
               ? 0
               : 1;
}
