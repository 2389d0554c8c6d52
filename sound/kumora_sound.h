/* The separate sound library "Kumora" (libKumora.so), a plain C interface.
 *
 * Handles are 32-bit ints; 0 means none. Every call that takes a handle does
 * nothing (and returns 0) when the handle is 0 or unknown, so callers may pass
 * the 0 they got from a failed load without checking it.
 *
 * One sound device at a time. The library starts no threads of its own (the
 * mixing runs in SDL's audio callback) and is meant to be called from one
 * thread, the program's main thread.
 */
#ifndef KUMORA_SOUND_H
#define KUMORA_SOUND_H

#include <stddef.h>

#if defined(__GNUC__)
#define KUMORA_SOUND_API __attribute__((visibility("default")))
#else
#define KUMORA_SOUND_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Flags of dsCreateDSB. Bit 2 set: an effect, each dsPlay starts another copy
 * on a free channel, so effects overlap. Bit 2 clear: music, at most one copy
 * plays at a time. The program uses 3 for effects and 1 for the music. */
#define KUMORA_DSB_OVERLAP 2
#define KUMORA_DSB_EFFECT 3
#define KUMORA_DSB_MUSIC 1

/* Opens the sound device (44100 Hz, 16-bit stereo output). `window` is not
 * used. Returns the device handle, or 0 when no device could be opened. While a
 * device is open, another call returns the same handle. */
KUMORA_SOUND_API int dsInitialize(void* window);

/* Makes a sound buffer from `image`, a whole .wav file of `length` bytes in
 * memory (the library copies what it needs; the caller keeps `image`). The
 * image must pass kumora_wav_is_valid and last at most ten minutes. Returns the
 * buffer handle, or 0 for a bad device, a bad image or a mixer failure. */
KUMORA_SOUND_API int dsCreateDSB(int device, const void* image, size_t length, int flags);

/* Plays the buffer once. An effect starts another copy on a free channel; music
 * that is already playing goes on as it is. Returns 1 when it plays. */
KUMORA_SOUND_API int dsPlay(int buffer);

/* Plays the buffer over and over until dsStop. Does nothing when the buffer is
 * already looping; music playing once is restarted as a loop. Returns 1 when
 * it plays. */
KUMORA_SOUND_API int dsPlayLooping(int buffer);

/* Stops every copy of the buffer that is playing. Returns 1 for a known buffer. */
KUMORA_SOUND_API int dsStop(int buffer);

/* Stops and frees the buffer; its handle becomes unknown. Returns 1 for a known
 * buffer. */
KUMORA_SOUND_API int dsFree(int buffer);

/* Frees every buffer of the device and closes it. Returns 1 for the open device. */
KUMORA_SOUND_API int dsTerminate(int device);

/* Checks that `image` (`length` bytes) is a well-formed PCM .wav file: a RIFF
 * header of type WAVE whose size lies within `length`, chunks that each lie
 * within the RIFF size, exactly one "fmt " chunk (format 1 = PCM, or
 * WAVE_FORMAT_EXTENSIBLE with the PCM sub-format; 1..8 channels; 1000..192000
 * Hz; 8, 16, 24 or 32 bits; block align and byte rate that agree) and exactly
 * one "data" chunk holding at least one whole sample frame. Never reads
 * outside the `length` bytes. Returns 1 when valid, 0 otherwise (also for a
 * null image). Needs no device. */
KUMORA_SOUND_API int kumora_wav_is_valid(const void* image, size_t length);

/* How many channels are playing the buffer right now (0 for an unknown buffer).
 * For tests and diagnostics. */
KUMORA_SOUND_API int kumora_buffer_playing(int buffer);

#ifdef __cplusplus
}
#endif

#endif /* KUMORA_SOUND_H */
