#pragma once

#include <QObject>

class TestFullReport : public QObject {
    Q_OBJECT
private slots:
    void titlePage_data();
    void titlePage();
    void pageBreaks();
    void tables_data();
    void tables();
    void cells_data();
    void cells();
    void finalLayout_data();
    void finalLayout();
    void closingLines();
    void edgeCases_data();
    void edgeCases();
    void regionalDecimalSeparator();
};

class TestWindowSheets : public QObject {
    Q_OBJECT
private slots:
    void resultsSheet_data();
    void resultsSheet();
    void dataSheet();
    void newAssessment();
    void typesSheet_data();
    void typesSheet();
    void acquisitionForm();
};

class TestProfileSheet : public QObject {
    Q_OBJECT
private slots:
    void chartAxis_data();
    void chartAxis();
    void sampleSheet();
};

class TestComparison : public QObject {
    Q_OBJECT
private slots:
    void encodingsCompareAlike();
    void headingDates_data();
    void headingDates();
    void sheet_data();
    void sheet();
};
