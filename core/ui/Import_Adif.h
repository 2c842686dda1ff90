// The import as the main window runs it: empties Liste_Loc, asks for the log,
// reads it into Tab_Qso (whole or not at all) and refills Liste_Loc.
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace Sous_Programmes {

inline constexpr const char* Filtre_Adif = ".adi (adi)|*.adi";

void Import_Adif(std::vector<std::string>& liste_loc);

// Shown once, after the import, when the log held more contacts than the table.
QString Message_Trop_De_Qso();

} // namespace Sous_Programmes
