#include "effects/EffectEngine.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <limits>
#include <new>

#include "effects/EffectFile.h"
#include "effects/EffectLoader.h"
#include "effects/FilterEffect.h"

namespace effects {
namespace {

bool FitsInt(long long value) {
    return value >= INT_MIN && value <= INT_MAX;
}

int ClampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// How a resize by the mouse's step (dx, dy) changes the position and the size, for each
// grabbed zone from top (2) to bottom-right (9).
struct ResizeRule {
    int moveX;
    int moveY;
    int growWidth;
    int growHeight;
};
constexpr std::array<ResizeRule, 8> kResizeRules = {{
    {0, 1, 0, -1},   // top edge
    {0, 0, 0, 1},    // bottom edge
    {1, 0, -1, 0},   // left edge
    {0, 0, 1, 0},    // right edge
    {1, 1, -1, -1},  // top-left corner
    {0, 1, 1, -1},   // top-right corner
    {1, 0, -1, 1},   // bottom-left corner
    {0, 0, 1, 1},    // bottom-right corner
}};

// Runs `work`, turning an allocation failure inside it (OpenCV reports those by throwing) into
// a false result, so one effect cannot end the program or the frame road.
template <typename Work>
bool RunWithoutThrowing(Work&& work) {
    try {
        work();
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const cv::Exception&) {
        return false;
    }
}

}  // namespace

// Holds the engine's lock for one operation and delivers the notices the operation gathered
// once the lock is released, so a window that reacts at once cannot deadlock the engine.
class EffectEngine::Session {
public:
    explicit Session(EffectEngine& engine) : engine_(engine), lock_(engine.mutex_) {}
    ~Session() {
        std::vector<Notice> notices;
        notices.swap(engine_.pending_);
        lock_.unlock();
        if (!engine_.events_) return;
        for (const Notice& notice : notices) {
            if (notice.ended) {
                engine_.events_->EffectEnded(notice.path);
            } else {
                engine_.events_->SelectionChanged();
            }
        }
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

private:
    EffectEngine& engine_;
    std::unique_lock<std::mutex> lock_;
};

EffectEngine::EffectEngine(int frameWidth, int frameHeight, EngineEvents* events)
    : frameSize_(frameWidth, frameHeight), events_(events) {
    canvas_.Create(frameWidth, frameHeight, EffectKind::kPaintCanvas);
}

EffectEngine::~EffectEngine() = default;

bool EffectEngine::LoadEffectFile(const std::string& path, int index) {
    // Reading and decoding happen outside the lock, so a render is not held up by them.
    std::unique_ptr<EffectBase> effect;
    {
        EffectFile file;
        if (!file.Open(path, true)) return false;
        if (const EffectDescriptor* descriptor = file.ReadDescriptor()) {
            if (!RunWithoutThrowing([&] { effect = BuildEffect(*descriptor, frameSize_); }))
                effect.reset();
        }
        file.Close();
    }
    if (!effect) return false;
    effect->SetName(path);
    effect->SetEventSink(this);

    Session session(*this);
    const int count = static_cast<int>(effects_.size());
    if (index == -1) {
        index = count;
    } else if (index < 0 || index >= count) {
        return false;
    }
    effects_.insert(effects_.begin() + index, Entry{std::move(effect), path, {}});
    // The selection stays with the effect it was on.
    if (selectedIndex_ >= index) ++selectedIndex_;
    return true;
}

bool EffectEngine::LoadImageInto(EffectBase& effect, const EffectDescriptor& descriptor,
                                 int kind) const {
    return effects::LoadImageInto(effect, descriptor, kind, frameSize_);
}

bool EffectEngine::Select(int index) {
    Session session(*this);
    return DoSelect(index);
}

bool EffectEngine::SelectByName(const std::string& path) {
    Session session(*this);
    for (int i = static_cast<int>(effects_.size()) - 1; i >= 0; --i) {
        const Entry& entry = effects_[static_cast<size_t>(i)];
        if (entry.effect->IsActive() && entry.path == path) return DoSelect(i);
    }
    return DoSelect(kNothingSelected);
}

void EffectEngine::ClearSelection() {
    Session session(*this);
    DoClearSelection();
}

int EffectEngine::SelectedIndex() const {
    std::lock_guard lock(mutex_);
    return selectedIndex_;
}

int EffectEngine::ManipulationMode() const {
    std::lock_guard lock(mutex_);
    return manipulationMode_;
}

void EffectEngine::SetManipulationMode(int mode) {
    std::lock_guard lock(mutex_);
    if (mode >= kIdle && mode <= kResizing) manipulationMode_ = mode;
}

int EffectEngine::ResizeZone() const {
    std::lock_guard lock(mutex_);
    return resizeZone_;
}

void EffectEngine::DeactivateByName(const std::string& path) {
    Session session(*this);
    for (Entry& entry : effects_) {
        if (entry.effect->IsActive() && entry.path == path) {
            DoDeactivate(entry);
            return;
        }
    }
}

void EffectEngine::DeactivateAll() {
    Session session(*this);
    for (Entry& entry : effects_) entry.effect->SetActive(false);
    manipulationMode_ = kIdle;
    DoClearSelection();
}

EffectBase* EffectEngine::GetItem(int index) {
    std::lock_guard lock(mutex_);
    return const_cast<EffectBase*>(DoGetItem(index));
}

int EffectEngine::EffectCount() const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(effects_.size());
}

std::optional<EffectEngine::ItemInfo> EffectEngine::Describe(int index) const {
    std::lock_guard lock(mutex_);
    const EffectBase* item = DoGetItem(index);
    if (!item) return std::nullopt;
    ItemInfo info;
    info.kind = item->GetKind();
    const cv::Point position = item->Position();
    const cv::Size size = item->GetSize();
    info.rect = item->GetRect().value_or(EffectRect{position.x, position.y,
                                                    ClampToInt(1LL * position.x + size.width),
                                                    ClampToInt(1LL * position.y + size.height)});
    info.active = item->IsActive();
    info.selected = item->IsSelected();
    if (const auto* filter = dynamic_cast<const FilterEffect*>(item)) {
        info.filterKind = filter->settings.filterKind;
    }
    if (index >= 0) info.path = effects_[static_cast<size_t>(index)].path;
    return info;
}

int EffectEngine::HitTestAll(int x, int y) const {
    std::lock_guard lock(mutex_);
    return DoHitTestAll(x, y);
}

int EffectEngine::HitTestSelected(int x, int y) const {
    std::lock_guard lock(mutex_);
    return DoHitTestSelected(x, y);
}

bool EffectEngine::DragMove(int x, int y) {
    Session session(*this);
    return DoDragMove(x, y);
}

bool EffectEngine::DragResize(int x, int y) {
    Session session(*this);
    return DoDragResize(x, y);
}

void EffectEngine::MouseDown(int x, int y) {
    Session session(*this);
    if (x < 0 || y < 0 || x >= frameSize_.width || y >= frameSize_.height) return;
    if (manipulationMode_ == kMoving || manipulationMode_ == kResizing) return;
    if (manipulationMode_ == kIdle && DoSelect(DoHitTestAll(x, y))) manipulationMode_ = kSelected;

    // From here on as with an effect selected: take whatever lies under the point.
    DoClearSelection();
    DoSelect(DoHitTestAll(x, y));
    const int zone = DoHitTestSelected(x, y);
    if (zone == kZoneBody) {
        manipulationMode_ = kMoving;
    } else if (zone >= kZoneTop) {
        manipulationMode_ = kResizing;
        resizeZone_ = zone;
    } else {
        // Nothing selectable under the point: empty space, or an overlay on top.
        DoClearSelection();
        const int hit = DoHitTestAll(x, y);
        if (hit == kNothingSelected || !DoSelect(hit)) {
            manipulationMode_ = kIdle;
            return;
        }
        if (DoHitTestSelected(x, y) == kZoneBody) {
            manipulationMode_ = kMoving;
        } else {
            manipulationMode_ = kResizing;
            resizeZone_ = kZoneOutside;
        }
    }
    lastMouse_ = {x, y};
}

void EffectEngine::MouseMove(int x, int y) {
    Session session(*this);
    if (manipulationMode_ == kMoving) {
        DoDragMove(x, y);
    } else if (manipulationMode_ == kResizing) {
        DoDragResize(x, y);
    }
}

void EffectEngine::MouseUp() {
    Session session(*this);
    if (manipulationMode_ == kMoving) {
        manipulationMode_ = kSelected;
        // A stroke on the canvas ends with the button.
        const EffectBase* item = DoGetItem(selectedIndex_);
        if (item && item->GetKind() == EffectKind::kPaintCanvas) {
            DoClearSelection();
            manipulationMode_ = kIdle;
        }
    } else if (manipulationMode_ == kResizing) {
        manipulationMode_ = kSelected;
    }
}

void EffectEngine::SetPaintMode(bool enabled) {
    std::lock_guard lock(mutex_);
    canvas_.SetPaintEnabled(enabled);
}

bool EffectEngine::PaintMode() const {
    std::lock_guard lock(mutex_);
    return canvas_.PaintEnabled();
}

bool EffectEngine::SetBrushWidth(int width) {
    std::lock_guard lock(mutex_);
    return canvas_.SetBrushWidth(width);
}

void EffectEngine::SetBrushColour(int red, int green, int blue) {
    std::lock_guard lock(mutex_);
    canvas_.SetBrushColour(red, green, blue);
}

void EffectEngine::SetEraser(bool eraser) {
    std::lock_guard lock(mutex_);
    canvas_.SetEraser(eraser);
}

void EffectEngine::ClearPaint() {
    std::lock_guard lock(mutex_);
    canvas_.Clear();
}

bool EffectEngine::Render(cv::Mat& frame, bool drawSelection) {
    Session session(*this);
    if (frame.empty() || frame.type() != CV_8UC3 || frame.size() != frameSize_) return false;
    for (Entry& entry : effects_) {
        if (!entry.effect->IsActive()) continue;
        endedDuringApply_ = false;
        if (!RunWithoutThrowing([&] { entry.effect->Apply(frame, drawSelection); })) {
            // An effect that could not get its memory is taken off like one that ended, so the
            // live picture goes on without it and the window drops its item.
            endedDuringApply_ = true;
        }
        if (endedDuringApply_) {
            // A scene or an overlay ends with its animation; every effect reports its end once.
            pending_.push_back({true, entry.path});
            DoDeactivate(entry);
        }
    }
    endedDuringApply_ = false;
    canvas_.Apply(frame, drawSelection);
    return true;
}

bool EffectEngine::HasWork() const {
    std::lock_guard lock(mutex_);
    if (canvas_.HasPaint() || canvas_.IsSelected()) return true;
    return std::any_of(effects_.begin(), effects_.end(),
                       [](const Entry& entry) { return entry.effect->IsActive(); });
}

bool EffectEngine::ShowsSelectionBorder() const {
    std::lock_guard lock(mutex_);
    return selectedIndex_ >= 0;
}

void EffectEngine::DrawSelectionBorder(cv::Mat& frame) const {
    std::lock_guard lock(mutex_);
    if (frame.empty() || frame.type() != CV_8UC3 || frame.size() != frameSize_) return;
    if (const EffectBase* selected = selectedIndex_ >= 0 ? DoGetItem(selectedIndex_) : nullptr)
        selected->DrawSelectionOutline(frame);
}

EffectEngine::Entry* EffectEngine::FindActive(const std::string& path) {
    for (auto entry = effects_.rbegin(); entry != effects_.rend(); ++entry)
        if (entry->path == path && entry->effect->IsActive()) return &*entry;
    return nullptr;
}

const EffectEngine::Entry* EffectEngine::FindActive(const std::string& path) const {
    return const_cast<EffectEngine*>(this)->FindActive(path);
}

bool EffectEngine::SetFollowsFace(const std::string& path, bool follows) {
    Session session(*this);
    Entry* entry = FindActive(path);
    if (!entry) return false;
    const std::optional<EffectRect> rect = entry->effect->GetRect();
    if (!rect) return false;
    Following& following = entry->following;
    if (follows && !following.on) {
        // It is authored where it stands now, as if the reference face were in view.
        following = {};
        following.authored = cv::Rect2d(rect->left, rect->top, 1.0 * rect->right - rect->left,
                                        1.0 * rect->bottom - rect->top);
    }
    following.on = follows;
    return true;
}

std::optional<bool> EffectEngine::FollowsFace(const std::string& path) const {
    std::lock_guard lock(mutex_);
    const Entry* entry = FindActive(path);
    if (!entry || !entry->effect->GetRect()) return std::nullopt;
    return entry->following.on;
}

bool EffectEngine::HasFollowers() const {
    std::lock_guard lock(mutex_);
    return std::any_of(effects_.begin(), effects_.end(), [](const Entry& entry) {
        return entry.following.on && entry.effect->IsActive();
    });
}

void EffectEngine::FollowFaces(const std::vector<TrackedFace>& faces) {
    Session session(*this);
    if (faces.empty()) return;
    const cv::Rect2d reference = ReferenceFace(frameSize_);
    for (Entry& entry : effects_) {
        Following& following = entry.following;
        if (!following.on || !entry.effect->IsActive()) continue;
        // The face it is on, else the one nearest where it was (or where it stands).
        const TrackedFace* chosen = nullptr;
        for (const TrackedFace& face : faces)
            if (face.id == following.faceId) chosen = &face;
        if (!chosen) {
            const cv::Rect2d from = following.face.value_or(following.authored);
            const cv::Point2d centre(from.x + from.width / 2, from.y + from.height / 2);
            double best = std::numeric_limits<double>::max();
            for (const TrackedFace& face : faces) {
                const cv::Point2d d(face.rect.x + face.rect.width / 2 - centre.x,
                                    face.rect.y + face.rect.height / 2 - centre.y);
                if (d.dot(d) < best) {
                    best = d.dot(d);
                    chosen = &face;
                }
            }
        }
        following.faceId = chosen->id;
        following.face = chosen->rect;
        const cv::Rect2d placed = PlaceOnFace(following.authored, reference, chosen->rect);
        EffectBase& effect = *entry.effect;
        effect.SetPosition(ClampToInt(std::llround(placed.x)), ClampToInt(std::llround(placed.y)));
        // Changes of size below 2 % are left out: each new size rescales the effect's pictures.
        const long long width = std::max<long long>(kMinimumSide, std::llround(placed.width));
        const long long height = std::max<long long>(kMinimumSide, std::llround(placed.height));
        const cv::Size size = effect.GetSize();
        const auto differs = [](long long wanted, int current) {
            return std::abs(wanted - current) >= std::max<long long>(2, current / 50);
        };
        const bool changed = differs(width, size.width) || differs(height, size.height);
        const bool allowed = width <= kMaxEffectSide && height <= kMaxEffectSide &&
                             width * height * effect.PictureCount() <= kMaxEffectPixels;
        if (changed && allowed) effect.SetSize(static_cast<int>(width), static_cast<int>(height));
    }
}

void EffectEngine::KeepUsersPlaceOnFace(Entry& entry) {
    Following& following = entry.following;
    if (!following.on) return;
    const std::optional<EffectRect> rect = entry.effect->GetRect();
    if (!rect) return;
    const cv::Rect2d placed(rect->left, rect->top, 1.0 * rect->right - rect->left,
                            1.0 * rect->bottom - rect->top);
    following.authored = following.face
                             ? AuthoredFromPlaced(placed, ReferenceFace(frameSize_), *following.face)
                             : placed;
}

void EffectEngine::EffectEnded(const std::string&) {
    // Only effects applied by Render report here; Render names the effect by its full path.
    endedDuringApply_ = true;
}

bool EffectEngine::DoSelect(int index) {
    if (index != kCanvasSelected) {
        if (index < 0 || index >= static_cast<int>(effects_.size())) return false;
        const EffectBase& effect = *effects_[static_cast<size_t>(index)].effect;
        if (effect.GetKind() == EffectKind::kOverlay || !effect.IsActive()) return false;
    }
    if (selectedIndex_ >= 0) {
        effects_[static_cast<size_t>(selectedIndex_)].effect->SetSelected(false);
    } else if (selectedIndex_ == kCanvasSelected) {
        SetCanvasSelected(false);
    }
    selectedIndex_ = index;
    if (index == kCanvasSelected) {
        SetCanvasSelected(true);
    } else {
        effects_[static_cast<size_t>(index)].effect->SetSelected(true);
    }
    pending_.push_back({});
    return true;
}

void EffectEngine::DoClearSelection() {
    if (selectedIndex_ >= 0)
        effects_[static_cast<size_t>(selectedIndex_)].effect->SetSelected(false);
    SetCanvasSelected(false);
    selectedIndex_ = kNothingSelected;
    pending_.push_back({});
}

void EffectEngine::DoDeactivate(Entry& entry) {
    entry.effect->SetActive(false);
    if (selectedIndex_ >= 0 &&
        effects_[static_cast<size_t>(selectedIndex_)].effect == entry.effect) {
        manipulationMode_ = kIdle;
        DoClearSelection();
    }
}

const EffectBase* EffectEngine::DoGetItem(int index) const {
    if (index == kCanvasSelected) return &canvas_;
    if (index < 0 || index >= static_cast<int>(effects_.size())) return nullptr;
    return effects_[static_cast<size_t>(index)].effect.get();
}

int EffectEngine::DoHitTestAll(int x, int y) const {
    if (canvas_.PaintEnabled() && canvas_.HitTest(x, y) != kZoneOutside) return kCanvasSelected;
    for (int i = static_cast<int>(effects_.size()) - 1; i >= 0; --i) {
        const EffectBase& effect = *effects_[static_cast<size_t>(i)].effect;
        if (effect.IsActive() && effect.HitTest(x, y) != kZoneOutside) return i;
    }
    return kNothingSelected;
}

int EffectEngine::DoHitTestSelected(int x, int y) const {
    const EffectBase* item = DoGetItem(selectedIndex_);
    return item ? item->HitTest(x, y) : kZoneOutside;
}

bool EffectEngine::DoDragMove(int x, int y) {
    if (manipulationMode_ != kMoving) return false;
    if (selectedIndex_ >= 0) {
        EffectBase& effect = *effects_[static_cast<size_t>(selectedIndex_)].effect;
        const cv::Point position = effect.Position();
        effect.SetPosition(ClampToInt(1LL * position.x + x - lastMouse_.x),
                           ClampToInt(1LL * position.y + y - lastMouse_.y));
        lastMouse_ = {x, y};
        KeepUsersPlaceOnFace(effects_[static_cast<size_t>(selectedIndex_)]);
    } else if (selectedIndex_ == kCanvasSelected) {
        // The canvas follows the pointer itself: its position is the stroke's current point.
        canvas_.SetPosition(x, y);
    }
    return true;
}

bool EffectEngine::DoDragResize(int x, int y) {
    if (manipulationMode_ != kResizing || selectedIndex_ < 0) return false;
    EffectBase& effect = *effects_[static_cast<size_t>(selectedIndex_)].effect;
    const std::optional<EffectRect> rect = effect.GetRect();
    if (!rect) return true;
    if (resizeZone_ < kZoneTop || resizeZone_ > kZoneBottomRight) return false;
    const ResizeRule& rule = kResizeRules[static_cast<size_t>(resizeZone_ - kZoneTop)];
    const long long dx = 1LL * x - lastMouse_.x;
    const long long dy = 1LL * y - lastMouse_.y;
    const cv::Point position = effect.Position();
    const long long newX = position.x + rule.moveX * dx;
    const long long newY = position.y + rule.moveY * dy;
    const long long newWidth = 1LL * rect->right - rect->left + rule.growWidth * dx;
    const long long newHeight = 1LL * rect->bottom - rect->top + rule.growHeight * dy;
    // Too small to grab again, larger than any effect picture, or off the coordinate range:
    // refused, and the mouse must come back before the effect follows again.
    if (newWidth < kMinimumSide || newHeight < kMinimumSide) return false;
    if (newWidth > kMaxEffectSide || newHeight > kMaxEffectSide) return false;
    if (newWidth * newHeight * effect.PictureCount() > kMaxEffectPixels) return false;
    if (!FitsInt(newX) || !FitsInt(newY)) return false;
    effect.SetPosition(static_cast<int>(newX), static_cast<int>(newY));
    effect.SetSize(static_cast<int>(newWidth), static_cast<int>(newHeight));
    lastMouse_ = {x, y};
    KeepUsersPlaceOnFace(effects_[static_cast<size_t>(selectedIndex_)]);
    return true;
}

void EffectEngine::SetCanvasSelected(bool selected) {
    if (canvas_.IsSelected() && !selected) canvas_.EndStroke();
    canvas_.SetSelected(selected);
}

std::unique_ptr<EffectEngine> EffectEngine::RebuiltFor(cv::Size frameSize,
                                                      EngineEvents* events) const {
    auto engine = std::make_unique<EffectEngine>(frameSize.width, frameSize.height, events);
    std::lock_guard lock(mutex_);
    const double sx = double(frameSize.width) / frameSize_.width;
    const double sy = double(frameSize.height) / frameSize_.height;
    const auto scaled = [&](const cv::Rect2d& rect) {
        return cv::Rect2d(rect.x * sx, rect.y * sy, rect.width * sx, rect.height * sy);
    };
    for (const Entry& entry : effects_) {
        if (!engine->LoadEffectFile(entry.path, -1)) continue;
        Entry& copy = engine->effects_.back();
        // Effects without a rectangle (filters, scenes) are laid out by the frame's size alone.
        if (const std::optional<EffectRect> rect = entry.effect->GetRect();
            rect && copy.effect->GetRect()) {
            copy.effect->SetPosition(static_cast<int>(std::lround(rect->left * sx)),
                                     static_cast<int>(std::lround(rect->top * sy)));
            copy.effect->SetSize(
                std::max(1, static_cast<int>(std::lround((1.0 * rect->right - rect->left) * sx))),
                std::max(1, static_cast<int>(std::lround((1.0 * rect->bottom - rect->top) * sy))));
        }
        copy.effect->SetActive(entry.effect->IsActive());
        copy.following = entry.following;
        copy.following.faceId = 0;  // the new size comes with a new face tracker
        copy.following.authored = scaled(entry.following.authored);
        if (entry.following.face) copy.following.face = scaled(*entry.following.face);
    }
    engine->canvas_.TakeScaled(canvas_);
    return engine;
}

}  // namespace effects
