// The 14 map windows as data rows, and the names the choosers use.
#pragma once

#include "maps/common/Description_Carte.h"

#include <array>
#include <string_view>

namespace Sous_Programmes {

const Description_Carte& Description_Carte_Monde();

// "1/4 N.E.monde", "1/4 N.O.monde", "1/4 S.E.monde", "1/4 S.O.monde": Carte_NE, Carte_NO, Carte_SE, Carte_SO.
inline constexpr std::array<std::string_view, 4> Quarts_Monde = {"1/4 N.E.monde", "1/4 N.O.monde",
                                                                 "1/4 S.E.monde", "1/4 S.O.monde"};
const Description_Carte& Description_Quart(int quart); // 0..3 in the order of Quarts_Monde

const Description_Carte& Description_Carte_Europe();

// IM, IN, IO, JM, JN, JO, KM, KN, KO: Carte_IM .. Carte_KO.
inline constexpr std::array<std::string_view, 9> Champs_Europe = {"IM", "IN", "IO", "JM", "JN",
                                                                  "JO", "KM", "KN", "KO"};
const Description_Carte& Description_Carte_Champ(int champ); // 0..8 in the order of Champs_Europe

} // namespace Sous_Programmes
