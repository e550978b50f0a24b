// The program's standard module: the assessment shared by all windows, the
// program identity, the installation data, the dialogs, the windows themselves
// (created on first use and kept) and the shared routines `datiprogramma`,
// `mostratipi`, `confermauscita` and `stampaguida`.
//
// The module does not know the window classes: the application registers a
// factory for each window, so the state stays free of them.
#pragma once

#include "archive/assessment_data.h"
#include "dialogs.h"
#include "state/installation_data.h"
#include "state/program_identity.h"
#include "state/recent_archives.h"
#include "window_id.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QWidget>
#include <array>
#include <functional>

namespace tipolab {

class ModuloTipolab : public QObject {
    Q_OBJECT
public:
    using WindowFactory = std::function<QWidget*()>;

    ModuloTipolab(Dialogs& dialogs, InstallationData installation, QObject* parent = nullptr);
    // Destroys every window the module created.
    ~ModuloTipolab() override;

    AssessmentData& data() { return m_data; }
    const AssessmentData& data() const { return m_data; }
    const ProgramIdentity& identity() const { return m_identity; }
    const InstallationData& installation() const { return m_installation; }
    // New installation data, in force at once (the studio dialog saved them).
    void setInstallation(InstallationData installation);
    Dialogs& dialogs() { return m_dialogs; }

    QString programName() const;
    QString checkTitle() const; // title of the data checks and entry warnings
    QString helpTitle() const;  // title of the guidance messages

    // The colour last returned by a colour dialog in any working window.
    QColor backgroundColour() const { return m_backgroundColour; }
    void setBackgroundColour(const QColor& colour) { m_backgroundColour = colour; }

    // How window `id` is made. Without a factory the window does not exist and
    // asking to show it does nothing.
    void registerWindow(WindowId id, WindowFactory factory);
    // What the exit does to the splash window before showing it again.
    void setSplashReturn(std::function<void(QWidget*)> showAfterExit);

    // The window, created (not shown) on first use; nullptr without a factory.
    QWidget* window(WindowId id);
    template <class W> W* windowAs(WindowId id) { return qobject_cast<W*>(window(id)); }
    // The window if it exists, without creating it.
    QWidget* existingWindow(WindowId id) const;
    // Shows the window, creating it on first use, and brings it to the front
    // with its contents as they were. A help or tip window not yet on screen
    // opens centred on the window last made active; a help page takes the
    // place of the one on screen.
    QWidget* showWindow(WindowId id);

    // Sets the program identity.
    void datiprogramma();
    // Opens the program with the splash window.
    void start();
    // Shows the types window (a click on the splash); the first time, while no
    // one has named the studio, the studio dialog over it.
    void mostratipi();
    // The exit with its confirmation: on Yes every window is closed and the
    // splash returns; the assessment stays in memory. True on Yes.
    bool confermauscita();
    // A key in the splash: closes the splash and the price list.
    void chiudiSplash();

    // The help page title and text that `stampaguida` writes; a help page sets
    // them just before it calls it.
    void setHelpPage(const QString& title, const QString& text);
    const QString& helpPageTitle() const { return m_helpPageTitle; }
    // Where the copy of the assessment on display is kept against a crash;
    // empty (as in most tests) for no copy at all.
    void setRecoveryFolder(const QString& folder) { m_recoveryFolder = folder; }
    const QString& recoveryFolder() const { return m_recoveryFolder; }
    // The archives last opened or saved; kept only in memory (as in the tests)
    // until the application names the file that keeps them between sessions.
    RecentArchives& recentArchives() { return m_recent; }
    void keepRecentArchivesIn(const QString& file) { m_recent = RecentArchives(file); }

    // How a help page becomes a document; the application sets it.
    using GuidePrinter = std::function<void(const QString& title, const QString& text)>;
    void setGuidePrinter(GuidePrinter printer);
    // Writes the current help page title and text into a new document.
    void stampaguida();

    // The help windows, each shown (created on first use) and brought forward.
    void showHelpContents();
    void showTipOfTheDay();
    void showGuidePage(WindowId page);
    void showPriceList();

signals:
    // No window of the program is visible any more: the program should end.
    void noWindowVisible();
    // The installation data changed: the windows that show them show them anew.
    void installationChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget>& slot(WindowId id) { return m_windows[static_cast<int>(id)]; }
    const QPointer<QWidget>& slot(WindowId id) const { return m_windows[static_cast<int>(id)]; }
    void scheduleVisibilityCheck();
    void checkVisibleWindows();
    bool isWorkingWindow(const QObject* w) const;
    // A working window closed by its title bar keeps what it holds: it is
    // hidden, or, when no other working window and no splash is left on
    // screen, the exit question is asked as "USCITA" asks it.
    void keepClosedWindow(QWidget* w);

    Dialogs& m_dialogs;
    AssessmentData m_data;
    ProgramIdentity m_identity;
    InstallationData m_installation;
    QColor m_backgroundColour;
    std::array<WindowFactory, kWindowIdCount> m_factories;
    std::array<QPointer<QWidget>, kWindowIdCount> m_windows;
    std::function<void(QWidget*)> m_splashReturn;
    QString m_helpPageTitle;
    QString m_helpPageText;
    GuidePrinter m_guidePrinter;
    QPointer<QWidget> m_owner; // the module's window last made active
    QSet<QObject*> m_closed;   // closed by their title bar, awaiting deletion
    QString m_recoveryFolder;
    RecentArchives m_recent;
    bool m_visibilityCheckPending = false;
    bool m_exiting = false; // the exit is closing every window
    bool m_studioAsked = false;
};

} // namespace tipolab
