// The import as the main window runs it: file dialog, messages, the table
// written whole or not at all, and the list of located lines.
#include "core/Adif.h"
#include "core/Tab_Qso.h"
#include "core/ui/Import_Adif.h"
#include "tests/support/Plateforme_Test.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

using namespace Sous_Programmes;

namespace {

// Also notes whether the wait cursor was still shown when a message box came.
class Plateforme_Curseur : public Plateforme_Test {
public:
    void Message(const QString& texte) override {
        curseur_pendant_message << (QApplication::overrideCursor() != nullptr);
        Plateforme_Test::Message(texte);
    }
    QList<bool> curseur_pendant_message;
};

std::string Log(int nombre, const char* prefixe) {
    std::string log = "<ADIF_VER:5>3.1.0\r\n<EOH>\r\n";
    for (int i = 1; i <= nombre; ++i)
        log += "<CALL:5>" + std::string(prefixe) + std::to_string(i) + " <BAND:3>20M <GRIDSQUARE:4>JN" +
               std::to_string(20 - i) + (i % 2 ? " <CQZ:2>14" : "") + " <EOR>\r\n";
    return log;
}

std::vector<std::string> Valides() {
    const auto v = Qso_Valides();
    return {v.begin(), v.end()};
}

} // namespace

class Test_Import : public QObject {
    Q_OBJECT

    Plateforme_Curseur* plateforme = nullptr;
    std::vector<std::string> liste_loc;

    // Imports a log of n contacts, as the previous state of a test.
    void Importer_Avant(int n) {
        plateforme->fichiers.push_back(
            Ecrire_Fichier(plateforme->dossier, QStringLiteral("avant.adi"), Log(n, "F")));
        Import_Adif(liste_loc);
        plateforme->messages.clear();
        plateforme->curseur_pendant_message.clear();
        QCOMPARE(Nb_Qso, double(n + 1));
    }

private slots:
    void init() {
        plateforme = new Plateforme_Curseur;
        Vider_Tab_Qso();
        liste_loc = {"left over"};
    }
    void cleanup() {
        delete plateforme;
        plateforme = nullptr;
    }

    void import_complet() {
        plateforme->fichiers.push_back(Ecrire_Fichier(plateforme->dossier, QStringLiteral("LOG.ADI"),
                                                      Log(3, "F") + "<CALL:3>F9Z <BAND:3>20M <EOR>\r\n"));
        Import_Adif(liste_loc);
        QCOMPARE(plateforme->filtres, QStringList{QStringLiteral(".adi (adi)|*.adi")});
        QCOMPARE(plateforme->messages, QStringList{});
        QCOMPARE(Nb_Qso, 5.0);
        QCOMPARE(Valides().size(), std::size_t(4));
        QCOMPARE(Tab_Qso[1].substr(0, 16), std::string("JN19    14 Mhz  "));
        // The located lines, sorted: JN17 < JN18 < JN19; F9Z has no locator.
        QCOMPARE(liste_loc, (std::vector<std::string>{Tab_Qso[3], Tab_Qso[2], Tab_Qso[1]}));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void dialogue_annule() {
        Importer_Avant(5);
        const auto avant = Valides();
        liste_loc = {"left over"};
        Import_Adif(liste_loc); // no file queued: the dialog is cancelled
        QCOMPARE(plateforme->messages, QStringList{QStringLiteral("selectionnez un fichier ou quitter")});
        QCOMPARE(Nb_Qso, 6.0);
        QCOMPARE(Valides(), avant);
        QVERIFY(liste_loc.empty());
    }

    // A file that cannot be read leaves the previous import in place and
    // names the file in one message, shown without the wait cursor.
    void fichier_illisible_data() {
        QTest::addColumn<QString>("cas");
        QTest::newRow("missing") << QStringLiteral("missing");
        QTest::newRow("folder") << QStringLiteral("folder");
        QTest::newRow("no permission") << QStringLiteral("permission");
        QTest::newRow("read error") << QStringLiteral("read error");
        QTest::newRow("pipe") << QStringLiteral("pipe");
    }
    void fichier_illisible() {
        QFETCH(QString, cas);
        Importer_Avant(5);
        const auto avant = Valides();
        QString nom;
        if (cas == QLatin1String("missing")) {
            nom = plateforme->dossier + QStringLiteral("/absent.adi");
        } else if (cas == QLatin1String("folder")) {
            nom = plateforme->dossier + QStringLiteral("/logs.adi");
            QVERIFY(QDir(plateforme->dossier).mkdir(QStringLiteral("logs.adi")));
        } else if (cas == QLatin1String("permission")) {
            nom = Ecrire_Fichier(plateforme->dossier, QStringLiteral("ferme.adi"), Log(2, "G"));
            QVERIFY(QFile::setPermissions(nom, QFileDevice::Permissions()));
            if (::access(QFile::encodeName(nom).constData(), R_OK) == 0)
                QSKIP("running with rights to read anything");
        } else if (cas == QLatin1String("pipe")) {
            nom = plateforme->dossier + QStringLiteral("/tube.adi"); // reading it would wait for a writer
            QCOMPARE(::mkfifo(QFile::encodeName(nom).constData(), 0600), 0);
        } else {
            nom = QStringLiteral("/proc/self/mem"); // opens, but reading from its start fails
            if (!QFile::exists(nom)) QSKIP("no /proc here");
        }
        plateforme->fichiers.push_back(nom);
        Import_Adif(liste_loc);
        QCOMPARE(plateforme->messages.size(), 1);
        QVERIFY2(plateforme->messages.front().contains(QDir::toNativeSeparators(nom)),
                 qPrintable(plateforme->messages.front()));
        QCOMPARE(plateforme->curseur_pendant_message, QList<bool>{false});
        QCOMPARE(Nb_Qso, 6.0);
        QCOMPARE(Valides(), avant);
        // The totals go on counting the table that stayed.
        QVERIFY(!liste_loc.empty());
        QCOMPARE(liste_loc, Lignes_Localisees());
    }

    void messages_de_bande() {
        plateforme->fichiers.push_back(Ecrire_Fichier(
            plateforme->dossier, QStringLiteral("bandes.adi"),
            "<EOH>\n<CALL:3>F1A <FREQ:5>1.840 <EOR>\n<CALL:3>F2B <BAND:3>20M <EOR>\n<CALL:3>F3C <EOR>\n"));
        Import_Adif(liste_loc);
        const QString texte = QStringLiteral("Bande absente, remplacée par 1.8 Mhz");
        QCOMPARE(plateforme->messages, (QStringList{texte, texte}));
        QCOMPARE(plateforme->curseur_pendant_message, (QList<bool>{false, false}));
        QCOMPARE(Nb_Qso, 4.0);
        QCOMPARE(Tab_Qso[3].substr(8, 8), std::string("1.8 Mhz "));
    }

    // The first 100000 are stored, then one message; no band message for the
    // records left out.
    void plus_de_cent_mille() {
        std::string log = "<EOH>\n";
        for (int i = 1; i <= 100000; ++i) log += "<CALL:6>F" + std::to_string(i) + " <BAND:3>20M <EOR>\n";
        log += "<CALL:3>XXX <EOR>\n<CALL:3>YYY <EOR>\n";
        plateforme->fichiers.push_back(Ecrire_Fichier(plateforme->dossier, QStringLiteral("gros.adi"), log));
        Import_Adif(liste_loc);
        QCOMPARE(plateforme->messages, QStringList{Message_Trop_De_Qso()});
        QVERIFY(Message_Trop_De_Qso().contains(QStringLiteral("100000")));
        QCOMPARE(Nb_Qso, 100001.0);
        QCOMPARE(Tab_Qso[100000].substr(27, 8), std::string("F100000 "));
    }

    // A shorter import after a longer one: the table ends earlier, the old
    // lines above stay unread, the list holds only the new log's lines.
    void import_plus_court() {
        Importer_Avant(5);
        const std::string ancienne_5 = Tab_Qso[5];
        plateforme->fichiers.push_back(
            Ecrire_Fichier(plateforme->dossier, QStringLiteral("court.adi"), Log(3, "G")));
        Import_Adif(liste_loc);
        QCOMPARE(Nb_Qso, 4.0);
        QCOMPARE(Tab_Qso[5], ancienne_5);
        QCOMPARE(liste_loc.size(), std::size_t(3));
        for (const auto& l : liste_loc) QCOMPARE(l.at(27), 'G');
    }
};

QTEST_MAIN(Test_Import)
#include "test_import.moc"
