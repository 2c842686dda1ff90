// The main window: start-up state, the import sequence, the band choice; what
// every window shows as it opens, its labels' alignment; the shared window
// steps (single instance, close); the file dialog (its filter, its French texts).
#include "core/Tab_Qso.h"
#include "core/ui/Main.h"
#include "tests/support/Fenetres_Test.h"
#include "tests/support/Plateforme_Test.h"

#include "core/ui/Import_Adif.h"
#include "core/ui/Ouvertures.h"
#include "maps/fields/Fenetres_Champs.h"
#include "maps/squares/Carte_Europe.h"
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

// The window of that name as the program first uses it: created, load step run.
QWidget* Fenetre_Nommee(const QString& nom) {
    const QStringList quarts = {QStringLiteral("Carte_NE"), QStringLiteral("Carte_NO"),
                                QStringLiteral("Carte_SE"), QStringLiteral("Carte_SO")};
    const QStringList champs = QStringLiteral("IM IN IO JM JN JO KM KN KO").split(QLatin1Char(' '));
    if (nom == QLatin1String("Main")) return &Main_Instance();
    if (nom == QLatin1String("Carte_Monde")) return &Carte_Monde();
    if (nom == QLatin1String("Carte_Europe")) return &Carte_Europe();
    if (nom == QLatin1String("Select_Locator_Monde")) return &Obtenir_Select_Locator_Monde();
    if (nom == QLatin1String("Select_Locator")) {
        Ouvrir_Select_Locator();
        return Select_Locator_Si_Existe();
    }
    if (quarts.contains(nom)) return &Carte_Quart(int(quarts.indexOf(nom)));
    if (nom.startsWith(QLatin1String("Carte_")) && champs.contains(nom.mid(6)))
        return &Carte_Champ(int(champs.indexOf(nom.mid(6))));
    return nullptr;
}

// "Name description" for each control named first in each of attendus: what
// decrire says of it, or "<absent>".
template <class Decrire>
QStringList Controles(const QWidget& fenetre, const QStringList& attendus, Decrire decrire) {
    QStringList lus;
    for (const QString& attendu : attendus) {
        const QString nom = attendu.section(QLatin1Char(' '), 0, 0);
        const QWidget* w = fenetre.findChild<QWidget*>(nom);
        lus << nom + QLatin1Char(' ') + (w ? decrire(*w, attendu) : QStringLiteral("<absent>"));
    }
    return lus;
}

// "A left,top,width,height text" as the window shows the control: A is its
// horizontal alignment (L, C, R), or "-" where attendu leaves it open; the
// rectangle is in twips from its container; a picture box shows its
// picture's size, and "scaled" when it stretches it.
QString Place_Et_Texte(const QWidget& w, const QString& attendu) {
    Qt::Alignment a;
    QString texte;
    if (const auto* l = qobject_cast<const QLabel*>(&w)) {
        a = l->alignment();
        texte = l->text();
        if (!l->pixmap().isNull())
            texte = QStringLiteral("%1x%2").arg(l->pixmap().width()).arg(l->pixmap().height()) +
                    (l->hasScaledContents() ? QStringLiteral(" scaled") : QString());
    } else if (const auto* t = qobject_cast<const QLineEdit*>(&w)) {
        a = t->alignment();
        texte = t->text();
    } else if (const auto* b = qobject_cast<const QPushButton*>(&w)) {
        texte = b->text();
    } else if (const auto* c = qobject_cast<const QComboBox*>(&w)) {
        texte = c->currentText();
    }
    const Qt::Alignment h = a & Qt::AlignHorizontal_Mask;
    QString lu = h == Qt::AlignLeft      ? QStringLiteral("L")
                 : h == Qt::AlignHCenter ? QStringLiteral("C")
                 : h == Qt::AlignRight   ? QStringLiteral("R")
                                         : QStringLiteral("?");
    if (attendu.section(QLatin1Char(' '), 1, 1) == QLatin1String("-")) lu = QStringLiteral("-");
    const QRect r = w.geometry();
    return QStringLiteral("%1 %2,%3,%4,%5 %6")
        .arg(lu)
        .arg(r.x() * 15)
        .arg(r.y() * 15)
        .arg(r.width() * 15)
        .arg(r.height() * 15)
        .arg(texte);
}

// "points[ gras]": the control's design font size (a caption too wide for its
// label is drawn smaller) and weight.
QString Police_De(const QWidget& w, const QString&) {
    const QVariant design = w.property("Points_Design");
    return QString::number(design.isValid() ? design.toDouble() : w.font().pointSizeF()) +
           (w.font().bold() ? QStringLiteral(" gras") : QString());
}

// Also notes the five totals shown whenever a message box comes up.
class Plateforme_Totaux : public Plateforme_Test {
public:
    void Message(const QString& texte) override {
        if (const Main* m = Main_Si_Existe())
            totaux_pendant_message << Totaux_Affiches(*m).join(QLatin1Char(' '));
        Plateforme_Test::Message(texte);
    }
    QStringList totaux_pendant_message;
};

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

} // namespace

class Test_Main : public QObject {
    Q_OBJECT

private slots:
    void init() {
        plateforme = std::make_unique<Plateforme_Totaux>();
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
        for (const QLineEdit* total : {m.Tot_Loc, m.Tot_Loc1, m.Tot_Loc2, m.Tot_Was, m.Tot_DXCC})
            QCOMPARE(total->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xC0)); // &HC0FFFF
        m.activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(m.Importer));
        QCOMPARE(plateforme->reglages.size(), 1);
        QCOMPARE(plateforme->reglages.first(),
                 QStringLiteral("Locator|Setup |Chemin Repertoire|") + plateforme->dossier);
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
        // While the import runs, the three locator totals are empty; the zone and DXCC totals wait.
        QCOMPARE(plateforme->totaux_pendant_message, QStringList{QStringLiteral("   0 0")});
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
        // Compared exactly: a prefix, a trailing blank, another case, another name.
        for (const char* texte : {"20m", "14", "14 Mhz ", "14 MHZ", "Toute", "Toutes "})
            QTest::addRow("%s, Tab", texte) << QString::fromLatin1(texte) << int(Qt::Key_Tab) << Zeros;
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

    // What the user sees of each window as it opens: its caption; its frame,
    // where only Main can be resized, minimised and maximised and every other
    // window keeps its client size (the field chooser, Carte_IM and Carte_JN
    // with a dialog frame, the other field maps a single one); its controls'
    // places, texts, fonts and the alignment the design gives them ("-": left
    // open); its map picture at its own size, unscaled.
    void fenetres_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<QSize>("client"); // twips
        QTest::addColumn<int>("genre");    // Qt::Window or Qt::Dialog; 0 where the design leaves it open
        QTest::addColumn<QStringList>("controles");
        QTest::addColumn<QStringList>("polices");
        const auto liste = [](const QString& texte) { return texte.split(QLatin1Char('|')); };
        const auto ligne = [&](const char* nom, const char* titre, int largeur, int hauteur, int genre,
                               const char* controles, const char* polices) {
            QTest::newRow(nom) << QString::fromLatin1(nom) << QString::fromUtf8(titre)
                               << QSize(largeur, hauteur) << genre << liste(QString::fromUtf8(controles))
                               << liste(QString::fromUtf8(polices));
        };
        ligne("Main", "  Veltrix    Revision  1.0.5", 5880, 5835, Qt::Window,
              "Frame1 - 120,0,5655,735 |Frame2 - 120,840,5655,4815 |"
              "Label1 C 240,240,5415,375 Carrés locators contactés|"
              "Importer - 600,1080,2415,375 Importer un log au format ADIF|Label5 - 3360,1200,615,255 Bande|"
              "Bande_T - 4080,1200,1095,315 Toutes|"
              "Label2 - 840,1680,2895,255 Nb de Grands carrés contactés|Tot_Loc C 4080,1680,735,255 0|"
              "Label4 - 840,2040,2895,255 Nb de Moyens carrés contactés|Tot_Loc1 C 4080,2040,735,270 0|"
              "Label3 - 840,2400,2895,255 Nb de Petits carrés contactés|Tot_Loc2 C 4080,2400,735,255 0|"
              "Label6 - 840,2760,2895,255 Nb de zones WAZ contactées|Tot_Was C 4080,2760,735,255 0|"
              "Label7 - 840,3120,2895,255 Nb de contrées DXCC contactées|Tot_DXCC C 4080,3120,735,255 0|"
              "Carte_Europe_MC - 1200,3600,3375,375 Carte Europe des moyens carrés contactés|"
              "Carte_Moyen - 1200,4080,3375,375 Détails moyens carrés contactés|"
              "Carte_du_Monde - 1200,4560,3375,375 Carte monde des grands carrés contactés|"
              "Carte_Grand - 1200,5040,3375,375 Détail grands carrés contactés",
              "Label1 13.5 gras|Label5 9.75|Bande_T 8.25 gras|Label2 8.25 gras|Label4 8.25 gras|"
              "Label3 8.25 gras|Label6 8.25 gras|Label7 8.25 gras|Tot_Loc 8.25 gras|Tot_Loc1 8.25 gras|"
              "Tot_Loc2 8.25 gras|Tot_Was 8.25 gras|Tot_DXCC 8.25 gras");
        ligne("Carte_Monde", "Carte Monde", 14520, 10380, 0,
              "Frame1 - 120,0,14295,735 |Label1 R 1080,240,855,255 Bande|Bande_T - 2160,240,1215,315 Toutes|"
              "Command1 - 3600,240,1095,375 Afficher|NbGc R 5880,240,615,375 |"
              "Label2 - 6600,240,4335,375 grand(s) carré(s) contacté(s) bande |Bande - 11040,240,1215,375 "
              "toutes|"
              "Picture1 L 0,840,14535,9495 960x633",
              "Label1 12|NbGc 12 gras|Label2 12 gras|Bande 12 gras|Text1(1) 9|Text1(324) 9");
        // The quarter table: client area, Frame1 width, NbGc left and width, Label2 alignment and left,
        // Bande alignment, left and width, Picture1 width and height, picture.
        const struct {
            const char *nom, *titre;
            int largeur, hauteur, frame1, nbgc, largeur_nbgc;
            const char* label2;
            int gauche_label2;
            const char* bande;
            int gauche_bande, largeur_bande, largeur_image, hauteur_image;
            const char* image;
        } quarts[] = {
            {"Carte_NE", "Carte Nord-Est Monde", 13455, 6945, 13215, 3720, 615, "L", 4440, "L", 8880, 1215,
             13335, 6015, "880x396"},
            {"Carte_NO", "Carte Nord-Ouest Monde", 10815, 6960, 10575, 2040, 975, "R", 3120, "L", 7560, 1095,
             10695, 6135, "704x397"},
            {"Carte_SE", "Carte Sud-Est Monde", 13455, 6930, 13215, 3240, 1095, "R", 4440, "L", 8880, 1095,
             13335, 6015, "880x396"},
            {"Carte_SO", "Carte Sud-Ouest Monde", 10860, 6930, 10575, 2040, 975, "R", 3120, "R", 7560, 1095,
             10695, 6135, "704x396"},
        };
        for (const auto& q : quarts)
            QTest::newRow(q.nom)
                << QString::fromLatin1(q.nom) << QString::fromLatin1(q.titre) << QSize(q.largeur, q.hauteur)
                << 0
                << liste(QStringLiteral("Frame1 - 120,0,%1,735 |NbGc R %2,240,%3,375 |"
                                        "Label2 %4 %5,240,4335,375 grand(s) carré(s) contacté(s) "
                                        "bande |Bande %6 %7,240,%8,375 |"
                                        "Picture1 L 120,840,%9,%10 %11")
                             .arg(q.frame1)
                             .arg(q.nbgc)
                             .arg(q.largeur_nbgc)
                             .arg(QLatin1String(q.label2))
                             .arg(q.gauche_label2)
                             .arg(QLatin1String(q.bande))
                             .arg(q.gauche_bande)
                             .arg(q.largeur_bande)
                             .arg(q.largeur_image)
                             .arg(q.hauteur_image)
                             .arg(QLatin1String(q.image)))
                << liste(QStringLiteral("Label2 12 gras|NbGc 12 gras|Bande 12 gras|Text1(1) 12"));
        ligne(
            "Carte_Europe", "Carte_Europe", 14655, 8730, 0,
            "Frame2 - 120,120,14415,735 |Label3 R 1320,240,855,255 Bande|Bande_T - 2400,360,1215,315 Toutes|"
            "Command1 - 3960,360,1095,375 Afficher|NbGc R 5400,240,495,255 |"
            "Label6 - 6000,240,5535,375 Moyen(s) carré(s) Europe contacté(s) bande : |"
            "Bande - 11640,240,1215,375 |Picture1 L 120,960,14415,7695 955x508",
            "Label3 12|NbGc 12 gras|Label6 12 gras|Bande 12 gras|cel(1) 9|cel(632) 9");
        ligne("Select_Locator_Monde", "Sélection carte", 3705, 2280, 0,
              "Frame1 - 120,0,3495,735 |Label2 C 120,240,3255,255 Sélection d'une carte|"
              "Frame2 - 120,720,3495,1455 |Label1 C 240,240,1575,255 Carte|Label3 C 2160,240,855,255 Bande|"
              "Liste_Zone - 360,1200,1695,315 1/4 N.E.monde|Bande_T - 2280,1200,1095,315 Toutes|"
              "Command1 - 1200,1680,1335,255 Afficher",
              "Label2 12 gras|Label1 8.25|Label3 8.25");
        ligne("Select_Locator", "Sélection moyen carré", 3015, 2295, Qt::Dialog,
              "Frame1 - 120,0,2775,735 |Label2 C 120,240,2535,255 Sélection carré|"
              "Frame2 - 120,720,2775,1455 |Label1 C 240,240,495,255 Carré|Label3 C 1320,240,975,255 Bande|"
              "Liste_Locator - 360,1200,735,315 IM|Bande_T - 1440,1200,1215,315 Toutes|"
              "Command1 - 840,1680,1335,255 Afficher",
              "Label2 12 gras|Label1 8.25|Label3 8.25");
        // One row of the field-map table: frame, client area, Frame1 width, NbMc left, Label4 left and
        // width, Bande left, Picture1 top and width, picture.
        const struct {
            const char* champ;
            int genre, largeur, hauteur, frame1, nbmc, label4, largeur4, bande, haut, largeur_image;
            const char* image;
        } champs[] = {
            {"IM", Qt::Dialog, 10695, 6615, 10455, 840, 2160, 6135, 8400, 840, 10455, "692x377"},
            {"IN", Qt::Window, 10560, 6720, 10335, 840, 2160, 6135, 8400, 960, 10335, "688x372"},
            {"IO", Qt::Window, 10785, 6735, 10455, 720, 2040, 6135, 8280, 960, 10575, "692x377"},
            {"JM", Qt::Window, 10680, 6720, 10455, 720, 1680, 6495, 8280, 960, 10455, "691x375"},
            {"JN", Qt::Dialog, 10680, 6735, 10455, 840, 2040, 6255, 8400, 960, 10455, "692x372"},
            {"JO", Qt::Window, 10665, 6720, 10455, 840, 2160, 6135, 8400, 960, 10455, "693x371"},
            {"KM", Qt::Window, 10575, 6720, 10335, 720, 2040, 6135, 8280, 960, 10335, "702x374"},
            {"KN", Qt::Window, 10560, 6720, 10335, 720, 2160, 6135, 8400, 960, 10335, "707x380"},
            {"KO", Qt::Window, 10815, 6705, 10575, 720, 2040, 6135, 8400, 960, 10575, "701x372"},
        };
        for (const auto& c : champs)
            QTest::addRow("Carte_%s", c.champ)
                << QStringLiteral("Carte_%1").arg(QLatin1String(c.champ))
                << QStringLiteral("Carrés moyens du carré %1").arg(QLatin1String(c.champ))
                << QSize(c.largeur, c.hauteur) << c.genre
                << liste(QStringLiteral(
                             "Frame1 - 120,0,%1,735 |NbMc R %2,240,1215,255 |"
                             "Label4 R %3,240,%4,255 Carré(s) moyen(s) du carré %5 contacté(s) bande : |"
                             "Bande L %6,240,1215,255 |Picture1 L 120,%7,%8,5655 %9")
                             .arg(c.frame1)
                             .arg(c.nbmc)
                             .arg(c.label4)
                             .arg(c.largeur4)
                             .arg(QLatin1String(c.champ))
                             .arg(c.bande)
                             .arg(c.haut)
                             .arg(c.largeur_image)
                             .arg(QLatin1String(c.image)))
                << liste(QStringLiteral(
                       "NbMc 12 gras|Label4 12 gras|Bande 12 gras|Dep(0) 9.75 gras|Dep(99) 9.75 gras"));
    }
    void fenetres() {
        QFETCH(QString, nom);
        QFETCH(QString, titre);
        QFETCH(QSize, client);
        QFETCH(int, genre);
        QFETCH(QStringList, controles);
        QFETCH(QStringList, polices);
        QWidget* f = Fenetre_Nommee(nom);
        QVERIFY(f);
        const bool main = nom == QLatin1String("Main");
        const QSize pixels = client / 15;
        QCOMPARE(f->windowTitle(), titre);
        QCOMPARE(f->size(), pixels);
        QCOMPARE(f->minimumSize() == pixels && f->maximumSize() == pixels, !main);
        QCOMPARE(f->minimumSize() == f->maximumSize(), !main);
        QCOMPARE(bool(f->windowFlags() & Qt::WindowMinimizeButtonHint), main);
        QCOMPARE(bool(f->windowFlags() & Qt::WindowMaximizeButtonHint), main);
        if (genre) QCOMPARE(int(f->windowType()), genre);
        QCOMPARE(Controles(*f, controles, Place_Et_Texte), controles);
        QCOMPARE(Controles(*f, polices, Police_De), polices);
        // Every caption starts at its label's top line, so that the labels of
        // one strip line up whatever their heights.
        for (const QLabel* l : f->findChildren<QLabel*>())
            if (l->objectName() != QLatin1String("Picture1"))
                QCOMPARE(QString::number(l->alignment() & Qt::AlignVertical_Mask, 16) + l->objectName(),
                         QString::number(Qt::AlignTop, 16) + l->objectName());
        // The band list: "Toutes" and the 17 labels, which keep their trailing blank but in Main.
        if (const auto* bandes = f->findChild<QComboBox*>(QStringLiteral("Bande_T"))) {
            QStringList items;
            for (int i = 0; i < bandes->count(); ++i) items << bandes->itemText(i);
            QString attendu =
                QStringLiteral("Toutes|1.8 Mhz|3.5 Mhz|7.0 Mhz|10 Mhz |14 Mhz |18 Mhz |21 Mhz |"
                               "24 Mhz |28 Mhz |50 Mhz |144 Mhz|432 Mhz|1.3 Ghz|2.3 Ghz|5.7 Ghz|"
                               "10 Ghz |24 Ghz ");
            if (main) attendu.replace(QStringLiteral(" |"), QStringLiteral("|")).chop(1);
            QCOMPARE(items.join(QLatin1Char('|')), attendu);
        }
        if (!main) f->close();
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

    std::unique_ptr<Plateforme_Totaux> plateforme;
};

QTEST_MAIN(Test_Main)
#include "test_main.moc"
