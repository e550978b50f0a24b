#include "studio_dialog.h"

#include "title_page_length.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tipolab {

StudioDialog::StudioDialog(ModuloTipolab& module, QWidget* parent)
    : QDialog(parent), m_module(module)
{
    setObjectName(QStringLiteral("datistudio"));
    setWindowTitle(QStringLiteral("Dati dello studio"));
    setModal(true);

    auto* explanation = new QLabel(
        QStringLiteral("Il nome e l'indirizzo dello studio compaiono sul frontespizio e in ogni "
                       "relazione: si scrivono qui una volta sola e si possono cambiare in "
                       "seguito dal menu \u00ab?\u00bb di ogni finestra."),
        this);
    explanation->setObjectName(QStringLiteral("spiegazione"));
    explanation->setWordWrap(true);

    auto newField = [this](const char* name, const char* example) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QLatin1String(name));
        field->setPlaceholderText(QString::fromUtf8(example));
        field->setMinimumWidth(fontMetrics().averageCharWidth() * 62);
        return field;
    };
    nome = newField("nomestudio", "ad esempio: Studio di orientamento Rossi");
    indirizzo = newField("indirizzostudio", "ad esempio: Via Roma 1, 06100 Perugia");
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Nome dello studio:"), nome);
    fields->addRow(QStringLiteral("&Indirizzo:"), indirizzo);

    auto* salva = new QPushButton(QStringLiteral("&Salva"), this);
    salva->setObjectName(QStringLiteral("salva"));
    salva->setDefault(true);
    piutardi = new QPushButton(this);
    piutardi->setObjectName(QStringLiteral("piutardi"));
    connect(salva, &QPushButton::clicked, this, &StudioDialog::salva_Click);
    connect(piutardi, &QPushButton::clicked, this, &StudioDialog::piutardi_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(salva);
    buttons->addWidget(piutardi);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addSpacing(8);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

void StudioDialog::showEvent(QShowEvent* event)
{
    const InstallationData& now = m_module.installation();
    // Until a studio is named the fields are empty, with an example in each.
    nome->setText(now.studioUnset ? QString() : now.studioName);
    indirizzo->setText(now.studioUnset ? QString() : now.studioAddress);
    piutardi->setText(now.studioUnset ? QStringLiteral("Più &tardi") : QStringLiteral("&Annulla"));
    nome->setFocus();
    QDialog::showEvent(event);
}

bool StudioDialog::salva_Click()
{
    Dialogs& dialogs = m_module.dialogs();
    const QString name = nome->text().trimmed();
    const QString address = indirizzo->text().trimmed();
    if (name.isEmpty()) {
        dialogs.message(QStringLiteral("Indicare il nome dello studio."), m_module.checkTitle(),
                        QMessageBox::Warning);
        nome->setFocus();
        return false;
    }
    for (QLineEdit* field : {nome, indirizzo}) {
        if (!fitsTitlePage(field->text().trimmed())) {
            dialogs.message(titlePageLengthWarning(), m_module.checkTitle(), QMessageBox::Warning);
            field->setFocus();
            return false;
        }
    }

    InstallationData next = m_module.installation();
    const QString error = InstallationData::saveStudio(next.userFile, name, address);
    if (!error.isEmpty()) {
        dialogs.message(QStringLiteral("I dati dello studio non sono stati salvati.\n\n%1\n\n"
                                       "Restano validi i dati salvati in precedenza.")
                            .arg(error),
                        m_module.programName(), QMessageBox::Critical);
        return false;
    }
    // What the program reads at its next start.
    const InstallationData saved = InstallationData::load(next.userFile);
    next.studioName = saved.studioName;
    next.studioAddress = saved.studioAddress;
    next.studioUnset = false;
    m_module.setInstallation(std::move(next));
    accept();
    return true;
}

void StudioDialog::piutardi_Click()
{
    reject();
}

} // namespace tipolab
