#include "windowkit/icons.h"

#include <QFile>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <optional>

namespace nookery::kit {

namespace {

QString fallbackPath(const QString &name, bool dark)
{
    return (dark ? u":/icons/dark/"_qs : u":/icons/light/"_qs) + name + u".svg";
}

bool darkPalette()
{
    const QPalette palette = QGuiApplication::palette();
    return palette.color(QPalette::Window).lightness() <
           palette.color(QPalette::WindowText).lightness();
}

// Stands in for the theme's icon until a button or menu first asks for a picture.
class ThemeIconEngine final : public QIconEngine
{
public:
    explicit ThemeIconEngine(QString name) : m_name(std::move(name)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        resolved().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return resolved().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return resolved().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return resolved().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return resolved().availableSizes(mode, state);
    }
    QString iconName() override { return m_name; }
    bool isNull() override { return false; }
    QString key() const override { return u"nookerytheme"_qs; }
    QIconEngine *clone() const override { return new ThemeIconEngine(m_name); }

private:
    const QIcon &resolved()
    {
        if (!m_icon)
            m_icon = QIcon::fromTheme(m_name, QIcon(fallbackPath(m_name, darkPalette())));
        return *m_icon;
    }

    QString m_name;
    std::optional<QIcon> m_icon;
};

} // namespace

QIcon icon(const char *name)
{
    return QIcon(new ThemeIconEngine(QLatin1String(name)));
}

bool hasFallback(const char *name)
{
    const QString n = QLatin1String(name);
    return QFile::exists(fallbackPath(n, false)) && QFile::exists(fallbackPath(n, true));
}

} // namespace nookery::kit
