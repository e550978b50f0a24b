// The about window: the program's name, description, edition and version.
// "OK" only hides it; it shows again unchanged.
#pragma once

#include "state/program_identity.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tipolab {

class informa : public QDialog {
    Q_OBJECT
public:
    explicit informa(const ProgramIdentity& identity, QWidget* parent = nullptr);

private:
    void Form_Load();
    void cmdOK_Click();

    ProgramIdentity identity_;
    QLabel* Image1 = nullptr;
    QLabel* Label1 = nullptr; // program name
    QLabel* Label2 = nullptr; // description
    QLabel* Label6 = nullptr; // edition, version and years
    QLabel* Label5 = nullptr; // platform
    QPushButton* cmdOK = nullptr;
};

} // namespace tipolab
