#include "core/ui/Main.h"
#include "core/ui/Fenetre.h"
#include "core/ui/Plateforme.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltrix"));
    Sous_Programmes::Installer_Substitutions_Polices();
    Sous_Programmes::Installer_Traduction_Qt();
    Sous_Programmes::Demarrer_Main();
    return QApplication::exec();
}
