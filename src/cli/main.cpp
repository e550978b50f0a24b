// tipolab-cli: works on archive files without opening the program.
#include "results_command.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {

const char kUsage[] =
    "Uso: tipolab-cli risultati [--csv] FILE...\n"
    "\n"
    "  risultati   mostra, per ogni file di dati, i risultati che Tipolab mostrerebbe\n"
    "              dopo l'apertura del file e il tasto Risultati: la persona, i sei tipi\n"
    "              in ordine decrescente (sint.ass., anal.ass., sint.rel., anal.rel.)\n"
    "              e il tipo prevalente.\n"
    "  --csv       una riga per file, con il punto decimale, per un foglio di calcolo.\n"
    "\n"
    "I file incompleti o danneggiati sono segnalati sull'errore standard e saltati;\n"
    "lo stato di uscita vale 1 se qualche file e' stato segnalato, 2 per un uso errato.\n";

int usage(QTextStream& err, const QString& problem = {})
{
    if (!problem.isEmpty()) err << problem << "\n\n";
    err << QString::fromUtf8(kUsage);
    err.flush();
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty()) return usage(err);
    const QString command = args.takeFirst();
    if (command == QLatin1String("-h") || command == QLatin1String("--help")) {
        out << QString::fromUtf8(kUsage);
        return 0;
    }
    if (command != QLatin1String("risultati"))
        return usage(err, QStringLiteral("Comando sconosciuto: %1").arg(command));

    tipolab::ResultsOptions options;
    options.locale = QLocale::system();
    bool onlyFiles = false;
    for (const QString& a : args) {
        if (!onlyFiles && a == QLatin1String("--"))
            onlyFiles = true;
        else if (!onlyFiles && a == QLatin1String("--csv"))
            options.csv = true;
        else if (!onlyFiles && a.startsWith(QLatin1Char('-')) && a.size() > 1)
            return usage(err, QStringLiteral("Opzione sconosciuta: %1").arg(a));
        else
            options.files << a;
    }
    if (options.files.isEmpty())
        return usage(err, QStringLiteral("Indicare almeno un file di dati."));
    return tipolab::runResults(options, out, err);
}
