// Every message box, file dialog and colour dialog of the program goes through
// this one interface, so that tests can answer them from a script.
#pragma once

#include <QColor>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <optional>

namespace tipolab {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box; returns the button the user chose.
    virtual QMessageBox::StandardButton
    message(const QString& text, const QString& title, QMessageBox::Icon icon,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;

    // A warning that does not stop the typing: it shows beside the window
    // without taking the keyboard, and closes with its OK button.
    virtual void notice(const QString& text, const QString& title, QMessageBox::Icon icon) = 0;

    // File dialogs. `filters` are Qt name filters such as "Tutti i file (*)";
    // the dialog shows only their descriptions, the text before the patterns.
    // `preselected` indexes them. Returns the chosen path, or an empty text when
    // the user cancels.
    virtual QString openFile(const QString& title, const QStringList& filters, int preselected,
                             const QString& initialName) = 0;
    virtual QString saveFile(const QString& title, const QStringList& filters, int preselected,
                             const QString& initialName) = 0;

    // A question whose buttons say what they do, in `buttons` order; returns
    // the index of the one chosen, or `escape` when the box is closed without a
    // choice. `preferred` is the button that Enter presses.
    virtual int choose(const QString& text, const QString& title, QMessageBox::Icon icon,
                       const QStringList& buttons, int preferred, int escape) = 0;

    // A folder dialog starting in `start`; the chosen folder, or an empty text
    // when the user cancels.
    virtual QString chooseFolder(const QString& title, const QString& start) = 0;

    // A colour dialog starting from `initial`; nothing when the user cancels.
    virtual std::optional<QColor> chooseColour(const QColor& initial) = 0;
};

// The save dialog of a PDF file, offering `offered`; empty when cancelled.
QString choosePdfFile(Dialogs& dialogs, const QString& offered);

} // namespace tipolab
