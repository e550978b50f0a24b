// The splash tune: a MIDI file played through FluidSynth with the system's
// General MIDI soundfont. Where FluidSynth, a soundfont, a sound device or the
// file is missing the player stays silent: every call is then a harmless no-op
// and nothing is reported, as the program has no use for such a message.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace tipolab {

class TunePlayer {
public:
    TunePlayer();
    // Tries the given FluidSynth audio drivers in order ("pulseaudio", "alsa",
    // "file", ...); the default constructor tries the desktop's usual ones.
    explicit TunePlayer(QStringList audioDrivers);
    virtual ~TunePlayer();

    TunePlayer(const TunePlayer&) = delete;
    TunePlayer& operator=(const TunePlayer&) = delete;

    // "open": binds the player to a MIDI file and a sound device. False when
    // it cannot play; the player is then silent until the next open.
    virtual bool open(const QString& midiPath);
    // "play": starts, or resumes where it was paused; after the end of the
    // tune it starts again from the beginning.
    virtual void play();
    // "pause": stops the sounding notes and keeps the position.
    virtual void pause();
    // "close": stops and releases the device.
    virtual void close();

    virtual bool isOpen() const;
    // True from play until pause, close or the end of the tune.
    virtual bool isPlaying() const;

    // True when this build can play at all (FluidSynth was found).
    static bool isAvailable();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tipolab
