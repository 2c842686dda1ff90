// Takes a picture of every window after a real import, for the README:
//   veltrix-captures LOG.adi OUTPUT_DIR   (run under xvfb-run, xcb platform)
// The file dialog is answered with LOG.adi and message boxes are recorded,
// so the run needs no hand; everything else is the program's own windows.
#include "core/ui/Main.h"
#include "maps/common/Cartes.h"
#include "tests/support/Fenetres_Test.h"
#include "tests/support/Plateforme_Test.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <cstdio>

using namespace Sous_Programmes;

namespace {

QString sortie;

void Capturer(QWidget* w, const QString& fichier) {
    if (!w) {
        std::fprintf(stderr, "missing window for %s\n", qPrintable(fichier));
        return;
    }
    w->raise();
    QTest::qWait(150); // let the window system paint it
    w->grab().save(sortie + QLatin1Char('/') + fichier);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: veltrix-captures LOG.adi OUTPUT_DIR\n");
        return 2;
    }
    sortie = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(sortie);
    Plateforme_Test plateforme;
    plateforme.fichiers.push_back(QString::fromLocal8Bit(argv[1]));

    Demarrer_Main();
    Main& m = Main_Instance();
    QTest::mouseClick(m.Importer, Qt::LeftButton);
    Capturer(&m, QStringLiteral("main.png"));

    QTest::mouseClick(m.Carte_du_Monde, Qt::LeftButton);
    QWidget* monde = Fenetre_Visible(QStringLiteral("Carte_Monde"));
    Choisir_Et_Afficher(monde, {{"Bande_T", QStringLiteral("Toutes")}});
    Capturer(monde, QStringLiteral("carte_monde.png"));
    monde->close();

    QTest::mouseClick(m.Carte_Grand, Qt::LeftButton);
    QWidget* choix_monde = Fenetre_Visible(QStringLiteral("Select_Locator_Monde"));
    Capturer(choix_monde, QStringLiteral("select_locator_monde.png"));
    const char* quarts[] = {"carte_ne.png", "carte_no.png", "carte_se.png", "carte_so.png"};
    const char* noms[] = {"Carte_NE", "Carte_NO", "Carte_SE", "Carte_SO"};
    for (int q = 0; q < 4; ++q) {
        Choisir_Et_Afficher(choix_monde,
                            {{"Liste_Zone", QString::fromLatin1(Quarts_Monde[std::size_t(q)].data())},
                             {"Bande_T", QStringLiteral("Toutes")}});
        QWidget* carte = Fenetre_Visible(QString::fromLatin1(noms[q]));
        Capturer(carte, QString::fromLatin1(quarts[q]));
        carte->close();
    }
    choix_monde->close();

    QTest::mouseClick(m.Carte_Europe_MC, Qt::LeftButton);
    QWidget* europe = Fenetre_Visible(QStringLiteral("Carte_Europe"));
    Choisir_Et_Afficher(europe, {{"Bande_T", QStringLiteral("14 Mhz ")}});
    Capturer(europe, QStringLiteral("carte_europe.png"));
    europe->close();

    QTest::mouseClick(m.Carte_Moyen, Qt::LeftButton);
    QWidget* choix = Fenetre_Visible(QStringLiteral("Select_Locator"));
    Capturer(choix, QStringLiteral("select_locator.png"));
    for (auto champ : Champs_Europe) {
        const QString c = QString::fromLatin1(champ.data(), 2);
        Choisir_Et_Afficher(choix, {{"Liste_Locator", c}, {"Bande_T", QStringLiteral("Toutes")}});
        QWidget* carte = Fenetre_Visible(QStringLiteral("Carte_") + c);
        Capturer(carte, QStringLiteral("carte_") + c.toLower() + QStringLiteral(".png"));
        carte->close();
    }
    return 0;
}
