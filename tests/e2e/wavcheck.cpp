// wavcheck FILE.wav: exit code 0 when Qt Multimedia loads the file as a playable sound.
#include <QGuiApplication>
#include <QSoundEffect>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QSoundEffect effect;
    QObject::connect(&effect, &QSoundEffect::statusChanged, &app, [&] {
        if (effect.status() == QSoundEffect::Ready || effect.status() == QSoundEffect::Error)
            app.exit(effect.status() == QSoundEffect::Ready ? 0 : 1);
    });
    QTimer::singleShot(10000, &app, [&] { app.exit(1); });
    effect.setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
    const int rc = QGuiApplication::exec();
    if (rc != 0)
        std::fprintf(stderr, "%s: not a sound Qt Multimedia can play\n", argv[1]);
    return rc;
}
