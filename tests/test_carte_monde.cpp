// The world map window as the user drives it: its design state, "Afficher"
// on the real button, the cells' real colours and labels, its life cycle.
#include "core/Adif.h"
#include "core/Tab_Qso.h"
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

const QColor Vert(0x80, 0xFF, 0x80);

// The fields whose cells show the marked colour; every other cell must show
// the window's base colour.
QStringList Champs_Verts(const Fenetre_Carte& carte) {
    const QColor fond = carte.palette().color(QPalette::Base);
    QStringList verts;
    for (int k = 1; k <= 324; ++k) {
        const QColor c = carte.Cellule(k)->palette().color(QPalette::Window);
        if (c == Vert)
            verts << QString::fromStdString(Champ_Cellule(Zone_Monde, k));
        else if (c != fond)
            verts << QStringLiteral("?%1").arg(k);
    }
    return verts;
}

void Afficher(Fenetre_Carte& carte, const QString& bande) {
    carte.Bande_T()->setEditText(bande);
    QTest::mouseClick(carte.Command1(), Qt::LeftButton);
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
        QCOMPARE(carte.Bande_T()->itemText(0), QStringLiteral("Toutes"));
        QCOMPARE(carte.Bande_T()->itemText(4), QStringLiteral("10 Mhz "));
        QCOMPARE(carte.Bande_T()->itemText(17), QStringLiteral("24 Ghz "));
        QCOMPARE(carte.Bande_T()->currentText(), QStringLiteral("Toutes"));
        QVERIFY(carte.Bande_T()->isEditable());
        QCOMPARE(carte.Command1()->text(), QStringLiteral("Afficher"));
        QCOMPARE(carte.Libelle_Compte()->text(), QString());
        QCOMPARE(carte.Libelle_Bande()->text(), QStringLiteral("toutes"));
        QCOMPARE(carte.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Bande"));
        QCOMPARE(carte.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("grand(s) carré(s) contacté(s) bande "));
        QCOMPARE(Champs_Verts(carte), QStringList());
        QCOMPARE(carte.Cellule(289)->objectName(), QStringLiteral("Text1(289)"));
        QCOMPARE(carte.Cellule(289)->parentWidget(), carte.Picture1());
        QCOMPARE(carte.Cellule(289)->geometry(), QRect(16, 568, 25, 15));
        QCOMPARE(carte.Cellule(323)->geometry(), QRect(872, 608, 25, 17));
    }

    // Band text, marked fields, count label.
    void afficher_data() {
        QTest::addColumn<QString>("bande");
        QTest::addColumn<QStringList>("verts");
        QTest::addColumn<QString>("compte");
        QTest::newRow("Toutes") << QStringLiteral("Toutes")
                                << QStringList{QStringLiteral("JN"), QStringLiteral("IO"),
                                               QStringLiteral("QA")}
                                << QStringLiteral("3");
        QTest::newRow("14 Mhz ") << QStringLiteral("14 Mhz ") << QStringList{QStringLiteral("QA")}
                                 << QStringLiteral("1");
        QTest::newRow("7.0 Mhz") << QStringLiteral("7.0 Mhz") << QStringList{QStringLiteral("JN")}
                                 << QStringLiteral("1");
        QTest::newRow("toutes") << QStringLiteral("toutes") << QStringList() << QStringLiteral("0");
        QTest::newRow("14 Mhz") << QStringLiteral("14 Mhz") << QStringList() << QStringLiteral("0");
    }
    void afficher() {
        QFETCH(QString, bande);
        QFETCH(QStringList, verts);
        QFETCH(QString, compte);
        Ouvrir_Carte_Monde();
        Fenetre_Carte& carte = Carte_Monde();
        Afficher(carte, bande);
        verts.sort();
        QStringList vus = Champs_Verts(carte);
        vus.sort();
        QCOMPARE(vus, verts);
        QCOMPARE(carte.Libelle_Compte()->text(), compte);
        QCOMPARE(carte.Libelle_Bande()->text(), bande);
    }

    // Picking items: the second drawing shows only its own band; typing
    // into the list is read as it stands.
    void nouveau_trace() {
        Ouvrir_Carte_Monde();
        Fenetre_Carte& carte = Carte_Monde();
        QTest::mouseClick(carte.Command1(), Qt::LeftButton);
        QCOMPARE(carte.Libelle_Compte()->text(), QStringLiteral("3"));
        carte.Bande_T()->setCurrentIndex(5); // "14 Mhz "
        QTest::mouseClick(carte.Command1(), Qt::LeftButton);
        QCOMPARE(Champs_Verts(carte), QStringList{QStringLiteral("QA")});
        QCOMPARE(carte.Libelle_Bande()->text(), QStringLiteral("14 Mhz "));

        carte.Bande_T()->lineEdit()->selectAll();
        QTest::keyClicks(carte.Bande_T()->lineEdit(), QStringLiteral("7.0 Mhz"));
        QTest::mouseClick(carte.Command1(), Qt::LeftButton);
        QCOMPARE(Champs_Verts(carte), QStringList{QStringLiteral("JN")});
        QCOMPARE(carte.Libelle_Bande()->text(), QStringLiteral("7.0 Mhz"));
        QCOMPARE(carte.Bande_T()->count(), 18);
    }

    // One instance while open; a fresh one, in its design state, after a close.
    void cycle_de_vie() {
        Ouvrir_Carte_Monde();
        QPointer<Fenetre_Carte> premiere = &Carte_Monde();
        Afficher(*premiere, QStringLiteral("14 Mhz "));
        Ouvrir_Carte_Monde();
        QCOMPARE(&Carte_Monde(), premiere.data());
        QCOMPARE(premiere->Libelle_Bande()->text(), QStringLiteral("14 Mhz "));

        premiere->close();
        QVERIFY(!Carte_Monde_Si_Existe());
        QTRY_VERIFY(premiere.isNull());

        Ouvrir_Carte_Monde();
        Fenetre_Carte& seconde = Carte_Monde();
        QCOMPARE(Champs_Verts(seconde), QStringList());
        QCOMPARE(seconde.Libelle_Compte()->text(), QString());
        QCOMPARE(seconde.Libelle_Bande()->text(), QStringLiteral("toutes"));
        QCOMPARE(seconde.Bande_T()->currentText(), QStringLiteral("Toutes"));
    }

    // An import made while the map is open shows only at the next drawing.
    void import_pendant_ouverture() {
        Ouvrir_Carte_Monde();
        Fenetre_Carte& carte = Carte_Monde();
        QTest::mouseClick(carte.Command1(), Qt::LeftButton);
        Ranger_Dans_Tab_Qso({Ligne("RR", "50 Mhz ")});
        QCOMPARE(carte.Libelle_Compte()->text(), QStringLiteral("3"));
        QTest::mouseClick(carte.Command1(), Qt::LeftButton);
        QCOMPARE(Champs_Verts(carte), QStringList{QStringLiteral("RR")});
    }
};

QTEST_MAIN(Test_Carte_Monde)
#include "test_carte_monde.moc"
