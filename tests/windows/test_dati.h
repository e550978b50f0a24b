// The data window and the archive commands, driven through the controls.
#pragma once

#include "test_paths.h"
#include "test_program.h"
#include "windows/weight_arrows.h"

#include <QObject>
#include <QTemporaryDir>
#include <QToolButton>

class TestDati : public QObject {
    Q_OBJECT
private slots:
    void judgementsAndIndicators_data();
    void judgementsAndIndicators();
    void eachTypeKeepsItsEntries();
    void windowMadeAgainShowsTheEntries();
    void guidanceLine_data();
    void guidanceLine();
    void check_data();
    void check();
    void helpOnTheNextStep_data();
    void helpOnTheNextStep();
    void clear_data();
    void clear();
    void risultatiChecksThenShowsTheResults();
    void weightFromTheKeyboard();
};

class TestArchiveCommands : public QObject {
    Q_OBJECT
private slots:
    void dialogsAndTheirCancel_data();
    void dialogsAndTheirCancel();
    void saveRefusedWithoutAName();
    void wholeAssessmentThroughTheWindows();
    void damagedFileIsRefusedWhole_data();
    void damagedFileIsRefusedWhole();
    void failedSaveIsReported();
    void deleteMovesTheFileToTheTrash();
};

class TestProfilo : public QObject {
    Q_OBJECT
private slots:
    void sampleFromEveryWindow_data();
    void sampleFromEveryWindow();
    void oneLineUntilComputedAndCurrent();
    void freshAssessmentAgreesWithTheTool();
};

class TestProfessioni : public QObject {
    Q_OBJECT
private slots:
    void sampleRankingLevelsSearchAndSheet();
    void freshAssessmentAgreesWithTheTool();
};

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void wholeAssessmentFromTheKeyboard();
};

class TestRegistro : public QObject {
    Q_OBJECT
private slots:
    void classFolderListedSortedSearchedAndOpened();
    void exportsWithoutNames();
};

class TestConfronto : public QObject {
    Q_OBJECT
private slots:
    void twoAssessmentsEnteredThroughTheWindows();
    void refusals_data();
    void refusals();
};

class TestWorkKept : public QObject {
    Q_OBJECT
private slots:
    void recoveryAfterAKill();
    void saveNeverUndoesAnotherSave();
    void lockTellsWhoHasTheFileOpen();
    void openAsksBeforeDroppingUnsavedWork();
    void newAssessmentRecentArchivesAndShortcuts();
    void saveDialogTypesOnTheOfferedName();
    void deleteAsksWhereThereIsNoTrash();
    void printsAfterAnOpenShowTheOpenedAssessment_data();
    void printsAfterAnOpenShowTheOpenedAssessment();
};

// The child process of TestWorkKept::recoveryAfterAKill.
int enterAndDie(const QString& recoveryFolder);

class TestWindowDocuments : public QObject {
    Q_OBJECT
private slots:
    void fullReportAgreesWithTheArchive();
    void printCommands_data();
    void printCommands();
    void newAssessmentDataSheet();
    void incompleteAssessmentGivesNoReport();
    void resultsAndReportAgreeWithTheTool_data();
    void resultsAndReportAgreeWithTheTool();
    void failedReportIsToldAndChangesNothing();
    void exportPdf_data();
    void exportPdf();
    void markupInNamesShowsAsText();
};

// Runs a script of actions on the data window: "t3" clicks the box of row 3,
// "j4" scale step 4, "u2" / "d2" the upper / lower weight arrow of row 2,
// "n" "&Caratteristiche successive", "c" the clear.
inline void play(tipolab::dati* w, const QString& script)
{
    for (const QString& step : script.split(u' ', Qt::SkipEmptyParts)) {
        const int n = step.mid(1).toInt();
        auto arrows = [&] {
            return control<tipolab::WeightArrows>(w, QStringLiteral("scrolla_%1").arg(n));
        };
        switch (step.at(0).toLatin1()) {
        case 't':
            clickBox(w, QStringLiteral("cecc_%1").arg(n));
            break;
        case 'j':
            clickButton(w, QStringLiteral("giud_%1").arg(n));
            break;
        case 'u':
            QTest::mouseClick(arrows()->upArrow(), Qt::LeftButton);
            break;
        case 'd':
            QTest::mouseClick(arrows()->downArrow(), Qt::LeftButton);
            break;
        case 'n':
            clickButton(w, QStringLiteral("successive"));
            break;
        case 'c':
            w->Toolbar1_ButtonClick(19);
            break;
        default:
            qFatal("unknown step %s", qPrintable(step));
        }
    }
}

// Ticks and judges the twelve rows on display, each with `step`.
inline QString judgeAll(int step)
{
    QString script;
    for (int c = 1; c <= tipolab::kCharacteristicCount; ++c)
        script += QStringLiteral("t%1 j%2 ").arg(c).arg(step);
    return script;
}

struct DataProgram : TestProgram {
    using TestProgram::TestProgram;
    tipolab::dati* data()
    {
        return qobject_cast<tipolab::dati*>(module.showWindow(tipolab::WindowId::Dati));
    }
    // The six general judgements entered in the types window.
    void judgeTypes() { play(types(), QString::fromLatin1(kAllJudged)); }
};

// Everything the windows show and the assessment holds, to tell whether a
// command changed anything.
QStringList windowState(DataProgram& program);

// The paragraphs of a document, its pictures and the cells of its tables, in
// order: enough to tell at a glance where two documents part.
QStringList textsOf(const tipolab::ReportDocument& document);

inline const QString kSample = QStringLiteral(TIPOLAB_TEST_DATA_DIR "/Tipolab-dati-esempio");

// Opens the sample archive through the data window.
inline void openSample(DataProgram& program)
{
    program.dialogs.fileAnswers << kSample;
    program.data()->Toolbar1_ButtonClick(1);
    QVERIFY(program.dialogs.messages.isEmpty());
}

// Types `name` as the examined person on the title page.
void typePersona(DataProgram& program, const QString& name);
// A complete assessment entered through the windows: every type of the types
// window, every characteristic of every type with its own steps and two
// weights moved by the arrows (the sum stays 100), and the title page.
tipolab::dati* enterWholeAssessment(DataProgram& program);

// The whole assessment entered, computed and saved as "Tipolab-dati-Bianchi" in
// `folder`; the file's path, or an empty text when the save told anything.
inline QString enterComputeAndSave(DataProgram& program, const QTemporaryDir& folder)
{
    const QString file = folder.filePath(QStringLiteral("Tipolab-dati-Bianchi"));
    tipolab::dati* w = enterWholeAssessment(program);
    clickButton(w, QStringLiteral("avanti"));
    program.dialogs.fileAnswers << file;
    w->Toolbar1_ButtonClick(2);
    return program.dialogs.messages.isEmpty() ? file : QString();
}
