// A program for the help tests: every window made as the program makes it,
// dialogs scripted, the help's files in a temporary program folder and its
// documents recorded instead of handed to a word processor.
#pragma once

#include "app/window_registry.h"
#include "help/help_windows.h"
#include "recording_opener.h"
#include "shell/document_desk.h"
#include "shell/modulo_tipolab.h"
#include "windows/scripted_dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

struct HelpProgram {
    QTemporaryDir root;
    ScriptedDialogs dialogs;
    tipolab::ModuloTipolab module{dialogs, tipolab::InstallationData{}};
    std::shared_ptr<RecordingOpener> opener = std::make_shared<RecordingOpener>();
    tipolab::DocumentPlaces places;

    // The program lies in <root>/Tipolab; `places` may move its folders.
    explicit HelpProgram(
        const std::function<void(tipolab::DocumentPlaces&, const QString& root)>& adjust = {})
    {
        QDir(root.path()).mkpath(QStringLiteral("Tipolab"));
        places = {path("Tipolab"), path("Documenti"), path("fogli")};
        if (adjust) adjust(places, root.path());
        const auto desk = std::make_shared<tipolab::DocumentDesk>(dialogs, opener, places);
        tipolab::registerWindows(module, nullptr, desk);
        tipolab::registerHelpWindows(module, programDir(), desk);
    }

    QString path(const QString& name) const { return QDir(root.path()).filePath(name); }
    QString programDir() const { return path(QStringLiteral("Tipolab")); }

    void writeProgramFile(const QString& name, const QByteArray& bytes) const
    {
        QFile file(QDir(programDir()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    QWidget* show(tipolab::WindowId id)
    {
        QWidget* w = module.showWindow(id);
        if (w && !QTest::qWaitForWindowExposed(w)) qWarning("window not exposed");
        return w;
    }
};

// The object names of the windows on screen, sorted.
inline QStringList visibleWindows()
{
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !w->objectName().isEmpty()) names.append(w->objectName());
    }
    names.sort();
    return names;
}

inline void collectGarbage()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <class Control> Control* control(QWidget* window, const QString& name)
{
    auto* c = window ? window->findChild<Control*>(name) : nullptr;
    if (!c) qFatal("no control %s", qPrintable(name));
    return c;
}

inline void clickButton(QWidget* window, const QString& name)
{
    QTest::mouseClick(control<QAbstractButton>(window, name), Qt::LeftButton);
}
