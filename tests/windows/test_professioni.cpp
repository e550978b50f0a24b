// The professions window: reached from the menu and the profile window, one
// line until the results are computed and current, the ranking of the sample
// with its levels, search and keyboard, the sheet it prints, and a fresh
// assessment entered through the windows, which agrees with the tool.
#include "contents/professions_sheet.h"
#include "contents/snapshot_from_archive.h"
#include "output/rtf_writer.h"
#include "state/archive_file.h"
#include "test_dati.h"
#include "windows/current_results.h"
#include "windows/designed_controls.h"
#include "windows/professioni.h"
#include "windows/profilo.h"
#include "windows/professions_model.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace tipolab;

namespace {

// "Pro&fessioni affini", the last entry of "&Visualizza" in working window n.
professioni* openProfessions(DataProgram& program, int window)
{
    QAction* entry = control<QMenu>(program.working(window), QStringLiteral("visu"))->actions().last();
    if (entry->objectName() != u"vediprofessioni") return nullptr;
    entry->trigger();
    return qobject_cast<professioni*>(program.module.existingWindow(WindowId::Professioni));
}

QString cell(const professioni* p, int row, int column)
{
    return p->model().data(p->model().index(row, column)).toString();
}

} // namespace

void TestProfessioni::sampleRankingLevelsSearchAndSheet()
{
    DataProgram program;
    program.types();
    professioni* p = openProfessions(program, 3);
    QVERIFY(p && p->isVisible());
    QVERIFY(!p->shown());
    QVERIFY(caption(p, "stato").startsWith(QStringLiteral("Nessuna professione")));

    openSample(program);
    clickButton(program.data(), QStringLiteral("avanti")); // the open window follows
    QVERIFY(p->shown());
    QCOMPARE(caption(p, "titolo"), QStringLiteral("Professioni affini a Mario Rossi"));
    QCOMPARE(caption(p, "codici"),
             QStringLiteral("Codice sintetico: RSI; codice analitico: (R/S)E."));
    QCOMPARE(p->model().rowCount(), 923);
    QCOMPARE(cell(p, 0, 1), QStringLiteral("Istruttore/trice di fitness e personal trainer"));
    QCOMPARE(cell(p, 0, 4), QStringLiteral("0,794")); // the user's decimal separator
    QVERIFY(caption(p, "descrizione").contains(QStringLiteral("39-9031.00")));

    // Every control a keyboard reaches has a name for a screen reader.
    for (QWidget* w : p->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isVisibleTo(p) && w->focusPolicy() != Qt::NoFocus)
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
    }

    // The keyboard moves through the table and the description follows.
    auto* table = control<QTableView>(p, "tabella");
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Down);
    QCOMPARE(table->currentIndex().row(), 1);
    QVERIFY(caption(p, "descrizione").startsWith(cell(p, 1, 1)));

    // Only the degrees, then a search, capitals and accents aside.
    for (int level = 1; level <= 3; ++level)
        control<QCheckBox>(p, indexedName("livello", level))->setChecked(false);
    QVERIFY(p->model().rowCount() > 0);
    for (int row = 0; row < p->model().rowCount(); ++row)
        QCOMPARE(cell(p, row, 3), QStringLiteral("4"));
    control<QLineEdit>(p, "cerca")->setText(QStringLiteral("ATTIVITA RICREATIVE"));
    QCOMPARE(p->model().rowCount(), 1);
    QCOMPARE(cell(p, 0, 1), QStringLiteral("Terapista delle attivit\u00e0 ricreative"));
    QCOMPARE(cell(p, 0, 0), QStringLiteral("12")); // its place in the whole ranking

    // The self-image ranks on the synthetic percentages.
    control<QComboBox>(p, "profilo")->setCurrentIndex(1);
    QVERIFY(p->shown()->synthetic);
    control<QComboBox>(p, "profilo")->setCurrentIndex(0);

    // The sheet: under its name in the sheets' folder, the one the tool writes.
    clickButton(p, QStringLiteral("stampa"));
    QVERIFY(program.dialogs.messages.isEmpty());
    const RecordingOpener& opener = *program.documents.opener;
    QCOMPARE(opener.paths, QStringList{QDir(program.documents.path("fogli"))
                                           .filePath("Tipolab-foglio-professioni-Mario Rossi.doc")});
    const ArchiveLoad load = loadArchiveFile(kSample);
    QVERIFY(load.record);
    const Profile profile = snapshotFromArchive(*load.record, {}).profile.profile;
    ReportWriter fromArchive;
    composeProfessionsSheet(fromArchive, sheetHeading(QStringLiteral("Mario Rossi")),
                            professionsSnapshot(profile.synthetic, profile.analytic, false, QLocale()));
    QCOMPARE(toRtf(opener.documents[0]), toRtf(fromArchive.document()));

    // A judgement changed: opened again, the window says the results are out of date.
    play(program.types(), QStringLiteral("t1 t1 j5"));
    QCOMPARE(openProfessions(program, 1), p);
    QVERIFY(!p->shown());
    QCOMPARE(caption(p, "stato"), kResultsOutOfDate);
    clickButton(p, QStringLiteral("guida"));
    QVERIFY(program.visibleWindows().contains(QStringLiteral("GuideProfessions")));
}

void TestProfessioni::freshAssessmentAgreesWithTheTool()
{
    QTemporaryDir folder;
    DataProgram program;
    const QString file = enterComputeAndSave(program, folder);
    QVERIFY(!file.isEmpty());

    // From the profile window's button.
    profilo* profile = program.module.windowAs<profilo>(WindowId::Profilo);
    QVERIFY(profile);
    program.module.showWindow(WindowId::Profilo);
    clickButton(profile, QStringLiteral("professioni"));
    auto* p = qobject_cast<professioni*>(program.module.existingWindow(WindowId::Professioni));
    QVERIFY(p && p->isVisible() && p->shown());

    QProcess tool;
    tool.start(QStringLiteral(TIPOLAB_BIN_DIR "/tipolab-cli"),
               {QStringLiteral("professioni"), QStringLiteral("--csv"), file});
    QVERIFY(tool.waitForFinished(30000));
    QCOMPARE(tool.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n');
    QCOMPARE(lines.value(0), QStringLiteral("posizione,onet_soc,titolo,isco08,gruppo,livello,"
                                            "affinita,lettere,lettere_in_comune"));
    QCOMPARE(lines.size(), 923 + 2); // the header, a row each, the last line end
    for (int row = 0; row < 923; row += 101) {
        const OccupationMatch* m = p->model().match(row);
        QVERIFY(m);
        const QString& line = lines[row + 1];
        QVERIFY2(line.startsWith(QStringLiteral("%1,%2,").arg(m->position).arg(
                     QString::fromLatin1(m->occupation->code.data(), 10))),
                 qPrintable(line));
        QVERIFY2(line.contains(QLatin1Char(',') + cell(p, row, 4).replace(u',', u'.') +
                               QLatin1Char(',') + cell(p, row, 5) + QLatin1Char(',') +
                               cell(p, row, 6)),
                 qPrintable(line));
    }
}
