#include "price_list_window.h"

#include "state/text_lines.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tipolab {

PriceListWindow::PriceListWindow(const QString& programName, const QString& programDir,
                                 QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("listino"));
    setWindowTitle(programName + QStringLiteral(": listino prezzi"));
    buildControls();
    Form_Load(programDir);
}

void PriceListWindow::buildControls()
{
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setWordWrap(true);

    lstListino = new QTreeWidget(this);
    lstListino->setObjectName(QStringLiteral("lstListino"));
    lstListino->setHeaderLabels({QStringLiteral("Programma"), QStringLiteral("Prezzo")});
    lstListino->setRootIsDecorated(false);
    lstListino->setAlternatingRowColors(true);
    lstListino->setSelectionMode(QAbstractItemView::NoSelection);
    lstListino->setFocusPolicy(Qt::NoFocus);
    lstListino->header()->setStretchLastSection(false);
    lstListino->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    lstListino->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    cmdChiudi = new QPushButton(QStringLiteral("&Chiudi"), this);
    cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
    cmdChiudi->setDefault(true);
    cmdChiudi->setMinimumWidth(96);
    connect(cmdChiudi, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdChiudi);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(16, 16, 16, 14);
    root->setSpacing(12);
    root->addWidget(Label1);
    root->addWidget(lstListino, 1);
    root->addLayout(buttons);
    resize(780, 340);
}

void PriceListWindow::Form_Load(const QString& programDir)
{
    const QString name = QString::fromLatin1(kPriceListFileName);
    const std::optional<QStringList> lines = readTextLines(QDir(programDir).filePath(name));
    if (!lines) {
        Label1->setText(QStringLiteral("Impossibile trovare il file ") + name +
                        QStringLiteral(" nella cartella del programma: il listino non è "
                                       "disponibile."));
        return;
    }
    Label1->setText(QStringLiteral("Altri programmi del fornitore, con i prezzi in vigore:"));
    for (const QString& line : *lines) {
        if (line.trimmed().isEmpty()) continue;
        // The price follows the last colon; a line without one is all name.
        const qsizetype colon = line.lastIndexOf(u':');
        QStringList columns = {line.trimmed()};
        if (colon > 0) columns = {line.left(colon).trimmed(), line.mid(colon + 1).trimmed()};
        auto* item = new QTreeWidgetItem(lstListino, columns);
        // A tooltip takes markup on sight: the line is shown as the text it is.
        item->setToolTip(0, Qt::convertFromPlainText(line.trimmed(), Qt::WhiteSpaceNormal));
    }
}

} // namespace tipolab
