// The report step of the Europe map: rewrites "Carres non references.txt" in
// the program's folder with the run's report lines, and tells the user.
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace Sous_Programmes {

inline constexpr char Nom_Rapport_Europe[] = "Carres non references.txt";

// The file's bytes: every line followed by CR LF; nothing at all for no line.
std::string Contenu_Rapport_Europe(const std::vector<std::string>& Liste_Err);

// Writes the file whole or not at all (a temporary file renamed over the old
// one), then shows the "file created" message when there is at least one line.
// When the file cannot be written, the previous one stays as it was and the
// message says why instead. Returns whether the file was written.
bool Ecrire_Rapport_Europe(const std::vector<std::string>& Liste_Err);

} // namespace Sous_Programmes
