// The pictures and the font probe the main window's initialisation goes through before its
// window is shown, each timed on its own in a warm process:
//
//   sockwright_startup_pictures_benchmark [runtime folder] [Google Benchmark options]
//
// Qt keeps every picture loaded by file name in QPixmapCache, so each iteration empties the cache
// first: the figures are those of a start, where nothing is cached. What a process pays only once
// (Qt's image plug-ins, fontconfig's set-up) shows in the cold start measured from outside by
// benchmarks/startup-comparison.sh, not here.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QPixmapCache>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "model/MessageSink.h"
#include "model/ProgramState.h"
#include "model/RuneDataLoader.h"
#include "ui/skin/BuiltInImages.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinImageLoader.h"
#include "ui/skin/SkinImages.h"

namespace sockwright {
namespace {

class CountingMessageSink : public MessageSink {
  public:
    int count = 0;
    void showMessage(const std::string&) override { ++count; }
};

// The shipped rune table, read once from the runtime folder's data/.
const RuneTable& shippedRunes() {
    static const ProgramState program = [] {
        ProgramState loaded;
        CountingMessageSink messages;
        loadRuneData(loaded, messages);
        return loaded;
    }();
    return program.runeTable;
}

// The window's background: 709 x 563, the largest picture decoded before the first paint.
void BM_BackgroundPicture(benchmark::State& state) {
    for (auto _ : state) {
        QPixmapCache::clear();
        QPixmap background = builtInImage("Background");
        benchmark::DoNotOptimize(background.cacheKey());
    }
}
BENCHMARK(BM_BackgroundPicture)->Unit(benchmark::kMicrosecond);

// The faces of the main window's ten picture buttons.
void BM_MainWindowButtonFaces(benchmark::State& state) {
    static constexpr const char* kFaces[] = {"Up",        "Down",  "Exit", "Runes", "Equipment",
                                             "Character", "Title", "Logo", "About", "Update"};
    for (auto _ : state) {
        QPixmapCache::clear();
        for (const char* face : kFaces) {
            QPixmap picture = builtInImage(face);
            benchmark::DoNotOptimize(picture.cacheKey());
        }
    }
}
BENCHMARK(BM_MainWindowButtonFaces)->Unit(benchmark::kMicrosecond);

// The program icon; start-up makes it twice (for the application and for the main window).
void BM_ProgramIcon(benchmark::State& state) {
    for (auto _ : state) {
        QIcon icon = programIcon();
        benchmark::DoNotOptimize(icon.cacheKey());
    }
}
BENCHMARK(BM_ProgramIcon)->Unit(benchmark::kMicrosecond);

// Every rune, blank, equipment and class picture from bmp/ and char/, as start-up loads them.
void BM_SkinImages(benchmark::State& state) {
    const RuneTable& runes = shippedRunes();
    CountingMessageSink messages;
    for (auto _ : state) {
        QPixmapCache::clear();
        SkinImages images;
        loadSkinImages(runes, images, messages);
        benchmark::DoNotOptimize(images.runes.plain[0].cacheKey());
    }
    if (messages.count != 0) state.SkipWithError("pictures are missing from the runtime folder");
}
BENCHMARK(BM_SkinImages)->Unit(benchmark::kMicrosecond);

// The probe for the Exocet face once the font database is filled (filling it is paid once per
// process, by any window that shows text).
void BM_SkinFontProbe(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(skinFontInstalled());
}
BENCHMARK(BM_SkinFontProbe)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sockwright

int main(int argc, char** argv) {
    // Pictures need a QGuiApplication; without a display the offscreen platform draws the same.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // A first argument that is not an option is the runtime folder holding data/, bmp/ and char/.
    std::filesystem::path runtime = SOCKWRIGHT_BUILD_RUNTIME;
    std::vector<char*> arguments(argv, argv + argc);
    if (arguments.size() > 1 && std::strncmp(arguments[1], "--", 2) != 0) {
        runtime = arguments[1];
        arguments.erase(arguments.begin() + 1);
    }
    std::error_code error;
    std::filesystem::current_path(runtime, error);
    if (error) {
        std::fprintf(stderr, "Cannot enter the runtime folder %s\n", runtime.c_str());
        return 1;
    }

    int count = static_cast<int>(arguments.size());
    QApplication application(count, arguments.data());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
