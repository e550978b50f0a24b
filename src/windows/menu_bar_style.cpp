#include "menu_bar_style.h"

#include <QAction>
#include <QApplication>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <QWidget>
#include <algorithm>

namespace tipolab {
namespace {

bool stretches(const QString& caption)
{
    return caption.startsWith(u' ');
}

} // namespace

MenuBarStyle::MenuBarStyle(QObject* owner)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
    setParent(owner);
}

QSize MenuBarStyle::captionSize(const QString& caption, const QStyleOption* option,
                                const QWidget* widget) const
{
    QStyleOptionMenuItem item;
    if (const auto* given = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) item = *given;
    item.text = caption;
    const QSize text = widget->fontMetrics().size(Qt::TextShowMnemonic, caption);
    return QProxyStyle::sizeFromContents(CT_MenuBarItem, &item, text, widget);
}

QSize MenuBarStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                     const QSize& size, const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type != CT_MenuBarItem || !item || !widget || !stretches(item->text))
        return QProxyStyle::sizeFromContents(type, option, size, widget);

    const QSize own = captionSize(item->text.trimmed(), option, widget);
    const int spacing = pixelMetric(PM_MenuBarItemSpacing, nullptr, widget);
    int used = 2 * (pixelMetric(PM_MenuBarPanelWidth, nullptr, widget) +
                    pixelMetric(PM_MenuBarHMargin, nullptr, widget)) +
               spacing;
    for (const QAction* action : widget->actions()) {
        if (!action->isVisible() || action->text() == item->text) continue;
        used += (action->isSeparator() ? 0 : captionSize(action->text(), option, widget).width()) +
                spacing;
    }
    const int room = widget->width() - used - spacing - 4;
    return QSize(std::max(own.width(), room), own.height());
}

void MenuBarStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuBarItem || !item || !widget || !stretches(item->text)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // The caption without its blanks, at the right end of the item's room.
    QStyleOptionMenuItem right(*item);
    right.text = item->text.trimmed();
    const int width = std::min(captionSize(right.text, option, widget).width(), item->rect.width());
    right.rect.setLeft(item->rect.right() - width + 1);
    QProxyStyle::drawControl(element, &right, painter, widget);
}

} // namespace tipolab
