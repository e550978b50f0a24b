// The counsellor's register: every archive in some folders at a glance. Each
// file named "Tipolab-dati-..." is read with the same all-or-nothing reader as
// "Apri" and becomes one row: the person, the date, the purpose and the
// institute of the title page, whether the assessment is complete, its
// prevailing type, codes and warnings on the answers, and, from
// kLocalNormsFrom complete assessments on, where each of its six analytic
// percentages stands among them (local norms).
#pragma once

#include "core/local_norms.h"
#include "core/profile.h"
#include "core/response_style.h"
#include "state/file_stamp.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace tipolab {

enum class RegisterState { Complete, Incomplete, Damaged };

struct RegisterRow {
    QString file;                   // the path as found
    QString persona;                // the title page's
    QString date;                   // the title page's, as typed; empty when it has none
    QDateTime changed;              // the file's last change, where the title page has no date
    std::optional<FileStamp> stamp; // the file as it was read
    // The title page's date read as a date ("lunedì, 7 dic 2026", "7/12/2026"),
    // else the file's last change; invalid when neither gives one.
    QDate day;
    QString scopo;    // the title page's type of study
    QString istituto; // the title page's commissioning body
    RegisterState state = RegisterState::Damaged;
    QString reason;      // why a damaged file could not be read
    QStringList notDone; // what an incomplete one lacks: type names, "giudizi generali"
    int prevailing = 0;  // 1..6, complete ones only
    std::string syntheticCode, analyticCode;
    std::vector<ResponseWarningKind> warnings;
    TypeHundredths analytic{}; // anal.rel. by type, complete ones only
    // By type; none below kLocalNormsFrom complete rows and for the other rows.
    std::optional<std::array<int, kTypeCount>> percentiles;
};

// The archives under `paths` (folders searched with their subfolders, or
// files named directly), in path order, each once. Only regular files whose
// name begins with "Tipolab-dati-" are taken from folders.
QStringList registerFiles(const QStringList& paths);

// One archive read and evaluated.
RegisterRow readRegisterRow(const QString& path);

// Fills the percentiles of the complete rows once there are enough of them.
void applyLocalNorms(std::vector<RegisterRow>& rows);

// Reads every file in turn; `progress` (files done, files in all) may stop the
// reading by returning false, and the rows read so far come back. A file of
// `known` (an earlier reading) that has not changed since is not read again.
using RegisterProgress = std::function<bool(int done, int total)>;
std::vector<RegisterRow> readRegister(const QStringList& files,
                                      const RegisterProgress& progress = {},
                                      const std::vector<RegisterRow>& known = {});

// "completa", "incompleta: ...", "danneggiata: ..."; with `brief` the first word alone.
QString stateText(const RegisterRow& row, bool brief = false);
// The response-style keys joined by ";": "uniformi;in_blocco".
QString warningKeysText(const RegisterRow& row);
// The same in words: "Giudizi uniformi; Tipi giudicati in blocco".
QString warningTitlesText(const RegisterRow& row);
// The date to show: the title page's, else the file's last change (dd/MM/yyyy).
QString shownDate(const RegisterRow& row);

// How many rows are in each state (by RegisterState) and how many complete
// ones have each prevailing type (type t at [t - 1]).
struct RegisterCounts {
    std::array<int, 3> states{};
    std::array<int, kTypeCount> prevailing{};
};
RegisterCounts countRegister(const std::vector<RegisterRow>& rows);
// "complete", "incomplete", "danneggiate": the rows in a state, counted.
QString statePlural(RegisterState state);
// "Valutazioni: 30 complete, 1 incomplete, 1 danneggiate."
QString registerCountsText(const RegisterCounts& counts);

// The mean analytic relative percentages of the complete rows, in hundredths
// (half up); none without a complete row.
std::optional<TypeHundredths> meanAnalyticProfile(const std::vector<RegisterRow>& rows);

// Names replaced by codes for an export that leaves the counsellor's
// computer: P0001, P0002 ... in the rows' order. The title-page fields that
// can hold names (the institute, the purpose) are emptied. The key comes
// back, one entry a row: the code, the person and the file it stands for.
struct PseudonymKey {
    QString code, persona, file;
};
std::vector<PseudonymKey> pseudonymise(std::vector<RegisterRow>& rows);

} // namespace tipolab
