// A document opener for tests: remembers every document handed to it instead
// of opening it; and a document desk that writes into a temporary folder and
// records what it would hand to the word processor.
#pragma once

#include "shell/document_desk.h"
#include "printing/document_opener.h"

#include <QDir>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class RecordingOpener : public tipolab::DocumentOpener {
public:
    QStringList paths;
    QList<tipolab::ReportDocument> documents;

    void open(const QString& path, const tipolab::ReportDocument& document) override
    {
        paths << path;
        documents << document;
    }
};

// The program's folder is <root>/Tipolab (not made: a report goes beside it),
// the documents folder <root>/Documenti and the sheets' folder <root>/fogli.
struct RecordingDesk {
    QTemporaryDir root;
    std::shared_ptr<RecordingOpener> opener = std::make_shared<RecordingOpener>();
    std::shared_ptr<tipolab::DocumentDesk> desk;

    explicit RecordingDesk(tipolab::Dialogs& dialogs)
        : desk(std::make_shared<tipolab::DocumentDesk>(
              dialogs, opener,
              tipolab::DocumentPlaces{path("Tipolab"), path("Documenti"), path("fogli")}))
    {
    }
    QString path(const QString& name) const { return QDir(root.path()).filePath(name); }
};
