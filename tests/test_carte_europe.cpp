// The Europe map window: its design state, "Afficher" marking the real cells
// and labels for a picked or typed band, the report file's lines, order and
// bytes, the message, a folder that cannot be written, and the life cycle.
#include "core/Adif.h"
#include "core/Tab_Qso.h"
#include "core/ui/Ouvertures.h"
#include "maps/squares/Carte_Europe.h"
#include "tests/support/Plateforme_Test.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <unistd.h>

using namespace Sous_Programmes;

namespace {

const QString Message_Cree =
    QStringLiteral("Le fichier 'Carres non references.txt' a été crée dans le répértoire de Veltrix");
const QString Message_Echec = QStringLiteral("Le fichier 'Carres non references.txt' n'a pas pu être écrit");

std::string Colonne(std::string_view texte, std::size_t largeur) {
    std::string s(texte);
    s.resize(largeur, ' ');
    return s;
}

// A Ligne_Qso: locator, band, zone, DXCC, call, date, two blanks between.
std::string Ligne(std::string_view locator, std::string_view bande, std::string_view indicatif = "F6ABC",
                  std::string_view date = "05/01/2024") {
    return Colonne(locator, 6) + "  " + Colonne(bande, 8) + "  14  227  " + Colonne(indicatif, 15) + "  " +
           std::string(date);
}

void Remplir_Tab_Qso(std::vector<std::string> lignes) {
    Vider_Tab_Qso();
    Ranger_Dans_Tab_Qso(std::move(lignes));
}

// The marked cells as drawn: red italic digits; anything else must be black upright.
std::vector<int> Cellules_Rouges(const Fenetre_Europe& f) {
    std::vector<int> rouges;
    for (int k = 1; k <= 632; ++k) {
        const QWidget* c = f.Cellule(k);
        const bool rouge = c->palette().color(QPalette::WindowText) == QColor(Qt::red);
        if (!rouge && c->palette().color(QPalette::WindowText) != QColor(Qt::black))
            qFatal("cell %d colour", k);
        if (rouge != c->font().italic()) qFatal("cell %d slant", k);
        if (rouge) rouges.push_back(k);
    }
    return rouges;
}

} // namespace

class Test_Carte_Europe : public QObject {
    Q_OBJECT

    std::unique_ptr<Plateforme_Test> plateforme;

    QByteArray Rapport() const {
        QFile f(plateforme->dossier + QStringLiteral("/Carres non references.txt"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    static Fenetre_Europe& Ouvrir() {
        Ouvrir_Carte_Europe();
        return *Carte_Europe_Ouverte();
    }
    // Types the band into the list's text field as the user would, then presses "Afficher".
    static void Afficher(Fenetre_Europe& f, const QString& bande) {
        f.activateWindow();
        if (!QTest::qWaitForWindowActive(&f)) qFatal("window not active");
        f.Bande_T()->setFocus();
        f.Bande_T()->lineEdit()->clear();
        QTest::keyClicks(f.Bande_T(), bande);
        QTest::mouseClick(f.Command1(), Qt::LeftButton);
    }
    static QString Compte(const Fenetre_Europe& f) { return f.Libelle_Compte()->text(); }
    static QString Bande(const Fenetre_Europe& f) { return f.Libelle_Bande()->text(); }

private slots:
    void init() {
        plateforme = std::make_unique<Plateforme_Test>();
        Vider_Tab_Qso();
    }
    void cleanup() {
        if (auto* f = Carte_Europe_Ouverte()) f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        plateforme.reset();
    }

    void etat_design() {
        Fenetre_Europe& f = Ouvrir();
        QCOMPARE(f.windowTitle(), QStringLiteral("Carte_Europe"));
        QStringList items;
        for (const auto& i : Items_Bande_Cartes()) items << QString::fromStdString(i);
        for (int i = 0; i < f.Bande_T()->count(); ++i) items.removeOne(f.Bande_T()->itemText(i));
        QVERIFY(items.isEmpty());
        QCOMPARE(f.Bande_T()->count(), 18);
        QCOMPARE(f.Bande_T()->currentText(), QStringLiteral("Toutes"));
        QCOMPARE(Compte(f), QString());
        QCOMPARE(Bande(f), QString());
        QCOMPARE(f.findChild<QLabel*>(QStringLiteral("Label6"))->text(),
                 QStringLiteral("Moyen(s) carré(s) Europe contacté(s) bande : "));
        QVERIFY(Cellules_Rouges(f).empty());
        QVERIFY(f.findChild<QWidget*>(QStringLiteral("cel(0)")) == nullptr);
        QCOMPARE(f.findChild<QWidget*>(QStringLiteral("cel(1)"))->geometry(), QRect(264, 16, 25, 17));
        QCOMPARE(f.Cellule(632)->parentWidget(), f.Picture1());
        QCOMPARE(f.Picture1()->geometry(), QRect(8, 64, 961, 513));

        Ouvrir_Carte_Europe(); // a second press shows the same window
        QCOMPARE(Carte_Europe_Ouverte(), &f);
    }

    void bande_data() {
        QTest::addColumn<QString>("bande");
        QTest::addColumn<QString>("compte");
        QTest::addColumn<std::vector<int>>("cellules");
        // 547 and 631 fall in the first and second count ranges but both groups mark them.
        QTest::newRow("14 Mhz ") << "14 Mhz "
                                 << "4" << std::vector<int>{212, 547, 631, 632};
        QTest::newRow("7.0 Mhz") << "7.0 Mhz"
                                 << "3" << std::vector<int>{212, 548, 624};
        QTest::newRow("Toutes") << "Toutes"
                                << "6" << std::vector<int>{212, 547, 548, 624, 631, 632};
        QTest::newRow("typed without the blank") << "14 Mhz"
                                                 << "0" << std::vector<int>{};
        QTest::newRow("lower case") << "toutes"
                                    << "0" << std::vector<int>{};
    }
    void bande() {
        QFETCH(QString, bande);
        QFETCH(QString, compte);
        QFETCH(std::vector<int>, cellules);
        Remplir_Tab_Qso({Ligne("JN18AB", "14 Mhz "), Ligne("JN18", "14 Mhz "), Ligne("JN18CD", "7.0 Mhz"),
                         Ligne("KM24", "14 Mhz "), Ligne("IN89", "7.0 Mhz"), Ligne("JM75", "14 Mhz "),
                         Ligne("KN90", "14 Mhz "), Ligne("KM09", "7.0 Mhz")});
        Fenetre_Europe& f = Ouvrir();
        Afficher(f, QStringLiteral("1.8 Mhz")); // marks that a later run must clear
        Afficher(f, bande);
        QCOMPARE(Cellules_Rouges(f), cellules);
        QCOMPARE(Compte(f), compte);
        QCOMPARE(Bande(f), bande); // as typed, trailing blank kept
        QCOMPARE(Rapport(), QByteArray());
        QVERIFY(plateforme->messages.isEmpty());
    }

    // Lines of the eight fields first, then KM, each in record order; not
    // merged; the log's bytes kept; the file rewritten whole at every run.
    void rapport() {
        Ecrire_Fichier(plateforme->dossier, QStringLiteral("Carres non references.txt"), "old line\r\n");
        Remplir_Tab_Qso({
            Ligne("KM28", "14 Mhz ", "SV1AA", "01/02/2023"),
            Ligne("IO00", "14 Mhz ", "G4\xC9Z/P", "02/02/2023"),
            Ligne("FN31", "14 Mhz "),
            Ligne("", "14 Mhz "),
            Ligne("jn30", "14 Mhz "),
            Ligne("JN18", "14 Mhz "),
            Ligne("JN30", "14 Mhz ", "F6BBB", "04/02/2023XY"),
            Ligne("JN30", "14 Mhz ", "F6BBB", "04/02/2023"),
            Ligne("KM26", "7.0 Mhz", "4X1AA", "05/02/2023"),
            Ligne("JN", "14 Mhz ", "F5CCC", "6/2/23"),
        });
        Fenetre_Europe& f = Ouvrir();
        Afficher(f, QStringLiteral("14 Mhz "));
        QCOMPARE(Rapport(), QByteArray("QSO du 02/02/2023 station G4\xC9Z/P carr\xE9 locator IO00\r\n"
                                       "QSO du 04/02/2023 station F6BBB carr\xE9 locator JN30\r\n"
                                       "QSO du 04/02/2023 station F6BBB carr\xE9 locator JN30\r\n"
                                       "QSO du 6/2/23 station F5CCC carr\xE9 locator JN  \r\n"
                                       "QSO du 01/02/2023 station SV1AA carr\xE9 locator KM28\r\n"));
        QCOMPARE(Cellules_Rouges(f), std::vector<int>{212});
        QCOMPARE(plateforme->messages, QStringList{Message_Cree});

        Afficher(f, QStringLiteral("7.0 Mhz"));
        QCOMPARE(Rapport(), QByteArray("QSO du 05/02/2023 station 4X1AA carr\xE9 locator KM26\r\n"));
        Afficher(f, QStringLiteral("10 Ghz "));
        QCOMPARE(Rapport(), QByteArray());
        QCOMPARE(plateforme->messages, QStringList({Message_Cree, Message_Cree}));
        QCOMPARE(QDir(plateforme->dossier).entryList(QDir::Files).size(), 1); // no temporary file left
    }

    // A folder below a regular file cannot be created, whoever runs the test:
    // the marks and labels stay and the user is told why.
    void dossier_inexistant() {
        plateforme->dossier = Ecrire_Fichier(plateforme->temporaire.path(), QStringLiteral("f"), "x") +
                              QStringLiteral("/dossier");
        Remplir_Tab_Qso({Ligne("JN18", "14 Mhz "), Ligne("IO00", "14 Mhz ")});
        Fenetre_Europe& f = Ouvrir();
        Afficher(f, QStringLiteral("Toutes"));
        QCOMPARE(Cellules_Rouges(f), std::vector<int>{212});
        QCOMPARE(Compte(f), QStringLiteral("1"));
        QCOMPARE(Bande(f), QStringLiteral("Toutes"));
        QCOMPARE(plateforme->messages.size(), 1);
        QVERIFY(plateforme->messages[0].startsWith(Message_Echec));
        QVERIFY(plateforme->messages[0].contains(QStringLiteral("n'existe pas")));
    }

    // A folder the user may not write to: the previous report stays whole.
    void dossier_protege() {
        if (geteuid() == 0) QSKIP("root writes through folder permissions");
        Ecrire_Fichier(plateforme->dossier, QStringLiteral("Carres non references.txt"), "old line\r\n");
        QFile::setPermissions(plateforme->dossier, QFile::ReadOwner | QFile::ExeOwner);
        Remplir_Tab_Qso({Ligne("IO00", "14 Mhz ")});
        Afficher(Ouvrir(), QStringLiteral("Toutes"));
        QFile::setPermissions(plateforme->dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(Rapport(), QByteArray("old line\r\n"));
        QCOMPARE(plateforme->messages.size(), 1);
        QVERIFY(plateforme->messages[0].startsWith(Message_Echec));
    }

    void fermer_rouvrir() {
        Remplir_Tab_Qso({Ligne("JN18", "14 Mhz "), Ligne("IO00", "14 Mhz ")});
        Fenetre_Europe& f = Ouvrir();
        Afficher(f, QStringLiteral("14 Mhz "));
        QPointer<Fenetre_Europe> ancienne(&f);
        f.close();
        QVERIFY(Carte_Europe_Ouverte() == nullptr);
        QTRY_VERIFY(ancienne.isNull());

        Fenetre_Europe& g = Ouvrir();
        QVERIFY(Cellules_Rouges(g).empty());
        QCOMPARE(Compte(g), QString());
        QCOMPARE(Bande(g), QString());
        QCOMPARE(g.Bande_T()->currentText(), QStringLiteral("Toutes"));
        QVERIFY(g.Liste_Err.empty());
        QCOMPARE(Rapport(),
                 QByteArray("QSO du 05/01/2024 station F6ABC carr\xE9 locator IO00\r\n")); // kept on disk
    }
};

QTEST_MAIN(Test_Carte_Europe)
#include "test_carte_europe.moc"
