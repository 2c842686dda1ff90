#include "core/ui/Main.h"

#include "core/Tab_Qso.h"
#include "core/Totaux.h"
#include "core/ui/Import_Adif.h"
#include "core/ui/Ouvertures.h"
#include "core/ui/Plateforme.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Sous_Programmes {

namespace {

Instance_Unique<Main> instance_main;

const QColor Jaune_Clair(0xFF, 0xFF, 0xC0); // &HC0FFFF, the total boxes

const Police Defaut{"MS Sans Serif", 8.25, false};
const Police Gras_825{"MS Sans Serif", 8.25, true};

QPushButton* Bouton(QWidget* parent, const char* nom, const char* texte, Rect_Twips r, bool actif) {
    auto* b = Nouveau_Bouton(parent, QString::fromLatin1(nom), QString::fromUtf8(texte), r);
    b->setEnabled(actif);
    return b;
}

QLineEdit* Total(QWidget* parent, const char* nom, Rect_Twips r) {
    auto* t = new QLineEdit(parent);
    t->setObjectName(QString::fromLatin1(nom));
    t->setFont(Police_Qt(Gras_825));
    t->setAlignment(Qt::AlignCenter);
    QPalette p = t->palette();
    p.setColor(QPalette::Base, Jaune_Clair);
    t->setPalette(p);
    Placer(*t, r);
    return t;
}

void Libelle(QWidget* parent, const char* nom, const char* texte, Rect_Twips r, const Police& pol,
             Alignement a = Alignement::Gauche) {
    Nouveau_Libelle(parent, QString::fromLatin1(nom), r, QString::fromUtf8(texte), pol, a);
}

} // namespace

Main::Main() : Fenetre(QStringLiteral("Main"), 5880, 5835, /*redimensionnable=*/true) {
    setFont(Police_Qt(Defaut));
    Nouveau_Cadre(this, QStringLiteral("Frame1"), {120, 0, 5655, 735});
    Nouveau_Cadre(this, QStringLiteral("Frame2"), {120, 840, 5655, 4815});
    Libelle(this, "Label1", "Carrés locators contactés", {240, 240, 5415, 375}, {"MS Sans Serif", 13.5, true},
            Alignement::Centre);
    Importer = Bouton(this, "Importer", "Importer un log au format ADIF", {600, 1080, 2415, 375}, true);
    Libelle(this, "Label5", "Bande", {3360, 1200, 615, 255}, {"MS Sans Serif", 9.75, false});

    Bande_T = Nouvelle_Liste_Editable(this, QStringLiteral("Bande_T"), {4080, 1200, 1095, 315});
    Bande_T->setFont(Police_Qt(Gras_825));

    Libelle(this, "Label2", "Nb de Grands carrés contactés", {840, 1680, 2895, 255}, Gras_825);
    Tot_Loc = Total(this, "Tot_Loc", {4080, 1680, 735, 255});
    Libelle(this, "Label4", "Nb de Moyens carrés contactés", {840, 2040, 2895, 255}, Gras_825);
    Tot_Loc1 = Total(this, "Tot_Loc1", {4080, 2040, 735, 270});
    Libelle(this, "Label3", "Nb de Petits carrés contactés", {840, 2400, 2895, 255}, Gras_825);
    Tot_Loc2 = Total(this, "Tot_Loc2", {4080, 2400, 735, 255});
    Libelle(this, "Label6", "Nb de zones WAZ contactées", {840, 2760, 2895, 255}, Gras_825);
    Tot_Was = Total(this, "Tot_Was", {4080, 2760, 735, 255});
    Libelle(this, "Label7", "Nb de contrées DXCC contactées", {840, 3120, 2895, 255}, Gras_825);
    Tot_DXCC = Total(this, "Tot_DXCC", {4080, 3120, 735, 255});

    Carte_Europe_MC = Bouton(this, "Carte_Europe_MC", "Carte Europe des moyens carrés contactés",
                             {1200, 3600, 3375, 375}, false);
    Carte_Moyen =
        Bouton(this, "Carte_Moyen", "Détails moyens carrés contactés", {1200, 4080, 3375, 375}, false);
    Carte_du_Monde = Bouton(this, "Carte_du_Monde", "Carte monde des grands carrés contactés",
                            {1200, 4560, 3375, 375}, false);
    Carte_Grand =
        Bouton(this, "Carte_Grand", "Détail grands carrés contactés", {1200, 5040, 3375, 375}, false);

    // Keyboard order of the design; disabled buttons are passed over by Qt.
    const QList<QWidget*> ordre = {Carte_Grand, Tot_Loc, Tot_Loc1, Tot_Loc2,       Carte_Moyen,    Bande_T,
                                   Importer,    Tot_Was, Tot_DXCC, Carte_du_Monde, Carte_Europe_MC};
    for (QWidget* w : ordre) w->setFocusPolicy(w == Bande_T ? Qt::StrongFocus : w->focusPolicy());
    for (qsizetype i = 1; i < ordre.size(); ++i) setTabOrder(ordre[i - 1], ordre[i]);

    connect(Importer, &QPushButton::clicked, this, &Main::Importer_Click);
    connect(Bande_T, &QComboBox::activated, this, &Main::Bande_T_Click);
    connect(Carte_Grand, &QPushButton::clicked, this, [] { Ouvrir_Select_Locator_Monde(); });
    connect(Carte_Moyen, &QPushButton::clicked, this, [] { Ouvrir_Select_Locator(); });
    connect(Carte_Europe_MC, &QPushButton::clicked, this, [] { Ouvrir_Carte_Europe(); });
    connect(Carte_du_Monde, &QPushButton::clicked, this, [] { Ouvrir_Carte_Monde(); });
}

void Main::Form_Load() {
    Centrer_Fenetre(*this);
    {
        // Filling the list must not count as a choice: the choice is the next step.
        const QSignalBlocker bloque(Bande_T);
        Remplir_Liste(*Bande_T, Items_Bande_Main());
    }
    Bande_T->setCurrentIndex(0);
    Bande_T_Click(); // setting the list index is a choice: the totals run on the empty list
    show();
    Tot_Was->setText(QStringLiteral("0"));
    Tot_DXCC->setText(QStringLiteral("0"));
    Importer->setFocus();
    setWindowTitle(Titre_Main);
    Plateforme_Courante().Ecrire_Reglage(QStringLiteral("Locator"), QStringLiteral("Setup "),
                                         QStringLiteral("Chemin Repertoire"),
                                         Plateforme_Courante().Dossier_Programme());
}

void Main::Importer_Click() {
    Tot_Loc->setText(QString());
    Tot_Loc1->setText(QString());
    Tot_Loc2->setText(QString());
    Import_Adif(Liste_Loc);
    for (QPushButton* b : {Carte_Grand, Carte_Moyen, Carte_du_Monde, Carte_Europe_MC}) b->setEnabled(true);
    Calcul_Totaux();
    Bande_T->setFocus();
}

void Main::Bande_T_Click() {
    Calcul_Totaux();
}

void Main::Calcul_Totaux() {
    const Totaux t = Sous_Programmes::Calcul_Totaux(Liste_Loc, Bande_T->currentText().toStdString());
    // Written in this order, each as plain decimal digits.
    QLineEdit* const boites[] = {Tot_Loc, Tot_Loc1, Tot_Loc2, Tot_Was, Tot_DXCC};
    for (std::size_t i = 0; i < t.size(); ++i) boites[i]->setText(QString::number(t[i]));
}

Main& Main_Instance() {
    return instance_main.Obtenir([] { return new Main; });
}

Main* Main_Si_Existe() {
    return instance_main.Si_Existe();
}

void Demarrer_Main() {
    Main_Instance();
}

} // namespace Sous_Programmes
