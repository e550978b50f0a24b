#include "support_window.h"

#include <QFile>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tipolab {

namespace {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

// A contact datum: selectable, so that it can be copied into a mail or a
// browser.
QLabel* makeValue(QWidget* parent, const QString& name, const QString& text)
{
    QLabel* label = makeLabel(parent, name, text);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

supportoclienti::supportoclienti(const InstallationData& installation, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("supportoclienti"));
    setWindowTitle(QStringLiteral("Servizi di supporto ai clienti"));

    QLabel* heading =
        makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Come ottenere assistenza"));
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.35);
    headingFont.setWeight(QFont::Bold);
    heading->setFont(headingFont);

    const QList<QLabel*> advice = {
        makeLabel(this, QStringLiteral("Label2"),
                  QStringLiteral("Inviate le vostre domande per fax o per posta elettronica, "
                                 "descrivendo con chiarezza il problema incontrato: riceverete "
                                 "una risposta al pi\u00f9 presto.")),
        makeLabel(this, QStringLiteral("Label3"),
                  QStringLiteral("Riservate le domande per telefono alle questioni che "
                                 "richiedono una risposta a voce e indicate con esattezza il "
                                 "punto del programma a cui si riferiscono.")),
        makeLabel(this, QStringLiteral("Label4"),
                  QStringLiteral("La linea telefonica \u00e8 attiva dalle 9.30 alle 13.00 e "
                                 "dalle 15.00 alle 18.00, dal luned\u00ec al venerd\u00ec, "
                                 "festivi esclusi.")),
        makeLabel(this, QStringLiteral("Label5"),
                  QStringLiteral("Sono gradite le richieste di adattamenti del programma alle "
                                 "vostre esigenze e i suggerimenti per le prossime versioni.")),
    };

    QLabel* supplier = makeValue(this, QStringLiteral("Label6"), installation.supplierName);
    QFont supplierFont = supplier->font();
    supplierFont.setWeight(QFont::Bold);
    supplier->setFont(supplierFont);

    auto* contacts = new QFormLayout;
    contacts->setLabelAlignment(Qt::AlignRight);
    contacts->setHorizontalSpacing(12);
    contacts->setVerticalSpacing(6);
    contacts->addRow(supplier);
    contacts->addRow(QStringLiteral("Indirizzo:"),
                     makeValue(this, QStringLiteral("Label7"), installation.supplierAddress));
    contacts->addRow(QStringLiteral("Sito internet:"),
                     makeValue(this, QStringLiteral("Label8"), installation.supplierWebSite));
    contacts->addRow(QStringLiteral("Posta elettronica:"),
                     makeValue(this, QStringLiteral("Label9"), installation.supplierEmail));
    contacts->addRow(QStringLiteral("Telefono:"),
                     makeValue(this, QStringLiteral("Label10"), installation.supplierPhone));

    auto* box = new QFrame(this);
    box->setFrameShape(QFrame::StyledPanel);
    box->setLayout(contacts);
    contacts->setContentsMargins(16, 12, 16, 12);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command1->setMinimumWidth(96);
    connect(Command1, &QPushButton::clicked, this, &supportoclienti::Command1_Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);

    auto* title = new QHBoxLayout;
    title->setSpacing(12);
    const QString picture = QStringLiteral(":/icons/support.svg");
    if (QFile::exists(picture)) {
        auto* image = new QLabel(this);
        image->setPixmap(QIcon(picture).pixmap(QSize(36, 36)));
        title->addWidget(image);
    }
    title->addWidget(heading, 1);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(24, 20, 24, 16);
    root->setSpacing(10);
    root->addLayout(title);
    root->addSpacing(4);
    for (QLabel* label : advice)
        root->addWidget(label);
    root->addSpacing(6);
    root->addWidget(box);
    root->addSpacing(4);
    root->addLayout(buttons);

    // As tall as the wrapped paragraphs need at this width, and no taller.
    constexpr int width = 520;
    setFixedSize(width, heightForWidth(width));
}

void supportoclienti::Command1_Click()
{
    hide();
}

} // namespace tipolab
