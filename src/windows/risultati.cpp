#include "risultati.h"

#include "core/scoring.h"
#include "core/type_descriptions.h"
#include "current_results.h"
#include "dati.h"
#include "designed_controls.h"
#include "frontespizio.h"
#include "icon_image.h"
#include "sheet_window.h"
#include "state/number_format.h"
#include "state/qt_text.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <iterator>

namespace tipolab {
namespace {

// The designed positions count from the top of the designer's client area,
// whose first 420 twips the toolbar took; here the client area begins below
// the toolbar, so every designed top moves up by that much.
constexpr int kToolbarBand = 420;

void place(QWidget* control, int left, int top, int width, int height)
{
    placeTwips(control, left, top - kToolbarBand, width, height);
}

// The table: two heading lines, then six rows 240 twips apart.
constexpr int kHeadingTop = 960, kSubheadingTop = 1200, kCellHeight = 255;
constexpr int kFirstRowTop = 1560, kRowPitch = 240;
constexpr int kNumLeft = 120, kNumWidth = 375;
constexpr int kTypeLeft = 600, kTypeWidth = 2175;
constexpr int kCellWidth = 855;
constexpr int kSintAssLeft = 2880, kAnAssLeft = 3720, kSintRelLeft = 4560, kAnRelLeft = 5400;
constexpr int kTableRight = kAnRelLeft + kCellWidth;

// The result beside the table.
constexpr int kResultLeft = 6360, kResultWidth = 3015;

// The descriptions: types 1..3 down the left column, 4..6 down the right.
constexpr int kTextLeft[] = {120, 4800};
constexpr int kTextTop[] = {3120, 3960, 4800};
constexpr int kTextWidth = 4575, kTextHeight = 735;

constexpr int kWindowLeft = 120, kWindowWidth = 9255; // from the left margin to the right one

// The guidance line across the window, the five buttons in a row under it:
// their captions need more room than a row shared with the guidance line gives.
constexpr int kGuidanceTop = 5610, kGuidanceHeight = 300;
constexpr int kButtonsTop = 5985, kButtonHeight = 360, kButtonGap = 120;

const QString kGuidance = QStringLiteral("Leggere i risultati, stamparli o passare alla finestra "
                                         "Frontespizio per la relazione completa.");

QLabel* newCell(QWidget* parent, const char* name, int row, int left, int width)
{
    QLabel* cell = newLabel(parent, indexedName(name, row));
    cell->setAlignment(Qt::AlignCenter);
    place(cell, left, kFirstRowTop + (row - 1) * kRowPitch, width, kCellHeight);
    return cell;
}

QString iconPath(int t)
{
    return QStringLiteral(":/icons/type-%1.svg").arg(toQString(typeName(t)).toLower());
}

} // namespace

risultati::risultati(ModuloTipolab& module, DocumentDesk& desk) : WorkingWindow(module, desk, 3)
{
    placeControls();
    sizeToScreen();
    for (int t = 1; t <= kTypeCount; ++t)
        Text1[t]->setPlainText(toQString(typeDescription(t)));
    // Until the first computation no type prevails: every description plain,
    // no icon.
    evidenzia(0);
    passo->setText(kGuidance);
}

void risultati::placeControls()
{
    QWidget* area = client();
    auto* Label16 = newHeading(area, QStringLiteral("Label16"),
                               QStringLiteral("Tabella dei risultati dell'elaborazione eseguita "
                                              "con l'indicazione della personalità prevalente "
                                              "nell'individuo esaminato"),
                               {}, Qt::AlignLeft);
    Label16->setWordWrap(true);
    place(Label16, kWindowLeft, kToolbarBand + 60, kWindowWidth, 450);
    placeTable(area);
    placeResult(area);

    for (int t = 1; t <= kTypeCount; ++t) {
        Text1[t] = new QPlainTextEdit(area);
        Text1[t]->setObjectName(indexedName("Text1", t));
        Text1[t]->setAccessibleName(
            QStringLiteral("descrizione del tipo %1").arg(toQString(typeName(t)).toLower()));
        Text1[t]->setReadOnly(true);
        Text1[t]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        const int column = (t - 1) / 3;
        const int line = (t - 1) % 3;
        place(Text1[t], kTextLeft[column], kTextTop[line], kTextWidth, kTextHeight);
    }
    placeButtons(area);
}

void risultati::placeTable(QWidget* area)
{
    // Up to the type column: the designer's 375 twips cut the heading's "m".
    place(newLabel(area, QStringLiteral("Label34"), QStringLiteral("num"),
                   QStringLiteral("numero d'ordine")),
          kNumLeft, kSubheadingTop, kTypeLeft - kNumLeft, kCellHeight);
    auto* label7 = newLabel(area, QStringLiteral("label7"),
                            QStringLiteral("tipologia di personalità in ordine decrescente"),
                            QStringLiteral("le sei personalità in base ai risultati dell'analisi"));
    label7->setWordWrap(true);
    label7->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    place(label7, kTypeLeft, kHeadingTop, kTypeWidth, 2 * kCellHeight - 15);

    struct Heading {
        const char* name;
        const char* text;
        const char* tooltip;
        int left, top, width;
    };
    const Heading headings[] = {
        {"Label8", "assoluta in %",
         "valosi in termini assoluti, senza rapportarli percentualmente tra loro", kSintAssLeft,
         kHeadingTop, 2 * kCellWidth - 15},
        {"Label11", "sintetica",
         "valutazione in base ai dati espressi in modo sintetico (come ci si crede di essere)",
         kSintAssLeft, kSubheadingTop, kCellWidth},
        {"Label12", "analitica",
         "valutazione in base ai dati espressi in modo analitico (come si è)", kAnAssLeft,
         kSubheadingTop, kCellWidth},
        {"Label10", "relativa in %", "valori relativi rapportati percentualmente tra loro",
         kSintRelLeft, kHeadingTop, 2 * kCellWidth - 15},
        {"Label9", "sintetica",
         "valutazioni sintetiche (come ci si crede di essere) rapportate percentualmente al "
         "complesso della propria persona",
         kSintRelLeft, kSubheadingTop, kCellWidth},
        {"Label13", "analitica", "", kAnRelLeft, kSubheadingTop, kCellWidth},
    };
    for (const Heading& h : headings) {
        QLabel* label = newHeading(area, QLatin1String(h.name), QString::fromUtf8(h.text),
                                   QString::fromUtf8(h.tooltip));
        // The column pairs under their heading read lighter than the heading.
        if (h.top == kSubheadingTop) setFontLook(label, 1.0, false);
        place(label, h.left, h.top, h.width, kCellHeight);
    }
    addRule(area, kNumLeft, kFirstRowTop - 75 - kToolbarBand, kTableRight - kNumLeft);

    for (int r = 1; r <= kTypeCount; ++r) {
        num[r] = newCell(area, "num", r, kNumLeft, kNumWidth);
        num[r]->setText(QString::number(r));
        tipol[r] = newCell(area, "tipol", r, kTypeLeft, kTypeWidth);
        tipol[r]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        setFontLook(tipol[r], 1.0, true);
        sintass[r] = newCell(area, "sintass", r, kSintAssLeft, kCellWidth);
        anass[r] = newCell(area, "anass", r, kAnAssLeft, kCellWidth);
        sintrel[r] = newCell(area, "sintrel", r, kSintRelLeft, kCellWidth);
        anrel[r] = newCell(area, "anrel", r, kAnRelLeft, kCellWidth);
    }
    addRule(area, kNumLeft, kFirstRowTop + kTypeCount * kRowPitch + 30 - kToolbarBand,
            kTableRight - kNumLeft);
}

void risultati::placeResult(QWidget* area)
{
    Label14 = newLabel(area, QStringLiteral("Label14"));
    Label14->setWordWrap(true);
    Label14->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    place(Label14, kResultLeft, kHeadingTop, kResultWidth, 735);

    risultat = newLabel(area, QStringLiteral("risultat"), {},
                        QStringLiteral("risultato dell'analisi: la tipologia di personalità "
                                       "prevalente"));
    risultat->setAlignment(Qt::AlignCenter);
    setFontLook(risultat, 1.4, true);
    QPalette palette = risultat->palette();
    palette.setColor(QPalette::WindowText, kDarkBlue);
    risultat->setPalette(palette);
    place(risultat, kResultLeft, 1680, kResultWidth, 495);

    Frame1 = new QGroupBox(area);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setToolTip(
        QStringLiteral("icona che simboleggia i tratti principali della propria indole"));
    place(Frame1, kResultLeft, 2250, kResultWidth, 780);
    // The six icons lie one over the other: only the prevailing type's shows.
    for (int t = 1; t <= kTypeCount; ++t) {
        Image1[t] = new IconImage(QIcon(iconPath(t)), Frame1);
        Image1[t]->setObjectName(indexedName("Image1", t));
        placeTwips(Image1[t], 120, 90, kResultWidth - 240, 600);
    }
}

void risultati::placeButtons(QWidget* area)
{
    passo = newGuidanceLine(area, QStringLiteral("indicazioni sull'uso della finestra"));
    place(passo, kWindowLeft, kGuidanceTop, kWindowWidth, kGuidanceHeight);

    struct Button {
        const char* name;
        const char* caption;
        const char* tooltip;
        void (risultati::*handler)();
    };
    const Button buttons[] = {
        {"aiuto", "&AIUTO", "cliccare per avere gli aiuti in linea", &risultati::aiuto_Click},
        {"guidainlinea", "&Guida in linea", "cliccare per visualizzare il sommario della Guida",
         &risultati::guidainlinea_Click},
        {"indietro", "&Dati ", "cliccare per visualizzare la finestra Dati",
         &risultati::indietro_Click},
        {"front", "F&rontespizio", "cliccare per visualizzare la finestra Frontespizio",
         &risultati::front_Click},
        {"esco", "&USCITA", "cliccare per uscire da Tipolab", &risultati::esco_Click},
    };
    constexpr int count = std::size(buttons);
    constexpr int width = (kWindowWidth - (count - 1) * kButtonGap) / count;
    int left = kWindowLeft;
    for (const Button& b : buttons) {
        QPushButton* button = newButton(area, QLatin1String(b.name), QString::fromUtf8(b.caption),
                                        QString::fromUtf8(b.tooltip));
        place(button, left, kButtonsTop, width, kButtonHeight);
        connect(button, &QPushButton::clicked, this, b.handler);
        left += width + kButtonGap;
    }
}

void risultati::calcolo()
{
    AssessmentData& data = module().data();
    const Results results = computeResults(data.types, data.weighted);

    Label14->setText(toQString(resultsHeading(toStdString(examinedPerson()))));
    for (int r = 1; r <= kTypeCount; ++r) {
        const TypeResult& row = results.row[r - 1];
        tipol[r]->setText(toQString(typeName(results.typeOfRow[r - 1])));
        sintass[r]->setText(format00(row.sintAss));
        anass[r]->setText(format00(row.anaAss));
        sintrel[r]->setText(format00(row.sintRel));
        anrel[r]->setText(format00(row.anaRel));
    }
    risultat->setText(toQString(typeName(results.prevailingType)));
    data.prevailingType = results.prevailingType;
    evidenzia(results.prevailingType);
    // The profile and comparison windows already open follow the new results.
    for (SheetWindow* sheet : SheetWindow::openWindows(module()))
        sheet->aggiorna();
    followAssessment();
}

void risultati::evidenzia(int prevailingType)
{
    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    for (int t = 1; t <= kTypeCount; ++t) {
        const bool prevails = t == prevailingType;
        Image1[t]->setVisible(prevails);
        QPalette palette = Text1[t]->palette();
        palette.setColor(QPalette::Text, prevails ? kDarkBlue : windowText);
        Text1[t]->setPalette(palette);
        setFontLook(Text1[t], 1.0, prevails);
    }
}

void risultati::aiuto_Click()
{
    module().dialogs().message(
        QStringLiteral("- Finestra di sola lettura dei risultati;\n- visualizzare l'analisi della "
                       "personalità con la barra di scorrimento verticale."),
        module().helpTitle(), QMessageBox::Information);
}

void risultati::guidainlinea_Click()
{
    guida_Click();
}

void risultati::indietro_Click()
{
    module().showWindow(WindowId::Dati);
}

void risultati::front_Click()
{
    module().showWindow(WindowId::Frontespizio);
}

void risultati::esco_Click()
{
    esci_Click();
}

ResultsWindowSnapshot risultati::snapshot() const
{
    ResultsWindowSnapshot out;
    for (int r = 1; r <= kTypeCount; ++r) {
        out.rows[r - 1] = {tipol[r]->text(), sintass[r]->text(), anass[r]->text(),
                           sintrel[r]->text(), anrel[r]->text()};
    }
    out.prevailingName = risultat->text();
    out.prevailingType = module().data().prevailingType;
    return out;
}

bool risultati::outOfDate()
{
    return module().data().prevailingType != 0 &&
           currentResults(module()).state != CurrentResults::State::Current;
}

void risultati::followAssessment()
{
    if (outOfDate())
        passo->setText(kResultsOutOfDate);
    else if (passo->text() == kResultsOutOfDate)
        passo->setText(kGuidance);
}

void risultati::showEvent(QShowEvent* event)
{
    WorkingWindow::showEvent(event);
    followAssessment();
}

void risultati::stampa_Click()
{
    if (outOfDate() && !bringResultsUpToDate(module())) return;
    showLoading(passo);
    desk().tell(desk().commands().resultsSheet(sheetHeading(examinedPerson()), snapshot()));
}

void risultati::controlla_Click()
{
    if (dati* d = dataWindow()) d->controlla_Click();
}

} // namespace tipolab
