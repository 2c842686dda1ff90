// veltrix-bench-fenetres: the program's own windows timed as a user meets
// them, on a real window system (run under xvfb-run):
//   veltrix-bench-fenetres LOG.adi
// Prints JSON: the import through the main window's button, every "Afficher"
// of the world and Europe maps from the click to the marks painted, and the
// program's peak memory with the log loaded.
#include "core/Tab_Qso.h"
#include "core/ui/Main.h"
#include "tests/support/Fenetres_Test.h"
#include "tests/support/Plateforme_Test.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Sous_Programmes;

namespace {

// Time from the click to the window repainted with its new marks.
double Cliquer_Et_Peindre(QWidget* fenetre, QPushButton* bouton) {
    QElapsedTimer t;
    t.start();
    QTest::mouseClick(bouton, Qt::LeftButton);
    fenetre->repaint();
    QCoreApplication::processEvents();
    return double(t.nsecsElapsed()) / 1e6;
}

// Slowest "Afficher" over every band item of the window's own list.
double Pire_Afficher(QWidget* carte) {
    auto* liste = carte->findChild<QComboBox*>(QStringLiteral("Bande_T"));
    auto* bouton = carte->findChild<QPushButton*>(QStringLiteral("Command1"));
    double pire = 0;
    for (int i = 0; i < liste->count(); ++i) {
        liste->setCurrentIndex(i);
        pire = std::max(pire, Cliquer_Et_Peindre(carte, bouton));
    }
    return pire;
}

long Pic_Memoire_Ko() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& l : f.readAll().split('\n'))
        if (l.startsWith("VmHWM:")) return l.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: veltrix-bench-fenetres LOG.adi\n");
        return 2;
    }
    Plateforme_Test plateforme; // the file dialog answers with the log; messages are recorded
    plateforme.fichiers.push_back(QString::fromLocal8Bit(argv[1]));
    Demarrer_Main();
    Main& m = Main_Instance();
    QCoreApplication::processEvents();
    const double import_ms = Cliquer_Et_Peindre(&m, m.Importer);

    QTest::mouseClick(m.Carte_du_Monde, Qt::LeftButton);
    QWidget* monde = Fenetre_Visible(QStringLiteral("Carte_Monde"));
    QTest::mouseClick(m.Carte_Europe_MC, Qt::LeftButton);
    QWidget* europe = Fenetre_Visible(QStringLiteral("Carte_Europe"));
    QCoreApplication::processEvents();
    if (!monde || !europe) return 1;
    const double monde_ms = Pire_Afficher(monde);
    const double europe_ms = Pire_Afficher(europe);

    std::printf("{\n  \"nb_qso\": %.0f,\n  \"messages\": %lld,\n  \"timings_ms\": {\"import\": %.3f, "
                "\"afficher_monde_max\": %.3f, \"afficher_europe_max\": %.3f},\n  \"peak_rss_kb\": %ld\n}\n",
                Nb_Qso, static_cast<long long>(plateforme.messages.size()), import_ms, monde_ms, europe_ms,
                Pic_Memoire_Ko());
    return 0;
}
