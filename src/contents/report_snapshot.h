// What the four working windows show at the moment a document is printed: the
// only input of the report and of the sheets. The windows fill these from their
// widgets; the command-line tool fills them from an archive (snapshot_from_archive.h).
// Texts are taken as shown; numbers that the documents format themselves are
// numbers. Arrays are indexed from 0: type t is at [t - 1], step n at [n - 1].
#pragma once

#include "core/judgement.h"
#include "core/model.h"

#include <QLocale>
#include <QString>
#include <array>
#include <optional>

namespace tipolab {

// The captions of the scale buttons giud(1..11), trailing blanks included.
using ScaleCaptions = std::array<QString, kStepCount>;

// The title-page window: the seven fields as typed and the studio's data.
struct TitlePageSnapshot {
    QString progetto;
    QString persona;
    QString tipostudio;
    QString committente;
    QString luogo;
    QString data;
    QString allegati;
    QString studioName;
    QString studioAddress;
};

// The general judgement of one type, as the assessment holds it.
struct GeneralJudgementRow {
    QString typeName;
    QString word;                      // "" when none
    QString step;                      // "1".."11", or ""
    std::optional<double> coefficient; // none when empty: printed as an empty cell
};

// The types window.
struct TypesWindowSnapshot {
    ScaleCaptions scale;
    std::array<GeneralJudgementRow, kTypeCount> rows;
    QString mean;   // caption of `media`: "", "0" or the mean with three decimals
    QLocale locale; // the decimal separator of the printed coefficients
};

struct CharacteristicRowSnapshot {
    QString name;
    QString word;
    QString step;
    std::optional<double> coefficient;
    QString weight; // whole percent as shown
};

// The captions of valoremedio, media, pond and complessivo while the data window
// displays the type.
struct TypeSummarySnapshot {
    QString valoreMedio;
    QString media;
    QString pond;
    QString complessivo;
};

struct TypeCharacteristicsSnapshot {
    QString typeName;
    std::array<CharacteristicRowSnapshot, kCharacteristicCount> rows;
    TypeSummarySnapshot summary;
};

// The data window, having displayed each type in turn.
struct DataWindowSnapshot {
    ScaleCaptions scale;
    std::array<TypeCharacteristicsSnapshot, kTypeCount> types;
    QLocale locale;
};

// One row of the results table: tipol, sintass, anass, sintrel, anrel as shown.
struct ResultRowSnapshot {
    QString type;
    QString sintAss;
    QString anaAss;
    QString sintRel;
    QString anaRel;
    bool operator==(const ResultRowSnapshot&) const = default;
};

// The results window.
struct ResultsWindowSnapshot {
    std::array<ResultRowSnapshot, kTypeCount> rows;
    QString prevailingName; // caption of `risultat`
    int prevailingType = 0; // 1..6; 0 before any computation
};

// Everything the full report reads.
struct ReportSnapshot {
    TitlePageSnapshot title;
    TypesWindowSnapshot types;
    DataWindowSnapshot data;
    ResultsWindowSnapshot results;
};

// The head of a sheet: program name and description, and the examined person.
struct SheetHeading {
    QString programName;
    QString description;
    QString persona;
};

// The program's own name and description with `persona`.
SheetHeading sheetHeading(const QString& persona);

// The scale captions of the judgement scale, as the buttons carry them.
ScaleCaptions scaleCaptions();

// A stored coefficient as the documents print it: none (an empty cell) when
// the item is empty.
std::optional<double> printedCoefficient(const Value& coefficient);

// The general judgement of type t as the assessment holds it.
GeneralJudgementRow generalJudgementRow(int t, const Judgement& judgement);

} // namespace tipolab
