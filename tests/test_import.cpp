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

} // namespace

class Test_Import : public QObject {
    Q_OBJECT

    Plateforme_Curseur* plateforme = nullptr;
    std::vector<std::string> liste_loc;

    void Importer(const QString& nom) {
        plateforme->fichiers.push_back(nom);
        Import_Adif(liste_loc);
    }

private slots:
    // Every test starts after a first import of five contacts.
    void init() {
        plateforme = new Plateforme_Curseur;
        Vider_Tab_Qso();
        Importer(Ecrire_Fichier(plateforme->dossier, QStringLiteral("avant.adi"), Log(5, "F")));
        QCOMPARE(Nb_Qso, 6.0);
        plateforme->messages.clear();
        plateforme->filtres.clear();
        liste_loc = {"left over"};
    }
    void cleanup() {
        delete plateforme;
        plateforme = nullptr;
    }

    // A shorter log replaces the table: it ends earlier, the old line above
    // stays unread, and the list holds the new log's located lines, sorted.
    void import_complet() {
        const std::string ancienne_5 = Tab_Qso[5];
        Importer(Ecrire_Fichier(plateforme->dossier, QStringLiteral("LOG.ADI"),
                                Log(3, "G") + "<CALL:3>G9Z <BAND:3>20M <EOR>\r\n"));
        QCOMPARE(plateforme->filtres, QStringList{QStringLiteral(".adi (adi)|*.adi")});
        QCOMPARE(plateforme->messages, QStringList{});
        QCOMPARE(Nb_Qso, 5.0);
        QCOMPARE(Tab_Qso[1].substr(0, 16), std::string("JN19    14 Mhz  "));
        QCOMPARE(Tab_Qso[5], ancienne_5);
        // JN17 < JN18 < JN19; G9Z has no locator.
        QCOMPARE(liste_loc, (std::vector<std::string>{Tab_Qso[3], Tab_Qso[2], Tab_Qso[1]}));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // A file that cannot be read leaves the previous import in place and
    // names the file in one message, shown without the wait cursor.
    void fichier_illisible_data() {
        QTest::addColumn<bool>("tube");
        QTest::addColumn<QString>("message"); // %1: the file's name, quoted
        QTest::newRow("pipe, whose reading would wait for a writer")
            << true << QStringLiteral("\"%1\" n'est pas un fichier ordinaire.");
        QTest::newRow("read error after opening")
            << false << QStringLiteral("Impossible de lire le fichier \"%1\".");
    }
    void fichier_illisible() {
        QFETCH(bool, tube);
        QFETCH(QString, message);
        const std::vector<std::string> avant(Tab_Qso.begin() + 1, Tab_Qso.begin() + 6);
        QString nom = QStringLiteral("/proc/self/mem"); // opens, but reading from its start fails
        if (tube) {
            nom = plateforme->dossier + QStringLiteral("/tube.adi");
            QCOMPARE(::mkfifo(QFile::encodeName(nom).constData(), 0600), 0);
        } else if (!QFile::exists(nom)) {
            QSKIP("no /proc here");
        }
        Importer(nom);
        QCOMPARE(plateforme->messages, QStringList{message.arg(QDir::toNativeSeparators(nom))});
        QCOMPARE(plateforme->curseur_pendant_message, QList<bool>{false});
        QCOMPARE(Nb_Qso, 6.0);
        QVERIFY(std::equal(avant.begin(), avant.end(), Tab_Qso.begin() + 1));
        // The totals go on counting the table that stayed.
        QCOMPARE(liste_loc.size(), std::size_t(5));
        QCOMPARE(liste_loc, Lignes_Localisees());
    }

    // One message per record without a known band, without the wait cursor.
    void messages_de_bande() {
        Importer(Ecrire_Fichier(
            plateforme->dossier, QStringLiteral("bandes.adi"),
            "<EOH>\n<CALL:3>F1A <FREQ:5>1.840 <EOR>\n<CALL:3>F2B <BAND:3>20M <EOR>\n<CALL:3>F3C <EOR>\n"));
        const QString texte = QStringLiteral("Bande absente, remplacée par 1.8 Mhz");
        QCOMPARE(plateforme->messages, (QStringList{texte, texte}));
        QCOMPARE(plateforme->curseur_pendant_message, (QList<bool>{false, false}));
        QCOMPARE(Nb_Qso, 4.0);
    }
};

QTEST_MAIN(Test_Import)
#include "test_import.moc"
