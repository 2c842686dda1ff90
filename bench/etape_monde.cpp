// "monde": the world map drawn for "Toutes" and each of the 17 labels.
#include "bench/Etapes_Cartes.h"
#include "core/Tab_Qso.h"
#include "maps/common/Cartes.h"
#include "maps/fields/Champs_Monde.h"

#include <chrono>
#include <vector>

namespace Veltrix_Bench {

using namespace Sous_Programmes;

Resultat_Etape Etape_Monde() {
    const auto items = Items_Bande_Cartes();
    std::vector<std::vector<int>> marquees;
    marquees.reserve(items.size());

    const auto debut = std::chrono::steady_clock::now();
    Grille_Cellules grille = Grille_Design(Description_Carte_Monde());
    for (const auto& bande : items) {
        Marque_Carte_Monde(grille, bande);
        marquees.push_back(grille.Cellules_Marquees());
    }
    const std::chrono::duration<double, std::milli> duree = std::chrono::steady_clock::now() - debut;

    std::string json = "{";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i) json += ',';
        json += Json_Texte(items[i]) + ':' + Json_Entiers(marquees[i]);
    }
    return {true, json + '}', duree.count()};
}

} // namespace Veltrix_Bench
