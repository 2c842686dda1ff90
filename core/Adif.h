// The ADIF reader: bytes of a log in, record lines (Ligne_Qso) out. Pure code;
// the window layer asks for the file and shows the messages.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace Sous_Programmes {

struct Resultat_Adif {
    std::vector<std::string> Lignes; // one Ligne_Qso per contact, at most Capacite_Tab_Qso
    int Messages_Bande = 0; // "Bande absente, remplacée par 1.8 Mhz", one per stored record that needs it
    bool Tronque = false;   // the log held more contacts than the table; the rest were left out
};

// Reads a whole log. Never fails: any bytes give some (maybe empty) result.
Resultat_Adif Lire_Adif(std::string_view octets);

// The 7-character band label of a band text (already upper case): "14 Mhz "
// for "20M" or "14"; empty when no row of the band table holds the text.
std::string_view Libelle_De_Bande(std::string_view texte);

// Stores the lines from index 1 and sets Nb_Qso to one past the last.
void Ranger_Dans_Tab_Qso(std::vector<std::string>&& lignes);

// The lines 1..Nb_Qso-1 that carry a locator, in ascending byte order: the
// content of the main window's Liste_Loc.
std::vector<std::string> Lignes_Localisees();

inline constexpr std::string_view Message_Bande_Absente = "Bande absente, remplacée par 1.8 Mhz";

} // namespace Sous_Programmes
