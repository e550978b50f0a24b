#include "profilo.h"

#include "current_results.h"
#include "designed_controls.h"
#include "hexagon_chart_view.h"
#include "professioni.h"
#include "working_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace tipolab {
namespace {

// Designed layout, in twips: the chart on the left, the indices, the
// differences and the sentences on the right, the evidence across the bottom
// and the buttons under it.
using sheet::kFormWidth;
using sheet::kInner;
using sheet::kLeft;
constexpr int kTop = 540, kCell = 255;
constexpr int kChartWidth = 5100, kChartHeight = 3480;
// The warnings on the answers, under the chart.
constexpr int kStyleTop = kTop + kChartHeight + 60, kStyleHeight = 5520 - kStyleTop - kCell;
constexpr int kRight = kLeft + kChartWidth + 120, kRightWidth = kFormWidth - kLeft - kRight;
// The indices: a column of names, then one column per profile.
constexpr int kNameWidth = 1800, kProfileWidth = (kRightWidth - kNameWidth) / 2;
constexpr int kIndicesHeadHeight = 480, kTwoLines = 480;
constexpr int kRuleTop = 2325, kRuleHeight = 720;
// The differences: a column of names, then one column per type.
constexpr int kDifferencesTop = 3120, kRowNameWidth = 1440;
constexpr int kTypeWidth = (kRightWidth - kRowNameWidth) / kTypeCount;
constexpr int kAgreementTop = 4200, kSentenceTop = 4740, kSentenceHeight = 720;
constexpr int kEvidenceTop = 5880, kEvidenceHeight = 3120;

const QString kNotComputed = QStringLiteral(
    "Nessun profilo: completare i dati e premere \u00abRisultati\u00bb nella finestra Dati.");

QLabel* cell(QWidget* parent, const QString& name, int left, int top, int width, int height,
             const QString& tooltip)
{
    QLabel* label = newLabel(parent, name, {}, tooltip);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    placeTwips(label, left, top, width, height);
    return label;
}

} // namespace

profilo::profilo(ModuloTipolab& module, DocumentDesk& desk, QWidget* parent)
    : SheetWindow(module, desk, WindowId::GuideProfile, parent)
{
    setObjectName(QStringLiteral("profilo"));
    setWindowTitle(module.programName() + QStringLiteral(": profilo della persona"));
    placeControls();
    sizeToScreen();
    aggiorna();
}

void profilo::placeControls()
{
    placeHead(1);
    placeChart(QStringLiteral("i sei tipi ai vertici dell'esagono: tratteggiato il profilo "
                              "sintetico (come crede di essere), continuo quello analitico (come "
                              "\u00e8)"),
               kTop, kChartWidth, kChartHeight);
    m_sheetControls << titolo << grafico;

    placeIndices();
    placeDifferences();
    accordo = cell(this, QStringLiteral("accordo"), kRight, kAgreementTop, kRightWidth, kTwoLines,
                   QStringLiteral("quanti dei primi tre tipi coincidono e quanto si somiglia "
                                  "l'ordine dei sei tipi nei due profili"));
    frase = cell(this, QStringLiteral("frase"), kRight, kSentenceTop, kRightWidth, kSentenceHeight,
                 QStringLiteral("dove l'esaminato si sopravvaluta, dove si sottovaluta"));
    frase->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette palette = frase->palette();
    palette.setColor(QPalette::WindowText, kDarkBlue);
    frase->setPalette(palette);
    m_sheetControls << accordo << frase;
    placeResponseStyle();
    placeEvidence();
    placeButtons(QStringLiteral("il foglio del profilo"));
    QPushButton* professions =
        newButton(this, QStringLiteral("professioni"), QStringLiteral("Pro&fessioni affini"),
                  QStringLiteral("cliccare per le professioni vicine al profilo"));
    placeTwips(professions, kLeft, sheet::kButtonsTop, 2100, 375);
    connect(professions, &QPushButton::clicked, this,
            [this] { showProfessions(m_module, backgroundColour()); });
    m_sheetControls << stampa << pdf;
}

void profilo::placeIndices()
{
    const QString names[] = {QString(), QStringLiteral("codice"),
                             QStringLiteral("differenziazione"), QStringLiteral("primi due tipi"),
                             QStringLiteral("coerenza")};
    const int heights[] = {kIndicesHeadHeight, kCell, kCell, kTwoLines, kCell};
    const QString tooltips[] = {
        {},
        QStringLiteral("i tre tipi pi\u00f9 alti; tra parentesi i tipi a pari valore"),
        QStringLiteral("valore pi\u00f9 alto meno valore pi\u00f9 basso, in punti"),
        QStringLiteral("i primi due tipi e il loro distacco in punti"),
        QStringLiteral("distanza sull'esagono tra i primi due tipi"),
    };
    ProfileCells* rows[] = {nullptr, &codice, &differenziazione, &primi, &coerenza};
    const char* objectNames[] = {nullptr, "codice", "differenziazione", "primi", "coerenza"};
    int top = kTop;
    for (int r = 0; r < 5; ++r) {
        QLabel* name = newHeading(this, QStringLiteral("indice_%1").arg(r), names[r], tooltips[r],
                                  Qt::AlignLeft);
        placeTwips(name, kRight, top, kNameWidth, heights[r]);
        m_sheetControls << name;
        for (int p = 1; p <= 2; ++p) {
            const int left = kRight + kNameWidth + (p - 1) * kProfileWidth;
            if (r == 0) {
                QLabel* head = newHeading(
                    this, indexedName("profilo", p),
                    QString::fromUtf8(p == 1 ? kSyntheticProfileName : kAnalyticProfileName), {},
                    Qt::AlignLeft);
                head->setWordWrap(true);
                placeTwips(head, left, top, kProfileWidth, heights[r]);
                m_sheetControls << head;
            } else {
                QLabel* value = cell(this, indexedName(objectNames[r], p), left, top, kProfileWidth,
                                     heights[r], tooltips[r]);
                (*rows[r])[p] = value;
                m_sheetControls << value;
            }
        }
        top += heights[r];
    }
    regola = cell(this, QStringLiteral("regola"), kRight, kRuleTop, kRightWidth, kRuleHeight,
                  QStringLiteral("come si leggono la coerenza e i primi due tipi"));
    regola->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFontLook(regola, 0.9, false);
    regola->setText(consistencyRule());
    m_sheetControls << regola;
}

void profilo::placeDifferences()
{
    const QString names[] = {QString(), QStringLiteral("sint.rel."), QStringLiteral("anal.rel."),
                             QStringLiteral("differenza")};
    const QString tooltips[] = {
        {},
        QStringLiteral("sintetica relativa: come crede di essere, in %"),
        QStringLiteral("analitica relativa: come \u00e8 secondo il test, in %"),
        QStringLiteral("anal.rel. meno sint.rel.: negativa dove si sopravvaluta, positiva dove si "
                       "sottovaluta"),
    };
    TypeCells* rows[] = {nullptr, &sintrel, &anrel, &differenza};
    const char* objectNames[] = {"lettera", "sintrel", "anrel", "differenza"};
    for (int r = 0; r < 4; ++r) {
        const int top = kDifferencesTop + r * kCell;
        QLabel* name = newHeading(this, QStringLiteral("riga_%1").arg(r), names[r], tooltips[r],
                                  Qt::AlignLeft);
        placeTwips(name, kRight, top, kRowNameWidth, kCell);
        m_sheetControls << name;
        for (int t = 1; t <= kTypeCount; ++t) {
            const int left = kRight + kRowNameWidth + (t - 1) * kTypeWidth;
            QLabel* value = r == 0
                                ? newHeading(this, indexedName(objectNames[r], t),
                                             QString(QChar::fromLatin1(typeLetter(t))), typeText(t),
                                             Qt::AlignRight)
                                : newLabel(this, indexedName(objectNames[r], t), {}, tooltips[r]);
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            placeTwips(value, left, top, kTypeWidth, kCell);
            if (rows[r]) (*rows[r])[t] = value;
            m_sheetControls << value;
        }
    }
}

void profilo::placeResponseStyle()
{
    QLabel* heading = newHeading(this, QStringLiteral("Label_attendibilita"),
                                 QString::fromUtf8(kResponseStyleHeading), {}, Qt::AlignLeft);
    placeTwips(heading, kLeft, kStyleTop, kChartWidth, kCell);
    attendibilita =
        cell(this, QStringLiteral("attendibilita"), kLeft, kStyleTop + kCell, kChartWidth,
             kStyleHeight, QStringLiteral("modi di rispondere che dicono poco sulla persona"));
    attendibilita->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFontLook(attendibilita, 0.9, false);
    m_sheetControls << heading << attendibilita;
}

void profilo::placeEvidence()
{
    QLabel* heading =
        newHeading(this, QStringLiteral("Label_evidenze"),
                   QStringLiteral("Le caratteristiche dietro ogni tipo"), {}, Qt::AlignLeft);
    placeTwips(heading, kLeft, kEvidenceTop - kCell - 45, kInner, kCell);
    evidenze = new QTableWidget(kTypeCount, 3, this);
    evidenze->setObjectName(QStringLiteral("evidenze"));
    evidenze->setToolTip(
        QStringLiteral("per ogni tipo le caratteristiche che contano di pi\u00f9 (peso \u00d7 "
                       "coefficiente) e quelle giudicate pi\u00f9 in basso"));
    evidenze->setHorizontalHeaderLabels(evidenceHeader());
    evidenze->verticalHeader()->hide();
    evidenze->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    evidenze->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    evidenze->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    evidenze->setEditTriggers(QAbstractItemView::NoEditTriggers);
    evidenze->setSelectionMode(QAbstractItemView::NoSelection);
    evidenze->setFocusPolicy(Qt::NoFocus);
    // One characteristic to a line, three to a row; a line longer than its
    // column wraps rather than losing its end, and the row grows to hold it.
    evidenze->setWordWrap(true);
    evidenze->setTextElideMode(Qt::ElideNone);
    evidenze->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    placeTwips(evidenze, kLeft, kEvidenceTop, kInner, kEvidenceHeight);
    m_sheetControls << heading << evidenze;
}

void profilo::aggiorna()
{
    const CurrentResults current = currentResults(m_module);
    if (!current.results) {
        m_shown.reset();
        showNothing(current.state == CurrentResults::State::OutOfDate ? kResultsOutOfDate
                                                                      : kNotComputed);
        return;
    }
    m_shown = profileSnapshot(*current.results, m_module.data().types,
                              m_module.data().characteristics, QLocale());
    fill(*m_shown);
    showSheet(true);
}

void profilo::fill(const ProfileSnapshot& s)
{
    const Profile& p = s.profile;
    const QString persona = examinedPerson(m_module);
    titolo->setText(persona.isEmpty() ? QStringLiteral("Profilo della persona")
                                      : QStringLiteral("Profilo di ") + persona);
    grafico->setChart(profileChart(s));
    const ProfileShape* shapes[] = {nullptr, &p.syntheticShape, &p.analyticShape};
    for (int i = 1; i <= 2; ++i) {
        codice[i]->setText(QString::fromStdString(shapes[i]->code));
        differenziazione[i]->setText(pointsText(shapes[i]->differentiation, s.locale));
        primi[i]->setText(firstTypesText(*shapes[i], s.locale));
        coerenza[i]->setText(consistencyText(*shapes[i]));
    }
    for (int t = 1; t <= kTypeCount; ++t) {
        sintrel[t]->setText(pointsText(p.synthetic[t - 1], s.locale));
        anrel[t]->setText(pointsText(p.analytic[t - 1], s.locale));
        differenza[t]->setText(pointsText(p.difference[t - 1], s.locale, true));
    }
    const QString tie = prevailingTieText(s);
    accordo->setText(tie.isEmpty() ? agreementText(s) : agreementText(s) + QLatin1Char('\n') + tie);
    frase->setText(selfImageText(s));
    const QString warnings = responseStyleLines(s).join(QLatin1Char('\n'));
    attendibilita->setText(warnings);
    attendibilita->setToolTip(warnings);
    const QList<QStringList> rows = evidenceRows(s, QStringLiteral("\n"));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            auto* item = new QTableWidgetItem(rows[r][c]);
            item->setToolTip(rows[r][c]);
            evidenze->setItem(r, c, item);
        }
    }
}

void profilo::stampa_Click()
{
    // Never the figures of an assessment since changed or replaced.
    if (!bringResultsUpToDate(m_module)) return;
    aggiorna();
    if (!m_shown) return;
    m_desk.tell(m_desk.commands().profileSheet(sheetHeading(examinedPerson(m_module)), *m_shown));
}

} // namespace tipolab
