#include "core/Tab_Qso.h"

namespace Sous_Programmes {

std::vector<std::string> Tab_Qso(Capacite_Tab_Qso + 1);
double Nb_Qso = 0;

std::size_t Dernier_Qso() {
    if (Nb_Qso < 2) return 0;
    const auto dernier = static_cast<std::size_t>(Nb_Qso) - 1;
    return dernier > Capacite_Tab_Qso ? Capacite_Tab_Qso : dernier;
}

std::vector<std::string> Items_Bande_Cartes() {
    std::vector<std::string> items{std::string(Toutes)};
    for (auto l : Libelles_Bande) items.emplace_back(l);
    return items;
}

std::vector<std::string> Items_Bande_Main() {
    std::vector<std::string> items{std::string(Toutes)};
    for (auto l : Libelles_Bande) items.emplace_back(Sans_Blancs(l));
    return items;
}

std::string_view Champ(std::string_view ligne, Colonne c) {
    if (c.Debut >= ligne.size()) return {};
    return ligne.substr(c.Debut, c.Largeur);
}

std::string_view Sans_Blancs(std::string_view s) {
    const auto debut = s.find_first_not_of(' ');
    if (debut == std::string_view::npos) return {};
    const auto fin = s.find_last_not_of(' ');
    return s.substr(debut, fin - debut + 1);
}

std::string_view Champ_Nettoye(std::string_view ligne, Colonne c) {
    return Sans_Blancs(Champ(ligne, c));
}

Lignes_Qso Qso_Valides() {
    const std::string* base = Tab_Qso.data();
    return {base + 1, base + 1 + Dernier_Qso()};
}

} // namespace Sous_Programmes
