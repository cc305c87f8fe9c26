#pragma once
// game.mid, checked byte by byte before the synthesizer is given it.
//
// Playable: a Standard MIDI File ("MThd" header of 6 bytes, format 0, 1 or 2)
// with 1 to kMaxMidiTracks tracks and a positive ticks-per-quarter-note division, whose
// every announced track chunk lies whole inside the bytes and holds well-formed events
// (delta times of at most 4 bytes, a status for every event, meta and system-exclusive
// lengths inside the chunk, end-of-track, tempo, SMPTE offset, time and key signature
// events of their standard lengths).
// Unsupported: a well-formed file that the synthesizer cannot play: SMPTE time
// division, a header longer than 6 bytes, chunks other than tracks among the tracks it
// reads, escape (F7) events, or more tracks than it takes.
// Broken: everything else (not a MIDI file, truncated, zero division, no tracks, ...).
#include <QByteArray>

namespace porimogu {

// The most tracks the synthesizer plays from one file (FluidSynth 2.3 refuses 256).
inline constexpr int kMaxMidiTracks = 255;
// The longest game.mid read.
inline constexpr qint64 kMaxMidiFileBytes = 16 << 20;

enum class MidiFileCheck { Playable, Broken, Unsupported };

// A quick look at game.mid's bytes before FluidSynth gets them.
MidiFileCheck CheckMidiFile(const QByteArray& bytes);

} // namespace porimogu
