#include "about_window.h"

#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tipolab {

namespace {

// "3.04.05  1985- 2011": the version, two blanks, the year of the first
// edition, "- 20" and the last two digits of the build code.
QString editionLine(const ProgramIdentity& identity)
{
    const std::string& date = identity.initialDate;
    const std::string& build = identity.buildCode;
    const std::string year = date.size() >= 4 ? date.substr(date.size() - 4) : date;
    const std::string lastTwo = build.size() >= 2 ? build.substr(build.size() - 2) : build;
    return QString::fromStdString("edizione professionale - versione " + identity.version + "  " +
                                  year + "- 20" + lastTwo);
}

// The name in "Arial Black"; where that font is missing, the heaviest sans
// serif at hand.
QFont nameFont(const QFont& base)
{
    QFont font = base;
    font.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Black);
    font.setPointSizeF(22);
    return font;
}

} // namespace

informa::informa(const ProgramIdentity& identity, QWidget* parent)
    : QDialog(parent), identity_(identity)
{
    setObjectName(QStringLiteral("informa"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(72, 72);
    Image1->setAlignment(Qt::AlignCenter);
    const QString picture = QStringLiteral(":/icons/app.svg");
    if (QFile::exists(picture)) Image1->setPixmap(QIcon(picture).pixmap(QSize(64, 64)));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(nameFont(font()));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont description = font();
    description.setPointSizeF(description.pointSizeF() * 1.1);
    Label2->setFont(description);
    Label6 = new QLabel(this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label5 = new QLabel(this);
    Label5->setObjectName(QStringLiteral("Label5"));
    QPalette quiet = Label5->palette();
    quiet.setColor(QPalette::WindowText, quiet.color(QPalette::PlaceholderText));
    Label5->setPalette(quiet);
    for (QLabel* label : {Label1, Label2, Label6, Label5})
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(96);
    connect(cmdOK, &QPushButton::clicked, this, &informa::cmdOK_Click);

    auto* text = new QVBoxLayout;
    text->setSpacing(4);
    text->addWidget(Label1);
    text->addWidget(Label2);
    text->addSpacing(14);
    text->addWidget(Label6);
    text->addWidget(Label5);

    auto* top = new QHBoxLayout;
    top->setSpacing(20);
    top->addWidget(Image1, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(24, 22, 24, 16);
    root->setSpacing(14);
    root->addLayout(top);
    root->addWidget(rule);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

void informa::Form_Load()
{
    const QString name = QString::fromStdString(identity_.name);
    setWindowTitle(QStringLiteral("Informazioni su ") + name);
    Label1->setText(name);
    Label2->setText(QString::fromStdString(identity_.description));
    Label6->setText(editionLine(identity_));
    Label5->setText(QStringLiteral("per sistemi Windows a 32 bit "));
}

void informa::cmdOK_Click()
{
    hide();
}

} // namespace tipolab
