// The profile window: reached from every working window, in that window's
// colour; one line until the results are computed and current; the profile of
// the sample archive and its sheet, which agrees with the tool's; and a fresh
// assessment entered through the windows, which agrees with the tool's CSV.
#include "contents/profile_sheet.h"
#include "contents/snapshot_from_archive.h"
#include "output/rtf_writer.h"
#include "state/archive_file.h"
#include "state/number_format.h"
#include "test_dati.h"
#include "windows/designed_controls.h"
#include "windows/hexagon_chart_view.h"

#include <QDir>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace tipolab;

namespace {

const QString kNotComputed = QStringLiteral(
    "Nessun profilo: completare i dati e premere \u00abRisultati\u00bb nella finestra Dati.");
const QString kOutOfDate =
    QStringLiteral("I dati sono cambiati dopo l'ultimo calcolo: premere \u00abRisultati\u00bb "
                   "nella finestra Dati.");

// "&Profilo della persona", the entry of "&Visualizza" after the window entries
// in working window n.
profilo* openProfile(DataProgram& program, int window)
{
    auto* view = control<QMenu>(program.working(window), QStringLiteral("visu"));
    QAction* entry = view->actions().value(6);
    if (entry->objectName() != u"vediprofilo" || entry->text() != u"&Profilo della persona")
        return nullptr;
    entry->trigger();
    return qobject_cast<profilo*>(program.module.existingWindow(WindowId::Profilo));
}

bool showsOnlyTheLine(profilo* p)
{
    QStringList visible;
    for (const QWidget* w : p->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isVisibleTo(p)) visible << w->objectName();
    }
    visible.sort();
    return visible == QStringList({"chiudi", "guida", "professioni", "stato"}) && !p->shown();
}

// What the window shows, in its order: title, the indices of both profiles,
// the differences, the agreement and the sentence.
QStringList shownProfile(profilo* p)
{
    QStringList out{caption(p, "titolo")};
    for (const char* name : {"codice", "differenziazione", "primi", "coerenza"})
        out << caption(p, indexedName(name, 1)) + QStringLiteral(" | ") +
                   caption(p, indexedName(name, 2));
    QStringList differences;
    for (int t = 1; t <= kTypeCount; ++t)
        differences << caption(p, indexedName("differenza", t));
    return out << differences.join(u' ') << caption(p, "accordo") << caption(p, "frase");
}

// The figures of the tool's CSV columns 3 to 16, as the window shows them.
QStringList csvFigures(profilo* p)
{
    auto number = [&](const QString& name) {
        return QLocale::c().toString(captionValue(caption(p, name)), 'f', 2);
    };
    const QRegularExpressionMatch agreement =
        QRegularExpression(QStringLiteral("(\\d) su 3\\. \u03c1 di Spearman: (-?\\d+,\\d+)\\."))
            .match(caption(p, "accordo"));
    QStringList out{caption(p, "codice_1"),       caption(p, "codice_2"),
                    agreement.captured(1),        agreement.captured(2).replace(u',', u'.'),
                    number("differenziazione_1"), number("differenziazione_2"),
                    caption(p, "coerenza_1"),     caption(p, "coerenza_2")};
    for (int t = 1; t <= kTypeCount; ++t)
        out << number(indexedName("differenza", t));
    return out;
}

} // namespace

void TestProfilo::sampleFromEveryWindow_data()
{
    QTest::addColumn<int>("window");
    for (int n = 1; n <= 4; ++n)
        QTest::newRow(qPrintable(windowIdName(workingWindow(n)))) << n;
}

void TestProfilo::sampleFromEveryWindow()
{
    QFETCH(int, window);
    DataProgram program;
    program.types();
    openSample(program);
    clickButton(program.data(), QStringLiteral("avanti"));
    const QColor colour(200, 220, 240);
    program.working(window)->setBackgroundColour(colour);

    profilo* p = openProfile(program, window);
    QVERIFY(p);
    QVERIFY(p->isVisible());
    QCOMPARE(p->backgroundColour(), colour);
    QCOMPARE(shownProfile(p),
             QStringList({"Profilo di Mario Rossi", "RSI | (R/S)E", "29,03 | 21,42",
                          "R e S, distacco 3,22 | R e S, distacco 0,00 (non distinti)",
                          "bassa | bassa", "-4,16 -3,63 +0,68 -0,94 +4,60 +3,45",
                          "Tipi in comune tra i primi tre: 2 su 3. \u03c1 di Spearman: 0,928.\n"
                          "Tipo prevalente REALISTA, a pari merito con SOCIALE.",
                          "Rispetto al risultato analitico l'esaminato si sottovaluta soprattutto "
                          "nel tipo INTRAPRENDENTE (+4,60 punti) e si sopravvaluta soprattutto "
                          "nel tipo REALISTA (-4,16 punti)."}));
    QCOMPARE(control<QTableWidget>(p, "evidenze")->item(0, 1)->text(),
             QStringLiteral("asociale (massimo, peso 9%): 9,00\nconformista (massimo, peso 9%): "
                            "9,00\nschietto (massimo, peso 9%): 9,00"));
    QCOMPARE(control<HexagonChartView>(p, "grafico")->chart()->profiles().size(), 2);
    if (window != 3) return;

    // The sheet: under its name in the sheets' folder, the one the tool writes
    // from the same archive.
    clickButton(p, QStringLiteral("stampa"));
    QVERIFY(program.dialogs.messages.isEmpty());
    const RecordingOpener& opener = *program.documents.opener;
    QCOMPARE(opener.paths, QStringList{QDir(program.documents.path("fogli"))
                                           .filePath("Tipolab-foglio-profilo-Mario Rossi.doc")});
    const ArchiveLoad load = loadArchiveFile(kSample);
    QVERIFY(load.record);
    ReportWriter fromArchive;
    composeProfileSheet(fromArchive, sheetHeading(QStringLiteral("Mario Rossi")),
                        snapshotFromArchive(*load.record, {}).profile);
    QCOMPARE(textsOf(opener.documents[0]), textsOf(fromArchive.document()));
    QCOMPARE(toRtf(opener.documents[0]), toRtf(fromArchive.document()));
}

void TestProfilo::oneLineUntilComputedAndCurrent()
{
    DataProgram program;
    program.types();
    profilo* p = openProfile(program, 1);
    QVERIFY(p);
    QVERIFY(showsOnlyTheLine(p));
    QCOMPARE(caption(p, "stato"), kNotComputed);
    p->stampa_Click(); // refused with the check's message
    QVERIFY(program.documents.opener->paths.isEmpty());
    QCOMPARE(program.dialogs.messages.size(), 1);
    program.dialogs.clear();
    clickButton(p, QStringLiteral("guida"));
    QVERIFY(program.visibleWindows().contains(QStringLiteral("GuideProfile")));

    // The open window follows the computation.
    openSample(program);
    clickButton(program.data(), QStringLiteral("avanti"));
    QVERIFY(p->shown());
    QCOMPARE(caption(p, "codice_1"), QStringLiteral("RSI"));

    // A judgement changed after it: the results shown are no longer the data's.
    play(program.types(), QStringLiteral("t1 t1 j5"));
    QCOMPARE(openProfile(program, 1), p);
    QVERIFY(showsOnlyTheLine(p));
    QCOMPARE(caption(p, "stato"), kOutOfDate);
    clickButton(program.data(), QStringLiteral("avanti"));
    QVERIFY(p->shown());
    QVERIFY(!p->findChild<QLabel*>("stato")->isVisibleTo(p));
}

void TestProfilo::freshAssessmentAgreesWithTheTool()
{
    QTemporaryDir folder;
    DataProgram program;
    const QString file = enterComputeAndSave(program, folder);
    QVERIFY(!file.isEmpty());

    profilo* p = openProfile(program, 2);
    QVERIFY(p && p->shown());
    QCOMPARE(caption(p, "titolo"), QStringLiteral("Profilo di Maria Bianchi, 3\u00aa B"));

    QProcess tool;
    tool.start(QStringLiteral(TIPOLAB_BIN_DIR "/tipolab-cli"),
               {QStringLiteral("profilo"), QStringLiteral("--csv"), file});
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 0);
    const QString row = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n').value(1);
    // The person's name holds a comma: the tool quotes it.
    QStringList fields = row.section(u'"', 2).mid(1).split(u',');
    // No warning on the answers, in the tool and in the window.
    QCOMPARE(fields.takeLast(), QString());
    QVERIFY(caption(p, "attendibilita").startsWith(QStringLiteral("Nessuno schema")));
    QCOMPARE(fields, csvFigures(p));
}
