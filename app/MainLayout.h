#pragma once

// The main window's layout as one table: every control with its place, size, visibility, skin
// picture set and tooltip. The window creates and places its controls from it, and the skin
// generator draws each button's pictures for the place the table gives. Plain data, no Qt, so
// both can read it.

#include <array>
#include <string_view>

namespace app {

enum ControlId : int {
    kThumbnailGrid = 1000,
    kCategoryList = 1001,
    kPreview = 1002,
    kEffectsTable = 1003,
    kDeleteEffect = 1004,
    kRemoveAllEffects = 1005,
    kWebcamSource = 1007,
    kBrush = 1009,
    kEffectMode = 1011,
    kPaintMode = 1012,
    kErase = 1013,
    kClearPaint = 1014,
    kTray = 1015,
    kMinimize = 1016,
    kClose = 1017,
    kColour = 1021,
    kHome = 1024,
    kBrush1 = 1025,
    kBrush2 = 1026,
    kBrush3 = 1027,
    kBrush4 = 1028,
    kBrush5 = 1029,
    kBrush6 = 1030,
    kRecord = 1036,
    kStopRecord = 1037,
    kRecordingsList = 1038,
    kClock = 1039,
    kBrowseFolder = 1040,
    kOpenFolder = 1041,
    kFolderEdit = 1042,
    kSnap = 1043,
    kStudioToggle = 1044,
    kRecordingsTab = 1045,
    kEffectsTab = 1046,
    kVirtualCamera = 1047,
};

// The window's two layouts. Classic is the 510-pixel recorder; the studio widens the window to
// show the effect browser, the paint tools, the mode buttons and the current effects beside it.
enum class LayoutMode { Classic, Studio };

enum class ControlKind {
    HoverButton,
    Preview,
    EffectsTable,    // the current effects, a table of thumbnail buttons
    RecordingsList,  // the recordings made in this run
    ClockEdit,       // read-only edit showing the recording clock
    FolderEdit,      // hidden edit holding the output folder
    CategoryList,    // the effect categories
    ThumbnailGrid,   // the thumbnails of the chosen category
};

struct LayoutEntry {
    int id;
    ControlKind kind;
    int x, y, width, height;
    bool shownAtStart;
    std::string_view skinBase;  // pictures skinBase + "_normal.bmp", "_hover.bmp", "_click.bmp"
    int tooltipId;              // string table number, 0 for none
};

// In the order the controls are placed; later rows lie above earlier ones where they overlap.
// The record and Effect buttons share one place, and so do the stop and Paint buttons; the
// effect browser and the paint tools lie beyond the classic window's width. The studio places
// below say where the studio puts what shares a place.
inline constexpr auto kMainLayout = std::to_array<LayoutEntry>({
    {kRecordingsList, ControlKind::RecordingsList, 15, 490, 480, 125, true, "", 0},
    {kTray, ControlKind::HoverButton, 425, 4, 20, 20, true, "tray", 0},
    {kMinimize, ControlKind::HoverButton, 447, 4, 20, 20, true, "mini", 0},
    {kClose, ControlKind::HoverButton, 469, 4, 20, 20, true, "close", 0},
    {kWebcamSource, ControlKind::HoverButton, 11, 32, 54, 47, true, "webcam", 102},
    {kEffectMode, ControlKind::HoverButton, 77, 32, 54, 47, false, "effect", 0},
    {kPaintMode, ControlKind::HoverButton, 143, 32, 54, 47, false, "paint", 0},
    {kRecord, ControlKind::HoverButton, 77, 32, 54, 47, true, "record", 103},
    {kStopRecord, ControlKind::HoverButton, 143, 32, 54, 47, true, "record_stop", 104},
    {kSnap, ControlKind::HoverButton, 209, 32, 54, 47, true, "snap", 108},
    {kHome, ControlKind::HoverButton, 275, 32, 54, 47, true, "home", 107},
    {kStudioToggle, ControlKind::HoverButton, 341, 32, 54, 47, true, "studio", 109},
    {kPreview, ControlKind::Preview, 16, 101, 480, 360, true, "", 0},
    {kEffectsTable, ControlKind::EffectsTable, 15, 490, 415, 125, false, "", 0},
    {kDeleteEffect, ControlKind::HoverButton, 441, 499, 52, 27, false, "delete", 0},
    {kRemoveAllEffects, ControlKind::HoverButton, 441, 555, 52, 27, false, "removeall", 0},
    {kCategoryList, ControlKind::CategoryList, 520, 100, 120, 428, true, "", 0},
    {kThumbnailGrid, ControlKind::ThumbnailGrid, 647, 100, 287, 428, true, "", 0},
    {kBrush, ControlKind::HoverButton, 529, 546, 28, 28, true, "brush", 0},
    {kErase, ControlKind::HoverButton, 564, 584, 28, 28, true, "erase", 0},
    {kClearPaint, ControlKind::HoverButton, 564, 546, 28, 28, true, "clearpaint", 0},
    {kColour, ControlKind::HoverButton, 529, 584, 28, 28, true, "color", 0},
    {kBrush1, ControlKind::HoverButton, 636, 585, 28, 28, true, "brush1", 0},
    {kBrush2, ControlKind::HoverButton, 671, 585, 28, 28, true, "brush2", 0},
    {kBrush3, ControlKind::HoverButton, 706, 585, 28, 28, true, "brush3", 0},
    {kBrush4, ControlKind::HoverButton, 741, 585, 28, 28, true, "brush4", 0},
    {kBrush5, ControlKind::HoverButton, 776, 585, 28, 28, true, "brush5", 0},
    {kBrush6, ControlKind::HoverButton, 811, 585, 28, 28, true, "brush6", 0},
    {kClock, ControlKind::ClockEdit, 130, 625, 92, 20, true, "", 0},
    {kOpenFolder, ControlKind::HoverButton, 230, 625, 92, 20, true, "open_folder", 0},
    {kBrowseFolder, ControlKind::HoverButton, 330, 625, 92, 20, true, "change_folder", 0},
    {kFolderEdit, ControlKind::FolderEdit, 90, 510, 270, 20, false, "", 0},
    {kRecordingsTab, ControlKind::HoverButton, 15, 466, 92, 20, false, "tab_recordings", 0},
    {kEffectsTab, ControlKind::HoverButton, 111, 466, 92, 20, false, "tab_effects", 0},
    {kVirtualCamera, ControlKind::HoverButton, 407, 32, 54, 47, false, "vcam", 0},
});

// The studio's window width: the thumbnail grid's right edge plus the classic right margin.
inline constexpr int kStudioWidth = 945;

// Where the studio moves or shows a control; every other control keeps its classic row. The
// mode buttons and the virtual camera's switch take the top band above the browser, and two tabs
// under the preview switch the place below it between the recordings list and the
// current-effects table with its buttons.
struct StudioPlace {
    int id;
    int x, y;
    bool shown;
};
inline constexpr auto kStudioPlaces = std::to_array<StudioPlace>({
    {kEffectMode, 520, 32, true},
    {kPaintMode, 586, 32, true},
    {kRecordingsTab, 15, 466, true},
    {kEffectsTab, 111, 466, true},
    {kVirtualCamera, 407, 32, true},
});

// The studio's row for `id`, or nullptr when the control keeps its classic place.
constexpr const StudioPlace* FindStudioPlace(int id) {
    for (const StudioPlace& place : kStudioPlaces)
        if (place.id == id) return &place;
    return nullptr;
}

// Item sizes of the thumbnail grid and of the current-effects table.
inline constexpr int kThumbnailItemWidth = 80, kThumbnailItemHeight = 60;
inline constexpr int kEffectsTableItemWidth = 370, kEffectsTableItemHeight = 31;

// The painted texts: the title's top left corner, the status line's top left corner, and the
// rectangle repainted when the status changes.
inline constexpr int kTitleX = 20, kTitleY = 6;
inline constexpr int kStatusX = 20, kStatusY = 657;
inline constexpr int kStatusAreaLeft = 20, kStatusAreaTop = 650;
inline constexpr int kStatusAreaRight = 130, kStatusAreaBottom = 680;

// The row of `id`, or nullptr.
constexpr const LayoutEntry* FindLayoutEntry(int id) {
    for (const LayoutEntry& entry : kMainLayout)
        if (entry.id == id) return &entry;
    return nullptr;
}

}  // namespace app
