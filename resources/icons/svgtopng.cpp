// Renders the suite's scalable icon into the hicolor theme's fixed sizes at build time:
//   svgtopng ICON.svg THEME-DIR SIZE... writes THEME-DIR/SIZExSIZE/apps/nookery.png.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s ICON.svg THEME-DIR SIZE...\n", argv[0]);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "%s: not a valid SVG file\n", argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        const QString dir =
            QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        if (size <= 0 || !QDir().mkpath(dir) || !image.save(dir + QStringLiteral("/nookery.png"))) {
            std::fprintf(stderr, "cannot write the %s pixel icon\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
