// "quarts": each world quarter drawn for "Toutes" and each of the 17 labels.
#include "bench/Etapes_Cartes.h"
#include "core/Tab_Qso.h"
#include "maps/common/Cartes.h"
#include "maps/fields/Champs_Monde.h"

#include <chrono>
#include <vector>

namespace Veltrix_Bench {

using namespace Sous_Programmes;

Resultat_Etape Etape_Quarts() {
    const auto items = Items_Bande_Cartes();
    std::vector<std::vector<std::vector<int>>> marquees(Quarts_Monde.size());

    const auto debut = std::chrono::steady_clock::now();
    for (std::size_t q = 0; q < Quarts_Monde.size(); ++q) {
        Grille_Cellules grille = Grille_Design(Description_Quart(int(q)));
        for (const auto& bande : items) {
            Marque_Quart_Monde(grille, int(q), bande);
            marquees[q].push_back(grille.Cellules_Marquees());
        }
    }
    const std::chrono::duration<double, std::milli> duree = std::chrono::steady_clock::now() - debut;

    std::string json = "{";
    for (std::size_t q = 0; q < Quarts_Monde.size(); ++q) {
        if (q) json += ',';
        json += Json_Texte(Quarts_Monde[q]) + ":{";
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (i) json += ',';
            json += Json_Texte(items[i]) + ':' + Json_Entiers(marquees[q][i]);
        }
        json += '}';
    }
    return {true, json + '}', duree.count()};
}

} // namespace Veltrix_Bench
