#include "professioni.h"

#include "current_results.h"
#include "designed_controls.h"
#include "professions_model.h"
#include "state/qt_text.h"
#include "working_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace tipolab {
namespace {

// Designed layout, in twips: the choices at the top, the table, the
// description of the selected occupation and the method under it.
using sheet::kInner;
using sheet::kLeft;
constexpr int kRow = 300, kChoicesTop = 540, kLevelsTop = 900, kSearchTop = 1560;
constexpr int kLabelWidth = 1500, kComboWidth = 3600;
// The four levels in two rows of two.
constexpr int kLevelWidth = kInner / 2;
constexpr int kTableTop = 1980, kTableHeight = 5040;
constexpr int kDescriptionTop = 7110, kDescriptionHeight = 900;
constexpr int kMethodTop = 8070, kMethodHeight = 960;

const QString kNotComputed = QStringLiteral(
    "Nessuna professione: completare i dati e premere \u00abRisultati\u00bb nella finestra Dati.");

} // namespace

professioni::professioni(ModuloTipolab& module, DocumentDesk& desk, QWidget* parent)
    : SheetWindow(module, desk, WindowId::GuideProfessions, parent)
{
    setObjectName(QStringLiteral("professioni"));
    setWindowTitle(module.programName() + QStringLiteral(": professioni affini"));
    placeControls();
    sizeToScreen();
    aggiorna();
}

void showProfessions(ModuloTipolab& module, const QColor& colour)
{
    auto* window = module.windowAs<professioni>(WindowId::Professioni);
    if (!window) return;
    window->setBackgroundColour(colour);
    window->aggiorna();
    module.showWindow(WindowId::Professioni);
}

void professioni::placeControls()
{
    placeHead(1);
    m_sheetControls << titolo;

    QLabel* profileLabel =
        newLabel(this, QStringLiteral("Label_profilo"), QStringLiteral("&Profilo:"));
    placeTwips(profileLabel, kLeft, kChoicesTop, kLabelWidth, kRow);
    profilo = new QComboBox(this);
    nameControl(profilo, QStringLiteral("profilo"), QStringLiteral("Profilo confrontato"),
                QStringLiteral("il profilo confrontato con le professioni"));
    profilo->addItem(QString::fromUtf8(kAnalyticProfileName));
    profilo->addItem(QString::fromUtf8(kSyntheticProfileName));
    profileLabel->setBuddy(profilo);
    placeTwips(profilo, kLeft + kLabelWidth, kChoicesTop, kComboWidth, kRow);
    codici = newLabel(this, QStringLiteral("codici"), {},
                      QStringLiteral("i codici a tre lettere dei due profili"));
    codici->setAccessibleName(QStringLiteral("Codici della persona"));
    placeTwips(codici, kLeft + kLabelWidth + kComboWidth + 240, kChoicesTop,
               kInner - kLabelWidth - kComboWidth - 240, kRow);
    m_sheetControls << profileLabel << profilo << codici;

    for (int level = 1; level <= kOccupationLevelCount; ++level) {
        auto* box = new QCheckBox(levelText(level), this);
        nameControl(box, indexedName("livello", level),
                    QStringLiteral("Livello ") + levelText(level),
                    QStringLiteral("mostrare le professioni di questo livello di istruzione"));
        box->setChecked(true);
        placeTwips(box, kLeft + (level - 1) % 2 * kLevelWidth, kLevelsTop + (level - 1) / 2 * kRow,
                   kLevelWidth, kRow);
        connect(box, &QCheckBox::toggled, this, &professioni::filterChanged);
        livello[level - 1] = box;
        m_sheetControls << box;
    }

    QLabel* searchLabel = newLabel(this, QStringLiteral("Label_cerca"), QStringLiteral("C&erca:"));
    placeTwips(searchLabel, kLeft, kSearchTop, kLabelWidth, kRow);
    cerca = new QLineEdit(this);
    nameControl(cerca, QStringLiteral("cerca"), QStringLiteral("Cerca una professione"),
                QStringLiteral("parte del nome della professione o del gruppo ISCO-08"));
    cerca->setClearButtonEnabled(true);
    searchLabel->setBuddy(cerca);
    placeTwips(cerca, kLeft + kLabelWidth, kSearchTop, kInner - kLabelWidth, kRow);
    connect(cerca, &QLineEdit::textChanged, this, &professioni::filterChanged);
    m_sheetControls << searchLabel << cerca;

    m_model = new ProfessionsModel(this);
    tabella = new QTableView(this);
    nameControl(
        tabella, QStringLiteral("tabella"),
        QStringLiteral("Professioni in ordine di affinit\u00e0"),
        QStringLiteral("le professioni dalla pi\u00f9 affine; frecce e Pagina su/gi\u00f9 per "
                       "scorrere"));
    tabella->setModel(m_model);
    tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabella->setSelectionMode(QAbstractItemView::SingleSelection);
    tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabella->setTabKeyNavigation(false);
    tabella->setWordWrap(false);
    tabella->verticalHeader()->hide();
    tabella->verticalHeader()->setDefaultSectionSize(tabella->fontMetrics().lineSpacing() + 6);
    QHeaderView* header = tabella->horizontalHeader();
    // The widths fit the first rows: the columns hold numbers and short codes.
    header->setResizeContentsPrecision(100);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    placeTwips(tabella, kLeft, kTableTop, kInner, kTableHeight);
    connect(tabella->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &professioni::showDescription);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        if (m_model->rowCount() > 0) tabella->setCurrentIndex(m_model->index(0, 0));
        showDescription();
    });

    descrizione = newLabel(this, QStringLiteral("descrizione"), {},
                           QStringLiteral("che cosa fa chi svolge la professione scelta"));
    descrizione->setAccessibleName(QStringLiteral("Descrizione della professione"));
    descrizione->setWordWrap(true);
    descrizione->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    descrizione->setTextInteractionFlags(Qt::TextSelectableByMouse);
    placeTwips(descrizione, kLeft, kDescriptionTop, kInner, kDescriptionHeight);
    metodo =
        newLabel(this, QStringLiteral("metodo"), methodText() + QLatin1Char(' ') + purposeText(),
                 QStringLiteral("come si legge l'elenco; la guida dice da dove vengono i dati"));
    metodo->setAccessibleName(QStringLiteral("Come si legge l'elenco"));
    metodo->setWordWrap(true);
    metodo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFontLook(metodo, 0.9, false);
    placeTwips(metodo, kLeft, kMethodTop, kInner, kMethodHeight);
    m_sheetControls << tabella << descrizione << metodo;

    connect(profilo, &QComboBox::currentIndexChanged, this, &professioni::aggiorna);
    placeButtons(QStringLiteral("il foglio delle professioni"));
    m_sheetControls << stampa << pdf;
}

void professioni::aggiorna()
{
    const CurrentResults current = currentResults(m_module);
    if (!current.results) {
        m_shown.reset();
        m_model->setRanking({}, QLocale());
        showNothing(current.state == CurrentResults::State::OutOfDate ? kResultsOutOfDate
                                                                      : kNotComputed);
        return;
    }
    m_shown = professionsSnapshot(*current.results, profilo->currentIndex() == 1, QLocale());
    const QString persona = examinedPerson(m_module);
    titolo->setText(persona.isEmpty() ? QString::fromUtf8(kProfessionsTitle)
                                      : QStringLiteral("Professioni affini a ") + persona);
    codici->setText(codesText(*m_shown));
    if (m_shown->ranking.flat) {
        m_model->setRanking({}, QLocale());
        showSheet(true);
        descrizione->setText(QString::fromUtf8(kFlatProfile));
        return;
    }
    m_model->setRanking(m_shown->ranking, m_shown->locale);
    showSheet(true);
}

void professioni::filterChanged()
{
    LevelSet levels = 0;
    for (int level = 1; level <= kOccupationLevelCount; ++level) {
        if (livello[level - 1]->isChecked()) levels |= 1u << (level - 1);
    }
    m_model->setFilter(levels, cerca->text());
}

void professioni::showDescription()
{
    if (m_shown && m_shown->ranking.flat) return;
    const OccupationMatch* m = m_model->match(tabella->currentIndex().row());
    if (!m) {
        descrizione->setText(m_shown ? QStringLiteral("Nessuna professione con questi criteri.")
                                     : QString());
        return;
    }
    const Occupation& o = *m->occupation;
    descrizione->setText(QStringLiteral("%1 (O*NET-SOC %2): %3")
                             .arg(toQString(o.title), toQString(o.code), toQString(o.description)));
}

void professioni::stampa_Click()
{
    // Never the figures of an assessment since changed or replaced.
    if (!bringResultsUpToDate(m_module)) return;
    aggiorna();
    if (!m_shown || m_shown->ranking.flat) return;
    m_desk.tell(
        m_desk.commands().professionsSheet(sheetHeading(examinedPerson(m_module)), *m_shown));
}

} // namespace tipolab
