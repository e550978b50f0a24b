#pragma once

#include <QObject>

class TestModel : public QObject {
    Q_OBJECT
private slots:
    void coefficientsShowTwoDecimals_data();
    void coefficientsShowTwoDecimals();
    void captionsKeepTheirTrailingBlanks_data();
    void captionsKeepTheirTrailingBlanks();
    void namesAreDistinctPerTypeAndAccented();
    void defaultWeightsSumToHundred();
};

class TestScoring : public QObject {
    Q_OBJECT
private slots:
    void twoDecimalValueRemovesFloatNoise();
    void roundHalfAwayFromZero_data();
    void roundHalfAwayFromZero();
    void shortcutsAgreeWithTheDecimalText();
    void meanSyntheticCoefficient_data();
    void meanSyntheticCoefficient();
    void overallJudgement_data();
    void overallJudgement();
    void indicatorsIgnoreUntickedCharacteristics();
    void meanCoefficientRoundsHalfUp();
    void weightedCoefficientOfUniformJudgements_data();
    void weightedCoefficientOfUniformJudgements();
    void weightedCoefficientIsNotNormalised();
    void workedExample();
    void rankingPutsTypesWithoutTicksLast();
    void equalKeysKeepTypeOrder();
    void zeroTotalsGiveZeroRelativeValues();
    void missingForResultsNamesEachGap();
};

class TestProfile : public QObject {
    Q_OBJECT
private slots:
    void profile_data();
    void profile();
    void codes_data();
    void codes();
    void evidenceOfAType();
    void percentileRanks_data();
    void percentileRanks();
};

class TestResponseStyle : public QObject {
    Q_OBJECT
private slots:
    void warnings_data();
    void warnings();
};
