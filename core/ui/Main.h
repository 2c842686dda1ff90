// The main window: import, band choice, the five totals and the four map buttons.
#pragma once

#include "core/ui/Fenetre.h"

#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace Sous_Programmes {

class Main : public Fenetre {
    Q_OBJECT
public:
    Main();
    void Form_Load() override;

    // Handlers.
    void Importer_Click();
    void Bande_T_Click();
    void Calcul_Totaux();

    // The hidden sorted list of located record lines; the import fills it.
    std::vector<std::string> Liste_Loc;

    QPushButton* Importer;
    QComboBox* Bande_T;
    QLineEdit* Tot_Loc;
    QLineEdit* Tot_Loc1;
    QLineEdit* Tot_Loc2;
    QLineEdit* Tot_Was;
    QLineEdit* Tot_DXCC;
    QPushButton* Carte_Europe_MC;
    QPushButton* Carte_Moyen;
    QPushButton* Carte_du_Monde;
    QPushButton* Carte_Grand;
};

inline const QString Titre_Main = QStringLiteral("  Veltrix    Revision ") + QStringLiteral(" 1.0.5");

// The single instance (created, with its load step, when absent).
Main& Main_Instance();
Main* Main_Si_Existe();
// Program start: creates Main, whose load step shows it.
void Demarrer_Main();

} // namespace Sous_Programmes
