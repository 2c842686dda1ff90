// Record lines for the Europe map's tests, in the fixed columns of Ligne_Qso,
// stored straight into the QSO table.
#pragma once

#include "core/Adif.h"
#include "tests/support/Plateforme_Test.h"

#include <string>
#include <string_view>
#include <vector>

namespace Essais_Europe {

inline std::string Colonne(std::string_view texte, std::size_t largeur) {
    std::string s(texte);
    s.resize(largeur, ' ');
    return s;
}

// locator (6) band (7 + 1) zone (2) DXCC (3) call (15) date, two blanks between.
inline std::string Ligne(std::string_view locator, std::string_view bande, std::string_view indicatif,
                         std::string_view date = "05/01/2024") {
    return Colonne(locator, 6) + "  " + Colonne(bande, 8) + "  " + "14" + "  " + "227" + "  " +
           Colonne(indicatif, 15) + "  " + std::string(date);
}

inline void Remplir_Tab_Qso(std::vector<std::string> lignes) {
    Sous_Programmes::Vider_Tab_Qso();
    Sous_Programmes::Ranger_Dans_Tab_Qso(std::move(lignes));
}

} // namespace Essais_Europe
