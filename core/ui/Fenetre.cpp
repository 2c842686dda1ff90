#include "core/ui/Fenetre.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <cmath>

namespace Sous_Programmes {

Fenetre::Fenetre(const QString& nom, int largeur_client, int hauteur_client, bool redimensionnable)
    : QWidget(nullptr) {
    setObjectName(nom);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(Icone_Veltrix());
    const QSize taille(Pixels(largeur_client), Pixels(hauteur_client));
    if (redimensionnable) {
        resize(taille);
    } else {
        setFixedSize(taille);
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
    }
}

void Fenetre::Cadre_Dialogue() {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
}

void Fenetre::Form_Load() {
    Centrer_Fenetre(*this);
}

void Fenetre::closeEvent(QCloseEvent* e) {
    Decharger_Fenetre(*this);
    e->accept();
}

void Decharger_Fenetre(Fenetre& fenetre) {
    // WA_DeleteOnClose destroys the widget; until then the registry already
    // treats it as absent.
    fenetre.Marquer_Dechargee();
}

void Centrer_Fenetre(QWidget& fenetre) {
    const QScreen* ecran = fenetre.screen() ? fenetre.screen() : QGuiApplication::primaryScreen();
    if (!ecran) return;
    const QRect zone = ecran->geometry();
    // Outer size: the frame is known once the window has been shown; before
    // that, the client size is all there is.
    const QRect exterieur = fenetre.frameGeometry();
    const int gauche =
        Position_Centree(double(zone.width()) * Twips_Par_Pixel, double(exterieur.width()) * Twips_Par_Pixel);
    const int haut = Position_Centree(double(zone.height()) * Twips_Par_Pixel,
                                      double(exterieur.height()) * Twips_Par_Pixel);
    fenetre.move(zone.left() + gauche / Twips_Par_Pixel, zone.top() + haut / Twips_Par_Pixel);
}

void Montrer(QWidget& fenetre) {
    fenetre.show();
    fenetre.raise();
    fenetre.activateWindow();
}

int Pixels(int twips) {
    return static_cast<int>(std::lround(double(twips) / Twips_Par_Pixel));
}

void Placer(QWidget& controle, const Rect_Twips& r) {
    controle.setGeometry(Pixels(r.Left), Pixels(r.Top), Pixels(r.Width), Pixels(r.Height));
}

QFont Police_Qt(const Police& p) {
    QFont f(QString::fromStdString(p.Famille));
    f.setPointSizeF(p.Points);
    f.setBold(p.Gras);
    return f;
}

Qt::Alignment Alignement_Qt(Alignement a) {
    // A caption starts at its label's top line, so the labels of one strip
    // that share a top line up whatever their heights.
    switch (a) {
    case Alignement::Gauche:
        return Qt::AlignLeft | Qt::AlignTop;
    case Alignement::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Alignement::Droite:
        return Qt::AlignRight | Qt::AlignTop;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QLabel* Nouveau_Libelle(QWidget* parent, const QString& nom, const Rect_Twips& r, const QString& texte,
                        const Police& p, Alignement a) {
    auto* l = new QLabel(parent);
    l->setObjectName(nom);
    l->setFont(Police_Qt(p));
    l->setProperty("Points_Design", p.Points);
    l->setAlignment(Alignement_Qt(a));
    Placer(*l, r);
    Ecrire_Libelle(*l, texte);
    return l;
}

void Ecrire_Libelle(QLabel& libelle, const QString& texte) {
    libelle.setText(texte);
    const double design = libelle.property("Points_Design").toDouble();
    if (design <= 0) return;
    QFont f = libelle.font();
    double points = design;
    f.setPointSizeF(points);
    const int place = libelle.width() - 2;
    while (points > design * 0.7 && QFontMetrics(f).horizontalAdvance(texte) > place) {
        points -= 0.25;
        f.setPointSizeF(points);
    }
    libelle.setFont(f);
}

QComboBox* Nouvelle_Liste_Editable(QWidget* parent, const QString& nom, const Rect_Twips& r) {
    auto* liste = new QComboBox(parent);
    liste->setObjectName(nom);
    liste->setEditable(true);
    liste->setInsertPolicy(QComboBox::NoInsert);
    liste->setCompleter(nullptr);
    QPalette p = liste->palette();
    p.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xC0));
    liste->setPalette(p);
    Placer(*liste, r);
    return liste;
}

QPushButton* Nouveau_Bouton(QWidget* parent, const QString& nom, const QString& texte, const Rect_Twips& r) {
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    Placer(*b, r);
    return b;
}

void Remplir_Liste(QComboBox& liste, const std::vector<std::string>& items) {
    for (const auto& item : items) liste.addItem(QString::fromStdString(item));
}

QWidget* Nouveau_Cadre(QWidget* parent, const QString& nom, const Rect_Twips& r) {
    auto* f = new QFrame(parent);
    f->setObjectName(nom);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Sunken);
    Placer(*f, r);
    return f;
}

QColor Couleur_Qt(unsigned int couleur, const QPalette& palette) {
    if (couleur & 0x80000000u) {
        switch (couleur & 0xFFu) {
        case 5:
            return palette.color(QPalette::Base);
        case 8:
            return palette.color(QPalette::Text);
        case 15:
            return palette.color(QPalette::Button);
        default:
            return palette.color(QPalette::Window);
        }
    }
    return QColor(int(couleur & 0xFFu), int((couleur >> 8) & 0xFFu), int((couleur >> 16) & 0xFFu));
}

void Installer_Substitutions_Polices() {
    const QString sans = QStringLiteral("Liberation Sans");
    for (const char* nom : {"MS Sans Serif", "Arial", "Lucida Sans", "MS Reference Sans Serif"})
        QFont::insertSubstitution(QString::fromLatin1(nom), sans);
}

QIcon Icone_Veltrix() {
    const QString chemin = QStringLiteral(":/icone/veltrix.png");
    return QFile::exists(chemin) ? QIcon(chemin) : QIcon();
}

} // namespace Sous_Programmes
