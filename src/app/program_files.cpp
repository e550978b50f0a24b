#include "program_files.h"

#include "state/program_identity.h"
#include "state/program_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace tipolab {
namespace {

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

QString presence(const QString& path)
{
    return QFileInfo(path).isFile() ? QStringLiteral("presente") : QStringLiteral("assente");
}

} // namespace

void reportMissingFiles(const ProgramPaths& paths, QTextStream& err)
{
    for (const auto& file : ProgramPaths::shippedFiles()) {
        const QString path = paths.dataFile(QString::fromLatin1(file.name));
        if (!QFileInfo(path).isFile()) {
            err << QStringLiteral("Tipolab: manca il file %1 (%2)\n")
                       .arg(shown(path), QString::fromUtf8(file.what));
        }
    }
    err.flush();
}

bool listProgramFiles(const ProgramPaths& paths, QTextStream& out)
{
    const ProgramIdentity identity;
    out << QString::fromStdString(identity.name) << ' ' << QString::fromStdString(identity.version)
        << (paths.installed() ? QStringLiteral(", installato") : QString()) << '\n';
    out << QStringLiteral("programma: %1\n").arg(shown(paths.programDir()));
    out << QStringLiteral("file del programma: %1\n").arg(shown(paths.dataDir()));
    for (const auto& file : ProgramPaths::shippedFiles()) {
        const QString path = paths.dataFile(QString::fromLatin1(file.name));
        out << QStringLiteral("  %1: %2 (%3)\n")
                   .arg(QString::fromUtf8(file.what), shown(path),
                        QFileInfo(path).isFile() ? QStringLiteral("trovato")
                                                 : QStringLiteral("MANCA"));
    }
    out << QStringLiteral("dati dello studio dell'utente: %1 (%2)\n")
               .arg(shown(paths.userConfigFile()), presence(paths.userConfigFile()));
    out << QStringLiteral("dati dello studio per tutti gli utenti: %1 (%2)\n")
               .arg(shown(paths.systemConfigFile()), presence(paths.systemConfigFile()));
    const QString priceList = paths.userDataFile(QStringLiteral("listino.txt"));
    out << QStringLiteral("listino aggiornato dall'utente: %1 (%2)\n")
               .arg(shown(priceList), presence(priceList));
    out << QStringLiteral("relazione e guida: %1\n")
               .arg(shown(QFileInfo(paths.documentsBeside()).absolutePath()));
    out.flush();
    return paths.missingShippedFiles().isEmpty();
}

void writeUsage(QTextStream& out)
{
    out << QStringLiteral(
        "Uso: tipolab [--percorsi | --help | --version]\n"
        "\n"
        "Senza opzioni apre il programma con la finestra iniziale.\n"
        "  --percorsi  elenca i file e le cartelle che il programma usa e dice se ci\n"
        "              sono, senza aprire alcuna finestra; lo stato di uscita \u00e8 1 se\n"
        "              manca qualche file del programma.\n"
        "  -h, --help  mostra questo aiuto.\n"
        "  --version   mostra il nome e la versione del programma.\n"
        "\n"
        "Sono accettate anche le opzioni di Qt, come -platform e -style.\n"
        "Per lavorare sui file di dati senza aprire il programma: tipolab-cli --help.\n");
    out.flush();
}

void writeVersion(QTextStream& out)
{
    const ProgramIdentity identity;
    out << QString::fromStdString(identity.name) << ' ' << QString::fromStdString(identity.version)
        << '\n';
    out.flush();
}

} // namespace tipolab
