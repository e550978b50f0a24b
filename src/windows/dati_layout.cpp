// Where the data window places its controls: the designed layout in twips,
// the rows, the indicators, the buttons and the scale, and the order Tab
// takes through them.
#include "dati.h"
#include "designed_controls.h"
#include "entry_row.h"
#include "state/qt_text.h"
#include "weight_arrows.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>

namespace tipolab {
namespace {

// Designed layout, in twips. The layout measures its tops from the top of a
// client area that holds the toolbar, 420 twips high; the client area here
// begins below the toolbar, so every top moves up by that much (row 1 stands
// at 1080 - 420).
constexpr int kToolbarOffset = 420;
constexpr int kLeft = 120;
constexpr int kBlockRight = 7170; // the rows block ends with the weight arrows
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
constexpr int kWeightLeft = 6240, kWeightWidth = 510;
// Two arrows side by side, each the full height of a row.
constexpr int kArrowsLeft = 6780, kArrowsWidth = 390;
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

int twipsOf(int pixels)
{
    return pixels * kTwipsPerPixel;
}

} // namespace

void dati::placeControls()
{
    QWidget* area = client();
    placeHeadings(area);
    placeRows(area);
    placeIndicators(area);
    const QList<QWidget*> buttons = placeButtons(area);
    Frame1 = new ScaleFrame(area,
                            QStringLiteral("giudizi, in ordine decrescente, da esprimere cliccando "
                                           "sul tasto prescelto per la caratteristica selezionata"),
                            kScale);
    connect(Frame1, &ScaleFrame::stepClicked, this, &dati::giud_Click);
    // After the last row the keyboard goes on to "&Caratteristiche successive".
    QList<QCheckBox*> boxes;
    QList<QWidget*> order; // Tab: each row's box and weight, the scale, the buttons
    for (int c = 1; c <= kCharacteristicCount; ++c) {
        boxes << cecc[c];
        order << cecc[c] << scrolla[c];
    }
    Frame1->guideKeyboard(boxes, buttons[1]);
    for (int n = 1; n <= kStepCount; ++n)
        order << Frame1->giud(n);
    chainTabOrder(order + buttons);
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
    const int appuntiWidth = kLeft + kFullWidth - appuntiLeft;
    placeTwips(appunti, appuntiLeft, kTitleTop - 30, appuntiWidth, kTitleHeight + 60);
    // The longest name, INTRAPRENDENTE, fits the room the sentence leaves.
    QFont typeFont = appunti->font();
    qreal widest = 0;
    for (int t = 1; t <= kTypeCount; ++t)
        widest = qMax(widest, QFontMetricsF(typeFont).horizontalAdvance(toQString(typeName(t))));
    const qreal room = appuntiWidth / double(kTwipsPerPixel) - 2;
    if (widest > room) {
        typeFont.setPointSizeF(typeFont.pointSizeF() * room / widest * 0.97);
        appunti->setFont(typeFont);
    }

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

QList<QWidget*> dati::placeButtons(QWidget* area)
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
    QList<QWidget*> placed;
    int left = kLeft;
    for (const Button& b : buttons) {
        QPushButton* button = newButton(area, QString::fromUtf8(b.name),
                                        QString::fromUtf8(b.caption), QString::fromUtf8(b.tooltip));
        placeTwips(button, left, kButtonsTop, b.width, kButtonHeight);
        connect(button, &QPushButton::clicked, this, b.handler);
        left += b.width + kButtonGap;
        placed << button;
    }
    return placed;
}

} // namespace tipolab
