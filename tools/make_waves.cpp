// Synthesizes the program's four sound effects as mono PCM wave files:
//   make_waves <folder>
// writes correct.wav, mistake.wav, refused.wav and won.wav into the folder. Every sample comes from
// a formula (and a fixed noise seed), so the build makes the same bytes every time.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Wave {
    int Rate;
    int Bits;                    // 8 (unsigned) or 16 (signed)
    std::vector<double> Samples; // -1 to 1
};

Wave Silence(int rate, int bits, double seconds) {
    return Wave{rate, bits, std::vector<double>(static_cast<std::size_t>(std::lround(rate * seconds)), 0.0)};
}

// Scales the wave so that its loudest sample reaches peak.
void Normalize(Wave& wave, double peak) {
    double loudest = 0.0;
    for (const double s : wave.Samples) {
        loudest = std::max(loudest, std::fabs(s));
    }
    if (loudest > 0.0) {
        for (double& s : wave.Samples) {
            s *= peak / loudest;
        }
    }
}

// A short linear fade at both ends, so that no effect starts or stops with a click of its own.
void SoftenEdges(Wave& wave, double seconds) {
    const std::size_t n = wave.Samples.size();
    const std::size_t ramp = std::min(n / 2, static_cast<std::size_t>(wave.Rate * seconds));
    for (std::size_t i = 0; i < ramp; ++i) {
        const double g = static_cast<double>(i) / static_cast<double>(ramp);
        wave.Samples[i] *= g;
        wave.Samples[n - 1 - i] *= g;
    }
}

// A correct classification: a bright zap, a tone sweeping quickly down with a glassy overtone.
Wave Correct() {
    Wave wave = Silence(22050, 16, 0.07);
    double phase = 0.0;
    const std::size_t n = wave.Samples.size();
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / wave.Rate;
        const double progress = static_cast<double>(i) / static_cast<double>(n);
        const double frequency = 3200.0 * std::pow(1100.0 / 3200.0, progress);
        phase += 2.0 * kPi * frequency / wave.Rate;
        const double tone = std::sin(phase) + 0.35 * std::sin(2.0 * phase) + 0.2 * std::sin(3.0 * phase);
        wave.Samples[i] = tone * std::exp(-t / 0.03);
    }
    Normalize(wave, 0.7);
    SoftenEdges(wave, 0.002);
    return wave;
}

// A mistake: a low, rough buzz of two detuned saw tones.
Wave Mistake() {
    Wave wave = Silence(22050, 16, 0.13);
    const std::size_t n = wave.Samples.size();
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / wave.Rate;
        double buzz = 0.0;
        for (const double base : {98.0, 103.5}) {
            for (int k = 1; k * base < 5000.0; ++k) {
                buzz += std::sin(2.0 * kPi * k * base * t) / k;
            }
        }
        const double release = std::min(1.0, (0.13 - t) / 0.03);
        wave.Samples[i] = buzz * std::max(0.0, release);
    }
    Normalize(wave, 0.6);
    SoftenEdges(wave, 0.004);
    return wave;
}

// A refused click: two dull knocks, a muffled thud with a touch of filtered noise, the second lower.
Wave Refused() {
    Wave wave = Silence(11025, 8, 0.16);
    std::uint32_t noise = 12345;
    double filtered = 0.0;
    const std::size_t n = wave.Samples.size();
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / wave.Rate;
        noise = noise * 1664525u + 1013904223u;
        const double white = static_cast<double>(noise >> 8) / 8388608.0 - 1.0;
        filtered += 0.15 * (white - filtered);
        double s = 0.0;
        for (const auto& [start, pitch] : {std::pair{0.0, 190.0}, std::pair{0.075, 150.0}}) {
            const double u = t - start;
            if (u >= 0.0) {
                s += (std::sin(2.0 * kPi * pitch * u) + 1.5 * filtered * std::exp(-u / 0.006)) *
                     std::exp(-u / 0.018);
            }
        }
        wave.Samples[i] = s;
    }
    Normalize(wave, 0.7);
    SoftenEdges(wave, 0.002);
    return wave;
}

// A won game: a short brass-like fanfare, rising notes and a held major chord.
Wave Won() {
    Wave wave = Silence(11025, 8, 2.9);
    struct Note {
        double Start, Length, Frequency;
    };
    const Note notes[] = {
        {0.00, 0.14, 392.00}, {0.15, 0.14, 523.25},  {0.30, 0.14, 659.25}, {0.45, 0.30, 783.99},
        {0.80, 0.12, 659.25}, {0.95, 0.50, 783.99},  {1.50, 1.40, 523.25}, {1.50, 1.40, 659.25},
        {1.50, 1.40, 783.99}, {1.50, 1.40, 1046.50},
    };
    const double harmonics[] = {1.0, 0.6, 0.4, 0.25, 0.15};
    const std::size_t n = wave.Samples.size();
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / wave.Rate;
        double s = 0.0;
        for (const Note& note : notes) {
            const double u = t - note.Start;
            if (u < 0.0 || u > note.Length) {
                continue;
            }
            const double attack = std::min(1.0, u / 0.02);
            const double release = std::min(1.0, (note.Length - u) / 0.06);
            const double envelope = attack * release * (0.75 + 0.25 * std::exp(-u / 0.08));
            for (int k = 0; k < 5; ++k) {
                const double f = note.Frequency * (k + 1);
                if (f < wave.Rate / 2.0) {
                    s += harmonics[k] * std::sin(2.0 * kPi * f * u) * envelope;
                }
            }
        }
        wave.Samples[i] = s;
    }
    Normalize(wave, 0.8);
    SoftenEdges(wave, 0.01);
    return wave;
}

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

bool WriteWave(const std::string& path, const Wave& wave) {
    const int bytesPerSample = wave.Bits / 8;
    std::vector<std::uint8_t> data;
    for (const double sample : wave.Samples) {
        const double s = std::clamp(sample, -1.0, 1.0);
        if (wave.Bits == 8) {
            data.push_back(static_cast<std::uint8_t>(std::lround(128.0 + 127.0 * s)));
        } else {
            const auto value = static_cast<std::int16_t>(std::lround(32767.0 * s));
            PutLittleEndian(data, static_cast<std::uint16_t>(value), 2);
        }
    }
    const auto dataSize = static_cast<std::uint32_t>(data.size());
    if (data.size() % 2 != 0) {
        data.push_back(0); // chunks are padded to an even length
    }

    std::vector<std::uint8_t> file;
    file.insert(file.end(), {'R', 'I', 'F', 'F'});
    PutLittleEndian(file, static_cast<std::uint32_t>(4 + 8 + 16 + 8 + data.size()), 4);
    file.insert(file.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutLittleEndian(file, 16, 4);
    PutLittleEndian(file, 1, 2); // PCM
    PutLittleEndian(file, 1, 2); // mono
    PutLittleEndian(file, static_cast<std::uint32_t>(wave.Rate), 4);
    PutLittleEndian(file, static_cast<std::uint32_t>(wave.Rate * bytesPerSample), 4);
    PutLittleEndian(file, static_cast<std::uint32_t>(bytesPerSample), 2);
    PutLittleEndian(file, static_cast<std::uint32_t>(wave.Bits), 2);
    file.insert(file.end(), {'d', 'a', 't', 'a'});
    PutLittleEndian(file, dataSize, 4);
    file.insert(file.end(), data.begin(), data.end());

    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_waves <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const std::pair<const char*, Wave> effects[] = {
        {"correct.wav", Correct()},
        {"mistake.wav", Mistake()},
        {"refused.wav", Refused()},
        {"won.wav", Won()},
    };
    for (const auto& [name, wave] : effects) {
        const std::string path = folder + "/" + name;
        if (!WriteWave(path, wave)) {
            std::fprintf(stderr, "make_waves: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
