#include "tipi.h"

#include "archive_commands.h"
#include "core/scoring.h"
#include "dati.h"
#include "designed_controls.h"
#include "entry_row.h"
#include "state/qt_text.h"
#include "state/number_format.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace tipolab {
namespace {

// Designed layout, in twips, of the client area below the toolbar.
constexpr int kLeft = 150;        // left margin of the rows block
constexpr int kBlockWidth = 6300; // rows block, up to the scale frame
constexpr int kHeadingTop = 1920;
constexpr int kFirstRowTop = 2280;
constexpr int kRowPitch = 360; // the rows lie 360 twips apart
constexpr int kRowHeight = 300;
constexpr int kNumberLeft = kLeft, kNumberWidth = 300;
constexpr int kTickLeft = 480, kTickWidth = 300;
constexpr int kNameLeft = 840, kNameWidth = 2280;
constexpr int kWordLeft = 3180, kWordWidth = 1560;
constexpr int kStepLeft = 4800, kStepWidth = 660;
constexpr int kCoeffLeft = 5520, kCoeffWidth = 720;
constexpr int kMeanTop = 4500;
constexpr int kGuidanceTop = 4830;
constexpr int kButtonsTop = 5400, kButtonHeight = 420, kButtonWidth = 1500, kButtonGap = 100;
constexpr int kScaleLeft = 6600, kScaleTop = 90, kScaleWidth = 2850, kScaleHeight = 5730;
constexpr int kScaleButtonTop = 330, kScaleButtonPitch = 480, kScaleButtonHeight = 420;

const QString kDidas = QStringLiteral(
    "Questa finestra serve ad inserire le valutazioni, espresse in maniera sintetica, sulle sei "
    "tipologie di personalità considerate e di cui, nella finestra Dati, saranno analizzate in "
    "dettaglio le componenti. Non è necessario conoscere con precisione il significato del tipo "
    "di carattere da giudicare, ma è sufficiente, per il raffronto con i dati successivi, che si "
    "stimi l'appartenenza ad essi, secondo la scala di valori indicata, in base a ciò che si "
    "crede di essere.");

const QString kTickTooltip = QStringLiteral(
    "casella di spunta: cliccare per assegnare o modificare il giudizio della tipologia di "
    "personalità n. %1");

// The names the help on the next step uses for types 1..6.
const char* const kTypeInWords[] = {"realista", "investigativo",  "artistico",
                                    "sociale",  "intraprendente", "convenzionale"};

// The columns of the six rows.
constexpr EntryColumns kColumns{kNumberLeft, kNumberWidth, kTickLeft,  kTickWidth,
                                kNameLeft,   kNameWidth,   kWordLeft,  kWordWidth,
                                kStepLeft,   kStepWidth,   kCoeffLeft, kCoeffWidth};

} // namespace

tipi::tipi(ModuloTipolab& module, DocumentDesk& desk) : WorkingWindow(module, desk, 1)
{
    placeControls();
    sizeToScreen();
    // The data window is loaded with this one, so that the model's names are in place.
    dataWindow();
    for (int t = 1; t <= kTypeCount; ++t) {
        Label11[t]->setText(toQString(typeName(t)));
        cecc[t]->setToolTip(kTickTooltip.arg(t));
        cecc[t]->setAccessibleName(
            QStringLiteral("tipologia %1, riga %2").arg(Label11[t]->text()).arg(t));
    }
    aggiornaPasso();
}

void tipi::placeControls()
{
    QWidget* area = client();

    auto* Label9 = newLabel(area, QStringLiteral("Label9"),
                            QStringLiteral("Giudizi generali sulla propria personalità"),
                            QStringLiteral("finestra di introduzione dei giudizi generali"));
    QFont titleFont = Label9->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    Label9->setFont(titleFont);
    placeTwips(Label9, kLeft, 90, kBlockWidth, 330);

    didas = newLabel(area, QStringLiteral("didas"), kDidas,
                     QStringLiteral("delucidazioni sulle funzioni della finestra"));
    didas->setWordWrap(true);
    didas->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont smaller = didas->font();
    smaller.setPointSizeF(smaller.pointSizeF() * 0.9);
    didas->setFont(smaller);
    placeTwips(didas, kLeft, 450, kBlockWidth, 1380);

    placeTwips(newHeading(area, QStringLiteral("Label8"), QStringLiteral("n."),
                          QStringLiteral("numero d'ordine delle personalità")),
               kNumberLeft, kHeadingTop, kNumberWidth, 255);
    placeTwips(newHeading(area, QStringLiteral("Label1"), QStringLiteral("TIPO  CONSIDERATO"),
                          QStringLiteral("l'elenco delle tipologie di personalità"), Qt::AlignLeft),
               kTickLeft, kHeadingTop, kNameLeft + kNameWidth - kTickLeft, 255);
    placeTwips(newHeading(area, QStringLiteral("Label7"), QStringLiteral("giudizio"),
                          QStringLiteral("riportati in automatico cliccando sui tasti della "
                                         "scala dei valori"),
                          Qt::AlignLeft),
               kWordLeft, kHeadingTop, kWordWidth, 255);
    placeTwips(newHeading(area, QStringLiteral("Label10"), QStringLiteral("valore"),
                          QStringLiteral("il numero corrispondente al giudizio cliccato")),
               kStepLeft, kHeadingTop, kStepWidth, 255);
    placeTwips(newHeading(area, QStringLiteral("Label2"), QStringLiteral("coeff."),
                          QStringLiteral("il coefficiente associato al giudizio prescelto")),
               kCoeffLeft, kHeadingTop, kCoeffWidth, 255);
    addRule(area, kLeft, kHeadingTop + 285, kBlockWidth);

    for (int t = 1; t <= kTypeCount; ++t) {
        const EntryRow row = makeEntryRow(area, t, kFirstRowTop + (t - 1) * kRowPitch, kRowHeight,
                                          kColumns, {"numero", "Label11", true});
        numero[t] = row.number;
        cecc[t] = row.tick;
        Label11[t] = row.name;
        giudiz[t] = row.word;
        valor[t] = row.step;
        coeff[t] = row.coefficient;
        // Every change of the box runs the tick procedure, from a click or from code.
        connect(cecc[t], &QCheckBox::toggled, this, [this, t] { cecc_Click(t); });
    }
    addRule(area, kLeft, kFirstRowTop + kTypeCount * kRowPitch, kBlockWidth);

    auto* Label4 =
        newLabel(area, QStringLiteral("Label4"), QStringLiteral("media dei coefficienti"),
                 QStringLiteral("la media dei coefficienti associati ai giudizi sulle "
                                "personalità"));
    Label4->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    placeTwips(Label4, kWordLeft, kMeanTop, kStepLeft + kStepWidth - kWordLeft, kRowHeight);
    media = newHeading(area, QStringLiteral("media"), QString(), QString());
    placeTwips(media, kCoeffLeft, kMeanTop, kCoeffWidth, kRowHeight);

    passo = newGuidanceLine(area, {});
    placeTwips(passo, kLeft, kGuidanceTop, kBlockWidth, 510); // room for two lines

    auto* aiuto =
        newButton(area, QStringLiteral("aiuto"), QStringLiteral("&AIUTO"),
                  QStringLiteral("cliccare per avere indicazioni sull'immissione dei dati"));
    auto* avanti = newButton(area, QStringLiteral("avanti"), QStringLiteral("&Dati"),
                             QStringLiteral("cliccare per visualizzare la finestra Dati"));
    auto* cmdGuida = newButton(area, QStringLiteral("cmdGuida"), QStringLiteral("&Guida in linea"),
                               QStringLiteral("cliccare per visualizzare il sommario della Guida"));
    auto* cmdesci = newButton(area, QStringLiteral("cmdesci"), QStringLiteral("&USCITA"),
                              QStringLiteral("cliccare per uscire da Tipolab"));
    int left = kLeft;
    for (QPushButton* button : {aiuto, avanti, cmdGuida, cmdesci}) {
        placeTwips(button, left, kButtonsTop, kButtonWidth, kButtonHeight);
        left += kButtonWidth + kButtonGap;
    }
    connect(aiuto, &QPushButton::clicked, this, &tipi::aiuto_Click);
    connect(avanti, &QPushButton::clicked, this, &tipi::avanti_Click);
    connect(cmdGuida, &QPushButton::clicked, this, &tipi::cmdGuida_Click);
    connect(cmdesci, &QPushButton::clicked, this, &tipi::cmdesci_Click);

    Frame1 = new ScaleFrame(area,
                            QStringLiteral("giudizi, in ordine decrescente, da esprimere cliccando "
                                           "sul tasto prescelto per la tipologia selezionata"),
                            {kScaleLeft, kScaleTop, kScaleWidth, kScaleHeight, kScaleButtonTop,
                             kScaleButtonPitch, kScaleButtonHeight, 150});
    connect(Frame1, &ScaleFrame::stepClicked, this, &tipi::giud_Click);
    // After the last type the keyboard goes on to "&Dati".
    const QList<QCheckBox*> boxes(cecc.begin() + 1, cecc.end());
    Frame1->guideKeyboard(boxes, avanti);
    QList<QWidget*> order(boxes.begin(), boxes.end()); // Tab: the boxes, the scale, the buttons
    for (int n = 1; n <= kStepCount; ++n)
        order << Frame1->giud(n);
    chainTabOrder(order << aiuto << avanti << cmdGuida << cmdesci);
}

void tipi::cecc_Click(int index)
{
    Judgement& judgement = judgementOf(index);
    const bool ticked = cecc[index]->isChecked();
    judgement.tick = Value::number(ticked ? 1 : 0);
    m_tickCount = 0;
    for (int t = 1; t <= kTypeCount; ++t)
        m_tickCount += cecc[t]->isChecked() ? 1 : 0;
    m_currentType = index;

    if (ticked) {
        attivaScala();
    } else {
        judgement.withdraw();
        togliTipo();
        valor[index]->clear();
        coeff[index]->clear();
    }
    aggiornaPasso();
}

void tipi::giud_Click(int index)
{
    const int c = m_currentType;
    if (c < 1 || c > kTypeCount) return; // the scale acts only on a type awaiting its judgement
    Judgement& judgement = judgementOf(c);
    giudiz[c]->setText(toQString(stepWord(index)));
    judgement.word = Value::text(toStdString(giudiz[c]->text()));
    valor[c]->setText(QString::number(index));
    judgement.step = Value::text(toStdString(valor[c]->text()));
    const float coefficient = stepCoefficient(index);
    judgement.coefficient = Value::number(coefficient);
    coeff[c]->setText(format00(twoDecimalValue(coefficient)));
    media_Change();
    disattivaScala();
    m_currentType = 0;
    aggiornaPasso();
}

void tipi::media_Change()
{
    for (int t = 1; t <= kTypeCount; ++t) {
        if (judgementOf(t).coefficient.isEmpty()) judgementOf(t).coefficient = Value::number(0);
    }
    const std::optional<double> mean = meanSyntheticCoefficient(module().data().types);
    media->setText(mean ? format000(*mean) : QStringLiteral("0"));
}

void tipi::togliTipo()
{
    disattivaScala();
    if (m_currentType >= 1 && m_currentType <= kTypeCount) giudiz[m_currentType]->clear();
    media_Change();
}

void tipi::attivaScala()
{
    Frame1->setStepsEnabled(true);
}

void tipi::disattivaScala()
{
    Frame1->setStepsEnabled(false);
}

void tipi::aggiornaPasso()
{
    const int c = m_currentType;
    if (m_tickCount == 0)
        passo->setText(QStringLiteral("Aprire un file archiviato o iniziare l'immissione dati "
                                      "spuntando la tipologia da valutare."));
    else if (c > 0 && cecc[c]->isChecked() && giudiz[c]->text().isEmpty())
        passo->setText(QStringLiteral(
            "Scegliere il giudizio di stima cliccando su uno dei tasti della scala."));
    else if (m_tickCount < kTypeCount)
        passo->setText(QStringLiteral("Spuntare un'altra tipologia."));
    else
        passo->setText(QStringLiteral("Correggere, archiviare i dati o andare oltre "
                                      "nell'elaborazione cliccando sul tasto Dati."));
}

void tipi::showJudgement(int t)
{
    Judgement& judgement = judgementOf(t);
    giudiz[t]->setText(QString::fromStdString(judgement.word.toText()));
    valor[t]->setText(QString::fromStdString(judgement.step.toText()));
    if (judgement.coefficient.isEmpty()) judgement.coefficient = Value::number(0);
    const auto coefficient = static_cast<float>(judgement.coefficient.toNumber());
    coeff[t]->setText(format00(twoDecimalValue(coefficient)));
}

void tipi::showLoadedJudgements(const TypeJudgements& loaded)
{
    for (int t = 1; t <= kTypeCount; ++t) {
        cecc[t]->setChecked(loaded[t - 1].isTicked()); // a change runs the tick procedure
        // An untick withdraws the judgement in memory; the file's holds all the same.
        judgementOf(t) = loaded[t - 1];
        showJudgement(t);
    }
    media_Change();
    // Nothing awaits a judgement after a load, whichever window asked for it.
    disattivaScala();
    m_currentType = 0;
    aggiornaPasso();
}

void tipi::controlla_Click()
{
    const QString ticks =
        m_tickCount < kTypeCount ? QStringLiteral("- spuntare ognuna delle tipologie;") : QString();
    bool judged = true;
    for (int t = 1; t <= kTypeCount; ++t)
        judged = judged && !giudiz[t]->text().isEmpty();
    const QString judgements =
        judged ? QString() : QStringLiteral("- assegnare un giudizio ad ogni tipologia;");

    tellCheckOutcome(ticks.isEmpty() && judgements.isEmpty(), ticks + u'\n' + judgements);
}

void tipi::aiuto_Click()
{
    auto inform = [this](const QString& text) {
        module().dialogs().message(text, module().helpTitle(), QMessageBox::Information);
    };
    if (m_tickCount == 0) {
        inform(QStringLiteral("- Spuntare una tipologia per volta e cliccare sul corrispondente "
                              "giudizio prescelto;\n- o aprire un file archiviato per prelevare i "
                              "dati del test (Tipolab-dati-...);"));
        return;
    }
    // A ticked type still without a judgement while the scale is closed: it can
    // only be judged after ticking it again.
    const bool scaleOpen = Frame1->stepsEnabled();
    for (int t = 1; t <= kTypeCount; ++t) {
        if (cecc[t]->isChecked() && judgementOf(t).step.isEmpty() && !scaleOpen) {
            inform(QStringLiteral("Spuntare ogni tipologia da valutare e scegliere il giudizio di "
                                  "stima o correggere (se già appare selezionata occorre "
                                  "deselezionarla e, quindi, spuntarla di nuovo)."));
            return;
        }
    }
    for (int j = 1; j <= kTypeCount; ++j) {
        if (!cecc[j]->isChecked()) {
            inform(QStringLiteral("Cliccare sul giudizio prescelto per la tipologia n. %1").arg(j));
            return;
        }
        // The type awaiting its judgement, the first one included.
        const int c = m_currentType;
        if (c >= 1 && c <= kTypeCount && cecc[c]->isChecked()) {
            inform(QStringLiteral("Cliccare sul giudizio prescelto per il tipo %1")
                       .arg(QLatin1String(kTypeInWords[c - 1])));
            return;
        }
    }
    inform(QStringLiteral("Correggere le valutazioni, archiviarle o cliccare sul tasto Dati"));
}

void tipi::cancellaFinestra()
{
    // Nothing entered since the start or the last clear: no judgement (the
    // mean is empty) and no tick.
    if (media->text().isEmpty() && m_tickCount == 0) return;
    for (int t = 1; t <= kTypeCount; ++t) {
        cecc[t]->setChecked(false); // runs the tick procedure for a ticked box
        giudiz[t]->clear();
        valor[t]->clear();
        coeff[t]->clear();
        Judgement& judgement = judgementOf(t);
        judgement.tick = Value::number(0);
        judgement.word = Value::text({});
        judgement.step = Value::text({});
        judgement.coefficient = Value::text({});
    }
    m_tickCount = 0;
    media->clear();
    aggiornaPasso();
    if (dati* d = dataWindow()) d->archive().cleared();
}

void tipi::apri_Click()
{
    WorkingWindow::apri_Click();
    disattivaScala();
}

TypesWindowSnapshot tipi::snapshot() const
{
    TypesWindowSnapshot out;
    out.scale = Frame1->captions();
    for (int t = 1; t <= kTypeCount; ++t)
        out.rows[t - 1] = generalJudgementRow(t, module().data().type(t));
    out.mean = media->text();
    return out;
}

void tipi::stampa_Click()
{
    showLoading(passo);
    desk().tell(desk().commands().typesSheet(sheetHeading(examinedPerson()), snapshot()));
}

void tipi::avanti_Click()
{
    module().showWindow(WindowId::Dati);
}

void tipi::cmdGuida_Click()
{
    guida_Click();
}

void tipi::cmdesci_Click()
{
    esci_Click();
}

} // namespace tipolab
