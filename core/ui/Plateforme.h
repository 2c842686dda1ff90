// The platform services the windows use: the file-open dialog, the message
// box, the settings store and the program's folder. Windows reach them
// through this seam so that tests can script the dialog and record messages.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QFileDialog;

namespace Sous_Programmes {

class Plateforme {
public:
    virtual ~Plateforme() = default;
    // Shows the file-open dialog with a filter "description|pattern"; the chosen file, or an empty
    // text when the user cancelled.
    virtual QString Demander_Fichier(const QString& filtre) = 0;
    // An application-modal message box titled "Veltrix", OK only, no icon;
    // returns when the user has pressed OK.
    virtual void Message(const QString& texte) = 0;
    virtual void Ecrire_Reglage(const QString& application, const QString& section, const QString& cle,
                                const QString& valeur) = 0;
    // The folder that holds the program (no trailing separator).
    virtual QString Dossier_Programme() = 0;
};

// The services in use: the real ones unless a test installed its own.
Plateforme& Plateforme_Courante();
void Installer_Plateforme(Plateforme* p); // nullptr restores the real one

// The file-open dialog the real services show: filter "description|pattern",
// the pattern matched in any case (LOG.ADI as well as log.adi).
std::unique_ptr<QFileDialog> Dialogue_Ouverture(const QString& filtre);

// Qt's own French texts ("qtbase_fr") for its standard dialogs and buttons,
// so that the file dialog speaks the program's language. Read from the given
// folder, by default Qt's translations folder; returns whether they were
// loaded. A missing translation changes nothing: the dialogs stay in English.
bool Installer_Traduction_Qt(const QString& dossier);
bool Installer_Traduction_Qt();

// The real services, on Qt.
class Plateforme_Qt : public Plateforme {
public:
    QString Demander_Fichier(const QString& filtre) override;
    void Message(const QString& texte) override;
    void Ecrire_Reglage(const QString& application, const QString& section, const QString& cle,
                        const QString& valeur) override;
    QString Dossier_Programme() override;
};

// Shorthand for the message box of the system.
inline void Afficher_Message(const QString& texte) {
    Plateforme_Courante().Message(texte);
}

} // namespace Sous_Programmes
