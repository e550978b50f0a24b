// "Dati dello studio": the studio's name and address, which the title page and
// the report print, typed in the program and kept in the user's configuration
// file. The program asks for them after the splash while no one has named the
// studio; the "&?" menu of every working window opens the dialog at any time.
// It never blocks: it stays over the windows until its data are saved or put
// off, and its buttons act through the handlers below.
#pragma once

#include "shell/modulo_tipolab.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace tipolab {

class StudioDialog : public QDialog {
    Q_OBJECT
public:
    explicit StudioDialog(ModuloTipolab& module, QWidget* parent = nullptr);

    // "&Salva": saves what is typed in the user's file and puts it in force at
    // once. Refused with a message when the name is missing or a text is longer
    // than the title page takes; a file that cannot be written is reported and
    // the file saved before stays as it was. True when saved.
    bool salva_Click();
    // "Più &tardi" (or "&Annulla" once a studio is named): closes; nothing changes.
    void piutardi_Click();

protected:
    // Each showing starts from the data in force.
    void showEvent(QShowEvent* event) override;

private:
    ModuloTipolab& m_module;
    QLineEdit* nome = nullptr;
    QLineEdit* indirizzo = nullptr;
    QPushButton* piutardi = nullptr;
};

} // namespace tipolab
