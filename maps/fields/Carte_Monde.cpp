// The world map window: its single instance, and its "Afficher".
#include "core/ui/Ouvertures.h"
#include "maps/common/Cartes.h"
#include "maps/fields/Champs_Monde.h"
#include "maps/fields/Fenetres_Champs.h"

#include <QComboBox>

namespace Sous_Programmes {

namespace {
Instance_Unique<Fenetre_Carte> Instance_Carte_Monde;
} // namespace

Fenetre_Carte& Carte_Monde() {
    return Instance_Carte_Monde.Obtenir([] {
        auto* f = new Fenetre_Carte(Description_Carte_Monde());
        f->Command1_Click = [](Fenetre_Carte& carte) {
            Marque_Carte_Monde(carte.Grille(), carte.Bande_T()->currentText().toStdString());
        };
        return f;
    });
}

Fenetre_Carte* Carte_Monde_Si_Existe() {
    return Instance_Carte_Monde.Si_Existe();
}

void Ouvrir_Carte_Monde() {
    Montrer(Carte_Monde());
}

} // namespace Sous_Programmes
