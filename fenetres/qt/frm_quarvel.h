#pragma once
// The main window: the round table, the cards, the bid bar, the panels, the tool bar, the menus.
#include "fenetres/qt/liens.h"

#include <QMainWindow>

namespace quarvel {
struct TfrmQuarvel;
}

namespace quarvel::qt {

class BarreMenus;
class Mouvements;

// The client area: painted in the window's colour; a click on it is a go-on gesture.
class Fond : public QWidget {
public:
    explicit Fond(QWidget* parent) : QWidget(parent) {}
    std::function<void()> surClic;
    std::function<void()> surTaille;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    bool presse_ = false;
};

class TfrmQuarvel : public QMainWindow {
public:
    TfrmQuarvel(Vue& vue, const quarvel::TfrmQuarvel& modele);
    ~TfrmQuarvel() override;
    void synchroniser();
    Fond* fond() const { return fond_; }
    QWidget* scene() const { return scene_; }
    BarreMenus* menus() const { return menus_; }
    Mouvements* mouvements() const { return mouvements_; }

protected:
    // The table's keys, whichever of its widgets holds the focus; the menu bar keeps its own.
    bool eventFilter(QObject* o, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    Vue& vue_;
    const quarvel::TfrmQuarvel& m_;
    Liens liens_;
    SuiviFenetre suivi_;
    void placerScene();
    Fond* fond_;
    QWidget* scene_; // the model's client area, centred when the window is wider
    bool tailleEnAttente_ = false;
    BarreMenus* menus_ = nullptr;
    Mouvements* mouvements_ = nullptr;
};

} // namespace quarvel::qt
