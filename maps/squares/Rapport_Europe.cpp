#include "maps/squares/Rapport_Europe.h"

#include "core/ui/Plateforme.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace Sous_Programmes {

namespace {

// Why the file could not be written, in the user's words, with the system's
// own text kept for whoever has to fix it.
QString Raison(const QSaveFile& fichier, const QString& dossier) {
    const QFileInfo info(dossier);
    QString raison;
    if (!info.isDir())
        raison = QStringLiteral("le répertoire %1 n'existe pas").arg(QDir::toNativeSeparators(dossier));
    else if (fichier.error() == QFileDevice::OpenError || fichier.error() == QFileDevice::PermissionsError)
        raison = QStringLiteral("impossible de créer un fichier dans le répertoire %1")
                     .arg(QDir::toNativeSeparators(dossier));
    else if (fichier.error() == QFileDevice::RenameError)
        raison = QStringLiteral("l'ancien fichier ne peut pas être remplacé");
    else
        raison = QStringLiteral("l'écriture a échoué (disque plein ?)");
    return raison + QStringLiteral(" (") + fichier.errorString() + QLatin1Char(')');
}

} // namespace

std::string Contenu_Rapport_Europe(const std::vector<std::string>& Liste_Err) {
    std::string contenu;
    for (const auto& ligne : Liste_Err) contenu.append(ligne).append("\r\n");
    return contenu;
}

bool Ecrire_Rapport_Europe(const std::vector<std::string>& Liste_Err) {
    const QString dossier = Plateforme_Courante().Dossier_Programme();
    QSaveFile fichier(QDir(dossier).filePath(QLatin1String(Nom_Rapport_Europe)));
    const std::string contenu = Contenu_Rapport_Europe(Liste_Err);
    const bool ecrit = fichier.open(QIODevice::WriteOnly) &&
                       fichier.write(contenu.data(), qint64(contenu.size())) == qint64(contenu.size()) &&
                       fichier.commit();
    if (!ecrit) {
        Afficher_Message(QStringLiteral("Le fichier 'Carres non references.txt' n'a pas pu être écrit : ") +
                         Raison(fichier, dossier) + QLatin1Char('.'));
        return false;
    }
    if (!Liste_Err.empty())
        Afficher_Message(QStringLiteral(
            "Le fichier 'Carres non references.txt' a été crée dans le répértoire de Veltrix"));
    return true;
}

} // namespace Sous_Programmes
