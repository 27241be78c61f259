// The window's two layouts. Classic is the 510-pixel recorder. The studio widens the window so the
// effect browser, the paint tools and the Effect and Paint mode buttons appear beside the
// recorder, and two tabs under the preview switch the place below it between the recordings list
// and the current-effects table, so recording stays at hand while effects are on. The Effects
// button in the top band and Ctrl+E switch layouts; the choice is kept in the settings file.

#include "app/BackgroundPanel.h"
#include "app/CMainDialog.h"
#include "controls/CHoverButton.h"

namespace app {
namespace {

// Controls that share the place below the preview with the recordings list.
constexpr int kEffectsPageControls[] = {kEffectsTable, kDeleteEffect, kRemoveAllEffects};

}  // namespace

void CMainDialog::ToggleLayout() {
    const LayoutMode next =
        layoutMode == LayoutMode::Studio ? LayoutMode::Classic : LayoutMode::Studio;
    SetLayoutMode(next);
    // A file that cannot be written keeps the choice for this run only.
    settings->SetLayout(next);
}

void CMainDialog::SetLayoutMode(LayoutMode mode) {
    layoutMode = mode;
    const bool studio = mode == LayoutMode::Studio;
    for (const LayoutEntry& entry : kMainLayout) {
        QWidget* control = Control(entry.id);
        if (!control) continue;
        const StudioPlace* place = studio ? FindStudioPlace(entry.id) : nullptr;
        control->move(place ? place->x : entry.x, place ? place->y : entry.y);
        control->setVisible(place ? place->shown : entry.shownAtStart);
    }
    // The pressed look marks the studio on its button.
    Button(kStudioToggle)->SetActive(studio);
    if (studio) {
        SetButtonPictures(kStudioToggle, "studio_click.bmp", "studio_click.bmp",
                          "studio_click.bmp");
    } else {
        SetButtonPictures(kStudioToggle, "studio_normal.bmp", "studio_hover.bmp",
                          "studio_click.bmp");
    }
    backgroundPanel->SetShown(studio);
    backgroundPicture = studio ? studioBackground : classicBackground;
    const QSize size(studio ? kStudioWidth : kWidth, kHeight);
    setFixedSize(size);
    setMask(WindowRegion(size));
    UpdateKeyboardReach();
    if (studio) ShowEffectsPage(effectsPageShown);
    update();
}

void CMainDialog::ShowEffectsPage(bool effects) {
    effectsPageShown = effects;
    if (layoutMode != LayoutMode::Studio) return;
    Control(kRecordingsList)->setVisible(!effects);
    for (const int id : kEffectsPageControls) Control(id)->setVisible(effects);
    // The tab of the page on show keeps its pressed look.
    const auto setTabLook = [this](int id, const QString& base, bool current) {
        Button(id)->SetActive(current);
        if (current) {
            SetButtonPictures(id, base + "_click.bmp", base + "_click.bmp", base + "_click.bmp");
        } else {
            SetButtonPictures(id, base + "_normal.bmp", base + "_hover.bmp", base + "_click.bmp");
        }
    };
    setTabLook(kRecordingsTab, QStringLiteral("tab_recordings"), !effects);
    setTabLook(kEffectsTab, QStringLiteral("tab_effects"), effects);
}

}  // namespace app
