// Replays the reader's fuzz corpus (seeds and every crash input ever found).
#include "fuzz/Verifier_Adif.h"
#include "tests/support/Plateforme_Test.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using namespace Sous_Programmes;

class Test_Corpus_Adif : public QObject {
    Q_OBJECT

private slots:
    void corpus_data() {
        QTest::addColumn<QString>("chemin");
        const QDir dossier(QStringLiteral(VELTRIX_TEST_DATA "/fuzz"));
        const auto fichiers = dossier.entryInfoList(QDir::Files, QDir::Name);
        QVERIFY(!fichiers.isEmpty());
        for (const QFileInfo& f : fichiers) QTest::newRow(qPrintable(f.fileName())) << f.absoluteFilePath();
    }
    void corpus() {
        QFETCH(QString, chemin);
        QFile f(chemin);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray octets = f.readAll();
        const std::string defaut =
            Verifier_Adif(std::string_view(octets.constData(), std::size_t(octets.size())));
        QCOMPARE(QString::fromStdString(defaut), QString());
        Vider_Tab_Qso();
    }
};

QTEST_MAIN(Test_Corpus_Adif)
#include "test_corpus_adif.moc"
