// Placeholder until this window lands.
#include "core/ui/Ouvertures.h"
namespace Sous_Programmes {
void Ouvrir_Carte_Monde() {}
} // namespace Sous_Programmes
