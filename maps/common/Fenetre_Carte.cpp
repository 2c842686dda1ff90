#include "maps/common/Fenetre_Carte.h"

#include "core/Tab_Qso.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace Sous_Programmes {

namespace {

// One cell of the grid. Text boxes (Text1, Dep) fill their rectangle with
// their background and carry a thin border; Europe labels (cel) draw only
// their digits, so the map shows around them. The colours live in the
// palette (Window: background, WindowText: text), so what a test reads is
// what is painted.
class Cellule_Carte : public QWidget {
public:
    Cellule_Carte(QWidget* parent, Sorte_Cellule sorte, const QString& texte)
        : QWidget(parent), sorte_(sorte), texte_(texte) {}
    QString Texte() const { return texte_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect();
        if (sorte_ != Sorte_Cellule::Cel) {
            p.fillRect(r, palette().color(QPalette::Window));
            p.setPen(QColor(0x80, 0x80, 0x80));
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
        p.setPen(palette().color(QPalette::WindowText));
        p.setFont(font());
        p.drawText(r, Qt::AlignCenter, texte_);
    }

private:
    Sorte_Cellule sorte_;
    QString texte_;
};

} // namespace

Fenetre_Carte::Fenetre_Carte(const Description_Carte& d)
    : Fenetre(QString::fromStdString(d.Nom), d.Largeur_Client, d.Hauteur_Client), description_(d),
      grille_(Grille_Design(d)) {
    setFont(Police_Qt(Police{}));
    setWindowTitle(QString::fromStdString(d.Titre));
    if (d.Cadre == Cadre_Fenetre::Dialogue) Cadre_Dialogue();

    QWidget* bandeau = Nouveau_Cadre(this, QString::fromStdString(d.Nom_Bandeau), d.Bandeau);
    for (const auto& l : d.Libelles) {
        QLabel* label = Nouveau_Libelle(bandeau, QString::fromStdString(l.Nom), l.Rect,
                                        QString::fromStdString(l.Texte), l.Pol, l.Align);
        if (l.Role == Role_Libelle::Compte) compte_ = label;
        if (l.Role == Role_Libelle::Bande) bande_ = label;
    }

    if (d.Avec_Afficher) {
        bande_t_ = Nouvelle_Liste_Editable(this, QStringLiteral("Bande_T"), d.Bande_T);
        command1_ = Nouveau_Bouton(this, QStringLiteral("Command1"), QStringLiteral("Afficher"), d.Command1);
        setTabOrder(bande_t_, command1_);
        connect(command1_, &QPushButton::clicked, this, [this] {
            if (Command1_Click) Command1_Click(*this);
        });
    }

    picture1_ = new QLabel(this);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture1_->setScaledContents(false);
    if (!d.Image.empty()) picture1_->setPixmap(QPixmap(QString::fromStdString(d.Image)));
    Placer(*picture1_, d.Picture1);
    picture1_->lower();

    cellules_.assign(static_cast<std::size_t>(d.Dernier - d.Premier + 1), nullptr);
    for (const auto& c : d.Cellules) {
        if (!grille_.Existe(c.Index)) continue;
        auto* cellule = new Cellule_Carte(picture1_, d.Sorte, QString::fromStdString(c.Libelle));
        cellule->setObjectName(QString::fromStdString(d.Nom_Cellules) + QLatin1Char('(') +
                               QString::number(c.Index) + QLatin1Char(')'));
        cellule->setFont(Police_Qt(c.Pol));
        Placer(*cellule, c.Rect);
        cellules_[static_cast<std::size_t>(c.Index - d.Premier)] = cellule;
        Peindre_Cellule(c.Index);
    }
    bandeau->raise();
    if (bande_t_) bande_t_->raise();
    if (command1_) command1_->raise();

    grille_.Sur_Cellule = [this](int k) { Peindre_Cellule(k); };
    grille_.Sur_Libelles = [this] { Peindre_Libelles(); };
    Peindre_Libelles();
}

void Fenetre_Carte::Form_Load() {
    if (description_.Centrer) Centrer_Fenetre(*this);
    if (bande_t_) {
        const QSignalBlocker bloque(bande_t_);
        Remplir_Liste(*bande_t_, Items_Bande_Cartes());
        bande_t_->setCurrentIndex(0);
    }
}

QWidget* Fenetre_Carte::Cellule(int k) const {
    if (!grille_.Existe(k)) return nullptr;
    return cellules_[static_cast<std::size_t>(k - grille_.Premier())];
}

void Fenetre_Carte::changeEvent(QEvent* e) {
    Fenetre::changeEvent(e);
    // The system colours of the cells follow the desktop's palette when it changes.
    if (e->type() == QEvent::PaletteChange)
        for (int k = grille_.Premier(); k <= grille_.Dernier(); ++k) Peindre_Cellule(k);
}

void Fenetre_Carte::Peindre_Cellule(int k) {
    QWidget* w = Cellule(k);
    if (!w) return;
    const Etat_Cellule& e = grille_.Cellule(k);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, Couleur_Qt(e.BackColor, palette()));
    p.setColor(QPalette::WindowText, Couleur_Qt(e.ForeColor, palette()));
    w->setPalette(p);
    if (w->font().italic() != e.Italique) {
        QFont f = w->font();
        f.setItalic(e.Italique);
        w->setFont(f);
    }
    w->update();
}

void Fenetre_Carte::Peindre_Libelles() {
    if (compte_) Ecrire_Libelle(*compte_, QString::fromStdString(grille_.Compte()));
    if (bande_) Ecrire_Libelle(*bande_, QString::fromStdString(grille_.Bande()));
}

} // namespace Sous_Programmes
