#include "program_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef TIPOLAB_DATA_FROM_BIN
#define TIPOLAB_DATA_FROM_BIN "../share/tipolab"
#endif

namespace tipolab {
namespace {

const QString kInstallationFile = QStringLiteral("tipolab.ini");

} // namespace

ProgramPaths::ProgramPaths(const QString& programDir, const QString& configHome,
                           const QString& documentsDir, const QString& systemConfigDir,
                           const QString& dataHome)
    : m_programDir(QDir::cleanPath(programDir)),
      m_configDir(QDir(configHome).filePath(QStringLiteral("Tipolab"))),
      m_userDataDir(QDir(dataHome).filePath(QStringLiteral("Tipolab"))),
      m_systemConfigDir(systemConfigDir), m_documentsDir(documentsDir)
{
    const QString shared =
        QDir::cleanPath(QDir(m_programDir).filePath(QStringLiteral(TIPOLAB_DATA_FROM_BIN)));
    m_installed = QFileInfo(shared).isDir();
    m_dataDir = m_installed ? shared : m_programDir;
}

const ProgramPaths& ProgramPaths::current()
{
    static const ProgramPaths paths = [] {
        QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (documents.isEmpty()) documents = QDir::homePath();
        return ProgramPaths(QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation),
                            documents, QStringLiteral("/etc/tipolab"),
                            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    }();
    return paths;
}

QString ProgramPaths::dataFile(const QString& name) const
{
    return QDir(m_dataDir).filePath(name);
}

QString ProgramPaths::userConfigFile() const
{
    return QDir(m_configDir).filePath(kInstallationFile);
}

QString ProgramPaths::userDataFile(const QString& name) const
{
    return QDir(m_userDataDir).filePath(name);
}

QString ProgramPaths::systemConfigFile() const
{
    return QDir(m_systemConfigDir).filePath(kInstallationFile);
}

InstallationFiles ProgramPaths::installationFiles() const
{
    return {userConfigFile(), systemConfigFile(), dataFile(kInstallationFile)};
}

QString ProgramPaths::documentsBeside() const
{
    return m_installed ? QDir(m_documentsDir).filePath(QStringLiteral("Tipolab")) : m_programDir;
}

const std::array<ProgramPaths::ShippedFile, 4>& ProgramPaths::shippedFiles()
{
    static const std::array<ShippedFile, 4> files = {{
        {"SuggerimentiTipolab.TXT", "suggerimenti del giorno"},
        {"Internet.mid", "musica della finestra iniziale"},
        {"listino.txt", "listino prezzi"},
        {"tipolab.ini", "dati dell'installazione"},
    }};
    return files;
}

QStringList ProgramPaths::missingShippedFiles() const
{
    QStringList missing;
    for (const ShippedFile& f : shippedFiles()) {
        const QString path = dataFile(QString::fromLatin1(f.name));
        if (!QFileInfo(path).isFile()) missing << path;
    }
    return missing;
}

} // namespace tipolab
