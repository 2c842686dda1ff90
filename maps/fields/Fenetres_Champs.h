// The windows of the field maps: the world map, the four quarter maps and the
// quarter chooser. Each kind has one instance, got (and created with its load
// step, hidden) by its function here, gone once the user closes it.
#pragma once

#include "core/ui/Fenetre.h"
#include "maps/common/Fenetre_Carte.h"

#include <string_view>

class QComboBox;
class QPushButton;

namespace Sous_Programmes {

Fenetre_Carte& Carte_Monde();
Fenetre_Carte* Carte_Monde_Si_Existe();

// quart 0..3 in the order of Quarts_Monde: Carte_NE, Carte_NO, Carte_SE, Carte_SO.
Fenetre_Carte& Carte_Quart(int quart);
Fenetre_Carte* Carte_Quart_Si_Existe(int quart);

// Draws the quarter that Quart_Sel names exactly, creating its window hidden
// when absent; any other text does nothing at all.
void Marque_Quart_Monde(std::string_view Quart_Sel, std::string_view Bande_Sel);

// "Sélection carte": a quarter and a band, and "Afficher" to draw and show it.
class Select_Locator_Monde : public Fenetre {
    Q_OBJECT
public:
    Select_Locator_Monde();
    // Centring, then the two lists filled, showing "1/4 N.E.monde" and "Toutes".
    void Form_Load() override;
    // "Afficher": marks the chosen quarter, then shows its window.
    void Command1_Click();

    QComboBox* Liste_Zone = nullptr;
    QComboBox* Bande_T = nullptr;
    QPushButton* Command1 = nullptr;
};

Select_Locator_Monde& Obtenir_Select_Locator_Monde();
Select_Locator_Monde* Select_Locator_Monde_Si_Existe();

} // namespace Sous_Programmes
