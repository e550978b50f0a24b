// Who the program is: its name, description, version and the titles of its
// messages. Set once at start and read everywhere.
#pragma once

#include <string>

namespace tipolab {

struct ProgramIdentity {
    std::string name = "Tipolab";
    std::string description = "programma per la valutazione della personalit\u00e0";
    std::string version = "3.04.05";
    std::string initialDate = "18/02/1985"; // only its year is shown
    std::string buildCode = "281211";       // only its last two digits are shown

    // Title of the data checks and of the other data-entry warnings.
    std::string checkTitle() const
    {
        return name + ": controllo dati immessi nella finestra attiva";
    }
    // Title of the guidance messages.
    std::string helpTitle() const { return name + ": aiuto in linea"; }
    // Title of the file dialog of the delete command.
    static std::string deleteTitle()
    {
        return "Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo";
    }
    // Title of the exit question.
    static std::string exitTitle() { return "Attenzione: i dati non archiviati andranno persi !"; }
    std::string exitQuestion() const { return "Vuoi uscire da " + name + "?"; }
};

} // namespace tipolab
