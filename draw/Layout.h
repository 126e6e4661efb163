// Every size, position, sheet region and skin line number of the game, written
// once. The drawing, the pointer handlers, the asset generator and the tests all
// read them from here. Positions on the game window are relative to the field's
// top-left corner unless their name says otherwise.
#pragma once

#include "game/Limits.h"

namespace tesseron::layout {

// A rectangle as left, top, right, bottom. For drawing and sheet regions right and
// bottom are exclusive; pointer regions say how they are tested (Bounds).
struct Box {
    int left, top, right, bottom;
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr Box shifted(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
};

// Strict: left < X < right and top < Y < bottom. Inclusive: both edges belong to it.
enum class Bounds { Strict, Inclusive };

constexpr bool Inside(const Box& b, Bounds kind, int x, int y) {
    return kind == Bounds::Strict ? b.left < x && x < b.right && b.top < y && y < b.bottom
                                  : b.left <= x && x <= b.right && b.top <= y && y <= b.bottom;
}

// --- Sizes -----------------------------------------------------------------

constexpr int Brick = 30;                        // a cell and a brick, square
constexpr int FieldSize = 480;                   // the square field: zone plus periphery
constexpr int Periphery = 90;                    // three layers of bricks, and the corner icons
constexpr int Zone = FieldSize - 2 * Periphery;  // the central 10 x 10 cells
constexpr int TileStep = 100;                    // background tiles repeat at this step
constexpr int IconSize = 90;

// The field is centred: (screen side - 480) / 2, truncated toward zero.
constexpr int FieldOffset(int screenSide) { return (screenSide - FieldSize) / 2; }

// --- The game window ---------------------------------------------------------

// Central cell (x, y), x and y 1..10.
constexpr int CellLeft(int x) { return 2 * Brick + Brick * x; }
constexpr int CellTop(int y) { return 2 * Brick + Brick * y; }

// Periphery brick of a side (1 right, 2 top, 3 left, 4 bottom), lane 1..10, layer 1..3.
struct Point {
    int x, y;
};
constexpr Point NextAt(int side, int lane, int layer) {
    switch (side) {
    case 1: return {Brick * (layer + 12), Brick * (lane + 2)};
    case 2: return {Brick * (lane + 2), Brick * (3 - layer)};
    case 3: return {Brick * (3 - layer), Brick * (lane + 2)};
    default: return {Brick * (lane + 2), Brick * (layer + 12)};
    }
}

// Corner icons in the order new game, hall of fame, help, options.
constexpr int IconCount = 4;
constexpr Box CornerIcon[IconCount] = {
    {0, 0, Periphery, Periphery},
    {FieldSize - Periphery, 0, FieldSize, Periphery},
    {0, FieldSize - Periphery, Periphery, FieldSize},
    {FieldSize - Periphery, FieldSize - Periphery, FieldSize, FieldSize},
};
// The periphery strips between the corners, in the order left, right, top, bottom.
constexpr Box LeftStrip{0, Periphery, Periphery, FieldSize - Periphery};
constexpr Box RightStrip{FieldSize - Periphery, Periphery, FieldSize, FieldSize - Periphery};
constexpr Box TopStrip{Periphery, 0, FieldSize - Periphery, Periphery};
constexpr Box BottomStrip{Periphery, FieldSize - Periphery, FieldSize - Periphery, FieldSize};

// Side buttons undo, minimise, load/save, quit: where each is drawn, its sheet
// regions, and the slightly different rectangles that take presses and hovers.
// The minimise and quit pictures sit one and two pixels apart between their two
// versions; quit is drawn 41 wide from a 40-wide picture.
struct SideButton {
    Box drawn, highlighted, normal, press, hover;
};
constexpr int ButtonCount = 4;
constexpr SideButton Buttons[ButtonCount] = {
    {{490, 90, 532, 131}, {6, 9, 48, 50}, {6, 65, 48, 106}, {500, 90, 543, 130}, {490, 90, 532, 131}},
    {{490, 173, 552, 214}, {55, 9, 117, 50}, {54, 65, 116, 106}, {495, 173, 551, 218}, {490, 173, 532, 214}},
    {{490, 256, 531, 297}, {122, 9, 163, 50}, {122, 65, 163, 106}, {504, 256, 539, 306}, {490, 256, 531, 297}},
    {{490, 341, 531, 382}, {171, 9, 211, 50}, {169, 65, 209, 106}, {499, 341, 546, 389}, {490, 341, 531, 382}},
};

// What a press on the game window does, tested in this order; every region that
// holds the pointer acts (they do not overlap).
enum class Command {
    Undo,
    Minimize,
    LoadSave,
    Quit,
    NewGame,
    Scores,
    Rules,
    Options,
    LaunchLeft,
    LaunchRight,
    LaunchTop,
    LaunchBottom
};
struct Region {
    Box box;
    Bounds bounds;
    Command command;
};
constexpr Region PressRegions[] = {
    {Buttons[0].press, Bounds::Inclusive, Command::Undo},     {Buttons[1].press, Bounds::Inclusive, Command::Minimize},
    {Buttons[2].press, Bounds::Inclusive, Command::LoadSave}, {Buttons[3].press, Bounds::Inclusive, Command::Quit},
    {CornerIcon[0], Bounds::Strict, Command::NewGame},        {CornerIcon[1], Bounds::Strict, Command::Scores},
    {CornerIcon[2], Bounds::Strict, Command::Rules},          {CornerIcon[3], Bounds::Strict, Command::Options},
    {LeftStrip, Bounds::Strict, Command::LaunchLeft},         {RightStrip, Bounds::Strict, Command::LaunchRight},
    {TopStrip, Bounds::Strict, Command::LaunchTop},           {BottomStrip, Bounds::Strict, Command::LaunchBottom},
};
// Hovers: the side buttons by their hover rectangles (inclusive), the icons by their
// areas (strict).
constexpr Bounds ButtonHoverBounds = Bounds::Inclusive;
constexpr Bounds IconHoverBounds = Bounds::Strict;
// The lane under the pointer (field coordinates) on a strip along x or along y.
constexpr int LaneAlong(int offset) { return (offset - Periphery) / Brick + 1; }

constexpr Point ScoreLabel{495, 35};  // top-left corner of the score
constexpr Point ClockLabel{8, 8};     // of the window, not of the field

// --- Sheets ------------------------------------------------------------------

// Brick of colour 1..10 with arrow 0..4 (plain, right, up, left, down).
constexpr Box BrickRegion(int colour, int dir) {
    return {Brick * dir, Brick * (colour - 1), Brick * dir + Brick, Brick * colour};
}
constexpr int BrickColours = 10;
constexpr int BrickColumns = 5;

// Icon sheet: command icons highlighted in rows 0..179, normal 180 lower; the
// back icon of the full-screen windows in the last row, highlighted left.
constexpr int IconHighlighted = 0;
constexpr int IconNormal = 180;
constexpr Box IconRegion(int icon, int offset) {
    const int x = IconSize * (icon % 2), y = offset + IconSize * (icon / 2);
    return {x, y, x + IconSize, y + IconSize};
}
constexpr int BackIconTop = 360;
constexpr int BackIconHighlighted = 0;  // CloseIconX while the pointer is on it
constexpr int BackIconNormal = 90;
constexpr Box BackIconRegion(int closeIconX) { return {closeIconX, BackIconTop, closeIconX + IconSize, BackIconTop + IconSize}; }
constexpr Box CloseIcon{0, 0, IconSize, IconSize};  // on the full-screen windows
// The close icon takes the pointer at x < 90 and y < 90 of its window.
constexpr bool InCloseIcon(int x, int y) { return x < IconSize && y < IconSize; }

// Pictures of the options window on the pictogram sheet.
constexpr Box ColourStripPicture{8, 115, 208, 144};
constexpr Box ColourMarkerPicture{46, 152, 56, 162};
constexpr Box SwitchOnPicture{238, 55, 268, 77};
constexpr Box SwitchOffPicture{273, 55, 303, 77};
constexpr Box FolderPicture{237, 89, 278, 130};

// Smallest sheet sizes that hold every region cut from them.
struct Size {
    int width, height;
};
constexpr Size TileSheet{TileStep, TileStep};
constexpr Size BrickSheet{Brick * BrickColumns, Brick* BrickColours};
constexpr Size IconSheet{2 * IconSize, BackIconTop + IconSize};
constexpr Size PictogramSheet{SwitchOffPicture.right + 1, ColourMarkerPicture.bottom + 1};

// --- Bitmap fonts ------------------------------------------------------------

// Fonts 1..3; index 0 is unused.
constexpr int FontAdvance[4] = {0, 20, 30, 20};
constexpr int FontHeight[4] = {0, 30, 45, 30};
constexpr int FontGlyphs[4] = {0, 50, 26, 10};
constexpr int TitleTop = 5;  // y of the titles of the full-screen windows
// The full-screen windows lay their content out on a 640-wide column centred on the screen.
constexpr int ColumnWidth = 640;
constexpr int ColumnOffset(int screenWidth) { return (screenWidth - ColumnWidth) / 2; }
// A translated title, drawn from `left` on the screen, may run to the column's right edge.
constexpr int TitleRoom(int screenWidth, int left) { return ColumnOffset(screenWidth) + ColumnWidth - left; }

// --- The keyboard's focus frame ------------------------------------------------------

constexpr int FocusFrameWidth = 3;      // two white pixels and a dark one, round a control
constexpr int FocusWordsClearance = 2;  // between a link's words and the frame's dark line

// --- Skin description ----------------------------------------------------------

// Lines naming the seven bitmaps, in loading order: tile, bricks, icons,
// pictograms, glyph strips 1, 2 and 3.
constexpr int SkinImageCount = 7;
constexpr int SkinLines[SkinImageCount] = {4, 6, 8, 10, 13, 15, 17};
constexpr int SkinDescriptionLines = SkinLines[SkinImageCount - 1] + 1;

// --- Hall of fame ----------------------------------------------------------------

constexpr int FameRanks = 5;
constexpr int FameTitleLeft = 140;  // from the left edge of the content column
// Rank 1..5: the name's y on the window; its score sits FameScoreDrop lower.
constexpr int FameNameTop(int rank) { return 90 + 80 * (rank - 1); }
constexpr int FameScoreDrop = 35;

// --- Options window ----------------------------------------------------------------

// The layout's origin L, T on a screen of this size, truncated toward zero.
constexpr int OptionsLeftOf(int screenWidth) { return (screenWidth - 640) / 2; }
constexpr int OptionsTopOf(int screenHeight) { return (screenHeight - 400) / 2 + 80; }

// Everything below is relative to (L, T) unless its name says otherwise.
constexpr int OptionsTitleLeft = 125;  // at y TitleTop of the window
constexpr Point ColoursCaption{0, 0};
constexpr Point SoundsCaption{0, 60};
constexpr Point MusicCaption{0, 100};
constexpr Point SkinCaption{0, 160};

// The strip offers every count the game plays.
constexpr int MinColours = MinColors;
constexpr int MaxColours = MaxColors;
// Marker x and hit-zone left x for 5..10 colours, from the strip's left edge.
constexpr int ColorMarkX[MaxColours - MinColours + 1] = {10, 40, 72, 106, 137, 172};
constexpr int ColorZoneX[MaxColours - MinColours + 1] = {1, 32, 66, 102, 135, 178};
constexpr int ColorZoneWidth = 26;

constexpr Box ColourStrip{340, -3, 540, 26};     // drawn
constexpr Box ColourStripHit{340, -3, 545, 33};  // inclusive; the zones then decide
constexpr Box ColourMarker(int colours) {
    const int m = ColorMarkX[colours - MinColours];
    return {340 + m, 14, 350 + m, 24};
}
// Strict on x: a pointer on a zone's edge, or between zones, selects nothing.
constexpr bool InColourZone(int colours, int dx) {
    const int left = ColourStrip.left + ColorZoneX[colours - MinColours];
    return left < dx && dx < left + ColorZoneWidth;
}

// A count's zone as one control the whole height of the strip: where the keyboard's
// frame goes and what a screen reader points at.
constexpr Box ColourZone(int colours) {
    const int left = ColourStrip.left + ColorZoneX[colours - MinColours];
    return {left, ColourStrip.top, left + ColorZoneWidth, ColourStrip.bottom};
}

constexpr Box SoundSwitch{340, 57, 370, 79};
constexpr Box MusicSwitch{340, 97, 370, 119};
constexpr Box MusicFileIcon{470, 100, 511, 141};
constexpr Box SkinIcon{340, 160, 381, 201};
// A translated caption ends where the control of its row begins; every row's starts at 340.
constexpr int OptionsCaptionRoom = SoundSwitch.left - SoundsCaption.x;
static_assert(ColourStrip.left == OptionsCaptionRoom && MusicSwitch.left == OptionsCaptionRoom &&
              SkinIcon.left == OptionsCaptionRoom && ColoursCaption.x == 0 && MusicCaption.x == 0 && SkinCaption.x == 0);

// What a press on the options window does after the colour selection, in this
// order; the close icon (InCloseIcon, window coordinates) is tested last.
enum class OptionsCommand { MusicFile, Skin, Sounds, Music };
struct OptionsRegion {
    Box box;
    Bounds bounds;
    OptionsCommand command;
};
constexpr OptionsRegion OptionsPressRegions[] = {
    {{470, 100, 535, 132}, Bounds::Inclusive, OptionsCommand::MusicFile},
    {{340, 160, 405, 192}, Bounds::Inclusive, OptionsCommand::Skin},
    {{340, 57, 452, 93}, Bounds::Inclusive, OptionsCommand::Sounds},
    {{340, 97, 452, 133}, Bounds::Inclusive, OptionsCommand::Music},
};
constexpr Bounds ColourStripBounds = Bounds::Inclusive;

}  // namespace tesseron::layout
