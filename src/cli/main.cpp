// tipolab-cli: works on archive files without opening the program.
#include "comparison_command.h"
#include "document_command.h"
#include "files/error_reasons.h"
#include "files/file_io.h"
#include "files/text_encoding.h"
#include "professions_command.h"
#include "profile_command.h"
#include "register_command.h"
#include "results_command.h"
#include "standard_output.h"
#include "state/program_identity.h"
#include "terminal_text.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
#include <unistd.h>

namespace {

const char kUsage[] =
    "Uso: tipolab-cli risultati [--csv] FILE...\n"
    "     tipolab-cli profilo [--csv] FILE...\n"
    "     tipolab-cli confronta [--csv] PRIMA DOPO\n"
    "     tipolab-cli professioni [--csv] [--sintetico] [--livello L[,L...]]\n"
    "                             [--quante N] FILE\n"
    "     tipolab-cli registro [--csv | --xlsx FOGLIO] [--senza-nomi CHIAVE]\n"
    "                          CARTELLA|FILE...\n"
    "     tipolab-cli relazione FILE [-o DOCUMENTO]\n"
    "     tipolab-cli foglio risultati|dati|tipi|profilo|professioni FILE\n"
    "                        [-o DOCUMENTO]\n"
    "     tipolab-cli foglio modello [FILE] [-o DOCUMENTO]\n"
    "     tipolab-cli foglio confronto PRIMA DOPO [-o DOCUMENTO]\n"
    "     tipolab-cli foglio registro CARTELLA|FILE... [-o DOCUMENTO]\n"
    "     tipolab-cli --help | --version\n"
    "\n"
    "  risultati   mostra, per ogni file di dati, i risultati che Tipolab mostrerebbe\n"
    "              dopo l'apertura del file e il tasto Risultati: la persona, i sei tipi\n"
    "              in ordine decrescente (sint.ass., anal.ass., sint.rel., anal.rel.)\n"
    "              e il tipo prevalente.\n"
    "  profilo     mostra, per ogni file di dati, il profilo della persona: i codici a\n"
    "              tre lettere, le differenze tra anal.rel. e sint.rel. tipo per tipo,\n"
    "              i tipi in comune, il rho di Spearman, differenziazione e coerenza.\n"
    "  confronta   confronta due valutazioni della stessa persona, PRIMA la precedente:\n"
    "              per ogni tipo le quattro percentuali prima e dopo con la variazione,\n"
    "              il tipo prevalente e i codici a tre lettere; con --csv una riga per\n"
    "              tipo. Se i nomi sono diversi lo segnala e prosegue.\n"
    "  professioni le professioni ordinate per affinit\u00e0 con il profilo analitico\n"
    "              (con --sintetico con l'immagine di s\u00e9): la correlazione r di\n"
    "              Pearson tra i sei valori e i sei punteggi di interesse O*NET della\n"
    "              professione, le sue lettere e quante sono nel codice della persona.\n"
    "              Le prime 20 (--quante N per N, --quante 0 per tutte); --livello\n"
    "              tiene i livelli di istruzione indicati: 1 scuola dell'obbligo,\n"
    "              2 diploma o qualifica, 3 ITS o terziaria breve, 4 laurea. Con --csv\n"
    "              tutte, una riga per professione. Un profilo piatto non ha elenco.\n"
    "  registro    tutte le valutazioni delle cartelle indicate (sottocartelle\n"
    "              comprese: i file \"Tipolab-dati-...\") e dei file indicati, una riga\n"
    "              ciascuna: persona, data, stato (completa, incompleta, danneggiata),\n"
    "              tipo prevalente, codici, avvisi e, da 30 valutazioni complete, il\n"
    "              percentile di ogni tipo tra le complete (norme locali). Con\n"
    "              --senza-nomi i nomi diventano codici P0001, P0002... e la chiave\n"
    "              (codice, persona, file) va nel file CHIAVE, leggibile solo\n"
    "              dall'utente. Con --xlsx scrive il registro come foglio di calcolo.\n"
    "              Un file danneggiato \u00e8 elencato e d\u00e0 lo stato 1.\n"
    "  --csv       una riga per file, con il punto decimale, per un foglio di calcolo;\n"
    "              un nome che comincia con = + - @, una tabulazione o un ritorno a capo\n"
    "              riceve un apostrofo davanti, perch\u00e9 il foglio di calcolo non lo\n"
    "              prenda per una formula.\n"
    "  relazione   scrive la relazione completa del file di dati, come il tasto Stampa\n"
    "              della finestra Frontespizio; senza -o dove la scrive Tipolab: accanto\n"
    "              alla cartella del programma o, se installato, nella cartella Documenti.\n"
    "  foglio      scrive il foglio di una finestra (risultati, dati, tipi), il foglio\n"
    "              del profilo della persona, delle professioni affini, del confronto\n"
    "              o il modello di acquisizione dati in bianco; con registro il foglio\n"
    "              della classe (riepilogo e valutazioni complete); senza -o nella\n"
    "              cartella corrente.\n"
    "  -o          il nome del documento: con .doc (o senza estensione) in RTF, che si\n"
    "              apre con i programmi di videoscrittura, con .pdf in PDF, con le\n"
    "              pagine che Tipolab conta; altre estensioni sono rifiutate.\n"
    "  --version   mostra il nome e la versione del programma.\n"
    "\n"
    "Nella tabella, nei messaggi e nel CSV mostrato sul terminale i caratteri di\n"
    "controllo di nomi e valori sono mostrati come \\x seguito dal codice\n"
    "esadecimale (per esempio \\x1b); in un file o in una pipe il CSV resta com'\u00e8.\n"
    "Dopo -- ogni argomento \u00e8 un file, anche se comincia con un trattino.\n"
    "I file incompleti o danneggiati sono segnalati sull'errore standard e saltati\n"
    "(relazione, profilo, confronta, professioni e i fogli dei risultati, del profilo,\n"
    "delle professioni e del confronto richiedono dati completi); lo stato di uscita\n"
    "vale 1 se qualche file \u00e8 stato segnalato o se l'uscita non si \u00e8 potuta\n"
    "scrivere, 2 per un uso errato.\n";

// A usage error: what is wrong, and where to read more.
int usage(QTextStream& err, const QString& problem)
{
    err << problem << '\n' << QStringLiteral("Per l'uso: tipolab-cli --help") << '\n';
    err.flush();
    return 2;
}

int unknownOption(QTextStream& err, const QString& option)
{
    return usage(err, QStringLiteral("Opzione sconosciuta: %1").arg(tipolab::terminalSafe(option)));
}

// Walks a command's arguments: the names go to `files` (after "--" every
// argument is a name, even one that starts with "-"), each option to
// `option` with its index, which it moves past the option's value. `option`
// returns a status to stop with; the first one is returned.
template <typename Option>
std::optional<int> readArguments(const QStringList& args, QStringList& files, Option option)
{
    bool onlyFiles = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (onlyFiles || !a.startsWith(QLatin1Char('-')) || a.size() == 1)
            files << a;
        else if (a == QLatin1String("--"))
            onlyFiles = true;
        else if (const std::optional<int> status = option(i))
            return status;
    }
    return std::nullopt;
}

// The arguments of the commands that read archives: "--csv" and the file names.
std::optional<int> readCsvAndFiles(const QStringList& args, bool& csv, QStringList& files,
                                   QTextStream& err)
{
    return readArguments(args, files, [&](qsizetype i) -> std::optional<int> {
        if (args[i] != QLatin1String("--csv")) return unknownOption(err, args[i]);
        csv = true;
        return std::nullopt;
    });
}

const char kTwoFiles[] = "Indicare i due file di dati, prima il precedente.";

int comparisonCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    tipolab::ComparisonOptions options;
    options.locale = QLocale::system();
    QStringList files;
    if (const auto status = readCsvAndFiles(args, options.csv, files, err)) return *status;
    if (files.size() != 2) return usage(err, QString::fromUtf8(kTwoFiles));
    options.before = files[0];
    options.after = files[1];
    return tipolab::runComparison(options, out, err);
}

int professionsCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    tipolab::ProfessionsOptions options;
    options.locale = QLocale::system();
    options.toTerminal = ::isatty(STDOUT_FILENO) == 1;
    QStringList files;
    const auto status = readArguments(args, files, [&](qsizetype& i) -> std::optional<int> {
        const QString& a = args[i];
        if (a == QLatin1String("--csv")) {
            options.csv = true;
        } else if (a == QLatin1String("--sintetico")) {
            options.synthetic = true;
        } else if (a == QLatin1String("--livello")) {
            const auto levels = i + 1 < args.size() ? tipolab::parseLevels(args[++i]) : std::nullopt;
            if (!levels)
                return usage(err, QStringLiteral("Dopo --livello indicare i livelli da 1 a 4, "
                                                 "separati da virgole."));
            options.levels = *levels;
        } else if (a == QLatin1String("--quante")) {
            bool ok = false;
            options.count = i + 1 < args.size() ? args[++i].toInt(&ok) : -1;
            if (!ok || options.count < 0)
                return usage(err, QStringLiteral("Dopo --quante indicare un numero intero, 0 "
                                                 "per tutte."));
        } else {
            return unknownOption(err, a);
        }
        return std::nullopt;
    });
    if (status) return *status;
    if (files.size() != 1) return usage(err, QStringLiteral("Indicare un file di dati."));
    options.file = files.front();
    return tipolab::runProfessions(options, out, err);
}

int registerCommand(const QStringList& args, QTextStream& out, QTextStream& err)
{
    tipolab::RegisterOptions options;
    options.locale = QLocale::system();
    options.toTerminal = ::isatty(STDOUT_FILENO) == 1;
    const auto status = readArguments(args, options.paths, [&](qsizetype& i) -> std::optional<int> {
        const QString& a = args[i];
        if (a == QLatin1String("--csv")) {
            options.csv = true;
        } else if (a == QLatin1String("--xlsx")) {
            if (++i >= args.size() || args[i].isEmpty())
                return usage(err, QStringLiteral("Dopo --xlsx indicare il foglio di calcolo."));
            options.workbook = args[i];
        } else if (a == QLatin1String("--senza-nomi")) {
            if (++i >= args.size() || args[i].isEmpty())
                return usage(err, QStringLiteral("Dopo --senza-nomi indicare il file della "
                                                 "chiave."));
            options.keyFile = args[i];
        } else {
            return unknownOption(err, a);
        }
        return std::nullopt;
    });
    if (status) return *status;
    if (options.paths.isEmpty())
        return usage(err, QStringLiteral("Indicare almeno una cartella o un file di dati."));
    if (options.csv && !options.workbook.isEmpty())
        return usage(err, QStringLiteral("Indicare --csv oppure --xlsx, non entrambi."));
    return tipolab::runRegister(options, out, err);
}

} // namespace

bool writesDocuments(int argc, char** argv)
{
    return argc > 1 &&
           (std::strcmp(argv[1], "relazione") == 0 || std::strcmp(argv[1], "foglio") == 0);
}

int documentCommand(const QString& command, QStringList args, QTextStream& out, QTextStream& err)
{
    tipolab::DocumentOptions options;
    options.locale = QLocale::system();
    if (command == QLatin1String("foglio")) {
        if (args.isEmpty()) return usage(err, QStringLiteral("Indicare il foglio."));
        const QString kind = args.takeFirst();
        const tipolab::DocumentKindRow* row = tipolab::sheetKindForWord(kind);
        if (!row)
            return usage(err,
                         QStringLiteral("Foglio sconosciuto: %1").arg(tipolab::terminalSafe(kind)));
        options.kind = row->kind;
    }
    QStringList files;
    const auto status = readArguments(args, files, [&](qsizetype& i) -> std::optional<int> {
        const QString& a = args[i];
        if (a == QLatin1String("-o") || a == QLatin1String("--output")) {
            if (++i >= args.size()) return usage(err, QStringLiteral("Manca il nome dopo -o."));
            if (args[i].isEmpty())
                return usage(err, QStringLiteral("Il nome dopo -o \u00e8 vuoto."));
            const QString suffix = QFileInfo(args[i]).suffix();
            if (!suffix.isEmpty() &&
                suffix.compare(QLatin1String("doc"), Qt::CaseInsensitive) != 0 &&
                suffix.compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0) {
                return usage(err, QStringLiteral("Il documento non si pu\u00f2 scrivere in .%1: "
                                                 "indicare dopo -o un nome che finisce in .doc "
                                                 "(RTF, si apre con i programmi di "
                                                 "videoscrittura) o in .pdf.")
                                      .arg(tipolab::terminalSafe(suffix)));
            }
            options.output = args[i];
            return std::nullopt;
        }
        return unknownOption(err, a);
    });
    if (status) return *status;
    if (options.kind == tipolab::DocumentKind::ComparisonSheet) {
        if (files.size() != 2) return usage(err, QString::fromUtf8(kTwoFiles));
        options.earlier = files.takeFirst();
    }
    if (options.kind == tipolab::DocumentKind::RegisterSheet) {
        if (files.isEmpty())
            return usage(err, QStringLiteral("Indicare almeno una cartella o un file di dati."));
        options.paths = files;
        return tipolab::runDocument(options, out, err);
    }
    if (files.size() > 1) return usage(err, QStringLiteral("Indicare un solo file di dati."));
    if (files.isEmpty() && options.kind != tipolab::DocumentKind::AcquisitionForm)
        return usage(err, QStringLiteral("Indicare il file di dati."));
    options.file = files.value(0);
    return tipolab::runDocument(options, out, err);
}

int run(QStringList args, QTextStream& out, QTextStream& err)
{
    if (args.isEmpty())
        return usage(err, QStringLiteral("Indicare un comando: risultati, profilo, confronta, "
                                         "professioni, registro, relazione o foglio."));
    const QString command = args.takeFirst();
    if (command == QLatin1String("-h") || command == QLatin1String("--help")) {
        out << QString::fromUtf8(kUsage);
        return 0;
    }
    if (command == QLatin1String("--version")) {
        const tipolab::ProgramIdentity identity;
        out << QStringLiteral("tipolab-cli (%1) %2\n")
                   .arg(QString::fromStdString(identity.name),
                        QString::fromStdString(identity.version));
        return 0;
    }
    if (command == QLatin1String("relazione") || command == QLatin1String("foglio"))
        return documentCommand(command, args, out, err);
    if (command == QLatin1String("confronta")) return comparisonCommand(args, out, err);
    if (command == QLatin1String("professioni")) return professionsCommand(args, out, err);
    if (command == QLatin1String("registro")) return registerCommand(args, out, err);
    const bool profile = command == QLatin1String("profilo");
    if (!profile && command != QLatin1String("risultati"))
        return usage(err,
                     QStringLiteral("Comando sconosciuto: %1").arg(tipolab::terminalSafe(command)));

    tipolab::ResultsOptions options;
    options.locale = QLocale::system();
    options.toTerminal = ::isatty(STDOUT_FILENO) == 1;
    if (const auto status = readCsvAndFiles(args, options.csv, options.files, err)) return *status;
    if (options.files.isEmpty())
        return usage(err, QStringLiteral("Indicare almeno un file di dati."));
    return profile ? tipolab::runProfile(options, out, err)
                   : tipolab::runResults(options, out, err);
}

int main(int argc, char** argv)
{
    tipolab::keepRunningPastFileSizeLimit();
    // Documents are laid out with the system's fonts, which takes a GUI
    // application; it needs no display.
    std::unique_ptr<QCoreApplication> app;
    if (writesDocuments(argc, argv)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    tipolab::StandardOutput standardOutput;
    QTextStream out(&standardOutput);
    QTextStream err(stderr);

    // Names the tool could not pass on unchanged are refused before anything is done.
    bool readable = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (tipolab::findInvalidUtf8(arg) == std::string_view::npos) continue;
        err << QStringLiteral("tipolab-cli: il nome \"%1\" non \u00e8 in UTF-8 e non si pu\u00f2 "
                              "usare: rinominare il file con un nome in UTF-8.\n")
                   .arg(tipolab::terminalSafeBytes(arg));
        readable = false;
    }
    err.flush();
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    int status = readable ? run(args, out, err) : 1;
    // What could not be written is a failure, told where it can still be read.
    if (const int error = standardOutput.finish(out)) {
        err << QStringLiteral("tipolab-cli: impossibile scrivere sull'uscita standard: %1.\n")
                   .arg(QString::fromStdString(tipolab::errorReason(error)));
        err.flush();
        if (status == 0) status = 1;
    }
    return status;
}
