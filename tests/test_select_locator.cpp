// The field chooser and the nine field windows it draws, driven through the
// real widgets.
#include "core/Tab_Qso.h"
#include "core/ui/Main.h"
#include "core/ui/Ouvertures.h"
#include "maps/squares/Cartes_Champs.h"
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

const QColor Vert(0x80, 0xFF, 0x80);
const QColor Blanc(0xFF, 0xFF, 0xFF);

// Records "JN18|14 Mhz ;..." as record lines from index 1.
void Remplir_Tab_Qso(const char* qsos) {
    Vider_Tab_Qso();
    Nb_Qso = 1;
    for (const QString& q : QString::fromUtf8(qsos).split(QLatin1Char(';'))) {
        const QStringList p = q.split(QLatin1Char('|'));
        Tab_Qso[std::size_t(Nb_Qso)] =
            p[0].leftJustified(6).toStdString() + "  " + p[1].toStdString() + "   14  230  F1ABC";
        Nb_Qso += 1;
    }
}

Select_Locator& Chooser() {
    Ouvrir_Select_Locator();
    return *Select_Locator_Si_Existe();
}

// Types a text into an editable list, as the user would.
void Taper(QComboBox* liste, const QString& texte) {
    liste->lineEdit()->selectAll();
    QTest::keyClick(liste->lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(liste->lineEdit(), texte);
}

void Afficher(const QString& champ, const QString& bande) {
    Select_Locator& s = Chooser();
    Taper(s.Liste_Locator, champ);
    Taper(s.Bande_T, bande);
    QTest::mouseClick(s.Command1, Qt::LeftButton);
}

QList<int> Cellules_Vertes(const Fenetre_Carte& f) {
    QList<int> vertes;
    for (int k = 0; k <= 99; ++k) {
        const QColor fond = f.Cellule(k)->palette().color(QPalette::Window);
        if (fond == Vert)
            vertes << k;
        else if (fond != Blanc)
            vertes << -1000 - k; // neither state: shows up as a mismatch
    }
    return vertes;
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

    void chargement() {
        Select_Locator& s = Chooser();
        QVERIFY(s.isVisible());
        QCOMPARE(s.windowTitle(), QStringLiteral("Sélection moyen carré"));
        QCOMPARE(s.size(), QSize(201, 153));
        QCOMPARE(s.Liste_Locator->count(), 9);
        QStringList champs;
        for (int i = 0; i < 9; ++i) champs << s.Liste_Locator->itemText(i);
        QCOMPARE(champs.join(QLatin1Char(',')), QStringLiteral("IM,IN,IO,JM,JN,JO,KM,KN,KO"));
        QCOMPARE(s.Bande_T->count(), 18);
        QCOMPARE(s.Bande_T->itemText(0), QStringLiteral("Toutes"));
        QCOMPARE(s.Bande_T->itemText(4), QStringLiteral("10 Mhz "));
        QCOMPARE(s.Bande_T->itemText(17), QStringLiteral("24 Ghz "));
        QCOMPARE(s.Liste_Locator->currentText(), QStringLiteral("IM"));
        QCOMPARE(s.Bande_T->currentText(), QStringLiteral("Toutes"));
        for (QComboBox* l : {s.Liste_Locator, s.Bande_T}) {
            QVERIFY(l->isEditable());
            QCOMPARE(l->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xC0));
        }
        QCOMPARE(s.Command1->text(), QStringLiteral("Afficher"));
        QCOMPARE(s.Liste_Locator->geometry(), QRect(24, 80, 49, 21));
        QCOMPARE(s.Bande_T->geometry(), QRect(96, 80, 81, 21));
        QCOMPARE(s.Command1->geometry(), QRect(56, 112, 89, 17));
        QCOMPARE(s.findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Sélection carré"));

        // One instance, however often it is opened.
        Ouvrir_Select_Locator();
        QCOMPARE(&Chooser(), &s);
    }

    void ordre_du_focus() {
        Select_Locator& s = Chooser();
        QApplication::setActiveWindow(&s);
        QVERIFY(QTest::qWaitForWindowActive(&s));
        s.Command1->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(s.Command1));
        const QList<QWidget*> attendu = {s.Liste_Locator, s.Bande_T, s.Command1};
        for (QWidget* w : attendu) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTRY_COMPARE(QApplication::focusWidget(), w);
        }
    }

    // A typed text is read as it stands and never joins the list.
    void texte_tape_non_ajoute() {
        Remplir_Tab_Qso("JN18|14 Mhz ");
        Afficher(QStringLiteral("JN"), QStringLiteral("14 Mhz"));
        QTest::keyClick(Chooser().Bande_T->lineEdit(), Qt::Key_Return);
        QCOMPARE(Chooser().Bande_T->count(), 18);
        Fenetre_Carte* jn = Carte_Champ_Si_Existe(Index_Champ("JN"));
        QVERIFY(jn && jn->isVisible());
        QCOMPARE(Cellules_Vertes(*jn), QList<int>{});
        QCOMPARE(jn->Libelle_Compte()->text(), QStringLiteral("0"));
        QCOMPARE(jn->Libelle_Bande()->text(), QStringLiteral("14 Mhz"));
    }

    void afficher_des_l_ouverture() {
        Remplir_Tab_Qso("IM58|7.0 Mhz;IM12|144 Mhz;JN18|14 Mhz ");
        QTest::mouseClick(Chooser().Command1, Qt::LeftButton);
        QCOMPARE(Ouvertes(), 1);
        Fenetre_Carte* im = Carte_Champ_Si_Existe(0);
        QVERIFY(im && im->isVisible());
        QCOMPARE(Cellules_Vertes(*im), (QList<int>{12, 58}));
        QCOMPARE(im->Libelle_Compte()->text(), QStringLiteral("2"));
        QCOMPARE(im->Libelle_Bande()->text(), QStringLiteral("Toutes"));
        QCOMPARE(im->windowTitle(), QStringLiteral("Carrés moyens du carré IM"));
    }

    void cellule_marquee_data() {
        QTest::addColumn<QString>("champ");
        QTest::addColumn<int>("k");
        QTest::addColumn<QPoint>("place"); // pixels from the corner of Picture1
        QTest::newRow("JN18") << "JN" << 18 << QPoint(112, 64);
        QTest::newRow("JM18") << "JM" << 18 << QPoint(104, 64);
        QTest::newRow("KN58") << "KN" << 58 << QPoint(376, 64);
    }
    void cellule_marquee() {
        QFETCH(QString, champ);
        QFETCH(int, k);
        QFETCH(QPoint, place);
        const QByteArray loc = (champ + QString::number(k)).toLatin1();
        Remplir_Tab_Qso(QByteArray(loc + "|14 Mhz ;" + loc + "|7.0 Mhz").constData());
        Afficher(champ, QStringLiteral("14 Mhz "));
        Fenetre_Carte* f = Carte_Champ_Si_Existe(Index_Champ(champ.toStdString()));
        QVERIFY(f && f->isVisible());
        QCOMPARE(Cellules_Vertes(*f), QList<int>{k});
        QCOMPARE(f->Cellule(k)->parentWidget(), static_cast<QWidget*>(f->Picture1()));
        QCOMPARE(f->Cellule(k)->pos(), place);
        QCOMPARE(f->Libelle_Compte()->text(), QStringLiteral("1"));
        QCOMPARE(f->Libelle_Bande()->text(), QStringLiteral("14 Mhz "));
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
        QCOMPARE(Chooser().Bande_T->currentText(), QStringLiteral("Toutes"));
    }

    // Marked for 14 Mhz, then for 7.0 Mhz: only the second band's squares stay.
    void nouveau_trace_sur_une_autre_bande() {
        Remplir_Tab_Qso("JN18|14 Mhz ;JN27|14 Mhz ;JN33|7.0 Mhz;JN18|7.0 Mhz");
        Afficher(QStringLiteral("JN"), QStringLiteral("14 Mhz "));
        Fenetre_Carte* jn = Carte_Champ_Si_Existe(4);
        QCOMPARE(Cellules_Vertes(*jn), (QList<int>{18, 27}));
        Afficher(QStringLiteral("JN"), QStringLiteral("7.0 Mhz"));
        QCOMPARE(Carte_Champ_Si_Existe(4), jn);
        QCOMPARE(Cellules_Vertes(*jn), (QList<int>{18, 33}));
        QCOMPARE(jn->Libelle_Compte()->text(), QStringLiteral("2"));
        QCOMPARE(jn->Libelle_Bande()->text(), QStringLiteral("7.0 Mhz"));
    }

    void autre_champ_laisse_le_premier() {
        Remplir_Tab_Qso("JN18|14 Mhz ;KO01|14 Mhz ");
        Afficher(QStringLiteral("JN"), QStringLiteral("Toutes"));
        Afficher(QStringLiteral("KO"), QStringLiteral("10 Mhz "));
        Fenetre_Carte* jn = Carte_Champ_Si_Existe(4);
        Fenetre_Carte* ko = Carte_Champ_Si_Existe(8);
        QVERIFY(jn && jn->isVisible() && ko && ko->isVisible());
        QCOMPARE(Cellules_Vertes(*jn), QList<int>{18});
        QCOMPARE(jn->Libelle_Bande()->text(), QStringLiteral("Toutes"));
        QCOMPARE(Cellules_Vertes(*ko), QList<int>{});
        QCOMPARE(ko->Libelle_Compte()->text(), QStringLiteral("0"));

        // Closing one field window leaves the chooser and the other open.
        Fermer(ko);
        QVERIFY(Select_Locator_Si_Existe());
        QCOMPARE(Carte_Champ_Si_Existe(4), jn);
        QCOMPARE(Cellules_Vertes(*jn), QList<int>{18});
    }

    void tous_les_carres() {
        QByteArray qsos;
        for (int k = 0; k <= 99; ++k)
            qsos += QByteArray("KM") + QByteArray::number(100 + k).mid(1) + "|50 Mhz ;";
        qsos += "KM55|1.8 Mhz";
        Remplir_Tab_Qso(qsos.constData());
        Afficher(QStringLiteral("KM"), QStringLiteral("50 Mhz "));
        Fenetre_Carte* km = Carte_Champ_Si_Existe(6);
        QCOMPARE(Cellules_Vertes(*km).size(), 100);
        QCOMPARE(km->Libelle_Compte()->text(), QStringLiteral("100"));
    }

    // The run alone creates the window hidden, centred by its load step, in
    // its design state but for the marks; the chooser then shows it.
    void creee_cachee_par_le_marquage() {
        Remplir_Tab_Qso("IO91|14 Mhz ");
        int nb = 0;
        Remplir_Moyens_Carres("Toutes", "IO", nb);
        Fenetre_Carte* io = Carte_Champ_Si_Existe(2);
        QVERIFY(io);
        QVERIFY(!io->isVisible());
        QCOMPARE(nb, 1);
        QCOMPARE(Cellules_Vertes(*io), QList<int>{91});
        QCOMPARE(io->Cellule(7)->objectName(), QStringLiteral("Dep(7)"));
        QCOMPARE(io->Libelle_Bande()->text(), QStringLiteral("Toutes"));
        const QPoint centree = io->pos();
        Fenetre_Carte* temoin = new Fenetre_Carte(io->Description());
        Centrer_Fenetre(*temoin);
        QCOMPARE(centree, temoin->pos());
        delete temoin;
    }

    // A moved window stays where the user put it when drawn again; once
    // closed, the next drawing builds it afresh and centres it again.
    void deplacee_puis_fermee() {
        Remplir_Tab_Qso("JN18|14 Mhz ;JN44|7.0 Mhz");
        Afficher(QStringLiteral("JN"), QStringLiteral("14 Mhz "));
        QPointer<Fenetre_Carte> jn = Carte_Champ_Si_Existe(4);
        const QPoint centree = jn->pos();
        const QPoint ailleurs = centree + QPoint(37, 23);
        jn->move(ailleurs);
        Afficher(QStringLiteral("JN"), QStringLiteral("Toutes"));
        QCOMPARE(Carte_Champ_Si_Existe(4), jn.data());
        QCOMPARE(jn->pos(), ailleurs);
        QCOMPARE(Cellules_Vertes(*jn), (QList<int>{18, 44}));

        Fermer(jn);
        QVERIFY(jn.isNull());
        QCOMPARE(Ouvertes(), 0);
        Afficher(QStringLiteral("JN"), QStringLiteral("7.0 Mhz"));
        Fenetre_Carte* neuve = Carte_Champ_Si_Existe(4);
        QVERIFY(neuve && neuve->isVisible());
        QCOMPARE(neuve->pos(), centree);
        QCOMPARE(Cellules_Vertes(*neuve), QList<int>{44});
    }

    // Closing the chooser leaves the field windows; reopening starts afresh.
    void chooser_ferme_puis_rouvert() {
        Remplir_Tab_Qso("KN58|14 Mhz ");
        Afficher(QStringLiteral("KN"), QStringLiteral("14 Mhz "));
        Fermer(Select_Locator_Si_Existe());
        QVERIFY(!Select_Locator_Si_Existe());
        QVERIFY(Carte_Champ_Si_Existe(7));
        Select_Locator& s = Chooser();
        QCOMPARE(s.Liste_Locator->currentText(), QStringLiteral("IM"));
        QCOMPARE(s.Bande_T->currentText(), QStringLiteral("Toutes"));
    }

    void bouton_de_main() {
        Main& m = Main_Instance();
        m.Carte_Moyen->setEnabled(true);
        QTest::mouseClick(m.Carte_Moyen, Qt::LeftButton);
        QVERIFY(Select_Locator_Si_Existe());
        QVERIFY(Select_Locator_Si_Existe()->isVisible());
        Fermer(&m);
    }
};

QTEST_MAIN(Test_Select_Locator)
#include "test_select_locator.moc"
