#include "tune_player.h"

#include "state/program_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#ifdef TIPOLAB_HAVE_FLUIDSYNTH
#include "state/file_io.h"

#include <dlfcn.h>
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

void silentAlsaError(const char*, int, const char*, int, const char*, ...) {}

// FluidSynth and ALSA both write to stderr when there is no sound device. A
// missing device is normal for this program (the splash is then silent), so
// both are told to keep quiet. ALSA is reached through FluidSynth only, so its
// handler is looked up at run time rather than linked.
void keepQuiet()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = 0; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
        using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
        using SetHandler = int (*)(Handler);
        if (void* symbol = dlsym(RTLD_DEFAULT, "snd_lib_error_set_handler"))
            reinterpret_cast<SetHandler>(symbol)(silentAlsaError);
    });
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
QString findSoundFont(fluid_settings_t* settings)
{
    QStringList candidates;
    char* configured = nullptr;
    if (fluid_settings_dupstr(settings, "synth.default-soundfont", &configured) == FLUID_OK &&
        configured) {
        candidates << QFile::decodeName(configured);
        fluid_free(configured);
    }
    const QString sf2 = QStringLiteral("/usr/share/sounds/sf2");
    candidates << sf2 + QStringLiteral("/default-GM.sf2") << sf2 + QStringLiteral("/FluidR3_GM.sf2")
               << firstSoundFontIn(sf2) << firstSoundFontIn(QStringLiteral("/usr/share/soundfonts"))
               << firstSoundFontIn(ProgramPaths::current().dataDir());
    for (const QString& path : std::as_const(candidates)) {
        if (!path.isEmpty() && QFileInfo(path).isReadable()) return path;
    }
    return {};
}

} // namespace

struct TunePlayer::Impl {
    QStringList drivers;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
    fluid_player_t* player = nullptr;

    // The soundfont is large, so it is loaded on a thread of its own while the
    // splash comes up; playing starts when it is in.
    std::thread loader;
    std::mutex mutex; // guards what follows, shared with the loader
    bool loaded = false;
    bool failed = false;
    bool wanted = false; // "play" given and not yet paused
    bool paused = false; // stopped by pause, not by the end of the tune

    // Called with the mutex held, once the soundfont is in.
    void start()
    {
        if (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING) return;
        if (!paused) {
            // Not started yet, or played to the end: from the beginning.
            fluid_player_seek(player, 0);
            fluid_player_set_loop(player, 1);
        }
        paused = false;
        fluid_player_play(player);
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
    const QByteArray tune = QByteArray::fromStdString(file.bytes);
    if (!file.ok() || !isStandardMidiFile(tune)) return false;

    keepQuiet();
    d->settings = new_fluid_settings();
    if (!d->settings) return false;
    const QString soundFont = findSoundFont(d->settings);
    if (soundFont.isEmpty()) {
        close();
        return false;
    }
    // Only the instruments the tune uses are read from the soundfont, and a
    // softer gain than the default leaves room for the chords.
    fluid_settings_setint(d->settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(d->settings, "synth.lock-memory", 0);
    fluid_settings_setnum(d->settings, "synth.gain", 0.5);
    d->synth = new_fluid_synth(d->settings);
    if (!d->synth) {
        close();
        return false;
    }
    for (const QString& name : std::as_const(d->drivers)) {
        if (fluid_settings_setstr(d->settings, "audio.driver", name.toUtf8().constData()) !=
            FLUID_OK)
            continue; // not built into this FluidSynth
        d->driver = new_fluid_audio_driver(d->settings, d->synth);
        if (d->driver) break;
    }
    d->player = d->driver ? new_fluid_player(d->synth) : nullptr;
    if (!d->player || fluid_player_add_mem(d->player, tune.constData(),
                                           static_cast<size_t>(tune.size())) != FLUID_OK) {
        close();
        return false;
    }

    d->loader = std::thread([impl = d.get(), path = QFile::encodeName(soundFont)] {
        const bool ok = fluid_synth_sfload(impl->synth, path.constData(), 1) != FLUID_FAILED;
        const std::lock_guard lock(impl->mutex);
        impl->loaded = ok;
        impl->failed = !ok;
        if (ok && impl->wanted) impl->start();
    });
    return true;
}

void TunePlayer::play()
{
    if (!d->player) return;
    const std::lock_guard lock(d->mutex);
    d->wanted = true;
    if (d->loaded) d->start();
}

void TunePlayer::pause()
{
    if (!d->player) return;
    const std::lock_guard lock(d->mutex);
    d->wanted = false;
    if (d->loaded && fluid_player_get_status(d->player) == FLUID_PLAYER_PLAYING) {
        // The player releases the sounding notes and keeps its position.
        fluid_player_stop(d->player);
        d->paused = true;
    }
}

void TunePlayer::close()
{
    if (d->loader.joinable()) d->loader.join();
    // The audio thread goes first: nothing may render while the rest is freed.
    if (d->driver) delete_fluid_audio_driver(d->driver);
    if (d->player) delete_fluid_player(d->player);
    if (d->synth) delete_fluid_synth(d->synth);
    if (d->settings) delete_fluid_settings(d->settings);
    d->driver = nullptr;
    d->player = nullptr;
    d->synth = nullptr;
    d->settings = nullptr;
    d->loaded = d->failed = d->wanted = d->paused = false;
}

bool TunePlayer::isOpen() const
{
    if (!d->player) return false;
    const std::lock_guard lock(d->mutex);
    return !d->failed;
}

bool TunePlayer::isPlaying() const
{
    if (!d->player) return false;
    const std::lock_guard lock(d->mutex);
    if (d->failed || !d->wanted) return false;
    // While the soundfont loads the tune counts as playing: it is about to.
    return !d->loaded || fluid_player_get_status(d->player) == FLUID_PLAYER_PLAYING;
}

bool TunePlayer::isAvailable()
{
    return true;
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
