#include "scale_frame.h"

#include "designed_controls.h"
#include "scaling/cls_resize.h"
#include "state/qt_text.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>

namespace tipolab {

ScaleFrame::ScaleFrame(QWidget* parent, const QString& tooltip, const ScaleLayout& layout)
    : QGroupBox(QStringLiteral("SCALA GIUDIZI"), parent)
{
    setObjectName(QStringLiteral("Frame1"));
    QFont frameFont = font();
    frameFont.setBold(true);
    setFont(frameFont);
    setToolTip(tooltip);
    placeTwips(this, layout.left, layout.top, layout.width, layout.height);
    // The captions carry blanks that pad them to one length: read left-aligned.
    setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding-left: 6px; }"));
    for (int n = 1; n <= kStepCount; ++n) {
        m_giud[n] =
            newButton(this, indexedName("giud", n), toQString(stepCaption(n)),
                      toQString(stepTooltip(n)) + QStringLiteral(" (tasto %1)")
                                                      .arg(n < 10    ? QString::number(n)
                                                           : n == 10 ? QStringLiteral("0")
                                                                     : QStringLiteral("N")));
        m_giud[n]->setFont(parent->font()); // the frame's title only is bold
        m_giud[n]->setEnabled(false);
        placeTwips(m_giud[n], layout.buttonMargin, layout.buttonTop + (n - 1) * layout.buttonPitch,
                   layout.width - 2 * layout.buttonMargin, layout.buttonHeight);
        connect(m_giud[n], &QPushButton::clicked, this, [this, n] { emit stepClicked(n); });
        m_giud[n]->installEventFilter(this);
    }
}

int ScaleFrame::stepOfKey(const QKeyEvent& event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return 0;
    const int key = event.key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9) return key - Qt::Key_0;
    if (key == Qt::Key_0) return 10;
    if (key == Qt::Key_N || key == Qt::Key_Minus) return kStepCount;
    return 0;
}

void ScaleFrame::judgeFromBox(QCheckBox* box, int step)
{
    if (!box->isEnabled()) return;
    // As a person does it: a row already judged is unticked and ticked again.
    if (box->isChecked()) box->click();
    box->click();
    if (m_giud[step]->isEnabled()) m_giud[step]->click();
}

// Up and Down move along the scale, Home and End to its ends; a step key
// judges at once. Enter on a focused step is the program's own: it presses
// every focused button (shell/enter_presses_buttons.h).
bool ScaleFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QGroupBox::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (auto* box = qobject_cast<QCheckBox*>(watched)) {
        const int step = stepOfKey(key);
        if (step == 0) return false;
        judgeFromBox(box, step);
        return true;
    }
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button) return QGroupBox::eventFilter(watched, event);
    const int n =
        static_cast<int>(std::find(m_giud.begin(), m_giud.end(), button) - m_giud.begin());
    if (const int step = stepOfKey(key)) {
        m_giud[step]->click();
        return true;
    }
    switch (key.key()) {
    case Qt::Key_Home:
        m_giud[1]->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_End:
        m_giud[kStepCount]->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Up:
        if (n > 1) m_giud[n - 1]->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Down:
        if (n < kStepCount) m_giud[n + 1]->setFocus(Qt::OtherFocusReason);
        return true;
    default:
        return QGroupBox::eventFilter(watched, event);
    }
}

void ScaleFrame::guideKeyboard(const QList<QCheckBox*>& boxes, QWidget* next)
{
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        boxes[i]->installEventFilter(this);
        connect(boxes[i], &QCheckBox::clicked, this, [this, i](bool ticked) {
            if (!ticked) return;
            m_ticked = static_cast<int>(i);
            m_giud[1]->setFocus(Qt::OtherFocusReason);
        });
    }
    connect(this, &ScaleFrame::stepClicked, this, [this, boxes, next] {
        if (m_ticked < 0) return;
        QWidget* after = m_ticked + 1 < boxes.size() ? boxes[m_ticked + 1] : next;
        after->setFocus(Qt::OtherFocusReason);
        m_ticked = -1;
    });
}

void ScaleFrame::setStepsEnabled(bool enabled)
{
    for (int n = 1; n <= kStepCount; ++n)
        m_giud[n]->setEnabled(enabled);
}

bool ScaleFrame::stepsEnabled() const
{
    return m_giud[1]->isEnabled();
}

ScaleCaptions ScaleFrame::captions() const
{
    ScaleCaptions out;
    for (int n = 1; n <= kStepCount; ++n)
        out[n - 1] = m_giud[n]->text();
    return out;
}

} // namespace tipolab
