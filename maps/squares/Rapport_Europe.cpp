#include "maps/squares/Rapport_Europe.h"

#include "core/ui/Plateforme.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <cerrno>

namespace Sous_Programmes {

namespace {

// The step of the writing that failed.
enum class Etape { Ouverture, Ecriture, Remplacement };

// Why the file could not be written, in the user's words: from what stands on
// the disk and the system's error number for the failed step, never a guess.
QString Raison(Etape etape, int erreur, const QSaveFile& fichier, const QString& dossier) {
    const QString nom_dossier = QDir::toNativeSeparators(dossier);
    const QFileInfo rapport(fichier.fileName());
    if (!QFileInfo(dossier).isDir()) return QStringLiteral("le répertoire %1 n'existe pas").arg(nom_dossier);
    if (rapport.isDir())
        return QStringLiteral("un répertoire du même nom occupe sa place dans le répertoire %1")
            .arg(nom_dossier);
    if (etape == Etape::Ouverture && QStorageInfo(dossier).isReadOnly())
        return QStringLiteral("le répertoire %1 est sur un support en lecture seule").arg(nom_dossier);
    // The old file is replaced only when it may be written itself.
    if (etape == Etape::Ouverture && rapport.exists() && !rapport.isWritable())
        return QStringLiteral("l'ancien fichier est en lecture seule et ne peut pas être remplacé");
    if (erreur == ENOSPC || erreur == EDQUOT) return QStringLiteral("le disque est plein");
    if (etape == Etape::Remplacement && fichier.error() == QFileDevice::RenameError)
        return QStringLiteral("l'ancien fichier ne peut pas être remplacé");
    if (etape != Etape::Ouverture) return QStringLiteral("l'écriture sur le disque a échoué");
    if (erreur == EACCES || erreur == EPERM)
        return QStringLiteral("vous n'avez pas le droit d'écrire dans le répertoire %1").arg(nom_dossier);
    return QStringLiteral("il ne peut pas être créé dans le répertoire %1").arg(nom_dossier);
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
    // Each step's error number is read before anything else can change it.
    // Unless committed, the temporary file goes with the QSaveFile.
    Etape etape = Etape::Ouverture;
    int erreur = 0;
    const auto pas = [&](Etape e, auto&& faire) {
        etape = e;
        errno = 0;
        const bool reussi = faire();
        erreur = errno;
        return reussi;
    };
    const bool ecrit =
        pas(Etape::Ouverture, [&] { return fichier.open(QIODevice::WriteOnly); }) &&
        pas(Etape::Ecriture,
            [&] {
                return fichier.write(contenu.data(), qint64(contenu.size())) == qint64(contenu.size()) &&
                       fichier.flush();
            }) &&
        pas(Etape::Remplacement, [&] { return fichier.commit(); });
    if (!ecrit) {
        Afficher_Message(QStringLiteral("Le fichier 'Carres non references.txt' n'a pas pu être écrit : ") +
                         Raison(etape, erreur, fichier, dossier) + QLatin1Char('.'));
        return false;
    }
    if (!Liste_Err.empty())
        Afficher_Message(QStringLiteral(
            "Le fichier 'Carres non references.txt' a été crée dans le répértoire de Veltrix"));
    return true;
}

} // namespace Sous_Programmes
