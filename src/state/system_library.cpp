#include "system_library.h"

#include <memory>

namespace tipolab {

QLibrary* loadSystemLibrary(const QString& name, int majorVersion)
{
    auto library = std::make_unique<QLibrary>();
    library->setLoadHints(QLibrary::PreventUnloadHint);
    library->setFileNameAndVersion(name, majorVersion);
    if (!library->load()) {
        library->setFileName(name);
        if (!library->load()) return nullptr;
    }
    return library.release();
}

} // namespace tipolab
