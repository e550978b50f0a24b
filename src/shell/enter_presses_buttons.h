// Enter presses the focused button in every window of the program, as Space
// does; Qt leaves Enter to the default button of a dialog only.
#pragma once

#include <QObject>

namespace tipolab {

class EnterPressesButtons : public QObject {
    Q_OBJECT
public:
    // Watches the keys of the whole application for as long as it lives.
    explicit EnterPressesButtons(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace tipolab
