#include "windowkit/suiteicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace nookery {

namespace {

void paintTile(QPainter &p, const QRectF &rect, const QColor &tile)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    const qreal r = rect.width() / 6.0;
    p.drawRoundedRect(rect.adjusted(1, 1, -1, -1), r, r);
}

// The suite's "N" drawn as strokes, so the tray icon needs no font at start.
QPixmap suitePixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paintTile(p, QRectF(0, 0, size, size), QColor(0x2e, 0x7d, 0x32));
    const qreal left = size * 0.30;
    const qreal right = size * 0.70;
    const qreal top = size * 0.25;
    const qreal bottom = size * 0.75;
    QPainterPath n;
    n.moveTo(left, bottom);
    n.lineTo(left, top);
    n.lineTo(right, bottom);
    n.lineTo(right, top);
    QPen pen(Qt::white, std::max(1.5, size / 8.0));
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(n);
    return pixmap;
}

} // namespace

QIcon suiteIcon()
{
    static const QIcon icon = [] {
        QIcon made;
        for (int size : {16, 22, 32, 48})
            made.addPixmap(suitePixmap(size));
        return made;
    }();
    return icon;
}

} // namespace nookery
