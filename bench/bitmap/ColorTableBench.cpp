// Distinct colours of a 300 × 301 picture of all-different colours: the presence table against
// a linear search of the codes found so far (text codes compared one by one, the whole table
// searched when a code is new), and the whole page generation through the window.

#include "bitmap/ColorTable.h"
#include "bitmap/PictureColorsWindow.h"

#include <QEventLoop>
#include <QImage>
#include <QTemporaryDir>
#include <fstream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 301;

QImage allDifferent() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int i = 0; i < kWidth * kHeight; ++i) {
        image.setPixel(i % kWidth, i / kWidth, QRgb(0xFF000000u | std::uint32_t(i * 97)));
    }
    return image;
}

std::vector<std::uint8_t> bytesOf(const QImage& image, std::size_t count) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < count; ++i) {
        const QRgb px = image.pixel(int(i % kWidth), int(i / kWidth));
        bytes.insert(bytes.end(),
                     {std::uint8_t(qRed(px)), std::uint8_t(qGreen(px)), std::uint8_t(qBlue(px))});
    }
    return bytes;
}

void BM_DistinctColorsPresenceTable(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    const auto bytes = bytesOf(allDifferent(), n);
    for (auto _ : state) {
        sv::ColorTable table(bytes, n);
        table.scan(n);
        benchmark::DoNotOptimize(table.colors().data());
    }
}
BENCHMARK(BM_DistinctColorsPresenceTable)->Arg(10000)->Arg(90001)->Unit(benchmark::kMillisecond);

// The yardstick: codes as "r, g, b" texts, each looked for among all N + 1 entries of the
// table of codes found so far (empty ones included) until an equal one turns up.
void BM_DistinctColorsLinearSearch(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    const auto bytes = bytesOf(allDifferent(), n);
    std::vector<std::string> codes(n);
    for (std::size_t i = 0; i < n; ++i) {
        codes[i] = std::to_string(bytes[3 * i]) + ", " + std::to_string(bytes[3 * i + 1]) + ", " +
                   std::to_string(bytes[3 * i + 2]);
    }
    for (auto _ : state) {
        std::vector<std::string> found(n + 1);
        std::size_t count = 0;
        for (const std::string& code : codes) {
            bool seen = false;
            for (const std::string& f : found) {
                if (f == code) {
                    seen = true;
                    break;
                }
            }
            if (!seen) {
                found[count++] = code;
            }
        }
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(BM_DistinctColorsLinearSearch)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

// A line of /proc/self/status in kB ("VmRSS", "VmHWM").
long statusKb(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(key) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(prefix, 0) == 0) {
            return std::stol(line.substr(prefix.size()));
        }
    }
    return 0;
}

// Starts the peak resident size again from the current one.
void resetPeakRss() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Scan, page text and the written file, as the generate button runs them.
void BM_WholeGenerationThroughTheWindow(benchmark::State& state) {
    QTemporaryDir pages;
    sv::PictureColorsWindow window(nullptr);
    window.setPageFolder(pages.path() + QLatin1Char('/'));
    window.setPicture(allDifferent());
    resetPeakRss();
    const long idle = statusKb("VmRSS");
    for (auto _ : state) {
        QEventLoop loop;
        QObject::connect(&window, &sv::PictureColorsWindow::generationFinished, &loop,
                         [&](bool written) { loop.exit(written ? 0 : 1); });
        window.generate();
        if (loop.exec() != 0) {
            state.SkipWithError("the page was not written");
            break;
        }
        state.PauseTiming();
        QFile::remove(window.lastPage());
        state.ResumeTiming();
    }
    state.counters["peak_rss_above_idle_MB"] = double(statusKb("VmHWM") - idle) / 1024.0;
}
BENCHMARK(BM_WholeGenerationThroughTheWindow)->Unit(benchmark::kMillisecond);

} // namespace
