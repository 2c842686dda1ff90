// Large and hostile logs through the main window: each ends in its message or
// its documented behaviour, the window stays usable, and a failed import loses
// nothing of the previous one.
#include "core/Tab_Qso.h"
#include "core/ui/Main.h"
#include "tests/support/Plateforme_Test.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>
#include <unistd.h>

using namespace Sous_Programmes;

namespace {

std::string Qso(int i) {
    static const char* const carres[] = {"JN18", "JN19", "IO91", "KM24", "FN31", "JO22"};
    return "<CALL:5>F" + std::to_string(10000 + i % 90000).substr(1) + "<BAND:3>20M<GRIDSQUARE:4>" +
           carres[i % 6] + "<CQZ:2>14<DXCC:3>227<QSO_DATE:8>20240115<EOR>";
}

QStringList Totaux(const Main& m) {
    return {m.Tot_Loc->text(), m.Tot_Loc1->text(), m.Tot_Loc2->text(), m.Tot_Was->text(), m.Tot_DXCC->text()};
}

} // namespace

class Test_Entrees_Hostiles : public QObject {
    Q_OBJECT

private slots:
    void init() {
        plateforme = std::make_unique<Plateforme_Test>();
        Vider_Tab_Qso();
        Demarrer_Main();
        // A good log first: what must survive every failed import.
        std::string log = "<EOH>\n";
        for (int i = 0; i < 12; ++i) log += Qso(i) + "\n";
        Importer(Ecrire_Fichier(plateforme->dossier, QStringLiteral("bon.adi"), log));
        QCOMPARE(Nb_Qso, 13.0);
        totaux_avant = Totaux(Main_Instance());
        lignes_avant.assign(Tab_Qso.begin() + 1, Tab_Qso.begin() + 13);
        plateforme->messages.clear();
    }
    void cleanup() {
        if (Main* m = Main_Si_Existe()) m->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        plateforme.reset();
    }

    // The message names the file, quoted, in its own words (%1).
    void echecs_sans_perte_data() {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("message");
        QTest::newRow("folder chosen as a file")
            << QStringLiteral("dossier") << QStringLiteral("\"%1\" est un dossier, pas un fichier.");
        QTest::newRow("no read permission")
            << QStringLiteral("droits") << QStringLiteral("Impossible d'ouvrir le fichier \"%1\".");
        QTest::newRow("missing file")
            << QStringLiteral("absent") << QStringLiteral("Le fichier \"%1\" est introuvable.");
    }
    void echecs_sans_perte() {
        QFETCH(QString, cas);
        QFETCH(QString, message);
        QString nom = plateforme->dossier + QStringLiteral("/") + cas + QStringLiteral(".adi");
        if (cas == QLatin1String("dossier")) QVERIFY(QDir().mkpath(nom));
        if (cas == QLatin1String("droits")) {
            nom = Ecrire_Fichier(plateforme->dossier, QStringLiteral("droits.adi"), Qso(1));
            QVERIFY(QFile::setPermissions(nom, QFileDevice::Permissions()));
            if (::access(QFile::encodeName(nom).constData(), R_OK) == 0)
                QSKIP("running with rights to read anything");
        }
        Importer(nom);
        QCOMPARE(plateforme->messages, QStringList{message.arg(QDir::toNativeSeparators(nom))});
        QCOMPARE(Nb_Qso, 13.0);
        QVERIFY(std::equal(lignes_avant.begin(), lignes_avant.end(), Tab_Qso.begin() + 1));
        QCOMPARE(Totaux(Main_Instance()), totaux_avant);
        Fenetre_Toujours_Utilisable();
    }

    void plus_de_100000_qso() {
        std::string log = "<EOH>\n";
        log.reserve(100001 * 110);
        for (int i = 0; i < 100001; ++i) log += Qso(i) + "\r\n";
        Importer(Ecrire_Fichier(plateforme->dossier, QStringLiteral("gros.adi"), log));
        QCOMPARE(Nb_Qso, 100001.0);
        QCOMPARE(plateforme->messages,
                 QStringList{QStringLiteral(
                     "Le log contient plus de 100000 QSO : seuls les 100000 premiers ont été importés.")});
        QCOMPARE(Totaux(Main_Instance()),
                 (QStringList{QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("6"),
                              QStringLiteral("1"), QStringLiteral("1")}));
        Fenetre_Toujours_Utilisable();
    }

    void une_ligne_de_50_mo() {
        std::string log;
        log.reserve(50u << 20);
        int n = 0;
        while (log.size() < (50u << 20)) log += Qso(n++);
        Importer(Ecrire_Fichier(plateforme->dossier, QStringLiteral("ligne.adi"), log));
        // No header line: every record is read, the first 100000 are kept.
        QCOMPARE(Nb_Qso, double(std::min(n, 100000) + 1));
        QCOMPARE(plateforme->messages.size(), n > 100000 ? 1 : 0);
        Fenetre_Toujours_Utilisable();
    }

    void octets_quelconques() {
        std::string octets(1 << 20, '\0');
        QRandomGenerator hasard(20241207);
        for (char& c : octets) c = char(hasard.bounded(256));
        Importer(Ecrire_Fichier(plateforme->dossier, QStringLiteral("binaire.adi"), octets));
        // Whatever was stored keeps the record line format.
        for (std::size_t i = 1; i < std::size_t(Nb_Qso); ++i) {
            QVERIFY(Tab_Qso[i].size() >= 46);
            QCOMPARE(Tab_Qso[i].substr(6, 2), std::string("  "));
        }
        Fenetre_Toujours_Utilisable();
    }

private:
    void Importer(const QString& nom) {
        plateforme->fichiers.push_back(nom);
        QTest::mouseClick(Main_Instance().Importer, Qt::LeftButton);
    }
    // After any import, a good log still imports and counts.
    void Fenetre_Toujours_Utilisable() {
        plateforme->messages.clear();
        Importer(Ecrire_Fichier(plateforme->dossier, QStringLiteral("apres.adi"), "<EOH>" + Qso(0) + Qso(1)));
        QCOMPARE(Nb_Qso, 3.0);
        QVERIFY(plateforme->messages.isEmpty());
        QCOMPARE(Main_Instance().Tot_Loc1->text(), QStringLiteral("2"));
    }

    std::unique_ptr<Plateforme_Test> plateforme;
    QStringList totaux_avant;
    std::vector<std::string> lignes_avant;
};

QTEST_MAIN(Test_Entrees_Hostiles)
#include "test_entrees_hostiles.moc"
