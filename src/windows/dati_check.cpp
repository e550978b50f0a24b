// The data window's check: what is missing in the type on display and in the
// general judgements, and, over every type, the first other type still
// incomplete.
#include "core/check.h"
#include "dati.h"
#include "state/qt_text.h"
#include "state/number_format.h"
#include "tipi.h"
#include "weight_arrows.h"

#include <QCheckBox>
#include <QLabel>

namespace tipolab {

QStringList dati::checkLines() const
{
    const QString ticks = m_tickCount < kCharacteristicCount ? toQString(kCheckTicks) : QString();
    bool judged = true;
    for (int c = 1; c <= kCharacteristicCount; ++c)
        judged = judged && !giudiz[c]->text().isEmpty();
    const QString judgements = judged ? QString() : toQString(kCheckJudgements);
    const QString weights = captionValue(resto->text()) != 0 ? toQString(kCheckWeights) : QString();
    // The general judgements as the types window shows them; a types window
    // not yet made shows none.
    const auto* types = qobject_cast<const tipi*>(module().existingWindow(WindowId::Tipi));
    bool general = types != nullptr;
    for (int t = 1; general && t <= kTypeCount; ++t)
        general = !types->giudizLabel(t)->text().isEmpty();
    const QString generals = general ? QString() : toQString(kCheckGeneral);
    return {ticks, judgements, weights, generals};
}

void dati::controlla(CheckScope scope)
{
    QStringList lines = checkLines();
    QString heading;
    const bool shownComplete = lines[0].isEmpty() && lines[1].isEmpty() && lines[2].isEmpty();
    AssessmentData& data = module().data();
    if (shownComplete && scope == CheckScope::AllTypes) {
        const int t = firstIncompleteType(data.characteristics);
        if (t != 0 && t != currentType()) {
            data.currentType = t;
            mostraTipo();
            lines = checkLines();
            heading = QStringLiteral("Tipo %1:\n").arg(toQString(typeName(t)));
        }
    }

    // Every line keeps its place, empty or not.
    const bool complete = lines.join(QString()).isEmpty();
    tellCheckOutcome(complete, heading + lines.join(u'\n'));
    if (!complete) focusFirstGap();
}

void dati::focusFirstGap()
{
    // The first row not ticked or not judged; with every row judged, the
    // first weight, for a remainder that is not 0.
    for (int c = 1; c <= kCharacteristicCount; ++c) {
        if (!cecc[c]->isChecked() || giudiz[c]->text().isEmpty()) {
            cecc[c]->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    if (captionValue(resto->text()) != 0) scrolla[1]->setFocus(Qt::OtherFocusReason);
}

bool dati::checkSilently(CheckScope scope)
{
    AssessmentData& data = module().data();
    data.checkFlag = 1;
    controlla(scope);
    const bool complete = data.checkFlag == 0;
    // A failed silent check must not make the next check from the menu silent.
    data.checkFlag = 0;
    return complete;
}

} // namespace tipolab
