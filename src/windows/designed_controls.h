// The controls the results and title-page windows place at designed positions:
// labels, headings and buttons carrying their object name and tooltip, and the
// object names of control arrays ("tipol_1" .. "tipol_6").
#pragma once

#include <QColor>
#include <QString>
#include <Qt>

class QLabel;
class QPushButton;
class QWidget;

namespace tipolab {

// Dark blue, &HC00000: the prevailing type stands out in it.
inline const QColor kDarkBlue(0, 0, 192);

// "name_index", the object name of element `index` of a control array.
QString indexedName(const char* name, int index);

QLabel* newLabel(QWidget* parent, const QString& objectName, const QString& text = {},
                 const QString& tooltip = {});
// A bold label, centred unless told otherwise.
QLabel* newHeading(QWidget* parent, const QString& objectName, const QString& text,
                   const QString& tooltip = {}, Qt::Alignment alignment = Qt::AlignCenter);
// A button a screen reader names by its caption, the mnemonic aside.
QPushButton* newButton(QWidget* parent, const QString& objectName, const QString& caption,
                       const QString& tooltip);
// The object name, the name a screen reader says and the tooltip of `control`.
void nameControl(QWidget* control, const QString& objectName, const QString& accessibleName,
                 const QString& tooltip);
// The guidance line `passo`: a sunken panel with the next step in navy blue.
QLabel* newGuidanceLine(QWidget* parent, const QString& tooltip);
// A sunken horizontal rule at `top`, `width` twips long from `left`.
void addRule(QWidget* parent, int left, int top, int width);

// Scales the point size of `widget`'s font by `factor` and sets it bold or not.
void setFontLook(QWidget* widget, double factor, bool bold);

} // namespace tipolab
