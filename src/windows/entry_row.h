// One row of the types or data window: the row number, the tick box, the name
// of what is judged, then the judgement word, the step and the coefficient.
#pragma once

#include <QList>
#include <QString>

class QCheckBox;
class QLabel;
class QWidget;

namespace tipolab {

// The columns of a row, in twips: left and width of each control.
struct EntryColumns {
    int numberLeft, numberWidth;
    int tickLeft, tickWidth;
    int nameLeft, nameWidth;
    int wordLeft, wordWidth;
    int stepLeft, stepWidth;
    int coeffLeft, coeffWidth;
};

// The array names that differ between the windows ("numero" or "num",
// "Label11" or "caratt"); the others are `cecc`, `giudiz`, `valor`, `coeff`.
struct EntryNames {
    const char* number;
    const char* name;
    bool boldName;
};

struct EntryRow {
    QLabel* number = nullptr;
    QCheckBox* tick = nullptr;
    QLabel* name = nullptr;
    QLabel* word = nullptr;
    QLabel* step = nullptr;
    QLabel* coefficient = nullptr;
};

// Row `index` at `top`, `height` twips high; the number label reads `index`.
EntryRow makeEntryRow(QWidget* parent, int index, int top, int height, const EntryColumns& columns,
                      const EntryNames& names);

// Tab goes through `controls` in this order.
void chainTabOrder(const QList<QWidget*>& controls);

} // namespace tipolab
