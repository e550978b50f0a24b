#pragma once

#include <QObject>

class TestHelpWindows : public QObject {
    Q_OBJECT
private slots:
    void hoverMakesOneTopicBold_data();
    void hoverMakesOneTopicBold();
    void pressOpensTheTopicAndFramesTheLabel_data();
    void pressOpensTheTopicAndFramesTheLabel();
    void topicsOpenTheirWindows_data();
    void topicsOpenTheirWindows();
    void closedContentsKeepTheirFrames();
    void pages_data();
    void pages();
    void pageButtons();
    void fullGuide_data();
    void fullGuide();
    void workingWindowsReachTheHelp_data();
    void workingWindowsReachTheHelp();
    void exitClosesTheHelpWindows();
    void pageOpensOnItsOwnerAndReplacesTheLastOne();
};

class TestPriceList : public QObject {
    Q_OBJECT
private slots:
    void init();
    void refreshRefusesABadFileAndKeepsTheList_data();
    void refreshRefusesABadFileAndKeepsTheList();
    void refreshReplacesTheList();
};

class TestTips : public QObject {
    Q_OBJECT
private slots:
    void walkThroughTheTips_data();
    void walkThroughTheTips();
    void fileThatCannotBeRead_data();
    void fileThatCannotBeRead();
    void closeAndReopenKeepsTheTip();
};
