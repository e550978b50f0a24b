#include "qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace tipolab {
namespace {

QString preselectedFilter(const QStringList& filters, int preselected)
{
    return preselected >= 0 && preselected < filters.size() ? filters.at(preselected) : QString();
}

// The dialogs show each filter's description alone: "Tutti i file (*.*) (*)"
// reads "Tutti i file (*.*)" and matches every name, dotted or not.
constexpr QFileDialog::Options kFileDialogOptions = QFileDialog::HideNameFilterDetails;

} // namespace

std::unique_ptr<QMessageBox> QtDialogs::messageBox(const QString& text, const QString& title,
                                                   QMessageBox::Icon icon,
                                                   QMessageBox::StandardButtons buttons)
{
    auto box =
        std::make_unique<QMessageBox>(icon, title, text, buttons, QApplication::activeWindow());
    // Messages quote file names and what was typed: never read as markup.
    box->setTextFormat(Qt::PlainText);
    return box;
}

QMessageBox::StandardButton QtDialogs::message(const QString& text, const QString& title,
                                               QMessageBox::Icon icon,
                                               QMessageBox::StandardButtons buttons,
                                               QMessageBox::StandardButton defaultButton)
{
    const std::unique_ptr<QMessageBox> box = messageBox(text, title, icon, buttons);
    if (defaultButton != QMessageBox::NoButton) box->setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box->exec());
}

void QtDialogs::notice(const QString& text, const QString& title, QMessageBox::Icon icon)
{
    // Not modal and not activated: the keys that follow still reach the field
    // being typed in. One at a time, beside the window, level with the field,
    // so that it covers none of the fields; it closes itself with its window.
    static QPointer<QMessageBox> shown;
    if (shown) shown->close();
    QMessageBox* box = messageBox(text, title, icon, QMessageBox::Ok).release();
    shown = box;
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    box->setAttribute(Qt::WA_DeleteOnClose);
    if (const QWidget* field = QApplication::focusWidget(); field && field->screen()) {
        box->adjustSize();
        const QRect window = field->window()->frameGeometry();
        const QRect room = field->screen()->availableGeometry();
        const int top = field->mapToGlobal(QPoint(0, 0)).y();
        if (window.right() + 8 + box->width() <= room.right())
            box->move(window.right() + 8, top);
        else if (window.left() - 8 - box->width() >= room.left())
            box->move(window.left() - 8 - box->width(), top);
    }
    box->show();
}

QString QtDialogs::openFile(const QString& title, const QStringList& filters, int preselected,
                            const QString& initialName)
{
    QString selected = preselectedFilter(filters, preselected);
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, initialName,
                                        filters.join(QStringLiteral(";;")), &selected,
                                        kFileDialogOptions);
}

QString QtDialogs::saveFile(const QString& title, const QStringList& filters, int preselected,
                            const QString& initialName)
{
    // The program's own dialog, so that the name offered can be typed on:
    // "Tipolab-dati-" with the cursor after it and nothing selected.
    QFileDialog dialog(QApplication::activeWindow(), title, {}, filters.join(QStringLiteral(";;")));
    dialog.setOptions(kFileDialogOptions | QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectNameFilter(preselectedFilter(filters, preselected));
    const QFileInfo offered(initialName);
    if (!initialName.isEmpty()) {
        dialog.setDirectory(offered.absolutePath());
        dialog.selectFile(offered.fileName());
    }
    QTimer::singleShot(0, &dialog, [&dialog] {
        if (auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            name->deselect();
            name->end(false);
        }
    });
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

int QtDialogs::choose(const QString& text, const QString& title, QMessageBox::Icon icon,
                      const QStringList& buttons, int preferred, int escape)
{
    const std::unique_ptr<QMessageBox> box = messageBox(text, title, icon, QMessageBox::NoButton);
    QList<QPushButton*> pushed;
    for (const QString& caption : buttons)
        pushed << box->addButton(caption, QMessageBox::ActionRole);
    if (preferred >= 0 && preferred < pushed.size()) box->setDefaultButton(pushed[preferred]);
    if (escape >= 0 && escape < pushed.size()) box->setEscapeButton(pushed[escape]);
    box->exec();
    const int chosen = pushed.indexOf(qobject_cast<QPushButton*>(box->clickedButton()));
    return chosen < 0 ? escape : chosen;
}

QString QtDialogs::chooseFolder(const QString& title, const QString& start)
{
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, start,
                                             kFileDialogOptions | QFileDialog::ShowDirsOnly);
}

std::optional<QColor> QtDialogs::chooseColour(const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, QApplication::activeWindow());
    if (!chosen.isValid()) return std::nullopt; // cancelled
    return chosen;
}

} // namespace tipolab
