// The weight arrows `scrolla` of a characteristic: a pair of small arrows side
// by side, each the height of a row, holding a position from 0 to 100. The up
// arrow raises the position by one, the down arrow lowers it; held down, an
// arrow repeats. The pair takes the keyboard focus: Up and + raise
// the position, Down and - lower it, as the arrows do; digits type a weight
// (each digit shown at once; one that would pass 100 is not taken) and Enter
// or any other key ends it, so that the next digit begins a new one. A screen
// reader reads it as a spin box whose value is the position.
// Only a change made by a person (an arrow, a key, the accessibility bus) is
// reported: setting the position from code is silent, so that a window can
// show a stored weight without taking it for an entry.
#pragma once

#include <QWidget>

class QToolButton;

namespace tipolab {

class WeightArrows : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinimum = 0;
    static constexpr int kMaximum = 100;

    explicit WeightArrows(QWidget* parent = nullptr);

    int position() const { return m_position; }
    // Sets the position, kept within 0..100, without reporting a change.
    void setPosition(int position);
    // Moves the position by `by` within 0..100, as an arrow click does.
    void step(int by);

    QToolButton* upArrow() const { return m_up; }
    QToolButton* downArrow() const { return m_down; }

signals:
    // A person moved the position.
    void changed(int position);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showFocus(bool focused);

    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    int m_position = 0;
    QString m_typed; // the digits of the weight being typed
};

} // namespace tipolab
