// Test double of the platform: the file dialog answers from a queue of file
// names (empty = cancelled), message boxes are recorded and answered at once.
#pragma once

#include "core/ui/Plateforme.h"

#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <string>
#include <string_view>

namespace Sous_Programmes {

class Plateforme_Test : public Plateforme {
public:
    Plateforme_Test();
    ~Plateforme_Test() override;

    QString Demander_Fichier(const QString& filtre) override;
    void Message(const QString& texte) override;
    void Ecrire_Reglage(const QString& application, const QString& section, const QString& cle,
                        const QString& valeur) override;
    QString Dossier_Programme() override { return dossier; }

    std::deque<QString> fichiers; // next answers of the file dialog
    QStringList filtres;          // filters the dialog was shown with
    QStringList messages;         // texts of the message boxes shown
    QStringList reglages;         // "application|section|key|value"
    QString dossier;              // the program's folder (a fresh temporary one)
    QTemporaryDir temporaire;
};

// A file written under the test's temporary folder; returns its path.
QString Ecrire_Fichier(const QString& dossier, const QString& nom, const std::string& contenu);

// Empties the QSO table as at program start.
void Vider_Tab_Qso();

// A record line, each field padded to its column: locator (up to 6), band
// label (7 characters), zone, DXCC, call, date.
std::string Ligne_Essai(std::string_view locator, std::string_view bande, std::string_view zone = "14",
                        std::string_view dxcc = "227", std::string_view indicatif = "F1ABC",
                        std::string_view date = "01/02/2023");
// Empties the QSO table, then stores "locator|band|call|date;..." from index
// 1, bytes as given; a call or date left out is blank.
void Remplir_Tab_Qso(std::string_view qsos);

} // namespace Sous_Programmes
