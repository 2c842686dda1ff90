// The world map window as the user drives it: its design state, "Afficher"
// on the real button, the cells' real colours and labels, its life cycle.
#include "core/Adif.h"
#include "core/ui/Ouvertures.h"
#include "maps/fields/Champs_Monde.h"
#include "maps/fields/Fenetres_Champs.h"
#include "tests/support/Plateforme_Test.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Sous_Programmes;

namespace {

std::string Ligne(std::string locator, std::string_view bande) {
    locator.resize(6, ' ');
    return locator + "  " + std::string(bande) + "   14  227  F1ABC            01/02/2023";
}

// The fields whose cells show the marked colour, sorted, joined by blanks; a
// cell in neither the marked nor the window's base colour shows as "?k".
QString Champs_Verts(const Fenetre_Carte& carte) {
    QStringList verts;
    for (int k = 1; k <= 324; ++k) {
        const QColor c = carte.Cellule(k)->palette().color(QPalette::Window);
        if (c == QColor(0x80, 0xFF, 0x80))
            verts << QString::fromStdString(Champ_Cellule(Zone_Monde, k));
        else if (c != carte.palette().color(QPalette::Base))
            verts << QStringLiteral("?%1").arg(k);
    }
    verts.sort();
    return verts.join(QLatin1Char(' '));
}

} // namespace

class Test_Carte_Monde : public QObject {
    Q_OBJECT
    Plateforme_Test plateforme;

private slots:
    void init() {
        Vider_Tab_Qso();
        Ranger_Dans_Tab_Qso({Ligne("JN18AA", "21 Mhz "), Ligne("JN33", "7.0 Mhz"), Ligne("IO91", "144 Mhz"),
                             Ligne("", "7.0 Mhz"), Ligne("QA", "14 Mhz "), Ligne("SA00", "14 Mhz ")});
    }
    void cleanup() {
        if (Fenetre_Carte* f = Carte_Monde_Si_Existe()) f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void etat_design() {
        Ouvrir_Carte_Monde();
        Fenetre_Carte& carte = Carte_Monde();
        QVERIFY(carte.isVisible());
        QCOMPARE(carte.windowTitle(), QStringLiteral("Carte Monde"));
        QCOMPARE(carte.Bande_T()->count(), 18);
        QCOMPARE(carte.Bande_T()->itemText(4), QStringLiteral("10 Mhz "));
        QCOMPARE(carte.Bande_T()->currentText(), QStringLiteral("Toutes"));
        QCOMPARE(carte.Libelle_Compte()->text(), QString());
        QCOMPARE(carte.Libelle_Bande()->text(), QStringLiteral("toutes"));
        QCOMPARE(carte.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("grand(s) carré(s) contacté(s) bande "));
        QCOMPARE(Champs_Verts(carte), QString());
        QCOMPARE(carte.Cellule(289)->geometry(), QRect(16, 568, 25, 15));
        QCOMPARE(carte.Cellule(323)->geometry(), QRect(872, 608, 25, 17));
    }

    // A band typed into the list after a first drawing for "Toutes": only the
    // new band's fields stay marked.
    void afficher_data() {
        QTest::addColumn<QString>("bande");
        QTest::addColumn<QString>("verts");
        QTest::addColumn<QString>("compte");
        QTest::newRow("Toutes") << QStringLiteral("Toutes") << QStringLiteral("IO JN QA")
                                << QStringLiteral("3");
        QTest::newRow("14 Mhz ") << QStringLiteral("14 Mhz ") << QStringLiteral("QA") << QStringLiteral("1");
        QTest::newRow("7.0 Mhz") << QStringLiteral("7.0 Mhz") << QStringLiteral("JN") << QStringLiteral("1");
        QTest::newRow("toutes") << QStringLiteral("toutes") << QString() << QStringLiteral("0");
        QTest::newRow("14 Mhz") << QStringLiteral("14 Mhz") << QString() << QStringLiteral("0");
    }
    void afficher() {
        QFETCH(QString, bande);
        QFETCH(QString, verts);
        QFETCH(QString, compte);
        Ouvrir_Carte_Monde();
        Fenetre_Carte& carte = Carte_Monde();
        QTest::mouseClick(carte.Command1(), Qt::LeftButton);
        QCOMPARE(carte.Libelle_Compte()->text(), QStringLiteral("3"));
        QApplication::setActiveWindow(&carte);
        carte.Bande_T()->setFocus();
        carte.Bande_T()->lineEdit()->selectAll();
        QTest::keyClicks(carte.Bande_T()->lineEdit(), bande);
        QTest::mouseClick(carte.Command1(), Qt::LeftButton);
        QCOMPARE(Champs_Verts(carte), verts);
        QCOMPARE(carte.Libelle_Compte()->text(), compte);
        QCOMPARE(carte.Libelle_Bande()->text(), bande);
        QCOMPARE(carte.Bande_T()->count(), 18);
    }

    // One instance while open; fresh, in its design state, after a close; a
    // new (shorter) import shows at the next drawing only.
    void cycle_de_vie() {
        Ouvrir_Carte_Monde();
        QPointer<Fenetre_Carte> premiere = &Carte_Monde();
        QTest::mouseClick(premiere->Command1(), Qt::LeftButton);
        Ouvrir_Carte_Monde();
        QCOMPARE(&Carte_Monde(), premiere.data());
        Ranger_Dans_Tab_Qso({Ligne("RR", "50 Mhz ")});
        QCOMPARE(Champs_Verts(*premiere), QStringLiteral("IO JN QA"));
        QTest::mouseClick(premiere->Command1(), Qt::LeftButton);
        QCOMPARE(Champs_Verts(*premiere), QStringLiteral("RR"));

        premiere->close();
        QVERIFY(!Carte_Monde_Si_Existe());
        QTRY_VERIFY(premiere.isNull());
        Ouvrir_Carte_Monde();
        Fenetre_Carte& seconde = Carte_Monde();
        QCOMPARE(Champs_Verts(seconde), QString());
        QCOMPARE(seconde.Libelle_Compte()->text(), QString());
        QCOMPARE(seconde.Libelle_Bande()->text(), QStringLiteral("toutes"));
    }
};

QTEST_MAIN(Test_Carte_Monde)
#include "test_carte_monde.moc"
