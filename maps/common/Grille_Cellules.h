// The cell grid of a map window, as data: per cell the colours and slant the
// window shows, plus the count and band captions. Marking procedures reset,
// mark and count here, reading colours back exactly as the window would; the
// window only repaints what this model says.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace Sous_Programmes {

// Colour numbers as the windows store them: below &H80000000 a colour
// (red in the lowest byte), with the top bit set a system colour.
using Couleur = std::uint32_t;
inline constexpr Couleur Couleur_Contacte = 0x80FF80;        // light green: a worked cell
inline constexpr Couleur Couleur_Fond_Cellule = 0x80000005;  // system window background
inline constexpr Couleur Couleur_Texte_Fenetre = 0x80000008; // system window text
inline constexpr Couleur Couleur_Blanc = 0xFFFFFF;
inline constexpr Couleur Couleur_Noir = 0x000000;
inline constexpr Couleur Couleur_Rouge = 0x0000FF; // ForeColor of a marked Europe cell

enum class Sorte_Cellule {
    Text1, // text box, world and quarter maps: BackColor Couleur_Fond_Cellule / Couleur_Contacte,
           // letters in the desktop's window-text colour as a text box's are
    Dep,   // text box, field maps: BackColor white / Couleur_Contacte
    Cel,   // label, Europe map: black upright digits / red italic digits
};

struct Etat_Cellule {
    Couleur BackColor;
    Couleur ForeColor;
    bool Italique;
};

class Grille_Cellules {
public:
    // Cells premier..dernier, all in their design (unmarked) state; the captions
    // start as given (the world map's band label reads "toutes" at design).
    Grille_Cellules(Sorte_Cellule sorte, int premier, int dernier, std::string bande_design = {});

    Sorte_Cellule Sorte() const { return sorte_; }
    int Premier() const { return premier_; }
    int Dernier() const { return premier_ + static_cast<int>(etats_.size()) - 1; }
    bool Existe(int k) const { return k >= premier_ && k <= Dernier(); }
    const Etat_Cellule& Cellule(int k) const { return etats_.at(static_cast<std::size_t>(k - premier_)); }

    // Put cell k into its marked state; marking a marked cell changes nothing.
    void Marquer(int k);
    // Put cells a..b into their unmarked state.
    void Reinitialiser(int a, int b);
    // Number of cells a..b in the marked state, read back from their colours.
    int Compter(int a, int b) const;
    bool Est_Marquee(int k) const;

    // Writing the results: the count as plain decimal digits, the band text unchanged.
    void Ecrire_Compte(int nombre);
    void Ecrire_Bande(std::string_view bande);
    void Ecrire_Resultats(int nombre, std::string_view bande) {
        Ecrire_Compte(nombre);
        Ecrire_Bande(bande);
    }
    const std::string& Compte() const { return compte_; }
    const std::string& Bande() const { return bande_; }

    // Indices of the marked cells, ascending.
    std::vector<int> Cellules_Marquees() const;

    // Told of every change, so a window repaints only what changed.
    std::function<void(int k)> Sur_Cellule;
    std::function<void()> Sur_Libelles;

    static Etat_Cellule Etat_Design(Sorte_Cellule sorte);
    static Etat_Cellule Etat_Marque(Sorte_Cellule sorte);

private:
    void Changer(int k, const Etat_Cellule& e);

    Sorte_Cellule sorte_;
    int premier_;
    std::vector<Etat_Cellule> etats_;
    std::string compte_;
    std::string bande_;
};

} // namespace Sous_Programmes
