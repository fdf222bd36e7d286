#pragma once
// The kinds of widgets the windows are made of. Each follows one Composant of the window model:
// `suivre` copies what changed since the last pass, so a full re-sync after every event is cheap.
#include "fenetres/modele/composant.h"

#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <functional>

namespace quarvel {

class CacheCartes;

QColor couleurQt(int bgr);          // 0x00BBGGRR -> QColor
int couleurModele(const QColor& c); // QColor -> 0x00BBGGRR
Qt::CursorShape formeCurseur(Curseur c);
QColor encreSur(const QColor& fond); // a readable text colour on that background

// What every kind shares: the last state copied, and the click callback.
class ControleVue {
public:
    virtual ~ControleVue() = default;
    void suivre(const Composant& c);
    virtual QWidget* widget() = 0;
    std::function<void()> surClic;
    // Normally the model's geometry; a bar may instead stick to the bottom of its parent across
    // its whole width, and a label may fill its parent, as the parent's size is only known here.
    enum class Ancrage { Aucun, Bas, Remplit };
    Ancrage ancrage = Ancrage::Aucun;
    void replacer(); // applies the anchoring again after the parent was resized
    // Whether the text it shows, if any, is whole inside its content rectangle.
    virtual bool texteTient() { return true; }

protected:
    // Called when something besides the common fields may have changed.
    virtual void suivrePropre(const Composant& c, const Composant& avant, bool premier) = 0;
    Composant vu_;
    bool premier_ = true;
};

// The design font stepped down half a point at a time until `texte` fits `zone` (wrapped when
// `drapeaux` allow it), never below a readable 7 points.
QFont policeQuiTient(QFont f, const QString& texte, QSizeF zone, int drapeaux);
bool texteTientDans(const QFont& f, const QString& texte, QSizeF zone, int drapeaux);

// A card picture: the whole face stretched over the control, or its corner only.
class VueCarte : public QWidget, public ControleVue {
public:
    enum class Mode { Etiree, Coin };
    VueCarte(QWidget* parent, CacheCartes& cache, Mode mode = Mode::Etiree);
    QWidget* widget() override { return this; }
    QString nom() const { return nom_; }

protected:
    void suivrePropre(const Composant& c, const Composant& avant, bool premier) override;
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;

private:
    CacheCartes& cache_;
    Mode mode_;
    QString nom_;
    bool survol_ = false; // a card the hand cursor offers is outlined under the mouse
};

// A panel or label with text: the look depends on its role.
class VuePanneau : public QWidget, public ControleVue {
public:
    enum class Style {
        Bulle,     // bid bubble and score panel: seat colour, bold text, shadow
        Barre,     // a container drawn as a dark translucent rounded plate
        Etiquette, // text only
        Chiffre,   // a small figure cell
        Marqueur,  // a small chip (honour markers, bouts played)
        Titre,     // a heading over a group
        Cadre,     // a light framed panel of a review window
    };
    VuePanneau(QWidget* parent, Style style, Qt::Alignment alignement = Qt::AlignCenter);
    QWidget* widget() override { return this; }
    QString texte() const { return texte_; }
    void setCouleurDefaut(QColor c) { defaut_ = c; }
    void setEncre(QColor c) { encre_ = c; } // text colour whatever the background
    void setGras(bool g) { gras_ = g; }
    void setPoliceDefaut(double points) { policeDefaut_ = points; }
    // The colour this panel paints behind its children's text.
    QColor fondEffectif() const;
    bool texteTient() override;

protected:
    void suivrePropre(const Composant& c, const Composant& avant, bool premier) override;
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    Style style_;
    Qt::Alignment alignement_;
    QString texte_;
    QFont police_;
    QColor fond_;
    QColor defaut_;
    QColor encre_;
    bool gras_ = true;
    double policeDefaut_ = 0;
    // The font the text is drawn with, fitted to the panel; recomputed when text or size move.
    QFont policeAjustee_;
    QFont policeSource_;
    QString texteAjuste_;
    QSizeF zoneAjustee_;
    QRectF zoneTexte() const;
    const QFont& policeDessin();
};

// A push button styled by the application's style sheet.
class VueBouton : public QPushButton, public ControleVue {
public:
    VueBouton(QWidget* parent, const char* style = "bouton");
    QWidget* widget() override { return this; }
    bool texteTient() override;
    // A glyph beside the caption, or instead of it.
    void setIcone(CacheCartes* cache, const QString& nom, bool texteAussi) {
        cache_ = cache;
        icone_ = nom;
        texteAussi_ = texteAussi;
    }

protected:
    void suivrePropre(const Composant& c, const Composant& avant, bool premier) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void majIcone();
    void ajusterPolice();
    QSizeF zoneTexte();
    QFont policeDessin_; // the design font; the button shows it, or a smaller one that fits
    CacheCartes* cache_ = nullptr;
    QString icone_;
    bool texteAussi_ = true;
};

// A tool-bar speed button: an SVG glyph, a hint, and a pressed state.
class VueOutil : public QToolButton, public ControleVue {
public:
    VueOutil(QWidget* parent, CacheCartes& cache, const QString& icone);
    QWidget* widget() override { return this; }

protected:
    void suivrePropre(const Composant& c, const Composant& avant, bool premier) override;
    void resizeEvent(QResizeEvent* e) override;
    void nextCheckState() override {} // pressed or not is the model's to say

private:
    void majIcone();
    CacheCartes& cache_;
    QString icone_;
};

// The round table: an ellipse of felt in the model's colour with a wooden rim.
class VueTable : public QWidget, public ControleVue {
public:
    explicit VueTable(QWidget* parent);
    QWidget* widget() override { return this; }

protected:
    void suivrePropre(const Composant& c, const Composant& avant, bool premier) override;
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QColor tapis_;
};

// A shape: a filled rounded frame (the taker's place) or a thin outline (review windows).
class VueCadre : public QWidget, public ControleVue {
public:
    enum class Genre { Plein, Contour };
    VueCadre(QWidget* parent, Genre genre, QColor defaut);
    QWidget* widget() override { return this; }

protected:
    void suivrePropre(const Composant& c, const Composant& avant, bool premier) override;
    void paintEvent(QPaintEvent*) override;

private:
    Genre genre_;
    QColor couleur_;
    QColor defaut_;
};

// An icon of the program (suit symbols, the logo).
class VueImage : public QWidget, public ControleVue {
public:
    VueImage(QWidget* parent, CacheCartes& cache, const QString& icone);
    QWidget* widget() override { return this; }
    // A light disc behind the icon, so dark symbols stand out on a dark panel.
    void setPastille(QColor c) { pastille_ = c; }

protected:
    void suivrePropre(const Composant&, const Composant&, bool) override {}
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    CacheCartes& cache_;
    QString icone_;
    QColor pastille_;
};

} // namespace quarvel
