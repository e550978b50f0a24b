// A program for the window tests: the module with the four working windows and,
// for every other window, a bare stand-in named after its id, so that a test
// sees which window a command showed. Dialogs are scripted; documents are
// written into a temporary folder and recorded instead of opened.
#pragma once

#include "recording_opener.h"
#include "scripted_dialogs.h"
#include "shell/modulo_tipolab.h"
#include "windows/confronto.h"
#include "windows/dati.h"
#include "windows/frontespizio.h"
#include "windows/professioni.h"
#include "windows/profilo.h"
#include "windows/registro.h"
#include "windows/risultati.h"
#include "windows/tipi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

inline QString windowIdName(tipolab::WindowId id)
{
    static const char* const names[] = {"tipi",
                                        "dati",
                                        "risultati",
                                        "frontespizio",
                                        "profilo",
                                        "confronto",
                                        "professioni",
                                        "registro",
                                        "Support",
                                        "About",
                                        "HelpContents",
                                        "Manual",
                                        "GuideOperation",
                                        "GuideArchive",
                                        "GuideTypes",
                                        "GuideData",
                                        "GuideResults",
                                        "GuideTitlePage",
                                        "GuideProfile",
                                        "GuideComparison",
                                        "GuideProfessions",
                                        "GuideRegister",
                                        "TipOfTheDay",
                                        "PriceList",
                                        "StudioData",
                                        "Splash"};
    return QString::fromLatin1(names[static_cast<int>(id)]);
}

struct TestProgram {
    ScriptedDialogs dialogs;
    RecordingDesk documents{dialogs};
    tipolab::ModuloTipolab module;

    explicit TestProgram(tipolab::InstallationData installation = {})
        : module(dialogs, std::move(installation))
    {
        using tipolab::WindowId;
        tipolab::DocumentDesk& desk = *documents.desk;
        module.registerWindow(WindowId::Tipi,
                              [this, &desk] { return new tipolab::tipi(module, desk); });
        module.registerWindow(WindowId::Dati,
                              [this, &desk] { return new tipolab::dati(module, desk); });
        module.registerWindow(WindowId::Risultati,
                              [this, &desk] { return new tipolab::risultati(module, desk); });
        module.registerWindow(WindowId::Frontespizio,
                              [this, &desk] { return new tipolab::frontespizio(module, desk); });
        module.registerWindow(WindowId::Profilo,
                              [this, &desk] { return new tipolab::profilo(module, desk); });
        module.registerWindow(WindowId::Confronto,
                              [this, &desk] { return new tipolab::confronto(module, desk); });
        module.registerWindow(WindowId::Professioni,
                              [this, &desk] { return new tipolab::professioni(module, desk); });
        module.registerWindow(WindowId::Registro,
                              [this, &desk] { return new tipolab::registro(module, desk); });
        for (int i = static_cast<int>(WindowId::Support); i < tipolab::kWindowIdCount; ++i) {
            const QString name = windowIdName(static_cast<WindowId>(i));
            module.registerWindow(static_cast<WindowId>(i), [name] {
                auto* w = new QWidget;
                w->setObjectName(name);
                return w;
            });
        }
    }

    tipolab::WorkingWindow* working(int number)
    {
        return qobject_cast<tipolab::WorkingWindow*>(
            module.showWindow(tipolab::workingWindow(number)));
    }
    tipolab::tipi* types() { return qobject_cast<tipolab::tipi*>(working(1)); }

    // The object names of the windows on screen, sorted.
    QStringList visibleWindows() const
    {
        QStringList names;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && !w->objectName().isEmpty()) names.append(w->objectName());
        }
        names.sort();
        return names;
    }
};

template <class Control> Control* control(QWidget* window, const QString& name)
{
    auto* c = window->findChild<Control*>(name);
    if (!c) qFatal("no control %s", qPrintable(name));
    return c;
}

inline QString caption(QWidget* window, const QString& name)
{
    return control<QLabel>(window, name)->text();
}

// Clicks the tick box of row `row` on its indicator, as a person would.
inline void clickBox(QWidget* window, const QString& name)
{
    auto* box = control<QCheckBox>(window, name);
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator =
        box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
}

inline void clickButton(QWidget* window, const QString& name)
{
    QTest::mouseClick(control<QAbstractButton>(window, name), Qt::LeftButton);
}

// Runs a script of actions on the types window: "t3" ticks or unticks row 3
// (a click on its box), "j4" clicks scale step 4, "c" clears the window.
inline void play(tipolab::tipi* w, const QString& script)
{
    for (const QString& step : script.split(u' ', Qt::SkipEmptyParts)) {
        const int n = step.mid(1).toInt();
        switch (step.at(0).toLatin1()) {
        case 't':
            clickBox(w, QStringLiteral("cecc_%1").arg(n));
            break;
        case 'j':
            clickButton(w, QStringLiteral("giud_%1").arg(n));
            break;
        case 'c':
            w->Toolbar1_ButtonClick(19);
            break;
        default:
            qFatal("unknown step %s", qPrintable(step));
        }
    }
}

// Ticks and judges all six types, type t with step t.
inline const char* const kAllJudged = "t1 j1 t2 j2 t3 j3 t4 j4 t5 j5 t6 j6";
