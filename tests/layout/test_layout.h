#pragma once

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

class TestReportWriter : public QObject {
    Q_OBJECT
private slots:
    void operations_data();
    void operations();
    void rtfCharacters_data();
    void rtfCharacters();
    void rtfFile();
    void pageCount_data();
    void pageCount();
    void reckonedPageCount_data();
    void reckonedPageCount();
};

class TestDocumentFiles : public QObject {
    Q_OBJECT
private slots:
    void reportFileNames_data();
    void reportFileNames();
    void differentNamesNeverShareAFile();
    void guideFileName();
    void reportGoesToDocumentsWhenNotBesideTheProgram_data();
    void reportGoesToDocumentsWhenNotBesideTheProgram();
    void failureLeavesEverythingAsItWas();
    void sheetsGoToTheirFolderUnderTellingNames();
    void sheetsFolderIsPrivate_data();
    void sheetsFolderIsPrivate();
    void previewExportsThePages();
};

class TestDocumentCli : public QObject {
    Q_OBJECT
private slots:
    void commands_data();
    void commands();
    void pdfDocuments_data();
    void pdfDocuments();
    void pdfThatCannotBeWritten_data();
    void pdfThatCannotBeWritten();
    void failedWriteKeepsTheOldDocument();
    void sheetWithoutOutputIsWholeOrNothing();
    void plantedLinkIsNotFollowed();
    void outputMustNotBeAnInput_data();
    void outputMustNotBeAnInput();
};

class TestLibreOffice : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void opensEveryDocument_data();
    void opensEveryDocument();
    void statedPageCountMatches_data();
    void statedPageCountMatches();
    void characteristicNamesStayOnOneLine_data();
    void characteristicNamesStayOnOneLine();

private:
    QString m_soffice;
    QTemporaryDir m_dir;
    QStringList m_documents;
};
