// The dialogs a person sees: QMessageBox, QFileDialog and QColorDialog, each
// shown over the window that is active at the time.
#pragma once

#include "dialogs.h"

#include <memory>

namespace tipolab {

class QtDialogs : public Dialogs {
public:
    // The message box `message` shows, not yet shown; its text is plain text.
    static std::unique_ptr<QMessageBox> messageBox(const QString& text, const QString& title,
                                                   QMessageBox::Icon icon,
                                                   QMessageBox::StandardButtons buttons);

    QMessageBox::StandardButton message(const QString& text, const QString& title,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    void notice(const QString& text, const QString& title, QMessageBox::Icon icon) override;
    QString openFile(const QString& title, const QStringList& filters, int preselected,
                     const QString& initialName) override;
    QString saveFile(const QString& title, const QStringList& filters, int preselected,
                     const QString& initialName) override;
    int choose(const QString& text, const QString& title, QMessageBox::Icon icon,
               const QStringList& buttons, int preferred, int escape) override;
    QString chooseFolder(const QString& title, const QString& start) override;
    std::optional<QColor> chooseColour(const QColor& initial) override;
};

} // namespace tipolab
