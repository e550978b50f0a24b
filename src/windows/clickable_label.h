// A label that reports a click of the left mouse button, for values that are
// shown but answer a click with a message.
#pragma once

#include <QLabel>

namespace tipolab {

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    // Shows its text as it stands, never as markup.
    explicit ClickableLabel(QWidget* parent = nullptr) : QLabel(parent)
    {
        setTextFormat(Qt::PlainText);
    }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tipolab
