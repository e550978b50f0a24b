// The dialogs of a test: every message, file dialog and colour dialog is
// recorded, and answered from a queue without ever showing anything. A message
// with no answer queued gets its default button (Yes where it has none and Yes
// is offered, else OK); a file dialog with none gets an empty path (cancel);
// a colour dialog with none is cancelled; a choice with none is closed
// without a choice (its escape button), so that no test saves by default.
#pragma once

#include "shell/dialogs.h"

#include <QList>

struct MessageCall {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
};

struct FileCall {
    bool save;
    QString title;
    QStringList filters;
    int preselected;
    QString initialName;
};

struct ChoiceCall {
    QString text;
    QString title;
    QStringList buttons;
    int preferred;
    int escape;
};

class ScriptedDialogs : public tipolab::Dialogs {
public:
    QList<MessageCall> messages;
    QList<FileCall> files;
    QList<QColor> colourStarts;
    QList<ChoiceCall> choices;

    QList<QMessageBox::StandardButton> messageAnswers;
    QList<QString> fileAnswers;
    QStringList folderStarts; // where each folder dialog started
    QList<QColor> colourAnswers;
    QList<int> choiceAnswers; // button indexes

    void clear()
    {
        messages.clear();
        files.clear();
        colourStarts.clear();
        choices.clear();
    }

    QMessageBox::StandardButton message(const QString& text, const QString& title,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override
    {
        messages.append({text, title, icon, buttons, defaultButton});
        if (!messageAnswers.isEmpty()) return messageAnswers.takeFirst();
        if (defaultButton != QMessageBox::NoButton) return defaultButton;
        return buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    }

    void notice(const QString& text, const QString& title, QMessageBox::Icon icon) override
    {
        messages.append({text, title, icon, QMessageBox::Ok, QMessageBox::NoButton});
    }

    QString openFile(const QString& title, const QStringList& filters, int preselected,
                     const QString& initialName) override
    {
        files.append({false, title, filters, preselected, initialName});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }

    QString saveFile(const QString& title, const QStringList& filters, int preselected,
                     const QString& initialName) override
    {
        files.append({true, title, filters, preselected, initialName});
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }

    int choose(const QString& text, const QString& title, QMessageBox::Icon,
               const QStringList& buttons, int preferred, int escape) override
    {
        choices.append({text, title, buttons, preferred, escape});
        return choiceAnswers.isEmpty() ? escape : choiceAnswers.takeFirst();
    }

    // Folders are answered from the file answers.
    QString chooseFolder(const QString&, const QString& start) override
    {
        folderStarts.append(start);
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    }

    std::optional<QColor> chooseColour(const QColor& initial) override
    {
        colourStarts.append(initial);
        if (colourAnswers.isEmpty()) return std::nullopt;
        return colourAnswers.takeFirst();
    }
};
