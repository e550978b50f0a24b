// The weight arrows `scrolla` of a characteristic: a pair of small arrows, one
// above the other, holding a position from 0 to 100. The upper arrow raises
// the position by one, the lower arrow lowers it; held down, an arrow repeats.
// Only an arrow click that moves the position is reported: setting it from
// code is silent, so that a window can show a stored weight without taking it
// for an entry.
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

    QToolButton* upArrow() const { return m_up; }
    QToolButton* downArrow() const { return m_down; }

signals:
    // An arrow click moved the position.
    void changed(int position);

private:
    void step(int by);

    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    int m_position = 0;
};

} // namespace tipolab
