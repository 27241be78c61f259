#pragma once

#include <opencv2/core.hpp>

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "effects/EffectBase.h"
#include "effects/EffectDescriptor.h"
#include "effects/EffectEventSink.h"
#include "effects/FaceFollowing.h"
#include "effects/PaintCanvas.h"

namespace effects {

// What the engine tells the window. The window must post each notice to itself (a queued
// invocation) and handle it after the current event: the engine calls these on the thread of
// the operation that caused them (the window's thread for selection changes, the rendering
// thread for endings), after it has released its lock. Calling the engine back from inside
// them is safe, but handling them there would run window code in the middle of an engine
// operation of the caller.
class EngineEvents {
public:
    virtual ~EngineEvents() = default;
    // The selection changed; read it with SelectedIndex().
    virtual void SelectionChanged() = 0;
    // A play-once effect passed its last frame and became inactive. `effectPath` is the path
    // it was loaded from, in full.
    virtual void EffectEnded(const std::string& effectPath) = 0;
};

// Owns the effects the user chose, in drawing order (the last is on top), and the paint
// canvas; selects, moves and resizes them by the mouse and renders them onto frames.
//
// Every operation takes the engine's lock, and Render holds it for the whole frame, so one
// thread may render while another manipulates. Notices to EngineEvents are gathered under the
// lock and delivered after it is released.
class EffectEngine : private EffectEventSink {
public:
    // Selected index values besides an index into the list.
    static constexpr int kNothingSelected = -1;
    static constexpr int kCanvasSelected = -2;
    // manipulationMode values.
    static constexpr int kIdle = 0;
    static constexpr int kSelected = 1;
    static constexpr int kMoving = 2;
    static constexpr int kResizing = 3;
    // Effects are not resized below this side.
    static constexpr int kMinimumSide = 11;

    // A copy of what an effect shows to the outside, taken under the lock.
    struct ItemInfo {
        int kind = 0;
        EffectRect rect;
        bool active = false;
        bool selected = false;
        std::optional<int> filterKind;  // filter effects only
        std::string path;
    };

    // An engine for frames of frameWidth x frameHeight, with an empty list and a canvas of the
    // frame's size on which painting is enabled. `events` (may be null) must outlive the engine.
    EffectEngine(int frameWidth, int frameHeight, EngineEvents* events = nullptr);
    ~EffectEngine() override;
    EffectEngine(const EffectEngine&) = delete;
    EffectEngine& operator=(const EffectEngine&) = delete;

    // Reads the effect file at `path` and inserts the effect it describes: at the end for
    // index -1, before the effect at `index` for 0 <= index < count. True when an effect was
    // added; a file that holds no usable effect, or another index, adds nothing.
    bool LoadEffectFile(const std::string& path, int index);
    // Decodes the descriptor's picture into `effect` and sizes and places it for this engine's
    // frames (see effects/EffectLoader.h).
    bool LoadImageInto(EffectBase& effect, const EffectDescriptor& descriptor, int kind) const;

    // Selection. Only active effects can be selected, found by name or hit; overlays never.
    bool Select(int index);
    bool SelectByName(const std::string& path);
    void ClearSelection();
    int SelectedIndex() const;
    int ManipulationMode() const;
    // The window sets 1 after selecting by name, so that the next press can move or resize.
    void SetManipulationMode(int mode);
    int ResizeZone() const;

    // Deactivation: the effect stays in the list but is no longer drawn, hit or selectable.
    // Deactivating the selected effect ends the manipulation and clears the selection.
    void DeactivateByName(const std::string& path);
    void DeactivateAll();

    // -2 gives the canvas; an index of the list its effect; anything else null. The object
    // lives as long as the engine, but its state may only be read while no Render runs; prefer
    // Describe from another thread than the renderer's.
    EffectBase* GetItem(int index);
    int EffectCount() const;
    std::optional<ItemInfo> Describe(int index) const;

    // Hit tests: the index under the point (-2 for the canvas while painting is enabled, else
    // the topmost active effect hit, else -1), and the HandleZone of the point on the selected
    // item (0 when nothing is selected).
    int HitTestAll(int x, int y) const;
    int HitTestSelected(int x, int y) const;
    // Moves (mode 2) or resizes (mode 3) the selected item by the mouse point.
    bool DragMove(int x, int y);
    bool DragResize(int x, int y);

    // The mouse over the frame, in frame pixels: press, pointer motion and release. A press
    // outside the frame is ignored.
    void MouseDown(int x, int y);
    void MouseMove(int x, int y);
    void MouseUp();

    // Paint settings, kept by the canvas.
    void SetPaintMode(bool enabled);
    bool PaintMode() const;
    // Widths outside 1..PaintCanvas::kMaxBrushWidth are refused.
    bool SetBrushWidth(int width);
    void SetBrushColour(int red, int green, int blue);
    void SetEraser(bool eraser);
    void ClearPaint();

    // Draws every active effect in list order and then the canvas onto `frame`, an 8-bit BGR
    // frame of the engine's frame size; drawSelection shows the selection border. False, with
    // the frame unchanged, for any other frame.
    bool Render(cv::Mat& frame, bool drawSelection);

    // Whether Render would change a frame: an active effect, paint on the canvas, or a stroke
    // under way. A caller may skip Render, and the frame it would draw on, when it would not.
    bool HasWork() const;
    // The selection border for a frame rendered without it: whether there is one to draw, and
    // drawing it onto `frame` (of the engine's frame size) over everything rendered.
    bool ShowsSelectionBorder() const;
    void DrawSelectionBorder(cv::Mat& frame) const;

    // Face following. An effect that follows the face is placed on a face by every FollowFaces
    // as it was authored around the reference face (see effects/FaceFollowing.h); with no face
    // in view it stays where it was last. Switching applies to the last active effect loaded
    // from `path` that has a rectangle; false when there is none.
    bool SetFollowsFace(const std::string& path, bool follows);
    // Whether that effect follows the face; nothing when it cannot (none loaded from `path` is
    // active, or it has no rectangle, as a filter has not).
    std::optional<bool> FollowsFace(const std::string& path) const;
    // Whether any active effect follows the face; the road tracks faces only then.
    bool HasFollowers() const;
    // Places the following effects on `faces`: each keeps to the face it was on (by identity,
    // else the nearest to where it last was).
    void FollowFaces(const std::vector<TrackedFace>& faces);

    cv::Size FrameSize() const { return frameSize_; }

    // A new engine for frames of `frameSize` that carries this engine's effects over: loaded
    // afresh from their files for the new size, in their order, active or not, following the
    // face or not, each at the same place and size relative to the frame; the paint layer and the
    // brush scaled with the frame. The selection is not carried over.
    std::unique_ptr<EffectEngine> RebuiltFor(cv::Size frameSize, EngineEvents* events) const;

private:
    // How an effect follows the face.
    struct Following {
        bool on = false;
        cv::Rect2d authored;            // its rectangle around the reference face
        int faceId = 0;                 // the tracked face it keeps to, 0 for none yet
        std::optional<cv::Rect2d> face; // the face it was last placed on
    };
    struct Entry {
        std::unique_ptr<EffectBase> effect;
        std::string path;  // in full; the effect's own name may be cut short
        Following following;
    };
    struct Notice {
        bool ended = false;  // an ending; otherwise a selection change
        std::string path;
    };
    class Session;

    // EffectEventSink: an effect being rendered has ended.
    void EffectEnded(const std::string& effectPath) override;

    // The operations proper; the lock is held by the caller.
    bool DoSelect(int index);
    void DoClearSelection();
    void DoDeactivate(Entry& entry);
    const EffectBase* DoGetItem(int index) const;
    int DoHitTestAll(int x, int y) const;
    int DoHitTestSelected(int x, int y) const;
    bool DoDragMove(int x, int y);
    bool DoDragResize(int x, int y);
    void SetCanvasSelected(bool selected);
    // The entry of the last active effect loaded from `path`, or null.
    Entry* FindActive(const std::string& path);
    const Entry* FindActive(const std::string& path) const;
    // After the mouse moved or resized a following effect: where it now stands on its face.
    void KeepUsersPlaceOnFace(Entry& entry);

    const cv::Size frameSize_;
    EngineEvents* const events_;
    mutable std::mutex mutex_;
    std::vector<Entry> effects_;
    PaintCanvas canvas_;
    int manipulationMode_ = kIdle;
    int resizeZone_ = kZoneOutside;
    cv::Point lastMouse_{0, 0};
    int selectedIndex_ = kNothingSelected;
    std::vector<Notice> pending_;
    bool endedDuringApply_ = false;
};

}  // namespace effects
