// Cost of the game window's drawing: the incremental redraw after a step against
// the full repaint of a 1920 x 1080 screen, and both as they reach a zoomed screen.
#include "game/Game.h"
#include "tests/support/SilentHost.h"
#include "draw/FieldView.h"
#include "draw/Zoom.h"
#include "ui/LaneCursor.h"
#include "ui/WindowPaint.h"

#include <QPainter>

#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

namespace tesseron {
namespace {

// Sheets of the right sizes in a gradient, so copies move real pixel data.
QImage Sheet(int w, int h, int seed) {
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb((x * 7 + seed) & 0xff, (y * 5) & 0xff, (x ^ y) & 0xff));
    return image;
}

struct Scene {
    explicit Scene(QSize screen = QSize(1920, 1080)) {
        skin.skn = QStringList{"bench"};
        skin.bgimg = skin.BackgroundTile = Sheet(100, 100, 1);
        skin.br = Sheet(150, 300, 2);
        skin.citems = Sheet(180, 450, 3);
        skin.pictograms = Sheet(304, 163, 4);
        surface.Resize(screen.width(), screen.height());
        view.FieldLeft = (screen.width() - 480) / 2;
        view.FieldTop = (screen.height() - 480) / 2;
        game.NewClick();
        view.FieldUpDate(false);
        surface.TakeDirty();
    }
    Skin skin;
    Surface surface;
    test::SilentHost host;
    Random random{2024};
    Game game{host, random};
    HoverState hover;
    FieldView view{surface, skin, game.st, hover};

    // Launches into the first free lane from the left and takes one step: the boards
    // before and after it.
    std::pair<Board, Board> OneStep() {
        int lane = 1;
        while (lane <= 10 && (game.st.board.at(1, lane).Color != 0 || game.RowIsEmpty(lane))) ++lane;
        game.LaunchBrick(SideLeft, lane);
        view.FieldUpDate(false);
        const Board before = game.st.board;
        game.tmrSTEPTimer();
        return {before, game.st.board};
    }
};

// A typical step: a launched brick moves one cell on, two cells change colour.
void BM_IncrementalAfterStep(benchmark::State& state) {
    Scene s;
    GameState& st = s.game.st;
    const auto [before, after] = s.OneStep();
    std::vector<QRect> log;
    s.surface.SetRecorder(&log);
    bool forward = true;
    size_t drawn = 0, updates = 0;
    for (auto _ : state) {
        st.board = forward ? after : before;
        forward = !forward;
        s.view.FieldUpDate(false);
        benchmark::DoNotOptimize(s.surface.TakeDirty());
        drawn += log.size();
        ++updates;
        log.clear();
    }
    state.counters["rects"] = double(drawn) / double(updates);
}
BENCHMARK(BM_IncrementalAfterStep);

void BM_IncrementalNothingChanged(benchmark::State& state) {
    Scene s;
    for (auto _ : state) {
        s.view.FieldUpDate(false);
        benchmark::DoNotOptimize(s.surface.Dirty());
    }
}
BENCHMARK(BM_IncrementalNothingChanged);

void BM_FullPaint1920x1080(benchmark::State& state) {
    Scene s;
    for (auto _ : state) {
        s.view.PaintAll();
        benchmark::DoNotOptimize(s.surface.TakeDirty());
    }
}
BENCHMARK(BM_FullPaint1920x1080);

// One 30 x 30 brick: the surface's own scanline copy against QPainter.
void BM_CopyBrickSurface(benchmark::State& state) {
    Scene s;
    for (auto _ : state) {
        s.surface.Copy(s.skin.br, QRect(30, 60, 30, 30), QRect(900, 400, 30, 30));
        benchmark::DoNotOptimize(s.surface.image().constBits());
    }
}
BENCHMARK(BM_CopyBrickSurface);

void BM_CopyBrickQPainter(benchmark::State& state) {
    Scene s;
    QImage target(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&target);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QRect(900, 400, 30, 30), s.skin.br, QRect(30, 60, 30, 30));
        p.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_CopyBrickQPainter);

// The zoomed screen: the surface at 1x on width / k x height / k, copied to a device-sized
// image (the window's backing store) with every pixel a k x k block.
struct ZoomedScene {
    ZoomedScene(int width, int height)
        : zoom(zoom::Zoom::Of(0, QSize(width, height), 1)), scene(zoom.Zoomed()), screen(width, height, QImage::Format_RGB32) {}
    void ToScreen(const QRegion& dirty) {
        QPainter painter(&screen);
        CopyToScreen(painter, scene.surface.image(), zoom.ToWindow(dirty), zoom);
    }
    zoom::Zoom zoom;
    Scene scene;
    QImage screen;
};

void BM_FullRepaintToScreen(benchmark::State& state) {
    ZoomedScene z(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        z.scene.view.PaintAll();
        z.ToScreen(z.scene.surface.TakeDirty());
        benchmark::DoNotOptimize(z.screen.constBits());
    }
    state.counters["k"] = z.zoom.k;
}
BENCHMARK(BM_FullRepaintToScreen)->Args({1024, 768})->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

// A launched brick moving one cell on: two cells redrawn and copied.
void BM_StepToScreen(benchmark::State& state) {
    ZoomedScene z(int(state.range(0)), int(state.range(1)));
    Scene& s = z.scene;
    GameState& st = s.game.st;
    const auto [before, after] = s.OneStep();
    s.surface.TakeDirty();
    bool forward = true;
    for (auto _ : state) {
        st.board = forward ? after : before;
        forward = !forward;
        s.view.FieldUpDate(false);
        z.ToScreen(s.surface.TakeDirty());
        benchmark::DoNotOptimize(z.screen.constBits());
    }
}
BENCHMARK(BM_StepToScreen)->Args({1024, 768})->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

// The lane cursor moving one lane on, round the whole ring: the old lane's three
// bricks drawn back, the frame drawn on the new lane, both copied.
void BM_CursorMoveToScreen(benchmark::State& state) {
    ZoomedScene z(int(state.range(0)), int(state.range(1)));
    Scene& s = z.scene;
    const int left = s.view.FieldLeft, top = s.view.FieldTop;
    cursor::Lane at = cursor::Start;
    cursor::DrawFrame(s.surface, left, top, at);
    s.surface.TakeDirty();
    std::vector<QRect> log;
    s.surface.SetRecorder(&log);
    int index = 0;
    size_t drawn = 0, moves = 0;
    for (auto _ : state) {
        for (int layer = 1; layer <= 3; ++layer) s.view.DrawNext(at.side, at.lane, layer);
        index = (index + 1) % cursor::RingSize;
        at = cursor::AtRing(index);
        cursor::DrawFrame(s.surface, left, top, at);
        z.ToScreen(s.surface.TakeDirty());
        benchmark::DoNotOptimize(z.screen.constBits());
        drawn += log.size();
        ++moves;
        log.clear();
    }
    state.counters["rects"] = double(drawn) / double(moves);
    state.counters["k"] = z.zoom.k;
}
BENCHMARK(BM_CursorMoveToScreen)->Args({1024, 768})->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tesseron

BENCHMARK_MAIN();
