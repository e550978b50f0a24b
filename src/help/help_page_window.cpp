#include "help_page_window.h"

#include "shell/modulo_tipolab.h"
#include "state/qt_text.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

namespace tipolab {
namespace {

constexpr int kCentred = -1;      // the page keeps the left edge the scaler centred it at
constexpr int kPageHeight = 6825; // twips, every page but the longer ones

// How each page window is made, in HelpPageId order.
struct PageForm {
    const char* name;
    int width; // twips
    int left;  // twips from the screen's left edge, or kCentred
    bool tooltips;
    int height = kPageHeight; // twips
};

constexpr PageForm kPageForms[kAllHelpPageCount] = {
    {"manuale", 9600, kCentred, true},
    {"guidafunzionamento", 5640, 5467, false},
    {"guidaarchivio", 5640, 5467, false},
    {"guidatipi", 5640, 5467, false},
    {"guidadati", 5640, 5467, false},
    {"guidarisultati", 5640, 5467, false},
    {"guidafrontespizio", 5640, 5467, false},
    {"guidaprofilo", 9600, kCentred, false},
    {"guidaconfronto", 9600, kCentred, false},
    {"guidaprofessioni", 10800, kCentred, false, 10500},
    {"guidaregistro", 9600, kCentred, false, 8400},
};

// Designed layout, in twips: the title above, the text below it, the three
// buttons centred along the bottom.
constexpr int kMargin = 240;
constexpr int kTitleTop = 180, kTitleHeight = 420;
// The text and the buttons move down as a page is taller than kPageHeight.
constexpr int kTextTop = 720, kTextHeight = 5160;
constexpr int kButtonsTop = 6060, kButtonHeight = 420, kButtonWidth = 1500, kButtonGap = 120;

QPushButton* newButton(QWidget* parent, const QString& objectName, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    return button;
}

} // namespace

WindowId helpPageWindowId(HelpPageId page)
{
    return static_cast<WindowId>(static_cast<int>(WindowId::Manual) + static_cast<int>(page));
}

HelpPageId helpPageOfWindow(WindowId window)
{
    return static_cast<HelpPageId>(static_cast<int>(window) - static_cast<int>(WindowId::Manual));
}

HelpPageWindow::HelpPageWindow(ModuloTipolab& module, HelpPageId page, QWidget* parent)
    : QWidget(parent), m_module(module), m_page(page)
{
    const PageForm& form = kPageForms[static_cast<int>(page)];
    setObjectName(QString::fromLatin1(form.name));
    setWindowTitle(toQString(kHelpPageCaption));
    placeControls(form.width, form.height);

    const HelpPage& texts = helpPage(page);
    Label1->setText(toQString(texts.title));
    Label2->setText(toQString(texts.text));
    if (form.tooltips) {
        cmdChiudi->setToolTip(QStringLiteral("cliccare per chiudere la finestra"));
        cmdStampa->setToolTip(
            QStringLiteral("cliccare per avere la copia su carta del MANUALE D'USO RAPIDO"));
        cmdSommario->setToolTip(QStringLiteral("cliccare per tornare al sommario"));
    }

    sizeWindowToScreen(m_scaler, this, form.width, form.height);
    // A page with a left edge of its own moves there, at the height it was centred at.
    if (form.left != kCentred) moveWindowTwips(this, form.left, pos().y() * kTwipsPerPixel);
}

void HelpPageWindow::placeControls(int width, int height)
{
    const int inner = width - 2 * kMargin;
    const int extra = height - kPageHeight;

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    QFont titleFont = Label1->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    Label1->setFont(titleFont);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    placeTwips(Label1, kMargin, kTitleTop, inner, kTitleHeight);

    // The text scrolls where a larger font than the designer's leaves it
    // longer than its place; the scroll bar shows only then.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("testo"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->viewport()->setAutoFillBackground(false);
    Label2 = new QLabel;
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setTextFormat(Qt::PlainText);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignJustify | Qt::AlignTop);
    Label2->setTextInteractionFlags(Qt::TextSelectableByMouse);
    scroll->setWidget(Label2);
    Label2->setAutoFillBackground(false);
    placeTwips(scroll, kMargin, kTextTop, inner, kTextHeight + extra);

    cmdStampa = newButton(this, QStringLiteral("cmdStampa"), QStringLiteral("S&tampa"));
    cmdSommario = newButton(this, QStringLiteral("cmdSommario"), QStringLiteral("&Sommario"));
    cmdChiudi = newButton(this, QStringLiteral("cmdChiudi"), QStringLiteral("&Chiudi"));
    int left = (width - 3 * kButtonWidth - 2 * kButtonGap) / 2;
    for (QPushButton* button : {cmdStampa, cmdSommario, cmdChiudi}) {
        placeTwips(button, left, kButtonsTop + extra, kButtonWidth, kButtonHeight);
        left += kButtonWidth + kButtonGap;
    }
    connect(cmdChiudi, &QPushButton::clicked, this, &HelpPageWindow::cmdchiudi_Click);
    connect(cmdStampa, &QPushButton::clicked, this, &HelpPageWindow::cmdstampa_Click);
    connect(cmdSommario, &QPushButton::clicked, this, &HelpPageWindow::cmdSommario_Click);
}

void HelpPageWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_scaler.ResizeControls();
}

void HelpPageWindow::cmdchiudi_Click()
{
    close();
}

void HelpPageWindow::cmdSommario_Click()
{
    m_module.showHelpContents();
}

void HelpPageWindow::cmdstampa_Click()
{
    m_module.setHelpPage(Label1->text(), Label2->text());
    m_module.stampaguida();
}

} // namespace tipolab
