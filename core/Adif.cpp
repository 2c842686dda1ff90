// Placeholder until the reader lands.
#include "core/Adif.h"
#include "core/Tab_Qso.h"

namespace Sous_Programmes {
Resultat_Adif Lire_Adif(std::string_view) {
    return {};
}
std::string_view Libelle_De_Bande(std::string_view) {
    return {};
}
void Ranger_Dans_Tab_Qso(std::vector<std::string>&& lignes) {
    std::size_t i = 1;
    for (auto& l : lignes) Tab_Qso[i++] = std::move(l);
    Nb_Qso = double(i);
}
std::vector<std::string> Lignes_Localisees() {
    return {};
}
} // namespace Sous_Programmes
