// The ADIF reader: records, fields, bands, dates, widths and odd bytes; the
// table fill and the sorted list of located lines.
#include "core/Adif.h"
#include "core/Tab_Qso.h"
#include "tests/support/Plateforme_Test.h"

#include <QtTest>
#include <algorithm>
#include <random>

using namespace Sous_Programmes;
using namespace std::string_literals;

namespace {

// The record line expected for these values (band: a 7-character label).
QByteArray Ligne(const std::string& loc, const std::string& bande, const std::string& zone,
                 const std::string& dxcc, const std::string& call, const std::string& date) {
    const auto rempli = [](std::string s, std::size_t n) { return s.resize(std::max(s.size(), n), ' '), s; };
    return QByteArray::fromStdString(rempli(loc, 6) + "  " + bande + "   " + rempli(zone, 2) + "  " +
                                     rempli(dxcc, 3) + "  " + rempli(call, 15) + "  " + date);
}

// A contact with only a call sign and a band.
QByteArray Court(const std::string& call, const std::string& bande) {
    return Ligne("", bande, "", "", call, "//");
}

QByteArrayList Lignes(const Resultat_Adif& r) {
    QByteArrayList l;
    for (const auto& s : r.Lignes) l << QByteArray::fromStdString(s);
    return l;
}

// One row per line end: the log as written (LF), with CR LF, and with lone CR.
void Rangee(const char* nom, const QByteArray& log, const QByteArrayList& lignes, int messages = 0) {
    const char* fins[][2] = {{"\n", "LF"}, {"\r\n", "CR LF"}, {"\r", "CR"}};
    for (const auto& [fin, libelle] : fins)
        QTest::addRow("%s (%s)", nom, libelle) << QByteArray(log).replace("\n", fin) << lignes << messages;
}

} // namespace

class Test_Adif : public QObject {
    Q_OBJECT

private slots:
    void enregistrements_data() {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QByteArrayList>("lignes");
        QTest::addColumn<int>("messages");

        Rangee(
            "header lines are skipped, fields in them too; EOH inside a word ends the header",
            "Log <CALL:3>XXX <BAND:3>40M\nmade by GeoHash <CALL:3>F1A <EOR>\n<CALL:3>F2B <BAND:3>20M <EOR>\n",
            {Court("F2B", "14 Mhz ")});
        Rangee("EOH opening the log: its line is the header",
               "EOH <CALL:3>XXX <BAND:3>40M\n<CALL:3>F1A <BAND:3>20M <EOR>", {Court("F1A", "14 Mhz ")});
        Rangee("text after <EOH> begins the first record, also after EOH in a word",
               "header\nGEOH <eoh><CALL:3>F1A <BAND:3>40M <EOR><CALL:3>F2B\n<BAND:3>20M<EOR>",
               {Court("F1A", "7.0 Mhz"), Court("F2B", "14 Mhz ")});
        Rangee("no EOH anywhere: records from the first line; the last one runs to the end",
               "<CALL:3>F1A <BAND:3>40M <EOR>\n<CALL:3>F2B <BAND:4>20M \r\n",
               {Court("F1A", "7.0 Mhz"), Court("F2B", "14 Mhz ")});
        Rangee(
            "record across lines, value and tags cut by line ends",
            "<EOH>\n<CALL:5>F1\nAB <BA\nND:3>4\r\n0M\n<GRID\r\nSQUARE:4>JN18\n<EO\nR><CALL:3>F2B<BAND:3>20M",
            {Ligne("JN18", "7.0 Mhz", "", "", "F1AB", "//"), Court("F2B", "14 Mhz ")});
        Rangee("each of the seven values and tag names cut by line ends",
               "<EOH>\n<GRIDS\nQUARE:8>JN1\n8ABCD <CQ\nZ:2>1\n4 <DX\nCC:3>2\n27 <CA\nLL:4>F\n1AB "
               "<QSO_D\nATE:8>2024031\n5 <FR\nEQ:6>1\n4.074 <EOR>\n"
               "<\nCALL:3>F2B <BAN\nD:3>2\n0M <QSO_DATE:8>20240\n315 <EOR>\n",
               {Ligne("JN18AB", "14 Mhz ", "14", "227", "F1AB", "15/03/2024"),
                Ligne("", "14 Mhz ", "", "", "F2B", "15/03/2024")});
        Rangee("nothing carries over to the next record; empty GRIDSQUARE is the blank locator",
               "<EOH>\n<CALL:3>F1A <BAND:3>40M <CQZ:2>14 <DXCC:3>227 <QSO_DATE:8>20200101 "
               "<GRIDSQUARE:4>JN18 <EOR>\n<GRIDSQUARE:0> <FREQ:6>14.074 <EOR>\n",
               {Ligne("JN18", "7.0 Mhz", "14", "227", "F1A", "01/01/2020"), Court("", "14 Mhz ")});
        Rangee("prefix search: BAND_RX and QSO_DATE_OFF found first",
               "<EOH>\n<BAND_RX:3>20M <QSO_DATE_OFF:8>20200102 <BAND:3>40M <QSO_DATE:8>20200101 <EOR>",
               {Ligne("", "14 Mhz ", "", "", "", "02/01/2020")});
        Rangee("lower case upper-cased, tabs blanks, trimmed at the ends, values cut to their columns",
               "<eoh>\n<gridsquare:10>\tjn\t18eu12\t<band:3>20m <cqz:3>123 <dxcc:4>1234 "
               "<call:20>ab1cdefghijklmnopqrs <qso_date:8>20240315 <eor>",
               {Ligne("JN 18E", "14 Mhz ", "12", "123", "AB1CDEFGHIJKLMN", "15/03/2024")});
        Rangee("records without any of the seven fields are skipped silently; one field is enough",
               "<EOH><CALL:3>F1A<BAND:3>40M<EOR>\n\t\nfree <MODE:2>CW "
               "<EOR>\n<DXCC:3>227<EOR>\n<APP_LoTW_EOF>\n\n",
               {Court("F1A", "7.0 Mhz"), Ligne("", "1.8 Mhz", "", "227", "", "//")}, 1);
        Rangee("a value starts after the next '>', even a later tag's; none: empty",
               "<EOH>\n<CALL <BAND:3>20M <EOR>\n<CALL:3>F1A <BAND",
               {Court("20M", "14 Mhz "), Court("F1A", "1.8 Mhz")}, 1);
        Rangee("NUL and bytes outside ASCII pass unchanged, widths count bytes",
               QByteArray::fromStdString("\0<EOH>\n<CALL:8>m\xc3\xbc\0ller <BAND:3>20m "
                                         "<QSO_DATE:8>2024\xc3\xa9\x31\x35 <EOR>\0\n"s),
               {Ligne("", "14 Mhz ", "", "", "M\xc3\xbc\0LLER"s, "15/\xc3\xa9/2024")});
    }
    void enregistrements() {
        QFETCH(QByteArray, log);
        QFETCH(QByteArrayList, lignes);
        QFETCH(int, messages);
        const Resultat_Adif r = Lire_Adif(log.toStdString());
        QCOMPARE(Lignes(r), lignes);
        QCOMPARE(r.Messages_Bande, messages);
        QVERIFY(!r.Tronque);
    }

    // One record: its band (BAND, or the whole megahertz of FREQ; else 1.8 Mhz
    // with a message) and its date (DD/MM/YYYY from the last 2, the 5th and 6th,
    // and the first 4 characters).
    void un_enregistrement_data() {
        QTest::addColumn<QByteArray>("champs");
        QTest::addColumn<QByteArray>("ligne");
        QTest::addColumn<int>("messages");
        // Each label and the band texts that give it.
        const char* table[][2] = {
            {"1.8 Mhz", "160M 1.8"},  {"3.5 Mhz", "80M 3.5 3.6 3"}, {"7.0 Mhz", "40M 7"},
            {"10 Mhz ", "30M 10"},    {"14 Mhz ", "20M 14"},        {"18 Mhz ", "17M 18"},
            {"21 Mhz ", "15M 21"},    {"24 Mhz ", "12M 24"},        {"28 Mhz ", "10M 28"},
            {"50 Mhz ", "6M 50"},     {"144 Mhz", "2M 144 145"},    {"432 Mhz", "70CM 432"},
            {"1.3 Ghz", "23CM 1300"}, {"2.3 Ghz", "13CM 2300"},     {"5.7 Ghz", "6CM 5660"},
            {"10 Ghz ", "3CM 10000"}, {"24 Ghz ", "1.25CM 24000"},
        };
        for (const auto& [libelle, textes] : table)
            for (const QByteArray& texte : QByteArray(textes).split(' '))
                QTest::addRow("BAND %s", texte.constData())
                    << "<BAND:9>" + texte << Court("F1A", libelle) << 0;
        // Each of these that gives 1.8 Mhz does so with a message.
        const char* autres[][2] = {
            {"<band:8> 1.25cm ", "24 Ghz "}, {"<BAND:3>60M", "1.8 Mhz"},
            {"<BAND:4>20 M", "1.8 Mhz"},     {"<BAND:0> <FREQ:6>14.074", "1.8 Mhz"},
            {"<BAND:7>1.25CMX", "1.8 Mhz"},  {"<BAND:5>70CMM", "1.8 Mhz"},
            {"<BAND:3>2M2", "1.8 Mhz"},      {"<BAND:6>14.074", "1.8 Mhz"},
            {"<MODE:2>CW", "1.8 Mhz"},       {"<FREQ:5>3.573", "3.5 Mhz"},
            {"<FREQ:7>24000.0", "24 Ghz "},  {"<FREQ:8> 21.074 ", "21 Mhz "},
            {"<FREQ:5>1.840", "1.8 Mhz"},    {"<FREQ:6>1296.2", "1.8 Mhz"},
            {"<FREQ:6>14,074", "1.8 Mhz"},   {"<FREQ:2>.5", "1.8 Mhz"},
            {"<FREQ:5>14.07", "14 Mhz "},    {"<FREQ:6>14.074", "14 Mhz "},
            {"<FREQ:7>10368.1", "1.8 Mhz"},  {"<FREQ:5>24000", "24 Ghz "},
            {"<FREQ:6>240000", "24 Ghz "},   {"<FREQ:6>5660.5", "5.7 Ghz"},
            {"<FREQ:4>145.", "144 Mhz"},     {"<FREQ:4>.144", "1.8 Mhz"},
        };
        for (const auto& [champs, libelle] : autres)
            QTest::addRow("%s", champs)
                << QByteArray(champs) << Court("F1A", libelle) << int(std::string_view(libelle) == "1.8 Mhz");
        const char* dates[][2] = {
            {"<QSO_DATE:8>20240315", "15/03/2024"},    {"<QSO_DATE:0>", "//"},
            {"<QSO_DATE:4>2024", "24//2024"},          {"<QSO_DATE:1>7", "7//7"},
            {"<QSO_DATE:5>20241", "41/1/2024"},        {"<QSO_DATE:11>20240315123", "23/03/2024"},
            {"<QSO_DATE:10>2024-03-15", "15/-0/2024"},
        };
        for (const auto& [champ, date] : dates)
            QTest::addRow("%s", champ)
                << "<BAND:3>20M " + QByteArray(champ) << Ligne("", "14 Mhz ", "", "", "F1A", date) << 0;
    }
    void un_enregistrement() {
        QFETCH(QByteArray, champs);
        QFETCH(QByteArray, ligne);
        QFETCH(int, messages);
        const Resultat_Adif r = Lire_Adif(("<EOH>\n<CALL:3>F1A " + champs + " <EOR>\n").toStdString());
        QCOMPARE(Lignes(r), QByteArrayList{ligne});
        QCOMPARE(r.Messages_Bande, messages);
    }

    // The table holds 100000 lines: the rest of a longer log is left out, with
    // no band message for what was left out; text without contacts after a full
    // table leaves nothing out.
    void capacite() {
        for (const int contacts : {100000, 100001}) {
            std::string log = "<EOH>\n";
            for (int i = 0; i < 100000; ++i)
                log += "<CALL:6>F" + std::to_string(100000 + i) + " <BAND:3>20M <EOR>\n";
            if (contacts > 100000) log += "<CALL:3>XXX <EOR>\n"; // would need a band message
            const Resultat_Adif r = Lire_Adif(log + "<APP_LoTW_EOF>\n");
            QCOMPARE(r.Lignes.size(), std::size_t(100000));
            QCOMPARE(r.Tronque, contacts > 100000);
            QCOMPARE(r.Messages_Bande, 0);
            QCOMPARE(QByteArray::fromStdString(r.Lignes.back()), Court("F199999", "14 Mhz "));
        }
    }

    // Located lines only, in std::string's byte order, duplicates kept: short
    // lines, NUL bytes, high bytes and lines equal over 16 bytes included.
    void lignes_localisees_ordre_octets() {
        std::mt19937 hasard(7);
        const std::string alphabet("AB \0\xff", 5);
        std::vector<std::string> lignes, attendu;
        for (int i = 0; i < 3000; ++i) {
            std::string l = "JN18AA  14 Mhz  ";
            l.resize(std::size_t(hasard() % 24));
            for (char& c : l)
                if (hasard() % 4 == 0) c = alphabet[hasard() % alphabet.size()];
            if (i % 10 == 0)
                l = "      " + l; // Locator_Vide: left out
            else
                attendu.push_back(l);
            lignes.push_back(l);
        }
        Ranger_Dans_Tab_Qso(std::move(lignes));
        Tab_Qso[3001] = "AA0000  stale line above Nb_Qso";
        std::sort(attendu.begin(), attendu.end());
        QCOMPARE(Lignes_Localisees(), attendu);
    }

    void cleanupTestCase() { Vider_Tab_Qso(); }
};

QTEST_GUILESS_MAIN(Test_Adif)
#include "test_adif.moc"
