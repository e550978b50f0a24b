// A page of the online help: one class for the seven pages (`manuale`,
// `guidafunzionamento`, `guidaarchivio`, `guidatipi`, `guidadati`,
// `guidarisultati`, `guidafrontespizio`), each made from its row of the page
// table: its name, its title and text, its width and its left edge.
//
// "S&tampa" writes the page as a new document (`stampaguida`), "&Sommario"
// shows the help contents and "&Chiudi" unloads the page.
#pragma once

#include "help_texts.h"
#include "scaling/cls_resize.h"
#include "shell/window_id.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace tipolab {

class ModuloTipolab;

// The module's window of each page, and back.
WindowId helpPageWindowId(HelpPageId page);
HelpPageId helpPageOfWindow(WindowId window); // window: WindowId::Manual .. GuideTitlePage

class HelpPageWindow : public QWidget {
    Q_OBJECT
public:
    // Form_Load: the page's texts, then the scaler sizes the window to 75 % of
    // the screen and the window takes the page's own size and place.
    HelpPageWindow(ModuloTipolab& module, HelpPageId page, QWidget* parent = nullptr);

    HelpPageId page() const { return m_page; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeControls(int width, int height);
    void cmdchiudi_Click();
    void cmdSommario_Click();
    void cmdstampa_Click();

    ModuloTipolab& m_module;
    HelpPageId m_page;
    clsResize m_scaler;

    QLabel* Label1 = nullptr; // the page title
    QLabel* Label2 = nullptr; // the page text
    QPushButton* cmdChiudi = nullptr;
    QPushButton* cmdStampa = nullptr;
    QPushButton* cmdSommario = nullptr;
};

} // namespace tipolab
