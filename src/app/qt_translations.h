// The Italian texts of Qt's own dialogs and buttons ("Sì", "No", "Annulla").
#pragma once

class QCoreApplication;

namespace tipolab {

// Installs Qt's Italian translation for the whole application. Returns false
// when the translation is not installed on this system (the dialogs then stay
// in English). Numbers keep the user's regional settings.
bool installItalianQtTexts(QCoreApplication& app);

} // namespace tipolab
