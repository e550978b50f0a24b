#include "entry_row.h"

#include "designed_controls.h"
#include "scaling/cls_resize.h"

#include <QCheckBox>
#include <QLabel>
#include <QWidget>

namespace tipolab {

EntryRow makeEntryRow(QWidget* parent, int index, int top, int height, const EntryColumns& columns,
                      const EntryNames& names)
{
    EntryRow row;
    row.number = newLabel(parent, indexedName(names.number, index), QString::number(index));
    row.number->setAlignment(Qt::AlignCenter);
    placeTwips(row.number, columns.numberLeft, top, columns.numberWidth, height);

    row.tick = new QCheckBox(parent);
    row.tick->setObjectName(indexedName("cecc", index));
    placeTwips(row.tick, columns.tickLeft, top, columns.tickWidth, height);

    row.name = newLabel(parent, indexedName(names.name, index));
    if (names.boldName) {
        QFont bold = row.name->font();
        bold.setBold(true);
        row.name->setFont(bold);
    }
    placeTwips(row.name, columns.nameLeft, top, columns.nameWidth, height);

    row.word = newLabel(parent, indexedName("giudiz", index));
    placeTwips(row.word, columns.wordLeft, top, columns.wordWidth, height);
    row.step = newLabel(parent, indexedName("valor", index));
    row.step->setAlignment(Qt::AlignCenter);
    placeTwips(row.step, columns.stepLeft, top, columns.stepWidth, height);
    row.coefficient = newLabel(parent, indexedName("coeff", index));
    row.coefficient->setAlignment(Qt::AlignCenter);
    placeTwips(row.coefficient, columns.coeffLeft, top, columns.coeffWidth, height);
    return row;
}

void chainTabOrder(const QList<QWidget*>& controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

} // namespace tipolab
