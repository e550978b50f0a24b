#include "designed_controls.h"

#include "scaling/cls_resize.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace tipolab {

QString indexedName(const char* name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QLabel* newLabel(QWidget* parent, const QString& objectName, const QString& text,
                 const QString& tooltip)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    // Names and addresses come from files and from what was typed: a label
    // shows its text as it stands, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setToolTip(tooltip);
    return label;
}

QLabel* newHeading(QWidget* parent, const QString& objectName, const QString& text,
                   const QString& tooltip, Qt::Alignment alignment)
{
    QLabel* heading = newLabel(parent, objectName, text, tooltip);
    setFontLook(heading, 1.0, true);
    heading->setAlignment(alignment | Qt::AlignVCenter);
    return heading;
}

QPushButton* newButton(QWidget* parent, const QString& objectName, const QString& caption,
                       const QString& tooltip)
{
    auto* button = new QPushButton(caption, parent);
    nameControl(button, objectName, QString(caption).remove(QLatin1Char('&')), tooltip);
    return button;
}

void nameControl(QWidget* control, const QString& objectName, const QString& accessibleName,
                 const QString& tooltip)
{
    control->setObjectName(objectName);
    control->setAccessibleName(accessibleName);
    control->setToolTip(tooltip);
}

QLabel* newGuidanceLine(QWidget* parent, const QString& tooltip)
{
    QLabel* passo = newLabel(parent, QStringLiteral("passo"), {}, tooltip);
    passo->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    passo->setIndent(6);
    passo->setWordWrap(true);
    QPalette palette = passo->palette();
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80)); // as in every window
    passo->setPalette(palette);
    return passo;
}

void addRule(QWidget* parent, int left, int top, int width)
{
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    placeTwips(rule, left, top, width, 30);
}

void setFontLook(QWidget* widget, double factor, bool bold)
{
    QFont font = widget->font();
    if (factor != 1.0) font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    widget->setFont(font);
}

} // namespace tipolab
