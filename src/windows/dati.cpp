#include "dati.h"

#include "archive_commands.h"
#include "core/check.h"
#include "core/scoring.h"
#include "designed_controls.h"
#include "entry_row.h"
#include "qt_text.h"
#include "risultati.h"
#include "state/number_format.h"
#include "tipi.h"
#include "weight_arrows.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace tipolab {
namespace {

// Designed layout, in twips. The layout measures its tops from the top of a
// client area that holds the toolbar, 420 twips high; the client area here
// begins below the toolbar, so every top moves up by that much (row 1 stands
// at 1080 - 420).
constexpr int kToolbarOffset = 420;
constexpr int kLeft = 120;
constexpr int kBlockRight = 7095; // the rows block ends with the weight arrows
constexpr int kFullWidth = 9360;  // the guidance line and the buttons span the window
constexpr int kTitleTop = 60, kTitleHeight = 300;
constexpr int kHeadingTop = 390, kHeadingHeight = 240;
constexpr int kFirstRowTop = 1080 - kToolbarOffset;
constexpr int kRowPitch = 240; // the rows lie 240 twips apart
constexpr int kRowHeight = 240;
constexpr int kNumberLeft = kLeft, kNumberWidth = 360;
constexpr int kTickLeft = 600, kTickWidth = 300;
constexpr int kNameLeft = 960, kNameWidth = 2640;
// The longest words ("quasi massimo") may reach into the step column's
// margin, which its centred number never fills.
constexpr int kWordLeft = 3600, kWordWidth = 1380;
constexpr int kStepLeft = 4920, kStepWidth = 540;
constexpr int kCoeffLeft = 5520, kCoeffWidth = 660;
constexpr int kWeightLeft = 6240, kWeightWidth = 540;
constexpr int kArrowsLeft = 6840, kArrowsWidth = 255;
constexpr int kRowsBottom = kFirstRowTop + kCharacteristicCount * kRowPitch;
constexpr int kIndicatorTop = kRowsBottom + 90, kIndicatorPitch = 300, kIndicatorHeight = 255;
constexpr int kLeftCaption = 960, kLeftCaptionWidth = 2160;
constexpr int kLeftValue = 3120, kLeftValueWidth = 900;
constexpr int kRightCaption = 3840, kRightCaptionWidth = 2220;
constexpr int kRightValue = 6120, kRightValueWidth = 780; // centred under the % column
constexpr int kGuidanceTop = 4950, kGuidanceHeight = 330;
constexpr int kButtonsTop = 5400, kButtonHeight = 420, kButtonGap = 60;
constexpr ScaleLayout kScale{7230, kHeadingTop, 2250, 4350, 300, 360, 330, 120};

constexpr EntryColumns kColumns{kNumberLeft, kNumberWidth, kTickLeft,  kTickWidth,
                                kNameLeft,   kNameWidth,   kWordLeft,  kWordWidth,
                                kStepLeft,   kStepWidth,   kCoeffLeft, kCoeffWidth};

const QString kTickTooltip = QStringLiteral(
    "casella di spunta: cliccare per assegnare o modificare il giudizio della caratteristica n. "
    "%1");
const QString kOverallPrefix = QStringLiteral("Giudizio complessivo: ");

int twipsOf(int pixels)
{
    return pixels * kTwipsPerPixel;
}

} // namespace

dati::dati(ModuloTipolab& module, DocumentDesk& desk)
    : WorkingWindow(module, desk, 2), m_archive(std::make_unique<ArchiveCommands>(module, *this))
{
    placeControls();
    sizeToScreen();
    AssessmentData& data = module.data();
    for (int c = 1; c <= kCharacteristicCount; ++c) {
        cecc[c]->setToolTip(kTickTooltip.arg(c));
        caratt[c]->setText(toQString(characteristicName(1, c)));
    }
    appunti->setText(toQString(typeName(1)));
    data.currentType = 1;
    // A window made anew while the assessment already holds entries (after
    // the exit, or once closed) shows them rather than an empty first type.
    // Otherwise the first type takes the weights shown, so that the remainder
    // and the weighted coefficient count every row from the first click on.
    CharacteristicRow untouched{};
    applyDisplayDefaults(untouched);
    const CharacteristicRow& first = data.characteristics[0];
    if (first != CharacteristicRow{} && first != untouched)
        mostraTipo();
    else
        applyDisplayDefaults(data.characteristics[0]);
    aggiornaPasso();
}

dati::~dati() = default;

void dati::placeControls()
{
    QWidget* area = client();
    placeHeadings(area);
    placeRows(area);
    placeIndicators(area);
    placeButtons(area);
    Frame1 = new ScaleFrame(area,
                            QStringLiteral("giudizi, in ordine decrescente, da esprimere cliccando "
                                           "sul tasto prescelto per la caratteristica selezionata"),
                            kScale);
    connect(Frame1, &ScaleFrame::stepClicked, this, &dati::giud_Click);
}

void dati::placeHeadings(QWidget* area)
{
    QLabel* LBL = newLabel(area, QStringLiteral("LBL"),
                           QStringLiteral("Le caratteristiche elencate si riferiscono alla "
                                          "personalità di un individuo di tipo:"));
    // The type's name follows the sentence on the same line.
    const int sentence = twipsOf(LBL->fontMetrics().horizontalAdvance(LBL->text()) + 4);
    placeTwips(LBL, kLeft, kTitleTop, sentence, kTitleHeight);
    appunti = newLabel(area, QStringLiteral("appunti"));
    setFontLook(appunti, 1.2, true);
    QPalette typePalette = appunti->palette();
    typePalette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
    appunti->setPalette(typePalette);
    const int appuntiLeft = kLeft + sentence + 90;
    placeTwips(appunti, appuntiLeft, kTitleTop - 30, kLeft + kFullWidth - appuntiLeft,
               kTitleHeight + 60);

    struct Heading {
        const char* name;
        const char* caption;
        const char* tooltip;
        int left;
        int width;
        Qt::Alignment alignment;
    };
    const Heading headings[] = {
        {"Label9", "n.", "il numero d'ordine delle caratteristiche", kNumberLeft, kNumberWidth,
         Qt::AlignCenter},
        {"Label1", "CARATTERISTICHE PERSONALI",
         "elenca le dodici serie di caratteristiche da valutare", kTickLeft,
         kNameLeft + kNameWidth - kTickLeft, Qt::AlignLeft},
        {"Label7", "giudizi", "riportati in automatico cliccando sui tasti della scala dei valori",
         kWordLeft, kWordWidth, Qt::AlignLeft},
        {"Label2", "valori", "il numero corrispondente al giudizio cliccato", kStepLeft - 60,
         kStepWidth + 120, Qt::AlignCenter},
        {"Label8", "coeff.", "il coefficiente associato al giudizio prescelto", kCoeffLeft,
         kCoeffWidth, Qt::AlignCenter},
        {"Label3", "%", "il peso in % del singolo giudizio assegnato", kWeightLeft, kWeightWidth,
         Qt::AlignCenter},
    };
    for (const Heading& h : headings) {
        QLabel* heading = newHeading(area, QString::fromUtf8(h.name), QString::fromUtf8(h.caption),
                                     QString::fromUtf8(h.tooltip), h.alignment);
        setFontLook(heading, 0.9, true); // the long heading fits over its column
        placeTwips(heading, h.left, kHeadingTop, h.width, kHeadingHeight);
    }
    addRule(area, kLeft, kHeadingTop + kHeadingHeight - 15, kBlockRight - kLeft);
}

void dati::placeRows(QWidget* area)
{
    const QString weightTooltip =
        QStringLiteral("valore modificabile (da 0 a 100) cliccando sulle frecce");
    for (int c = 1; c <= kCharacteristicCount; ++c) {
        const int top = kFirstRowTop + (c - 1) * kRowPitch;
        const EntryRow row =
            makeEntryRow(area, c, top, kRowHeight, kColumns, {"num", "caratt", false});
        num[c] = row.number;
        cecc[c] = row.tick;
        caratt[c] = row.name;
        giudiz[c] = row.word;
        valor[c] = row.step;
        coeff[c] = row.coefficient;
        // Every change of the box runs the tick procedure, from a click or from code.
        connect(cecc[c], &QCheckBox::toggled, this, [this, c] { cecc_Click(c); });

        perc[c] = newLabel(area, indexedName("perc", c), {}, weightTooltip);
        perc[c]->setAlignment(Qt::AlignCenter);
        placeTwips(perc[c], kWeightLeft, top, kWeightWidth, kRowHeight);
        scrolla[c] = new WeightArrows(area);
        scrolla[c]->setObjectName(indexedName("scrolla", c));
        placeTwips(scrolla[c], kArrowsLeft, top, kArrowsWidth, kRowHeight);
        connect(scrolla[c], &WeightArrows::changed, this, [this, c] { scrolla_Change(c); });
        showWeight(c, defaultWeight(c));
    }
    addRule(area, kLeft, kRowsBottom + 15, kBlockRight - kLeft);
}

void dati::placeIndicators(QWidget* area)
{
    auto caption = [area](const char* name, const char* text, const char* tooltip, int left,
                          int width, int line, Qt::Alignment alignment) {
        QLabel* label = newLabel(area, QString::fromUtf8(name), QString::fromUtf8(text),
                                 QString::fromUtf8(tooltip));
        label->setAlignment(alignment | Qt::AlignVCenter);
        placeTwips(label, left, kIndicatorTop + line * kIndicatorPitch, width, kIndicatorHeight);
    };
    auto value = [area](const char* name, const QString& text, int left, int width, int line,
                        Qt::Alignment alignment) {
        QLabel* label = newHeading(area, QString::fromUtf8(name), text, {}, alignment);
        placeTwips(label, left, kIndicatorTop + line * kIndicatorPitch, width, kIndicatorHeight);
        return label;
    };

    caption("Label10", "valor medio",
            "la media dei valori associati ai giudizi sulle caratteristiche", kLeftCaption,
            kLeftCaptionWidth, 0, Qt::AlignLeft);
    valoremedio = value("valoremedio", {}, kLeftValue, kLeftValueWidth, 0, Qt::AlignLeft);
    caption("Label4", "media dei coefficienti",
            "la media dei coefficienti associati ai giudizi sulle caratteristiche", kLeftCaption,
            kLeftCaptionWidth, 1, Qt::AlignLeft);
    media = value("media", {}, kLeftValue, kLeftValueWidth, 1, Qt::AlignLeft);

    caption("Label6", "resto da assegnare in %",
            "la rimanente parte di percentuale da assegnare alle caratteristiche", kRightCaption,
            kRightCaptionWidth, 0, Qt::AlignRight);
    resto = value("resto", QStringLiteral("0"), kRightValue, kRightValueWidth, 0, Qt::AlignCenter);
    caption("Label5", "coefficiente ponderato",
            "la media dei coefficienti ponderata con le percentuali associate", kRightCaption,
            kRightCaptionWidth, 1, Qt::AlignRight);
    pond = value("pond", {}, kRightValue, kRightValueWidth, 1, Qt::AlignCenter);

    complessivo =
        newLabel(area, QStringLiteral("complessivo"), QStringLiteral("Giudizio complessivo..: "),
                 QStringLiteral("la valutazione complessiva sulla tipologia di "
                                "personalità"));
    setFontLook(complessivo, 1.0, true);
    placeTwips(complessivo, kLeftCaption, kIndicatorTop + 2 * kIndicatorPitch + 30,
               kBlockRight - kLeftCaption, kIndicatorHeight);

    passo = newGuidanceLine(area, {});
    placeTwips(passo, kLeft, kGuidanceTop, kFullWidth, kGuidanceHeight);
}

void dati::placeButtons(QWidget* area)
{
    struct Button {
        const char* name;
        const char* caption;
        const char* tooltip;
        int width;
        void (dati::*handler)();
    };
    const Button buttons[] = {
        {"aiuto", "&AIUTO", "cliccare per avere indicazioni sull'immissione dei dati", 1500,
         &dati::aiuto_Click},
        {"successive", "&Caratteristiche successive",
         "cliccare per visualizzare le caratteristiche della personalità successiva", 2700,
         &dati::successive_Click},
        {"avanti", "&Risultati", "cliccare per visualizzare la finestra Risultati", 1620,
         &dati::avanti_Click},
        {"cmdGuida", "&Guida in linea", "cliccare per visualizzare il sommario della Guida", 1800,
         &dati::cmdGuida_Click},
        {"cmdesci", "&USCITA", "cliccare per uscire da Tipolab", 1500, &dati::cmdesci_Click},
    };
    int left = kLeft;
    for (const Button& b : buttons) {
        QPushButton* button = newButton(area, QString::fromUtf8(b.name),
                                        QString::fromUtf8(b.caption), QString::fromUtf8(b.tooltip));
        placeTwips(button, left, kButtonsTop, b.width, kButtonHeight);
        connect(button, &QPushButton::clicked, this, b.handler);
        left += b.width + kButtonGap;
    }
}

int dati::currentType() const
{
    return module().data().currentType;
}

CharacteristicEntry& dati::entry(int c)
{
    return module().data().characteristic(currentType(), c);
}

QString dati::currentFileName() const
{
    return m_archive->currentFileName();
}

void dati::showWeight(int c, int weight)
{
    perc[c]->setText(QString::number(weight));
    scrolla[c]->setPosition(weight); // from code: not an arrow click
}

void dati::successive_Click()
{
    AssessmentData& data = module().data();
    data.currentType = data.currentType % kTypeCount + 1;
    mostraTipo();
}

void dati::mostraTipo()
{
    const int t = currentType();
    appunti->setText(toQString(typeName(t)));
    for (int c = 1; c <= kCharacteristicCount; ++c) {
        cecc[c]->setChecked(entry(c).isTicked()); // a change runs the tick procedure
        CharacteristicEntry& e = entry(c);
        caratt[c]->setText(toQString(characteristicName(t, c)));
        giudiz[c]->setText(QString::fromStdString(e.word.toText()));
        valor[c]->setText(QString::fromStdString(e.step.toText()));
        if (e.coefficient.isEmpty()) e.coefficient = Value::number(0);
        coeff[c]->setText(format00(twoDecimalValue(static_cast<float>(e.coefficient.toNumber()))));
        if (e.weight.isEmpty()) e.weight = Value::text(std::to_string(defaultWeight(c)));
        perc[c]->setText(QString::fromStdString(e.weight.toText()));
        scrolla[c]->setPosition(static_cast<int>(std::lround(e.weight.toNumber())));
    }
    media_Change();
    // Rows shown from memory are not rows ticked by the examiner: none awaits
    // a judgement, and the scale stays closed until the next tick.
    disattivaScala();
    m_pendingRow = 0;
    aggiornaPasso();
}

void dati::cecc_Click(int index)
{
    CharacteristicEntry& e = entry(index);
    const bool ticked = cecc[index]->isChecked();
    e.tick = Value::number(ticked ? 1 : 0);
    m_tickCount = 0;
    for (int c = 1; c <= kCharacteristicCount; ++c)
        m_tickCount += cecc[c]->isChecked() ? 1 : 0;
    m_pendingRow = index;

    if (ticked) {
        attivaScala();
    } else {
        e.withdraw();
        togliCaratteristica();
        valor[index]->clear();
        coeff[index]->clear();
    }
    aggiornaPasso();
}

void dati::togliCaratteristica()
{
    disattivaScala();
    if (m_pendingRow >= 1 && m_pendingRow <= kCharacteristicCount) giudiz[m_pendingRow]->clear();
    media_Change();
}

void dati::giud_Click(int index)
{
    const int c = m_pendingRow;
    if (c < 1 || c > kCharacteristicCount) return; // the scale acts only on a row awaiting it
    CharacteristicEntry& e = entry(c);
    giudiz[c]->setText(toQString(stepWord(index)));
    e.word = Value::text(toStdString(giudiz[c]->text()));
    valor[c]->setText(QString::number(index));
    e.step = Value::text(toStdString(valor[c]->text()));
    const float coefficient = stepCoefficient(index);
    e.coefficient = Value::number(coefficient);
    coeff[c]->setText(format00(twoDecimalValue(coefficient)));
    e.weight = Value::text(toStdString(perc[c]->text()));
    media_Change();
    disattivaScala();
    m_pendingRow = 0;
    aggiornaPasso();
}

void dati::scrolla_Change(int index)
{
    perc[index]->setText(QString::number(scrolla[index]->position()));
    entry(index).weight = Value::text(toStdString(perc[index]->text()));
    aggiornaResto();
    aggiornaPasso();
}

void dati::media_Change()
{
    const TypeIndicators shown =
        computeTypeIndicators(module().data().characteristics[currentType() - 1]);
    if (shown.ticked == 0) {
        valoremedio->setText(QStringLiteral("0"));
        media->setText(QStringLiteral("0"));
        // Nothing judged: no overall judgement and no weighted coefficient;
        // the remainder still follows this type's weights, not the last type's.
        complessivo->setText(kOverallPrefix);
    } else {
        valoremedio->setText(format0(*shown.meanStep));
        media->setText(format000(*shown.meanCoefficient));
        complessivo->setText(toQString(shown.overallJudgement));
    }
    aggiornaResto();
}

void dati::aggiornaResto()
{
    AssessmentData& data = module().data();
    const CharacteristicRow& row = data.characteristics[currentType() - 1];
    resto->setText(QString::number(weightRemainder(row)));
    // W(t): none while no characteristic of the type is ticked.
    std::optional<double>& weighted = data.weighted[currentType() - 1];
    weighted = displayedWeightedCoefficient(row);
    pond->setText(weighted ? format000(*weighted) : QStringLiteral("0"));
}

void dati::aggiornaPasso()
{
    const int c = m_pendingRow;
    if (m_tickCount == 0)
        passo->setText(QStringLiteral("Aprire un file archiviato o iniziare l'immissione dati "
                                      "spuntando la caratteristica da valutare."));
    else if (c > 0 && cecc[c]->isChecked() && giudiz[c]->text().isEmpty())
        passo->setText(QStringLiteral(
            "Scegliere il giudizio di stima cliccando su uno dei tasti della scala."));
    else if (m_tickCount < kCharacteristicCount)
        passo->setText(QStringLiteral("Spuntare un'altra caratteristica."));
    else if (captionValue(resto->text()) > 0)
        passo->setText(QStringLiteral("Assegnare le percentuali fino ad ottenere il resto 0."));
    else
        passo->setText(QStringLiteral("Correggere, archiviare i dati o andare oltre "
                                      "nell'elaborazione cliccando sul tasto Risultati."));
}

bool dati::nothingEntered() const
{
    if (!media->text().isEmpty() || m_tickCount > 0) return false;
    for (int c = 1; c <= kCharacteristicCount; ++c) {
        if (scrolla[c]->position() != defaultWeight(c)) return false;
    }
    return true;
}

void dati::cancella_click()
{
    if (nothingEntered()) return;
    for (int c = 1; c <= kCharacteristicCount; ++c) {
        cecc[c]->setChecked(false); // runs the tick procedure for a ticked box
        giudiz[c]->clear();
        valor[c]->clear();
        coeff[c]->clear();
        showWeight(c, defaultWeight(c));
    }
    media->clear();
    pond->clear();
    resto->clear();
    valoremedio->clear();
    AssessmentData& data = module().data();
    for (int t = 1; t <= kTypeCount; ++t) {
        data.weighted[t - 1].reset();
        for (int c = 1; c <= kCharacteristicCount; ++c) {
            CharacteristicEntry& e = data.characteristic(t, c);
            e.tick = Value::number(0);
            e.word = Value::text({});
            e.step = Value::text({});
            e.coefficient = Value::text({});
            e.weight = Value::number(defaultWeight(c));
        }
    }
    m_tickCount = 0;
    m_pendingRow = 0;
    disattivaScala();
    complessivo->setText(kOverallPrefix);
    aggiornaPasso();
}

void dati::aiuto_Click()
{
    const QString title = module().helpTitle();
    auto inform = [this, &title](const QString& text) {
        module().dialogs().message(text, title, QMessageBox::Information);
    };
    if (m_tickCount == 0) {
        inform(QStringLiteral(
            "- Spuntare una caratteristica per volta e cliccare sul corrispondente giudizio "
            "prescelto;\n- o aprire un file archiviato per prelevare i dati della finestra "
            "(Tipolab-dati-...);\n- modificare a piacere i pesi (colonna %) impostati tutti, "
            "inizialmente, sul valore 9 e 8."));
        return;
    }
    if (captionValue(resto->text()) != 0) {
        module().dialogs().message(QStringLiteral("Completare l'assegnazione delle percentuali."),
                                   title, QMessageBox::Warning);
        return;
    }
    // Some characteristic of some type still without a judgement.
    const AssessmentData& data = module().data();
    for (const CharacteristicRow& row : data.characteristics) {
        for (const CharacteristicEntry& e : row) {
            if (e.step.isEmpty()) {
                inform(QStringLiteral(
                    "Spuntare ogni caratteristica da valutare e scegliere il giudizio di stima o "
                    "correggere (se già appare selezionata occorre deselezionarla e, quindi, "
                    "spuntarla di nuovo)."));
                return;
            }
        }
    }
    for (int r = 1; r <= kCharacteristicCount; ++r) {
        if (!cecc[r]->isChecked()) {
            inform(QStringLiteral("Cliccare sul giudizio prescelto per la caratteristica n. %1")
                       .arg(r));
            return;
        }
    }
    inform(QStringLiteral(
        "Correggere i dati e le percentuali, archiviare i dati o cliccare su Risultati."));
}

void dati::avanti_Click()
{
    if (!checkSilently()) return;
    // Every type displayed once, so that every weighted coefficient is current.
    for (int i = 0; i < kTypeCount; ++i)
        successive_Click();
    if (auto* results = module().windowAs<risultati>(WindowId::Risultati)) results->calcolo();
    module().showWindow(WindowId::Risultati);
}

void dati::showLoadedCharacteristics()
{
    for (int i = 0; i < kTypeCount; ++i)
        successive_Click();
}

void dati::cmdGuida_Click()
{
    guida_Click();
}

void dati::cmdesci_Click()
{
    esci_Click();
}

void dati::apri_Click()
{
    m_archive->apri();
}

void dati::salva_Click()
{
    m_archive->salva();
}

void dati::salvanome_Click()
{
    m_archive->salvaConNome();
}

void dati::elimina_click()
{
    m_archive->elimina();
}

DataWindowSnapshot dati::displayEachType()
{
    DataWindowSnapshot out;
    out.scale = Frame1->captions();
    module().data().currentType = 0;
    successive_Click();
    for (int t = 1; t <= kTypeCount; ++t) {
        TypeCharacteristicsSnapshot& type = out.types[t - 1];
        type.typeName = appunti->text();
        for (int c = 1; c <= kCharacteristicCount; ++c) {
            type.rows[c - 1] = {caratt[c]->text(), giudiz[c]->text(), valor[c]->text(),
                                printedCoefficient(entry(c).coefficient), perc[c]->text()};
        }
        type.summary = {valoremedio->text(), media->text(), pond->text(), complessivo->text()};
        successive_Click();
    }
    return out;
}

void dati::stampa_Click()
{
    const DataWindowSnapshot shown = displayEachType();
    // Set after the display, which rewrites the guidance line.
    passo->setText(QString::fromLatin1(kLoadingWordProcessor));
    desk().tell(desk().commands().dataSheet(sheetHeading(examinedPerson()), shown));
}

void dati::modelloacquisizione_click()
{
    passo->setText(QString::fromLatin1(kLoadingWordProcessor));
    desk().tell(desk().commands().acquisitionForm(sheetHeading(QString()), Frame1->captions()));
}

} // namespace tipolab
