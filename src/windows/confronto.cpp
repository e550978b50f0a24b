#include "confronto.h"

#include "archive_commands.h"
#include "current_results.h"
#include "dati.h"
#include "designed_controls.h"
#include "frontespizio.h"
#include "hexagon_chart_view.h"
#include "contents/comparison_files.h"
#include "state/number_format.h"
#include "working_window.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace tipolab {
namespace {

// Designed layout, in twips: the names and dates at the top; on the left the
// chart, the prevailing type and the codes under it and the sentence on the
// prevailing type; on the right the percentages; the buttons at the bottom.
using sheet::kFormWidth;
using sheet::kInner;
using sheet::kLeft;
constexpr int kHeadTop = 480, kHeadHeight = 255;
constexpr int kTop = 1080, kBottom = 8940;
constexpr int kChartWidth = 4920, kChartHeight = 5280;
constexpr int kSummaryTop = kTop + kChartHeight + 120, kSummaryHeight = 1320;
constexpr int kChangeTop = kSummaryTop + kSummaryHeight + 60;
constexpr int kRight = kLeft + kChartWidth + 120, kRightWidth = kFormWidth - kLeft - kRight;

const QString kNoComparison =
    QStringLiteral("Nessun confronto: scegliere \u00abConfronta con un'altra valutazione...\u00bb "
                   "dal menu Visualizza.");
const QString kNotComputed =
    QStringLiteral("Per il confronto servono i risultati della valutazione in corso: premere "
                   "\u00abRisultati\u00bb nella finestra Dati.");

QTableWidget* newTable(QWidget* parent, const QString& name, const QStringList& header, int rows,
                       const QString& tooltip)
{
    auto* table = new QTableWidget(rows, int(header.size()), parent);
    table->setObjectName(name);
    table->setToolTip(tooltip);
    table->setHorizontalHeaderLabels(header);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->setWordWrap(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    return table;
}

void fillTable(QTableWidget* table, const QList<QStringList>& rows, int firstNumberColumn)
{
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            if (c >= firstNumberColumn) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    }
}

} // namespace

confronto::confronto(ModuloTipolab& module, DocumentDesk& desk, QWidget* parent)
    : SheetWindow(module, desk, WindowId::GuideComparison, parent)
{
    setObjectName(QStringLiteral("confronto"));
    setWindowTitle(module.programName() + QStringLiteral(": confronto tra due valutazioni"));
    placeControls();
    sizeToScreen();
    aggiorna();
}

void confronto::placeControls()
{
    placeHead(2);
    prima = newLabel(this, QStringLiteral("prima"), {},
                     QStringLiteral("la valutazione precedente, letta dal suo file"));
    placeTwips(prima, kLeft, kHeadTop, kInner, kHeadHeight);
    dopo = newLabel(this, QStringLiteral("dopo"), {},
                    QStringLiteral("la valutazione presente nelle finestre"));
    placeTwips(dopo, kLeft, kHeadTop + kHeadHeight, kInner, kHeadHeight);

    placeChart(QStringLiteral("i sei tipi ai vertici dell'esagono: tratteggiato in grigio il "
                              "profilo analitico precedente, continuo in blu quello attuale"),
               kTop, kChartWidth, kChartHeight);

    sintesi = newTable(this, QStringLiteral("sintesi"), summaryHeader(), 3,
                       QStringLiteral("il tipo prevalente e i codici a tre lettere dei due "
                                      "profili, prima e dopo"));
    placeTwips(sintesi, kLeft, kSummaryTop, kChartWidth, kSummaryHeight);
    cambio = newLabel(this, QStringLiteral("cambio"));
    cambio->setWordWrap(true);
    cambio->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = cambio->palette();
    palette.setColor(QPalette::WindowText, kDarkBlue);
    cambio->setPalette(palette);
    placeTwips(cambio, kLeft, kChangeTop, kChartWidth, kBottom - kChangeTop);
    percentuali = newTable(this, QStringLiteral("percentuali"), percentageHeader(),
                           kTypeCount * kMeasureCount,
                           QStringLiteral("per ogni tipo le quattro percentuali prima e dopo, "
                                          "con la variazione in punti"));
    for (int column : {0, 1})
        percentuali->horizontalHeader()->setSectionResizeMode(column,
                                                              QHeaderView::ResizeToContents);
    placeTwips(percentuali, kRight, kTop, kRightWidth, kBottom - kTop);
    m_sheetControls << titolo << prima << dopo << grafico << sintesi << cambio << percentuali;
    placeButtons(QStringLiteral("il foglio del confronto"));
    m_sheetControls << stampa << pdf;
}

bool confronto::confronta()
{
    Dialogs& dialogs = m_module.dialogs();
    const CurrentResults current = currentResults(m_module);
    if (current.state == CurrentResults::State::Incomplete) {
        QStringList lines{QStringLiteral("Per il confronto la valutazione in corso deve essere "
                                         "completa:")};
        for (const std::string& line : current.missing)
            lines << QString::fromStdString(line);
        dialogs.message(lines.join(u'\n'), m_module.checkTitle(), QMessageBox::Critical);
        return false;
    }
    if (!current.results) {
        dialogs.message(current.state == CurrentResults::State::OutOfDate ? kResultsOutOfDate
                                                                          : kNotComputed,
                        m_module.checkTitle(), QMessageBox::Information);
        return false;
    }

    // The open dialog of the archive, starting where the current file is.
    const auto* data = qobject_cast<const dati*>(m_module.existingWindow(WindowId::Dati));
    const QString currentFile = data ? data->currentFileName() : QString();
    const QString path = dialogs.openFile(
        QStringLiteral("Apri file: la valutazione precedente"), ArchiveCommands::openFilters(), 1,
        currentFile.isEmpty() ? QString() : QFileInfo(currentFile).absolutePath());
    return !path.isEmpty() && confrontaCon(path);
}

bool confronto::confrontaCon(const QString& path)
{
    Dialogs& dialogs = m_module.dialogs();
    const ComparedFile earlier = comparedFromFile(path);
    if (!earlier.assessment) {
        dialogs.message(earlier.error, m_module.checkTitle(), QMessageBox::Critical);
        return false;
    }
    m_earlier = earlier.assessment;
    aggiorna();
    if (m_shown && namesDiffer(*m_shown))
        dialogs.message(namesWarning(*m_shown), m_module.checkTitle(), QMessageBox::Warning);
    return true;
}

ComparedAssessment confronto::currentAssessment(const Results& results) const
{
    const auto* data = qobject_cast<const dati*>(m_module.existingWindow(WindowId::Dati));
    const auto* title =
        qobject_cast<const frontespizio*>(m_module.existingWindow(WindowId::Frontespizio));
    const QString file = data ? data->currentFileName() : QString();
    QString date = assessmentDate(title ? title->snapshot().data : QString(), file);
    // Entered and never saved: today's assessment.
    if (date.isEmpty()) date = titlePageDate(QDate::currentDate());
    return {examinedPerson(m_module), date, file, results};
}

void confronto::aggiorna()
{
    const CurrentResults current = m_earlier ? currentResults(m_module) : CurrentResults{};
    if (!m_earlier || !current.results) {
        m_shown.reset();
        showNothing(!m_earlier                                          ? kNoComparison
                    : current.state == CurrentResults::State::OutOfDate ? kResultsOutOfDate
                                                                        : kNotComputed);
        return;
    }
    m_shown = comparisonSnapshot(*m_earlier, currentAssessment(*current.results));
    fill(*m_shown);
    showSheet(true);
}

void confronto::fill(const ComparisonSnapshot& s)
{
    const QString persona = s.after.persona;
    titolo->setText(persona.isEmpty()
                        ? QStringLiteral("Confronto tra due valutazioni")
                        : QStringLiteral("Confronto tra due valutazioni di ") + persona);
    prima->setText(headingLine(s.before, true) + QStringLiteral(" (") +
                   QFileInfo(s.before.file).fileName() + QLatin1Char(')'));
    dopo->setText(headingLine(s.after, false));
    grafico->setChart(comparisonChart(s));
    fillTable(sintesi, summaryRows(s), 1);
    cambio->setText(prevailingChangeText(s));
    fillTable(percentuali, percentageRows(s), 2);
}

void confronto::stampa_Click()
{
    // Never the figures of an assessment since changed or replaced.
    if (m_earlier && !bringResultsUpToDate(m_module)) return;
    aggiorna();
    if (!m_shown) return;
    m_desk.tell(m_desk.commands().comparisonSheet(sheetHeading(m_shown->after.persona), *m_shown));
}

} // namespace tipolab
