#include "help_texts.h"

#include "core/profile.h"
#include "core/response_style.h"
#include "occupations/occupation_sources.h"

#include <array>
#include <cassert>
#include <string>

namespace tipolab {
namespace {

// The profile page states both thresholds in words.
static_assert(kNotDistinctBelow == 200 && kSelfImageCloseBelow == 200,
              "update the text of the profile page");
// ... and the rules on the answers.
static_assert(kUniformSharePercent == 75 && kExtremesSharePercent == 75 && kInBlockTypesFrom == 2 &&
                  kContrastRhoAtMost == -0.5,
              "update the text of the profile page");

// Each text is one paragraph; the page window word-wraps it.
// The pages up to the comparison window's; the two after it are below.
constexpr std::array<HelpPage, kAllHelpPageCount - 2> kPages = {{
    {"MANUALE D'USO RAPIDO",
     "Il software TIPOLAB è un programma per l'analisi della personalità prevalente negli alunni "
     "delle scuole, per guidarli nella scelta del futuro, o in chiunque di cui si voglia "
     "conoscere la naturale inclinazione. Il test considera sei tipologie di personalità: "
     "realista, investigativo, artistico, sociale, intraprendente e convenzionale. Nessuno "
     "appartiene a un solo tipo: in ogni persona sono presenti parti di tutti e sei, in misura "
     "diversa, e il programma stabilisce quale di essi prevale. I risultati sono espressi in "
     "percentuale, come valori assoluti, per ogni tipologia da sola, e come valori relativi, tra "
     "le sei tipologie. Il lavoro si svolge in quattro finestre, da percorrere nell'ordine. Nella "
     "finestra Tipi si esprime un giudizio generale su ciascuna tipologia, secondo l'idea che "
     "l'esaminato ha di sé: si spunta la casella della tipologia e si clicca su uno dei tasti "
     "della SCALA GIUDIZI, da «1 = massimo» a «11 = nullo». Il tasto «Dati» apre la finestra "
     "Dati, dove per ogni tipologia si giudicano allo stesso modo dodici qualità caratteristiche; "
     "ogni qualità ha un peso in percentuale, modificabile con le frecce accanto alla colonna %, "
     "e i pesi di una tipologia devono sommare a cento, cioè portare a 0 il «resto da assegnare "
     "in %». Il tasto «Caratteristiche successive» passa alla tipologia seguente. Completate "
     "tutte e sei le serie, il tasto «Risultati» esegue l'elaborazione e apre la finestra "
     "Risultati, con le tipologie in ordine decrescente e il tipo prevalente. Nel Frontespizio, "
     "infine, si scrivono i dati dell'intestazione, dal progetto agli allegati; il tasto «Stampa» "
     "prepara la relazione completa, che si apre nel programma di videoscrittura per essere "
     "riletta e stampata. In ogni finestra il tasto «AIUTO» indica il passo successivo e il "
     "comando «Controlla dati immessi» del menu Modifica segnala ciò che manca. I dati si salvano "
     "con «Salva» o «Salva con nome...» del menu File o con la barra degli strumenti: il nome "
     "proposto inizia con «Tipolab-dati-» e va completato con il nome dell'esaminato. Si può "
     "salvare anche un lavoro a metà, purché il Frontespizio riporti il nome della persona e "
     "siano completi i giudizi generali e la tipologia visualizzata nella finestra Dati. Con "
     "«Apri...», da qualunque finestra, si richiamano in seguito tutti i dati salvati, per "
     "completarli o stamparli di nuovo. Dal sommario della guida, «Listino prezzi» elenca gli "
     "altri programmi del fornitore; «Aggiorna listino...» vi carica il listino più recente."},
    {"FUNZIONAMENTO DEL PROGRAMMA",
     "Il funzionamento di TIPOLAB è piuttosto semplice, aldilà della moltitudine di dati "
     "necessari all'elaborazione del test. Nelle finestre Tipi e Dati ogni giudizio si immette "
     "con il mouse o con la tastiera: si spunta la casella della riga, che attiva la SCALA "
     "GIUDIZI, e si sceglie il giudizio; la riga mostra il giudizio, il suo valore da 1 a 11 e il "
     "coefficiente. Da tastiera la barra spaziatrice spunta la casella e porta su «1 = massimo», "
     "le frecce su e giù scorrono la scala e Invio assegna il giudizio e porta alla riga "
     "seguente. Per cambiare un giudizio si toglie la spunta e si spunta di nuovo la casella. A "
     "ogni giudizio corrisponde un punteggio da dieci (massimo) a zero (nullo), cioè un "
     "coefficiente da 1,00 a 0,00. Per ogni serie il programma calcola la media dei coefficienti; "
     "nella finestra Dati anche il valor medio, il giudizio complessivo e il coefficiente "
     "ponderato con i pesi. Al termine i risultati dei giudizi generali e di quelli analitici "
     "sono rapportati in percentuale, in assoluto e tra le sei tipologie. Il risultato analitico "
     "migliore indica la tipologia prevalente, mentre i giudizi generali dicono come l'esaminato "
     "crede di essere; a parità prevale la tipologia che precede nell'ordine."},
    {"ARCHIVIO DATI",
     "E' possibile memorizzare in appositi files, e in ogni finestra, tutti i dati immessi e "
     "richiamarli al momento opportuno. Al primo salvataggio la finestra di dialogo propone il "
     "nome «Tipolab-dati-»: premere il tasto freccia a destra (o Fine) per portarsi dopo il "
     "trattino e digitare di seguito il nome della persona esaminata, ad esempio "
     "«Tipolab-dati-Rossi Mario». Conviene mantenere questo prefisso, perché i file si ritrovino "
     "facilmente. Salvare i dati serve a interrompere il lavoro e riprenderlo in seguito, a "
     "correggere una valutazione, a ristampare la relazione o a confrontare un test ripetuto. Si "
     "può salvare anche un lavoro a metà: basta che i giudizi generali e la tipologia "
     "visualizzata nella finestra Dati siano completi e che nel Frontespizio sia scritto il nome "
     "della persona. Un file aperto da qualunque finestra sostituisce tutti i dati presenti; i "
     "risultati si ottengono di nuovo con il tasto «Risultati» della finestra Dati, quando tutte "
     "e sei le tipologie sono complete. I comandi «Apri...», «Salva», «Salva con nome...» ed "
     "«Elimina...» del menu File e i pulsanti della barra degli strumenti svolgono le stesse "
     "funzioni; «Elimina...» cancella il file scelto, non i dati presenti nel programma."},
    {"Finestra TIPI",
     "La prima finestra riguarda l'introduzione di pochi, ma significativi, dati relativi alle sei "
     "tipologie di personalità prese in considerazione. Il giudizio va dato secondo l'idea che "
     "l'esaminato ha di sé rispetto a ciascun tipo, senza che sia necessario conoscere con "
     "precisione il significato dei sei nomi: conta l'impressione immediata. Per ogni tipologia si "
     "spunta la casella della riga e si clicca sul giudizio prescelto nella SCALA GIUDIZI, da «1 = "
     "massimo» a «11 = nullo»; la riga mostra il giudizio, il valore e il coefficiente, e sotto le "
     "sei righe compare la media dei coefficienti. La riga di indicazioni in basso suggerisce ogni "
     "volta il passo successivo. Per correggere un giudizio si toglie la spunta, si spunta di "
     "nuovo la casella e si sceglie il nuovo giudizio. Conviene archiviare i dati solo dopo averli "
     "immessi tutti, anche nella finestra Dati, perché il salvataggio controlla che siano "
     "completi. Il comando «Controlla dati immessi» (menu Modifica o barra degli strumenti) "
     "segnala le tipologie non ancora spuntate o prive di giudizio. Il tasto «AIUTO» indica che "
     "cosa manca o che cosa fare, il tasto «Guida in linea» apre il sommario della guida e il "
     "tasto «Dati» porta alla finestra successiva."},
    {"Finestra DATI",
     "Dopo aver introdotto i dati generali per il test è necessario procedere con una buona dose "
     "di precisione nell'esaminare le sei serie di dodici qualità ciascuna da valutare. I giudizi "
     "si immettono come nella finestra Tipi: si spunta la casella della qualità e si sceglie il "
     "giudizio nella SCALA GIUDIZI; per correggerlo si toglie e si rimette la spunta. Il tasto "
     "«Caratteristiche successive» passa alla tipologia seguente, il cui nome compare in "
     "grassetto. Ogni qualità ha un peso in percentuale, in partenza 9 per le prime quattro e 8 "
     "per le altre, che si cambia di un punto alla volta con le frecce accanto alla colonna % o, "
     "da tastiera, portandosi sulle frecce con il tasto Tab e premendo freccia su o giù (oppure + "
     "e -). Il «resto da assegnare in %» deve risultare 0 per ogni tipologia. Sotto le righe "
     "compaiono valor medio, media dei coefficienti, giudizio complessivo e coefficiente "
     "ponderato. Il comando «Controlla dati immessi» esamina tutte e sei le tipologie: se quella "
     "visualizzata è completa e un'altra no, mostra quest'ultima e il messaggio comincia con "
     "«Tipo» e il suo nome. Il tasto «Risultati» fa lo stesso controllo e apre la finestra "
     "Risultati solo a dati completi."},
    {"Finestra RISULTATI",
     "Si tratta di una finestra di sola lettura dei risultati della elaborazione eseguita. La "
     "tabella in alto elenca le sei tipologie in ordine decrescente dei valori analitici; accanto, "
     "la frase del risultato indica la tipologia prevalente, che è segnalata anche da un'icona e "
     "dalla sua descrizione, scritta in grassetto blu. Nella parte inferiore si leggono le "
     "descrizioni di tutte e sei le tipologie, da scorrere con la barra verticale, utili per "
     "confrontare la prevalente con le altre. Le colonne della tabella riportano i valori assoluti "
     "e relativi dei giudizi generali (sintetici, come l'esaminato crede di essere) e dei giudizi "
     "analitici (come è secondo il test): nelle colonne celesti i valori assoluti, in percentuale "
     "per ciascuna tipologia presa da sola; nelle colonne blu i valori relativi, rapportati "
     "percentualmente tra le sei tipologie. Ogni oggetto della finestra mostra una breve "
     "spiegazione quando vi si sofferma il puntatore del mouse. I risultati non si aggiornano da "
     "soli: dopo aver aperto un file o modificato i dati, premere di nuovo «Risultati» nella "
     "finestra Dati. Dal menu File si stampa la scheda dei risultati, scritta nella cartella "
     "Tipolab riservata all'utente; il tasto «Frontespizio» porta all'ultima finestra."},
    {"Finestra FRONTESPIZIO",
     "L'ultima finestra riguarda i dati destinati al FRONTESPIZIO della Relazione da stampare. "
     "Ogni campo ha una sua funzione: il nome della persona compare sul frontespizio, nella frase "
     "del risultato e nel nome del file della relazione, ed è necessario anche per salvare i dati; "
     "la tipologia di studio (ad esempio «analisi situazione attuale») chiarisce lo scopo "
     "dell'esame; il luogo e la data chiudono la relazione e la collocano nel tempo, cosa "
     "importante quando il test viene ripetuto. La data è impostata in automatico al giorno "
     "corrente, ma si può modificare. Progetto, committente e allegati completano l'intestazione e "
     "le righe finali. Lo studio e il suo indirizzo sono fissati per l'installazione e non si "
     "modificano da questa finestra. Per una stampa corretta non conviene superare i 60 caratteri "
     "per campo. Il comando «Controlla dati immessi» segnala i campi rimasti vuoti, mentre "
     "«Cancella dati finestra» li svuota tutti, data compresa. Il tasto «Stampa» controlla i dati, "
     "ricalcola i risultati e prepara la relazione completa nel programma di videoscrittura; se "
     "l'impaginazione non è soddisfacente, vi si può scegliere un altro tipo o un'altra dimensione "
     "di carattere prima di stampare."},
    {"Finestra PROFILO",
     "La finestra del profilo si apre con «Profilo della persona» dal menu Visualizza di ogni "
     "finestra di lavoro e mostra la forma dei risultati calcolati dal tasto «Risultati» della "
     "finestra Dati: se i dati sono incompleti, o sono cambiati dopo l'ultimo calcolo, lo dice in "
     "una riga. Il grafico a esagono pone ai vertici i sei tipi, nell'ordine R, I, A, S, E, C, e "
     "disegna due profili: tratteggiato in arancione quello sintetico relativo (come l'esaminato "
     "crede di essere), continuo in blu quello analitico relativo (come è secondo il test). Il "
     "codice a tre lettere elenca i tre tipi più alti; i tipi con lo stesso valore stanno tra "
     "parentesi, separati da una barra, così che nessuno venga escluso da un pareggio. La tabella "
     "delle differenze riporta, tipo per tipo, il valore analitico meno quello sintetico: una "
     "differenza negativa indica che l'esaminato si sopravvaluta, una positiva che si sottovaluta; "
     "la frase che segue nomina le due differenze maggiori, purché raggiungano 2 punti. I tipi in "
     "comune contano quanti dei primi tre tipi coincidono nei due profili; il rho di Spearman "
     "confronta l'ordine dei sei tipi (1 se è lo stesso, -1 se è rovesciato) e non si calcola "
     "quando un profilo ha sei valori uguali. La differenziazione è la distanza tra il tipo più "
     "alto e il più basso; la coerenza guarda sull'esagono i primi due tipi: vicini alta, con un "
     "tipo in mezzo media, opposti bassa. Se i primi due distano meno di 2 punti, il profilo li "
     "dichiara non distinti. Per questo test non esistono norme: le soglie sono regole di "
     "lettura, non giudizi. In basso, per ogni tipo, le tre caratteristiche che pesano di più "
     "(peso per coefficiente) e le tre giudicate più in basso. Sotto il grafico, «Attendibilità "
     "delle risposte» segnala i modi di rispondere che dicono poco sulla persona: giudizi "
     "uniformi, quando almeno 54 dei 72 giudizi (il 75%) stanno sullo stesso passo; solo gli "
     "estremi, quando almeno 54 giudizi sono «massimo» o «nullo»; tipi giudicati in blocco, quando "
     "almeno due tipi hanno tutte e dodici le caratteristiche sullo stesso passo (un tipo solo può "
     "essere sincero); giudizi generali tutti uguali, quando i sei tipi hanno lo stesso giudizio "
     "generale; immagine di sé e test in contrasto, quando il rho di Spearman è -0,5 o meno, che "
     "non è un difetto delle risposte ma un punto da discutere con l'esaminato. Se nulla di questo "
     "accade, una riga lo dice. Il tasto «Stampa» prepara il "
     "foglio del profilo, il tasto «Esporta in PDF» lo salva come file PDF."},
    {"Finestra CONFRONTO",
     "La finestra del confronto si apre con «Confronta con un'altra valutazione...» dal menu "
     "Visualizza di ogni finestra di lavoro e mette a fianco due valutazioni della stessa persona: "
     "quella presente nelle finestre, che deve essere completa e con i risultati calcolati dal "
     "tasto «Risultati» della finestra Dati, e una precedente, scelta con la stessa finestra di "
     "dialogo di «Apri...». Il file scelto viene letto per intero senza toccare i dati presenti: "
     "se "
     "è danneggiato o incompleto, il programma lo dice e non confronta nulla. In alto compaiono il "
     "nome e la data di ciascuna valutazione (la data del Frontespizio o, se manca, quella "
     "dell'ultima modifica del file); se i nomi sono diversi il programma avverte che potrebbe "
     "trattarsi di due persone diverse, e il confronto prosegue. Il grafico a esagono sovrappone i "
     "due profili analitici relativi: tratteggiato in grigio quello precedente, continuo in blu "
     "quello attuale. La tabella riporta per ogni tipo le quattro percentuali (sint.ass., "
     "anal.ass., sint.rel. e anal.rel.) prima e dopo, con la variazione in punti: positiva se il "
     "valore è cresciuto, negativa se è diminuito. Sotto il grafico si leggono il tipo "
     "prevalente e i codici a tre lettere dei due profili, prima e dopo; se il tipo prevalente è "
     "cambiato, una frase lo dice. Variazioni di uno o due punti possono dipendere da un solo "
     "giudizio espresso in modo diverso: conviene leggerle insieme al colloquio. Il tasto «Stampa» "
     "prepara il foglio del confronto. Ogni documento del programma si può avere anche come file "
     "PDF, da inviare o da archiviare anche dove non c'è un programma di videoscrittura: «Esporta "
     "in PDF...» del menu File di ogni finestra di lavoro salva in PDF il documento che la "
     "finestra stamperebbe (la relazione dal Frontespizio, la scheda della finestra dalle altre), "
     "e i tasti «Esporta in PDF» delle finestre Profilo e Confronto salvano i loro fogli. Il "
     "programma propone il nome del documento, con l'estensione .pdf, nella cartella Documenti; "
     "un file che non si può scrivere viene segnalato e quello che c'era resta com'era."},
}};

// The professions page: how the list is made and what it is for, then the
// notices of the data sets, in English and in Italian.
constexpr std::string_view kProfessionsText =
    "La finestra delle professioni affini si apre con «Professioni affini» dal menu Visualizza "
    "di ogni finestra di lavoro o dalla finestra del profilo, quando la valutazione è completa e "
    "i risultati sono calcolati. Elenca 923 professioni dalla più vicina alla più lontana dal "
    "profilo della persona: il profilo analitico (come è), o l'immagine di sé (come crede di "
    "essere) se la si sceglie in alto. Ogni professione ha sei punteggi di interesse, da 1 a 7, "
    "uno per tipo; l'affinità è la correlazione r di Pearson tra questi sei punteggi e le sei "
    "percentuali relative della persona, come le mostra la finestra Risultati. Vale 1 quando i "
    "due profili salgono e scendono insieme, 0 quando non hanno legame, un valore negativo quando "
    "vanno in senso opposto; conta la forma del profilo, non l'altezza dei valori. A parità di "
    "affinità l'ordine è quello del codice O*NET-SOC. Un profilo piatto, con sei valori uguali, "
    "non ha elenco. Le lettere sono i tipi più forti della professione; «in comune» dice quante "
    "di esse compaiono nel codice a tre lettere della persona, un gruppo a pari valore compreso: "
    "è il modo più semplice per capire perché una professione è nell'elenco. Il livello è quello "
    "di istruzione che il gruppo ISCO-08 richiede di solito: 1 scuola dell'obbligo, 2 diploma o "
    "qualifica professionale, 3 ITS o formazione terziaria breve, 4 laurea; le caselle in alto "
    "tengono i livelli che interessano e il campo Cerca trova una professione o un gruppo per "
    "nome. Sotto la tabella si legge la descrizione della professione scelta. Il tasto «Stampa» "
    "prepara il foglio delle professioni, con le dieci più affini di ogni livello. L'elenco è un "
    "punto di partenza per il colloquio, non un verdetto: dice dove portano gli interessi emersi "
    "dal test, non che cosa la persona sa fare né che cosa deve scegliere. Da dove vengono i "
    "dati: i punteggi di interesse sono quelli della banca dati pubblica O*NET 30.2 (2026), "
    "ottenuti con l'apprendimento automatico e rivisti da esperti (per alcune professioni con il "
    "solo apprendimento automatico); le professioni sono descritte per gli Stati Uniti, e alcune "
    "(per esempio gli sceriffi) non hanno un equivalente italiano esatto. I titoli e le "
    "descrizioni italiane sono nostri, tradotti da quelli inglesi; ogni professione è collegata "
    "a un gruppo ISCO-08 attraverso le tavole di corrispondenza pubbliche, e il nome italiano del "
    "gruppo viene da ESCO. Note delle fonti:";

constexpr HelpPage kRegisterPage{
    "Finestra REGISTRO DELLE VALUTAZIONI",
    "Il registro si apre con «Registro delle valutazioni...» dal menu File di ogni finestra di "
    "lavoro: si sceglie una cartella (all'inizio quella dell'ultimo file aperto o salvato) e il "
    "programma elenca ogni file «Tipolab-dati-...» che contiene, sottocartelle comprese, "
    "leggendolo per intero come fa «Apri...». Ogni riga dice la persona, la data del "
    "Frontespizio (o dell'ultima modifica del file), lo scopo e l'istituto, lo stato (completa, "
    "incompleta con ciò che manca, danneggiata con il motivo), il tipo prevalente, i due codici a "
    "tre lettere e gli avvisi sull'attendibilità delle risposte. Un clic sul titolo di una "
    "colonna ordina l'elenco; il campo Cerca trova una persona, un istituto o un file, e le "
    "caselle scelgono quali stati mostrare. Invio o un doppio clic apre la valutazione nelle "
    "finestre di lavoro, come «Apri...», con la domanda sulle modifiche non salvate. La lettura "
    "di una cartella grande avviene mentre la finestra resta utilizzabile e si può fermare con "
    "«Annulla»; ogni volta che la finestra torna in primo piano la cartella viene riletta. Con "
    "almeno 30 valutazioni complete compaiono le norme locali: per ogni tipo il percentile della "
    "percentuale analitica relativa della persona tra le valutazioni complete elencate, cioè la "
    "percentuale di persone con un valore più basso (metà di quelle con lo stesso valore). È un "
    "confronto con le persone che chi usa il programma ha valutato, non con un campione "
    "nazionale: sotto le 30 valutazioni una persona in più o in meno sposterebbe i percentili di "
    "molti punti, e per questo non si mostrano. Sotto l'elenco, per le valutazioni mostrate, "
    "il profilo analitico medio sull'esagono, i tipi prevalenti come barre e i conteggi. Il "
    "tasto «Stampa» prepara il foglio della classe (conteggi, tipi prevalenti, profilo medio e "
    "una riga per valutazione completa) ed «Esporta...» salva un foglio di calcolo con tutte le "
    "colonne e le percentuali come numeri; entrambi contengono le righe mostrate, nell'ordine "
    "in cui sono mostrate. Con la casella «senza nomi» spuntata nomi e file diventano codici "
    "(P0001, P0002...), l'istituto e lo scopo restano fuori, e la chiave che dice a chi "
    "corrisponde ogni codice va in un file a parte, leggibile solo dall'utente, da non allegare "
    "mai all'esportazione. Una scuola la usa ogni volta che i dati escono dal computer di chi "
    "li ha raccolti: per i colleghi, per una ricerca, per qualunque invio."};

const HelpPage& professionsPage()
{
    static const std::string text = [] {
        std::string t(kProfessionsText);
        for (std::string_view notice : kOccupationNotices)
            t.append(" ").append(notice);
        return t;
    }();
    static const HelpPage page{"Finestra PROFESSIONI AFFINI", text};
    return page;
}

} // namespace

const HelpPage& helpPage(HelpPageId id)
{
    if (id == HelpPageId::Professions) return professionsPage();
    if (id == HelpPageId::Register) return kRegisterPage;
    const auto index = static_cast<std::size_t>(id);
    assert(index < kPages.size());
    return kPages[index < kPages.size() ? index : 0];
}

} // namespace tipolab
