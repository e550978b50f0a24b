#include "sommario.h"

#include "help_documents.h"
#include "help_page_window.h"
#include "help_texts.h"
#include "shell/modulo_tipolab.h"
#include "state/qt_text.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace tipolab {
namespace {

// The last topic, after the tip of the day.
const QString kPriceListCaption = QStringLiteral("  Listino prezzi");

// Designed layout, in twips, of a window 3975 wide and 6825 high. The topics
// stand in three groups (1-3, 4-7, 8-9) with a gap between them.
constexpr int kFormWidth = 3975, kFormHeight = 6825;
constexpr int kLeft = 120;
constexpr int kHeadingTop = 180, kHeadingHeight = 420;
constexpr int kFirstTopicTop = 840, kTopicPitch = 390, kGroupGap = 270;
constexpr int kTopicHeight = 330;
constexpr int kArrowWidth = 480;
// The labels reach the right edge: a bold caption needs the room.
constexpr int kLabelLeft = kLeft + kArrowWidth + 60, kLabelWidth = kFormWidth - kLabelLeft - 30;
constexpr int kButtonsTop = 5160, kButtonHeight = 420, kButtonGap = 120;
constexpr int kButtonWidth = (kFormWidth - 2 * kLeft - kButtonGap) / 2;
constexpr int kExitTop = kButtonsTop + kButtonHeight + 180;

int topicTop(int index)
{
    const int gaps = index >= 8 ? 2 : index >= 4 ? 1 : 0;
    return kFirstTopicTop + (index - 1) * kTopicPitch + gaps * kGroupGap;
}

QPushButton* newButton(QWidget* parent, const QString& objectName, const QString& caption,
                       const QString& tooltip = {})
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setToolTip(tooltip);
    return button;
}

void setBold(QLabel* label, bool bold)
{
    if (label->font().bold() == bold) return;
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

} // namespace

sommario::sommario(ModuloTipolab& module, HelpDocuments& documents, QWidget* parent)
    : QWidget(parent), m_module(module), m_documents(documents)
{
    setObjectName(QStringLiteral("sommario"));
    setMouseTracking(true);
    placeControls();
    Form_Load();
}

void sommario::placeControls()
{
    Label1 = new QLabel(toQString(kHelpContentsHeading), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.25);
    Label1->setFont(heading);
    placeTwips(Label1, kLeft, kHeadingTop, kFormWidth - 2 * kLeft, kHeadingHeight);

    for (int i = 1; i <= kHelpTopicCount; ++i) {
        const QString caption = i <= static_cast<int>(kHelpContentsCaptions.size())
                                    ? toQString(kHelpContentsCaptions[i - 1])
                                    : kPriceListCaption;
        puls[i] = newButton(this, QStringLiteral("puls_%1").arg(i), QStringLiteral("--->"));
        puls[i]->setFocusPolicy(Qt::TabFocus);
        // A screen reader says where the arrow leads, not "--->".
        puls[i]->setAccessibleName(QStringLiteral("apri la pagina: %1").arg(caption));
        placeTwips(puls[i], kLeft, topicTop(i), kArrowWidth, kTopicHeight);
        connect(puls[i], &QPushButton::clicked, this, [this, i] { puls_Click(i); });

        lbl[i] = new QLabel(caption, this);
        lbl[i]->setObjectName(QStringLiteral("lbl_%1").arg(i));
        lbl[i]->setTextFormat(Qt::PlainText);
        lbl[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        lbl[i]->setFrameShape(QFrame::NoFrame);
        lbl[i]->setMouseTracking(true);
        lbl[i]->setCursor(Qt::PointingHandCursor);
        lbl[i]->installEventFilter(this);
        placeTwips(lbl[i], kLabelLeft, topicTop(i), kLabelWidth, kTopicHeight);
    }
    alignTopicWords();

    cmdStampa = newButton(this, QStringLiteral("cmdStampa"), QStringLiteral("&Stampa"),
                          QStringLiteral("cliccare per avere la copia su carta del sommario"));
    cmdChiudi = newButton(this, QStringLiteral("cmdChiudi"), QStringLiteral("&Chiudi"),
                          QStringLiteral("cliccare per chiudere la finestra"));
    Command1 = newButton(this, QStringLiteral("Command1"), QStringLiteral("&USCITA"));
    placeTwips(cmdStampa, kLeft, kButtonsTop, kButtonWidth, kButtonHeight);
    placeTwips(cmdChiudi, kLeft + kButtonWidth + kButtonGap, kButtonsTop, kButtonWidth,
               kButtonHeight);
    placeTwips(Command1, kLeft, kExitTop, kFormWidth - 2 * kLeft, kButtonHeight);
    connect(cmdStampa, &QPushButton::clicked, this, &sommario::cmdstampa_Click);
    connect(cmdChiudi, &QPushButton::clicked, this, &sommario::cmdchiudi_Click);
    connect(Command1, &QPushButton::clicked, this, &sommario::Command1_Click);
}

void sommario::alignTopicWords()
{
    // The captions keep their leading blanks, one or two: the labels with
    // fewer are moved right by the blanks they lack, so that every topic's
    // first word starts in the same column.
    auto blanks = [](const QString& caption) {
        qsizetype n = 0;
        while (n < caption.size() && caption[n] == u' ')
            ++n;
        return n;
    };
    qsizetype most = 0;
    for (int i = 1; i <= kHelpTopicCount; ++i)
        most = qMax(most, blanks(lbl[i]->text()));
    for (int i = 1; i <= kHelpTopicCount; ++i) {
        const QString missing(most - blanks(lbl[i]->text()), u' ');
        lbl[i]->setContentsMargins(lbl[i]->fontMetrics().horizontalAdvance(missing), 0, 0, 0);
    }
}

void sommario::Form_Load()
{
    sizeWindowToScreen(m_scaler, this, kFormWidth, kFormHeight);

    const QString name = m_module.programName();
    setWindowTitle(name + QStringLiteral(": guida in linea"));
    Command1->setToolTip(QStringLiteral("cliccare per uscire da ") + name);
}

void sommario::puls_Click(int index)
{
    if (index >= 1 && index <= kHelpPageCount) {
        m_module.showGuidePage(helpPageWindowId(static_cast<HelpPageId>(index - 1)));
    } else if (index == 8) {
        m_module.showTipOfTheDay();
    } else if (index == 9) {
        m_module.showPriceList();
    } else {
        m_module.showGuidePage(WindowId::Manual);
    }
}

int sommario::topicOf(const QObject* label) const
{
    for (int i = 1; i <= kHelpTopicCount; ++i) {
        if (lbl[i] == label) return i;
    }
    return 0;
}

bool sommario::eventFilter(QObject* watched, QEvent* event)
{
    const int index = topicOf(watched);
    if (index == 0) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        lbl_Mousedown(index);
        return true;
    case QEvent::MouseButtonRelease:
        lbl_MouseUp(index);
        return true;
    case QEvent::MouseMove:
        // Handled here, so that it does not reach the window's background.
        lbl_MouseMove(index);
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void sommario::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    form_MouseMove();
}

// A pointer that leaves the window straight from a label leaves no label bold.
void sommario::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    azzeraGrassetto();
}

void sommario::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_scaler.ResizeControls();
}

void sommario::lbl_Mousedown(int index)
{
    lbl[index]->setFrameShape(QFrame::NoFrame);
    puls_Click(index);
}

void sommario::lbl_MouseUp(int index)
{
    lbl[index]->setFrameShape(QFrame::Box);
    lbl[index]->setFrameShadow(QFrame::Plain);
    lbl[index]->setLineWidth(1);
}

void sommario::lbl_MouseMove(int index)
{
    azzeraGrassetto();
    setBold(lbl[index], true);
}

void sommario::form_MouseMove()
{
    azzeraGrassetto();
}

void sommario::azzeraGrassetto()
{
    for (int i = 1; i <= kHelpTopicCount; ++i)
        setBold(lbl[i], false);
}

void sommario::cmdstampa_Click()
{
    m_documents.printFullGuide();
}

void sommario::cmdchiudi_Click()
{
    hide();
}

void sommario::Command1_Click()
{
    m_module.confermauscita();
}

} // namespace tipolab
