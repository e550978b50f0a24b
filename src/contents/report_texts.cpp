#include "report_texts.h"

#include <array>
#include <cassert>

namespace tipolab {
namespace {

constexpr std::array<std::string_view, 7> kParagraphs = {
    // P1: what the study examines
    "Il presente studio della personalità esamina 6 possibili caratteri di individui. Per ciascuno "
    "di essi vengono richiesti dati generali, che esprimono come l'esaminato crede di essere, e "
    "dati analitici, che indicano come è in realtà secondo il test.",
    // P2: synthetic and analytic judgements
    "Nel primo caso il programma organizza percentualmente i giudizi espressi su una scala "
    "decimale, da un valore massimo a un valore nullo, e li confronta tra le sei tipologie, così "
    "da mostrare quale peso l'esaminato attribuisce a ciascuna di esse. Nel secondo caso, per ogni "
    "tipologia vengono valutate dodici qualità caratteristiche con la stessa scala di giudizi; a "
    "ogni qualità è associato un peso in percentuale e la somma dei pesi di una tipologia è uguale "
    "a cento, in modo che le qualità più significative incidano di più sul risultato.",
    // P3: the prevailing type and what it is good for
    "La complessità di ogni carattere difficilmente può essere valutata completamente secondo "
    "l'una o l'altra tipologia: è sempre presente una parte di ciascuna. Il programma non assegna "
    "quindi l'esaminato a una sola categoria, ma misura quanto ciascuna tipologia sia presente in "
    "lui e, confrontando le inclinazioni principali, individua quella prevalente. Questa "
    "indicazione è particolarmente utile nell'orientamento scolastico al termine della scuola "
    "dell'obbligo, quando si tratta di scegliere il percorso di studi più adatto alle proprie "
    "attitudini, e nell'assegnazione di un incarico o di una mansione, perché può mettere in luce "
    "capacità nascoste che né l'interessato né chi lo valuta avevano ancora riconosciuto.",
    // P4: where the test comes from; the two conditions follow it
    "Il test è ripreso da manuali di psicologia, utilizzati anche per l'orientamento scolastico, "
    "ed è stato formulato in termini semplici, perché possa essere capito senza difficoltà da "
    "chiunque, anche da un alunno. Si è tenuto conto delle due seguenti condizioni per una "
    "corretta valutazione:",
    // P5: self-image against reality
    "Tutto ciò al fine di poter opportunamente confrontare il concetto che l'esaminato ha di sè "
    "con la realtà della sua personalità. L'immagine che ciascuno ha della propria persona non "
    "coincide quasi mai con ciò che emerge dall'esame delle singole qualità: il confronto tra i "
    "dati sintetici e quelli analitici mostra dove l'esaminato si sopravvaluta, dove si "
    "sottovaluta e dove invece si conosce bene. Anche una leggera prevalenza di una tipologia "
    "sulle altre è significativa, perché indica la direzione verso cui la persona tende "
    "spontaneamente e nella quale potrà esprimere con maggiore soddisfazione le proprie capacità, "
    "nello studio come nella professione.",
    // P6: why the make-up of a person matters
    "In definitiva è sempre interessante e fondamentale sapere come è composto psicologicamente un "
    "individuo. Conoscere le proprie inclinazioni aiuta a operare scelte consapevoli già nel "
    "presente e, ripetendo la valutazione a distanza di tempo, permette di seguire l'evoluzione "
    "della propria personalità nel corso degli anni.",
    // P7: why a repeated test can differ
    "Eventuali differenze di valutazioni finali possono avvenire quando si modificano, anche di "
    "poco, i giudizi analitici attribuiti alle qualità, quando le percentuali delle diverse "
    "tipologie sono molto vicine tra loro, o ancora quando l'esaminato, incerto nelle risposte, "
    "valuta le stesse qualità in modo diverso da una volta all'altra. Al di fuori di questi casi, "
    "a parità di giudizi espressi, il test è da ritenersi attendibile.",
};

} // namespace

std::string_view explanatoryParagraph(int n)
{
    assert(n >= 1 && n <= static_cast<int>(kParagraphs.size()));
    if (n < 1 || n > static_cast<int>(kParagraphs.size())) return {};
    return kParagraphs[n - 1];
}

} // namespace tipolab
