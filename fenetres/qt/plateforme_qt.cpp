#include "fenetres/qt/plateforme_qt.h"

#include "fenetres/modele/jeu.h"
#include "fenetres/qt/controles.h"
#include "fenetres/qt/vue.h"

#include <QApplication>
#include <QColorDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
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

} // namespace

void PlateformeQt::message(const std::string& texte) {
    vue_.synchroniser(); // what led to the message is on screen behind it
    QMessageBox boite(QMessageBox::Information, titreProduit(), QString::fromStdString(texte),
                      QMessageBox::Ok, parentDialogue(vue_));
    boite.exec();
}

bool PlateformeQt::question(const std::string& titre, const std::string& texte) {
    vue_.synchroniser();
    QMessageBox boite(
        QMessageBox::Question, titre.empty() ? titreProduit() : QString::fromStdString(titre),
        QString::fromStdString(texte), QMessageBox::Yes | QMessageBox::No, parentDialogue(vue_));
    if (vue_.jeu().textes.langue == FRANCAIS) {
        boite.button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
        boite.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
    }
    boite.setDefaultButton(QMessageBox::No);
    return boite.exec() == QMessageBox::Yes;
}

bool PlateformeQt::demanderTexte(const std::string& titre, const std::string& question,
                                 std::string& reponse) {
    vue_.synchroniser();
    bool ok = false;
    const QString texte = QInputDialog::getText(
        parentDialogue(vue_), titre.empty() ? titreProduit() : QString::fromStdString(titre),
        QString::fromStdString(question), QLineEdit::Normal, QString(), &ok);
    if (!ok) return false;
    reponse = texte.toStdString();
    return true;
}

bool PlateformeQt::choisirCouleur(int& couleur) {
    vue_.synchroniser();
    QColor c = QColorDialog::getColor(couleurQt(couleur), parentDialogue(vue_), titreProduit());
    if (!c.isValid()) return false;
    couleur = couleurModele(c);
    return true;
}

bool PlateformeQt::imprimer(FenetreImprimee fenetre, Rect page) {
    vue_.synchroniser();
    int n = fenetre == FenetreImprimee::TousPlis ? 6 : fenetre == FenetreImprimee::Mains ? 4 : 5;
    vue_.creerFenetres();
    QWidget* w = vue_.fenetre(n);
    if (!w) return false;
    QByteArray pdf = qgetenv("QUARVEL_PDF");
    QPrinter imprimante(QPrinter::ScreenResolution);
    if (!pdf.isEmpty()) {
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(QString::fromLocal8Bit(pdf));
    } else {
        // Without a printer QPrinter quietly turns into a PDF printer with no file: refuse.
        QPrinterInfo defaut = QPrinterInfo::defaultPrinter();
        if (defaut.isNull()) return false;
        imprimante.setPrinterName(defaut.printerName());
    }
    // The page rectangle is in printer pixels of a 300 dpi page.
    imprimante.setResolution(300);
    imprimante.setDocName(w->windowTitle());
    QPixmap image = w->grab();
    QPainter p;
    if (!p.begin(&imprimante)) return false;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(QRect(page.left, page.top, page.width, page.height), image);
    return p.end();
}

void PlateformeQt::ouvrirAide(const std::string& fichier) {
    vue_.ouvrirAide(QString::fromStdString(fichier));
}

void PlateformeQt::quitter() {
    QApplication::quit();
}

} // namespace quarvel::qt
