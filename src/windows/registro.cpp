#include "registro.h"

#include "dati.h"
#include "designed_controls.h"
#include "archive_commands.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
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
constexpr int kRow = 300, kFolderTop = 540, kSearchTop = 900, kProgressTop = 1260;
constexpr int kLabelWidth = 1200, kButtonWidth = 2100;
constexpr int kTableTop = 1680, kTableHeight = 6360, kSummaryTop = 8100, kSummaryHeight = 900;

void name(QWidget* w, const QString& objectName, const QString& accessible, const QString& tip)
{
    w->setObjectName(objectName);
    w->setAccessibleName(accessible);
    w->setToolTip(tip);
}

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
    m_sheetControls << titolo;
    QLabel* folderLabel = newLabel(this, QStringLiteral("Label_cartella"), QStringLiteral("Cartella:"));
    placeTwips(folderLabel, kLeft, kFolderTop, kLabelWidth, kRow);
    cartella = newLabel(this, QStringLiteral("cartella"), {}, QStringLiteral("la cartella letta, con le sue sottocartelle"));
    cartella->setAccessibleName(QStringLiteral("Cartella letta"));
    placeTwips(cartella, kLeft + kLabelWidth, kFolderTop, kInner - kLabelWidth - kButtonWidth - 120, kRow);
    QPushButton* change = newButton(this, QStringLiteral("cambia"), QStringLiteral("Cambia ca&rtella..."),
                                    QStringLiteral("cliccare per leggere un'altra cartella"));
    change->setAccessibleName(QStringLiteral("Cambia cartella"));
    placeTwips(change, kLeft + kInner - kButtonWidth, kFolderTop - 30, kButtonWidth, kRow + 60);
    connect(change, &QPushButton::clicked, this, &registro::scegliCartella);

    QLabel* searchLabel = newLabel(this, QStringLiteral("Label_cerca"), QStringLiteral("C&erca:"));
    placeTwips(searchLabel, kLeft, kSearchTop, kLabelWidth, kRow);
    cerca = new QLineEdit(this);
    name(cerca, QStringLiteral("cerca"), QStringLiteral("Cerca nel registro"),
         QStringLiteral("parte del nome della persona, dell'istituto o del file"));
    cerca->setClearButtonEnabled(true);
    searchLabel->setBuddy(cerca);
    const int searchWidth = kInner / 2 - kLabelWidth;
    placeTwips(cerca, kLeft + kLabelWidth, kSearchTop, searchWidth, kRow);
    const QString states[] = {QStringLiteral("complete"), QStringLiteral("incomplete"),
                              QStringLiteral("danneggiate")};
    const int boxWidth = (kInner / 2 - 120) / 3;
    for (int i = 0; i < 3; ++i) {
        auto* box = new QCheckBox(states[i], this);
        name(box, indexedName("stato", i + 1), QStringLiteral("Mostra le valutazioni ") + states[i],
             QStringLiteral("mostrare le valutazioni ") + states[i]);
        box->setChecked(true);
        placeTwips(box, kLeft + kInner / 2 + 120 + i * boxWidth, kSearchTop, boxWidth, kRow);
        connect(box, &QCheckBox::toggled, this,
                [this, i](bool on) { m_filter->setStateShown(RegisterState(i), on); showSummary(); });
        stati[i] = box;
    }

    avanzamento = new QProgressBar(this);
    name(avanzamento, QStringLiteral("avanzamento"), QStringLiteral("Lettura dei file"),
         QStringLiteral("i file letti finora"));
    placeTwips(avanzamento, kLeft, kProgressTop, kInner - kButtonWidth - 120, kRow);
    annulla = newButton(this, QStringLiteral("annulla"), QStringLiteral("&Annulla"),
                        QStringLiteral("cliccare per fermare la lettura"));
    annulla->setAccessibleName(QStringLiteral("Annulla la lettura"));
    placeTwips(annulla, kLeft + kInner - kButtonWidth, kProgressTop - 30, kButtonWidth, kRow + 60);
    connect(annulla, &QPushButton::clicked, this, [this] {
        if (m_cancel) m_cancel->store(true);
    });
    avanzamento->hide();
    annulla->hide();

    m_model = new RegisterModel(this);
    m_filter = new RegisterFilter(this);
    m_filter->setSourceModel(m_model);
    tabella = new QTableView(this);
    name(tabella, QStringLiteral("tabella"), QStringLiteral("Valutazioni della cartella"),
         QStringLiteral("una riga per valutazione; Invio o doppio clic la apre"));
    tabella->setModel(m_filter);
    tabella->setSortingEnabled(true);
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

    riepilogo = newLabel(this, QStringLiteral("riepilogo"), {},
                         QStringLiteral("quante valutazioni e i loro tipi prevalenti"));
    riepilogo->setAccessibleName(QStringLiteral("Riepilogo"));
    riepilogo->setWordWrap(true);
    riepilogo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(riepilogo, kLeft, kSummaryTop, kInner, kSummaryHeight);
    connect(cerca, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_filter->setSearch(text);
        showSummary();
    });
    m_sheetControls << folderLabel << cartella << change << searchLabel << cerca << stati[0]
                    << stati[1] << stati[2] << tabella << riepilogo;
    placeButtons(QStringLiteral("il foglio della classe"));
    m_sheetControls << stampa << pdf;
}

bool registro::scegliCartella()
{
    QString start = m_folder;
    if (start.isEmpty()) {
        if (auto* data = m_module.windowAs<dati>(WindowId::Dati)) start = data->archive().lastFolder();
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
    titolo->setText(QStringLiteral("Registro delle valutazioni: ") + QFileInfo(folder).fileName());
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_done = std::make_shared<std::atomic<int>>(0);
    m_total = std::make_shared<std::atomic<int>>(0);
    avanzamento->setRange(0, 0);
    avanzamento->show();
    annulla->show();
    auto cancel = m_cancel;
    auto done = m_done;
    auto total = m_total;
    m_worker = std::make_unique<std::thread>([this, folder, cancel, done, total] {
        std::vector<RegisterRow> rows =
            readRegister(registerFiles({folder}), [&](int n, int all) {
                done->store(n);
                total->store(all);
                return !cancel->load();
            });
        const bool cancelled = cancel->load();
        QMetaObject::invokeMethod(
            this, [this, rows = std::move(rows), cancelled]() mutable {
                finished(std::move(rows), cancelled);
            },
            Qt::QueuedConnection);
    });
    // The bar follows the reading while it lasts.
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, timer, done, total] {
        if (!m_worker || m_done != done) {
            timer->deleteLater();
            return;
        }
        avanzamento->setRange(0, std::max(1, total->load()));
        avanzamento->setValue(done->load());
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

void registro::finished(std::vector<RegisterRow> rows, bool cancelled)
{
    if (m_worker) {
        m_worker->join();
        m_worker.reset();
    }
    avanzamento->hide();
    annulla->hide();
    m_model->setRows(std::move(rows));
    tabella->resizeColumnsToContents();
    showSheet(true);
    showSummary();
    if (cancelled)
        riepilogo->setText(QStringLiteral("Lettura interrotta: ") + riepilogo->text());
}

void registro::showSummary()
{
    std::array<int, 3> states{};
    std::array<int, kTypeCount> prevailing{};
    for (const RegisterRow& row : m_model->rows()) {
        ++states[static_cast<std::size_t>(row.state)];
        if (row.state == RegisterState::Complete) ++prevailing[row.prevailing - 1];
    }
    QStringList types;
    for (int t = 1; t <= kTypeCount; ++t)
        types << QStringLiteral("%1 %2").arg(typeText(t)).arg(prevailing[t - 1]);
    QString text = QStringLiteral("%1 complete, %2 incomplete, %3 danneggiate; %4 mostrate. "
                                  "Tipi prevalenti: %5.")
                       .arg(states[0])
                       .arg(states[1])
                       .arg(states[2])
                       .arg(m_filter->rowCount())
                       .arg(types.join(QStringLiteral(", ")));
    if (states[0] < kLocalNormsFrom)
        text += QStringLiteral(" I percentili compaiono da %1 valutazioni complete.").arg(kLocalNormsFrom);
    riepilogo->setText(text);
}

void registro::openSelected()
{
    const QModelIndex index = tabella->currentIndex();
    if (!index.isValid()) return;
    const QString path =
        m_filter->data(m_filter->index(index.row(), RegisterModel::kFileColumn)).toString();
    auto* data = m_module.windowAs<dati>(WindowId::Dati);
    if (data && data->archive().apriFile(path)) m_module.showWindow(WindowId::Tipi);
}

void registro::aggiorna()
{
    if (!m_folder.isEmpty() && !loading()) leggi(m_folder);
}

void registro::changeEvent(QEvent* event)
{
    SheetWindow::changeEvent(event);
    // Files saved from the windows meanwhile are listed when it comes back.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) aggiorna();
}

void registro::stampa_Click()
{
    if (m_folder.isEmpty()) return;
    RegisterSnapshot snapshot{QFileInfo(m_folder).fileName(), m_model->rows(), QLocale()};
    m_desk.tell(m_desk.commands().registerSheet(sheetHeading(snapshot.folderName), snapshot));
}

} // namespace tipolab
