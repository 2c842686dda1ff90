#include "maps/squares/Carte_Europe.h"

#include "core/ui/Ouvertures.h"
#include "maps/common/Cartes.h"
#include "maps/squares/Marque_Carte_Europe.h"
#include "maps/squares/Rapport_Europe.h"

#include <QComboBox>

namespace Sous_Programmes {

namespace {

Instance_Unique<Fenetre_Europe> Instance;

// "Afficher": the run for the text shown in Bande_T, then the report step.
// The marks and labels are painted before the report's message comes up.
void Afficher_Europe(Fenetre_Carte& fenetre) {
    auto& europe = static_cast<Fenetre_Europe&>(fenetre);
    const std::string Bande_Sel = europe.Bande_T()->currentText().toStdString();
    Marque_Carte_Europe(europe.Grille(), Bande_Sel, europe.Liste_Err);
    Ecrire_Rapport_Europe(europe.Liste_Err);
}

} // namespace

Fenetre_Europe::Fenetre_Europe() : Fenetre_Carte(Description_Carte_Europe()) {
    Command1_Click = Afficher_Europe;
}

Fenetre_Europe& Carte_Europe() {
    return Instance.Obtenir([] { return new Fenetre_Europe; });
}

Fenetre_Europe* Carte_Europe_Ouverte() {
    return Instance.Si_Existe();
}

void Ouvrir_Carte_Europe() {
    Montrer(Carte_Europe());
}

} // namespace Sous_Programmes
