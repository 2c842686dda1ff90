#include "maps/squares/Select_Locator.h"

#include "core/Tab_Qso.h"
#include "core/ui/Ouvertures.h"
#include "maps/common/Cartes.h"
#include "maps/squares/Cartes_Champs.h"

#include <QComboBox>
#include <QPushButton>
#include <array>
#include <string>

namespace Sous_Programmes {

namespace {

Instance_Unique<Select_Locator> instance_select;
std::array<Instance_Unique<Fenetre_Carte>, 9> instances_champs;

} // namespace

Select_Locator::Select_Locator() : Fenetre(QStringLiteral("Select_Locator"), 3015, 2295) {
    setFont(Police_Qt(Police{}));
    setWindowTitle(QStringLiteral("Sélection moyen carré"));
    Cadre_Dialogue();

    QWidget* frame1 = Nouveau_Cadre(this, QStringLiteral("Frame1"), {120, 0, 2775, 735});
    Nouveau_Libelle(frame1, QStringLiteral("Label2"), {120, 240, 2535, 255},
                    QStringLiteral("Sélection carré"), {"MS Sans Serif", 12, true}, Alignement::Centre);
    QWidget* frame2 = Nouveau_Cadre(this, QStringLiteral("Frame2"), {120, 720, 2775, 1455});
    Nouveau_Libelle(frame2, QStringLiteral("Label1"), {240, 240, 495, 255}, QStringLiteral("Carré"), Police{},
                    Alignement::Centre);
    Nouveau_Libelle(frame2, QStringLiteral("Label3"), {1320, 240, 975, 255}, QStringLiteral("Bande"),
                    Police{}, Alignement::Centre);

    // Created after the frames, so drawn above them; created in the focus order.
    Command1 =
        Nouveau_Bouton(this, QStringLiteral("Command1"), QStringLiteral("Afficher"), {840, 1680, 1335, 255});
    Liste_Locator = Nouvelle_Liste_Editable(this, QStringLiteral("Liste_Locator"), {360, 1200, 735, 315});
    Bande_T = Nouvelle_Liste_Editable(this, QStringLiteral("Bande_T"), {1440, 1200, 1215, 315});
    setTabOrder(Command1, Liste_Locator);
    setTabOrder(Liste_Locator, Bande_T);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void Select_Locator::Form_Load() {
    Centrer_Fenetre(*this);
    for (auto champ : Champs_Europe) Liste_Locator->addItem(QString::fromLatin1(champ));
    Remplir_Liste(*Bande_T, Items_Bande_Cartes());
    Liste_Locator->setCurrentIndex(0);
    Bande_T->setCurrentIndex(0);
}

void Select_Locator::Command1_Click() {
    const std::string Bande_Sel = Bande_T->currentText().toStdString();
    const std::string Carre_Sel = Liste_Locator->currentText().toStdString();
    int Nb_Carres_Trouves = 0;
    Remplir_Moyens_Carres(Bande_Sel, Carre_Sel, Nb_Carres_Trouves);
    const int c = Index_Champ(Carre_Sel);
    if (c >= 0) Montrer(Carte_Champ(c));
}

Select_Locator* Select_Locator_Si_Existe() {
    return instance_select.Si_Existe();
}

void Ouvrir_Select_Locator() {
    Montrer(instance_select.Obtenir([] { return new Select_Locator; }));
}

Fenetre_Carte& Carte_Champ(int c) {
    return instances_champs.at(static_cast<std::size_t>(c)).Obtenir([c] {
        return new Fenetre_Carte(Description_Carte_Champ(c));
    });
}

Fenetre_Carte* Carte_Champ_Si_Existe(int c) {
    return instances_champs.at(static_cast<std::size_t>(c)).Si_Existe();
}

void Remplir_Moyens_Carres(std::string_view Bande_Sel, std::string_view Carre_Sel, int& Nb_Carres_Trouves) {
    const int c = Index_Champ(Carre_Sel);
    Grille_Cellules* grille = c >= 0 ? &Carte_Champ(c).Grille() : nullptr;
    Remplir_Moyens_Carres(Bande_Sel, Carre_Sel, Nb_Carres_Trouves, grille);
}

} // namespace Sous_Programmes
