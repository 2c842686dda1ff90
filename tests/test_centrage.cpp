// Every one of the 18 windows first appears with its outer frame (border and
// title bar included) centred on the screen, opened the way the user opens
// it, and does not move once shown. Meant to run under a real window manager
// too (avec_openbox.sh), where the frame has a size.
#include "core/ui/Main.h"
#include "core/ui/Ouvertures.h"
#include "maps/fields/Fenetres_Champs.h"
#include "maps/squares/Select_Locator.h"
#include "tests/support/Fenetres_Test.h"
#include "tests/support/Plateforme_Test.h"
#include "tests/support/Position_Ecran.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <functional>

using namespace Sous_Programmes;

Q_DECLARE_METATYPE(std::function<void()>)

namespace {

// Where each window's client area stood when it was first painted, that is
// when the user first saw it.
class Premier_Affichage : public QObject {
public:
    QHash<QString, QPoint> vus;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = qobject_cast<QWidget*>(o);
        if (e->type() == QEvent::Paint && w && w->isWindow() && !vus.contains(w->objectName()))
            vus.insert(w->objectName(), Position_Ecran(*w));
        return false;
    }
};

// Opens a window through a chooser: its list set to `choix`, then "Afficher".
std::function<void()> Par_Selecteur(void (*ouvrir)(), const char* selecteur, const char* liste,
                                    const char* choix) {
    return [=] {
        ouvrir();
        QVERIFY(Choisir_Et_Afficher(Fenetre_Visible(QString::fromLatin1(selecteur)),
                                    {{liste, QString::fromLatin1(choix)}}));
    };
}

bool Sous_Gestionnaire_De_Fenetres() {
    return !qEnvironmentVariableIsEmpty("VELTRIX_GESTIONNAIRE_FENETRES");
}

} // namespace

class Test_Centrage : public QObject {
    Q_OBJECT
    Plateforme_Test plateforme;
    Premier_Affichage premier;

private slots:
    void initTestCase() { qApp->installEventFilter(&premier); }

    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets()) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        premier.vus.clear();
    }

    void cadre_centre_des_le_premier_affichage_data() {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<std::function<void()>>("ouvrir");
        QTest::newRow("Main") << QStringLiteral("Main") << std::function<void()>(Demarrer_Main);
        QTest::newRow("Select_Locator_Monde")
            << QStringLiteral("Select_Locator_Monde") << std::function<void()>(Ouvrir_Select_Locator_Monde);
        QTest::newRow("Select_Locator")
            << QStringLiteral("Select_Locator") << std::function<void()>(Ouvrir_Select_Locator);
        QTest::newRow("Carte_Monde") << QStringLiteral("Carte_Monde")
                                     << std::function<void()>(Ouvrir_Carte_Monde);
        QTest::newRow("Carte_Europe")
            << QStringLiteral("Carte_Europe") << std::function<void()>(Ouvrir_Carte_Europe);
        const char* const quarts[][2] = {{"Carte_NE", "1/4 N.E.monde"},
                                         {"Carte_NO", "1/4 N.O.monde"},
                                         {"Carte_SE", "1/4 S.E.monde"},
                                         {"Carte_SO", "1/4 S.O.monde"}};
        for (const auto& [nom, quart] : quarts)
            QTest::newRow(nom) << QString::fromLatin1(nom)
                               << Par_Selecteur(Ouvrir_Select_Locator_Monde, "Select_Locator_Monde",
                                                "Liste_Zone", quart);
        for (const char* champ : {"IM", "IN", "IO", "JM", "JN", "JO", "KM", "KN", "KO"}) {
            const QString nom = QStringLiteral("Carte_") + QString::fromLatin1(champ);
            QTest::newRow(qPrintable(nom))
                << nom << Par_Selecteur(Ouvrir_Select_Locator, "Select_Locator", "Liste_Locator", champ);
        }
    }
    void cadre_centre_des_le_premier_affichage() {
        QFETCH(QString, nom);
        QFETCH(std::function<void()>, ouvrir);
        ouvrir();
        QWidget* w = Fenetre_Visible(nom);
        QVERIFY(w);
        QTRY_VERIFY(premier.vus.contains(nom));
        if (Sous_Gestionnaire_De_Fenetres()) // wait for the window manager's border and title bar
            QTRY_VERIFY(Cadre_Ecran(*w).height() > w->height());

        const QRect ecran = w->screen()->geometry();
        // Half the free room on each axis, in whole pixels, within one pixel.
        const auto ecart = [&] {
            const QRect dehors = Cadre_Ecran(*w);
            return dehors.topLeft() - ecran.topLeft() -
                   QPoint((ecran.width() - dehors.width()) / 2, (ecran.height() - dehors.height()) / 2);
        };
        // A window manager that does not say beforehand what frame it gives
        // lets the window be centred only once its frame is there.
        const bool annonce = qgetenv("VELTRIX_GESTIONNAIRE_FENETRES") != "twm";
        if (!annonce) QTRY_VERIFY_WITH_TIMEOUT(qAbs(ecart().x()) <= 1 && qAbs(ecart().y()) <= 1, 2000);
        if (qAbs(ecart().x()) > 1 || qAbs(ecart().y()) > 1)
            QFAIL(qPrintable(QStringLiteral("outer frame at %1,%2 (%3 x %4), %5,%6 from centred")
                                 .arg(Cadre_Ecran(*w).x())
                                 .arg(Cadre_Ecran(*w).y())
                                 .arg(Cadre_Ecran(*w).width())
                                 .arg(Cadre_Ecran(*w).height())
                                 .arg(ecart().x())
                                 .arg(ecart().y())));
        QCOMPARE(w->frameGeometry(), Cadre_Ecran(*w)); // what Qt says is what the screen shows
        if (annonce) {
            // It appeared where it stands: no jump after the first paint.
            QCOMPARE(Position_Ecran(*w), premier.vus.value(nom));
            QCOMPARE(w->geometry().topLeft(), premier.vus.value(nom));
        }
    }
};

QTEST_MAIN(Test_Centrage)
#include "test_centrage.moc"
