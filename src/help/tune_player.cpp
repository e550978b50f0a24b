#include "tune_player.h"

#include "files/file_io.h"
#include "state/program_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#ifdef TIPOLAB_HAVE_FLUIDSYNTH
#include "state/system_library.h"

#include <fluidsynth.h>
#include <mutex>
#include <thread>
#endif

namespace tipolab {

namespace {

QStringList defaultAudioDrivers()
{
#if defined(Q_OS_WIN)
    return {QStringLiteral("wasapi"), QStringLiteral("dsound"), QStringLiteral("waveout")};
#elif defined(Q_OS_MACOS)
    return {QStringLiteral("coreaudio")};
#else
    // PulseAudio also reaches PipeWire desktops; ALSA is the plain fallback.
    return {QStringLiteral("pulseaudio"), QStringLiteral("pipewire"), QStringLiteral("alsa")};
#endif
}

} // namespace

#ifdef TIPOLAB_HAVE_FLUIDSYNTH

namespace {

// The functions of FluidSynth the player calls. The library, and the many it
// brings with it (sound servers, codecs), is loaded only when a tune is opened,
// on the player's own thread, and kept once loaded: the splash shows without
// waiting for any of it.
#define TIPOLAB_FLUID_FUNCTIONS(X)                                                                 \
    X(fluid_set_log_function)                                                                      \
    X(fluid_settings_dupstr)                                                                       \
    X(fluid_free)                                                                                  \
    X(new_fluid_settings)                                                                          \
    X(delete_fluid_settings)                                                                       \
    X(fluid_settings_setint)                                                                       \
    X(fluid_settings_setnum)                                                                       \
    X(fluid_settings_setstr)                                                                       \
    X(new_fluid_synth)                                                                             \
    X(delete_fluid_synth)                                                                          \
    X(fluid_synth_sfload)                                                                          \
    X(new_fluid_audio_driver)                                                                      \
    X(delete_fluid_audio_driver)                                                                   \
    X(new_fluid_player)                                                                            \
    X(delete_fluid_player)                                                                         \
    X(fluid_player_add_mem)                                                                        \
    X(fluid_player_play)                                                                           \
    X(fluid_player_stop)                                                                           \
    X(fluid_player_seek)                                                                           \
    X(fluid_player_set_loop)                                                                       \
    X(fluid_player_get_status)

struct FluidSynth {
// NOLINTNEXTLINE(bugprone-macro-parentheses): `name` is an identifier
#define TIPOLAB_FLUID_POINTER(name) decltype(&::name) name = nullptr;
    TIPOLAB_FLUID_FUNCTIONS(TIPOLAB_FLUID_POINTER)
#undef TIPOLAB_FLUID_POINTER

    // Looks every function up in `library`; false when one is missing.
    bool resolve(QLibrary& library)
    {
#define TIPOLAB_FLUID_RESOLVE(name)                                                                \
    if (!resolveFunction(library, #name, name)) return false;
        TIPOLAB_FLUID_FUNCTIONS(TIPOLAB_FLUID_RESOLVE)
#undef TIPOLAB_FLUID_RESOLVE
        return true;
    }
};

void silentAlsaError(const char*, int, const char*, int, const char*, ...) {}

// FluidSynth and ALSA both write to stderr when there is no sound device. A
// missing device is normal for this program (the splash is then silent), so
// both are told to keep quiet. ALSA is reached through FluidSynth only, so its
// handler is looked up among the libraries FluidSynth brought.
void keepQuiet(const FluidSynth& fluid, QLibrary& library)
{
    for (int level = 0; level < LAST_LOG_LEVEL; ++level)
        fluid.fluid_set_log_function(level, nullptr, nullptr);
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    if (const auto set = reinterpret_cast<SetHandler>(library.resolve("snd_lib_error_set_handler")))
        set(silentAlsaError);
}

// FluidSynth, loaded on first use, told once to keep quiet, and kept (the
// libraries it brings register types with GLib, which cannot be unloaded
// safely); null where it is missing.
const FluidSynth* fluidSynth()
{
    static const FluidSynth* const loaded = []() -> const FluidSynth* {
        QLibrary* library = loadSystemLibrary(QStringLiteral("fluidsynth"), 3);
        if (!library) return nullptr;
        static FluidSynth functions;
        if (!functions.resolve(*library)) return nullptr;
        keepQuiet(functions, *library);
        return &functions;
    }();
    return loaded;
}

// Where the program would play only through the desktop's sound server or
// the sound card and neither is there, FluidSynth is not even loaded.
bool soundOutputMayExist(const QStringList& drivers)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    for (const QString& driver : drivers) {
        if (driver == QLatin1String("pulseaudio")) {
            if (qEnvironmentVariableIsSet("PULSE_SERVER") ||
                (!runtime.isEmpty() &&
                 QFileInfo::exists(runtime + QStringLiteral("/pulse/native"))))
                return true;
        } else if (driver == QLatin1String("pipewire")) {
            if (!runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/pipewire-0")))
                return true;
        } else if (driver == QLatin1String("alsa")) {
            if (!QDir(QStringLiteral("/dev/snd"))
                     .entryList({QStringLiteral("pcm*p")}, QDir::System)
                     .isEmpty())
                return true;
        } else {
            return true; // a driver this check does not know: let FluidSynth try it
        }
    }
    return false;
}

// A Standard MIDI File: a header chunk and the complete track chunks it
// announces. Anything else is refused before the sound device is touched.
bool isStandardMidiFile(const QByteArray& bytes)
{
    auto u16 = [&bytes](qsizetype at) {
        return qFromBigEndian<quint16>(reinterpret_cast<const uchar*>(bytes.constData()) + at);
    };
    auto u32 = [&bytes](qsizetype at) {
        return qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(bytes.constData()) + at);
    };
    if (bytes.size() < 14 || !bytes.startsWith("MThd") || u32(4) < 6) return false;
    const int format = u16(8);
    const int tracks = u16(10);
    if (format > 2 || tracks < 1 || u16(12) == 0) return false;

    qsizetype at = 8 + qsizetype(u32(4));
    int found = 0;
    while (at + 8 <= bytes.size()) {
        const qsizetype length = u32(at + 4);
        if (length > bytes.size() - at - 8) return false; // a chunk cut short
        if (bytes.mid(at, 4) == "MTrk") ++found;
        at += 8 + length;
    }
    return found >= tracks;
}

QString firstSoundFontIn(const QString& folder)
{
    const QFileInfoList found =
        QDir(folder).entryInfoList({QStringLiteral("*.sf2"), QStringLiteral("*.SF2")},
                                   QDir::Files | QDir::Readable, QDir::Name);
    return found.isEmpty() ? QString() : found.first().absoluteFilePath();
}

// The General MIDI soundfont: the one FluidSynth was built to use, the usual
// Debian names, any soundfont in the system folders, one among the program's files.
QString findSoundFont(const FluidSynth& fluid, fluid_settings_t* settings, const QString& dataDir)
{
    QStringList candidates;
    char* configured = nullptr;
    if (fluid.fluid_settings_dupstr(settings, "synth.default-soundfont", &configured) == FLUID_OK &&
        configured) {
        candidates << QFile::decodeName(configured);
        fluid.fluid_free(configured);
    }
    const QString sf2 = QStringLiteral("/usr/share/sounds/sf2");
    candidates << sf2 + QStringLiteral("/default-GM.sf2") << sf2 + QStringLiteral("/FluidR3_GM.sf2")
               << firstSoundFontIn(sf2) << firstSoundFontIn(QStringLiteral("/usr/share/soundfonts"))
               << firstSoundFontIn(dataDir);
    for (const QString& path : std::as_const(candidates)) {
        if (!path.isEmpty() && QFileInfo(path).isReadable()) return path;
    }
    return {};
}

} // namespace

struct TunePlayer::Impl {
    QStringList drivers;
    const FluidSynth* fluidSynth = nullptr; // set by the loader
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    fluid_player_t* player = nullptr;

    // Everything from the library to the soundfont is set up on a thread of
    // its own while the splash comes up; playing starts when it is ready.
    std::thread loader;
    bool opened = false; // between a successful open and close (the GUI thread's own)
    std::mutex mutex;    // guards what follows, shared with the loader
    bool loaded = false;
    bool failed = false;
    bool wanted = false; // "play" given and not yet paused
    bool paused = false; // stopped by pause, not by the end of the tune

    // On the loader thread: true when the tune is ready to play.
    bool setUp(const QByteArray& tune, const QString& dataDir)
    {
        if (!soundOutputMayExist(drivers)) return false;
        fluidSynth = tipolab::fluidSynth();
        if (!fluidSynth) return false;
        const FluidSynth& fluid = *fluidSynth;
        settings = fluid.new_fluid_settings();
        if (!settings) return false;
        const QString soundFont = findSoundFont(fluid, settings, dataDir);
        if (soundFont.isEmpty()) return false;
        // Only the instruments the tune uses are read from the soundfont, and a
        // softer gain than the default leaves room for the chords.
        fluid.fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
        fluid.fluid_settings_setint(settings, "synth.lock-memory", 0);
        fluid.fluid_settings_setnum(settings, "synth.gain", 0.5);
        synth = fluid.new_fluid_synth(settings);
        if (!synth) return false;
        for (const QString& name : std::as_const(drivers)) {
            if (fluid.fluid_settings_setstr(settings, "audio.driver", name.toUtf8().constData()) !=
                FLUID_OK)
                continue; // not built into this FluidSynth
            driver = fluid.new_fluid_audio_driver(settings, synth);
            if (driver) break;
        }
        if (!driver) return false;
        player = fluid.new_fluid_player(synth);
        if (!player || fluid.fluid_player_add_mem(player, tune.constData(),
                                                  static_cast<size_t>(tune.size())) != FLUID_OK)
            return false;
        return fluid.fluid_synth_sfload(synth, QFile::encodeName(soundFont).constData(), 1) !=
               FLUID_FAILED;
    }

    // Frees what the loader set up; nothing may be playing through it any more.
    void release()
    {
        if (!fluidSynth) return;
        const FluidSynth& fluid = *fluidSynth;
        // The audio thread goes first: nothing may render while the rest is freed.
        if (driver) fluid.delete_fluid_audio_driver(driver);
        if (player) fluid.delete_fluid_player(player);
        if (synth) fluid.delete_fluid_synth(synth);
        if (settings) fluid.delete_fluid_settings(settings);
        driver = nullptr;
        player = nullptr;
        synth = nullptr;
        settings = nullptr;
    }

    // Called with the mutex held, once the tune is ready.
    void start()
    {
        const FluidSynth& fluid = *fluidSynth;
        if (fluid.fluid_player_get_status(player) == FLUID_PLAYER_PLAYING) return;
        if (!paused) {
            // Not started yet, or played to the end: from the beginning.
            fluid.fluid_player_seek(player, 0);
            fluid.fluid_player_set_loop(player, 1);
        }
        paused = false;
        fluid.fluid_player_play(player);
    }
};

TunePlayer::TunePlayer() : TunePlayer(defaultAudioDrivers()) {}

TunePlayer::TunePlayer(QStringList audioDrivers) : d(std::make_unique<Impl>())
{
    d->drivers = std::move(audioDrivers);
}

TunePlayer::~TunePlayer()
{
    TunePlayer::close();
}

bool TunePlayer::open(const QString& midiPath)
{
    close();
    if (midiPath.isEmpty()) return false;
    // Read once, an ordinary file small enough for a tune; the player takes
    // these bytes, not the file again.
    constexpr std::size_t maxSize = 4 * 1024 * 1024;
    const FileRead file = readRegularFile(QFile::encodeName(midiPath).toStdString(), maxSize);
    QByteArray tune = QByteArray::fromStdString(file.bytes);
    if (!file.ok() || !isStandardMidiFile(tune)) return false;

    d->opened = true;
    d->loader = std::thread(
        [impl = d.get(), tune = std::move(tune), dataDir = ProgramPaths::current().dataDir()] {
            const bool ok = impl->setUp(tune, dataDir);
            const std::lock_guard lock(impl->mutex);
            if (!ok) impl->release(); // nothing else touches it before `loaded` is set
            impl->loaded = ok;
            impl->failed = !ok;
            if (ok && impl->wanted) impl->start();
        });
    return true;
}

void TunePlayer::play()
{
    if (!d->opened) return;
    const std::lock_guard lock(d->mutex);
    d->wanted = true;
    if (d->loaded) d->start();
}

void TunePlayer::pause()
{
    if (!d->opened) return;
    const std::lock_guard lock(d->mutex);
    d->wanted = false;
    if (d->loaded && d->fluidSynth->fluid_player_get_status(d->player) == FLUID_PLAYER_PLAYING) {
        // The player releases the sounding notes and keeps its position.
        d->fluidSynth->fluid_player_stop(d->player);
        d->paused = true;
    }
}

void TunePlayer::close()
{
    if (d->loader.joinable()) d->loader.join();
    d->release();
    d->opened = false;
    d->loaded = d->failed = d->wanted = d->paused = false;
}

bool TunePlayer::isOpen() const
{
    if (!d->opened) return false;
    const std::lock_guard lock(d->mutex);
    return !d->failed;
}

bool TunePlayer::isPlaying() const
{
    if (!d->opened) return false;
    const std::lock_guard lock(d->mutex);
    if (d->failed || !d->wanted) return false;
    // While the synthesiser is set up the tune counts as playing: it is about to.
    return !d->loaded || d->fluidSynth->fluid_player_get_status(d->player) == FLUID_PLAYER_PLAYING;
}

bool TunePlayer::isAvailable()
{
    return fluidSynth() != nullptr;
}

#else // no FluidSynth: a silent player

struct TunePlayer::Impl {
    QStringList drivers;
};

TunePlayer::TunePlayer() : TunePlayer(defaultAudioDrivers()) {}

TunePlayer::TunePlayer(QStringList audioDrivers) : d(std::make_unique<Impl>())
{
    d->drivers = std::move(audioDrivers);
}

TunePlayer::~TunePlayer() = default;

bool TunePlayer::open(const QString& midiPath)
{
    Q_UNUSED(midiPath);
    return false;
}

void TunePlayer::play() {}
void TunePlayer::pause() {}
void TunePlayer::close() {}
bool TunePlayer::isOpen() const
{
    return false;
}
bool TunePlayer::isPlaying() const
{
    return false;
}
bool TunePlayer::isAvailable()
{
    return false;
}

#endif

} // namespace tipolab
