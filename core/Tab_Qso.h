// The QSO table: the system's only store of contacts, and the fixed-column
// record line every reader cuts its fields out of.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace Sous_Programmes {

// 100001 slots, indices 0..100000; slot 0 is never used.
inline constexpr std::size_t Capacite_Tab_Qso = 100000;
extern std::vector<std::string> Tab_Qso;

// Next free index of Tab_Qso: 0 before the first import, then 1 + lines stored.
// Kept as a double because every reader's loop bound is written that way.
extern double Nb_Qso;

// Index of the last valid line (Nb_Qso - 1), or 0 when there is none.
std::size_t Dernier_Qso();

// Columns of Ligne_Qso, as 0-based byte offsets and widths.
// (Columns are numbered from 1 in the line format: locator 1-6, band 9-16,
// zone 19-20, DXCC 23-25, call 28-42, date from 45.)
struct Colonne {
    std::size_t Debut;
    std::size_t Largeur;
};
inline constexpr Colonne Qso_Locator{0, 6};
inline constexpr Colonne Qso_Bande{8, 8};   // the 7-character label and one blank
inline constexpr Colonne Qso_Bande_7{8, 7}; // the label as the map lists compare it
inline constexpr Colonne Qso_Zone{18, 2};
inline constexpr Colonne Qso_Dxcc{22, 3};
inline constexpr Colonne Qso_Indicatif{27, 15};
inline constexpr std::size_t Qso_Date_Debut = 44; // not padded: runs to the end of the line
inline constexpr Colonne Qso_Date_10{44, 10};     // what the Europe report reads
inline constexpr Colonne Grand_Carre{0, 2};
inline constexpr Colonne Moyen_Carre{0, 4};
inline constexpr Colonne Petit_Carre{0, 6};
inline constexpr Colonne Chiffres_Carre{2, 2}; // the square's two digits

inline constexpr std::string_view Locator_Vide = "      ";
inline constexpr std::string_view Deux_Blancs = "  ";
inline constexpr std::string_view Toutes = "Toutes";

// The 17 band labels, each exactly 7 characters (trailing blank included).
inline constexpr std::array<std::string_view, 17> Libelles_Bande = {
    "1.8 Mhz", "3.5 Mhz", "7.0 Mhz", "10 Mhz ", "14 Mhz ", "18 Mhz ", "21 Mhz ", "24 Mhz ", "28 Mhz ",
    "50 Mhz ", "144 Mhz", "432 Mhz", "1.3 Ghz", "2.3 Ghz", "5.7 Ghz", "10 Ghz ", "24 Ghz "};

// The items of the map windows' and choosers' band lists: "Toutes" then the
// 7-character labels.
std::vector<std::string> Items_Bande_Cartes();
// The items of the main window's list: "Toutes" then the labels without their trailing blank.
std::vector<std::string> Items_Bande_Main();

// A column cut out of a line as it stands (blanks kept); shorter when the line is.
std::string_view Champ(std::string_view ligne, Colonne c);
// The same, with leading and trailing blanks removed.
std::string_view Champ_Nettoye(std::string_view ligne, Colonne c);
// Leading and trailing blanks (spaces only) removed.
std::string_view Sans_Blancs(std::string_view s);

// The valid lines 1..Nb_Qso-1, in order, without copying.
struct Lignes_Qso {
    const std::string* debut;
    const std::string* fin;
    const std::string* begin() const { return debut; }
    const std::string* end() const { return fin; }
};
Lignes_Qso Qso_Valides();

} // namespace Sous_Programmes
