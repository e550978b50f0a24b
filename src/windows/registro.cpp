#include "registro.h"

#include "archive_commands.h"
#include "contents/profile_texts.h"
#include "dati.h"
#include "designed_controls.h"
#include "hexagon_chart_view.h"
#include "prevailing_bars_view.h"
#include "register/register_key.h"
#include "register/register_workbook.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

namespace tipolab {
namespace {

using sheet::kInner;
using sheet::kLeft;
constexpr int kRow = 300, kFolderTop = 540, kSearchTop = 900;
constexpr int kLabelWidth = 1200, kWideButton = 2100, kGap = 120;
constexpr int kTableTop = 1320, kTableHeight = 4260;
// The summary band: the mean profile on the hexagon, the bars, the counts
// (and, while the folder is read, the progress bar in their place).
constexpr int kBandTop = 5700, kBandHeight = 3300, kChartWidth = 4800, kBarsWidth = 3000;
constexpr int kTextLeft = kLeft + kChartWidth + kBarsWidth + 2 * kGap,
              kTextWidth = kInner + kLeft - kTextLeft;
// No column wider than this share of the table, however long its texts.
constexpr double kWidestColumn = 0.25;

} // namespace

registro::registro(ModuloTipolab& module, DocumentDesk& desk, QWidget* parent)
    : SheetWindow(module, desk, WindowId::GuideRegister, parent)
{
    setObjectName(QStringLiteral("registro"));
    setWindowTitle(module.programName() + QStringLiteral(": registro delle valutazioni"));
    placeControls();
    sizeToScreen();
    showNothing(QStringLiteral("Nessuna cartella scelta."));
}

registro::~registro()
{
    stopReading();
}

void registro::placeControls()
{
    placeHead(1);
    QLabel* folderLabel =
        newLabel(this, QStringLiteral("Label_cartella"), QStringLiteral("Cartella:"));
    placeTwips(folderLabel, kLeft, kFolderTop, kLabelWidth, kRow);
    cartella = newLabel(this, QStringLiteral("cartella"), {},
                        QStringLiteral("la cartella letta, con le sue sottocartelle"));
    cartella->setAccessibleName(QStringLiteral("Cartella letta"));
    placeTwips(cartella, kLeft + kLabelWidth, kFolderTop, kInner - kLabelWidth - kWideButton - kGap,
               kRow);
    QPushButton* change =
        newButton(this, QStringLiteral("cambia"), QStringLiteral("Cambia ca&rtella..."),
                  QStringLiteral("cliccare per leggere un'altra cartella"));
    placeTwips(change, kLeft + kInner - kWideButton, kFolderTop - 30, kWideButton, kRow + 60);
    connect(change, &QPushButton::clicked, this, &registro::scegliCartella);

    QLabel* searchLabel = newLabel(this, QStringLiteral("Label_cerca"), QStringLiteral("C&erca:"));
    placeTwips(searchLabel, kLeft, kSearchTop, kLabelWidth, kRow);
    cerca = new QLineEdit(this);
    nameControl(cerca, QStringLiteral("cerca"), QStringLiteral("Cerca nel registro"),
                QStringLiteral("parte del nome della persona, dell'istituto o del file"));
    cerca->setClearButtonEnabled(true);
    searchLabel->setBuddy(cerca);
    placeTwips(cerca, kLeft + kLabelWidth, kSearchTop, kInner / 2 - kLabelWidth, kRow);
    connect(cerca, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_filter->setSearch(text);
        showSummary();
    });
    const int boxWidth = (kInner / 2 - kGap) / 3;
    for (int i = 0; i < 3; ++i) {
        const QString state = statePlural(RegisterState(i));
        auto* box = new QCheckBox(state, this);
        nameControl(box, indexedName("stato", i + 1),
                    QStringLiteral("Mostra le valutazioni ") + state,
                    QStringLiteral("mostrare le valutazioni ") + state);
        box->setChecked(true);
        placeTwips(box, kLeft + kInner / 2 + kGap + i * boxWidth, kSearchTop, boxWidth, kRow);
        connect(box, &QCheckBox::toggled, this, [this, i](bool on) {
            m_filter->setStateShown(RegisterState(i), on);
            showSummary();
        });
        stati[static_cast<std::size_t>(i)] = box;
    }

    avanzamento = new QProgressBar(this);
    nameControl(avanzamento, QStringLiteral("avanzamento"), QStringLiteral("Lettura dei file"),
                QStringLiteral("i file letti finora"));
    placeTwips(avanzamento, kTextLeft, kBandTop, kTextWidth, kRow);
    annulla = newButton(this, QStringLiteral("annulla"), QStringLiteral("&Annulla"),
                        QStringLiteral("cliccare per fermare la lettura"));
    annulla->setAccessibleName(QStringLiteral("Annulla la lettura"));
    placeTwips(annulla, kTextLeft, kBandTop + kRow + kGap, kWideButton, kRow + 60);
    connect(annulla, &QPushButton::clicked, this, [this] {
        if (m_cancel) m_cancel->store(true);
    });
    avanzamento->hide();
    annulla->hide();

    m_model = new RegisterModel(this);
    m_filter = new RegisterFilter(this);
    m_filter->setSourceModel(m_model);
    tabella = new QTableView(this);
    nameControl(tabella, QStringLiteral("tabella"), QStringLiteral("Valutazioni della cartella"),
                QStringLiteral("una riga per valutazione; Invio o doppio clic la apre"));
    tabella->setModel(m_filter);
    tabella->setSortingEnabled(true);
    tabella->sortByColumn(0, Qt::AscendingOrder);
    tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella->setSelectionMode(QAbstractItemView::SingleSelection);
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->setTabKeyNavigation(false);
    tabella->setWordWrap(false);
    tabella->verticalHeader()->hide();
    tabella->verticalHeader()->setDefaultSectionSize(tabella->fontMetrics().lineSpacing() + 6);
    tabella->horizontalHeader()->setResizeContentsPrecision(100);
    placeTwips(tabella, kLeft, kTableTop, kInner, kTableHeight);
    connect(tabella, &QTableView::activated, this, &registro::openSelected);

    placeSummary();
    placeButtons(QStringLiteral("il foglio della classe"));
    placeExport();
    m_sheetControls << titolo << folderLabel << cartella << change << searchLabel << cerca
                    << stati[0] << stati[1] << stati[2] << tabella << grafico << barre << riepilogo
                    << stampa << pdf << senzaNomi << esporta;
}

void registro::placeSummary()
{
    placeChart(QStringLiteral("il profilo analitico medio delle valutazioni mostrate"), kBandTop,
               kChartWidth, kBandHeight);
    grafico->setAccessibleName(QStringLiteral("Profilo analitico medio"));
    barre = new PrevailingBarsView(this);
    nameControl(
        barre, QStringLiteral("barre"), QStringLiteral("Tipi prevalenti"),
        QStringLiteral("quante valutazioni complete mostrate hanno ciascun tipo prevalente"));
    placeTwips(barre, kLeft + kChartWidth + kGap, kBandTop, kBarsWidth, kBandHeight);
    riepilogo = newLabel(this, QStringLiteral("riepilogo"), {},
                         QStringLiteral("quante valutazioni e i loro tipi prevalenti"));
    riepilogo->setAccessibleName(QStringLiteral("Riepilogo"));
    riepilogo->setWordWrap(true);
    riepilogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(riepilogo, kTextLeft, kBandTop, kTextWidth, kBandHeight);
}

void registro::placeExport()
{
    senzaNomi = new QCheckBox(QStringLiteral("senza nomi"), this);
    nameControl(
        senzaNomi, QStringLiteral("senzanomi"), QStringLiteral("Esporta senza nomi"),
        QStringLiteral("nomi e file sostituiti da codici nel foglio e nel foglio di calcolo; "
                       "la chiave va in un file a parte"));
    placeTwips(senzaNomi, kLeft, sheet::kButtonsTop, sheet::kButtonWidth, sheet::kButtonHeight);
    esporta = newButton(this, QStringLiteral("esporta"), QStringLiteral("Esp&orta..."),
                        QStringLiteral("cliccare per salvare le valutazioni mostrate come foglio "
                                       "di calcolo"));
    placeTwips(esporta, kLeft + sheet::kButtonWidth + kGap, sheet::kButtonsTop, sheet::kButtonWidth,
               sheet::kButtonHeight);
    connect(esporta, &QPushButton::clicked, this, &registro::esporta_Click);
}

bool registro::scegliCartella()
{
    QString start = m_folder;
    if (start.isEmpty()) {
        if (auto* data = m_module.windowAs<dati>(WindowId::Dati))
            start = data->archive().lastFolder();
    }
    const QString folder =
        m_module.dialogs().chooseFolder(QStringLiteral("Registro delle valutazioni"), start);
    if (folder.isEmpty()) return false;
    leggi(folder);
    return true;
}

void registro::leggi(const QString& folder)
{
    stopReading();
    m_folder = folder;
    cartella->setText(QDir::toNativeSeparators(folder));
    titolo->setText(QStringLiteral("Registro delle valutazioni: ") + folderName());
    m_model->setRows({}, folder);
    showNothing(QStringLiteral("Lettura della cartella ") + QDir::toNativeSeparators(folder) +
                QStringLiteral("..."));
    startReading(true);
}

void registro::startReading(bool fresh)
{
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_done = std::make_shared<std::atomic<int>>(0);
    m_total = std::make_shared<std::atomic<int>>(0);
    const int generation = ++m_generation;
    avanzamento->setRange(0, 0);
    riepilogo->hide();
    avanzamento->show();
    annulla->show();
    // A rereading keeps the rows of the files that have not changed.
    std::vector<RegisterRow> known = fresh ? std::vector<RegisterRow>() : m_model->rows();
    m_worker = std::make_unique<std::thread>([this, folder = m_folder, known = std::move(known),
                                              cancel = m_cancel, done = m_done, total = m_total,
                                              generation] {
        std::vector<RegisterRow> rows = readRegister(
            registerFiles({folder}),
            [&](int n, int all) {
                done->store(n);
                total->store(all);
                return !cancel->load();
            },
            known);
        const bool cancelled = cancel->load();
        QMetaObject::invokeMethod(
            this,
            [this, generation, rows = std::move(rows), cancelled]() mutable {
                finished(generation, std::move(rows), cancelled);
            },
            Qt::QueuedConnection);
    });
    // The bar follows the reading while it lasts.
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, timer, generation] {
        if (!m_worker || generation != m_generation) {
            timer->deleteLater();
            return;
        }
        avanzamento->setRange(0, std::max(1, m_total->load()));
        avanzamento->setValue(m_done->load());
    });
    timer->start(100);
}

void registro::stopReading()
{
    if (!m_worker) return;
    m_cancel->store(true);
    m_worker->join();
    m_worker.reset();
}

void registro::finished(int generation, std::vector<RegisterRow> rows, bool cancelled)
{
    // The rows of a reading stopped for a newer one are not shown.
    if (generation != m_generation) return;
    if (m_worker) {
        m_worker->join();
        m_worker.reset();
    }
    avanzamento->hide();
    annulla->hide();
    riepilogo->show();
    const QModelIndex current = tabella->currentIndex();
    const QString currentFile = current.data(RegisterModel::kPathRole).toString();
    const bool first = m_model->rows().empty();
    m_model->setRows(std::move(rows), m_folder);
    if (first) {
        tabella->resizeColumnsToContents();
        const int widest = static_cast<int>(tabella->viewport()->width() * kWidestColumn);
        for (int c = 0; c < m_model->columnCount(); ++c)
            tabella->setColumnWidth(c, std::min(tabella->columnWidth(c), widest));
    }
    // The row the user was on stays selected after a rereading.
    for (int r = 0; !currentFile.isEmpty() && r < m_filter->rowCount(); ++r) {
        const QModelIndex index = m_filter->index(r, current.column());
        if (index.data(RegisterModel::kPathRole).toString() != currentFile) continue;
        tabella->setCurrentIndex(index);
        tabella->scrollTo(tabella->currentIndex());
        break;
    }
    showSheet(true);
    showSummary();
    if (cancelled) riepilogo->setText(QStringLiteral("Lettura interrotta. ") + riepilogo->text());
}

std::vector<RegisterRow> registro::shownRows() const
{
    std::vector<RegisterRow> rows;
    rows.reserve(static_cast<std::size_t>(m_filter->rowCount()));
    for (int r = 0; r < m_filter->rowCount(); ++r)
        rows.push_back(m_model->rows()[static_cast<std::size_t>(
            m_filter->mapToSource(m_filter->index(r, 0)).row())]);
    return rows;
}

void registro::showSummary()
{
    const std::vector<RegisterRow> rows = shownRows();
    const RegisterCounts counts = countRegister(rows);
    QString text = registerCountsText(counts);
    if (static_cast<int>(rows.size()) != m_model->rowCount())
        text += QStringLiteral(" Mostrate %1 di %2.").arg(rows.size()).arg(m_model->rowCount());
    QStringList types;
    for (int t = 1; t <= kTypeCount; ++t)
        types << QStringLiteral("%1 %2").arg(typeText(t)).arg(counts.prevailing[t - 1]);
    text += QStringLiteral("\n\nTipi prevalenti: ") + types.join(QStringLiteral(", ")) +
            QLatin1Char('.');
    const std::optional<TypeHundredths> mean = meanAnalyticProfile(rows);
    if (mean)
        text += QStringLiteral("\n\nProfilo analitico medio: ") +
                QString::fromStdString(threeLetterCode(*mean)) + QLatin1Char('.');
    if (!m_model->hasNorms())
        text += QStringLiteral("\n\nI percentili compaiono da %1 valutazioni complete.")
                    .arg(kLocalNormsFrom);
    riepilogo->setText(text);
    barre->setCounts(counts.prevailing);
    grafico->setChart(mean ? std::optional<HexagonChart>(HexagonChart(
                                 {analyticChartProfile(*mean, QStringLiteral("media"))}))
                           : std::nullopt);
}

void registro::openSelected()
{
    const QString path = tabella->currentIndex().data(RegisterModel::kPathRole).toString();
    if (path.isEmpty()) return;
    auto* data = m_module.windowAs<dati>(WindowId::Dati);
    if (data && data->archive().apriFile(path)) m_module.showWindow(WindowId::Tipi);
}

void registro::aggiorna()
{
    if (!m_folder.isEmpty() && !loading()) startReading(false);
}

void registro::changeEvent(QEvent* event)
{
    SheetWindow::changeEvent(event);
    // Files saved from the windows meanwhile are listed when it comes back.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) aggiorna();
}

QString registro::folderName() const
{
    const QString name = QFileInfo(QDir::cleanPath(m_folder)).fileName();
    return name.isEmpty() ? QDir::toNativeSeparators(m_folder) : name;
}

std::optional<std::vector<RegisterRow>> registro::rowsToExport()
{
    std::vector<RegisterRow> rows = shownRows();
    if (!senzaNomi->isChecked()) return rows;
    const QString keyPath = m_module.dialogs().saveFile(
        QStringLiteral("Chiave dei codici"), {QStringLiteral("Valori separati da virgole (*.csv)")},
        0, QDir(m_folder).filePath(QStringLiteral("Tipolab-chiave-%1.csv").arg(folderName())));
    if (keyPath.isEmpty()) return std::nullopt;
    const QString error = saveRegisterKey(keyPath, pseudonymise(rows));
    if (!error.isEmpty()) {
        m_module.dialogs().message(
            QStringLiteral(
                "Impossibile scrivere la chiave \"%1\": %2. Nulla \u00e8 stato esportato.")
                .arg(QDir::toNativeSeparators(keyPath), error),
            m_module.programName(), QMessageBox::Warning);
        return std::nullopt;
    }
    return rows;
}

void registro::stampa_Click()
{
    if (m_folder.isEmpty() || loading()) return;
    std::optional<std::vector<RegisterRow>> rows = rowsToExport();
    if (!rows) return;
    RegisterSnapshot snapshot{folderName(), std::move(*rows), QLocale()};
    m_desk.tell(m_desk.commands().registerSheet(sheetHeading(snapshot.folderName), snapshot));
}

void registro::esporta_Click()
{
    if (m_folder.isEmpty() || loading()) return;
    const QString offered =
        QStringLiteral("Tipolab-registro-%1%2.xlsx")
            .arg(folderName(), senzaNomi->isChecked() ? QStringLiteral("-senza-nomi") : QString());
    QString path = m_module.dialogs().saveFile(QStringLiteral("Esporta il registro"),
                                               {QStringLiteral("Foglio di calcolo (*.xlsx)")}, 0,
                                               QDir(m_folder).filePath(offered));
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        path += QStringLiteral(".xlsx");
    const std::optional<std::vector<RegisterRow>> rows = rowsToExport();
    if (!rows) return;
    const QString error = saveRegisterWorkbook(path, *rows);
    const QString shown = QDir::toNativeSeparators(path);
    if (error.isEmpty())
        m_module.dialogs().message(
            QStringLiteral(
                "Le valutazioni mostrate sono state salvate nel foglio di calcolo \"%1\".")
                .arg(shown),
            m_module.programName(), QMessageBox::Information);
    else
        m_module.dialogs().message(
            QStringLiteral("Impossibile scrivere il foglio di calcolo \"%1\": %2.")
                .arg(shown, error),
            m_module.programName(), QMessageBox::Warning);
}

} // namespace tipolab
