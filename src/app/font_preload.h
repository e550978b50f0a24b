// The system's font configuration, read ahead. The first use of any font reads
// it (tens of configuration files, on Linux) and that is a good part of the
// time before the first window shows; read on a thread of its own from the
// top of main(), it goes on while the rest of the program starts.
#pragma once

#include <thread>

namespace tipolab {

class FontPreload {
public:
    // Starts reading; nothing where the fonts do not come from fontconfig.
    FontPreload();
    ~FontPreload();
    FontPreload(const FontPreload&) = delete;
    FontPreload& operator=(const FontPreload&) = delete;

    // Waits until the configuration is read. Called before the first window
    // measures its texts: read twice at once, it would only take longer.
    void wait();

private:
    std::thread m_reader;
};

} // namespace tipolab
