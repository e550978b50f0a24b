#include "price_list_window.h"

#include "shell/dialogs.h"
#include "state/file_save.h"
#include "state/program_paths.h"
#include "state/text_lines.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTextDocument>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tipolab {

namespace {

const QString kHeading = QStringLiteral("Altri programmi del fornitore, con i prezzi in vigore:");

// The refreshed list, kept in the user's own data folder: the program's
// folder may not be writable.
QString refreshedList()
{
    return ProgramPaths::current().userDataFile(QString::fromLatin1(kPriceListFileName));
}

// The list to show: the refreshed one where there is a sound one, else the
// list shipped in `programDir`; nothing when neither can be read.
std::optional<QStringList> currentList(const QString& programDir)
{
    if (PriceListRead read = readPriceList(refreshedList()); read.lines) return read.lines;
    return readTextLines(QDir(programDir).filePath(QString::fromLatin1(kPriceListFileName)));
}

// Keeps `lines` as the refreshed list, replacing an earlier one in one step:
// UTF-8 with its byte-order mark, one entry a line, as the reader takes it.
// Returns why it failed, in Italian; empty on success.
QString keepRefreshedList(const QStringList& lines)
{
    const QString path = refreshedList();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return QStringLiteral("Impossibile creare la cartella del file \"%1\".")
            .arg(QDir::toNativeSeparators(path));
    return saveWholeFile(path,
                         "\xEF\xBB\xBF" + lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
}

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
    const std::optional<QStringList> lines = currentList(programDir);
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
        // A tooltip takes markup on sight: the line is shown as the text it is.
        item->setToolTip(0, Qt::convertFromPlainText(line.trimmed(), Qt::WhiteSpaceNormal));
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
    if (read.lines) error = keepRefreshedList(*read.lines);
    if (!error.isEmpty()) {
        m_dialogs.message(error + QStringLiteral("\nIl listino in uso resta quello di prima."),
                          m_programName + QStringLiteral(": listino prezzi"),
                          QMessageBox::Critical);
        return;
    }
    showList(*read.lines);
}

} // namespace tipolab
