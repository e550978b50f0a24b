#include "dati.h"

#include "archive_commands.h"
#include "core/check.h"
#include "core/scoring.h"
#include "state/qt_text.h"
#include "risultati.h"
#include "state/number_format.h"
#include "tipi.h"
#include "weight_arrows.h"

#include <QCheckBox>
#include <QLabel>
#include <QShortcut>
#include <utility>
#include <cmath>

namespace tipolab {
namespace {

const QString kTickTooltip = QStringLiteral(
    "casella di spunta: cliccare per assegnare o modificare il giudizio della caratteristica n. "
    "%1");
const QString kOverallPrefix = QStringLiteral("Giudizio complessivo: ");

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
        nameRow(c);
    }
    appunti->setText(toQString(typeName(1)));
    data.currentType = 1;
    // Page Down and Page Up: the next and the previous type, the keyboard on its first row.
    for (const auto& [key, show] : {std::pair{Qt::Key_PageDown, &dati::successive_Click},
                                    std::pair{Qt::Key_PageUp, &dati::precedenti_Click}}) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this,
                [this, show = show] {
                    (this->*show)();
                    cecc[1]->setFocus(Qt::ShortcutFocusReason);
                });
    }
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

void dati::nameRow(int c)
{
    const QString name = caratt[c]->text();
    cecc[c]->setAccessibleName(QStringLiteral("caratteristica %1, riga %2").arg(name).arg(c));
    scrolla[c]->setAccessibleName(
        QStringLiteral("peso di %1 in percentuale, riga %2").arg(name).arg(c));
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

void dati::precedenti_Click()
{
    AssessmentData& data = module().data();
    data.currentType = (data.currentType + kTypeCount - 2) % kTypeCount + 1;
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
        nameRow(c);
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
    m_archive->cleared();
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
    showLoading(passo);
    desk().tell(desk().commands().dataSheet(sheetHeading(examinedPerson()), shown));
}

void dati::modelloacquisizione_click()
{
    passo->setText(QString::fromLatin1(kLoadingWordProcessor));
    desk().tell(desk().commands().acquisitionForm(sheetHeading(QString()), Frame1->captions()));
}

} // namespace tipolab
