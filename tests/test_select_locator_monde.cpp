// The quarter chooser and the four quarter windows as the user drives them:
// "Afficher" marks the chosen quarter's real cells, then shows its window.
#include "core/Adif.h"
#include "core/ui/Ouvertures.h"
#include "maps/fields/Fenetres_Champs.h"
#include "tests/support/Plateforme_Test.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace Sous_Programmes;

namespace {

// What a quarter map shows: its green cells, then its count and band labels.
QString Etat(const Fenetre_Carte* carte) {
    QStringList vertes;
    for (int k = 1; k <= carte->Grille().Dernier(); ++k)
        if (carte->Cellule(k)->palette().color(QPalette::Window) == QColor(0x80, 0xFF, 0x80))
            vertes << QString::number(k);
    return vertes.join(QLatin1Char(' ')) + QLatin1Char('|') + carte->Libelle_Compte()->text() +
           QLatin1Char('|') + carte->Libelle_Bande()->text();
}

// Types both texts as the user would, each list left by Return.
Select_Locator_Monde& Taper(const QString& quart, const QString& bande) {
    Ouvrir_Select_Locator_Monde();
    Select_Locator_Monde& s = Obtenir_Select_Locator_Monde();
    QApplication::setActiveWindow(&s);
    for (auto [liste, texte] : {std::pair{s.Liste_Zone, quart}, std::pair{s.Bande_T, bande}}) {
        liste->setFocus();
        liste->lineEdit()->selectAll();
        QTest::keyClicks(liste, texte);
        QTest::keyClick(liste, Qt::Key_Return);
    }
    return s;
}

// Types both texts, then presses "Afficher".
Select_Locator_Monde& Choisir(const QString& quart, const QString& bande) {
    Select_Locator_Monde& s = Taper(quart, bande);
    QTest::mouseClick(s.Command1, Qt::LeftButton);
    return s;
}

} // namespace

class Test_Select_Locator_Monde : public QObject {
    Q_OBJECT
    Plateforme_Test plateforme;

private slots:
    void init() {
        Vider_Tab_Qso();
        Ranger_Dans_Tab_Qso(
            {Ligne_Essai("QA12", "14 Mhz "), Ligne_Essai("QJ", "7.0 Mhz"), Ligne_Essai("BJ01", "14 Mhz "),
             Ligne_Essai("BJ02", "7.0 Mhz"), Ligne_Essai("", "7.0 Mhz"), Ligne_Essai("HA", "14 Mhz "),
             // The first and last cells of each quarter.
             Ligne_Essai("IR", "50 Mhz "), Ligne_Essai("RJ", "50 Mhz "), Ligne_Essai("AR", "50 Mhz "),
             Ligne_Essai("HJ", "50 Mhz "), Ligne_Essai("II", "50 Mhz "), Ligne_Essai("RA", "50 Mhz "),
             Ligne_Essai("AI", "50 Mhz ")});
    }
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Quarter text, band, the one window created and shown (-1: none), what it
    // shows after a first drawing of the same quarter for "Toutes".
    void afficher_data() {
        QTest::addColumn<QString>("quart");
        QTest::addColumn<QString>("bande");
        QTest::addColumn<int>("fenetre");
        QTest::addColumn<QString>("etat");
        const auto ligne = [](const char* quart, const char* bande, int fenetre, const char* etat) {
            QTest::addRow("'%s' '%s'", quart, bande)
                << QString::fromLatin1(quart) << QString::fromLatin1(bande) << fenetre
                << QString::fromLatin1(etat);
        };
        ligne("1/4 N.E.monde", "Toutes", 0, "1 89 90|3|Toutes");
        ligne("1/4 N.E.monde", "7.0 Mhz", 0, "89|1|7.0 Mhz");
        ligne("1/4 N.E.monde", "50 Mhz ", 0, "1 90|2|50 Mhz ");
        ligne("1/4 N.O.monde", "7.0 Mhz", 1, "66|1|7.0 Mhz");
        ligne("1/4 N.O.monde", "50 Mhz ", 1, "1 72|2|50 Mhz ");
        ligne("1/4 S.E.monde", "Toutes", 2, "1 89 90|3|Toutes");
        ligne("1/4 S.E.monde", "14 Mhz ", 2, "89|1|14 Mhz ");
        ligne("1/4 S.O.monde", "14 Mhz ", 3, "72|1|14 Mhz ");
        ligne("1/4 S.O.monde", "50 Mhz ", 3, "1|1|50 Mhz ");
        ligne("1/4 S.O.monde", "14 Mhz", 3, "|0|14 Mhz");
        ligne("1/4 S.O.monde", "14 Mhz  ", 3, "|0|14 Mhz  ");
        ligne("1/4 S.O.monde", "Toute", 3, "|0|Toute");
        ligne("1/4 S.O.monde", "toutes", 3, "|0|toutes");
        ligne("1/4 n.e.monde", "Toutes", -1, "");
        ligne("1/4 N.O.monde ", "Toutes", -1, "");
    }
    void afficher() {
        QFETCH(QString, quart);
        QFETCH(QString, bande);
        QFETCH(int, fenetre);
        QFETCH(QString, etat);
        Choisir(quart, QStringLiteral("Toutes")); // a first drawing, then a second over it
        const QString avant = fenetre < 0 ? QString() : Etat(Carte_Quart_Si_Existe(fenetre));
        Select_Locator_Monde& s = Taper(quart, bande);
        // Return in a list draws nothing, and leaves the typed texts as they are.
        for (int q = 0; q < 4; ++q) QCOMPARE(Carte_Quart_Si_Existe(q) != nullptr, q == fenetre);
        if (fenetre >= 0) QCOMPARE(Etat(Carte_Quart_Si_Existe(fenetre)), avant);
        QCOMPARE(s.Liste_Zone->currentText(), quart);
        QCOMPARE(s.Bande_T->currentText(), bande);
        QTest::mouseClick(s.Command1, Qt::LeftButton);
        QVERIFY(s.isVisible());
        for (int q = 0; q < 4; ++q) QCOMPARE(Carte_Quart_Si_Existe(q) != nullptr, q == fenetre);
        if (fenetre < 0) return;
        Fenetre_Carte* carte = Carte_Quart_Si_Existe(fenetre);
        QVERIFY(carte && carte->isVisible());
        QCOMPARE(Etat(carte), etat);
    }

    // Marked before being shown: loaded, centred, hidden, then shown by the
    // chooser as the same window. Closing the chooser or one quarter closes
    // nothing else.
    void cycle_de_vie() {
        Marque_Quart_Monde("1/4 N.O.monde", "Toutes");
        QPointer<Fenetre_Carte> no = Carte_Quart_Si_Existe(1);
        QVERIFY(no && !no->isVisible());
        QCOMPARE(Etat(no), QStringLiteral("1 66 72|3|Toutes"));
        Select_Locator_Monde& s = Choisir(QStringLiteral("1/4 N.O.monde"), QStringLiteral("1.8 Mhz"));
        QCOMPARE(Carte_Quart_Si_Existe(1), no.data());
        QVERIFY(no->isVisible());
        QCOMPARE(Etat(no), QStringLiteral("|0|1.8 Mhz"));

        Choisir(QStringLiteral("1/4 N.E.monde"), QStringLiteral("7.0 Mhz"));
        s.close();
        no->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Carte_Quart_Si_Existe(1));
        QCOMPARE(Etat(Carte_Quart_Si_Existe(0)), QStringLiteral("89|1|7.0 Mhz"));

        // The chooser comes back afresh, in its design state, the focus on Command1.
        Ouvrir_Select_Locator_Monde();
        Select_Locator_Monde& t = Obtenir_Select_Locator_Monde();
        QCOMPARE(t.windowTitle(), QStringLiteral("Sélection carte"));
        QCOMPARE(t.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("Sélection d'une carte"));
        QCOMPARE(t.Liste_Zone->count(), 4);
        QCOMPARE(t.Liste_Zone->currentText(), QStringLiteral("1/4 N.E.monde"));
        QCOMPARE(t.Bande_T->currentText(), QStringLiteral("Toutes"));
        QApplication::setActiveWindow(&t);
        QVERIFY(QTest::qWaitForWindowActive(&t));
        QCOMPARE(QApplication::focusWidget(), t.Command1);
        for (QWidget* w : std::initializer_list<QWidget*>{t.Liste_Zone, t.Bande_T, t.Command1}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTRY_COMPARE(QApplication::focusWidget(), w);
        }
    }
};

QTEST_MAIN(Test_Select_Locator_Monde)
#include "test_select_locator_monde.moc"
