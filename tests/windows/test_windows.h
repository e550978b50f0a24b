#pragma once

#include <QObject>

class TestTipi : public QObject {
    Q_OBJECT
private slots:
    void judgementShowsWordStepCoefficientAndMean_data();
    void judgementShowsWordStepCoefficientAndMean();
    void meanOfTheCoefficients_data();
    void meanOfTheCoefficients();
    void guidanceLine_data();
    void guidanceLine();
    void untickWithdrawsTheJudgement();
    void tickFromCodeRunsTheTickProcedure();
    void check_data();
    void check();
    void helpOnTheNextStep_data();
    void helpOnTheNextStep();
    void clear_data();
    void clear();
};

class TestFrame : public QObject {
    Q_OBJECT
private slots:
    void menuBarOfEachWindow_data();
    void menuBarOfEachWindow();
    void windowNumberTitleOpensTheGuideAtOnce_data();
    void windowNumberTitleOpensTheGuideAtOnce();
    void helpPromptOfTheWindowItself_data();
    void helpPromptOfTheWindowItself();
    void toolbarButtons_data();
    void toolbarButtons();
    void dividersAndStrayIndicesActAsAnotherButton_data();
    void dividersAndStrayIndicesActAsAnotherButton();
    void typesMenuEntriesActAsTheirButtons_data();
    void typesMenuEntriesActAsTheirButtons();
    void resultsWindowHasNoClear();
    void greySpreadsToAllFourWindows_data();
    void greySpreadsToAllFourWindows();
    void colourDialogOfEachWindow();
    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void keyboardFlowOfTheEntryWindows_data();
    void keyboardFlowOfTheEntryWindows();
};

class TestRisultati : public QObject {
    Q_OBJECT
private slots:
    void calcolo_data();
    void calcolo();
    void sentenceNamesThePerson_data();
    void sentenceNamesThePerson();
    void beforeAnyComputation();
    void resultsLastUntilTheNextComputation();
    void checkIsTheDataWindowCheck();
};

class TestFrontespizio : public QObject {
    Q_OBJECT
private slots:
    void loadAndClear();
    void lengthWarning_data();
    void lengthWarning();
    void check_data();
    void check();
    void studioValuesCannotBeChanged();
    void fieldsStayOnOneLine();
    void studioDialog_data();
    void studioDialog();
};
