#include "price_list_window.h"

#include "state/dialogs.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tipolab {

namespace {

const QString kHeading = QStringLiteral("Altri programmi del fornitore, con i prezzi in vigore:");

} // namespace

PriceListWindow::PriceListWindow(const QString& programName, const QString& programDir,
                                 Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_programName(programName), m_dialogs(dialogs)
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

    cmdAggiorna = new QPushButton(QStringLiteral("&Aggiorna listino..."), this);
    cmdAggiorna->setObjectName(QStringLiteral("cmdAggiorna"));
    cmdAggiorna->setToolTip(
        QStringLiteral("sostituire il listino con quello più recente ricevuto dal fornitore"));
    connect(cmdAggiorna, &QPushButton::clicked, this, &PriceListWindow::aggiorna_Click);

    cmdChiudi = new QPushButton(QStringLiteral("&Chiudi"), this);
    cmdChiudi->setObjectName(QStringLiteral("cmdChiudi"));
    cmdChiudi->setDefault(true);
    cmdChiudi->setMinimumWidth(96);
    connect(cmdChiudi, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdAggiorna);
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
    const std::optional<QStringList> lines = currentPriceList(programDir);
    if (!lines) {
        Label1->setText(QStringLiteral("Impossibile trovare il file ") +
                        QString::fromLatin1(kPriceListFileName) +
                        QStringLiteral(" nella cartella del programma: il listino non è "
                                       "disponibile."));
        return;
    }
    showList(*lines);
}

void PriceListWindow::showList(const QStringList& lines)
{
    Label1->setText(kHeading);
    lstListino->clear();
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty()) continue;
        // The price follows the last colon; a line without one is all name.
        const qsizetype colon = line.lastIndexOf(u':');
        QStringList columns = {line.trimmed()};
        if (colon > 0) columns = {line.left(colon).trimmed(), line.mid(colon + 1).trimmed()};
        auto* item = new QTreeWidgetItem(lstListino, columns);
        item->setToolTip(0, line.trimmed());
    }
}

void PriceListWindow::aggiorna_Click()
{
    const QString path =
        m_dialogs.openFile(QStringLiteral("Aggiorna listino"),
                           {QStringLiteral("Listino (*.txt)"), QStringLiteral("Tutti i file (*)")},
                           0, QDir::homePath());
    if (path.isEmpty()) return; // cancelled
    const PriceListRead read = readPriceList(path);
    QString error = read.error;
    if (read.lines) error = keepRefreshedPriceList(*read.lines);
    if (!error.isEmpty()) {
        m_dialogs.message(error + QStringLiteral("\nIl listino in uso resta quello di prima."),
                          m_programName + QStringLiteral(": listino prezzi"),
                          QMessageBox::Critical);
        return;
    }
    showList(*read.lines);
}

} // namespace tipolab
