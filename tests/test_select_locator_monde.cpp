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

std::string Ligne(std::string locator, std::string_view bande) {
    locator.resize(6, ' ');
    return locator + "  " + std::string(bande) + "   14  227  F1ABC            01/02/2023";
}

// The cells showing the marked colour; one in neither the marked nor the
// window's base colour shows as -k.
QList<int> Vertes(const Fenetre_Carte* carte) {
    QList<int> vertes;
    for (int k = 1; k <= carte->Grille().Dernier(); ++k) {
        const QColor c = carte->Cellule(k)->palette().color(QPalette::Window);
        if (c == QColor(0x80, 0xFF, 0x80))
            vertes << k;
        else if (c != carte->palette().color(QPalette::Base))
            vertes << -k;
    }
    return vertes;
}

int Quarts_Ouverts() {
    int n = 0;
    for (int q = 0; q < 4; ++q) n += Carte_Quart_Si_Existe(q) ? 1 : 0;
    return n;
}

Select_Locator_Monde& Choisir(const QString& quart, const QString& bande) {
    Ouvrir_Select_Locator_Monde();
    Select_Locator_Monde& s = Obtenir_Select_Locator_Monde();
    QApplication::setActiveWindow(&s);
    for (auto [liste, texte] : {std::pair{s.Liste_Zone, quart}, std::pair{s.Bande_T, bande}}) {
        liste->setFocus();
        liste->lineEdit()->selectAll();
        QTest::keyClicks(liste->lineEdit(), texte); // typed, as the user would
    }
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
        Ranger_Dans_Tab_Qso({Ligne("QA12", "14 Mhz "), Ligne("QJ", "7.0 Mhz"), Ligne("BJ01", "14 Mhz "),
                             Ligne("BJ02", "7.0 Mhz"), Ligne("", "7.0 Mhz"), Ligne("HA", "14 Mhz ")});
    }
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(Quarts_Ouverts(), 0);
        QVERIFY(!Select_Locator_Monde_Si_Existe());
    }

    void etat_design() {
        Ouvrir_Select_Locator_Monde();
        Select_Locator_Monde& s = Obtenir_Select_Locator_Monde();
        QCOMPARE(s.windowTitle(), QStringLiteral("Sélection carte"));
        QCOMPARE(s.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 QStringLiteral("Sélection d'une carte"));
        QCOMPARE(s.Liste_Zone->count(), 4);
        QCOMPARE(s.Bande_T->count(), 18);
        QCOMPARE(s.Liste_Zone->currentText(), QStringLiteral("1/4 N.E.monde"));
        QCOMPARE(s.Bande_T->currentText(), QStringLiteral("Toutes"));
        QCOMPARE(Quarts_Ouverts(), 0);

        // The focus starts on Command1; Tab goes to Liste_Zone, then Bande_T.
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

    // Quarter text, band, the one window created and shown (-1: none), its
    // one marked cell (0: none).
    void afficher_data() {
        QTest::addColumn<QString>("quart");
        QTest::addColumn<QString>("bande");
        QTest::addColumn<int>("fenetre");
        QTest::addColumn<int>("verte");
        const struct {
            const char *quart, *bande;
            int fenetre, verte;
        } lignes[] = {{"1/4 N.E.monde", "Toutes", 0, 89},  {"1/4 S.E.monde", "Toutes", 2, 89},
                      {"1/4 N.O.monde", "7.0 Mhz", 1, 66}, {"1/4 N.O.monde", "14 Mhz", 1, 0},
                      {"1/4 S.O.monde", "14 Mhz ", 3, 72}, {"1/4 n.e.monde", "Toutes", -1, 0},
                      {"1/4 N.O.monde ", "Toutes", -1, 0}};
        for (const auto& l : lignes)
            QTest::addRow("'%s' '%s'", l.quart, l.bande)
                << QString::fromLatin1(l.quart) << QString::fromLatin1(l.bande) << l.fenetre << l.verte;
    }
    void afficher() {
        QFETCH(QString, quart);
        QFETCH(QString, bande);
        QFETCH(int, fenetre);
        QFETCH(int, verte);
        Select_Locator_Monde& s = Choisir(quart, bande);
        QVERIFY(s.isVisible());
        QCOMPARE(s.Liste_Zone->currentText(), quart);
        QCOMPARE(Quarts_Ouverts(), fenetre < 0 ? 0 : 1);
        if (fenetre < 0) return;
        Fenetre_Carte* carte = Carte_Quart_Si_Existe(fenetre);
        QVERIFY(carte && carte->isVisible());
        QCOMPARE(Vertes(carte), verte ? QList<int>{verte} : QList<int>{});
        QCOMPARE(carte->Libelle_Compte()->text(), QString::number(verte ? 1 : 0));
        QCOMPARE(carte->Libelle_Bande()->text(), bande);
    }

    // Marked before being shown: loaded, centred, hidden, then shown by the
    // chooser as the same window. Closing the chooser or one quarter closes
    // nothing else; each comes back in its design state.
    void cycle_de_vie() {
        Marque_Quart_Monde("1/4 N.O.monde", "Toutes");
        QPointer<Fenetre_Carte> no = Carte_Quart_Si_Existe(1);
        QVERIFY(no && !no->isVisible());
        QCOMPARE(Vertes(no), QList<int>{66});
        const QPoint ecart = no->frameGeometry().center() - no->screen()->geometry().center();
        QVERIFY(qAbs(ecart.x()) <= 1 && qAbs(ecart.y()) <= 1);
        Select_Locator_Monde& s = Choisir(QStringLiteral("1/4 N.O.monde"), QStringLiteral("1.8 Mhz"));
        QCOMPARE(Carte_Quart_Si_Existe(1), no.data());
        QVERIFY(no->isVisible());
        QCOMPARE(Vertes(no), QList<int>{});

        Choisir(QStringLiteral("1/4 N.E.monde"), QStringLiteral("7.0 Mhz"));
        s.close();
        no->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(Quarts_Ouverts(), 1);
        QCOMPARE(Vertes(Carte_Quart_Si_Existe(0)), QList<int>{89});
        Ouvrir_Select_Locator_Monde();
        QCOMPARE(Obtenir_Select_Locator_Monde().Liste_Zone->currentText(), QStringLiteral("1/4 N.E.monde"));
        QCOMPARE(Obtenir_Select_Locator_Monde().Bande_T->currentText(), QStringLiteral("Toutes"));
        Marque_Quart_Monde("1/4 N.O.monde", "7.0 Mhz");
        QCOMPARE(Carte_Quart_Si_Existe(1)->Libelle_Bande()->text(), QStringLiteral("7.0 Mhz"));
    }
};

QTEST_MAIN(Test_Select_Locator_Monde)
#include "test_select_locator_monde.moc"
