#pragma once

#include <QObject>

class TestArchiveCodec : public QObject {
    Q_OBJECT
private slots:
    void exampleLinesAreByteExact();
    void fixturesRewriteByteForByte_data();
    void fixturesRewriteByteForByte();
    void statesRoundTrip_data();
    void statesRoundTrip();
    void readsValuesNotLines();
    void readingRules_data();
    void readingRules();
    void refusesDamagedFiles_data();
    void refusesDamagedFiles();
    void refusalSaysWhatDisagrees();
    void ignoresContentAfterTheLastValue();
    void doubleQuoteBecomesApostrophe();
    void codePages_data();
    void codePages();
    void readsUtf8WithOrWithoutByteOrderMark();
};

class TestArchiveFile : public QObject {
    Q_OBJECT
private slots:
    void saveThenLoad();
    void damagedFileLeavesMemoryUntouched_data();
    void damagedFileLeavesMemoryUntouched();
    void failedSaveLeavesExistingFile();
    void savesArePrivate();
    void saveToMissingFolderFails();
};

class TestInstallation : public QObject {
    Q_OBJECT
private slots:
    void missingFileGivesNeutralTexts();
    void readsStudioAndSupplier();
    void readingRules_data();
    void readingRules();
    void oversizedFileIsNotRead();
    void studioLookedForInOrder_data();
    void studioLookedForInOrder();
    void studioSavedAndReadBack();
    void programPaths_data();
    void programPaths();
    void numberFormats_data();
    void numberFormats();
    void numberFormatsAgreeWithTheLocale();
    void titlePageDateInItalian();
};
