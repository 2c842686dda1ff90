#include "maps/squares/Marque_Carte_Europe.h"

#include "core/Tab_Qso.h"
#include "maps/squares/Cellules_Europe.h"

#include <algorithm>
#include <array>

namespace Sous_Programmes {

namespace {

constexpr std::array<std::string_view, 8> Champs_Premier_Groupe = {"IO", "IN", "IM", "JO",
                                                                   "JN", "JM", "KO", "KN"};
constexpr std::array<std::string_view, 1> Champs_Second_Groupe = {"KM"};

template <std::size_t N>
void Passe(Grille_Cellules& cel, std::string_view bande_sel, Groupe_Europe groupe,
           const std::array<std::string_view, N>& champs, std::vector<std::string>& liste_err) {
    const bool toutes = bande_sel == Toutes;
    for (const std::string& ligne : Qso_Valides()) {
        if (!toutes && Champ(ligne, Qso_Bande_7) != bande_sel) continue;
        const std::string_view carre = Champ(ligne, Moyen_Carre);
        if (const int k = Cellule_Europe(carre, groupe)) {
            cel.Marquer(k);
        } else if (std::find(champs.begin(), champs.end(), carre.substr(0, 2)) != champs.end()) {
            liste_err.push_back(Ligne_Rapport_Europe(Champ_Nettoye(ligne, Qso_Date_10),
                                                     Champ_Nettoye(ligne, Qso_Indicatif), carre));
        }
    }
}

} // namespace

std::string Ligne_Rapport_Europe(std::string_view date, std::string_view indicatif, std::string_view carre) {
    std::string ligne;
    ligne.reserve(40 + date.size() + indicatif.size());
    ligne.append("QSO du ").append(date);
    ligne.append(" station ").append(indicatif);
    ligne.append(" carr\xE9 locator ").append(carre);
    return ligne;
}

void Marque_Carte_Europe(Grille_Cellules& cel, std::string_view Bande_Sel,
                         std::vector<std::string>& Liste_Err) {
    cel.Reinitialiser(1, Nb_Cellules_Europe);
    Liste_Err.clear();

    Passe(cel, Bande_Sel, Groupe_Europe::Premier, Champs_Premier_Groupe, Liste_Err);
    int Nb_Mc_Europe = cel.Compter(1, Fin_Compte_Premier_Groupe);
    Passe(cel, Bande_Sel, Groupe_Europe::Second, Champs_Second_Groupe, Liste_Err);
    Nb_Mc_Europe += cel.Compter(Debut_Compte_Second_Groupe, Nb_Cellules_Europe);

    cel.Ecrire_Resultats(Nb_Mc_Europe, Bande_Sel);
}

} // namespace Sous_Programmes
