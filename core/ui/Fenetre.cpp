#include "core/ui/Fenetre.h"

#include "core/ui/Marges_Cadre.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
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

void Fenetre::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    Recentrer_Si_Cadre_Inconnu(*this);
}

void Decharger_Fenetre(Fenetre& fenetre) {
    // WA_DeleteOnClose destroys the widget; until then the registry already
    // treats it as absent.
    fenetre.Marquer_Dechargee();
}

namespace {
// Set on a window centred before its frame could be known: it is centred
// again once shown, when the frame is there to measure.
const char* const A_Recentrer = "Veltrix_A_Recentrer";

} // namespace

void Centrer_Fenetre(QWidget& fenetre) {
    const QScreen* ecran = fenetre.screen() ? fenetre.screen() : QGuiApplication::primaryScreen();
    if (!ecran) return;
    const QRect zone = ecran->geometry();
    // The outer size, border and title bar included: measured on a shown
    // window, asked of the window manager for one not shown yet.
    const std::optional<QMargins> marges =
        fenetre.isVisible() ? Marges_Cadre_Actuelles(fenetre) : Marges_Cadre_Prevues(fenetre);
    fenetre.setProperty(A_Recentrer, !marges.has_value());
    const QSize exterieur = fenetre.size().grownBy(marges.value_or(QMargins()));
    const int gauche =
        Position_Centree(double(zone.width()) * Twips_Par_Pixel, double(exterieur.width()) * Twips_Par_Pixel);
    const int haut = Position_Centree(double(zone.height()) * Twips_Par_Pixel,
                                      double(exterieur.height()) * Twips_Par_Pixel);
    const QPoint coin = zone.topLeft() + QPoint(gauche / Twips_Par_Pixel, haut / Twips_Par_Pixel);
    if (marges && fenetre.testAttribute(Qt::WA_WState_Created))
        // Placed by its client area, which the frame will surround.
        fenetre.setGeometry(QRect(coin + QPoint(marges->left(), marges->top()), fenetre.size()));
    else
        fenetre.move(coin); // not created yet: the window manager puts the frame's corner there
}

void Recentrer_Si_Cadre_Inconnu(QWidget& fenetre) {
    if (!fenetre.property(A_Recentrer).toBool() || !fenetre.isVisible()) return;
    const auto marges = Marges_Cadre_Actuelles(fenetre);
    if (!marges || marges->isNull()) return; // no frame yet, or none at all
    Centrer_Fenetre(fenetre);
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
    // Qt makes the item matching the text the current one, and reports it as
    // chosen, when the text field is left (Return, Enter, focus out). Here a
    // typed text is only read at the next use, exactly as typed: only the
    // drop-down and the arrow keys choose.
    QObject::disconnect(liste->lineEdit(), &QLineEdit::editingFinished, liste, nullptr);
    QPalette p = liste->palette();
    p.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xC0));
    liste->setPalette(p);
    Placer(*liste, r);
    return liste;
}

QPushButton* Nouveau_Bouton(QWidget* parent, const QString& nom, const QString& texte, const Rect_Twips& r) {
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    // Return and Enter press the focused button, as Space does. Qt gives this
    // only to buttons of a QDialog; the windows here are plain widgets.
    b->setAutoDefault(true);
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
