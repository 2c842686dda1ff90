// The five totals of the main window, computed from the sorted Liste_Loc.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace Sous_Programmes {

// Fields, squares, subsquares, CQ zones, DXCC entities; in this order.
using Totaux = std::array<long, 5>;

// selection: the main window's band text ("Toutes", or a label without its trailing blank).
Totaux Calcul_Totaux(const std::vector<std::string>& liste_loc, std::string_view selection);

} // namespace Sous_Programmes
