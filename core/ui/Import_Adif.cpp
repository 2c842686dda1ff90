// Placeholder until the import lands.
#include "core/ui/Import_Adif.h"
namespace Sous_Programmes {
void Import_Adif(std::vector<std::string>& liste_loc) {
    liste_loc.clear();
}
} // namespace Sous_Programmes
