// What the main window's four map buttons open. Each map family defines its own.
#pragma once

namespace Sous_Programmes {

void Ouvrir_Select_Locator_Monde(); // "Détail grands carrés contactés"
void Ouvrir_Select_Locator();       // "Détails moyens carrés contactés"
void Ouvrir_Carte_Europe();         // "Carte Europe des moyens carrés contactés"
void Ouvrir_Carte_Monde();          // "Carte monde des grands carrés contactés"

} // namespace Sous_Programmes
