// The judgement scale of the types and data windows: the frame "SCALA GIUDIZI"
// (`Frame1`) with the eleven step buttons `giud`, numbered from 1, top to bottom from
// "1 = massimo" to "11 = nullo", disabled until a row is ticked. From the
// keyboard a step is a key: 1 to 9, 0 for the tenth, N (or -) for the
// eleventh; Home and End go to the ends of the scale. The same key on a
// row's tick box ticks the row and judges it at once.
#pragma once

#include "core/model.h"
#include "contents/report_snapshot.h"

#include <QGroupBox>
#include <array>

class QCheckBox;
class QKeyEvent;
class QPushButton;

namespace tipolab {

// Where the frame and its buttons stand, in twips; the buttons relative to the frame.
struct ScaleLayout {
    int left;
    int top;
    int width;
    int height;
    int buttonTop;   // the first button
    int buttonPitch; // from one button to the next
    int buttonHeight;
    int buttonMargin; // on either side of the buttons
};

class ScaleFrame : public QGroupBox {
    Q_OBJECT
public:
    // `tooltip` names what the scale judges (a type, a characteristic).
    ScaleFrame(QWidget* parent, const QString& tooltip, const ScaleLayout& layout);

    // Step button n, 1..11.
    QPushButton* giud(int n) const { return m_giud[n]; }
    // The eleven captions as the buttons carry them, for the documents.
    ScaleCaptions captions() const;
    // attivaScala / disattivaScala.
    void setStepsEnabled(bool enabled);
    bool stepsEnabled() const;
    // Leads the keyboard through the rows whose tick boxes are `boxes`: a box
    // the examiner ticks (a click, or Space) leads to "1 = massimo", the
    // judgement then to the next row's box, after the last row to `next`.
    // Connect the window's judgement to stepClicked first.
    void guideKeyboard(const QList<QCheckBox*>& boxes, QWidget* next);

    // The step a key stands for, 1..11; 0 for any other key.
    static int stepOfKey(const QKeyEvent& event);

signals:
    // A click on step n, or Enter or Space on it.
    void stepClicked(int n);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A row's box and a step key: the row ticked anew and judged with that step.
    void judgeFromBox(QCheckBox* box, int step);

    std::array<QPushButton*, kStepCount + 1> m_giud{}; // slot 0 unused
    int m_ticked = -1; // the box the examiner ticked last, until its judgement
};

} // namespace tipolab
