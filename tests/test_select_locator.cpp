// The field chooser and the nine field windows it draws, driven through the
// real widgets.
#include "core/Adif.h"
#include "core/Tab_Qso.h"
#include "core/ui/Main.h"
#include "core/ui/Ouvertures.h"
#include "maps/squares/Select_Locator.h"
#include "tests/support/Plateforme_Test.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Sous_Programmes;

namespace {

enum { IM = 0, JN = 4, KN = 7, KO = 8 };

Select_Locator& Chooser() {
    Ouvrir_Select_Locator();
    return *Select_Locator_Si_Existe();
}

// Types both texts as the user would, then presses "Afficher".
void Afficher(const QString& champ, const QString& bande) {
    Select_Locator& s = Chooser();
    for (auto [liste, texte] : {std::pair{s.Liste_Locator, champ}, std::pair{s.Bande_T, bande}}) {
        liste->lineEdit()->selectAll();
        QTest::keyClick(liste->lineEdit(), Qt::Key_Delete);
        QTest::keyClicks(liste->lineEdit(), texte);
    }
    QTest::mouseClick(s.Command1, Qt::LeftButton);
}

// What a field window shows: its green cells, then its count and band labels.
QString Etat(const Fenetre_Carte* f) {
    QStringList vertes;
    for (int k = 0; k <= 99; ++k)
        if (f->Cellule(k)->palette().color(QPalette::Window) == QColor(0x80, 0xFF, 0x80))
            vertes << QString::number(k);
    return vertes.join(QLatin1Char(' ')) + QLatin1Char('|') + f->Libelle_Compte()->text() + QLatin1Char('|') +
           f->Libelle_Bande()->text();
}

void Fermer(QWidget* w) {
    if (!w) return;
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class Test_Select_Locator : public QObject {
    Q_OBJECT
    Plateforme_Test plateforme;

private slots:
    void cleanup() {
        Fermer(Select_Locator_Si_Existe());
        for (int c = 0; c < 9; ++c) Fermer(Carte_Champ_Si_Existe(c));
        Vider_Tab_Qso();
    }

    // The design state, the focus order, and "Afficher" at once with IM and "Toutes".
    void chargement_focus_et_afficher() {
        Remplir_Tab_Qso("IM58|7.0 Mhz;IM12|144 Mhz;JN18|14 Mhz ");
        Select_Locator& s = Chooser();
        QCOMPARE(s.windowTitle(), QStringLiteral("Sélection moyen carré"));
        QCOMPARE(s.Liste_Locator->count(), 9);
        QCOMPARE(s.Liste_Locator->itemText(8), QStringLiteral("KO"));
        QCOMPARE(s.Liste_Locator->currentText(), QStringLiteral("IM"));
        QCOMPARE(s.Bande_T->currentText(), QStringLiteral("Toutes"));
        QCOMPARE(s.Bande_T->geometry(), QRect(96, 80, 81, 21));
        QCOMPARE(&Chooser(), &s);

        QApplication::setActiveWindow(&s);
        QVERIFY(QTest::qWaitForWindowActive(&s));
        s.Command1->setFocus();
        for (QWidget* w : std::initializer_list<QWidget*>{s.Liste_Locator, s.Bande_T, s.Command1}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTRY_COMPARE(QApplication::focusWidget(), w);
        }

        QTest::mouseClick(s.Command1, Qt::LeftButton);
        for (int c = 0; c < 9; ++c) QCOMPARE(Carte_Champ_Si_Existe(c) != nullptr, c == IM);
        QVERIFY(Carte_Champ_Si_Existe(IM)->isVisible());
        QCOMPARE(Etat(Carte_Champ_Si_Existe(IM)), QStringLiteral("12 58|2|Toutes"));
    }

    // "7.0 Mhz" after "14 Mhz " leaves only that band's squares; drawing KO
    // leaves JN as it was, and closing KO leaves JN and the chooser open; a
    // typed band that no record carries still draws the window, empty, and
    // never joins the list.
    void nouveau_trace_et_autre_champ() {
        Remplir_Tab_Qso("JN18|14 Mhz ;JN27|14 Mhz ;JN33|7.0 Mhz;JN18|7.0 Mhz;KO01|14 Mhz ");
        Afficher(QStringLiteral("JN"), QStringLiteral("14 Mhz "));
        Fenetre_Carte* jn = Carte_Champ_Si_Existe(JN);
        QVERIFY(jn && jn->isVisible());
        QCOMPARE(Etat(jn), QStringLiteral("18 27|2|14 Mhz "));
        Afficher(QStringLiteral("JN"), QStringLiteral("7.0 Mhz"));
        QCOMPARE(Carte_Champ_Si_Existe(JN), jn);
        QCOMPARE(Etat(jn), QStringLiteral("18 33|2|7.0 Mhz"));

        Afficher(QStringLiteral("KO"), QStringLiteral("10 Mhz "));
        QVERIFY(Carte_Champ_Si_Existe(KO)->isVisible());
        QCOMPARE(Etat(Carte_Champ_Si_Existe(KO)), QStringLiteral("|0|10 Mhz "));
        Fermer(Carte_Champ_Si_Existe(KO));
        QVERIFY(Select_Locator_Si_Existe());
        QCOMPARE(Carte_Champ_Si_Existe(JN), jn);
        QCOMPARE(Etat(jn), QStringLiteral("18 33|2|7.0 Mhz"));

        Afficher(QStringLiteral("JN"), QStringLiteral("14 Mhz"));
        QTest::keyClick(Chooser().Bande_T->lineEdit(), Qt::Key_Return);
        QCOMPARE(Chooser().Bande_T->count(), 18);
        QCOMPARE(Etat(jn), QStringLiteral("|0|14 Mhz"));
    }

    void champ_sans_fenetre_data() {
        QTest::addColumn<QString>("champ");
        QTest::newRow("lower case") << "jn";
        QTest::newRow("outside the nine") << "AA";
        QTest::newRow("trailing blank") << "JN ";
        QTest::newRow("empty") << "";
    }
    void champ_sans_fenetre() {
        QFETCH(QString, champ);
        Remplir_Tab_Qso("JN18|14 Mhz ;AA11|14 Mhz ");
        Afficher(champ, QStringLiteral("Toutes"));
        for (int c = 0; c < 9; ++c) QVERIFY(!Carte_Champ_Si_Existe(c));
        QCOMPARE(Chooser().Liste_Locator->currentText(), champ);
    }

    // The run alone creates the window hidden, its load step (the centring)
    // run; "Afficher" shows that same window. A moved window stays where the
    // user put it; once closed, the next drawing builds it afresh, centred,
    // with only the new marks.
    void cachee_deplacee_puis_fermee() {
        Remplir_Tab_Qso("KN58|14 Mhz ;KN44|7.0 Mhz");
        int nb = 0;
        Remplir_Moyens_Carres("Toutes", "KN", nb);
        QPointer<Fenetre_Carte> kn = Carte_Champ_Si_Existe(KN);
        QVERIFY(kn && !kn->isVisible());
        QCOMPARE(Etat(kn), QStringLiteral("44 58|2|Toutes"));
        QWidget temoin;
        temoin.setFixedSize(kn->size());
        Centrer_Fenetre(temoin);
        QCOMPARE(kn->pos(), temoin.pos());

        Afficher(QStringLiteral("KN"), QStringLiteral("14 Mhz "));
        QCOMPARE(Carte_Champ_Si_Existe(KN), kn.data());
        QVERIFY(kn->isVisible());
        kn->move(temoin.pos() + QPoint(37, 23));
        Afficher(QStringLiteral("KN"), QStringLiteral("Toutes"));
        QCOMPARE(kn->pos(), temoin.pos() + QPoint(37, 23));

        Fermer(kn);
        QVERIFY(kn.isNull());
        Afficher(QStringLiteral("KN"), QStringLiteral("7.0 Mhz"));
        QVERIFY(Carte_Champ_Si_Existe(KN)->isVisible());
        QCOMPARE(Carte_Champ_Si_Existe(KN)->pos(), temoin.pos());
        QCOMPARE(Etat(Carte_Champ_Si_Existe(KN)), QStringLiteral("44|1|7.0 Mhz"));
    }

    // The main window's button opens the chooser; closing the chooser leaves
    // the maps open, and opened again it starts afresh.
    void bouton_de_main() {
        Main& m = Main_Instance();
        m.Carte_Moyen->setEnabled(true);
        Afficher(QStringLiteral("KO"), QStringLiteral("Toutes"));
        Fermer(Select_Locator_Si_Existe());
        QVERIFY(Carte_Champ_Si_Existe(KO));
        QTest::mouseClick(m.Carte_Moyen, Qt::LeftButton);
        QVERIFY(Select_Locator_Si_Existe() && Select_Locator_Si_Existe()->isVisible());
        QCOMPARE(Select_Locator_Si_Existe()->Liste_Locator->currentText(), QStringLiteral("IM"));
        Fermer(&m);
    }
};

QTEST_MAIN(Test_Select_Locator)
#include "test_select_locator.moc"
