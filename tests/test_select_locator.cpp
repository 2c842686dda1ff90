// The field chooser and the nine field windows it draws, driven through the
// real widgets.
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

enum { IM = 0, IO = 2, JN = 4, KN = 7, KO = 8 };

// Records "JN18|14 Mhz ;..." as record lines from index 1.
void Remplir_Tab_Qso(const char* qsos) {
    Vider_Tab_Qso();
    Nb_Qso = 1;
    for (const QString& q : QString::fromLatin1(qsos).split(QLatin1Char(';'))) {
        const QStringList p = q.split(QLatin1Char('|'));
        Tab_Qso[std::size_t(Nb_Qso)] =
            p[0].leftJustified(6).toStdString() + "  " + p[1].toStdString() + "   14";
        Nb_Qso += 1;
    }
}

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

// The cells as painted: green ones by index, any cell neither green nor white as -1.
QList<int> Vertes(const Fenetre_Carte* f) {
    QList<int> vertes;
    for (int k = 0; k <= 99; ++k) {
        const QColor fond = f->Cellule(k)->palette().color(QPalette::Window);
        if (fond == QColor(0x80, 0xFF, 0x80))
            vertes << k;
        else if (fond != Qt::white)
            vertes << -1;
    }
    return vertes;
}

QString Libelles(const Fenetre_Carte* f) {
    return f->Libelle_Compte()->text() + QLatin1Char('|') + f->Libelle_Bande()->text();
}

int Ouvertes() {
    int n = 0;
    for (int c = 0; c < 9; ++c) n += Carte_Champ_Si_Existe(c) ? 1 : 0;
    return n;
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

    void chargement_et_focus() {
        Select_Locator& s = Chooser();
        QCOMPARE(s.windowTitle(), QStringLiteral("Sélection moyen carré"));
        QCOMPARE(s.Liste_Locator->count(), 9);
        QCOMPARE(s.Liste_Locator->itemText(8), QStringLiteral("KO"));
        QCOMPARE(s.Bande_T->count(), 18);
        QCOMPARE(s.Bande_T->itemText(4), QStringLiteral("10 Mhz "));
        QCOMPARE(s.Liste_Locator->currentText(), QStringLiteral("IM"));
        QCOMPARE(s.Bande_T->currentText(), QStringLiteral("Toutes"));
        QCOMPARE(s.Bande_T->geometry(), QRect(96, 80, 81, 21));
        Ouvrir_Select_Locator();
        QCOMPARE(&Chooser(), &s);

        QApplication::setActiveWindow(&s);
        QVERIFY(QTest::qWaitForWindowActive(&s));
        s.Command1->setFocus();
        for (QWidget* w : {static_cast<QWidget*>(s.Liste_Locator), static_cast<QWidget*>(s.Bande_T),
                           static_cast<QWidget*>(s.Command1)}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTRY_COMPARE(QApplication::focusWidget(), w);
        }
    }

    void afficher_des_l_ouverture() {
        Remplir_Tab_Qso("IM58|7.0 Mhz;IM12|144 Mhz;JN18|14 Mhz ");
        QTest::mouseClick(Chooser().Command1, Qt::LeftButton);
        QCOMPARE(Ouvertes(), 1);
        QVERIFY(Carte_Champ_Si_Existe(IM)->isVisible());
        QCOMPARE(Vertes(Carte_Champ_Si_Existe(IM)), (QList<int>{12, 58}));
        QCOMPARE(Libelles(Carte_Champ_Si_Existe(IM)), QStringLiteral("2|Toutes"));
    }

    // JN18 on "14 Mhz " marks Carte_JN's Dep(18), at its place over the picture;
    // then "7.0 Mhz" leaves only that band's squares; a typed band that no
    // record carries still draws the window, empty, and never joins the list.
    void nouveau_trace_sur_une_autre_bande() {
        Remplir_Tab_Qso("JN18|14 Mhz ;JN27|14 Mhz ;JN33|7.0 Mhz;JN18|7.0 Mhz");
        Afficher(QStringLiteral("JN"), QStringLiteral("14 Mhz "));
        Fenetre_Carte* jn = Carte_Champ_Si_Existe(JN);
        QVERIFY(jn && jn->isVisible());
        QCOMPARE(Vertes(jn), (QList<int>{18, 27}));
        QCOMPARE(jn->Cellule(18)->parentWidget(), static_cast<QWidget*>(jn->Picture1()));
        QCOMPARE(jn->Cellule(18)->pos(), QPoint(1680 / 15, 960 / 15));
        QCOMPARE(Libelles(jn), QStringLiteral("2|14 Mhz "));

        Afficher(QStringLiteral("JN"), QStringLiteral("7.0 Mhz"));
        QCOMPARE(Carte_Champ_Si_Existe(JN), jn);
        QCOMPARE(Vertes(jn), (QList<int>{18, 33}));
        QCOMPARE(Libelles(jn), QStringLiteral("2|7.0 Mhz"));

        Afficher(QStringLiteral("JN"), QStringLiteral("14 Mhz"));
        QTest::keyClick(Chooser().Bande_T->lineEdit(), Qt::Key_Return);
        QCOMPARE(Chooser().Bande_T->count(), 18);
        QCOMPARE(Vertes(jn), QList<int>{});
        QCOMPARE(Libelles(jn), QStringLiteral("0|14 Mhz"));
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
        QCOMPARE(Ouvertes(), 0);
        QCOMPARE(Chooser().Liste_Locator->currentText(), champ);
    }

    // Drawing KO leaves JN as it was; closing KO leaves JN and the chooser.
    void autre_champ() {
        Remplir_Tab_Qso("JN18|14 Mhz ;KO01|14 Mhz ");
        Afficher(QStringLiteral("JN"), QStringLiteral("Toutes"));
        Afficher(QStringLiteral("KO"), QStringLiteral("10 Mhz "));
        Fenetre_Carte* jn = Carte_Champ_Si_Existe(JN);
        QVERIFY(Carte_Champ_Si_Existe(KO)->isVisible());
        QCOMPARE(Libelles(Carte_Champ_Si_Existe(KO)), QStringLiteral("0|10 Mhz "));
        Fermer(Carte_Champ_Si_Existe(KO));
        QVERIFY(Select_Locator_Si_Existe());
        QCOMPARE(Carte_Champ_Si_Existe(JN), jn);
        QCOMPARE(Vertes(jn), QList<int>{18});
        QCOMPARE(Libelles(jn), QStringLiteral("1|Toutes"));
    }

    // The run alone creates the window hidden, its load step (the centring) run.
    void creee_cachee_par_le_marquage() {
        Remplir_Tab_Qso("IO91|14 Mhz ");
        int nb = 0;
        Remplir_Moyens_Carres("Toutes", "IO", nb);
        Fenetre_Carte* io = Carte_Champ_Si_Existe(IO);
        QVERIFY(io && !io->isVisible());
        QCOMPARE(Vertes(io), QList<int>{91});
        QWidget temoin;
        temoin.setFixedSize(io->size());
        Centrer_Fenetre(temoin);
        QCOMPARE(io->pos(), temoin.pos());
    }

    // A moved window stays where the user put it when drawn again; once
    // closed, the next drawing builds it afresh, centred, with only new marks.
    void deplacee_puis_fermee() {
        Remplir_Tab_Qso("KN58|14 Mhz ;KN44|7.0 Mhz");
        Afficher(QStringLiteral("KN"), QStringLiteral("14 Mhz "));
        QPointer<Fenetre_Carte> kn = Carte_Champ_Si_Existe(KN);
        QCOMPARE(kn->Cellule(58)->pos(), QPoint(5640 / 15, 960 / 15));
        const QPoint centree = kn->pos();
        kn->move(centree + QPoint(37, 23));
        Afficher(QStringLiteral("KN"), QStringLiteral("Toutes"));
        QCOMPARE(Carte_Champ_Si_Existe(KN), kn.data());
        QCOMPARE(kn->pos(), centree + QPoint(37, 23));
        QCOMPARE(Vertes(kn), (QList<int>{44, 58}));

        Fermer(kn);
        QVERIFY(kn.isNull());
        Afficher(QStringLiteral("KN"), QStringLiteral("7.0 Mhz"));
        QVERIFY(Carte_Champ_Si_Existe(KN)->isVisible());
        QCOMPARE(Carte_Champ_Si_Existe(KN)->pos(), centree);
        QCOMPARE(Vertes(Carte_Champ_Si_Existe(KN)), QList<int>{44});
    }

    // The main window's button opens the chooser; closed and opened again it starts afresh.
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
