#include "type_descriptions.h"

#include <array>
#include <cassert>

namespace tipolab {
namespace {

// As the results window shows them, one per type in type order. The blank pair
// in the ARTISTICO text is part of the shown text.
constexpr std::array<std::string_view, 6> kWindowDescriptions = {
    // 1 REALISTA
    "L'individuo che appartiene al tipo realista preferisce le attività in cui occorre maneggiare "
    "oggetti, attrezzi e macchinari, oppure lavorare a contatto con la natura, le piante e gli "
    "animali, per ottenere risultati concreti. Evita, di regola, le attività educative e "
    "terapeutiche, nelle quali occorre istruire o curare altre persone. Possiede abilità "
    "meccaniche, tecniche e agricole, mentre ha scarsa inclinazione per i rapporti sociali e per "
    "la vita di gruppo. Di fronte a un problema preferisce agire subito e risolverlo in modo "
    "pratico, senza tante discussioni.",
    // 2 INVESTIGATIVO
    "Il tipo investigativo preferisce le attività che implicano l'osservazione, l'uso dei simboli "
    "e l'indagine sistematica e creativa dei fenomeni fisici, fisiologici e culturali, allo scopo "
    "di comprenderli e di spiegarli. Di solito evita le attività sociali, quelle ripetitive e "
    "quelle in cui occorre persuadere o dirigere gli altri. Possiede abilità scientifiche e "
    "matematiche e ama affrontare i problemi con il ragionamento e lo studio, anche quando "
    "richiedono tempo; è invece meno portato per il commercio e per il comando.",
    // 3 ARTISTICO
    "Il tipo artistico preferisce le attività in cui può disporre  liberamente di materiali di "
    "qualsiasi genere per creare cose nuove; evita le attività sistematiche, ordinate, ripetitive. "
    "Possiede abilità verbali, musicali o figurative, con cui si esprime, mentre ha poca "
    "inclinazione per il commercio e per il lavoro d'ufficio.",
    // 4 SOCIALE
    "Il tipo sociale preferisce le attività che implicano il contatto con le persone per "
    "informarle, istruirle, curarle; evita le attività in cui occorre usare attrezzi e macchine. "
    "Possiede abilità sociali e sa ascoltare, spiegare e aiutare, ma gli mancano spesso le "
    "competenze tecniche. Trova soddisfazione nell'essere utile agli altri.",
    // 5 INTRAPRENDENTE
    "Il tipo intraprendente preferisce le attività che permettono di esercitare un'influenza sugli "
    "altri a scopo di potere e di guadagno, come dirigere, organizzare, vendere e convincere; "
    "evita le attività che richiedono osservazione, metodo sistematico e uso di simboli. Possiede "
    "capacità persuasive e di comando, mentre gli mancano di norma abilità scientifiche.",
    // 6 CONVENZIONALE
    "L'individuo che appartiene al tipo convenzionale preferisce le attività sistematiche, "
    "prestabilite, che comportano il trattamento ordinato di dati, documenti e archivi e l'uso "
    "delle macchine d'ufficio; evita le attività autonome, esplorative e creative, prive di regole "
    "precise. Possiede abilità amministrative, contabili e commerciali, mentre è poco portato per "
    "quelle artistiche.",
};

// The report's own copies of the first three descriptions: the same words with
// slightly different punctuation and spacing. The other three are shared.
constexpr std::array<std::string_view, 3> kReportDescriptions = {
    // 1 REALISTA
    "L'individuo che appartiene al tipo realista preferisce le attività in cui occorre maneggiare "
    "oggetti, attrezzi e macchinari, oppure lavorare a contatto con la natura, le piante e gli "
    "animali, per ottenere risultati concreti. Evita, di regola, le attività educative e "
    "terapeutiche, nelle quali occorre istruire o curare altre persone. Possiede abilità "
    "meccaniche, tecniche e agricole mentre ha scarsa inclinazione per i rapporti sociali e per la "
    "vita di gruppo. Di fronte a un problema preferisce agire subito e risolverlo in modo pratico, "
    "senza tante discussioni.",
    // 2 INVESTIGATIVO
    "Il tipo investigativo preferisce le attività che implicano l'osservazione, l'uso dei simboli "
    "e l'indagine sistematica e creativa dei fenomeni fisici, fisiologici e culturali, allo scopo "
    "di comprenderli e di spiegarli. Di solito, evita le attività sociali, quelle ripetitive e "
    "quelle in cui occorre persuadere o dirigere gli altri. Possiede abilità scientifiche e "
    "matematiche, e ama affrontare i problemi con il ragionamento e lo studio, anche quando "
    "richiedono tempo; è, invece, meno portato per il commercio e per il comando.",
    // 3 ARTISTICO
    "Il tipo artistico preferisce le attività in cui può disporre liberamente di materiali di "
    "qualsiasi genere per creare cose nuove; evita le attività sistematiche, ordinate, ripetitive. "
    "Possiede abilità verbali, musicali o figurative, con cui si esprime, mentre ha poca "
    "inclinazione per il commercio e per il lavoro d'ufficio.",
};

} // namespace

std::string_view typeDescription(int t)
{
    assert(t >= 1 && t <= static_cast<int>(kWindowDescriptions.size()));
    if (t < 1 || t > static_cast<int>(kWindowDescriptions.size())) t = 1;
    return kWindowDescriptions[t - 1];
}

std::string_view reportTypeDescription(int t)
{
    if (t < 1 || t > static_cast<int>(kWindowDescriptions.size())) t = 1;
    if (t <= static_cast<int>(kReportDescriptions.size())) return kReportDescriptions[t - 1];
    return kWindowDescriptions[t - 1];
}

} // namespace tipolab
