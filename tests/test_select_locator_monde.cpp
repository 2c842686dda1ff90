// The quarter chooser and the four quarter windows as the user drives them:
// "Afficher" marks the chosen quarter's real cells, then shows its window.
#include "core/Adif.h"
#include "core/Tab_Qso.h"
#include "core/ui/Ouvertures.h"
#include "maps/common/Cartes.h"
#include "maps/fields/Champs_Monde.h"
#include "maps/fields/Fenetres_Champs.h"
#include "tests/support/Plateforme_Test.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace Sous_Programmes;

namespace {

std::string Ligne(std::string locator, std::string_view bande) {
    locator.resize(6, ' ');
    return locator + "  " + std::string(bande) + "   14  227  F1ABC            01/02/2023";
}

QString Texte(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// Indices of the cells showing the marked colour; any cell neither marked
// nor in the window's base colour shows as -k.
QList<int> Cellules_Vertes(const Fenetre_Carte& carte) {
    const QColor fond = carte.palette().color(QPalette::Base);
    QList<int> vertes;
    for (int k = carte.Grille().Premier(); k <= carte.Grille().Dernier(); ++k) {
        const QColor c = carte.Cellule(k)->palette().color(QPalette::Window);
        if (c == QColor(0x80, 0xFF, 0x80))
            vertes << k;
        else if (c != fond)
            vertes << -k;
    }
    return vertes;
}

bool Aucun_Quart() {
    for (int q = 0; q < 4; ++q)
        if (Carte_Quart_Si_Existe(q)) return false;
    return true;
}

} // namespace

class Test_Select_Locator_Monde : public QObject {
    Q_OBJECT
    Plateforme_Test plateforme;

    Select_Locator_Monde& Choisir(const QString& quart, const QString& bande) {
        Ouvrir_Select_Locator_Monde();
        Select_Locator_Monde& s = Obtenir_Select_Locator_Monde();
        s.Liste_Zone->setEditText(quart);
        s.Bande_T->setEditText(bande);
        QTest::mouseClick(s.Command1, Qt::LeftButton);
        return s;
    }

private slots:
    void init() {
        Vider_Tab_Qso();
        Ranger_Dans_Tab_Qso({Ligne("QA12", "14 Mhz "), Ligne("QJ", "7.0 Mhz"), Ligne("BJ01", "14 Mhz "),
                             Ligne("BJ02", "7.0 Mhz"), Ligne("", "7.0 Mhz"), Ligne("HA", "14 Mhz ")});
    }
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(Aucun_Quart());
        QVERIFY(!Select_Locator_Monde_Si_Existe());
    }

    void etat_design() {
        Ouvrir_Select_Locator_Monde();
        Select_Locator_Monde& s = Obtenir_Select_Locator_Monde();
        QVERIFY(s.isVisible());
        QCOMPARE(s.windowTitle(), QStringLiteral("Sélection carte"));
        QCOMPARE(s.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("Sélection d'une carte"));
        QCOMPARE(s.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Carte"));
        QCOMPARE(s.findChild<QLabel*>(QStringLiteral("Label3"))->text(), QStringLiteral("Bande"));
        QCOMPARE(s.Command1->text(), QStringLiteral("Afficher"));
        QCOMPARE(s.Liste_Zone->count(), 4);
        for (int q = 0; q < 4; ++q) QCOMPARE(s.Liste_Zone->itemText(q), Texte(Quarts_Monde[std::size_t(q)]));
        QCOMPARE(s.Bande_T->count(), 18);
        QCOMPARE(s.Bande_T->itemText(16), QStringLiteral("10 Ghz "));
        QVERIFY(s.Liste_Zone->isEditable());
        QVERIFY(s.Bande_T->isEditable());
        QCOMPARE(s.Liste_Zone->currentText(), QStringLiteral("1/4 N.E.monde"));
        QCOMPARE(s.Bande_T->currentText(), QStringLiteral("Toutes"));
        QCOMPARE(s.Liste_Zone->geometry(), QRect(24, 80, 113, 21));
        QCOMPARE(s.Command1->geometry(), QRect(80, 112, 89, 17));
        QVERIFY(Aucun_Quart());

        // The focus starts on Command1, then Tab goes to Liste_Zone and Bande_T.
        QApplication::setActiveWindow(&s);
        QVERIFY(QTest::qWaitForWindowActive(&s));
        auto controle = [] {
            QWidget* w = QApplication::focusWidget();
            return w && qobject_cast<QComboBox*>(w->parentWidget()) ? w->parentWidget() : w;
        };
        QList<QWidget*> ordre{controle()};
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            ordre << controle();
        }
        QCOMPARE(ordre, (QList<QWidget*>{s.Command1, s.Liste_Zone, s.Bande_T, s.Command1}));
    }

    // "Afficher" straight away draws the north-east quarter for all bands.
    void afficher_d_emblee() {
        Ouvrir_Select_Locator_Monde();
        QTest::mouseClick(Obtenir_Select_Locator_Monde().Command1, Qt::LeftButton);
        Fenetre_Carte* ne = Carte_Quart_Si_Existe(0);
        QVERIFY(ne);
        QVERIFY(ne->isVisible());
        QCOMPARE(ne->windowTitle(), QStringLiteral("Carte Nord-Est Monde"));
        QCOMPARE(Cellules_Vertes(*ne), QList<int>{89}); // QJ
        QCOMPARE(ne->Libelle_Compte()->text(), QStringLiteral("1"));
        QCOMPARE(ne->Libelle_Bande()->text(), QStringLiteral("Toutes"));
        QCOMPARE(ne->Cellule(89)->objectName(), QStringLiteral("Text1(89)"));
        QCOMPARE(ne->Cellule(2)->font().pointSizeF(), 9.75);
        QCOMPARE(ne->Cellule(3)->font().pointSizeF(), 12.0);
        QVERIFY(!Carte_Quart_Si_Existe(2));
    }

    void quarts_data() {
        QTest::addColumn<int>("quart");
        QTest::addColumn<QString>("bande");
        QTest::addColumn<QList<int>>("vertes");
        QTest::addColumn<int>("cellules");
        QTest::newRow("S.E. QA") << 2 << QStringLiteral("Toutes") << QList<int>{89} << 90;
        QTest::newRow("N.O. BJ") << 1 << QStringLiteral("Toutes") << QList<int>{66} << 72;
        QTest::newRow("N.O. 14 Mhz") << 1 << QStringLiteral("14 Mhz") << QList<int>{} << 72;
        QTest::newRow("S.O. 14 Mhz ") << 3 << QStringLiteral("14 Mhz ") << QList<int>{72} << 72;
        QTest::newRow("N.E. 14 Mhz ") << 0 << QStringLiteral("14 Mhz ") << QList<int>{} << 90;
    }
    void quarts() {
        QFETCH(int, quart);
        QFETCH(QString, bande);
        QFETCH(QList<int>, vertes);
        QFETCH(int, cellules);
        Choisir(Texte(Quarts_Monde[std::size_t(quart)]), bande);
        for (int q = 0; q < 4; ++q) QCOMPARE(Carte_Quart_Si_Existe(q) != nullptr, q == quart);
        Fenetre_Carte& carte = *Carte_Quart_Si_Existe(quart);
        QVERIFY(carte.isVisible());
        QCOMPARE(carte.findChildren<QWidget*>(QRegularExpression(QStringLiteral("^Text1\\(\\d+\\)$"))).size(),
                 cellules);
        QCOMPARE(Cellules_Vertes(carte), vertes);
        QCOMPARE(carte.Libelle_Compte()->text(), QString::number(vertes.size()));
        QCOMPARE(carte.Libelle_Bande()->text(), bande);
    }

    // A quarter text off by case or a blank marks nothing and shows nothing.
    void quart_inconnu_data() {
        QTest::addColumn<QString>("quart");
        QTest::newRow("casse") << QStringLiteral("1/4 n.e.monde");
        QTest::newRow("Monde") << QStringLiteral("1/4 S.O.Monde");
        QTest::newRow("blanc final") << QStringLiteral("1/4 N.O.monde ");
        QTest::newRow("vide") << QString();
    }
    void quart_inconnu() {
        QFETCH(QString, quart);
        Select_Locator_Monde& s = Choisir(quart, QStringLiteral("Toutes"));
        QVERIFY(Aucun_Quart());
        QVERIFY(s.isVisible());
        QCOMPARE(s.Liste_Zone->currentText(), quart);
    }

    // Redrawing an open quarter on another band: same window, new marks only.
    void nouveau_trace() {
        Choisir(QStringLiteral("1/4 N.O.monde"), QStringLiteral("Toutes"));
        QPointer<Fenetre_Carte> no = Carte_Quart_Si_Existe(1);
        QCOMPARE(Cellules_Vertes(*no), QList<int>{66});
        Choisir(QStringLiteral("1/4 S.O.monde"), QStringLiteral("14 Mhz "));
        Select_Locator_Monde& s = Choisir(QStringLiteral("1/4 N.O.monde"), QStringLiteral("7.0 Mhz"));
        QCOMPARE(Carte_Quart_Si_Existe(1), no.data());
        QCOMPARE(Cellules_Vertes(*no), QList<int>{66});
        QCOMPARE(no->Libelle_Bande()->text(), QStringLiteral("7.0 Mhz"));
        Choisir(QStringLiteral("1/4 N.O.monde"), QStringLiteral("1.8 Mhz"));
        QCOMPARE(Cellules_Vertes(*no), QList<int>{});
        QCOMPARE(no->Libelle_Compte()->text(), QStringLiteral("0"));
        // The chooser stays open with its texts; the other quarter keeps its marks.
        QVERIFY(s.isVisible());
        QCOMPARE(s.Bande_T->currentText(), QStringLiteral("1.8 Mhz"));
        QCOMPARE(Cellules_Vertes(*Carte_Quart_Si_Existe(3)), QList<int>{72});
    }

    // Marked before being shown: loaded, centred, hidden until the chooser shows it.
    void marque_avant_montre() {
        Marque_Quart_Monde("1/4 S.E.monde", "Toutes");
        Fenetre_Carte* se = Carte_Quart_Si_Existe(2);
        QVERIFY(se);
        QVERIFY(!se->isVisible());
        QCOMPARE(Cellules_Vertes(*se), QList<int>{89});
        const QPoint centre = se->screen()->geometry().center();
        QVERIFY(qAbs(se->frameGeometry().center().x() - centre.x()) <= 1);
        QVERIFY(qAbs(se->frameGeometry().center().y() - centre.y()) <= 1);

        Marque_Quart_Monde("1/4 s.e.monde", "14 Mhz ");
        QCOMPARE(se->Libelle_Bande()->text(), QStringLiteral("Toutes"));

        Choisir(QStringLiteral("1/4 S.E.monde"), QStringLiteral("14 Mhz "));
        QCOMPARE(Carte_Quart_Si_Existe(2), se);
        QVERIFY(se->isVisible());
        QCOMPARE(se->Libelle_Bande()->text(), QStringLiteral("14 Mhz "));
    }

    // Closing the chooser or one quarter closes nothing else; the chooser
    // comes back in its design state.
    void fermetures() {
        Select_Locator_Monde& s = Choisir(QStringLiteral("1/4 N.E.monde"), QStringLiteral("7.0 Mhz"));
        Choisir(QStringLiteral("1/4 N.O.monde"), QStringLiteral("7.0 Mhz"));
        s.Liste_Zone->setCurrentIndex(3);
        s.Bande_T->setCurrentIndex(7);
        s.close();
        QVERIFY(!Select_Locator_Monde_Si_Existe());
        Carte_Quart_Si_Existe(1)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Fenetre_Carte* ne = Carte_Quart_Si_Existe(0);
        QVERIFY(ne);
        QVERIFY(ne->isVisible());
        QCOMPARE(Cellules_Vertes(*ne), QList<int>{89});
        QVERIFY(!Carte_Quart_Si_Existe(1));

        Ouvrir_Select_Locator_Monde();
        Select_Locator_Monde& nouveau = Obtenir_Select_Locator_Monde();
        QCOMPARE(nouveau.Liste_Zone->currentText(), QStringLiteral("1/4 N.E.monde"));
        QCOMPARE(nouveau.Bande_T->currentText(), QStringLiteral("Toutes"));
        QCOMPARE(nouveau.Liste_Zone->count(), 4);

        // A closed quarter comes back fresh at its next drawing.
        Choisir(QStringLiteral("1/4 N.O.monde"), QStringLiteral("14 Mhz "));
        QCOMPARE(Cellules_Vertes(*Carte_Quart_Si_Existe(1)), QList<int>{66});
    }
};

QTEST_MAIN(Test_Select_Locator_Monde)
#include "test_select_locator_monde.moc"
