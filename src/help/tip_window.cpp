#include "tip_window.h"

#include "state/text_lines.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tipolab {
namespace {

QPushButton* newButton(QWidget* parent, const QString& objectName, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setMinimumWidth(104);
    return button;
}

} // namespace

frmTip::frmTip(const QString& programDir, QWidget* parent)
    : QWidget(parent), m_programDir(programDir)
{
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(QStringLiteral("Suggerimento del giorno"));
    buildControls();
    Form_Load();
}

QString frmTip::missingFileText()
{
    const QString name = QString::fromLatin1(kTipsFileName);
    return QStringLiteral("Impossibile trovare il file ") + name + QStringLiteral("\r\n\r\n") +
           QStringLiteral("Creare un file di testo denominato ") + name +
           QStringLiteral(" utilizzando il Blocco note e inserendo un suggerimento per ogni "
                          "riga. ") +
           QStringLiteral("Inserire il file nella stessa directory dell'applicazione. ");
}

void frmTip::buildControls()
{
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedSize(64, 64);
    Picture1->setAlignment(Qt::AlignCenter);
    const QString picture = QStringLiteral(":/icons/tips.svg");
    if (QFile::exists(picture)) Picture1->setPixmap(QIcon(picture).pixmap(QSize(56, 56)));

    Label1 = new QLabel(QStringLiteral("Non tutti sanno che..."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.3);
    Label1->setFont(heading);

    lblTipText = new QLabel(this);
    lblTipText->setObjectName(QStringLiteral("lblTipText"));
    lblTipText->setTextFormat(Qt::PlainText);
    lblTipText->setWordWrap(true);
    lblTipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblTipText->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdprecedente = newButton(this, QStringLiteral("cmdprecedente"), QStringLiteral("&Precedente"));
    cmdNextTip = newButton(this, QStringLiteral("cmdNextTip"), QStringLiteral("&Successivo"));
    cmdOK = newButton(this, QStringLiteral("cmdOK"), QStringLiteral("&Chiudi"));
    cmdOK->setDefault(true);
    connect(cmdprecedente, &QPushButton::clicked, this, &frmTip::cmdprecedente_Click);
    connect(cmdNextTip, &QPushButton::clicked, this, &frmTip::cmdNextTip_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmTip::cmdOK_Click);

    // The tip stands on a light sheet, under its heading.
    auto* sheet = new QFrame(this);
    sheet->setFrameShape(QFrame::StyledPanel);
    sheet->setBackgroundRole(QPalette::Base);
    sheet->setAutoFillBackground(true);
    auto* text = new QVBoxLayout(sheet);
    text->setContentsMargins(16, 12, 16, 12);
    text->setSpacing(10);
    text->addWidget(Label1);
    text->addWidget(lblTipText, 1);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(Picture1, 0, Qt::AlignTop);
    top->addWidget(sheet, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdprecedente);
    buttons->addWidget(cmdNextTip);
    buttons->addSpacing(12);
    buttons->addWidget(cmdOK);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(16, 16, 16, 14);
    root->setSpacing(14);
    root->addLayout(top, 1);
    root->addLayout(buttons);

    setFixedSize(560, 300);
}

void frmTip::Form_Load()
{
    const QString path = QDir(m_programDir).filePath(QString::fromLatin1(kTipsFileName));
    // A file that exists but cannot be read is met in the same way as a
    // missing one: the text says where the tips belong, the window stays usable.
    if (!LoadTips(path)) lblTipText->setText(missingFileText());
}

bool frmTip::LoadTips(const QString& path)
{
    const std::optional<QStringList> lines = readTextLines(path);
    if (!lines) return false;
    m_tips = *lines;
    nextTip();
    return true;
}

void frmTip::nextTip()
{
    ++m_currentTip;
    if (m_currentTip > m_tips.size()) m_currentTip = 1;
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip()
{
    if (!m_tips.isEmpty()) lblTipText->setText(m_tips.at(m_currentTip - 1));
}

void frmTip::cmdNextTip_Click()
{
    nextTip();
}

void frmTip::cmdprecedente_Click()
{
    if (m_currentTip <= 1) return;
    --m_currentTip;
    lblTipText->setText(m_tips.at(m_currentTip - 1));
}

void frmTip::cmdOK_Click()
{
    hide();
}

} // namespace tipolab
