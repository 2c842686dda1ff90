// Driving the program's windows as a user would, for tests and tools.
#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

class QWidget;

namespace Sous_Programmes {

// The shown top-level window of that name, or nullptr.
QWidget* Fenetre_Visible(const QString& nom);

// Types each text into the named list of the window, then clicks its
// "Afficher" (Command1). False when a control is missing.
bool Choisir_Et_Afficher(QWidget* fenetre, std::initializer_list<std::pair<const char*, QString>> choix);

} // namespace Sous_Programmes
