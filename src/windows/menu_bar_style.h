// The look of the working windows' menu bar. A title whose caption begins with
// blanks (the window-number title) takes the room left at the right of the
// other titles, so that its caption stands at the right end of the bar, as the
// blanks intend; the caption itself keeps its blanks.
#pragma once

#include <QProxyStyle>

namespace tipolab {

class MenuBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    // The style lives as long as `owner`.
    explicit MenuBarStyle(QObject* owner);

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

private:
    QSize captionSize(const QString& caption, const QStyleOption* option,
                      const QWidget* widget) const;
};

} // namespace tipolab
