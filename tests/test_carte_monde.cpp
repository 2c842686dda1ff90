// The world map window as the user drives it: "Afficher" on the real button,
// the cells' real colours and labels, its design state and life cycle.
#include "core/Adif.h"
#include "core/ui/Ouvertures.h"
#include "maps/fields/Champs_Monde.h"
#include "maps/fields/Fenetres_Champs.h"
#include "tests/support/Plateforme_Test.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Sous_Programmes;

namespace {

// What the map shows: the fields of its green cells, sorted, then its count and band labels.
QString Etat(const Fenetre_Carte& carte) {
    QStringList verts;
    for (int k = 1; k <= 324; ++k)
        if (carte.Cellule(k)->palette().color(QPalette::Window) == QColor(0x80, 0xFF, 0x80))
            verts << QString::fromStdString(Champ_Cellule(Zone_Monde, k));
    verts.sort();
    return verts.join(QLatin1Char(' ')) + QLatin1Char('|') + carte.Libelle_Compte()->text() +
           QLatin1Char('|') + carte.Libelle_Bande()->text();
}

Fenetre_Carte& Ouvrir() {
    Ouvrir_Carte_Monde();
    return Carte_Monde();
}

} // namespace

class Test_Carte_Monde : public QObject {
    Q_OBJECT
    Plateforme_Test plateforme;

private slots:
    void init() {
        Vider_Tab_Qso();
        Ranger_Dans_Tab_Qso({Ligne_Essai("JN18AA", "21 Mhz "), Ligne_Essai("JN33", "7.0 Mhz"),
                             Ligne_Essai("IO91", "144 Mhz"), Ligne_Essai("", "7.0 Mhz"),
                             Ligne_Essai("QA", "14 Mhz "), Ligne_Essai("SA00", "14 Mhz "),
                             Ligne_Essai("AR", "50 Mhz "), Ligne_Essai("RA01", "50 Mhz ")});
    }
    void cleanup() {
        if (Fenetre_Carte* f = Carte_Monde_Si_Existe()) f->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A band typed into the list after a first drawing for "Toutes", which
    // marks the first and the last cell (AR, RA): leaving the list draws
    // nothing; "Afficher" (a click, or Return or Enter on the focused button)
    // then leaves only the new band's fields marked; the band is compared
    // exactly; the typed text never joins the list.
    void afficher_data() {
        QTest::addColumn<QString>("bande");
        QTest::addColumn<int>("sortie"); // the key that leaves the list
        QTest::addColumn<int>("appui");  // the key that presses "Afficher"; 0: a click
        QTest::addColumn<QString>("etat");
        const auto nom = [](int touche) {
            return touche == Qt::Key_Return  ? "Return"
                   : touche == Qt::Key_Enter ? "Enter"
                   : touche == Qt::Key_Tab   ? "Tab"
                                             : "click";
        };
        const auto ligne = [&](const char* bande, Qt::Key sortie, int appui, const char* etat) {
            QTest::addRow("'%s' %s, %s", bande, nom(sortie), nom(appui))
                << QString::fromLatin1(bande) << int(sortie) << appui << QString::fromLatin1(etat);
        };
        ligne("Toutes", Qt::Key_Return, 0, "AR IO JN QA RA|5|Toutes");
        ligne("14 Mhz ", Qt::Key_Return, Qt::Key_Return, "QA|1|14 Mhz ");
        ligne("7.0 Mhz", Qt::Key_Tab, Qt::Key_Enter, "JN|1|7.0 Mhz");
        ligne("50 Mhz ", Qt::Key_Tab, 0, "AR RA|2|50 Mhz ");
        ligne("toutes", Qt::Key_Enter, 0, "|0|toutes");
        ligne("Toute", Qt::Key_Return, 0, "|0|Toute");
        ligne("14 Mhz", Qt::Key_Tab, 0, "|0|14 Mhz");
        ligne("14 Mhz  ", Qt::Key_Enter, Qt::Key_Return, "|0|14 Mhz  ");
    }
    void afficher() {
        QFETCH(QString, bande);
        QFETCH(int, sortie);
        QFETCH(int, appui);
        QFETCH(QString, etat);
        Fenetre_Carte& carte = Ouvrir();
        QTest::mouseClick(carte.Command1(), Qt::LeftButton);
        const QString toutes = QStringLiteral("AR IO JN QA RA|5|Toutes");
        QCOMPARE(Etat(carte), toutes);
        QApplication::setActiveWindow(&carte);
        QVERIFY(QTest::qWaitForWindowActive(&carte));
        carte.Bande_T()->setFocus();
        carte.Bande_T()->lineEdit()->selectAll();
        QTest::keyClicks(carte.Bande_T(), bande);
        QTest::keyClick(carte.Bande_T(), Qt::Key(sortie),
                        sortie == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(Etat(carte), toutes);
        QCOMPARE(carte.Bande_T()->currentText(), bande);
        if (appui == 0) {
            QTest::mouseClick(carte.Command1(), Qt::LeftButton);
        } else {
            if (sortie != Qt::Key_Tab) carte.Command1()->setFocus(); // Tab has moved there
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(carte.Command1()));
            QTest::keyClick(carte.Command1(), Qt::Key(appui),
                            appui == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        }
        QCOMPARE(Etat(carte), etat);
        QCOMPARE(carte.Bande_T()->count(), 18);
    }

    // One instance while open; a new (shorter) import shows at the next
    // drawing only; fresh, in its design state, after a close.
    void cycle_de_vie() {
        QPointer<Fenetre_Carte> premiere = &Ouvrir();
        QVERIFY(premiere->isVisible());
        QTest::mouseClick(premiere->Command1(), Qt::LeftButton);
        QCOMPARE(&Ouvrir(), premiere.data());
        Ranger_Dans_Tab_Qso({Ligne_Essai("RR", "50 Mhz ")});
        QCOMPARE(Etat(*premiere), QStringLiteral("AR IO JN QA RA|5|Toutes"));
        QTest::mouseClick(premiere->Command1(), Qt::LeftButton);
        QCOMPARE(Etat(*premiere), QStringLiteral("RR|1|Toutes"));

        premiere->close();
        QVERIFY(!Carte_Monde_Si_Existe());
        QTRY_VERIFY(premiere.isNull());
        Fenetre_Carte& seconde = Ouvrir();
        QCOMPARE(seconde.windowTitle(), QStringLiteral("Carte Monde"));
        QCOMPARE(seconde.Bande_T()->currentText(), QStringLiteral("Toutes"));
        QCOMPARE(Etat(seconde), QStringLiteral("||toutes"));
        QCOMPARE(seconde.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("grand(s) carré(s) contacté(s) bande "));
        QCOMPARE(seconde.Cellule(289)->geometry(), QRect(16, 568, 25, 15)); // AB, the shorter cell
    }
};

QTEST_MAIN(Test_Carte_Monde)
#include "test_carte_monde.moc"
