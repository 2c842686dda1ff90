#include "bench/Etapes_Cartes.h"

namespace Veltrix_Bench {
Resultat_Etape Etape_Europe() { return {}; }
} // namespace Veltrix_Bench
