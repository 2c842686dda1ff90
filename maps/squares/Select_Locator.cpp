// Placeholder until this window lands.
#include "core/ui/Ouvertures.h"
namespace Sous_Programmes {
void Ouvrir_Select_Locator() {}
} // namespace Sous_Programmes
