// Documents laid out, here and in LibreOffice, with the stand-in for Century
// Gothic that the program's installation configures.
#pragma once

#include "test_paths.h"
#include "test_support.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

namespace tipolab::test {

// Points fontconfig at a configuration in `dir` that adds the stand-in.
inline void useInstalledFontConfiguration(const QTemporaryDir& dir)
{
    const QString system = QStringLiteral("/etc/fonts/fonts.conf");
    if (!dir.isValid() || !QFile::exists(system) || qEnvironmentVariableIsSet("FONTCONFIG_FILE"))
        return;
    const QString path = dir.filePath(QStringLiteral("fonts.conf"));
    QFile conf(path);
    if (!conf.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    conf.write(
        "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
        "<fontconfig>\n  <include ignore_missing=\"yes\">" +
        system.toUtf8() + "</include>\n  <include ignore_missing=\"yes\">" +
        QByteArray(TIPOLAB_SOURCE_DIR "/tests/data/century-gothic.conf") +
        "</include>\n</fontconfig>\n");
    conf.close();
    qputenv("FONTCONFIG_FILE", path.toUtf8());
}

// Runs `Tests` under an application of type `App`, with the stand-in configured.
template <class App, class... Tests> int runWithInstalledFonts(int argc, char** argv)
{
    const QTemporaryDir fonts;
    useInstalledFontConfiguration(fonts);
    App app(argc, argv);
    return runTests<Tests...>(argc, argv);
}

} // namespace tipolab::test
