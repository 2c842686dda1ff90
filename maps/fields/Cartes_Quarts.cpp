// The four world-quarter map windows: one instance per quarter, drawn by
// Marque_Quart_Monde before the chooser shows them.
#include "maps/common/Cartes.h"
#include "maps/fields/Champs_Monde.h"
#include "maps/fields/Fenetres_Champs.h"

#include <array>

namespace Sous_Programmes {

namespace {
std::array<Instance_Unique<Fenetre_Carte>, Quarts_Monde.size()> Instances_Quarts;
} // namespace

Fenetre_Carte& Carte_Quart(int quart) {
    return Instances_Quarts.at(std::size_t(quart)).Obtenir([quart] {
        return new Fenetre_Carte(Description_Quart(quart));
    });
}

Fenetre_Carte* Carte_Quart_Si_Existe(int quart) {
    return Instances_Quarts.at(std::size_t(quart)).Si_Existe();
}

void Marque_Quart_Monde(std::string_view Quart_Sel, std::string_view Bande_Sel) {
    const int quart = Numero_Quart(Quart_Sel);
    if (quart < 0) return;
    Marque_Quart_Monde(Carte_Quart(quart).Grille(), quart, Bande_Sel);
}

} // namespace Sous_Programmes
