#include "fenetres/qt/liens.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace quarvel::qt {

QPoint coinCentre(const QRect& zone, const QSize& taille) {
    return {zone.left() + (zone.width() - taille.width()) / 2,
            zone.top() + (zone.height() - taille.height()) / 2};
}

void SuiviFenetre::suivre(QWidget* f, QWidget* fond, const Composant& c, Mode mode,
                          const QWidget* centre) {
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
        QRect zone;
        if (centre && centre->isVisible())
            zone = centre->frameGeometry();
        else if (QScreen* ecran = f->screen() ? f->screen() : QGuiApplication::primaryScreen())
            zone = ecran->availableGeometry();
        if (zone.isValid()) {
            // The frame the window manager adds counts in what is centred.
            const QSize cadre = f->frameGeometry().size() - f->geometry().size();
            f->move(coinCentre(zone, QSize(c.geo.width, c.geo.height) + cadre));
        } else {
            f->move(c.geo.left, c.geo.top);
        }
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
    // The model asks for the window to come to the front (after a dialog closes).
    if (c.focus && c.visible && !premier && !vu_.focus) {
        if (QGuiApplication::platformName() != QLatin1String("offscreen")) f->raise();
        f->activateWindow();
    }
    vu_ = c;
    premier_ = false;
}

} // namespace quarvel::qt
