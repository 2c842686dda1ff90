// "europe": for every band item of the Europe map, the marked cells and the
// report lines, from the same run the window's "Afficher" makes.
#include "bench/Etapes_Cartes.h"

#include "core/Tab_Qso.h"
#include "maps/common/Cartes.h"
#include "maps/squares/Marque_Carte_Europe.h"

#include <chrono>

namespace Veltrix_Bench {

Resultat_Etape Etape_Europe() {
    using namespace Sous_Programmes;
    using Horloge = std::chrono::steady_clock;

    Grille_Cellules cel = Grille_Design(Description_Carte_Europe());
    std::vector<std::string> liste_err;
    Horloge::duration duree{};
    std::string json = "{";
    bool premier = true;
    for (const auto& bande : Items_Bande_Cartes()) {
        const auto debut = Horloge::now();
        Marque_Carte_Europe(cel, bande, liste_err);
        duree += Horloge::now() - debut;

        std::string report = "[";
        for (std::size_t i = 0; i < liste_err.size(); ++i)
            report += (i ? "," : "") + Json_Texte(liste_err[i]);
        report += "]";
        json += (premier ? "" : ",") + Json_Texte(bande) +
                ":{\"cells\":" + Json_Entiers(cel.Cellules_Marquees()) + ",\"report\":" + report + "}";
        premier = false;
    }
    json += "}";
    return {true, json, std::chrono::duration<double, std::milli>(duree).count()};
}

} // namespace Veltrix_Bench
