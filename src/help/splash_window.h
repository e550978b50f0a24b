// The splash window: opens the program with its name and its tune, and waits
// for a click (start working) or a key (end the program). It comes back after
// the exit, reading "elaborazione eseguita con" above the program name.
#pragma once

#include "state/program_identity.h"

#include <QWidget>
#include <array>

class QLabel;

namespace tipolab {

class TunePlayer;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    // Form_Load: opens "Internet.mid" from the program's folder on `tune` and
    // plays it, then fills the labels. `tune` may be null (no sound at all);
    // it must outlive the window.
    frmSplash(const ProgramIdentity& identity, TunePlayer* tune, QWidget* parent = nullptr);

    // The return after the exit: the tune resumes, label(2) reads
    // "         elaborazione eseguita con" and the window comes to the front.
    void showAfterExit();

    // label(1) to label(5), numbered as the designer numbered them.
    QLabel* label(int index) const;

signals:
    // A click on the window, a label or the picture; the tune is paused first.
    void clicked();
    // A key; the tune is closed first. Closing the window is left to the owner.
    void keyPressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void loadPicture();
    void Form_Load();
    void Form_Click();
    void label_click(int index);
    void image1_click();
    void Form_KeyPress(int key);
    void pauseAndAnnounce();

    ProgramIdentity identity_;
    TunePlayer* MMControl1;          // not owned
    std::array<QLabel*, 6> label_{}; // label(1..5); slot 0 unused
    QLabel* Image1 = nullptr;
    bool pictureLoaded_ = false; // asked for at the first show
};

} // namespace tipolab
