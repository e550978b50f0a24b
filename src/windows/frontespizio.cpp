#include "frontespizio.h"

#include "clickable_label.h"
#include "dati.h"
#include "designed_controls.h"
#include "risultati.h"
#include "state/number_format.h"
#include "state/qt_text.h"
#include "tipi.h"
#include "title_page_length.h"

#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <algorithm>
#include <iterator>

namespace tipolab {
namespace {

// Designed layout, in twips, of the client area below the toolbar.
constexpr int kLeft = 360, kWidth = 8880;
constexpr int kCaptionWidth = 2640;
constexpr int kFieldLeft = kLeft + kCaptionWidth, kFieldWidth = kWidth - kCaptionWidth;
constexpr int kFirstRowTop = 780, kRowPitch = 420, kRowHeight = 330;
constexpr int kStudioTop = 3840; // the studio's name and address, below the fields
constexpr int kGuidanceTop = 4800;
constexpr int kButtonsTop = 5280, kButtonHeight = 420, kButtonGap = 120;

struct FieldRow {
    const char* label;
    const char* caption;
    const char* tooltip;
};

// The captions of the seven fields, in archive order; the dots line the colons up.
constexpr FieldRow kFieldRows[kTitleFieldCount] = {
    {"Label2", " progetto....................:", "il tipo di progetto che si sta elaborando"},
    {"Label3", " nome della persona..:", "nominativo della persona oggetto dell'analisi"},
    {"Label4", " tipologia di studio......:",
     "ad esempio: 'analisi situazione attuale'; 'ipotesi situazione di progetto'; ecc."},
    {"Label6", " committente..............:", "chi ha commissionato lo studio"},
    {"Label10",
     " luogo elaborazione...:", "località in cui viene effettuata la elaborazione dei dati"},
    {"label7", " data elaborazione.....:",
     "la data della elaborazione è importante per la formulazione di ipotesi e per il "
     "riferimento temporale delle analisi"},
    {"Label9", " allegati alla relazione :", "grafici, disegni, planimetrie, foto, ecc."},
};

using Field = frontespizio::Field;
static_assert(kTitleFieldNames[static_cast<int>(Field::Persona)] == "persona");
static_assert(kTitleFieldNames[static_cast<int>(Field::Data)] == "data");
static_assert(kTitleFieldNames[static_cast<int>(Field::Allegati)] == "allegati");

QLabel* newCaption(QWidget* parent, const char* name, const char* caption, const char* tooltip,
                   int top)
{
    QLabel* label = newLabel(parent, QLatin1String(name), QString::fromUtf8(caption),
                             QString::fromUtf8(tooltip));
    placeTwips(label, kLeft, top, kCaptionWidth, kRowHeight);
    return label;
}

// A field is one line: line breaks that come with a pasted or loaded text
// become blanks.
QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

} // namespace

frontespizio::frontespizio(ModuloTipolab& module, DocumentDesk& desk)
    : WorkingWindow(module, desk, 4)
{
    placeControls();
    sizeToScreen();
    campo[static_cast<int>(Field::Data)]->setText(titlePageDate(QDate::currentDate()));
    showStudio();
    // The studio's data set in the program hold at once.
    connect(&module, &ModuloTipolab::installationChanged, this, &frontespizio::showStudio);
    showGuidance();
}

void frontespizio::showStudio()
{
    Labelstudio->setText(module().installation().studioName);
    labelindirizzo->setText(module().installation().studioAddress);
}

void frontespizio::placeControls()
{
    QWidget* area = client();
    auto* Label1 = newHeading(area, QStringLiteral("Label1"),
                              QStringLiteral("PROGRAMMA PER L'ANALISI DELLA PERSONALITA'"));
    setFontLook(Label1, 1.3, true);
    placeTwips(Label1, kLeft, 150, kWidth, 420);
    addRule(area, kLeft, 600, kWidth);

    using Handler = void (frontespizio::*)();
    constexpr Handler changeHandlers[kTitleFieldCount] = {
        &frontespizio::progetto_Change,   &frontespizio::persona_Change,
        &frontespizio::tipostudio_Change, &frontespizio::committente_Change,
        &frontespizio::luogo_Change,      &frontespizio::data_Change,
        &frontespizio::allegati_Change};
    for (int i = 0; i < kTitleFieldCount; ++i) {
        const int top = kFirstRowTop + i * kRowPitch;
        const FieldRow& row = kFieldRows[i];
        QLabel* caption = newCaption(area, row.label, row.caption, row.tooltip, top);
        auto* field = new QLineEdit(area);
        caption->setBuddy(field); // a screen reader names the field by its caption
        field->setObjectName(toQString(kTitleFieldNames[i]));
        placeTwips(field, kFieldLeft, top, kFieldWidth, kRowHeight);
        connect(field, &QLineEdit::textChanged, this, changeHandlers[i]);
        campo[i] = field;
    }

    addRule(area, kLeft, kStudioTop - 150, kWidth);
    const QString fixedValue = QStringLiteral("dato fisso dell'installazione: non modificabile");
    struct StudioRow {
        ClickableLabel*& value;
        const char* name;
        const char* label;
        const char* caption;
        void (frontespizio::*handler)();
    };
    const StudioRow studioRows[] = {
        {Labelstudio, "Labelstudio", "Label8",
         " studio tecnico...........:", &frontespizio::Labelstudio_Click},
        {labelindirizzo, "labelindirizzo", "Label5",
         " indirizzo.....................:", &frontespizio::labelindirizzo_Click},
    };
    int top = kStudioTop;
    for (const StudioRow& row : studioRows) {
        newCaption(area, row.label, row.caption, "lo studio che ha effettuato la elaborazione",
                   top);
        row.value = new ClickableLabel(area);
        row.value->setObjectName(QLatin1String(row.name));
        row.value->setToolTip(fixedValue);
        row.value->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        row.value->setIndent(4);
        placeTwips(row.value, kFieldLeft, top, kFieldWidth, kRowHeight);
        connect(row.value, &ClickableLabel::clicked, this, row.handler);
        top += kRowPitch;
    }

    passo = newGuidanceLine(
        area, QStringLiteral("indicazioni sulla corretta procedura di immissione dei dati"));
    placeTwips(passo, kLeft, kGuidanceTop, kWidth, kRowHeight);
    placeButtons(area);
}

void frontespizio::placeButtons(QWidget* area)
{
    struct Button {
        const char* name;
        const char* caption;
        const char* tooltip;
        void (frontespizio::*handler)();
    };
    const Button buttons[] = {
        {"aiuto", "&AIUTO", "cliccare per avere gli aiuti in linea", &frontespizio::aiuto_Click},
        {"guidainlinea", "&Guida in linea", "cliccare per visualizzare il sommario della Guida",
         &frontespizio::guidainlinea_Click},
        {"indietro", "&Dati", "cliccare per visualizzare la finestra Dati",
         &frontespizio::indietro_Click},
        {"stampa", "&Stampa", "cliccare per avere la stampa completa della elaborazione eseguita",
         &frontespizio::stampa_Click},
        {"cmdesci", "&USCITA", "cliccare per uscire da Tipolab", &frontespizio::cmdesci_Click},
    };
    constexpr int count = std::size(buttons);
    const int width = (kWidth - (count - 1) * kButtonGap) / count;
    int left = kLeft;
    for (const Button& b : buttons) {
        QPushButton* button = newButton(area, QLatin1String(b.name), QString::fromUtf8(b.caption),
                                        QString::fromUtf8(b.tooltip));
        placeTwips(button, left, kButtonsTop, width, kButtonHeight);
        connect(button, &QPushButton::clicked, this, b.handler);
        left += width + kButtonGap;
    }
}

TitleFields frontespizio::fields() const
{
    TitleFields out;
    for (int i = 0; i < kTitleFieldCount; ++i)
        out[i] = toStdString(campo[i]->text());
    return out;
}

void frontespizio::setFields(const TitleFields& fields)
{
    for (int i = 0; i < kTitleFieldCount; ++i)
        campo[i]->setText(oneLine(toQString(fields[i])));
}

QString frontespizio::persona() const
{
    return field(Field::Persona)->text();
}

void frontespizio::campo_Change(Field f)
{
    QLineEdit* edit = field(f);
    // A pasted text keeps its words on the one line.
    if (const QString text = edit->text(); oneLine(text) != text) {
        edit->setText(oneLine(text)); // runs this handler again for the new text
        return;
    }
    // Once per field, and without stopping the typing: a box on every key
    // took the keys that followed it.
    bool& warned = warnedLong[static_cast<int>(f)];
    const bool tooLong = !fitsTitlePage(edit->text());
    if (tooLong && !warned) lengthWarning();
    warned = tooLong;
}

void frontespizio::lengthWarning()
{
    module().dialogs().notice(titlePageLengthWarning(), module().checkTitle(),
                              QMessageBox::Warning);
}

void frontespizio::showGuidance()
{
    passo->setText(QStringLiteral("Prelevare i dati dall'archivio o digitarli negli appositi "
                                  "campi con un massimo di 60 caratteri."));
}

void frontespizio::readOnlyValue()
{
    module().dialogs().message(QStringLiteral("Attenzione: dato non modificabile, rivolgersi a "
                                              "Software Calliope, produttrice del programma."),
                               module().checkTitle(), QMessageBox::Critical);
}

void frontespizio::Labelstudio_Click()
{
    readOnlyValue();
}

void frontespizio::labelindirizzo_Click()
{
    readOnlyValue();
}

void frontespizio::controlla_Click()
{
    auto empty = [this](Field f) { return field(f)->text().isEmpty(); };
    const Field named[] = {Field::Progetto, Field::Persona, Field::TipoStudio, Field::Committente,
                           Field::Allegati};
    const bool nothing = std::all_of(std::begin(named), std::end(named), empty);
    const bool someMissing =
        std::any_of(std::begin(named), std::end(named), empty) || empty(Field::Data);

    QString text = QStringLiteral("I dati sono stati immessi correttamente.");
    QMessageBox::Icon icon = QMessageBox::Information;
    if (nothing) {
        text = QStringLiteral("Non è stato immesso alcun dato.");
        icon = QMessageBox::Question;
    } else if (someMissing) {
        text = QStringLiteral("Inserire dati per ogni campo.");
        icon = QMessageBox::Warning;
    }
    module().dialogs().message(text, module().checkTitle(), icon);
}

void frontespizio::cancella_click()
{
    for (QLineEdit* edit : campo)
        edit->clear();
}

void frontespizio::aiuto_Click()
{
    const QString lines[] = {
        QStringLiteral("- Digitare o correggere i dati spostandosi con il tasto TAB, o con il "
                       "mouse, nei campi;"),
        QStringLiteral("- la data viene impostata in automatico, ma è modificabile;"),
        QStringLiteral("- lo studio tecnico e il suo indirizzo sono fissati per l'installazione "
                       "e non sono modificabili;"),
        QStringLiteral("- aprire un file archiviato per prelevare, eventualmente, i dati "
                       "registrati (Tipolab-dati-...);"),
        QStringLiteral("- non digitare dati più lunghi di 60 spazi;"),
        QStringLiteral("- effettuare il controllo dei dati immessi cliccando sul tasto ABC."),
    };
    module().dialogs().message(QStringList(std::begin(lines), std::end(lines)).join(u'\n'),
                               module().helpTitle(), QMessageBox::Information);
}

void frontespizio::guidainlinea_Click()
{
    guida_Click();
}

void frontespizio::indietro_Click()
{
    module().showWindow(WindowId::Dati);
}

void frontespizio::cmdesci_Click()
{
    esci_Click();
}

TitlePageSnapshot frontespizio::snapshot() const
{
    auto text = [this](Field f) { return field(f)->text(); };
    return {text(Field::Progetto),    text(Field::Persona), text(Field::TipoStudio),
            text(Field::Committente), text(Field::Luogo),   text(Field::Data),
            text(Field::Allegati),    Labelstudio->text(),  labelindirizzo->text()};
}

void frontespizio::stampa_Click()
{
    dati* data = dataWindow();
    auto* types = module().windowAs<tipi>(WindowId::Tipi);
    auto* results = module().windowAs<risultati>(WindowId::Risultati);
    if (!data || !types || !results) return;
    // An incomplete assessment: the check has said what is missing.
    if (!data->checkSilently()) {
        module().showWindow(WindowId::Dati);
        return;
    }
    ReportSnapshot report;
    report.title = snapshot();
    report.types = types->snapshot();
    // Every type displayed once before the results, so that each weighted
    // coefficient is current when they are computed.
    report.data = data->displayEachType();
    results->calcolo();
    report.results = results->snapshot();
    desk().tell(desk().commands().fullReport(report));
}

} // namespace tipolab
