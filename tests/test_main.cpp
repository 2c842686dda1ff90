// The main window: start-up state, the import sequence, the band choice, the
// shared window steps (centring, single instance, close), every window's label
// alignment, and the file dialog (its filter, its French texts).
#include "core/Tab_Qso.h"
#include "core/ui/Main.h"
#include "tests/support/Fenetres_Test.h"
#include "tests/support/Plateforme_Test.h"

#include "core/ui/Import_Adif.h"
#include "maps/common/Cartes.h"
#include "maps/fields/Fenetres_Champs.h"
#include "maps/squares/Select_Locator.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

using namespace Sous_Programmes;

namespace {

QStringList Totaux_Affiches(const Main& m) {
    return {m.Tot_Loc->text(), m.Tot_Loc1->text(), m.Tot_Loc2->text(), m.Tot_Was->text(), m.Tot_DXCC->text()};
}

const QStringList Zeros = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                           QStringLiteral("0")};

// A small log: JN18AA and JN18AB on 20 m, JN19AA on 40 m, one QSO without locator.
const std::string Petit_Log = "Journal\n<EOH>\n"
                              "<CALL:4>F1AB<BAND:3>20M<GRIDSQUARE:6>JN18AA<CQZ:2>14<DXCC:3>227<EOR>\n"
                              "<CALL:4>F1AC<BAND:3>20M<GRIDSQUARE:6>JN18AB<CQZ:2>14<DXCC:3>227<EOR>\n"
                              "<CALL:4>F1AD<BAND:3>40M<GRIDSQUARE:6>JN19AA<CQZ:2>15<DXCC:3>227<EOR>\n"
                              "<CALL:4>F1AE<BAND:3>40M<CQZ:2>16<DXCC:3>230<EOR>\n";

const QStringList Totaux_Toutes = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                   QStringLiteral("2"), QStringLiteral("1")};
const QStringList Totaux_14 = {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("2"),
                               QStringLiteral("1"), QStringLiteral("1")};
const QStringList Totaux_7 = {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"),
                              QStringLiteral("1"), QStringLiteral("1")};

// The window made active, as the user's clicks and keys need it.
Main& Activee(Main& m) {
    QApplication::setActiveWindow(&m);
    if (!QTest::qWaitForWindowActive(&m)) qFatal("main window not active");
    return m;
}

// A test window kind, to follow one window through its life cycle.
class Fenetre_Essai : public Fenetre {
public:
    Fenetre_Essai() : Fenetre(QStringLiteral("Essai"), 3000, 1500) {}
    void Form_Load() override {
        ++chargements;
        Fenetre::Form_Load();
    }
    static inline int chargements = 0;
};

// Every window kind, built as its own code builds it.
std::unique_ptr<QWidget> Construire(const QString& nom) {
    if (nom == QStringLiteral("Main")) return std::make_unique<Main>();
    if (nom == QStringLiteral("Select_Locator")) return std::make_unique<Select_Locator>();
    if (nom == QStringLiteral("Select_Locator_Monde")) return std::make_unique<Select_Locator_Monde>();
    if (nom == QStringLiteral("Carte_Monde"))
        return std::make_unique<Fenetre_Carte>(Description_Carte_Monde());
    if (nom == QStringLiteral("Carte_Europe"))
        return std::make_unique<Fenetre_Carte>(Description_Carte_Europe());
    for (int q = 0; q < 4; ++q)
        if (nom == QString::fromStdString(Description_Quart(q).Nom))
            return std::make_unique<Fenetre_Carte>(Description_Quart(q));
    for (int c = 0; c < 9; ++c)
        if (nom == QString::fromStdString(Description_Carte_Champ(c).Nom))
            return std::make_unique<Fenetre_Carte>(Description_Carte_Champ(c));
    return nullptr;
}

// The alignment of every label but the picture, in creation order: "name:G",
// ":C" or ":D" for left, centred or right at the top; "name:?" otherwise.
QString Alignements(const QWidget& fenetre) {
    QStringList l;
    for (const QLabel* libelle : fenetre.findChildren<QLabel*>()) {
        if (libelle->objectName() == QStringLiteral("Picture1")) continue;
        const Qt::Alignment a = libelle->alignment();
        QString sens = QStringLiteral("?");
        if (a == (Qt::AlignLeft | Qt::AlignTop)) sens = QStringLiteral("G");
        if (a == (Qt::AlignHCenter | Qt::AlignTop)) sens = QStringLiteral("C");
        if (a == (Qt::AlignRight | Qt::AlignTop)) sens = QStringLiteral("D");
        l << libelle->objectName() + QLatin1Char(':') + sens;
    }
    return l.join(QLatin1Char(' '));
}

} // namespace

class Test_Main : public QObject {
    Q_OBJECT

private slots:
    void init() {
        plateforme = std::make_unique<Plateforme_Test>();
        Vider_Tab_Qso();
        // A closed Main of an earlier case is gone before the next starts.
        if (Main* m = Main_Si_Existe()) {
            m->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void cleanup() {
        if (Main* m = Main_Si_Existe()) m->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        plateforme.reset();
    }

    void demarrage() {
        Demarrer_Main();
        Main& m = Main_Instance();
        QCOMPARE(m.windowTitle(), QStringLiteral("  Veltrix    Revision  1.0.5"));
        QVERIFY(m.isVisible());
        QCOMPARE(m.Bande_T->count(), 18);
        QCOMPARE(m.Bande_T->currentText(), QStringLiteral("Toutes"));
        QCOMPARE(m.Bande_T->itemText(4), QStringLiteral("10 Mhz"));
        QCOMPARE(m.Bande_T->itemText(17), QStringLiteral("24 Ghz"));
        QCOMPARE(m.Bande_T->itemText(11), QStringLiteral("144 Mhz"));
        QCOMPARE(Totaux_Affiches(m), Zeros);
        for (QPushButton* b : {m.Carte_Grand, m.Carte_Moyen, m.Carte_du_Monde, m.Carte_Europe_MC})
            QVERIFY(!b->isEnabled());
        QVERIFY(m.Importer->isEnabled());
        m.activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(m.Importer));
        QCOMPARE(plateforme->reglages.size(), 1);
        QCOMPARE(plateforme->reglages.first(),
                 QStringLiteral("Locator|Setup |Chemin Repertoire|") + plateforme->dossier);
        QCOMPARE(m.findChild<QWidget*>(QStringLiteral("Tot_Loc1"))->geometry(), QRect(272, 136, 49, 18));
        QCOMPARE(m.Importer->text(), QStringLiteral("Importer un log au format ADIF"));
        QCOMPARE(m.width(), 392);
        QCOMPARE(m.height(), 389);
    }

    void ordre_de_tabulation() {
        Main& m = Main_Instance();
        for (QPushButton* b : {m.Carte_Grand, m.Carte_Moyen, m.Carte_du_Monde, m.Carte_Europe_MC})
            b->setEnabled(true);
        const QList<QWidget*> attendu = {m.Carte_Grand, m.Tot_Loc,        m.Tot_Loc1,       m.Tot_Loc2,
                                         m.Carte_Moyen, m.Bande_T,        m.Importer,       m.Tot_Was,
                                         m.Tot_DXCC,    m.Carte_du_Monde, m.Carte_Europe_MC};
        // Walk the focus chain; the editable combo box's own line edit counts as the box.
        QList<QWidget*> chaine;
        QWidget* w = m.Carte_Grand;
        while (chaine.size() < attendu.size()) {
            QWidget* vu = m.Bande_T->isAncestorOf(w) ? m.Bande_T : w;
            if (attendu.contains(vu) && (chaine.isEmpty() || chaine.last() != vu)) chaine << vu;
            w = w->nextInFocusChain();
        }
        QCOMPARE(chaine, attendu);
    }

    void import_annule_active_les_boutons() {
        Main& m = Main_Instance();
        plateforme->fichiers.push_back(QString()); // the user cancels
        QTest::mouseClick(m.Importer, Qt::LeftButton);
        QCOMPARE(plateforme->messages, QStringList{QStringLiteral("selectionnez un fichier ou quitter")});
        QCOMPARE(plateforme->filtres, QStringList{QStringLiteral(".adi (adi)|*.adi")});
        for (QPushButton* b : {m.Carte_Grand, m.Carte_Moyen, m.Carte_du_Monde, m.Carte_Europe_MC})
            QVERIFY(b->isEnabled());
        QCOMPARE(Totaux_Affiches(m), Zeros);
        QCOMPARE(Nb_Qso, 0.0);
    }

    // The arrow keys on the closed list, and a click in the drop-down, choose:
    // each choice runs the totals.
    void import_puis_choix_de_bande() {
        Main& m = Activee(Main_Instance());
        Importer_Petit_Log(m);
        QCOMPARE(Nb_Qso, 5.0);
        QCOMPARE(Totaux_Affiches(m), Totaux_Toutes);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(m.Bande_T));
        for (int i = 0; i < 5; ++i) QTest::keyClick(m.Bande_T, Qt::Key_Down);
        QCOMPARE(m.Bande_T->currentText(), QStringLiteral("14 Mhz"));
        QCOMPARE(Totaux_Affiches(m), Totaux_14);
        QTest::keyClick(m.Bande_T, Qt::Key_Up);
        QCOMPARE(m.Bande_T->currentText(), QStringLiteral("10 Mhz"));
        QCOMPARE(Totaux_Affiches(m), Zeros);

        m.Bande_T->showPopup();
        QAbstractItemView* vue = m.Bande_T->view();
        QTRY_VERIFY(vue->isVisible());
        const QPoint point = vue->visualRect(m.Bande_T->model()->index(3, 0)).center(); // "7.0 Mhz"
        QTest::mouseMove(vue->viewport(), point);
        QTest::mouseClick(vue->viewport(), Qt::LeftButton, {}, point);
        QTRY_VERIFY(!vue->isVisible());
        QCOMPARE(m.Bande_T->currentText(), QStringLiteral("7.0 Mhz"));
        QCOMPARE(Totaux_Affiches(m), Totaux_7);
    }

    // A text typed into the list chooses nothing, whatever item it matches
    // and however the field is left; it stays as typed, presses no button,
    // and the next import reads it.
    void texte_tape_sans_choix_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<int>("sortie"); // the key that leaves the field; 0: a click on Tot_Loc
        QTest::addColumn<QStringList>("totaux");
        QTest::newRow("7.0 Mhz, Tab") << QStringLiteral("7.0 Mhz") << int(Qt::Key_Tab) << Totaux_7;
        QTest::newRow("14 Mhz, Return") << QStringLiteral("14 Mhz") << int(Qt::Key_Return) << Totaux_14;
        QTest::newRow("Toutes, Enter") << QStringLiteral("Toutes") << int(Qt::Key_Enter) << Totaux_Toutes;
        QTest::newRow("14 Mhz, click") << QStringLiteral("14 Mhz") << 0 << Totaux_14;
        QTest::newRow("14 mhz, Return") << QStringLiteral("14 mhz") << int(Qt::Key_Return) << Zeros;
    }
    void texte_tape_sans_choix() {
        QFETCH(QString, texte);
        QFETCH(int, sortie);
        QFETCH(QStringList, totaux);
        Main& m = Activee(Main_Instance());
        Importer_Petit_Log(m);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(m.Bande_T));
        QTest::keyClick(m.Bande_T, Qt::Key_Down);
        QTest::keyClick(m.Bande_T, Qt::Key_Down); // "3.5 Mhz": no QSO on it
        QCOMPARE(Totaux_Affiches(m), Zeros);

        m.Bande_T->lineEdit()->selectAll();
        QTest::keyClicks(m.Bande_T, texte);
        if (sortie == 0)
            QTest::mouseClick(m.Tot_Loc, Qt::LeftButton);
        else
            QTest::keyClick(m.Bande_T, Qt::Key(sortie),
                            sortie == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        if (sortie != Qt::Key_Return && sortie != Qt::Key_Enter)
            QTRY_VERIFY(QApplication::focusWidget() != m.Bande_T);
        QCOMPARE(Totaux_Affiches(m), Zeros);
        QCOMPARE(m.Bande_T->currentText(), texte);
        QCOMPARE(m.Bande_T->currentIndex(), 2);
        QCOMPARE(plateforme->filtres.size(), 1); // no button pressed

        Importer_Petit_Log(m);
        QCOMPARE(m.Bande_T->currentText(), texte);
        QCOMPARE(Totaux_Affiches(m), totaux);
    }

    // Return and Enter press the focused button, as Space and a click do; a
    // disabled button takes no key.
    void bouton_au_clavier_data() {
        QTest::addColumn<int>("touche");
        QTest::addColumn<int>("modificateurs");
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    }
    void bouton_au_clavier() {
        QFETCH(int, touche);
        QFETCH(int, modificateurs);
        Main& m = Activee(Main_Instance());
        QTest::keyClick(m.Carte_Grand, Qt::Key(touche), Qt::KeyboardModifiers(modificateurs));
        QVERIFY(!Fenetre_Visible(QStringLiteral("Select_Locator_Monde")));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(m.Importer));
        QTest::keyClick(m.Importer, Qt::Key(touche), Qt::KeyboardModifiers(modificateurs));
        QCOMPARE(plateforme->filtres, QStringList{QStringLiteral(".adi (adi)|*.adi")});
        QVERIFY(m.Carte_Grand->isEnabled());
    }

    void import_sous_une_bande_et_second_import() {
        Main& m = Main_Instance();
        m.Bande_T->setCurrentIndex(3); // "7.0 Mhz"
        emit m.Bande_T->activated(3);
        plateforme->fichiers.push_back(
            Ecrire_Fichier(plateforme->dossier, QStringLiteral("log.adi"), Petit_Log));
        QTest::mouseClick(m.Importer, Qt::LeftButton);
        QCOMPARE(m.Bande_T->currentText(), QStringLiteral("7.0 Mhz"));
        QCOMPARE(Totaux_Affiches(m),
                 (QStringList{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"),
                              QStringLiteral("1"), QStringLiteral("1")}));
        // A shorter log afterwards: only its lines are read.
        const std::string court = "<EOH><CALL:4>F1ZZ<BAND:3>40M<GRIDSQUARE:4>IO91<EOR>\n";
        plateforme->fichiers.push_back(
            Ecrire_Fichier(plateforme->dossier, QStringLiteral("court.adi"), court));
        QTest::mouseClick(m.Importer, Qt::LeftButton);
        QCOMPARE(Nb_Qso, 2.0);
        QCOMPARE(Totaux_Affiches(m).mid(0, 3),
                 (QStringList{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")}));
        // A cancelled import then empties the list: every total reads 0, the table stays.
        plateforme->fichiers.push_back(QString());
        QTest::mouseClick(m.Importer, Qt::LeftButton);
        QCOMPARE(Totaux_Affiches(m), Zeros);
        QCOMPARE(Nb_Qso, 2.0);
    }

    void texte_tape_hors_liste() {
        Main& m = Main_Instance();
        m.Bande_T->setEditText(QStringLiteral("20m"));
        plateforme->fichiers.push_back(
            Ecrire_Fichier(plateforme->dossier, QStringLiteral("log.adi"), Petit_Log));
        QTest::mouseClick(m.Importer, Qt::LeftButton);
        QCOMPARE(Totaux_Affiches(m), Zeros);
    }

    void une_instance_par_sorte() {
        Instance_Unique<Fenetre_Essai> registre;
        Fenetre_Essai::chargements = 0;
        Fenetre_Essai& a = registre.Obtenir([] { return new Fenetre_Essai; });
        Fenetre_Essai& b = registre.Obtenir([] { return new Fenetre_Essai; });
        QCOMPARE(&a, &b);
        QCOMPARE(Fenetre_Essai::chargements, 1);
        QVERIFY(!a.isVisible()); // loaded, hidden until shown
        Montrer(a);
        QVERIFY(a.close());
        QVERIFY(!registre.Existe()); // gone at once, before Qt deletes it
        Fenetre_Essai& c = registre.Obtenir([] { return new Fenetre_Essai; });
        QCOMPARE(Fenetre_Essai::chargements, 2);
        QVERIFY(registre.Existe());
        QVERIFY(&c == registre.Si_Existe());
        c.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(registre.Si_Existe() == nullptr);
    }

    void le_filtre_ignore_la_casse() {
        const QString dossier = plateforme->dossier;
        for (const char* nom : {"LOG.ADI", "a.adi", "Mixte.Adi", "notes.txt", "log.adif"})
            Ecrire_Fichier(dossier, QString::fromLatin1(nom), "");
        const auto dialogue = Dialogue_Ouverture(QString::fromLatin1(Filtre_Adif));
        dialogue->setDirectory(dossier);
        auto* vue = dialogue->findChild<QListView*>(QStringLiteral("listView"));
        QVERIFY(vue);
        QStringList montres;
        QTRY_COMPARE_WITH_TIMEOUT(vue->model()->rowCount(vue->rootIndex()), 3, 5000);
        for (int i = 0; i < 3; ++i) montres << vue->model()->index(i, 0, vue->rootIndex()).data().toString();
        montres.sort();
        QCOMPARE(montres, (QStringList{QStringLiteral("LOG.ADI"), QStringLiteral("Mixte.Adi"),
                                       QStringLiteral("a.adi")}));
    }

    // Qt's own dialogs speak French once the start-up step has loaded Qt's
    // French texts; without them (no such folder) nothing is said.
    void dialogue_de_fichier_en_francais() {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        QVERIFY(!Installer_Traduction_Qt(plateforme->dossier + QStringLiteral("/absent")));
        QVERIFY(Installer_Traduction_Qt());
        const auto dialogue = Dialogue_Ouverture(QString::fromLatin1(Filtre_Adif));
        QStringList textes;
        for (const char* nom : {"lookInLabel", "fileNameLabel", "fileTypeLabel"})
            textes << dialogue->findChild<QLabel*>(QString::fromLatin1(nom))->text();
        for (QAbstractButton* b :
             dialogue->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))->buttons())
            textes << b->text();
        QCOMPARE(textes, (QStringList{QStringLiteral("Voir dans :"), QStringLiteral("&Nom de fichier :"),
                                      QStringLiteral("Fichiers de type :"), QStringLiteral("&Ouvrir"),
                                      QStringLiteral("Annuler")}));
        for (auto* t : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    }

    // Every caption starts at its label's top line, with its designed
    // horizontal alignment: counts to the right, band and captions of the
    // strips to the left (the field maps' caption to the right), titles centred.
    void libelles_alignes_en_haut_data() {
        QTest::addColumn<QString>("alignements");
        const auto ligne = [](const char* fenetre, const char* alignements) {
            QTest::newRow(fenetre) << QString::fromLatin1(alignements);
        };
        ligne("Main", "Label1:C Label5:G Label2:G Label4:G Label3:G Label6:G Label7:G");
        ligne("Select_Locator", "Label2:C Label1:C Label3:C");
        ligne("Select_Locator_Monde", "Label2:C Label1:C Label3:C");
        ligne("Carte_Monde", "Label1:D NbGc:D Label2:G Bande:G");
        ligne("Carte_NE", "NbGc:D Label2:G Bande:G");
        ligne("Carte_NO", "NbGc:D Label2:D Bande:G");
        ligne("Carte_SE", "NbGc:D Label2:D Bande:G");
        ligne("Carte_SO", "NbGc:D Label2:D Bande:D");
        ligne("Carte_Europe", "Label3:D NbGc:D Label6:G Bande:G");
        for (auto champ : Champs_Europe)
            QTest::newRow(("Carte_" + std::string(champ)).c_str())
                << QStringLiteral("NbMc:D Label4:D Bande:G");
    }
    void libelles_alignes_en_haut() {
        QFETCH(QString, alignements);
        const auto fenetre = Construire(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(fenetre);
        QCOMPARE(Alignements(*fenetre), alignements);
    }

    void centrage_data() {
        QTest::addColumn<double>("ecran");
        QTest::addColumn<double>("fenetre");
        QTest::addColumn<int>("position");
        QTest::newRow("751") << 1751.0 << 1000.0 << 375;
        QTest::newRow("-301") << 1000.0 << 1301.0 << -150;
        QTest::newRow("750.5 rounds to 750") << 1750.5 << 1000.0 << 375;
        QTest::newRow("751.5 rounds to 752") << 1751.5 << 1000.0 << 376;
        QTest::newRow("-750.5") << 1000.0 << 1750.5 << -375;
    }
    void centrage() {
        QFETCH(double, ecran);
        QFETCH(double, fenetre);
        QFETCH(int, position);
        QCOMPARE(Position_Centree(ecran, fenetre), position);
    }

private:
    // Imports the small log by a click on Importer.
    void Importer_Petit_Log(Main& m) {
        plateforme->fichiers.push_back(
            Ecrire_Fichier(plateforme->dossier, QStringLiteral("log.adi"), Petit_Log));
        QTest::mouseClick(m.Importer, Qt::LeftButton);
    }

    std::unique_ptr<Plateforme_Test> plateforme;
};

QTEST_MAIN(Test_Main)
#include "test_main.moc"
