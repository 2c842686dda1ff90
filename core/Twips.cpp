#include "core/Twips.h"

#include <cfenv>
#include <cmath>

namespace Sous_Programmes {

int Position_Centree(double ecran_twips, double fenetre_twips) {
    const double difference = ecran_twips - fenetre_twips;
    // Round to nearest, halves to even, whatever the current rounding mode.
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double arrondi = std::nearbyint(difference);
    std::fesetround(mode);
    return static_cast<int>(static_cast<long long>(arrondi) / 2); // C++ division truncates toward zero
}

} // namespace Sous_Programmes
