#include "working_window.h"

#include "archive_commands.h"
#include "confronto.h"
#include "professioni.h"
#include "registro.h"
#include "dati.h"
#include "frontespizio.h"
#include "menu_bar_style.h"
#include "profilo.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace tipolab {
namespace {

const QColor kGrey(0xC0, 0xC0, 0xC0); // &HC0C0C0, the same restful grey for every window

FrameCommand showCommandOf(int windowNumber)
{
    constexpr FrameCommand commands[] = {FrameCommand::ShowTipi, FrameCommand::ShowDati,
                                         FrameCommand::ShowRisultati,
                                         FrameCommand::ShowFrontespizio};
    return commands[windowNumber - 1];
}

} // namespace

WorkingWindow::WorkingWindow(ModuloTipolab& module, DocumentDesk& desk, int windowNumber)
    : m_module(module), m_desk(desk), m_frame(windowFrame(windowNumber))
{
    setObjectName(QString::fromUtf8(m_frame.objectName));
    setWindowTitle(QString::fromUtf8(m_frame.caption));
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("client"));
    area->setAutoFillBackground(true);
    setCentralWidget(area);
    buildMenus();
    buildToolbar();
}

void WorkingWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    for (const MenuTitle& title : frameMenus()) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(title.caption));
        menu->setObjectName(QString::fromUtf8(title.objectName));
        for (int i = 0; i < title.count; ++i) {
            const MenuEntry& entry = title.entries[i];
            if (entry.isDivider()) {
                menu->addSeparator();
            } else if (entry.command == FrameCommand::Print && m_frame.printSubmenu) {
                QMenu* print = menu->addMenu(QString::fromUtf8(entry.caption));
                print->setObjectName(QString::fromUtf8(m_frame.printEntry));
                addEntry(print, "&modello di acquisizione dati", FrameCommand::PrintForm);
                addEntry(print, "&stampa dati finestra", FrameCommand::Print);
            } else {
                addEntry(menu, entry.caption, entry.command);
            }
        }
        if (title.entries == frameMenus()[0].entries)
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { listRecentArchives(menu); });
    }
    // The window-number title: no entries, it acts when clicked. Its leading
    // blanks stretch it to the right end of the menu bar.
    QAction* number = bar->addAction(windowNumberCaption(m_frame.number));
    number->setObjectName(QString::fromUtf8(m_frame.windowNumberEntry));
    number->setShortcut(QKeySequence(QString::fromLatin1(entryShortcut(FrameCommand::WindowGuide))));
    connect(number, &QAction::triggered, this, [this] { runCommand(FrameCommand::WindowGuide); });
    bar->setStyle(new MenuBarStyle(bar));
}

QAction* WorkingWindow::addEntry(QWidget* menu, const char* caption, FrameCommand command)
{
    auto* entry = new QAction(QString::fromUtf8(caption), menu);
    entry->setObjectName(QString::fromUtf8(entryObjectName(m_frame, command)));
    entry->setEnabled(hasCommand(command));
    if (const char* keys = entryShortcut(command))
        entry->setShortcut(QKeySequence(QString::fromLatin1(keys)));
    // The entry that names this window carries a check mark, and keeps it.
    const bool ownWindow = command == showCommandOf(m_frame.number);
    entry->setCheckable(ownWindow);
    entry->setChecked(ownWindow);
    menu->addAction(entry);
    connect(entry, &QAction::triggered, this, [this, entry, command, ownWindow] {
        if (ownWindow) entry->setChecked(true);
        runCommand(command);
    });
    return entry;
}

void WorkingWindow::buildToolbar()
{
    m_toolbar = addToolBar(QStringLiteral("Toolbar1"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_toolbar->setIconSize(QSize(20, 20));
    for (int index = 1; index <= kToolbarButtonCount; ++index) {
        const ToolbarButton& button = toolbarButton(index);
        QAction* action = nullptr;
        if (button.divider) {
            action = m_toolbar->addSeparator();
        } else {
            QString tooltip = QString::fromUtf8(button.tooltip);
            if (button.command == FrameCommand::Print)
                tooltip = QString::fromUtf8(m_frame.printTooltip);
            action = m_toolbar->addAction(
                QIcon(QStringLiteral(":/icons/") + QString::fromUtf8(button.icon)), tooltip);
            action->setToolTip(tooltip);
            action->setEnabled(hasCommand(button.command));
            connect(action, &QAction::triggered, this,
                    [this, index] { Toolbar1_ButtonClick(index); });
        }
        action->setObjectName(QStringLiteral("Toolbar1_%1").arg(index));
    }
}

void WorkingWindow::Toolbar1_ButtonClick(int index)
{
    if (index < 1 || index > kToolbarButtonCount) index = 1;
    // A divider's row carries the command of the button after it.
    runCommand(toolbarButton(index).command);
}

bool WorkingWindow::hasCommand(FrameCommand command) const
{
    switch (command) {
    case FrameCommand::Clear:
        return m_frame.hasClear;
    case FrameCommand::PrintForm:
        return m_frame.printSubmenu;
    default:
        return true;
    }
}

void WorkingWindow::runCommand(FrameCommand command)
{
    if (!hasCommand(command)) return;
    switch (command) {
    case FrameCommand::NewAssessment:
        nuova_Click();
        break;
    case FrameCommand::SaveAsNew:
        salvanuova_Click();
        break;
    case FrameCommand::Open:
        apri_Click();
        break;
    case FrameCommand::Save:
        salva_Click();
        break;
    case FrameCommand::SaveAs:
        salvanome_Click();
        break;
    case FrameCommand::Delete:
        elimina_click();
        break;
    case FrameCommand::Print:
        stampa_Click();
        break;
    case FrameCommand::PrintForm:
        modello_Click();
        break;
    case FrameCommand::ExportPdf:
        esportaPdf_Click();
        break;
    case FrameCommand::Exit:
        esci_Click();
        break;
    case FrameCommand::Colour:
        colorare_Click();
        break;
    case FrameCommand::Check:
        controlla_Click();
        break;
    case FrameCommand::Clear:
        cancellaFinestra();
        break;
    case FrameCommand::ShowTipi:
        fin1_Click();
        break;
    case FrameCommand::ShowDati:
        fin2_Click();
        break;
    case FrameCommand::ShowRisultati:
        fin3_Click();
        break;
    case FrameCommand::ShowFrontespizio:
        fin4_Click();
        break;
    case FrameCommand::ShowProfilo:
        profilo_Click();
        break;
    case FrameCommand::Compare:
        confronta_Click();
        break;
    case FrameCommand::ShowProfessioni:
        professioni_Click();
        break;
    case FrameCommand::Register:
        registro_Click();
        break;
    case FrameCommand::WindowGuide:
        finestra_Click();
        break;
    case FrameCommand::HelpContents:
        guida_Click();
        break;
    case FrameCommand::Tips:
        suggerimenti_Click();
        break;
    case FrameCommand::Support:
        supporto_Click();
        break;
    case FrameCommand::StudioData:
        studio_Click();
        break;
    case FrameCommand::About:
        informazioni_Click();
        break;
    }
}

void WorkingWindow::esportaPdf_Click()
{
    m_desk.exportPdf([this] { stampa_Click(); });
}

void WorkingWindow::showLoading(QLabel* passo)
{
    if (!m_desk.commands().writesPdf()) passo->setText(QString::fromLatin1(kLoadingWordProcessor));
}

void WorkingWindow::showWorkingWindow(int number)
{
    if (number == m_frame.number)
        askForWindowGuide();
    else
        m_module.showWindow(workingWindow(number));
}

void WorkingWindow::profilo_Click()
{
    auto* profile = m_module.windowAs<profilo>(WindowId::Profilo);
    if (!profile) return;
    profile->setBackgroundColour(backgroundColour());
    profile->aggiorna();
    m_module.showWindow(WindowId::Profilo);
}

void WorkingWindow::registro_Click()
{
    auto* reg = m_module.windowAs<registro>(WindowId::Registro);
    if (!reg) return;
    reg->setBackgroundColour(backgroundColour());
    if (!reg->scegliCartella()) return;
    m_module.showWindow(WindowId::Registro);
}

void WorkingWindow::professioni_Click()
{
    showProfessions(m_module, backgroundColour());
}

void WorkingWindow::confronta_Click()
{
    auto* comparison = m_module.windowAs<confronto>(WindowId::Confronto);
    if (!comparison || !comparison->confronta()) return;
    comparison->setBackgroundColour(backgroundColour());
    m_module.showWindow(WindowId::Confronto);
}

void WorkingWindow::askForWindowGuide()
{
    const QString question =
        QStringLiteral("E' questa la finestra '%1': si vuole la guida della finestra?")
            .arg(QString::fromUtf8(m_frame.name));
    const QString title =
        m_frame.helpPromptHelpTitle ? m_module.helpTitle() : m_module.programName();
    const auto answer =
        m_module.dialogs().message(question, title, QMessageBox::Question,
                                   QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer != QMessageBox::No) m_module.showGuidePage(guidePageOfWindow(m_frame.number));
}

void WorkingWindow::finestra_Click()
{
    m_module.showGuidePage(guidePageOfWindow(m_frame.number));
}

void WorkingWindow::colorare_Click()
{
    if (backgroundColour() != kGrey) {
        const auto answer = m_module.dialogs().message(
            QString::fromUtf8(m_frame.colourQuestion),
            m_module.programName() + QStringLiteral(": colore di sfondo"), QMessageBox::NoIcon,
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer != QMessageBox::No) {
            // Windows not loaded yet are loaded, not shown, to receive the grey.
            for (int n = 1; n <= 4; ++n) {
                if (auto* w = qobject_cast<WorkingWindow*>(m_module.window(workingWindow(n))))
                    w->setBackgroundColour(kGrey);
            }
            for (SheetWindow* sheet : SheetWindow::openWindows(m_module))
                sheet->setBackgroundColour(kGrey);
            return;
        }
    }
    // The dialog starts from the window's own colour; Cancel changes nothing.
    const std::optional<QColor> chosen = m_module.dialogs().chooseColour(backgroundColour());
    if (!chosen) return;
    m_module.setBackgroundColour(*chosen);
    setBackgroundColour(*chosen);
}

void WorkingWindow::tellCheckOutcome(bool complete, const QString& missing)
{
    AssessmentData& data = m_module.data();
    if (!complete) {
        m_module.dialogs().message(missing, m_module.checkTitle(), QMessageBox::Critical);
        return;
    }
    if (data.checkFlag == 1) {
        data.checkFlag = 0; // a silent check that passed
        return;
    }
    m_module.dialogs().message(QStringLiteral("I dati sono stati immessi correttamente."),
                               m_module.checkTitle(), QMessageBox::Information);
}

void WorkingWindow::esci_Click()
{
    m_module.confermauscita();
}

void WorkingWindow::guida_Click()
{
    m_module.showHelpContents();
}

void WorkingWindow::suggerimenti_Click()
{
    m_module.showTipOfTheDay();
}

void WorkingWindow::supporto_Click()
{
    m_module.showWindow(WindowId::Support);
}

void WorkingWindow::studio_Click()
{
    m_module.showWindow(WindowId::StudioData);
}

void WorkingWindow::informazioni_Click()
{
    m_module.showWindow(WindowId::About);
}

dati* WorkingWindow::dataWindow()
{
    return qobject_cast<dati*>(m_module.window(WindowId::Dati));
}

QString examinedPerson(const ModuloTipolab& module)
{
    const auto* titlePage =
        qobject_cast<const frontespizio*>(module.existingWindow(WindowId::Frontespizio));
    return titlePage ? titlePage->persona() : QString();
}

void WorkingWindow::apri_Click()
{
    dati* d = dataWindow();
    if (!d) return;
    if (m_frame.openShowsDataWindow) m_module.showWindow(WindowId::Dati);
    d->apri_Click();
}

void WorkingWindow::salva_Click()
{
    if (dati* d = dataWindow()) d->salva_Click();
}

void WorkingWindow::salvanome_Click()
{
    if (dati* d = dataWindow()) d->salvanome_Click();
}

void WorkingWindow::nuova_Click()
{
    if (dati* d = dataWindow()) d->archive().nuova();
}

void WorkingWindow::salvanuova_Click()
{
    if (dati* d = dataWindow()) d->archive().salvaComeNuova();
}

void WorkingWindow::recente_Click(int n)
{
    const QList<RecentArchive>& recent = m_module.recentArchives().list();
    dati* d = dataWindow();
    if (!d || n < 1 || n > recent.size()) return;
    const QString path = recent[n - 1].path; // the list changes as the file opens
    if (m_frame.openShowsDataWindow) m_module.showWindow(WindowId::Dati);
    d->archive().apriFile(path);
}

void WorkingWindow::listRecentArchives(QMenu* file)
{
    qDeleteAll(m_recentEntries);
    m_recentEntries.clear();
    const QList<RecentArchive>& recent = m_module.recentArchives().list();
    QAction* exit = file->actions().last(); // "Es&ci"
    for (int n = 1; n <= recent.size(); ++n) {
        const RecentArchive& r = recent[n - 1];
        // "&1 Mario Rossi (Tipolab-dati-Mario Rossi)"; an ampersand in a name is no mnemonic.
        QString caption = QStringLiteral("%1 (%2)").arg(
            r.persona.isEmpty() ? QStringLiteral("(senza nome)") : r.persona,
            QFileInfo(r.path).fileName());
        caption.replace(u'&', QStringLiteral("&&"));
        auto* entry = new QAction(QStringLiteral("&%1 ").arg(n) + caption, file);
        entry->setObjectName(QStringLiteral("recente_%1").arg(n));
        entry->setToolTip(QDir::toNativeSeparators(r.path));
        connect(entry, &QAction::triggered, this, [this, n] { recente_Click(n); });
        file->insertAction(exit, entry);
        m_recentEntries << entry;
    }
    if (!recent.isEmpty()) m_recentEntries << file->insertSeparator(exit);
}

void WorkingWindow::elimina_click()
{
    if (dati* d = dataWindow()) d->elimina_click();
}

void WorkingWindow::modello_Click()
{
    if (dati* d = dataWindow()) d->modelloacquisizione_click();
}

QColor WorkingWindow::backgroundColour() const
{
    return client()->palette().color(QPalette::Window);
}

void WorkingWindow::setBackgroundColour(const QColor& colour)
{
    QPalette palette = client()->palette();
    palette.setColor(QPalette::Window, colour);
    client()->setPalette(palette);
}

void WorkingWindow::sizeToScreen()
{
    sizeWindowToScreen(m_scaler, this, 9600, 6825);
}

void WorkingWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    m_scaler.ResizeControls();
}

} // namespace tipolab
