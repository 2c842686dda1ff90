#include "bench/Etapes_Cartes.h"

#include "core/Tab_Qso.h"
#include "maps/common/Cartes.h"
#include "maps/squares/Cartes_Champs.h"

#include <chrono>

namespace Veltrix_Bench {

// "champs": field -> band item -> marked cells, each field on one grid built
// from its window's description and marked by the chooser's run, band after band.
Resultat_Etape Etape_Champs() {
    using namespace Sous_Programmes;
    const auto debut = std::chrono::steady_clock::now();
    const auto items = Items_Bande_Cartes();
    std::string json = "{";
    for (int c = 0; c < int(Champs_Europe.size()); ++c) {
        Grille_Cellules grille = Grille_Design(Description_Carte_Champ(c));
        if (c > 0) json += ',';
        json += Json_Texte(Champs_Europe[std::size_t(c)]) + ":{";
        for (std::size_t b = 0; b < items.size(); ++b) {
            int Nb_Carres_Trouves = 0;
            Remplir_Moyens_Carres(items[b], Champs_Europe[std::size_t(c)], Nb_Carres_Trouves, &grille);
            if (b > 0) json += ',';
            json += Json_Texte(items[b]) + ':' + Json_Entiers(grille.Cellules_Marquees());
        }
        json += '}';
    }
    json += '}';
    const std::chrono::duration<double, std::milli> duree = std::chrono::steady_clock::now() - debut;
    return {true, std::move(json), duree.count()};
}

} // namespace Veltrix_Bench
