#include "bench/Etapes_Cartes.h"

namespace Veltrix_Bench {
Resultat_Etape Etape_Champs() { return {}; }
} // namespace Veltrix_Bench
