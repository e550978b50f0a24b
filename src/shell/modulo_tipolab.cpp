#include "modulo_tipolab.h"

#include "enter_presses_buttons.h"
#include "window_placement.h"

#include <QApplication>
#include <QEvent>

namespace tipolab {

ModuloTipolab::ModuloTipolab(Dialogs& dialogs, InstallationData installation, QObject* parent)
    : QObject(parent), m_dialogs(dialogs), m_installation(std::move(installation))
{
    new EnterPressesButtons(this);
}

ModuloTipolab::~ModuloTipolab()
{
    for (QPointer<QWidget>& w : m_windows) {
        if (w) {
            w->removeEventFilter(this);
            delete w.data();
        }
    }
}

QString ModuloTipolab::programName() const
{
    return QString::fromStdString(m_identity.name);
}

QString ModuloTipolab::checkTitle() const
{
    return QString::fromStdString(m_identity.checkTitle());
}

QString ModuloTipolab::helpTitle() const
{
    return QString::fromStdString(m_identity.helpTitle());
}

void ModuloTipolab::registerWindow(WindowId id, WindowFactory factory)
{
    m_factories[static_cast<int>(id)] = std::move(factory);
}

void ModuloTipolab::setSplashReturn(std::function<void(QWidget*)> showAfterExit)
{
    m_splashReturn = std::move(showAfterExit);
}

QWidget* ModuloTipolab::existingWindow(WindowId id) const
{
    QWidget* w = slot(id);
    // A window closed by its title bar is gone, even before Qt deletes it.
    if (w && m_closed.contains(w) && w->isHidden()) return nullptr;
    return w;
}

QWidget* ModuloTipolab::window(WindowId id)
{
    if (QWidget* w = existingWindow(id)) return w;
    const WindowFactory& factory = m_factories[static_cast<int>(id)];
    if (!factory) return nullptr;
    QWidget* w = factory();
    if (!w) return nullptr;
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->installEventFilter(this);
    connect(w, &QObject::destroyed, this, [this](QObject* gone) { m_closed.remove(gone); });
    slot(id) = w;
    return w;
}

QWidget* ModuloTipolab::showWindow(WindowId id)
{
    QWidget* w = window(id);
    if (!w) return nullptr;
    if (w->isMinimized()) w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
    const bool opening = !w->isVisible();
    if (opening && opensOnItsOwner(id) && m_owner && m_owner != w && m_owner->isVisible())
        centreOnOwner(w, m_owner);
    w->show();
    w->raise();
    w->activateWindow();
    // The page asked for takes the place of the one on screen.
    for (int i = 0; isHelpPage(id) && i < kWindowIdCount; ++i) {
        QWidget* other = isHelpPage(WindowId(i)) ? existingWindow(WindowId(i)) : nullptr;
        if (other && other != w && other->isVisible()) other->close();
    }
    return w;
}

void ModuloTipolab::datiprogramma()
{
    m_identity = ProgramIdentity{};
}

void ModuloTipolab::start()
{
    showWindow(WindowId::Splash);
}

void ModuloTipolab::setInstallation(InstallationData installation)
{
    m_installation = std::move(installation);
    emit installationChanged();
}

void ModuloTipolab::mostratipi()
{
    showWindow(WindowId::Tipi);
    if (m_installation.studioUnset && !m_studioAsked) {
        m_studioAsked = true;
        showWindow(WindowId::StudioData);
    }
}

bool ModuloTipolab::confermauscita()
{
    const auto answer = m_dialogs.message(QString::fromStdString(m_identity.exitQuestion()),
                                          QString::fromStdString(ProgramIdentity::exitTitle()),
                                          QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                                          QMessageBox::No);
    if (answer != QMessageBox::Yes) return false;

    // The splash comes back first, so that a window stays visible throughout.
    if (QWidget* splash = window(WindowId::Splash)) {
        if (m_splashReturn) m_splashReturn(splash);
        showWindow(WindowId::Splash);
    }
    m_exiting = true;
    for (int i = static_cast<int>(WindowId::Tipi); i <= static_cast<int>(WindowId::StudioData);
         ++i) {
        const auto id = static_cast<WindowId>(i);
        if (QWidget* w = existingWindow(id); w && w->close()) slot(id) = nullptr;
    }
    m_exiting = false;
    return true;
}

void ModuloTipolab::chiudiSplash()
{
    for (WindowId id : {WindowId::Splash, WindowId::PriceList}) {
        if (QWidget* w = existingWindow(id); w && w->close()) slot(id) = nullptr;
    }
}

void ModuloTipolab::setHelpPage(const QString& title, const QString& text)
{
    m_helpPageTitle = title;
    m_helpPageText = text;
}

void ModuloTipolab::setGuidePrinter(GuidePrinter printer)
{
    m_guidePrinter = std::move(printer);
}

void ModuloTipolab::stampaguida()
{
    if (m_guidePrinter) m_guidePrinter(m_helpPageTitle, m_helpPageText);
}

void ModuloTipolab::showHelpContents()
{
    showWindow(WindowId::HelpContents);
}

void ModuloTipolab::showTipOfTheDay()
{
    showWindow(WindowId::TipOfTheDay);
}

void ModuloTipolab::showGuidePage(WindowId page)
{
    showWindow(page);
}

void ModuloTipolab::showPriceList()
{
    showWindow(WindowId::PriceList);
}

bool ModuloTipolab::isWorkingWindow(const QObject* w) const
{
    for (int n = 1; n <= 4; ++n) {
        if (w && slot(workingWindow(n)) == w) return true;
    }
    return false;
}

void ModuloTipolab::keepClosedWindow(QWidget* w)
{
    bool othersShown = false;
    for (WindowId id : {WindowId::Tipi, WindowId::Dati, WindowId::Risultati, WindowId::Frontespizio,
                        WindowId::Splash}) {
        const QWidget* other = existingWindow(id);
        othersShown |= other && other != w && other->isVisible();
    }
    if (othersShown)
        w->hide();
    else // once the close is over, as the exit closes this window too
        QMetaObject::invokeMethod(
            this, [this] { confermauscita(); }, Qt::QueuedConnection);
}

bool ModuloTipolab::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Close:
        if (!m_exiting && isWorkingWindow(watched)) {
            event->ignore();
            keepClosedWindow(static_cast<QWidget*>(watched));
            return true;
        }
        m_closed.insert(watched);
        scheduleVisibilityCheck();
        break;
    case QEvent::Show:
        m_closed.remove(watched);
        break;
    case QEvent::WindowActivate:
        m_owner = static_cast<QWidget*>(watched);
        break;
    case QEvent::Hide:
        scheduleVisibilityCheck();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void ModuloTipolab::scheduleVisibilityCheck()
{
    if (m_visibilityCheckPending) return;
    m_visibilityCheckPending = true;
    QMetaObject::invokeMethod(this, &ModuloTipolab::checkVisibleWindows, Qt::QueuedConnection);
}

void ModuloTipolab::checkVisibleWindows()
{
    m_visibilityCheckPending = false;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* w : windows) {
        const Qt::WindowType type = w->windowType();
        if (w->isVisible() && type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop)
            return;
    }
    emit noWindowVisible();
}

} // namespace tipolab
