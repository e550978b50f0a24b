#include "report_snapshot.h"

#include "state/program_identity.h"

namespace tipolab {

SheetHeading sheetHeading(const QString& persona)
{
    const ProgramIdentity identity;
    return {QString::fromStdString(identity.name), QString::fromStdString(identity.description),
            persona};
}

ScaleCaptions scaleCaptions()
{
    ScaleCaptions out;
    for (int n = 1; n <= kStepCount; ++n) {
        const std::string_view caption = stepCaption(n);
        out[n - 1] = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    }
    return out;
}

std::optional<double> printedCoefficient(const Value& coefficient)
{
    if (coefficient.isEmpty()) return std::nullopt;
    return coefficient.toNumber();
}

GeneralJudgementRow generalJudgementRow(int t, const Judgement& judgement)
{
    const std::string_view name = typeName(t);
    return {QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
            QString::fromStdString(judgement.word.toText()),
            QString::fromStdString(judgement.step.toText()),
            printedCoefficient(judgement.coefficient)};
}

} // namespace tipolab
