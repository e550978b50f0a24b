// The frame of the four working windows `tipi`, `dati`, `risultati` and
// `frontespizio`: the menus, the twenty-button toolbar `Toolbar1`, window
// switching, the help prompt of the window itself, the background colour and
// the exit. What differs between the windows is read from their row of the
// frame table (window_frames.h); the window-specific commands (print, check,
// clear) are virtual. The print commands write through the program's
// document desk.
//
// A window places its controls in `client()`, the area below the toolbar, at
// designed positions in twips (about 9600 x 6000), then calls sizeToScreen().
#pragma once

#include "frame_command.h"
#include "shell/document_desk.h"
#include "scaling/cls_resize.h"
#include "shell/modulo_tipolab.h"
#include "window_frames.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QToolBar;

namespace tipolab {

class dati;

// The examined person's name as typed on the title page; empty while that
// window does not exist.
QString examinedPerson(const ModuloTipolab& module);

class WorkingWindow : public QMainWindow {
    Q_OBJECT
public:
    WorkingWindow(ModuloTipolab& module, DocumentDesk& desk, int windowNumber);

    int windowNumber() const { return m_frame.number; }
    const WindowFrame& frame() const { return m_frame; }

    // The toolbar's click handler: a divider acts as the button after it,
    // any index outside 1..20 as button 1.
    void Toolbar1_ButtonClick(int index);
    // What a menu entry or toolbar button of `command` does in this window.
    void runCommand(FrameCommand command);
    bool hasCommand(FrameCommand command) const;

    // Window switching: shows working window n; in the window itself, the
    // help prompt.
    void fin1_Click() { showWorkingWindow(1); }
    void fin2_Click() { showWorkingWindow(2); }
    void fin3_Click() { showWorkingWindow(3); }
    void fin4_Click() { showWorkingWindow(4); }
    // "&Profilo della persona": the profile window, brought up to date and in
    // this window's colour.
    void profilo_Click();
    // "Co&nfronta con un'altra valutazione...": the comparison window, after
    // the choice of the earlier archive, in this window's colour.
    void confronta_Click();
    void professioni_Click();
    void registro_Click();
    // The window-number title: the window's guide page at once.
    void finestra_Click();
    void colorare_Click();
    void esci_Click();
    void guida_Click();
    void suggerimenti_Click();
    void supporto_Click();
    void studio_Click(); // "&Dati dello studio...": the studio dialog
    void informazioni_Click();

    // The archive belongs to the data window: the others forward to it.
    virtual void apri_Click();
    virtual void salva_Click();
    virtual void salvanome_Click();
    virtual void elimina_click();
    // "N&uova valutazione" and "Salva come nuova &valutazione...".
    void nuova_Click();
    void salvanuova_Click();
    // Entry n (1..4) of the recent archives in "&File".
    void recente_Click(int n);
    // "&modello di acquisizione dati": the data window's blank form.
    virtual void modello_Click();
    virtual void stampa_Click() = 0;
    // "Esporta in &PDF...": the document of stampa_Click as a PDF file.
    void esportaPdf_Click();
    virtual void controlla_Click() = 0;
    virtual void cancellaFinestra() {}

    // The end of the types and data windows' checks: when `complete`, a
    // silent caller's check flag (at 1) goes back to 0 and nothing is shown,
    // otherwise the confirmation; when not, `missing` is shown and the flag
    // stays, so that a silent caller sees the check fail.
    void tellCheckOutcome(bool complete, const QString& missing);

    // The colour of the window's client area.
    QColor backgroundColour() const;
    void setBackgroundColour(const QColor& colour);

protected:
    ModuloTipolab& module() { return m_module; }
    const ModuloTipolab& module() const { return m_module; }
    QWidget* client() const { return centralWidget(); }
    DocumentDesk& desk() { return m_desk; }
    // The guidance line `passo` tells that the word processor is on its way,
    // unless the document goes to a PDF file.
    void showLoading(QLabel* passo);
    dati* dataWindow();
    QString examinedPerson() const { return tipolab::examinedPerson(m_module); }

    // The first steps of every window's load: the scaler sizes the window to
    // 75 % of the screen, then the window takes its own size, 9600 x 6825 twips.
    void sizeToScreen();

    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    QAction* addEntry(QWidget* menu, const char* caption, FrameCommand command);
    // The recent archives, listed in "&File" above "Es&ci" each time it opens.
    void listRecentArchives(QMenu* file);
    void showWorkingWindow(int number);
    void askForWindowGuide();
    QList<QAction*> m_recentEntries;

    ModuloTipolab& m_module;
    DocumentDesk& m_desk;
    const WindowFrame& m_frame;
    clsResize m_scaler;
    QToolBar* m_toolbar = nullptr;
};

} // namespace tipolab
