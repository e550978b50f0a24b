// The frame the profile and comparison windows share: a window that shows
// what its sheet prints, with "S&tampa", "Esporta in &PDF", "&Guida" and
// "&Chiudi" in a row at the bottom right. It takes the colour of the window it
// is opened from and is scaled to the screen like the other windows.
#pragma once

#include "shell/document_desk.h"
#include "scaling/cls_resize.h"
#include "shell/modulo_tipolab.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace tipolab {

class HexagonChartView;

// The designed frame of a sheet window, in twips.
namespace sheet {
inline constexpr int kFormWidth = 11400, kFormHeight = 9600;
inline constexpr int kLeft = 120, kInner = kFormWidth - 2 * kLeft;
inline constexpr int kTitleTop = 120, kTitleHeight = 330;
inline constexpr int kButtonsTop = 9120;
inline constexpr int kButtonWidth = 1500, kButtonHeight = 375, kButtonGap = 120;
} // namespace sheet

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

    // The title and, in its place while there is nothing to show, the line
    // `stato`, `stateLines` lines high (wrapped when more than one).
    void placeHead(int stateLines);
    // The chart view "grafico" at `top` on the left, `width` by `height`.
    void placeChart(const QString& tooltip, int top, int width, int height);
    // The four buttons in a row at the bottom right; `sheet` names the sheet
    // in their tooltips ("il foglio del profilo").
    void placeButtons(const QString& sheet);
    // Scales the window to the screen.
    void sizeToScreen();
    // Shows the controls of the sheet (`m_sheetControls`), or only the line
    // `stato` with the buttons that still make sense.
    void showSheet(bool visible);
    // Nothing on show: the chart emptied and `why` in the line `stato`.
    void showNothing(const QString& why);
    void resizeEvent(QResizeEvent* event) override;

    ModuloTipolab& m_module;
    DocumentDesk& m_desk;
    QPushButton* stampa = nullptr;
    QPushButton* pdf = nullptr;
    QPushButton* guida = nullptr;
    QPushButton* chiudi = nullptr;
    QLabel* titolo = nullptr;
    QLabel* stato = nullptr;
    HexagonChartView* grafico = nullptr;
    QList<QWidget*> m_sheetControls; // hidden while there is nothing to show

private:
    clsResize m_scaler;
    WindowId m_guidePage;
};

} // namespace tipolab
