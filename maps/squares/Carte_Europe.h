// The Europe map window Carte_Europe: the map window of its description, plus
// the hidden report buffer Liste_Err of its last run.
#pragma once

#include "maps/common/Fenetre_Carte.h"

#include <string>
#include <vector>

namespace Sous_Programmes {

class Fenetre_Europe : public Fenetre_Carte {
public:
    Fenetre_Europe();
    // The report lines of the last run, in the order they were collected.
    std::vector<std::string> Liste_Err;
};

// The single instance, created with its load step when absent.
Fenetre_Europe& Carte_Europe();
// The instance if it is open, without creating it.
Fenetre_Europe* Carte_Europe_Ouverte();

} // namespace Sous_Programmes
