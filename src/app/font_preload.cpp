#include "font_preload.h"

#ifdef TIPOLAB_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace tipolab {

FontPreload::FontPreload()
{
#ifdef TIPOLAB_HAVE_FONTCONFIG
    // The configuration FcInit loads becomes fontconfig's current one, the
    // one Qt's font database then finds ready.
    m_reader = std::thread([] { FcInit(); });
#endif
}

FontPreload::~FontPreload()
{
    wait();
}

void FontPreload::wait()
{
    if (m_reader.joinable()) m_reader.join();
}

} // namespace tipolab
