#include "fenetres/qt/plateforme_qt.h"

#include "fenetres/modele/jeu.h"
#include "fenetres/qt/controles.h"
#include "fenetres/qt/vue.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

namespace quarvel::qt {

namespace {

QWidget* parentDialogue(Vue& vue) {
    if (QWidget* w = QApplication::activeModalWidget()) return w;
    if (QWidget* w = QApplication::activeWindow()) return w;
    for (int n : {1, 0})
        if (vue.fenetre(n) && vue.fenetre(n)->isVisible()) return vue.fenetre(n);
    return nullptr;
}

QString titreProduit() {
    return QString::fromStdString(PRODUIT);
}

QLocale langueQt(Vue& vue) {
    return vue.jeu().textes.langue == FRANCAIS ? QLocale(QLocale::French)
                                               : QLocale(QLocale::English);
}

// The job named after the window; a wide window goes on a landscape page, so that its picture
// is as large as the page allows.
void preparerImprimante(QPrinter& imprimante, const QWidget* w) {
    imprimante.setDocName(w->windowTitle());
    imprimante.setPageOrientation(w->width() > w->height() ? QPageLayout::Landscape
                                                           : QPageLayout::Portrait);
}

} // namespace

QImage imageAImprimer(QWidget* w, QRect* zone) {
    const qreal ratio = w->devicePixelRatioF();
    QImage image((QSizeF(w->size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // The window's own background, then each of its controls but the buttons, in their stacking.
    w->render(&p, QPoint(), QRegion(), QWidget::RenderFlags());
    QRect contenu;
    for (QObject* o : w->children()) {
        auto* c = qobject_cast<QWidget*>(o);
        if (!c || c->isWindow() || !c->isVisibleTo(w) || qobject_cast<QAbstractButton*>(c))
            continue;
        c->render(&p, c->pos(), QRegion(), QWidget::DrawChildren);
        contenu |= c->geometry();
    }
    p.end();
    const int marge = qMax(4, w->width() / 80);
    contenu =
        contenu.isEmpty() ? w->rect() : contenu.adjusted(-marge, -marge, marge, marge) & w->rect();
    if (zone) *zone = contenu;
    return image.copy(
        QRectF(QPointF(contenu.topLeft()) * ratio, QSizeF(contenu.size()) * ratio).toRect());
}

bool imprimerPage(QPrinter& imprimante, QWidget* w, const QString& titre, const QLocale& langue) {
    const QImage image = imageAImprimer(w);
    QPainter p;
    if (!p.begin(&imprimante)) return false;
    // The painter's origin is the printable rectangle's corner.
    const QRect zone(QPoint(0, 0),
                     imprimante.pageLayout().paintRectPixels(imprimante.resolution()).size());
    QFont police = p.font();
    police.setPointSizeF(11);
    p.setFont(police);
    const QFontMetrics fm(police, &imprimante);
    const QString ligne = titre + QStringLiteral(" \u2014 ") +
                          langue.toString(QDate::currentDate(), QLocale::LongFormat);
    const QRect bandeau(zone.left(), zone.top(), zone.width(), fm.height());
    p.drawText(bandeau, Qt::AlignLeft | Qt::AlignVCenter,
               fm.elidedText(ligne, Qt::ElideRight, bandeau.width()));
    const QRect reste = zone.adjusted(0, bandeau.height() * 3 / 2, 0, 0);
    QSize taille = (QSizeF(image.size()) / image.devicePixelRatio()).toSize();
    taille.scale(reste.size(), Qt::KeepAspectRatio);
    const QRect cible(reste.left() + (reste.width() - taille.width()) / 2, reste.top(),
                      taille.width(), taille.height());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(cible, image);
    return p.end();
}

void PlateformeQt::message(const std::string& texte) {
    vue_.synchroniser(); // what led to the message is on screen behind it
    QMessageBox boite(QMessageBox::Information, titreProduit(), QString::fromStdString(texte),
                      QMessageBox::Ok, parentDialogue(vue_));
    boite.exec();
}

void PlateformeQt::aPropos(const std::string& titre, const std::string& texte) {
    vue_.synchroniser();
    QMessageBox boite(QMessageBox::NoIcon, QString::fromStdString(titre),
                      QString::fromStdString(texte), QMessageBox::Ok, parentDialogue(vue_));
    boite.setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
    // The settings file can be copied from the box.
    boite.setTextInteractionFlags(Qt::TextSelectableByMouse);
    boite.exec();
}

bool PlateformeQt::question(const std::string& titre, const std::string& texte, bool ouiParDefaut) {
    vue_.synchroniser();
    QMessageBox boite(
        QMessageBox::Question, titre.empty() ? titreProduit() : QString::fromStdString(titre),
        QString::fromStdString(texte), QMessageBox::Yes | QMessageBox::No, parentDialogue(vue_));
    if (vue_.jeu().textes.langue == FRANCAIS) {
        boite.button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
        boite.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
    }
    boite.setDefaultButton(ouiParDefaut ? QMessageBox::Yes : QMessageBox::No);
    return boite.exec() == QMessageBox::Yes;
}

bool PlateformeQt::demanderTexte(const std::string& titre, const std::string& question,
                                 std::string& reponse) {
    vue_.synchroniser();
    QInputDialog dialogue(parentDialogue(vue_));
    dialogue.setWindowTitle(titre.empty() ? titreProduit() : QString::fromStdString(titre));
    dialogue.setLabelText(QString::fromStdString(question));
    dialogue.setInputMode(QInputDialog::TextInput);
    // The answer offered comes first; the core trims what it keeps, the field only stops a flood.
    dialogue.setTextValue(QString::fromStdString(reponse));
    if (auto* ligne = dialogue.findChild<QLineEdit*>()) {
        ligne->setMaxLength(64);
        ligne->selectAll();
    }
    if (dialogue.exec() != QDialog::Accepted) return false;
    reponse = dialogue.textValue().toStdString();
    return true;
}

bool PlateformeQt::choisirCouleur(int& couleur) {
    vue_.synchroniser();
    QColor c = QColorDialog::getColor(couleurQt(couleur), parentDialogue(vue_), titreProduit());
    if (!c.isValid()) return false;
    couleur = couleurModele(c);
    return true;
}

QWidget* PlateformeQt::fenetreImprimee(FenetreImprimee fenetre) {
    vue_.synchroniser();
    vue_.creerFenetres();
    switch (fenetre) {
    case FenetreImprimee::TousPlis:
        return vue_.fenetre(6);
    case FenetreImprimee::Mains:
        return vue_.fenetre(4);
    case FenetreImprimee::ScoreDetaille:
        return vue_.fenetre(5);
    case FenetreImprimee::MeilleursScores:
        return vue_.fenetre(7);
    case FenetreImprimee::Statistiques:
        return vue_.fenetre(8);
    }
    return nullptr;
}

bool PlateformeQt::imprimer(FenetreImprimee fenetre, const std::string& titre) {
    QWidget* w = fenetreImprimee(fenetre);
    if (!w) return false;
    QPrinter imprimante(QPrinter::HighResolution);
    preparerImprimante(imprimante, w);
    const QByteArray pdf = qgetenv("QUARVEL_PDF");
    if (!pdf.isEmpty()) {
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(QString::fromLocal8Bit(pdf));
        return imprimerPage(imprimante, w, QString::fromStdString(titre), langueQt(vue_));
    }
    // Without any printer QPrinter would quietly turn into a PDF printer with no file.
    if (QPrinterInfo::availablePrinters().isEmpty()) return false;
    QPrintDialog dialogue(&imprimante, parentDialogue(vue_));
    dialogue.setWindowTitle(titreProduit());
    if (dialogue.exec() != QDialog::Accepted) return true; // the user changed his mind
    return imprimerPage(imprimante, w, QString::fromStdString(titre), langueQt(vue_));
}

bool PlateformeQt::enregistrerPdf(FenetreImprimee fenetre, const std::string& titre,
                                  const std::string& nomFichier) {
    QWidget* w = fenetreImprimee(fenetre);
    if (!w) return false;
    const QString nom = QFileDialog::getSaveFileName(
        parentDialogue(vue_), titreProduit(),
        QDir::home().filePath(QString::fromStdString(nomFichier)), QStringLiteral("PDF (*.pdf)"));
    if (nom.isEmpty()) return false;
    QPrinter imprimante(QPrinter::HighResolution);
    preparerImprimante(imprimante, w);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(nom);
    return imprimerPage(imprimante, w, QString::fromStdString(titre), langueQt(vue_));
}

void PlateformeQt::ouvrirAide(const std::string& fichier) {
    vue_.ouvrirAide(QString::fromStdString(fichier));
}

void PlateformeQt::quitter() {
    QApplication::quit();
}

} // namespace quarvel::qt
