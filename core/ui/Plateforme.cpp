#include "core/ui/Plateforme.h"

#include <QApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QSettings>
#include <QTranslator>

namespace Sous_Programmes {

namespace {
Plateforme* installee = nullptr;
} // namespace

Plateforme& Plateforme_Courante() {
    static Plateforme_Qt reelle;
    return installee ? *installee : reelle;
}

void Installer_Plateforme(Plateforme* p) {
    installee = p;
}

std::unique_ptr<QFileDialog> Dialogue_Ouverture(const QString& filtre) {
    // The filter comes as "description|pattern", the common dialog's form.
    const auto morceaux = filtre.split(QLatin1Char('|'));
    const QString description = morceaux.value(0);
    const QString motif = morceaux.value(1, QStringLiteral("*"));
    auto dialogue = std::make_unique<QFileDialog>(QApplication::activeWindow());
    dialogue->setOption(QFileDialog::DontUseNativeDialog, true);
    dialogue->setFileMode(QFileDialog::ExistingFile);
    dialogue->setAcceptMode(QFileDialog::AcceptOpen);
    dialogue->setFilter(dialogue->filter() & ~QDir::CaseSensitive);
    dialogue->setNameFilter(description + QStringLiteral(" (") + motif + QLatin1Char(')'));
    return dialogue;
}

bool Installer_Traduction_Qt(const QString& dossier) {
    auto traduction = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!traduction->load(QStringLiteral("qtbase_fr"), dossier)) return false;
    QCoreApplication::installTranslator(traduction.release());
    return true;
}

bool Installer_Traduction_Qt() {
    return Installer_Traduction_Qt(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString Plateforme_Qt::Demander_Fichier(const QString& filtre) {
    const auto dialogue = Dialogue_Ouverture(filtre);
    if (dialogue->exec() != QDialog::Accepted) return {};
    const auto choisis = dialogue->selectedFiles();
    return choisis.isEmpty() ? QString() : choisis.first();
}

void Plateforme_Qt::Message(const QString& texte) {
    QMessageBox boite(QMessageBox::NoIcon, QStringLiteral("Veltrix"), texte, QMessageBox::Ok);
    boite.setWindowModality(Qt::ApplicationModal);
    boite.exec();
}

void Plateforme_Qt::Ecrire_Reglage(const QString& application, const QString& section, const QString& cle,
                                   const QString& valeur) {
    QSettings reglages(QSettings::UserScope, QStringLiteral("Veltrix"), application);
    reglages.beginGroup(section);
    reglages.setValue(cle, valeur);
    reglages.endGroup();
    reglages.sync();
}

QString Plateforme_Qt::Dossier_Programme() {
    return QCoreApplication::applicationDirPath();
}

} // namespace Sous_Programmes
