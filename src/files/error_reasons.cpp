#include "error_reasons.h"

#include "file_io.h"

#include <cerrno>

namespace tipolab {

std::string errorReason(int error)
{
    switch (error) {
    case ENOENT:
        return "il file o la cartella non esiste";
    case EACCES:
    case EPERM:
        return "permesso negato";
    case ENOSPC:
        return "il disco \u00e8 pieno";
#ifdef EDQUOT
    case EDQUOT:
        return "lo spazio su disco concesso all'utente \u00e8 esaurito";
#endif
    case EFBIG:
        return "il file supera la dimensione massima consentita";
    case EROFS:
        return "il disco \u00e8 in sola lettura";
    case ELOOP:
        return "troppi collegamenti simbolici nel percorso (forse un ciclo)";
    case ENAMETOOLONG:
        return "il nome \u00e8 troppo lungo";
    case ENOTDIR:
        return "una parte del percorso non \u00e8 una cartella";
    case EISDIR:
        return "\u00e8 una cartella";
    case EEXIST:
        return "esiste gi\u00e0 un file con questo nome";
    case ENOTEMPTY:
        return "la cartella non \u00e8 vuota";
    case EBUSY:
    case ETXTBSY:
        return "il file \u00e8 in uso";
    case EIO:
        return "errore di lettura o scrittura sul dispositivo";
    case EMFILE:
    case ENFILE:
        return "troppi file aperti";
    case ENOMEM:
        return "memoria insufficiente";
    case EXDEV:
        return "il file si trova su un altro disco";
    case ENXIO:
    case ENODEV:
        return "il dispositivo non \u00e8 disponibile";
    case EAGAIN:
        return "la risorsa \u00e8 momentaneamente occupata";
    case EINTR:
        return "operazione interrotta";
    case EPIPE:
        return "il programma che riceveva i dati li ha chiusi";
    case EINVAL:
        return "non \u00e8 un file ordinario";
    case ESTALE:
        return "il file su disco di rete non \u00e8 pi\u00f9 disponibile";
    case ETIMEDOUT:
        return "il dispositivo non risponde";
    case kForeignLink:
        return "\u00e8 un collegamento simbolico di un altro utente in una cartella aperta a "
               "tutti, e non viene seguito";
    case 0:
        return "errore sconosciuto";
    default:
        break;
    }
    return "errore di sistema n. " + std::to_string(error);
}

} // namespace tipolab
