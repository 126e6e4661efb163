#include "game/Game.h"
#include "tests/support/SilentHost.h"
#include "support/ui_skin_fixture.h"
#include "draw/FieldView.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <set>
#include <tuple>

#include <gtest/gtest.h>

// Counts heap blocks taken through malloc, which Qt's containers use too, and
// through operator new. AddressSanitizer owns malloc, so there its allocation hook counts.
#if defined(__SANITIZE_ADDRESS__)
#define TESSERON_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESSERON_ASAN 1
#endif
#endif
namespace {
std::atomic<bool> countingMalloc{false};
std::atomic<long> mallocCalls{0};
void CountAllocation() {
    if (countingMalloc.load(std::memory_order_relaxed)) mallocCalls.fetch_add(1, std::memory_order_relaxed);
}
}  // namespace
#ifdef TESSERON_ASAN
// From the sanitizer runtime (GCC ships no header for it).
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, size_t), void (*)(const volatile void*));
namespace {
void OnMalloc(const volatile void*, size_t) { CountAllocation(); }
void OnFree(const volatile void*) {}
[[maybe_unused]] const int hooksInstalled = __sanitizer_install_malloc_and_free_hooks(OnMalloc, OnFree);
}  // namespace
#else
extern "C" void* __libc_malloc(size_t size);
extern "C" void* malloc(size_t size) {
    CountAllocation();
    return __libc_malloc(size);
}
#endif

namespace tesseron {
namespace {

using namespace test;

constexpr int FL = 272, FT = 144;  // the field's corner on a 1024 x 768 screen

QRect Square(int left, int top) { return QRect(FL + left, FT + top, 30, 30); }

class FieldViewTest : public ::testing::Test {
protected:
    FieldViewTest() {
        coded.LoadInto(skin);
        surface.Resize(1024, 768);
        view.FieldLeft = FL;
        view.FieldTop = FT;
    }
    const QImage& Picture() const { return surface.image(); }
    bool ShowsImBlack(const QRect& at) const { return Picture().copy(at) == skin.imBlack; }

    CodedSkinDir coded;
    Skin skin;
    Surface surface;
    GameState st;
    HoverState hover;
    FieldView view{surface, skin, st, hover};
};

TEST_F(FieldViewTest, CellShowsTheBrickOfItsColourAndArrow) {
    for (auto [x, y, c, d] : {std::tuple{1, 1, 1, 0}, {3, 7, 4, 2}, {10, 10, 10, 4}, {10, 1, 7, 1}, {1, 10, 2, 3}}) {
        st.board.at(x, y) = Cell{int8_t(c), uint8_t(d), 0};
        view.DrawBrick(x, y);
        EXPECT_TRUE(ShowsRegion(Picture(), Square(60 + 30 * x, 60 + 30 * y), SheetBricks, QRect(30 * d, 30 * (c - 1), 30, 30)))
            << x << "," << y;
    }
}

TEST_F(FieldViewTest, EmptyCellShowsTheGridImage) {
    st.board.at(5, 6) = Cell{0, 3, 1};
    view.DrawBrick(5, 6);
    EXPECT_TRUE(ShowsImBlack(Square(210, 240)));
}

TEST_F(FieldViewTest, ExplodingBrickIsItsBrickFlashed) {
    st.board.at(4, 4) = Cell{-3, DirRight, 1};
    view.DrawBrick(4, 4);
    const QRect at = Square(180, 180);
    int white = 0, brightened = 0;
    for (int dy = 0; dy < 30; ++dy)
        for (int dx = 0; dx < 30; ++dx) {
            const QRgb got = Picture().pixel(at.x() + dx, at.y() + dy);
            const QRgb source = Code(SheetBricks, 30 + dx, 60 + dy);
            if (got == qRgb(255, 255, 255)) {
                ++white;
            } else {
                EXPECT_EQ(got, qRgb((qRed(source) + 255) / 2, (qGreen(source) + 255) / 2, (qBlue(source) + 255) / 2))
                    << dx << "," << dy;
                ++brightened;
            }
        }
    EXPECT_GT(white, 30);
    EXPECT_GT(brightened, 600);
}

TEST_F(FieldViewTest, ValuesOutsideTheSheetDrawSafely) {
    st.board.at(1, 1) = Cell{11, 0, 0};
    st.board.at(2, 1) = Cell{-128, 0, 0};
    st.board.at(3, 1) = Cell{127, 9, 0};
    st.board.at(4, 1) = Cell{2, 200, 0};  // an arrow without a column: the plain brick
    for (int x = 1; x <= 4; ++x) view.DrawBrick(x, 1);
    for (int x = 1; x <= 3; ++x) EXPECT_TRUE(ShowsImBlack(Square(60 + 30 * x, 90))) << x;
    EXPECT_TRUE(ShowsRegion(Picture(), Square(180, 90), SheetBricks, QRect(0, 30, 30, 30)));

    st.nexts.at(SideTop, 1, 0) = 0;
    st.nexts.at(SideTop, 2, 0) = 11;
    st.nexts.at(SideTop, 3, 0) = 255;
    for (int lane = 1; lane <= 3; ++lane) view.DrawNext(SideTop, lane, 1);
    for (int lane = 1; lane <= 3; ++lane) EXPECT_TRUE(ShowsImBlack(Square(60 + 30 * lane, 60))) << lane;
}

TEST_F(FieldViewTest, PeripheryBricksOnEachSideLaneAndLayer) {
    for (int side = 1; side <= 4; ++side)
        for (int lane : {1, 4, 10})
            for (int layer = 1; layer <= 3; ++layer) {
                const int c = 1 + (side * 3 + lane + layer) % 10;
                st.nexts.at(side, lane, layer - 1) = uint8_t(c);
                view.DrawNext(side, lane, layer);
                QRect at;
                switch (side) {
                case SideRight: at = Square(360 + 30 * layer, 60 + 30 * lane); break;
                case SideTop: at = Square(60 + 30 * lane, 90 - 30 * layer); break;
                case SideLeft: at = Square(90 - 30 * layer, 60 + 30 * lane); break;
                default: at = Square(60 + 30 * lane, 360 + 30 * layer); break;
                }
                EXPECT_TRUE(ShowsRegion(Picture(), at, SheetBricks, QRect(0, 30 * (c - 1), 30, 30)))
                    << side << " " << lane << " " << layer;
            }
}

TEST_F(FieldViewTest, IconsAtBothOffsets) {
    const QPoint corners[4] = {{0, 0}, {390, 0}, {0, 390}, {390, 390}};
    for (int hovered = -1; hovered < 4; ++hovered) {
        for (int i = 0; i < 4; ++i) hover.IconOffset[i] = i == hovered ? 0 : 180;
        view.DrawIcons();
        for (int i = 0; i < 4; ++i) {
            const QRect from(90 * (i % 2), hover.IconOffset[i] + 90 * (i / 2), 90, 90);
            EXPECT_TRUE(ShowsRegion(Picture(), QRect(corners[i] + QPoint(FL, FT), QSize(90, 90)), SheetIcons, from))
                << "icon " << i << " hovered " << hovered;
        }
    }
}

TEST_F(FieldViewTest, ButtonsHighlightOnlyTheHoveredOne) {
    struct B {
        QRect hi, normal, at;
    };
    const B buttons[3] = {
        {QRect(6, 9, 42, 41), QRect(6, 65, 42, 41), QRect(490, 90, 42, 41)},
        {QRect(55, 9, 62, 41), QRect(54, 65, 62, 41), QRect(490, 173, 62, 41)},
        {QRect(122, 9, 41, 41), QRect(122, 65, 41, 41), QRect(490, 256, 41, 41)},
    };
    for (int h = 0; h <= 4; ++h) {
        hover.HoverButton = uint8_t(h);
        view.DrawButtons();
        for (int i = 0; i < 3; ++i)
            EXPECT_TRUE(ShowsRegion(Picture(), buttons[i].at.translated(FL, FT), SheetPictograms,
                                    h == i + 1 ? buttons[i].hi : buttons[i].normal))
                << "button " << i + 1 << " hover " << h;
    }
}

TEST_F(FieldViewTest, QuitButtonIsStretchedFromFortyToFortyOnePixels) {
    for (int h : {4, 0}) {
        hover.HoverButton = uint8_t(h);
        view.DrawButtons();
        const QRect from = h == 4 ? QRect(171, 9, 40, 41) : QRect(169, 65, 40, 41);
        const QRect at(FL + 490, FT + 341, 41, 41);
        std::vector<int> columns;
        for (int dx = 0; dx < 41; ++dx) {
            const Decoded top = Decode(Picture().pixel(at.x() + dx, at.y()));
            ASSERT_EQ(top.sheet, SheetPictograms);
            columns.push_back(top.x);
            for (int dy = 0; dy < 41; ++dy)
                ASSERT_EQ(Decode(Picture().pixel(at.x() + dx, at.y() + dy)), (Decoded{SheetPictograms, top.x, from.y() + dy}));
        }
        EXPECT_TRUE(std::is_sorted(columns.begin(), columns.end()));
        EXPECT_EQ(columns.front(), from.left());
        EXPECT_EQ(columns.back(), from.right());
        EXPECT_EQ(std::set<int>(columns.begin(), columns.end()).size(), 40u);  // each column, one twice
        // Nothing spills past the 41st column.
        EXPECT_NE(Decode(Picture().pixel(at.right() + 1, at.y())).sheet, SheetPictograms);
    }
}

TEST_F(FieldViewTest, BackgroundTilesRunTwoPastTheEdges) {
    std::vector<QRect> log;
    surface.SetRecorder(&log);
    view.DrawBackground();
    std::set<std::pair<int, int>> tiles;
    for (const QRect& r : log) {
        EXPECT_EQ(r.size(), QSize(100, 100));
        tiles.insert({r.x(), r.y()});
    }
    EXPECT_EQ(log.size(), 12u * 9u);
    EXPECT_EQ(tiles.size(), 12u * 9u);
    EXPECT_TRUE(tiles.count({1100, 800}));
    EXPECT_EQ(Decode(Picture().pixel(1023, 767)), (Decoded{SheetTile, 23, 67}));
}

TEST_F(FieldViewTest, FullPaintDrawsInItsOrderAndNothingWithoutASkin) {
    std::vector<QRect> log;
    surface.SetRecorder(&log);
    view.PaintAll();
    ASSERT_EQ(log.size(), 108u + 4 + 100 + 120 + 4);
    EXPECT_EQ(log[108], QRect(FL, FT, 90, 90));             // icons right after the background
    EXPECT_EQ(log[112], Square(90, 90));                    // then cell (1, 1)
    EXPECT_EQ(log[113], Square(90, 120));                   // y runs inside x
    EXPECT_EQ(log[212], Square(390, 90));                   // the first periphery brick: right side, lane 1, layer 1
    EXPECT_EQ(log[332], QRect(FL + 490, FT + 90, 42, 41));  // buttons last
    EXPECT_EQ(log[335], QRect(FL + 490, FT + 341, 41, 41));
    EXPECT_EQ(surface.TakeDirty(), QRegion(0, 0, 1024, 768));

    log.clear();
    skin.skn = QStringList{"skn"};
    view.PaintAll();
    EXPECT_TRUE(log.empty());
}

class IncrementalTest : public FieldViewTest {
protected:
    IncrementalTest() {
        view.FieldLeft = FL;
        view.FieldTop = FT;
        game.NewClick();
        view.FieldUpDate(false);  // brings the shown copies up to date
        surface.TakeDirty();
        surface.SetRecorder(&log);
    }
    test::SilentHost host;
    Random random{7};
    Game game{host, random};
    FieldView view{surface, skin, game.st, hover};
    std::vector<QRect> log;
};

TEST_F(IncrementalTest, LaunchRedrawsTheEntryCellAndThatLanesBricksOnly) {
    int lane = 1;
    while (lane <= 10 && (game.st.board.at(1, lane).Color != 0 || game.RowIsEmpty(lane))) ++lane;
    ASSERT_LE(lane, 10) << "no launchable lane on the left";
    uint8_t before[4];
    for (int k = 0; k < 4; ++k) before[k] = game.st.nexts.at(SideLeft, lane, k);
    game.LaunchBrick(SideLeft, lane);
    ASSERT_EQ(game.st.board.at(1, lane).Color, before[0]);

    view.FieldUpDate(false);
    std::vector<QRect> expected{Square(90, 60 + 30 * lane)};
    for (int layer = 1; layer <= 3; ++layer)
        if (game.st.nexts.at(SideLeft, lane, layer - 1) != before[layer - 1])
            expected.push_back(Square(90 - 30 * layer, 60 + 30 * lane));
    EXPECT_EQ(log, expected);
    QRegion region;
    for (const QRect& r : expected) region += r;
    EXPECT_EQ(surface.TakeDirty(), region);
    EXPECT_TRUE(ShowsRegion(Picture(), expected[0], SheetBricks, QRect(30 * DirRight, 30 * (before[0] - 1), 30, 30)));

    // The shown copies now match: the same state again draws nothing.
    log.clear();
    view.FieldUpDate(false);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(surface.Dirty().isEmpty());
}

TEST_F(IncrementalTest, UnchangedStateNeitherDrawsNorAllocates) {
    mallocCalls = 0;
    countingMalloc = true;
    for (int i = 0; i < 100; ++i) view.FieldUpDate(false);
    countingMalloc = false;
    EXPECT_EQ(mallocCalls.load(), 0);
    EXPECT_TRUE(log.empty());
    // The counter does see allocations: a real redraw grows the recorder and the dirty region.
    game.st.board.at(3, 3).Color = game.st.board.at(3, 3).Color == 1 ? 2 : 1;
    countingMalloc = true;
    view.FieldUpDate(false);
    countingMalloc = false;
    EXPECT_GT(mallocCalls.load(), 0);
}

TEST_F(IncrementalTest, OnlyAColourChangeRedrawsACell) {
    Cell& cell = game.st.board.at(5, 5);
    cell.Color = 3;
    cell.Dir = DirNone;
    view.FieldUpDate(false);
    log.clear();
    cell.Dir = DirUp;  // an arrow alone changes nothing on screen
    cell.AtRest = 1;
    view.FieldUpDate(false);
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(ShowsRegion(Picture(), Square(210, 210), SheetBricks, QRect(0, 60, 30, 30)));

    // An exploding brick is redrawn when it turns negative and again when swept.
    cell.Color = -3;
    view.FieldUpDate(false);
    EXPECT_EQ(log, std::vector<QRect>{Square(210, 210)});
    cell.Color = 0;
    view.FieldUpDate(false);
    EXPECT_EQ(log, (std::vector<QRect>{Square(210, 210), Square(210, 210)}));
    EXPECT_TRUE(ShowsImBlack(Square(210, 210)));
}

TEST_F(IncrementalTest, FullRedrawLeavesTheShownCopiesAlone) {
    const Board shown = view.ShownBoard;
    game.st.board.at(2, 2).Color = game.st.board.at(2, 2).Color == 4 ? 5 : 4;
    game.st.nexts.at(SideBottom, 2, 2) = game.st.nexts.at(SideBottom, 2, 2) == 1 ? 2 : 1;
    view.FieldUpDate(true);
    EXPECT_EQ(std::memcmp(&shown, &view.ShownBoard, sizeof(Board)), 0);
    log.clear();
    view.FieldUpDate(false);
    EXPECT_EQ(log.size(), 2u);
}

// What is on screen belongs to each view: one view's redraw must not make another
// view believe its own surface is up to date.
TEST_F(IncrementalTest, EachViewKeepsItsOwnShownCopies) {
    Surface other;
    other.Resize(1024, 768);
    FieldView second{other, skin, game.st, hover};
    second.FieldLeft = FL;
    second.FieldTop = FT;
    second.FieldUpDate(false);
    other.TakeDirty();
    std::vector<QRect> otherLog;
    other.SetRecorder(&otherLog);

    game.st.board.at(3, 8).Color = game.st.board.at(3, 8).Color == 2 ? 6 : 2;
    game.st.nexts.at(SideRight, 9, 0) = game.st.nexts.at(SideRight, 9, 0) == 1 ? 3 : 1;
    view.FieldUpDate(false);
    second.FieldUpDate(false);
    const std::vector<QRect> both{Square(150, 300), Square(390, 330)};
    EXPECT_EQ(log, both);
    EXPECT_EQ(otherLog, both);
    EXPECT_TRUE(
        ShowsRegion(other.image(), Square(150, 300), SheetBricks, QRect(0, 30 * (game.st.board.at(3, 8).Color - 1), 30, 30)));
    other.SetRecorder(nullptr);
}

TEST(SmallSkinTest, RegionsOutsideASmallImageDrawNothing) {
    Skin skin;
    skin.skn = QStringList{"small"};
    skin.br = CodedImage(SheetBricks, 20, 20);
    skin.citems = CodedImage(SheetIcons, 10, 10);
    skin.pictograms = CodedImage(SheetPictograms, 3, 3);
    skin.BackgroundTile = CodedImage(SheetTile, 1, 1);
    Surface surface;
    surface.Resize(1024, 768);
    surface.Fill(QRect(0, 0, 1024, 768), qRgb(0, 0, 255));
    GameState st;
    HoverState hover;
    FieldView view(surface, skin, st, hover);
    view.FieldLeft = FL;
    view.FieldTop = FT;
    st.board.at(1, 1) = Cell{1, 0, 0};
    st.board.at(2, 1) = Cell{5, 2, 0};
    st.board.at(3, 1) = Cell{-1, 0, 0};
    for (int x = 1; x <= 3; ++x) view.DrawBrick(x, 1);
    view.DrawIcons();
    view.DrawButtons();
    const QImage& p = surface.image();
    EXPECT_TRUE(ShowsRegion(p, QRect(FL + 90, FT + 90, 20, 20), SheetBricks, QRect(0, 0, 20, 20)));
    EXPECT_EQ(p.pixel(FL + 110, FT + 90), qRgb(0, 0, 255));  // past the sheet's right edge
    EXPECT_EQ(p.pixel(FL + 90, FT + 110), qRgb(0, 0, 255));
    EXPECT_EQ(p.pixel(FL + 125, FT + 95), qRgb(0, 0, 255));  // colour 5 lies wholly outside
    EXPECT_NE(p.pixel(FL + 150, FT + 90), qRgb(0, 0, 255));  // exploding colour 1 drawn from its corner
    EXPECT_EQ(p.pixel(FL + 175, FT + 115), qRgb(0, 0, 255));
    EXPECT_EQ(p.pixel(FL, FT), qRgb(0, 0, 255));  // the normal icons' rows lie far below
    EXPECT_EQ(p.pixel(FL + 490, FT + 90), qRgb(0, 0, 255));
    view.PaintAll();  // with a 1 x 1 tile and tiny sheets
    EXPECT_EQ(Decode(p.pixel(0, 0)), (Decoded{SheetTile, 0, 0}));
    EXPECT_EQ(p.pixel(1, 1), qRgb(0, 0, 255));
}

TEST(ClippedFieldTest, FieldPartlyOffTheSurfaceIsClipped) {
    CodedSkinDir coded;
    Skin skin;
    coded.LoadInto(skin);
    Surface surface;
    surface.Resize(320, 240);
    GameState st;
    for (int x = 1; x <= 10; ++x)
        for (int y = 1; y <= 10; ++y) st.board.at(x, y) = Cell{int8_t(1 + (x + y) % 10), uint8_t(x % 5), 0};
    for (int s = 1; s <= 4; ++s)
        for (int l = 1; l <= 10; ++l)
            for (int k = 0; k < 4; ++k) st.nexts.at(s, l, k) = uint8_t(1 + (s + l + k) % 10);
    HoverState hover;
    FieldView view(surface, skin, st, hover);
    view.FieldLeft = -100;  // a screen smaller than the field
    view.FieldTop = -120;
    view.PaintAll();
    // Cell (1, 5) straddles the left edge: its right 20 columns show.
    const Cell c = st.board.at(1, 5);
    EXPECT_TRUE(
        ShowsRegion(surface.image(), QRect(0, 90, 20, 30), SheetBricks, QRect(30 * c.Dir + 10, 30 * (c.Color - 1), 20, 30)));
    EXPECT_EQ(surface.TakeDirty(), QRegion(0, 0, 320, 240));
}

TEST(SurfaceTest, CopiesAreOpaqueWhateverTheSourceFormat) {
    Surface surface;
    surface.Resize(50, 50);
    surface.Fill(QRect(0, 0, 50, 50), qRgb(0, 0, 255));
    QImage clear(10, 10, QImage::Format_ARGB32);
    clear.fill(qRgba(200, 100, 50, 0));
    surface.Copy(clear, QRect(0, 0, 10, 10), QRect(0, 0, 10, 10));
    EXPECT_EQ(surface.image().pixel(5, 5), qRgb(200, 100, 50));

    QImage rgb = CodedImage(SheetIcons, 10, 10).convertToFormat(QImage::Format_RGB888);
    surface.Copy(rgb, QRect(5, 5, 10, 10), QRect(20, 20, 10, 10));  // half of it lies outside the image
    EXPECT_TRUE(ShowsRegion(surface.image(), QRect(20, 20, 5, 5), SheetIcons, QRect(5, 5, 5, 5)));
    EXPECT_EQ(surface.image().pixel(26, 21), qRgb(0, 0, 255));
    EXPECT_EQ(surface.image().pixel(21, 26), qRgb(0, 0, 255));
}

TEST(SurfaceTest, ScaledCopyDrawsOnlyWhatTheSourceHolds) {
    Surface surface;
    surface.Resize(50, 50);
    surface.Fill(QRect(0, 0, 50, 50), qRgb(0, 0, 255));
    surface.TakeDirty();
    const QImage src = CodedImage(SheetIcons, 10, 10);
    surface.Copy(src, QRect(5, 0, 10, 10), QRect(0, 0, 20, 20));  // doubled; the right half has no source
    EXPECT_EQ(Decode(surface.image().pixel(0, 0)), (Decoded{SheetIcons, 5, 0}));
    EXPECT_EQ(Decode(surface.image().pixel(9, 19)), (Decoded{SheetIcons, 9, 9}));
    EXPECT_EQ(surface.image().pixel(10, 0), qRgb(0, 0, 255));
    EXPECT_EQ(surface.TakeDirty(), QRegion(0, 0, 10, 20));
}

}  // namespace
}  // namespace tesseron
