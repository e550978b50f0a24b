// The title-page window `frontespizio`, window 4 of 4: the seven fields that
// head the full report (project, examined person, kind of study, client, place,
// date, attachments), typed here, and the studio's name and address, fixed for
// the installation and shown read-only. From here the user checks and clears
// the fields, gets help on entering them, and starts the full report.
#pragma once

#include "archive/archive_codec.h"
#include "working_window.h"

#include <array>

class QLabel;
class QLineEdit;

namespace tipolab {

class ClickableLabel;

class frontespizio : public WorkingWindow {
    Q_OBJECT
public:
    frontespizio(ModuloTipolab& module, DocumentDesk& desk);

    // The seven fields in archive order (progetto .. allegati), as typed.
    TitleFields fields() const;
    // Sets each field as if typed, so that its change handler runs.
    void setFields(const TitleFields& fields);
    QString persona() const;
    // The fields and the studio's data as they stand.
    TitlePageSnapshot snapshot() const;

    // The fields, in archive order.
    enum class Field { Progetto, Persona, TipoStudio, Committente, Luogo, Data, Allegati };
    QLineEdit* field(Field f) const { return campo[static_cast<int>(f)]; }

    // Change handlers of the fields: the 60-character warning.
    void progetto_Change() { campo_Change(Field::Progetto); }
    void persona_Change() { campo_Change(Field::Persona); }
    void tipostudio_Change() { campo_Change(Field::TipoStudio); }
    void committente_Change() { campo_Change(Field::Committente); }
    void luogo_Change() { campo_Change(Field::Luogo); }
    void data_Change() { campo_Change(Field::Data); }
    void allegati_Change() { campo_Change(Field::Allegati); }

    // The studio's name and address cannot be changed here: a click says so.
    void Labelstudio_Click();
    void labelindirizzo_Click();

    void aiuto_Click();
    void guidainlinea_Click();
    void indietro_Click();
    void cmdesci_Click();
    void cancella_click();

    // The full report.
    void stampa_Click() override;
    void controlla_Click() override;
    void cancellaFinestra() override { cancella_click(); }

    QLabel* passoLabel() const { return passo; }

private:
    void placeControls();
    void placeButtons(QWidget* area);
    void campo_Change(Field f);
    void lengthWarning();
    void showGuidance();
    void showStudio();
    void readOnlyValue();

    // `progetto`, `persona`, `tipostudio`, `committente`, `luogo`, `data`, `allegati`.
    std::array<QLineEdit*, kTitleFieldCount> campo{};
    // The fields already warned of being too long; a field is warned again
    // only after it has come back within the limit.
    std::array<bool, kTitleFieldCount> warnedLong{};
    ClickableLabel* Labelstudio = nullptr;
    ClickableLabel* labelindirizzo = nullptr;
    QLabel* passo = nullptr;
};

} // namespace tipolab
