#include "archive/archive_codec.h"
#include "files/text_encoding.h"
#include "test_paths.h"
#include "test_state.h"
#include "test_support.h"

#include <QFile>
#include <QTest>

using namespace tipolab;
using tipolab::test::judged;

namespace {

std::string fixture(const char* name)
{
    QFile f(QStringLiteral(TIPOLAB_TEST_DATA_DIR "/") + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly)) qFatal("missing fixture %s", name);
    const QByteArray b = f.readAll();
    return std::string(b.constData(), b.size());
}

std::vector<std::string> lines(const std::string& bytes)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        out.push_back(bytes.substr(start, end - start));
    return out;
}

std::string withLine(const std::string& bytes, int lineNo, const std::string& content)
{
    std::vector<std::string> all = lines(bytes);
    all[lineNo - 1] = content;
    std::string out;
    for (const std::string& l : all)
        out += l + "\r\n";
    return out;
}

ArchiveRecord judgedRecord()
{
    ArchiveRecord r;
    r.title = {"Orientamento", "Anna Bianchi", "analisi", "Liceo, 5B", "Perugia", "oggi", ""};
    for (int t = 1; t <= kTypeCount; ++t) {
        r.types[t - 1] = judged(t);
        for (int c = 1; c <= kCharacteristicCount; ++c) {
            CharacteristicEntry& e = r.characteristics[t - 1][c - 1];
            static_cast<Judgement&>(e) = judged((t + c) % kStepCount + 1);
            e.weight = Value::text(std::to_string(c == 1 ? 12 : (c == 2 ? 0 : 8)));
        }
    }
    return r;
}

ArchiveRecord clearedRecord()
{
    ArchiveRecord r;
    r.title[kPersonaField] = "prova";
    for (int t = 1; t <= kTypeCount; ++t) {
        for (int c = 1; c <= kCharacteristicCount; ++c) {
            CharacteristicEntry& e = r.characteristics[t - 1][c - 1];
            e.tick = Value::number(0);
            e.word = e.step = e.coefficient = Value::text({});
            e.weight = Value::number(defaultWeight(c));
        }
    }
    return r;
}

} // namespace

void TestArchiveCodec::exampleLinesAreByteExact()
{
    ArchiveRecord r;
    r.title[kPersonaField] = "prova";
    r.types[0] = judged(2);
    static_cast<Judgement&>(r.characteristics[0][0]) = judged(3);
    r.characteristics[0][0].weight = Value::text("9");

    const std::string bytes = writeArchive(r);
    const std::vector<std::string> l = lines(bytes);
    QCOMPARE(int(l.size()), kArchiveLineCount);
    QVERIFY(bytes.ends_with("\r\n"));
    QCOMPARE(l[0], std::string(R"("","prova","","","","","")"));
    QCOMPARE(l[1], std::string(R"(1,"quasi massimo","2",.9)"));
    QCOMPARE(l[7], std::string(R"(1,"molto","3",.8,"9")"));
    QCOMPARE(l[2], std::string(",,,"));
    QCOMPARE(l[78], std::string(",,,,"));
}

void TestArchiveCodec::fixturesRewriteByteForByte_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("judged") << "Tipolab-dati-esempio";
    QTest::newRow("cleared") << "Tipolab-dati-azzerato";
    QTest::newRow("partly never set") << "Tipolab-dati-parziale";
}

void TestArchiveCodec::fixturesRewriteByteForByte()
{
    QFETCH(QString, name);
    const std::string bytes = fixture(name.toLatin1().constData());
    const ArchiveReadResult read = readArchive(bytes);
    QVERIFY2(read.record, read.error.describe().c_str());
    QCOMPARE(writeArchive(*read.record), bytes);
}

void TestArchiveCodec::statesRoundTrip_data()
{
    QTest::addColumn<int>("state");
    QTest::newRow("never set") << 0;
    QTest::newRow("cleared") << 1;
    QTest::newRow("judged") << 2;
}

void TestArchiveCodec::statesRoundTrip()
{
    QFETCH(int, state);
    const ArchiveRecord r = state == 0   ? ArchiveRecord{}
                            : state == 1 ? clearedRecord()
                                         : judgedRecord();
    const ArchiveReadResult read = readArchive(writeArchive(r));
    QVERIFY2(read.record, read.error.describe().c_str());
    QVERIFY(*read.record == r);
    if (state == 2) {
        // ".1" comes back as the single-precision 0.1 of step "minimo".
        QCOMPARE(float(read.record->types[9 % kTypeCount].coefficient.toNumber()),
                 float(r.types[9 % kTypeCount].coefficient.toNumber()));
        QCOMPARE(read.record->characteristics[0][0].weight, Value::text("12"));
    }
    if (state == 1) QCOMPARE(read.record->characteristics[0][0].weight, Value::number(9));
}

void TestArchiveCodec::readsValuesNotLines()
{
    const std::string bytes = fixture("Tipolab-dati-esempio");
    const ArchiveRecord expected = *readArchive(bytes).record;

    std::string oneLine = bytes;
    for (std::size_t p; (p = oneLine.find("\r\n")) != std::string::npos;)
        oneLine.replace(p, 2, ",");
    ArchiveReadResult read = readArchive(oneLine);
    QVERIFY2(read.record, read.error.describe().c_str());
    QVERIFY(*read.record == expected);

    std::string lfOnly = bytes;
    for (std::size_t p; (p = lfOnly.find("\r\n")) != std::string::npos;)
        lfOnly.replace(p, 2, "\n");
    read = readArchive(lfOnly);
    QVERIFY(read.record && *read.record == expected);
}

void TestArchiveCodec::readingRules_data()
{
    // A line replaced in a sound file, and how the writer gives it back.
    QTest::addColumn<int>("line");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("normalised");
    QTest::newRow("quoted comma, text after quote, bare text")
        << 1 << QByteArray(R"(  "a, b" ,"x"junk,  bare text  ,"","",,"")")
        << QByteArray(R"("a, b","x","bare text","","","","")");
    QTest::newRow("leading zero") << 2 << QByteArray(R"(1,"quasi massimo","2",0.9)")
                                  << QByteArray(R"(1,"quasi massimo","2",.9)");
    QTest::newRow("blanks around values") << 2 << QByteArray(R"( 1 , "quasi massimo" , "2" , .9 )")
                                          << QByteArray(R"(1,"quasi massimo","2",.9)");
    QTest::newRow("unquoted step and weight")
        << 8 << QByteArray(R"(1,"molto",3,.8,9)") << QByteArray(R"(1,"molto","3",.8,9)");
    QTest::newRow("whole coefficient")
        << 2 << QByteArray(R"(1,"massimo","1",1.0)") << QByteArray(R"(1,"massimo","1",1)");
    QTest::newRow("never set") << 3 << QByteArray(",,,") << QByteArray(",,,");
    QTest::newRow("cleared") << 9 << QByteArray(R"(0,"","","",8)") << QByteArray(R"(0,"","","",8)");
    QTest::newRow("unticked, its word and step kept")
        << 4 << QByteArray(R"(0,"molto","3",0)") << QByteArray(R"(0,"molto","3",0)");
    QTest::newRow("ticked, awaiting a judgement")
        << 10 << QByteArray(R"(1,"","",0,"9")") << QByteArray(R"(1,"","",0,"9")");
    QTest::newRow("the same single-precision coefficient")
        << 3 << QByteArray(R"(1,"leggermente","5",0.60000001)")
        << QByteArray(R"(1,"leggermente","5",.6)");
    QTest::newRow("a title field as long as the windows hold")
        << 1 << "\"\",\"" + QByteArray(kLongestTitleField, 'M') + "\",\"\",\"\",\"\",\"\",\"\""
        << "\"\",\"" + QByteArray(kLongestTitleField, 'M') + "\",\"\",\"\",\"\",\"\",\"\"";
}

void TestArchiveCodec::readingRules()
{
    QFETCH(int, line);
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, normalised);
    const std::string bytes =
        withLine(fixture("Tipolab-dati-esempio"), line, content.toStdString());
    const ArchiveReadResult read = readArchive(bytes);
    QVERIFY2(read.record, read.error.describe().c_str());
    QCOMPARE(QByteArray::fromStdString(lines(writeArchive(*read.record))[line - 1]), normalised);
}

void TestArchiveCodec::refusesDamagedFiles_data()
{
    QTest::addColumn<int>("line"); // 0: the whole file is replaced by `content`
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("errorLine");
    QTest::addColumn<int>("errorPosition");
    QTest::newRow("tick 2") << 2 << QByteArray(R"(2,"quasi massimo","2",.9)") << 2 << 1;
    QTest::newRow("word not on the scale") << 3 << QByteArray(R"(1,"tanto","5",.6)") << 3 << 2;
    QTest::newRow("step 12") << 8 << QByteArray(R"(1,"molto","12",.8,"9")") << 8 << 3;
    QTest::newRow("step not a number") << 8 << QByteArray(R"(1,"molto","tre",.8,"9")") << 8 << 3;
    QTest::newRow("coefficient 1.5") << 9 << QByteArray(R"(1,"molto","3",1.5,"9")") << 9 << 4;
    QTest::newRow("coefficient text") << 9 << QByteArray(R"(1,"molto","3","x","9")") << 9 << 4;
    QTest::newRow("weight 101") << 10 << QByteArray(R"(1,"molto","3",.8,"101")") << 10 << 5;
    QTest::newRow("weight 9.5") << 10 << QByteArray(R"(1,"molto","3",.8,9.5)") << 10 << 5;
    QTest::newRow("weight negative") << 79 << QByteArray(R"(1,"molto","3",.8,"-1")") << 79 << 5;
    QTest::newRow("a value missing") << 5 << QByteArray(R"(1,"molto",.8)") << 5 << 3;
    QTest::newRow("coefficient against step and word")
        << 2 << QByteArray(R"(1,"massimo","1",0)") << 2 << 0;
    QTest::newRow("word against step") << 3 << QByteArray(R"(1,"molto","5",.6)") << 3 << 0;
    QTest::newRow("step without a word") << 9 << QByteArray(R"(1,"","3",.8,"9")") << 9 << 0;
    QTest::newRow("empty coefficient with a step")
        << 8 << QByteArray(R"(1,"molto","3","","9")") << 8 << 0;
    QTest::newRow("coefficient never set with a step")
        << 8 << QByteArray(R"(1,"molto","3",,"9")") << 8 << 0;
    QTest::newRow("-0 with a step") << 7 << QByteArray(R"(1,"nullo","11",-0)") << 7 << 0;
    QTest::newRow("-0 after an untick") << 6 << QByteArray(R"(0,"medio","6",-0)") << 6 << 0;
    QTest::newRow("coefficient without a judgement") << 4 << QByteArray(R"(1,"","",.9)") << 4 << 0;
    QTest::newRow("a title field longer than the windows hold")
        << 1 << "\"\",\"\",\"\",\"\",\"" + QByteArray(kLongestTitleField + 1, 'x') + "\",\"\",\"\""
        << 1 << 5;
    QTest::newRow("empty file") << 0 << QByteArray() << 1 << 1;
    QTest::newRow("not an archive") << 0 << QByteArray("%PDF-1.4\n\x01\x02garbage") << 2 << 2;
}

void TestArchiveCodec::refusesDamagedFiles()
{
    QFETCH(int, line);
    QFETCH(QByteArray, content);
    QFETCH(int, errorLine);
    QFETCH(int, errorPosition);
    const std::string bytes =
        line == 0 ? content.toStdString()
                  : withLine(fixture("Tipolab-dati-esempio"), line, content.toStdString());
    const ArchiveReadResult read = readArchive(bytes);
    QVERIFY(!read.record);
    QCOMPARE(read.error.line, errorLine);
    QCOMPARE(read.error.position, errorPosition);
    QVERIFY(!read.error.reason.empty());
    QVERIFY(read.error.describe().starts_with("riga " + std::to_string(errorLine)));
}

// A refusal names the line and what is wrong with it, never quoting a field
// too long to read.
void TestArchiveCodec::refusalSaysWhatDisagrees()
{
    const std::string sample = fixture("Tipolab-dati-esempio");
    QCOMPARE(readArchive(withLine(sample, 2, R"(1,"massimo","1",0)")).error.describe(),
             std::string("riga 2: il giudizio \"massimo\", il valore del giudizio \"1\" e il "
                         "coefficiente 0 non concordano: al valore 1 corrispondono il giudizio "
                         "\"massimo\" e il coefficiente 1"));
    // Characters beyond the basic plane take two units, as in the windows.
    std::string smiles;
    for (int i = 0; i < kLongestTitleField / 2 + 1; ++i)
        smiles += "\xF0\x9F\x98\x80";
    const std::string wide =
        std::string(kUtf8Bom) + withLine(sample, 1, R"("",")" + smiles + R"(","","","","","")");
    QCOMPARE(readArchive(wide).error.describe(),
             std::string("riga 1, valore 2: il campo \u00abpersona\u00bb \u00e8 lungo 32768 "
                         "caratteri: le finestre ne contengono al massimo 32767"));
}

void TestArchiveCodec::ignoresContentAfterTheLastValue()
{
    const std::string bytes = fixture("Tipolab-dati-esempio");
    const ArchiveReadResult plain = readArchive(bytes);
    const ArchiveReadResult extra = readArchive(bytes + "altro,\"testo\"\r\n1,2,3\r\n");
    QVERIFY(extra.record && *extra.record == *plain.record);

    // A file cut short one line before the end is refused at that line.
    const std::string shorter = bytes.substr(0, bytes.rfind("\r\n", bytes.size() - 3) + 2);
    const ArchiveReadResult cut = readArchive(shorter);
    QVERIFY(!cut.record);
    QCOMPARE(cut.error.line, kArchiveLineCount);
}

void TestArchiveCodec::doubleQuoteBecomesApostrophe()
{
    ArchiveRecord r = judgedRecord();
    r.title[kPersonaField] = "Anna \"Nina\" Bianchi";
    const std::string bytes = writeArchive(r);
    QVERIFY(lines(bytes)[0].find("\"Anna 'Nina' Bianchi\"") != std::string::npos);
    const ArchiveReadResult read = readArchive(bytes);
    QVERIFY(read.record);
    QCOMPARE(read.record->title[kPersonaField], std::string("Anna 'Nina' Bianchi"));
    r.title[kPersonaField] = "Anna 'Nina' Bianchi";
    QVERIFY(*read.record == r); // everything after the field is read in step
}

void TestArchiveCodec::codePages_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("utf8");
    QTest::newRow("accents and euro fit the code page")
        << "Citt\u00e0, perch\u00e9 \u20ac 5 \u2030" << false;
    QTest::newRow("Polish letter") << "\u0141ukasz" << true;
    QTest::newRow("Japanese") << "\u65e5\u672c" << true;
    // As code page bytes "\u00c3\u00a8" would read as UTF-8 "\u00e8".
    QTest::newRow("code page bytes that are UTF-8") << "Citt\u00c3\u00a8" << true;
}

void TestArchiveCodec::codePages()
{
    QFETCH(QString, text);
    QFETCH(bool, utf8);
    ArchiveRecord r = judgedRecord();
    r.title[4] = text.toStdString();
    const std::string bytes = writeArchive(r);
    QCOMPARE(bytes.starts_with(kUtf8Bom), utf8);
    if (!utf8) // one byte per character: "à" is 0xE0
        QVERIFY(bytes.find('\xE0') != std::string::npos);
    const ArchiveReadResult read = readArchive(bytes);
    QVERIFY(read.record && *read.record == r);
}

void TestArchiveCodec::readsUtf8WithOrWithoutByteOrderMark()
{
    const std::string legacy = fixture("Tipolab-dati-esempio");
    const ArchiveReadResult a = readArchive(legacy);
    const ArchiveReadResult b = readArchive(std::string(kUtf8Bom) + decodeCp1252(legacy));
    QVERIFY(a.record && b.record && *a.record == *b.record);
    QCOMPARE(QString::fromStdString(a.record->title[5]), QStringLiteral("luned\u00ec, 7 dic 2026"));

    // Without the mark: UTF-8 where the bytes are UTF-8 with accented letters.
    const ArchiveReadResult unmarked = readArchive(decodeCp1252(legacy));
    QVERIFY(unmarked.record && *unmarked.record == *a.record);

    const ArchiveReadResult bad = readArchive(std::string(kUtf8Bom) + "\"abc\xC3\x28\"");
    QVERIFY(!bad.record);
    QCOMPARE(bad.error.line, 1);
}
