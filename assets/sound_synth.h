// The program's four sounds, synthesised: the piece click, the refusal buzz,
// the chime and the music loop. Header-only so that both the generator
// (kumora-make-sounds) and the tests use the very same code.
//
// Everything is deterministic: the only randomness comes from Rng with fixed
// seeds, and no state is shared between calls.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace kumora::synth {

constexpr int RATE = 44100;
constexpr double PI = std::numbers::pi;
constexpr double TWO_PI = 2 * std::numbers::pi;

// 16-bit PCM sound, interleaved channels.
struct Audio {
  int channels = 1;
  int rate = RATE;
  std::vector<std::int16_t> samples;

  std::size_t frames() const { return samples.size() / static_cast<std::size_t>(channels); }
  double seconds() const { return static_cast<double>(frames()) / rate; }
  std::int16_t at(std::size_t frame, int channel) const {
    return samples[frame * static_cast<std::size_t>(channels) + static_cast<std::size_t>(channel)];
  }
};

// ---------------------------------------------------------------------------
// Building blocks

// splitmix64: small, fast and the same everywhere.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
  // Uniform in [-1, 1).
  double bipolar() { return 2 * uniform() - 1; }

 private:
  std::uint64_t state_;
};

// RBJ biquad filters.
struct Biquad {
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

  double process(double x) {
    double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
  }

  static Biquad make(double b0, double b1, double b2, double a0, double a1, double a2) {
    Biquad f;
    f.b0 = b0 / a0;
    f.b1 = b1 / a0;
    f.b2 = b2 / a0;
    f.a1 = a1 / a0;
    f.a2 = a2 / a0;
    return f;
  }
  static Biquad lowpass(double hz, double q) {
    double w = TWO_PI * hz / RATE, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    return make((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
  }
  static Biquad highpass(double hz, double q) {
    double w = TWO_PI * hz / RATE, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    return make((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
  }
  static Biquad bandpass(double hz, double q) {  // 0 dB peak gain
    double w = TWO_PI * hz / RATE, c = std::cos(w), alpha = std::sin(w) / (2 * q);
    return make(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
  }
};

// A two-pole resonator: its impulse response is gain * r^n * sin((n + 1) w),
// a sine of `hz` decaying with time constant `tau` seconds.
struct Resonator {
  double b0, c1, c2, y1 = 0, y2 = 0;
  Resonator(double hz, double tau, double gain) {
    double w = TWO_PI * hz / RATE, r = std::exp(-1.0 / (tau * RATE));
    b0 = gain * std::sin(w);
    c1 = 2 * r * std::cos(w);
    c2 = -r * r;
  }
  double process(double x) {
    double y = b0 * x + c1 * y1 + c2 * y2;
    y2 = y1;
    y1 = y;
    return y;
  }
};

inline double midi_hz(double note) { return 440.0 * std::pow(2.0, (note - 69) / 12); }

inline std::size_t samples_of(double seconds) {
  return static_cast<std::size_t>(std::llround(seconds * RATE));
}

// 0 -> 0, 1 -> 1 with flat ends.
inline double smoothstep(double x) {
  x = std::clamp(x, 0.0, 1.0);
  return x * x * (3 - 2 * x);
}

// Fades the last `seconds` of a mono signal to exactly zero (raised cosine).
inline void fade_out(std::vector<double>& x, double seconds) {
  std::size_t n = std::min(x.size(), samples_of(seconds));
  std::size_t start = x.size() - n;
  for (std::size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i + 1) / static_cast<double>(n);
    x[start + i] *= 0.5 * (1 + std::cos(PI * t));
  }
}

// Scales interleaved samples so that the largest magnitude is `peak` (of full
// scale) and rounds them to 16 bits.
inline Audio to_audio(const std::vector<double>& x, int channels, double peak) {
  double largest = 0;
  for (double v : x) largest = std::max(largest, std::abs(v));
  double scale = largest > 0 ? peak * 32767.0 / largest : 0;
  Audio a;
  a.channels = channels;
  a.samples.reserve(x.size());
  for (double v : x) {
    long s = std::lround(v * scale);
    a.samples.push_back(static_cast<std::int16_t>(std::clamp(s, -32768L, 32767L)));
  }
  return a;
}

// ---------------------------------------------------------------------------
// "駒打音.wav": a shogi piece placed on the board. A short contact pulse and a
// burst of rattle excite the modes of the piece (bright, fast) and of the thick
// board (warm, a little longer), with two faint early reflections of the room.

inline Audio make_click() {
  const std::size_t n = samples_of(0.20);
  Rng rng(0x4B6F6D61);  // "Koma"

  std::vector<double> excite(n, 0.0);
  const std::size_t contact = 7;  // about 0.15 ms of contact: hard wood on hard wood
  for (std::size_t i = 0; i < contact; ++i) {
    excite[i] += std::sin(PI * (static_cast<double>(i) + 0.5) / contact);
  }
  for (std::size_t i = 0; i < 200; ++i) {
    excite[i] += 0.45 * rng.bipolar() * std::exp(-static_cast<double>(i) / (0.0005 * RATE));
  }

  struct Mode {
    double hz, tau, gain;
  };
  const Mode modes[] = {
      // the piece: a small block of hard wood, bright and short
      {2450, 0.012, 2.40},
      {3720, 0.0080, 1.30},
      {5230, 0.0050, 0.70},
      {7480, 0.0030, 0.35},
      // the board: a thick block of kaya, warm and a little longer
      {236, 0.030, 0.30},
      {517, 0.026, 0.42},
      {884, 0.023, 0.55},
      {1318, 0.019, 0.60},
      {1763, 0.015, 0.55},
  };
  std::vector<double> out(n, 0.0);
  for (const Mode& m : modes) {
    Resonator r(m.hz * (1 + 0.004 * rng.bipolar()), m.tau, m.gain);
    for (std::size_t i = 0; i < n; ++i) out[i] += r.process(excite[i]);
  }
  // The tick of the contact itself, high-passed.
  Biquad tick = Biquad::highpass(2500, 0.7);
  for (std::size_t i = 0; i < n; ++i) out[i] += 0.45 * tick.process(excite[i]);

  // Two soft early reflections (7 and 13 ms), darker than the direct sound.
  std::vector<double> room(n, 0.0);
  Biquad dark = Biquad::lowpass(2200, 0.7);
  for (std::size_t i = 0; i < n; ++i) {
    double v = 0;
    if (i >= 309) v += 0.16 * out[i - 309];
    if (i >= 573) v -= 0.10 * out[i - 573];
    room[i] = dark.process(v);
  }
  for (std::size_t i = 0; i < n; ++i) out[i] += room[i];
  // No DC (the contact pulse has some): a gentle high-pass.
  Biquad no_dc = Biquad::highpass(60, 0.7);
  for (double& v : out) v = no_dc.process(v);
  out[0] = 0;  // start from silence
  fade_out(out, 0.08);
  return to_audio(out, 1, 0.80);
}

// ---------------------------------------------------------------------------
// "禁止.wav": a short, low, soft buzz that falls a little in pitch. Two slightly
// detuned voices of a band-limited, gently rolled-off saw.

inline Audio make_forbid() {
  const double duration = 0.26;
  const std::size_t n = samples_of(duration);
  std::vector<double> out(n, 0.0);
  const double voices[] = {1.0, 1.0085};
  for (double detune : voices) {
    for (int k = 1; k <= 16; ++k) {
      double phase = 0;
      for (std::size_t i = 0; i < n; ++i) {
        double t = static_cast<double>(i) / RATE;
        double f = 138.0 * detune * (1 - 0.07 * t / duration) * k;
        if (f > 4000) break;
        double amp = std::pow(k, -1.15) * std::exp(-f / 1300);
        out[i] += amp * std::sin(phase);
        phase += TWO_PI * f / RATE;
      }
    }
  }
  for (std::size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / RATE;
    double attack = smoothstep(t / 0.008);
    double body = 1 - 0.3 * t / duration;
    out[i] *= attack * body;
  }
  fade_out(out, 0.07);
  return to_audio(out, 1, 0.42);
}

// ---------------------------------------------------------------------------
// "その他.wav": a two-note chime (A5 then E6) with decaying, slightly
// inharmonic bell partials.

inline Audio make_chime() {
  const std::size_t n = samples_of(1.0);
  Rng rng(0x52494E47);  // "RING"
  std::vector<double> out(n, 0.0);
  struct Note {
    double start, hz, level;
  };
  const Note notes[] = {{0.0, 880.0, 1.0}, {0.16, 1318.51, 0.8}};
  struct Partial {
    double ratio, amp, tau;
  };
  const Partial partials[] = {
      {1.0, 1.00, 0.42},   {2.0, 0.16, 0.24},   {2.76, 0.20, 0.13},
      {5.40, 0.07, 0.065}, {8.93, 0.03, 0.035},
  };
  for (const Note& note : notes) {
    std::size_t start = samples_of(note.start);
    for (const Partial& p : partials) {
      double hz = note.hz * p.ratio * (1 + 0.0015 * rng.bipolar());
      double w = TWO_PI * hz / RATE;
      double decay = std::exp(-1.0 / (p.tau * RATE));
      double amp = note.level * p.amp;
      for (std::size_t i = start; i < n && amp > 1e-7; ++i) {
        double t = static_cast<double>(i - start) / RATE;
        out[i] += amp * smoothstep(t / 0.0015) * std::sin(w * static_cast<double>(i - start));
        amp *= decay;
      }
    }
    // The strike: a breath of bright noise.
    Biquad strike = Biquad::bandpass(note.hz * 4, 1.5);
    for (std::size_t i = 0; i < samples_of(0.006) && start + i < n; ++i) {
      double t = static_cast<double>(i) / RATE;
      out[start + i] += 0.05 * note.level * strike.process(rng.bipolar()) * smoothstep(t / 0.0005) *
                        std::exp(-t / 0.0015);
    }
  }
  fade_out(out, 0.25);
  return to_audio(out, 1, 0.60);
}

// ---------------------------------------------------------------------------
// "BGM.wav": a calm loop in the yo scale on D (D E G A B): a koto-like plucked
// melody and low plucks over a soft, slowly breathing pad, with a gentle
// reverb; 8 bars of 4 beats at 0.9 s a beat (28.8 s), stereo.
//
// The loop is rendered as one period of a periodic signal: every note, tail and
// reverb that runs past the end is wrapped around to the start, so the last
// sample is followed by the first exactly as any sample by the next. Finally
// the period is rotated so that it starts where both channels are near zero,
// just before the first downbeat (a quiet start when the music begins).

namespace detail {

constexpr double BEAT = 0.9;
constexpr int BARS = 8;
constexpr double LOOP_SECONDS = BARS * 4 * BEAT;

// One period of stereo sound; everything added wraps around.
struct Loop {
  std::vector<double> left, right;
  explicit Loop(std::size_t n) : left(n, 0.0), right(n, 0.0) {}
  std::size_t size() const { return left.size(); }
  void add(std::size_t start, const std::vector<double>& mono, double pan) {
    double gl = std::cos((pan + 1) * PI / 4), gr = std::sin((pan + 1) * PI / 4);
    std::size_t n = size(), at = start % n;
    for (double v : mono) {
      left[at] += gl * v;
      right[at] += gr * v;
      if (++at == n) at = 0;
    }
  }
};

// A koto-like pluck: harmonics of a stiff string plucked near its end (a
// nasal, bright timbre), the higher ones dying faster, a small drop of pitch
// as the string settles, a click of the pick; damped `damp` seconds in.
inline std::vector<double> koto_note(double hz, double velocity, double damp, Rng& rng) {
  const double tau1 = 1.5 * std::pow(262.0 / hz, 0.35);
  const std::size_t n = samples_of(std::min(7 * tau1, damp + 1.6));
  std::vector<double> out(n, 0.0);
  const double pluck_at = 0.17, stiffness = 0.00008;
  const double glide = 0.0035, glide_tau = 0.045;
  const std::size_t glide_samples = samples_of(5 * glide_tau);
  const std::size_t damp_at = samples_of(damp);
  const double damp_rate = std::exp(-1.0 / (0.28 * RATE));
  const int harmonics = std::min(18, static_cast<int>(7500 / hz));

  for (int k = 1; k <= harmonics; ++k) {
    double fk = k * hz * std::sqrt(1 + stiffness * k * k);
    double amp = velocity * std::abs(std::sin(k * PI * pluck_at)) / std::pow(k, 1.05);
    // Softer plucks are darker.
    amp *= std::exp(-(k - 1) * (1.15 - velocity) * 0.35);
    double tau = tau1 / (1 + 0.32 * (k - 1));
    double decay = std::exp(-1.0 / (tau * RATE));
    std::size_t len = std::min(n, samples_of(7 * tau));
    double re = 1, im = 0;  // e^(i phase), started at phase 0 (sine starts at zero)
    double w = TWO_PI * fk / RATE;
    double cw = std::cos(w), sw = std::sin(w);
    for (std::size_t i = 0; i < len; ++i) {
      if (i < glide_samples) {
        double wi = w * (1 + glide * std::exp(-static_cast<double>(i) / (glide_tau * RATE)));
        cw = std::cos(wi);
        sw = std::sin(wi);
      } else if (i == glide_samples) {
        cw = std::cos(w);
        sw = std::sin(w);
      }
      out[i] += amp * im;
      double r2 = re * cw - im * sw;
      im = re * sw + im * cw;
      re = r2;
      amp *= decay;
      if (i >= damp_at) amp *= damp_rate;
      if ((i & 4095) == 4095) {  // keep the rotor on the unit circle
        double norm = std::sqrt(re * re + im * im);
        re /= norm;
        im /= norm;
      }
    }
  }
  // The pick: a few milliseconds of band-passed noise.
  Biquad pick = Biquad::bandpass(std::min(3200.0, hz * 6), 1.2);
  for (std::size_t i = 0; i < samples_of(0.008) && i < n; ++i) {
    out[i] += 0.05 * velocity * pick.process(rng.bipolar()) *
              std::exp(-static_cast<double>(i) / (0.0018 * RATE));
  }
  // A soft 2 ms onset, so that no note starts with a step.
  for (std::size_t i = 0; i < samples_of(0.002) && i < n; ++i) {
    out[i] *= smoothstep(static_cast<double>(i) / static_cast<double>(samples_of(0.002)));
  }
  return out;
}

// A pad voice: a few soft harmonics, a slow swell in and out, a slow breath.
inline std::vector<double> pad_note(double hz, double hold, double level, double breath_phase) {
  const double attack = 1.6, release = 2.4;
  const std::size_t n = samples_of(hold + release);
  std::vector<double> out(n, 0.0);
  const double amps[] = {1.0, 0.22, 0.07, 0.025};
  for (int k = 1; k <= 4; ++k) {
    double w = TWO_PI * hz * k / RATE;
    double cw = std::cos(w), sw = std::sin(w), re = 1, im = 0;
    for (std::size_t i = 0; i < n; ++i) {
      out[i] += amps[k - 1] * im;
      double r2 = re * cw - im * sw;
      im = re * sw + im * cw;
      re = r2;
    }
  }
  for (std::size_t i = 0; i < n; ++i) {
    double t = static_cast<double>(i) / RATE;
    double env = t < hold ? smoothstep(t / attack)
                          : smoothstep(std::min(hold, attack) / attack) * 0.5 *
                                (1 + std::cos(PI * (t - hold) / release));
    double breath = 1 + 0.15 * std::sin(TWO_PI * 0.21 * t + breath_phase);
    out[i] *= level * env * breath;
  }
  return out;
}

// Freeverb-style stereo reverb (eight damped combs, four all-passes a side).
class Reverb {
 public:
  Reverb() {
    const int combs[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    const int passes[4] = {556, 441, 341, 225};
    for (int side = 0; side < 2; ++side) {
      for (int i = 0; i < 8; ++i) comb_[side][i].buf.assign(combs[i] + 23 * side, 0.0);
      for (int i = 0; i < 4; ++i) pass_[side][i].buf.assign(passes[i] + 23 * side, 0.0);
    }
  }
  void process(double in, double& out_l, double& out_r) {
    double out[2];
    for (int side = 0; side < 2; ++side) {
      double acc = 0;
      for (Comb& c : comb_[side]) {
        double y = c.buf[c.pos];
        c.store = y * (1 - DAMP) + c.store * DAMP;
        c.buf[c.pos] = in + c.store * FEEDBACK;
        if (++c.pos == c.buf.size()) c.pos = 0;
        acc += y;
      }
      for (Pass& p : pass_[side]) {
        double b = p.buf[p.pos];
        p.buf[p.pos] = acc + b * 0.5;
        if (++p.pos == p.buf.size()) p.pos = 0;
        acc = b - acc;
      }
      out[side] = acc;
    }
    out_l = out[0];
    out_r = out[1];
  }

 private:
  static constexpr double FEEDBACK = 0.90;
  static constexpr double DAMP = 0.30;
  struct Comb {
    std::vector<double> buf;
    std::size_t pos = 0;
    double store = 0;
  };
  struct Pass {
    std::vector<double> buf;
    std::size_t pos = 0;
  };
  std::array<std::array<Comb, 8>, 2> comb_;
  std::array<std::array<Pass, 4>, 2> pass_;
};

inline double rms(const std::vector<double>& x) {
  double s = 0;
  for (double v : x) s += v * v;
  return x.empty() ? 0 : std::sqrt(s / static_cast<double>(x.size()));
}

}  // namespace detail

inline Audio make_bgm() {
  using namespace detail;
  const std::size_t n = samples_of(LOOP_SECONDS);
  Loop loop(n);
  Rng rng(0x42474D31);  // "BGM1"

  // Melody: (bar, beat, MIDI note, length in beats).
  struct Event {
    int bar;
    double beat;
    int note;
    double beats;
  };
  const Event melody[] = {
      {0, 0, 69, 1.5}, {0, 1.5, 71, 0.5}, {0, 2, 74, 2},                                        //
      {1, 0, 76, 1},   {1, 1, 74, 1},     {1, 2, 71, 1.5},   {1, 3.5, 69, 0.5},                 //
      {2, 0, 67, 1},   {2, 1, 69, 1},     {2, 2, 71, 2},                                        //
      {3, 0, 69, 3},   {3, 3, 64, 1},                                                           //
      {4, 0, 74, 1.5}, {4, 1.5, 76, 0.5}, {4, 2, 79, 1},     {4, 3, 76, 1},                     //
      {5, 0, 74, 1},   {5, 1, 71, 1},     {5, 2, 69, 2},                                        //
      {6, 0, 71, 1},   {6, 1, 74, 0.5},   {6, 1.5, 71, 0.5}, {6, 2, 69, 1},     {6, 3, 67, 1},  //
      {7, 0, 64, 1},   {7, 1, 67, 1},     {7, 2, 62, 2},
  };
  // Octaves above the phrase ends, played softly with them.
  const Event octaves[] = {{3, 0, 81, 3}, {7, 2, 74, 2}};
  // Low plucks: the chord's root on beat 1, its fifth (or fourth) on beat 3.
  const Event bass[] = {
      {0, 0, 50, 2}, {0, 2, 57, 2}, {1, 0, 43, 2}, {1, 2, 50, 2}, {2, 0, 52, 2}, {2, 2, 59, 2},
      {3, 0, 45, 2}, {3, 2, 52, 2}, {4, 0, 50, 2}, {4, 2, 57, 2}, {5, 0, 47, 2}, {5, 2, 52, 2},
      {6, 0, 43, 2}, {6, 2, 50, 2}, {7, 0, 45, 2}, {7, 2, 52, 2},
  };
  // Pad chords, one a bar: open fifths and fourths of the scale.
  const std::vector<std::vector<int>> chords = {
      {50, 57, 64},      // D  (D A E)
      {43, 50, 57, 59},  // G  (G D A B)
      {52, 59, 62},      // Em (E B D)
      {45, 52, 62},      // A sus4 (A E D)
      {50, 57, 64},      // D
      {47, 52, 57, 62},  // B quartal (B E A D)
      {43, 50, 59},      // G  (G D B)
      {45, 52, 57, 62},  // A sus4 (A E A D)
  };

  auto start_of = [](const Event& e) { return (e.bar * 4 + e.beat) * BEAT; };
  auto place = [&](const Event& e, double velocity, double pan, double jitter) {
    double t = start_of(e) + jitter;
    std::vector<double> v = koto_note(midi_hz(e.note), velocity, e.beats * BEAT + 0.7, rng);
    loop.add(samples_of(std::max(0.0, t)), v, pan);
  };

  for (const Event& e : melody) {
    double accent = e.beat == 0 ? 1.0 : (e.beat == 2 ? 0.9 : 0.8);
    double velocity = std::clamp(accent + 0.06 * rng.bipolar(), 0.5, 1.0);
    // Human timing, but never before the first downbeat (the loop starts there).
    double jitter = 0.007 * rng.bipolar();
    if (e.bar == 0 && e.beat == 0) jitter = std::abs(jitter);
    place(e, velocity, -0.18, jitter);
  }
  for (const Event& e : octaves) place(e, 0.45, -0.05, 0.012);
  for (const Event& e : bass) {
    double velocity = e.beat == 0 ? 0.62 : 0.48;
    place(e, velocity, 0.25, 0.004 * std::abs(rng.bipolar()));
  }
  // The plucks' level against the pad's.
  for (double& v : loop.left) v *= 0.22;
  for (double& v : loop.right) v *= 0.22;

  for (int bar = 0; bar < BARS; ++bar) {
    const std::vector<int>& chord = chords[static_cast<std::size_t>(bar)];
    double level = 0.034 / std::sqrt(static_cast<double>(chord.size()));
    for (std::size_t i = 0; i < chord.size(); ++i) {
      double hz = midi_hz(chord[i]);
      double breath = TWO_PI * rng.uniform();
      std::size_t at = samples_of(bar * 4 * BEAT);
      // Two voices a little out of tune, one to each side, for width.
      loop.add(at, pad_note(hz * std::pow(2.0, -4.0 / 1200), 4 * BEAT, level, breath), -0.7);
      loop.add(at, pad_note(hz * std::pow(2.0, 4.0 / 1200), 4 * BEAT, level, breath + 1.3), 0.7);
    }
  }

  // Reverb over two periods; the second one is periodic (the first's tail
  // has long died out by then).
  Reverb reverb;
  std::vector<double> wet_l(n), wet_r(n);
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t i = 0; i < n; ++i) {
      double l, r;
      reverb.process(0.015 * (loop.left[i] + loop.right[i]), l, r);
      if (pass == 1) {
        wet_l[i] = l;
        wet_r[i] = r;
      }
    }
  }
  double dry_level = detail::rms(loop.left) + detail::rms(loop.right);
  double wet_level = detail::rms(wet_l) + detail::rms(wet_r);
  double wet_gain = wet_level > 0 ? 0.45 * dry_level / wet_level : 0;
  std::vector<double> left(n), right(n);
  for (std::size_t i = 0; i < n; ++i) {
    left[i] = loop.left[i] + wet_gain * wet_l[i];
    right[i] = loop.right[i] + wet_gain * wet_r[i];
  }
  // No DC: a constant removed from a periodic signal keeps it periodic.
  for (std::vector<double>* ch : {&left, &right}) {
    double mean = 0;
    for (double v : *ch) mean += v;
    mean /= static_cast<double>(n);
    for (double& v : *ch) v -= mean;
  }

  // Start in the last 40 ms before the first downbeat, where both channels are
  // closest to zero.
  std::size_t best = 0;
  double best_sum = 1e300;
  for (std::size_t i = n - samples_of(0.040); i < n; ++i) {
    double s = std::abs(left[i]) + std::abs(right[i]);
    if (s < best_sum) {
      best_sum = s;
      best = i;
    }
  }
  std::vector<double> interleaved(2 * n);
  for (std::size_t i = 0; i < n; ++i) {
    std::size_t j = (best + i) % n;
    interleaved[2 * i] = left[j];
    interleaved[2 * i + 1] = right[j];
  }
  return to_audio(interleaved, 2, 0.50);
}

// ---------------------------------------------------------------------------
// Files

// The whole .wav image of a sound: RIFF/WAVE, a 16-byte PCM fmt chunk, data.
inline std::vector<unsigned char> encode_wav(const Audio& a) {
  const std::uint32_t data_size = static_cast<std::uint32_t>(a.samples.size() * 2);
  const std::uint32_t block_align = static_cast<std::uint32_t>(a.channels) * 2;
  std::vector<unsigned char> out(44 + static_cast<std::size_t>(data_size));
  std::size_t at = 0;
  auto tag = [&](const char* s) {
    for (int i = 0; i < 4; ++i) out[at++] = static_cast<unsigned char>(s[i]);
  };
  auto u16 = [&](std::uint32_t v) {
    out[at++] = static_cast<unsigned char>(v);
    out[at++] = static_cast<unsigned char>(v >> 8);
  };
  auto u32 = [&](std::uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  };
  tag("RIFF");
  u32(36 + data_size);
  tag("WAVE");
  tag("fmt ");
  u32(16);
  u16(1);  // PCM
  u16(static_cast<std::uint32_t>(a.channels));
  u32(static_cast<std::uint32_t>(a.rate));
  u32(static_cast<std::uint32_t>(a.rate) * block_align);
  u16(block_align);
  u16(16);
  tag("data");
  u32(data_size);
  for (std::int16_t s : a.samples) u16(static_cast<std::uint16_t>(s));
  return out;
}

// The four sound files of the program and how each is made.
struct SoundFile {
  const char* name;
  Audio (*make)();
};

inline const std::array<SoundFile, 4>& sound_files() {
  static const std::array<SoundFile, 4> files = {{
      {"その他.wav", make_chime},
      {"禁止.wav", make_forbid},
      {"駒打音.wav", make_click},
      {"BGM.wav", make_bgm},
  }};
  return files;
}

}  // namespace kumora::synth
