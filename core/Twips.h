// Design geometry of every window: positions and sizes in twips, fonts by
// name and points, and the centring arithmetic every load step begins with.
#pragma once

#include <string>

namespace Sous_Programmes {

inline constexpr int Twips_Par_Pixel = 15;

struct Rect_Twips {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

struct Police {
    std::string Famille = "MS Sans Serif";
    double Points = 8.25;
    bool Gras = false;
};

enum class Alignement { Gauche, Centre, Droite };

// Left (or top) of a window centred on the screen: the difference of sizes in
// twips rounded to a whole number (halves to even), then halved with the
// remainder dropped toward zero. 751 -> 375, -301 -> -150, 750.5 -> 375.
int Position_Centree(double ecran_twips, double fenetre_twips);

} // namespace Sous_Programmes
