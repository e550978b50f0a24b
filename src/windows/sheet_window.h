// The frame the profile and comparison windows share: a window that shows
// what its sheet prints, with "S&tampa", "Esporta in &PDF", "&Guida" and
// "&Chiudi" in a row at the bottom right. It takes the colour of the window it
// is opened from and is scaled to the screen like the other windows.
#pragma once

#include "reports/document_desk.h"
#include "scaling/cls_resize.h"
#include "state/modulo_tipolab.h"

#include <QWidget>

class QPushButton;

namespace tipolab {

class SheetWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the figures of the assessment as it stands (or why there are none).
    virtual void aggiorna() = 0;
    // Writes the window's sheet; nothing while there is nothing on show.
    virtual void stampa_Click() = 0;
    // The sheet as a PDF file.
    void esportaPdf_Click();
    void guida_Click();
    void chiudi_Click();

    QColor backgroundColour() const;
    void setBackgroundColour(const QColor& colour);

    // The sheet windows already open, for what every one of them follows.
    static QList<SheetWindow*> openWindows(const ModuloTipolab& module);

protected:
    SheetWindow(ModuloTipolab& module, DocumentDesk& desk, WindowId guidePage, QWidget* parent);

    // The four buttons, the row ending `right` twips from the left and at
    // `top`; `sheet` names the sheet in their tooltips ("il foglio del profilo").
    void placeButtons(const QString& sheet, int right, int top);
    // Scales the window, designed `width` by `height` twips, to the screen.
    void sizeToScreen(int width, int height);
    void resizeEvent(QResizeEvent* event) override;

    ModuloTipolab& m_module;
    DocumentDesk& m_desk;
    QPushButton* stampa = nullptr;
    QPushButton* pdf = nullptr;
    QPushButton* guida = nullptr;
    QPushButton* chiudi = nullptr;

private:
    clsResize m_scaler;
    WindowId m_guidePage;
};

} // namespace tipolab
