// The floor: the work of each form action written as plainly and directly as it can be,
// with nothing of the program's structure around it. Decoding and fivefold linear
// resampling (positions found once), transforms through one kept FFTW plan, products
// and normalisation, the map's bilinear values in a plain loop, and every pixel written
// straight into a 1280 x 720 RGB32 buffer (lines, density, map, colour bar). Labels and
// ticks are left out. The benchmark names are those of bench_actions, so that each
// action's time can be set against its floor.
#include <benchmark/benchmark.h>

#include <memory>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <fftw3.h>

#include "analysis/fftw_wisdom.h"
#include "bench_profiles.h"
#include "bench_statistics.h"
#include "plot/palette.h"
#include "plot/surface.h"
#include "profile/profile_image.h"
#include "profile/profile_loader.h"

namespace karvelo {
namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 720;
constexpr std::uint32_t kWhite = 0xFFFFFFFFU;

struct Floor {
    std::size_t samples = 0;
    std::size_t n = 0;
    std::size_t bins = 0;
    double dt = 0.0;
    std::vector<std::uint32_t> cell;
    std::vector<double> offset;
    std::vector<double> trace;
    double* in = nullptr;
    fftw_complex* out = nullptr;
    fftw_plan plan = nullptr;
    std::unique_ptr<Profile> profile = std::make_unique<Profile>();
    std::vector<std::uint32_t> pixels = std::vector<std::uint32_t>(kWidth * kHeight);
    std::vector<std::uint32_t> spectrumWords;
    std::vector<std::uint32_t> greyWords;
    std::vector<double> magnitudes;

    Floor() {
        LoadFftwWisdom();
        LoadBuiltInProfile(*profile);
        samples = SamplesPerTrace(profile->image);
        n = 5 * samples;
        bins = n / 2 + 1;
        dt = SampleInterval(profile->image);
        cell.resize(n);
        offset.resize(n);
        const double step = (static_cast<double>(samples - 1) * dt) / static_cast<double>(n - 1);
        for (std::size_t m = 0; m < n; ++m) {
            const double t = static_cast<double>(m) * step;
            const auto l = std::min<std::size_t>(static_cast<std::size_t>(t / dt), samples - 2);
            cell[m] = static_cast<std::uint32_t>(l);
            offset[m] = t - static_cast<double>(l) * dt;
        }
        trace.resize(samples);
        magnitudes.resize(bins);
        in = static_cast<double*>(fftw_malloc(sizeof(double) * n));
        out = static_cast<fftw_complex*>(fftw_malloc(sizeof(fftw_complex) * n));
        plan = PlanRealTransform(static_cast<int>(n), in, out);
        for (const Colour c : PaletteTable(kSpectrumPalette)) {
            spectrumWords.push_back(Surface::ToRgb32(c));
        }
        for (const Colour c : PaletteTable(kGreyPalette)) {
            greyWords.push_back(Surface::ToRgb32(c));
        }
    }

    void Clear() { std::fill(pixels.begin(), pixels.end(), kWhite); }

    void Line(int x0, int y0, int x1, int y1) {
        const int dx = std::abs(x1 - x0);
        const int dy = std::abs(y1 - y0);
        const int steps = std::max(dx, dy);
        for (int s = 0; s <= steps; ++s) {
            const int x = steps == 0 ? x0 : x0 + (x1 - x0) * s / steps;
            const int y = steps == 0 ? y0 : y0 + (y1 - y0) * s / steps;
            if (x >= 0 && x < kWidth && y >= 0 && y < kHeight) {
                pixels[static_cast<std::size_t>(y) * kWidth + x] = 0xFF000000U;
            }
        }
    }

    // Record r decoded, resampled and transformed: magnitudes[0 .. bins).
    void Spectrum(std::size_t record) {
        const std::uint8_t* words = RecordSamples(profile->image, record);
        for (std::size_t i = 0; i < samples; ++i) {
            std::int32_t v;
            std::memcpy(&v, words + 4 * i, 4);
            trace[i] = v;
        }
        for (std::size_t m = 0; m < n; ++m) {
            const std::uint32_t l = cell[m];
            in[m] = trace[l] + offset[m] * ((trace[l + 1] - trace[l]) / dt);
        }
        fftw_execute(plan);
        for (std::size_t k = 0; k < bins; ++k) {
            magnitudes[k] = std::sqrt(out[k][0] * out[k][0] + out[k][1] * out[k][1]);
        }
    }

    // The trace panel of point 1: two traces over a 1000 x 350 frame at (175, 10). The
    // density image blends each row from the first trace's grey to the second's, which
    // is one column wide.
    void TracePanel(bool density) {
        constexpr int left = 175, top = 10, width = 1000, height = 350;
        const int step = width / 2;
        const std::uint8_t* words[2] = {RecordSamples(profile->image, 0),
                                        RecordSamples(profile->image, 1)};
        const auto sample = [&](std::size_t t, std::size_t i) {
            std::int32_t v;
            std::memcpy(&v, words[t] + 4 * i, 4);
            return v;
        };
        const auto grey = [](std::int32_t v) {
            return static_cast<int>(
                std::clamp((static_cast<double>(v) + 3.0e6) * 255.0 / 6.0e6, 0.0, 255.0));
        };
        const int centre = left + step / 2;
        if (density) {
            for (std::size_t i = 0; i < samples; ++i) {
                const int y = top + static_cast<int>(i * height / samples);
                if (i + 1 < samples && top + static_cast<int>((i + 1) * height / samples) == y) {
                    continue;
                }
                const int c0 = grey(sample(0, i));
                const int c1 = grey(sample(1, i));
                std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * kWidth;
                for (int j = 0; j < step; ++j) {
                    row[centre + j] =
                        greyWords[static_cast<std::size_t>((c0 * (step - j) + c1 * j) / step)];
                }
                row[centre + step] = greyWords[static_cast<std::size_t>(c1)];
            }
            return;
        }
        for (std::size_t t = 0; t < 2; ++t) {
            const int x0 = centre + static_cast<int>(t) * step;
            int px = 0, py = 0;
            for (std::size_t i = 0; i < samples; ++i) {
                const int y = top + static_cast<int>(i * height / samples);
                const int x = x0 + static_cast<int>(sample(t, i) * step / 6.0e6);
                if (i > 0) {
                    Line(px, py, x, y);
                }
                px = x;
                py = y;
            }
        }
    }
};

Floor& TheFloor() {
    static Floor floor;
    return floor;
}

void ProductSpectrum(benchmark::State& state, bool density) {
    Floor& f = TheFloor();
    std::vector<float> product(f.bins);
    for (auto _ : state) {
        f.Clear();
        f.TracePanel(density);
        for (std::size_t t = 0; t < 2; ++t) {
            f.Spectrum(4 + t);
            const double largest = *std::max_element(f.magnitudes.begin(), f.magnitudes.end());
            for (std::size_t k = 0; k < f.bins; ++k) {
                const auto v = static_cast<float>(f.magnitudes[k] / largest);
                product[k] = t == 0 ? v : v * product[k];
            }
        }
        // The 192-bin curve across a 500 x 350 frame at (175, 320).
        for (std::size_t k = 1; k < 192; ++k) {
            f.Line(175 + static_cast<int>((k - 1) * 500 / 191),
                   670 - static_cast<int>(product[k - 1] * 350),
                   175 + static_cast<int>(k * 500 / 191), 670 - static_cast<int>(product[k] * 350));
        }
        benchmark::DoNotOptimize(f.pixels.data());
    }
}

void BM_SpectrumSettingsProductWiggle(benchmark::State& state) {
    ProductSpectrum(state, false);
}
void BM_SpectrumSettingsProductDensity(benchmark::State& state) {
    ProductSpectrum(state, true);
}

// A contrast step reuses the point spectra of the map it changes (reuseSpectra).
void ProfileMap(benchmark::State& state, float contrast, bool reuseSpectra,
                std::size_t perPoint = 2) {
    Floor& f = TheFloor();
    const std::size_t points = TraceCount(f.profile->image) / perPoint;
    constexpr std::size_t kBand = 192, kRows = 800, kCols = 500;
    std::vector<double> product(points * f.bins);
    std::vector<double> band(points * kBand);
    std::vector<double> matrix(kRows * kCols);
    std::vector<std::uint32_t> colCell(kCols);
    std::vector<double> colT(kCols);
    const double df = 500000.0 / (static_cast<double>(f.samples / 2) * f.dt);
    std::vector<double> freq(kBand);
    for (std::size_t i = 0; i < kBand; ++i) {
        freq[i] = std::floor(static_cast<double>(i) * df);
    }
    const double dx = (freq[kBand - 1] - freq[0]) / (kCols - 1);
    for (std::size_t k = 0; k < kCols; ++k) {
        const double x = static_cast<double>(k) * dx + freq[0];
        std::size_t l = 0;
        while (l + 2 < kBand && freq[l + 1] < x) {
            ++l;
        }
        colCell[k] = static_cast<std::uint32_t>(l);
        colT[k] = (x - freq[l]) / (freq[l + 1] - freq[l]);
    }
    const auto pointSpectra = [&] {
        for (std::size_t j = 0; j < points; ++j) {
            double* row = product.data() + j * f.bins;
            for (std::size_t t = 0; t < perPoint; ++t) {
                f.Spectrum(perPoint * j + t);
                for (std::size_t k = 0; k < f.bins; ++k) {
                    row[k] = t == 0 ? f.magnitudes[k] : row[k] * f.magnitudes[k];
                }
            }
        }
    };
    if (reuseSpectra) {
        pointSpectra();
    }
    for (auto _ : state) {
        f.Clear();
        f.TracePanel(false);
        if (!reuseSpectra) {
            pointSpectra();
        }
        for (std::size_t j = 0; j < points; ++j) {
            const double* row = product.data() + j * f.bins;
            const double largest = *std::max_element(row, row + kBand);
            for (std::size_t k = 0; k < kBand; ++k) {
                band[j * kBand + k] = static_cast<float>(row[k] / largest);
            }
        }
        const auto [lo, hi] = std::minmax_element(band.begin(), band.end());
        const double low = *lo, high = *hi;
        const double clip = high - (high - low) * contrast;
        const double dy = static_cast<double>(points - 1) / (kRows - 1);
        for (std::size_t r = 0; r < kRows; ++r) {
            const double y = static_cast<double>(r) * dy;
            const std::size_t iy = std::min<std::size_t>(static_cast<std::size_t>(y), points - 2);
            const double u = y - static_cast<double>(iy);
            const double* a = band.data() + iy * kBand;
            const double* b = a + kBand;
            double* m = matrix.data() + r * kCols;
            for (std::size_t k = 0; k < kCols; ++k) {
                const std::size_t ix = colCell[k];
                const double t = colT[k];
                double v = (1 - t) * (1 - u) * a[ix] + t * (1 - u) * a[ix + 1] + t * u * b[ix + 1] +
                           (1 - t) * u * b[ix];
                if (contrast > 0.0f) {
                    v = std::max(low, std::min(v, clip));
                }
                m[k] = v;
            }
        }
        const auto [mlo, mhi] = std::minmax_element(matrix.begin(), matrix.end());
        // The palette index divides (v - low) * 1275 by the range, as the picture needs:
        // a multiplication by its reciprocal rounds some values to the next colour.
        const double mLow = *mlo, range = *mhi - *mlo;
        // Map rows run right across x = 275 .. 1074, columns up from y = 670. Only the last
        // column on each pixel row shows, so only those are scaled; the indices are then
        // written a pixel row at a time.
        const auto pixelRow = [](std::size_t k) { return 670 - k * 350 / kCols; };
        std::vector<std::size_t> shown;
        for (std::size_t k = 0; k < kCols; ++k) {
            if (k + 1 == kCols || pixelRow(k + 1) != pixelRow(k)) {
                shown.push_back(k);
            }
        }
        std::vector<std::uint16_t> indices(kRows * shown.size());
        for (std::size_t r = 0; r < kRows; ++r) {
            const double* m = matrix.data() + r * kCols;
            for (std::size_t j = 0; j < shown.size(); ++j) {
                const auto c = static_cast<std::size_t>((m[shown[j]] - mLow) * 1275.0 / range);
                indices[j * kRows + r] = static_cast<std::uint16_t>(std::min<std::size_t>(c, 1275));
            }
        }
        for (std::size_t j = 0; j < shown.size(); ++j) {
            std::uint32_t* row = f.pixels.data() + pixelRow(shown[j]) * kWidth + 275;
            for (std::size_t r = 0; r < kRows; ++r) {
                row[r] = f.spectrumWords[indices[j * kRows + r]];
            }
        }
        // The colour bar: 200 x 25 pixels.
        for (int y = 490; y < 515; ++y) {
            for (int x = 0; x < 200; ++x) {
                f.pixels[static_cast<std::size_t>(y) * kWidth + 45 + x] =
                    f.spectrumWords[static_cast<std::size_t>(x * 1275 / 199)];
            }
        }
        benchmark::DoNotOptimize(f.pixels.data());
    }
}

void BM_ProfileSpectrum(benchmark::State& state) {
    ProfileMap(state, 0.0f, false);
}
void BM_ContrastStep(benchmark::State& state) {
    ProfileMap(state, 0.5f, true);
}

constexpr int kRepetitions = 15;
void ProfileMapOfLine(benchmark::State& state, std::size_t records, std::uint32_t hits) {
    Floor& f = TheFloor();
    LoadRepeatedProfile(*f.profile, records, hits);
    ProfileMap(state, 0.0f, false, 2 * hits);
    LoadBuiltInProfile(*f.profile);
}

void BM_ProfileSpectrum200Records(benchmark::State& state) {
    ProfileMapOfLine(state, 200, 1);
}
void BM_ProfileSpectrum1000Records(benchmark::State& state) {
    ProfileMapOfLine(state, 1000, 10);
}

BENCHMARK(BM_SpectrumSettingsProductWiggle)->Apply([](auto* b) { Repeated(b, kRepetitions); });
BENCHMARK(BM_SpectrumSettingsProductDensity)->Apply([](auto* b) { Repeated(b, kRepetitions); });
BENCHMARK(BM_ProfileSpectrum)->Apply([](auto* b) { Repeated(b, kRepetitions); });
BENCHMARK(BM_ContrastStep)->Apply([](auto* b) { Repeated(b, kRepetitions); });
BENCHMARK(BM_ProfileSpectrum200Records)->Apply([](auto* b) { Repeated(b, kRepetitions); });
BENCHMARK(BM_ProfileSpectrum1000Records)->Apply([](auto* b) { Repeated(b, kRepetitions); });

}  // namespace
}  // namespace karvelo

BENCHMARK_MAIN();
