#include "fenetres/qt/liens.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quarvel::qt {

void SuiviFenetre::suivre(QWidget* f, QWidget* fond, const Composant& c, Mode mode) {
    const bool premier = premier_;
    if (premier || c.caption != vu_.caption) f->setWindowTitle(QString::fromStdString(c.caption));
    if (fond && (premier || c.couleur != vu_.couleur)) {
        if (c.couleur >= 0) {
            QPalette pal = fond->palette();
            pal.setColor(QPalette::Window, couleurQt(c.couleur));
            fond->setPalette(pal);
            fond->setAutoFillBackground(true);
        }
        fond->update();
    }
    if (premier || c.enabled != vu_.enabled) f->setEnabled(c.enabled);
    bool placer = mode == Mode::Normale && c.geo.width > 0 && c.geo.height > 0 &&
                  (premier || !(c.geo == vu_.geo) || (c.visible && !vu_.visible));
    if (placer) {
        f->resize(c.geo.width, c.geo.height);
        // Windows the model leaves at the origin are centred on the screen.
        QPoint coin(c.geo.left, c.geo.top);
        if (coin.isNull()) {
            if (QScreen* ecran = QGuiApplication::primaryScreen()) {
                QRect zone = ecran->availableGeometry();
                coin = zone.center() - QPoint(c.geo.width / 2, c.geo.height / 2);
            }
        }
        f->move(coin);
    }
    if (premier || c.visible != vu_.visible || c.visible != f->isVisible()) {
        if (c.visible && !f->isVisible()) {
            if (mode == Mode::Maximisee) {
                // Without a window manager nothing maximises: take the screen ourselves.
                if (QScreen* ecran = f->screen() ? f->screen() : QGuiApplication::primaryScreen())
                    f->setGeometry(ecran->availableGeometry());
                f->showMaximized();
            } else
                f->show();
            if (QGuiApplication::platformName() != QLatin1String("offscreen")) f->raise();
            f->activateWindow();
        } else if (!c.visible && f->isVisible()) {
            f->hide();
        }
    }
    vu_ = c;
    premier_ = false;
}

} // namespace quarvel::qt
