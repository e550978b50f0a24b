#include "sheet_window.h"

#include "designed_controls.h"
#include "hexagon_chart_view.h"

#include <QLabel>
#include <QPushButton>

namespace tipolab {
using sheet::kButtonGap;
using sheet::kButtonHeight;
using sheet::kButtonWidth;

SheetWindow::SheetWindow(ModuloTipolab& module, DocumentDesk& desk, WindowId guidePage,
                         QWidget* parent)
    : QWidget(parent), m_module(module), m_desk(desk), m_guidePage(guidePage)
{
    setAutoFillBackground(true);
}

QList<SheetWindow*> SheetWindow::openWindows(const ModuloTipolab& module)
{
    QList<SheetWindow*> open;
    for (WindowId id : {WindowId::Profilo, WindowId::Confronto, WindowId::Professioni}) {
        if (auto* sheet = qobject_cast<SheetWindow*>(module.existingWindow(id))) open << sheet;
    }
    return open;
}

void SheetWindow::placeHead(int stateLines)
{
    titolo = newHeading(this, QStringLiteral("titolo"), {}, {}, Qt::AlignLeft);
    setFontLook(titolo, 1.2, true);
    placeTwips(titolo, sheet::kLeft, sheet::kTitleTop, sheet::kInner, sheet::kTitleHeight);
    stato = newLabel(this, QStringLiteral("stato"));
    if (stateLines > 1) stato->setWordWrap(true);
    placeTwips(stato, sheet::kLeft, sheet::kTitleTop, sheet::kInner,
               stateLines * sheet::kTitleHeight);
}

void SheetWindow::placeChart(const QString& tooltip, int top, int width, int height)
{
    grafico = new HexagonChartView(this);
    grafico->setObjectName(QStringLiteral("grafico"));
    grafico->setToolTip(tooltip);
    placeTwips(grafico, sheet::kLeft, top, width, height);
}

void SheetWindow::placeButtons(const QString& sheet)
{
    stampa = newButton(this, QStringLiteral("stampa"), QStringLiteral("S&tampa"),
                       QStringLiteral("cliccare per avere ") + sheet);
    pdf = newButton(this, QStringLiteral("esportapdf"), QStringLiteral("Esporta in &PDF"),
                    QStringLiteral("cliccare per salvare %1 come file PDF").arg(sheet));
    guida = newButton(this, QStringLiteral("guida"), QStringLiteral("&Guida"),
                      QStringLiteral("cliccare per la guida della finestra"));
    chiudi = newButton(this, QStringLiteral("chiudi"), QStringLiteral("&Chiudi"),
                       QStringLiteral("cliccare per chiudere la finestra"));
    int left = sheet::kFormWidth - sheet::kLeft - 4 * kButtonWidth - 3 * kButtonGap;
    for (QPushButton* button : {stampa, pdf, guida, chiudi}) {
        placeTwips(button, left, sheet::kButtonsTop, kButtonWidth, kButtonHeight);
        left += kButtonWidth + kButtonGap;
    }
    connect(stampa, &QPushButton::clicked, this, &SheetWindow::stampa_Click);
    connect(pdf, &QPushButton::clicked, this, &SheetWindow::esportaPdf_Click);
    connect(guida, &QPushButton::clicked, this, &SheetWindow::guida_Click);
    connect(chiudi, &QPushButton::clicked, this, &SheetWindow::chiudi_Click);
}

void SheetWindow::sizeToScreen()
{
    sizeWindowToScreen(m_scaler, this, sheet::kFormWidth, sheet::kFormHeight);
}

void SheetWindow::showSheet(bool visible)
{
    for (QWidget* w : std::as_const(m_sheetControls))
        w->setVisible(visible);
    stato->setVisible(!visible);
}

void SheetWindow::showNothing(const QString& why)
{
    if (grafico) grafico->setChart(std::nullopt);
    stato->setText(why);
    showSheet(false);
}

void SheetWindow::esportaPdf_Click()
{
    m_desk.exportPdf([this] { stampa_Click(); });
}

void SheetWindow::guida_Click()
{
    m_module.showGuidePage(m_guidePage);
}

void SheetWindow::chiudi_Click()
{
    close();
}

QColor SheetWindow::backgroundColour() const
{
    return palette().color(QPalette::Window);
}

void SheetWindow::setBackgroundColour(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void SheetWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_scaler.ResizeControls();
}

} // namespace tipolab
