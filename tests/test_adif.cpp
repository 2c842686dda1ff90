// The ADIF reader: records, fields, bands, dates, widths and odd bytes; the
// table fill and the sorted list of located lines.
#include "core/Adif.h"
#include "core/Tab_Qso.h"
#include "tests/support/Plateforme_Test.h"

#include <QtTest>
#include <algorithm>
#include <random>

using namespace Sous_Programmes;

namespace {

std::string Rempli(std::string s, std::size_t largeur) {
    s.resize(std::max(s.size(), largeur), ' ');
    return s;
}

// The record line expected for these values (band: a 7-character label).
QByteArray Ligne(const std::string& loc, const std::string& bande, const std::string& zone,
                 const std::string& dxcc, const std::string& call, const std::string& date) {
    const std::string l = Rempli(loc, 6) + "  " + bande + "   " + Rempli(zone, 2) + "  " + Rempli(dxcc, 3) +
                          "  " + Rempli(call, 15) + "  " + date;
    return QByteArray(l.data(), qsizetype(l.size()));
}

// A literal with its NUL bytes.
template <std::size_t N> QByteArray Brut(const char (&s)[N]) {
    return QByteArray(s, qsizetype(N - 1));
}

QByteArray Octets(std::string_view s) {
    return QByteArray(s.data(), qsizetype(s.size()));
}

QByteArrayList Lignes(const Resultat_Adif& r) {
    QByteArrayList l;
    for (const auto& s : r.Lignes) l << Octets(s);
    return l;
}

// A contact with only a call sign and a band.
QByteArray Court(const std::string& call, const std::string& bande) {
    return Ligne("", bande, "", "", call, "//");
}

} // namespace

class Test_Adif : public QObject {
    Q_OBJECT

private slots:
    void enregistrements_data() {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QByteArrayList>("lignes");
        QTest::addColumn<int>("messages");

        QTest::newRow("lower-case names and values are upper-cased")
            << QByteArray("<eoh>\n<call:5>dl1ab <gridsquare:6>jn18eu <band:3>20m <cqz:2>14 <dxcc:3>230 "
                          "<qso_date:8>20240315 <eor>\n")
            << QByteArrayList{Ligne("JN18EU", "14 Mhz ", "14", "230", "DL1AB", "15/03/2024")} << 0;
        QTest::newRow("header lines are skipped, fields in them too")
            << QByteArray("Log of <CALL:3>XXX <BAND:3>40M\r\n<ADIF_VER:5>3.1.0\r\n<EOH>\r\n"
                          "<CALL:3>F1A <BAND:3>40M <EOR>\r\n")
            << QByteArrayList{Court("F1A", "7.0 Mhz")} << 0;
        QTest::newRow("EOH inside a word ends the header and drops its line")
            << QByteArray("made by GeoHash <CALL:3>F1A <BAND:3>40M <EOR>\n<CALL:3>F2B <BAND:3>20M <EOR>\n")
            << QByteArrayList{Court("F2B", "14 Mhz ")} << 0;
        QTest::newRow("text after <EOH> begins the first record")
            << QByteArray("header\n<ADIF_VER:5>3.1.0 <eoh><CALL:3>F1A <BAND:3>40M "
                          "<EOR><CALL:3>F2B\n<BAND:3>20M<EOR>")
            << QByteArrayList{Court("F1A", "7.0 Mhz"), Court("F2B", "14 Mhz ")} << 0;
        QTest::newRow("<EOH> after EOH in a word on the same line")
            << QByteArray("GEOH <EOH><CALL:3>F1A <BAND:3>40M <EOR>\n")
            << QByteArrayList{Court("F1A", "7.0 Mhz")} << 0;
        QTest::newRow("no EOH anywhere: records from the first line")
            << QByteArray("<CALL:3>F1A <BAND:3>40M <EOR>\n<CALL:3>F2B <BAND:3>20M <EOR>\n")
            << QByteArrayList{Court("F1A", "7.0 Mhz"), Court("F2B", "14 Mhz ")} << 0;
        QTest::newRow("record across lines, value and tags cut by line ends")
            << QByteArray("<EOH>\n<CALL:5>F1\nAB "
                          "<BA\nND:3>4\r\n0M\n<GRID\r\nSQUARE:4>JN18\n<EO\nR><CALL:3>F2B <BAND:3>20M <EOR>")
            << QByteArrayList{Ligne("JN18", "7.0 Mhz", "", "", "F1AB", "//"), Court("F2B", "14 Mhz ")} << 0;
        QTest::newRow("two QSOs on one line are two records")
            << QByteArray("<EOH>\n<CALL:3>F1A <BAND:3>40M <CQZ:2>14 <EOR><CALL:3>F2B <BAND:3>20M <EOR>\n")
            << QByteArrayList{Ligne("", "7.0 Mhz", "14", "", "F1A", "//"), Court("F2B", "14 Mhz ")} << 0;
        QTest::newRow("nothing carries over to the next record")
            << QByteArray("<EOH>\n<CALL:3>F1A <BAND:3>40M <CQZ:2>14 <DXCC:3>227 <QSO_DATE:8>20200101 "
                          "<GRIDSQUARE:4>JN18 <EOR>\n<FREQ:6>14.074 <EOR>\n")
            << QByteArrayList{Ligne("JN18", "7.0 Mhz", "14", "227", "F1A", "01/01/2020"),
                              Court("", "14 Mhz ")}
            << 0;
        QTest::newRow("tabs are blanks, trimmed at the ends")
            << QByteArray("<EOH>\n<CALL:3>\tF1A\t<BAND:3>\t40M\t<GRIDSQUARE:5>jn\t18<EOR>")
            << QByteArrayList{Ligne("JN 18", "7.0 Mhz", "", "", "F1A", "//")} << 0;
        QTest::newRow("prefix search: BAND_RX and QSO_DATE_OFF found first")
            << QByteArray("<EOH>\n<BAND_RX:3>20M <QSO_DATE_OFF:8>20200102 <BAND:3>40M <QSO_DATE:8>20200101 "
                          "<CALL:3>F1A <EOR>")
            << QByteArrayList{Ligne("", "14 Mhz ", "", "", "F1A", "02/01/2020")} << 0;
        QTest::newRow("widths: values cut to their columns")
            << QByteArray("<EOH>\n<GRIDSQUARE:8>jn18eu12 <BAND:3>20M <CQZ:3>123 <DXCC:4>1234 "
                          "<CALL:20>AB1CDEFGHIJKLMNOPQRS <QSO_DATE:8>20240315 <EOR>")
            << QByteArrayList{Ligne("JN18EU", "14 Mhz ", "12", "123", "AB1CDEFGHIJKLMN", "15/03/2024")} << 0;
        QTest::newRow("empty GRIDSQUARE gives the blank locator")
            << QByteArray("<EOH>\n<GRIDSQUARE:0> <BAND:3>20M <CALL:3>F1A <EOR>")
            << QByteArrayList{Court("F1A", "14 Mhz ")} << 0;
        QTest::newRow("records without any of the seven fields are skipped silently")
            << QByteArray("<EOH>\n<CALL:3>F1A <BAND:3>40M <EOR>\n   \n\t\nfree text <MODE:2>CW <EOR>\n"
                          "<APP_LoTW_EOF>\n\n")
            << QByteArrayList{Court("F1A", "7.0 Mhz")} << 0;
        QTest::newRow("a record with one field is a contact")
            << QByteArray("<EOH>\n<DXCC:3>227<EOR>\n")
            << QByteArrayList{Ligne("", "1.8 Mhz", "", "227", "", "//")} << 1;
        QTest::newRow("last value without a following '<' runs to the end")
            << QByteArray("<EOH>\n<CALL:3>F1A <BAND:3>40M <EOR>\n<CALL:3>F2B <BAND:4>20M \r\n")
            << QByteArrayList{Court("F1A", "7.0 Mhz"), Court("F2B", "14 Mhz ")} << 0;
        QTest::newRow("a value starts after the first '>', even a later tag's")
            << QByteArray("<EOH>\n<CALL <BAND:3>20M <EOR>") << QByteArrayList{Court("20M", "14 Mhz ")} << 0;
        QTest::newRow("search text without '>' has an empty value")
            << QByteArray("<EOH>\n<CALL:3>F1A <BAND") << QByteArrayList{Court("F1A", "1.8 Mhz")} << 1;
        QTest::newRow("bytes outside ASCII pass unchanged, widths count bytes")
            << QByteArray("<EOH>\n<CALL:7>m\xc3\xbcller <BAND:3>20m <QSO_DATE:8>2024\xc3\xa9\x31\x35 <EOR>")
            << QByteArrayList{Ligne("", "14 Mhz ", "", "", "M\xc3\xbcLLER", "15/\xc3\xa9/2024")} << 0;
        QTest::newRow("NUL bytes are ordinary bytes")
            << Brut("\0<EOH>\n<CALL:3>F\0A <BAND:3>40M <EOR>\0\n")
            << QByteArrayList{Court(std::string("F\0A", 3), "7.0 Mhz")} << 0;
    }
    void enregistrements() {
        QFETCH(QByteArray, log);
        QFETCH(QByteArrayList, lignes);
        QFETCH(int, messages);
        const Resultat_Adif r = Lire_Adif(std::string_view(log.constData(), std::size_t(log.size())));
        QCOMPARE(Lignes(r), lignes);
        QCOMPARE(r.Messages_Bande, messages);
        QVERIFY(!r.Tronque);
    }

    // The same log with LF, CR LF or lone CR line ends reads the same.
    void fins_de_ligne_data() {
        QTest::addColumn<QByteArray>("fin");
        QTest::newRow("LF") << QByteArray("\n");
        QTest::newRow("CR LF") << QByteArray("\r\n");
        QTest::newRow("CR") << QByteArray("\r");
    }
    void fins_de_ligne() {
        QFETCH(QByteArray, fin);
        const QByteArray log = "GeoHash <CALL:3>F0A <BAND:3>80M <EOR>" + fin + "<CALL:3>F1A" + fin +
                               "<BAND:3>40M" + fin + "<EOR><CALL:3>F2B <BAND:3>20M <EOR>" + fin + fin;
        const Resultat_Adif r = Lire_Adif(std::string_view(log.constData(), std::size_t(log.size())));
        QCOMPARE(Lignes(r), (QByteArrayList{Court("F1A", "7.0 Mhz"), Court("F2B", "14 Mhz ")}));
    }

    // The band of a record: its BAND, or the whole megahertz of its FREQ.
    void bandes_data() {
        QTest::addColumn<QByteArray>("champs");
        QTest::addColumn<QByteArray>("libelle");
        QTest::addColumn<int>("messages");
        const char* table[][2] = {
            {"160M", "1.8 Mhz"},  {"1.8", "1.8 Mhz"},  {"80M", "3.5 Mhz"},   {"3.5", "3.5 Mhz"},
            {"3.6", "3.5 Mhz"},   {"3", "3.5 Mhz"},    {"40M", "7.0 Mhz"},   {"7", "7.0 Mhz"},
            {"30M", "10 Mhz "},   {"10", "10 Mhz "},   {"20M", "14 Mhz "},   {"14", "14 Mhz "},
            {"17M", "18 Mhz "},   {"18", "18 Mhz "},   {"15M", "21 Mhz "},   {"21", "21 Mhz "},
            {"12M", "24 Mhz "},   {"24", "24 Mhz "},   {"10M", "28 Mhz "},   {"28", "28 Mhz "},
            {"6M", "50 Mhz "},    {"50", "50 Mhz "},   {"2M", "144 Mhz"},    {"144", "144 Mhz"},
            {"145", "144 Mhz"},   {"70CM", "432 Mhz"}, {"432", "432 Mhz"},   {"23CM", "1.3 Ghz"},
            {"1300", "1.3 Ghz"},  {"13CM", "2.3 Ghz"}, {"2300", "2.3 Ghz"},  {"6CM", "5.7 Ghz"},
            {"5660", "5.7 Ghz"},  {"3CM", "10 Ghz "},  {"10000", "10 Ghz "}, {"1.25CM", "24 Ghz "},
            {"24000", "24 Ghz "},
        };
        for (const auto& [texte, libelle] : table)
            QTest::addRow("BAND %s", texte) << QByteArray("<BAND:9>") + texte << QByteArray(libelle) << 0;
        QTest::newRow("BAND lower case, blanks around")
            << QByteArray("<band:6> 1.25cm ") << QByteArray("24 Ghz ") << 0;
        QTest::newRow("BAND 60M is no band") << QByteArray("<BAND:3>60M") << QByteArray("1.8 Mhz") << 1;
        QTest::newRow("BAND 20 M is no band") << QByteArray("<BAND:4>20 M") << QByteArray("1.8 Mhz") << 1;
        QTest::newRow("empty BAND wins over FREQ")
            << QByteArray("<BAND:0> <FREQ:6>14.074") << QByteArray("1.8 Mhz") << 1;
        QTest::newRow("neither BAND nor FREQ") << QByteArray("<MODE:2>CW") << QByteArray("1.8 Mhz") << 1;

        const char* frequences[][3] = {
            {"14.074", "14 Mhz ", "0"},   {"144.300", "144 Mhz", "0"}, {"7.074", "7.0 Mhz", "0"},
            {"3.573", "3.5 Mhz", "0"},    {"1.840", "1.8 Mhz", "1"},   {"1296.2", "1.8 Mhz", "1"},
            {"10368.1", "1.8 Mhz", "1"},  {".5", "1.8 Mhz", "1"},      {"14,074", "1.8 Mhz", "1"},
            {"10000", "10 Ghz ", "0"},    {"24000.0", "24 Ghz ", "0"}, {"5660.1", "5.7 Ghz", "0"},
            {" 21.074 ", "21 Mhz ", "0"}, {"145.500", "144 Mhz", "0"}, {"", "1.8 Mhz", "1"},
        };
        for (const auto& [f, libelle, messages] : frequences)
            QTest::addRow("FREQ '%s'", f)
                << QByteArray("<FREQ:9>") + f << QByteArray(libelle) << QByteArray(messages).toInt();
    }
    void bandes() {
        QFETCH(QByteArray, champs);
        QFETCH(QByteArray, libelle);
        QFETCH(int, messages);
        const QByteArray log = "<EOH>\n<CALL:3>F1A " + champs + " <EOR>\n";
        const Resultat_Adif r = Lire_Adif(std::string_view(log.constData(), std::size_t(log.size())));
        QCOMPARE(Lignes(r), QByteArrayList{Court("F1A", libelle.toStdString())});
        QCOMPARE(r.Messages_Bande, messages);
    }

    // DD/MM/YYYY from the last 2, the 5th and 6th, and the first 4 characters.
    void dates_data() {
        QTest::addColumn<QByteArray>("champ");
        QTest::addColumn<QByteArray>("date");
        QTest::newRow("YYYYMMDD") << QByteArray("<QSO_DATE:8>20240315") << QByteArray("15/03/2024");
        QTest::newRow("absent") << QByteArray() << QByteArray("//");
        QTest::newRow("empty") << QByteArray("<QSO_DATE:0>") << QByteArray("//");
        QTest::newRow("year only") << QByteArray("<QSO_DATE:4>2024") << QByteArray("24//2024");
        QTest::newRow("one character") << QByteArray("<QSO_DATE:1>7") << QByteArray("7//7");
        QTest::newRow("five characters") << QByteArray("<QSO_DATE:5>20241") << QByteArray("41/1/2024");
        QTest::newRow("too long") << QByteArray("<QSO_DATE:11>20240315123") << QByteArray("23/03/2024");
        QTest::newRow("with dashes") << QByteArray("<QSO_DATE:10>2024-03-15") << QByteArray("15/-0/2024");
    }
    void dates() {
        QFETCH(QByteArray, champ);
        QFETCH(QByteArray, date);
        const QByteArray log = "<EOH><CALL:3>F1A <BAND:3>20M " + champ + " <EOR>";
        const Resultat_Adif r = Lire_Adif(std::string_view(log.constData(), std::size_t(log.size())));
        QCOMPARE(Lignes(r), QByteArrayList{Ligne("", "14 Mhz ", "", "", "F1A", date.toStdString())});
        // The date always starts at column 45.
        QCOMPARE(r.Lignes.at(0).substr(Qso_Date_Debut), date.toStdString());
    }

    // The table holds 100000 lines: the rest of a longer log is left out, with
    // no band message for what was left out.
    void capacite_data() {
        QTest::addColumn<int>("contacts");
        QTest::addColumn<bool>("suite_sans_contact");
        QTest::addColumn<int>("lignes");
        QTest::addColumn<bool>("tronque");
        QTest::newRow("exactly full") << 100000 << false << 100000 << false;
        QTest::newRow("full, then text without contacts") << 100000 << true << 100000 << false;
        QTest::newRow("one more than full") << 100001 << false << 100000 << true;
    }
    void capacite() {
        QFETCH(int, contacts);
        QFETCH(bool, suite_sans_contact);
        QFETCH(int, lignes);
        QFETCH(bool, tronque);
        std::string log = "<EOH>\n";
        for (int i = 0; i < 100000; ++i)
            log += "<CALL:6>F" + std::to_string(100000 + i) + " <BAND:3>20M <EOR>\n";
        for (int i = 100000; i < contacts; ++i) log += "<CALL:3>XXX <EOR>\n"; // would need a band message
        if (suite_sans_contact) log += "<APP_LoTW_EOF>\n";
        const Resultat_Adif r = Lire_Adif(log);
        QCOMPARE(int(r.Lignes.size()), lignes);
        QCOMPARE(r.Tronque, tronque);
        QCOMPARE(r.Messages_Bande, 0);
        QCOMPARE(Octets(r.Lignes.back()), Court("F199999", "14 Mhz "));
    }

    // Located lines only, in std::string's byte order, duplicates kept: short
    // lines, NUL bytes, high bytes and lines equal over 16 bytes included.
    void lignes_localisees_ordre_octets() {
        Vider_Tab_Qso();
        std::mt19937 hasard(7);
        const std::string alphabet("AB \0\xff", 5);
        std::vector<std::string> lignes;
        for (int i = 0; i < 3000; ++i) {
            std::string l = "JN18AA  14 Mhz  ";
            l.resize(std::size_t(hasard() % 24));
            for (char& c : l)
                if (hasard() % 4 == 0) c = alphabet[hasard() % alphabet.size()];
            if (i % 10 == 0) l = "      " + l; // Locator_Vide: left out
            lignes.push_back(l);
        }
        Ranger_Dans_Tab_Qso(std::vector<std::string>(lignes));
        Tab_Qso[lignes.size() + 1] = "AA0000  stale line above Nb_Qso";
        std::vector<std::string> attendu;
        for (const auto& l : lignes)
            if (l.substr(0, 6) != "      ") attendu.push_back(l);
        std::sort(attendu.begin(), attendu.end());
        QCOMPARE(Lignes_Localisees(), attendu);
    }

    void cleanupTestCase() { Vider_Tab_Qso(); }
};

QTEST_GUILESS_MAIN(Test_Adif)
#include "test_adif.moc"
