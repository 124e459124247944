#include "shell/toolicons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace nookery {

namespace {

QPixmap tilePixmap(int size, const QString &glyph, const QColor &tile)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    const qreal r = size / 6.0;
    p.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), r, r);
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(size * (glyph.size() > 1 ? 9 : 13) / 20);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, glyph);
    return pixmap;
}

} // namespace

QIcon toolIcon(const QString &glyph, const QColor &tile)
{
    QIcon icon;
    icon.addPixmap(tilePixmap(24, glyph, tile));
    return icon;
}

QIcon suiteIcon()
{
    QIcon icon;
    for (int size : {16, 22, 32, 48})
        icon.addPixmap(tilePixmap(size, QStringLiteral("N"), QColor(0x2e, 0x7d, 0x32)));
    return icon;
}

} // namespace nookery
