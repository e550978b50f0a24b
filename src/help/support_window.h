// The support window: how customers reach the supplier, and the supplier's
// contact data for this installation. "OK" only hides it.
#pragma once

#include "state/installation_data.h"

#include <QDialog>

class QPushButton;

namespace tipolab {

class supportoclienti : public QDialog {
    Q_OBJECT
public:
    explicit supportoclienti(const InstallationData& installation, QWidget* parent = nullptr);

private:
    void Command1_Click();

    QPushButton* Command1 = nullptr;
};

} // namespace tipolab
