// The Europe map window: its design state, "Afficher" marking the real cells
// and labels for a typed band, the report file's lines, order and bytes, the
// message, the report that cannot be written and why, and the life cycle.
#include "core/Adif.h"
#include "core/ui/Ouvertures.h"
#include "maps/squares/Carte_Europe.h"
#include "tests/support/Plateforme_Test.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

using namespace Sous_Programmes;

namespace {

// What the map shows: its red cells (italic, every other one black and
// upright; "?k" for a cell drawn otherwise), then its count and band labels.
QString Etat(const Fenetre_Europe& f) {
    QStringList rouges;
    for (int k = 1; k <= 632; ++k) {
        const QColor c = f.Cellule(k)->palette().color(QPalette::WindowText);
        const bool rouge = c == QColor(Qt::red);
        if ((!rouge && c != QColor(Qt::black)) || rouge != f.Cellule(k)->font().italic())
            rouges << QStringLiteral("?%1").arg(k);
        else if (rouge)
            rouges << QString::number(k);
    }
    return rouges.join(QLatin1Char(' ')) + QLatin1Char('|') + f.Libelle_Compte()->text() + QLatin1Char('|') +
           f.Libelle_Bande()->text();
}

// Opens the window as the main window's button does, types the band into the
// list's text field as the user would, then presses "Afficher".
Fenetre_Europe& Afficher(const QString& bande) {
    Ouvrir_Carte_Europe();
    Fenetre_Europe& f = *Carte_Europe_Ouverte();
    f.activateWindow();
    if (!QTest::qWaitForWindowActive(&f)) qFatal("window not active");
    f.Bande_T()->setFocus();
    f.Bande_T()->lineEdit()->clear();
    QTest::keyClicks(f.Bande_T(), bande);
    QTest::mouseClick(f.Command1(), Qt::LeftButton);
    return f;
}

// What stands in the way of the report in each failure case.
enum class Panne { Dossier_Absent, Dossier_Protege, Repertoire_A_Sa_Place, Ancien_Protege, Ecriture_Refusee };

} // namespace

class Test_Carte_Europe : public QObject {
    Q_OBJECT
    std::unique_ptr<Plateforme_Test> plateforme;

    QByteArray Rapport() const {
        QFile f(plateforme->dossier + QStringLiteral("/Carres non references.txt"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }

private slots:
    void init() { plateforme = std::make_unique<Plateforme_Test>(); }
    void cleanup() {
        if (auto* f = Carte_Europe_Ouverte()) f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        plateforme.reset();
    }

    // One window while open; after a run and a close, a fresh one in its design state.
    void etat_design_et_reouverture() {
        Remplir_Tab_Qso("JN18|14 Mhz ");
        QPointer<Fenetre_Europe> f = &Afficher(QStringLiteral("14 Mhz "));
        QCOMPARE(Etat(*f), QStringLiteral("212|1|14 Mhz "));
        Ouvrir_Carte_Europe();
        QCOMPARE(Carte_Europe_Ouverte(), f.data());
        f->close();
        QVERIFY(!Carte_Europe_Ouverte());
        QTRY_VERIFY(f.isNull());

        Ouvrir_Carte_Europe();
        Fenetre_Europe& g = *Carte_Europe_Ouverte();
        QCOMPARE(g.windowTitle(), QStringLiteral("Carte_Europe"));
        QCOMPARE(g.Bande_T()->currentText(), QStringLiteral("Toutes"));
        QCOMPARE(Etat(g), QStringLiteral("||"));
        QCOMPARE(g.findChild<QLabel*>(QStringLiteral("Label6"))->text(),
                 QStringLiteral("Moyen(s) carré(s) Europe contacté(s) bande : "));
        QVERIFY(!g.findChild<QWidget*>(QStringLiteral("cel(0)")));
        QCOMPARE(g.findChild<QWidget*>(QStringLiteral("cel(1)"))->geometry(), QRect(264, 16, 25, 17));
    }

    // After a first run for every band, which marks the first and the last
    // cell of both count ranges (1, 547; 548, 632) and of the added squares
    // (624, 632); 631 falls in the second range, but the first group marks it.
    void bande_data() {
        QTest::addColumn<QString>("bande");
        QTest::addColumn<QString>("etat");
        const auto ligne = [](const char* bande, const char* etat) {
            QTest::newRow(bande) << QString::fromLatin1(bande) << QString::fromLatin1(etat);
        };
        ligne("14 Mhz ", "1 547 548 623 624 631 632|7|14 Mhz ");
        ligne("7.0 Mhz", "212|1|7.0 Mhz");
        ligne("Toutes", "1 212 547 548 623 624 631 632|8|Toutes");
        ligne("14 Mhz", "|0|14 Mhz"); // typed without the blank
        ligne("14 Mhz  ", "|0|14 Mhz  ");
        ligne("toutes", "|0|toutes");
        ligne("Toute", "|0|Toute");
    }
    void bande() {
        QFETCH(QString, bande);
        QFETCH(QString, etat);
        Remplir_Tab_Qso("JN18AB|7.0 Mhz;IO89|14 Mhz ;KM24|14 Mhz ;IN89|14 Mhz ;JM75|14 Mhz ;KN90|14 Mhz ;"
                        "KM09|14 Mhz ;KM90|14 Mhz ;JN18CD|7.0 Mhz");
        Afficher(QStringLiteral("Toutes")); // marks that a later run must clear
        QCOMPARE(Etat(Afficher(bande)), etat);
    }

    // Lines of the eight fields first, then KM, each in record order; not
    // merged; the log's bytes kept; the file rewritten whole at every run.
    void rapport() {
        Ecrire_Fichier(plateforme->dossier, QStringLiteral("Carres non references.txt"), "old line\r\n");
        Remplir_Tab_Qso(
            "KM28|14 Mhz |SV1AA|01/02/2023;IO00|14 Mhz |G4\xC9Z/P|02/02/2023;FN31|14 Mhz ;|14 Mhz ;"
            "jn30|14 Mhz ;JN18|14 Mhz ;JN30|14 Mhz |F6BBB|04/02/2023XY;JN30|14 Mhz |F6BBB|04/02/2023;"
            "KM26|7.0 Mhz|4X1AA|05/02/2023;JN|14 Mhz |F5CCC|6/2/23");
        QCOMPARE(Etat(Afficher(QStringLiteral("14 Mhz "))), QStringLiteral("212|1|14 Mhz "));
        QCOMPARE(Rapport(), QByteArray("QSO du 02/02/2023 station G4\xC9Z/P carr\xE9 locator IO00\r\n"
                                       "QSO du 04/02/2023 station F6BBB carr\xE9 locator JN30\r\n"
                                       "QSO du 04/02/2023 station F6BBB carr\xE9 locator JN30\r\n"
                                       "QSO du 6/2/23 station F5CCC carr\xE9 locator JN  \r\n"
                                       "QSO du 01/02/2023 station SV1AA carr\xE9 locator KM28\r\n"));
        Afficher(QStringLiteral("10 Ghz ")); // no line: an empty file, no message
        QCOMPARE(Rapport(), QByteArray());
        Afficher(QStringLiteral("7.0 Mhz"));
        QCOMPARE(Rapport(), QByteArray("QSO du 05/02/2023 station 4X1AA carr\xE9 locator KM26\r\n"));
        const QString cree =
            QStringLiteral("Le fichier 'Carres non references.txt' a été crée dans le répértoire de Veltrix");
        QCOMPARE(plateforme->messages, QStringList({cree, cree}));
        QCOMPARE(QDir(plateforme->dossier).entryList(QDir::Files).size(), 1); // no temporary file left
    }

    // Writing the report fails: the marks and labels stay, whatever stood in
    // the report's place stays as it was, no temporary file is left, and the
    // message names the cause (%1: the folder, as the platform gives it).
    void ecriture_impossible_data() {
        QTest::addColumn<int>("panne");
        QTest::addColumn<QString>("raison");
        QTest::newRow("missing folder (below a file)")
            << int(Panne::Dossier_Absent) << QStringLiteral("le répertoire %1 n'existe pas");
        QTest::newRow("folder not writable")
            << int(Panne::Dossier_Protege)
            << QStringLiteral("vous n'avez pas le droit d'écrire dans le répertoire %1");
        QTest::newRow("folder in the report's place")
            << int(Panne::Repertoire_A_Sa_Place)
            << QStringLiteral("un répertoire du même nom occupe sa place dans le répertoire %1");
        QTest::newRow("old report read-only")
            << int(Panne::Ancien_Protege)
            << QStringLiteral("l'ancien fichier est en lecture seule et ne peut pas être remplacé");
        QTest::newRow("write refused (file size limit)")
            << int(Panne::Ecriture_Refusee) << QStringLiteral("l'écriture sur le disque a échoué");
    }
    void ecriture_impossible() {
        QFETCH(int, panne);
        QFETCH(QString, raison);
        const auto p = Panne(panne);
        if ((p == Panne::Dossier_Protege || p == Panne::Ancien_Protege) && geteuid() == 0)
            QSKIP("root writes through permissions");
        const QString dossier = plateforme->dossier;
        const QString rapport = dossier + QStringLiteral("/Carres non references.txt");
        if (p == Panne::Repertoire_A_Sa_Place)
            QVERIFY(QDir().mkdir(rapport));
        else
            Ecrire_Fichier(dossier, QStringLiteral("Carres non references.txt"), "old line\r\n");
        if (p == Panne::Dossier_Absent) plateforme->dossier = rapport + QStringLiteral("/d");
        if (p == Panne::Dossier_Protege) QFile::setPermissions(dossier, QFile::ReadOwner | QFile::ExeOwner);
        if (p == Panne::Ancien_Protege) QFile::setPermissions(rapport, QFile::ReadOwner);
        Remplir_Tab_Qso("JN18|14 Mhz ;IO00|14 Mhz ");

        // A write beyond the process's file size limit fails as a full disk
        // would, but is no full disk.
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit avant = limite;
        const auto signal_avant = std::signal(SIGXFSZ, SIG_IGN);
        if (p == Panne::Ecriture_Refusee) {
            limite.rlim_cur = 8;
            setrlimit(RLIMIT_FSIZE, &limite);
        }
        const Fenetre_Europe& f = Afficher(QStringLiteral("Toutes"));
        setrlimit(RLIMIT_FSIZE, &avant);
        std::signal(SIGXFSZ, signal_avant);
        QFile::setPermissions(dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QString dossier_donne = QDir::toNativeSeparators(plateforme->dossier);
        plateforme->dossier = dossier;

        QCOMPARE(Etat(f), QStringLiteral("212|1|Toutes"));
        QCOMPARE(
            plateforme->messages,
            QStringList(QStringLiteral("Le fichier 'Carres non references.txt' n'a pas pu être écrit : ") +
                        raison.replace(QStringLiteral("%1"), dossier_donne) + QLatin1Char('.')));
        if (p == Panne::Repertoire_A_Sa_Place)
            QVERIFY(QFileInfo(rapport).isDir());
        else
            QCOMPARE(Rapport(), QByteArray("old line\r\n"));
        QCOMPARE(QDir(dossier).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList(QStringLiteral("Carres non references.txt")));
    }
};

QTEST_MAIN(Test_Carte_Europe)
#include "test_carte_europe.moc"
