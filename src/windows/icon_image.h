// A picture control showing an icon drawn to fit its area (aspect kept,
// centred), sharp at whatever size the window's scaler gives it.
#pragma once

#include <QIcon>
#include <QWidget>

namespace tipolab {

class IconImage : public QWidget {
    Q_OBJECT
public:
    explicit IconImage(const QIcon& icon, QWidget* parent = nullptr);

    const QIcon& icon() const { return m_icon; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon m_icon;
};

} // namespace tipolab
