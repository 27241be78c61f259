// The main window's layout: its controls from the layout table, its shape, and the painting of
// its background, title and status line.

#include <QFontDatabase>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>

#include "app/CMainDialog.h"
#include "app/PreviewWidget.h"
#include "app/ControlTexts.h"
#include "app/SkinPictures.h"
#include "app/StringTable.h"
#include "controls/Accessibility.h"
#include "controls/CCustomTableControl.h"
#include "controls/CHoverButton.h"
#include "controls/CIconListBox.h"
#include "controls/CThumbNailControl.h"
#include "controls/CRecordingsList.h"

namespace app {
namespace {

constexpr QColor kTextColour(240, 240, 240);
// Shown where the background picture is missing.
constexpr QColor kBaseColour(30, 35, 45);

// A font whose line (ascent plus descent) is at most `lineHeight` pixels, like a font asked for
// by its cell height. The families are tried in order.
QFont FontWithLineHeight(const QStringList& families, int lineHeight, int weight) {
    QFont font;
    font.setFamilies(families);
    font.setWeight(static_cast<QFont::Weight>(weight));
    for (int pixelSize = lineHeight; pixelSize > 6; --pixelSize) {
        font.setPixelSize(pixelSize);
        if (QFontMetrics(font).height() <= lineHeight) break;
    }
    return font;
}

QFont TitleFont() {
    // "System" is rarely installed here; the desktop's general font stands in for it.
    return FontWithLineHeight(
        {QStringLiteral("System"), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()},
        16, 600);
}

QFont StatusFont() {
    return FontWithLineHeight({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, 15,
                              500);
}

// Text with its top left corner at (x, y).
void DrawTextAt(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

}  // namespace

void CMainDialog::CreateControls() {
    controls::InstallAccessibility();
    for (const LayoutEntry& entry : kMainLayout)
        if (QWidget* control = MakeControl(entry)) controls[entry.id] = control;
    // What a screen reader reads of the status line, which the window paints itself: an
    // invisible pane over it, named by the status shown, that the mouse passes through.
    statusLine = new QWidget(this);
    statusLine->setAttribute(Qt::WA_TransparentForMouseEvents);
    statusLine->setGeometry(QRect(QPoint(kStatusAreaLeft, kStatusAreaTop),
                                  QPoint(kStudioWidth - 1, kStatusAreaBottom - 1)));
    controls::SetAccessibleRole(statusLine, QAccessible::StatusBar);
    for (const auto& [id, control] : controls) keyboardReach[id] = control->focusPolicy();
    // Tab runs through the controls as they are read: the top band, the effect browser and the
    // paint tools, the preview, the place below it, the bottom band, the window's own buttons.
    static constexpr int kTabOrder[] = {
        kWebcamSource, kRecord, kStopRecord, kSnap, kHome, kStudioToggle, kVirtualCamera,
        kEffectMode, kPaintMode, kCategoryList, kThumbnailGrid, kBrush, kClearPaint, kColour, kErase, kBrush1, kBrush2,
        kBrush3, kBrush4, kBrush5, kBrush6, kPreview, kRecordingsTab, kEffectsTab,
        kRecordingsList, kEffectsTable, kDeleteEffect, kRemoveAllEffects, kClock, kOpenFolder,
        kBrowseFolder, kTray, kMinimize, kClose};
    for (std::size_t at = 1; at < std::size(kTabOrder); ++at)
        setTabOrder(Control(kTabOrder[at - 1]), Control(kTabOrder[at]));
}

void CMainDialog::UpdateKeyboardReach() {
    // Controls beyond the window's width (the effect browser in classic) are out of Tab's way.
    for (const auto& [id, control] : controls)
        control->setFocusPolicy(control->x() >= width() ? Qt::NoFocus : keyboardReach[id]);
}

QWidget* CMainDialog::MakeControl(const LayoutEntry& entry) {
    switch (entry.kind) {
        case ControlKind::HoverButton:
            return new controls::CHoverButton(this);
        case ControlKind::Preview:
            preview = new PreviewWidget(this);
            controls::SetAccessibleRole(preview, QAccessible::Graphic);
            return preview;
        case ControlKind::ClockEdit: {
            auto* clockEdit = new QLineEdit(this);
            clockEdit->setReadOnly(true);
            // Read, never typed into: Tab reaches it so a screen reader can read it out.
            clockEdit->setFocusPolicy(Qt::TabFocus);
            clockEdit->setAlignment(Qt::AlignCenter);
            clockEdit->setObjectName(QStringLiteral("clock"));
            clockEdit->setStyleSheet(QStringLiteral(
                "QLineEdit#clock { background: #0e1219; color: #e8edf3; border: 1px solid #3a465a;"
                " border-radius: 3px; padding: 0px; font-family: 'DejaVu Sans Mono', monospace;"
                " font-size: 12px; }"));
            return clockEdit;
        }
        case ControlKind::FolderEdit:
            folderEdit = new QLineEdit(this);
            return folderEdit;
        case ControlKind::RecordingsList:
            return new controls::CRecordingsList(this);
        case ControlKind::EffectsTable:
            return new controls::CCustomTableControl(this);
        case ControlKind::CategoryList:
            return new controls::CIconListBox(this);
        case ControlKind::ThumbnailGrid:
            return new controls::CThumbNailControl(this);
    }
    return nullptr;
}

QWidget* CMainDialog::Control(int id) const {
    const auto found = controls.find(id);
    return found == controls.end() ? nullptr : found->second;
}

controls::CHoverButton* CMainDialog::Button(int id) const {
    return qobject_cast<controls::CHoverButton*>(Control(id));
}

void CMainDialog::SetButtonPictures(int id, const QString& normal, const QString& hover,
                                    const QString& click) {
    const SkinPictures& skin = SkinPictures::For(skinFolder);
    if (controls::CHoverButton* button = Button(id))
        button->SetPictures(skin.Picture(normal), skin.Picture(hover), skin.Picture(click));
}

QRegion CMainDialog::WindowRegion(QSize size) {
    // The top corners are quarter circles of radius 5; each row of the top band loses the
    // pixels outside its circle at both ends.
    constexpr int kRadius = 5;
    QRegion region(0, kRadius, size.width(), size.height() - kRadius);
    for (int y = 0; y < kRadius; ++y) {
        const double dy = kRadius - y - 0.5;
        const int inset =
            kRadius - static_cast<int>(std::lround(std::sqrt(kRadius * kRadius - dy * dy)));
        region += QRegion(inset, y, size.width() - 2 * inset, 1);
    }
    return region;
}

void CMainDialog::LayOut() {
    setMask(WindowRegion());

    const SkinPictures& skin = SkinPictures::For(skinFolder);
    for (const LayoutEntry& entry : kMainLayout) {
        QWidget* control = Control(entry.id);
        if (!control) continue;
        control->setGeometry(entry.x, entry.y, entry.width, entry.height);
        control->setVisible(entry.shownAtStart);
        // What a screen reader says; its description is the control's tooltip.
        control->setAccessibleName(AccessibleNameOf(entry.id));
        if (entry.kind != ControlKind::HoverButton) continue;
        const QString base = QString::fromLatin1(entry.skinBase.data(), entry.skinBase.size());
        SetButtonPictures(entry.id, base + "_normal.bmp", base + "_hover.bmp", base + "_click.bmp");
        controls::CHoverButton* button = Button(entry.id);
        if (entry.tooltipId != 0) {
            button->SetTooltipText(LoadStringResource(entry.tooltipId), true);
        } else if (skin.LabelElided(entry.skinBase)) {
            // The word on the button is shortened: the tooltip says it whole.
            button->SetTooltipText(SkinLabelOf(entry.skinBase), true);
        } else if (SkinLabelOf(entry.skinBase).isEmpty()) {
            // A button with a picture alone tells what it does when the pointer rests on it.
            button->SetTooltipText(button->accessibleName(), true);
        }
    }
    // To screen readers the mode buttons are toggles and the two page buttons tabs.
    Button(kStudioToggle)->SetKind(controls::CHoverButton::Kind::Toggle);
    Button(kEffectMode)->SetKind(controls::CHoverButton::Kind::Toggle);
    Button(kPaintMode)->SetKind(controls::CHoverButton::Kind::Toggle);
    Button(kVirtualCamera)->SetKind(controls::CHoverButton::Kind::Toggle);
    Button(kRecordingsTab)->SetKind(controls::CHoverButton::Kind::Tab);
    Button(kEffectsTab)->SetKind(controls::CHoverButton::Kind::Tab);
    // Both grids are still empty; their item sizes decide how many items fit in a row.
    static_cast<controls::CThumbNailControl*>(Control(kThumbnailGrid))
        ->SetItemSize(kThumbnailItemWidth, kThumbnailItemHeight);
    static_cast<controls::CCustomTableControl*>(Control(kEffectsTable))
        ->SetItemSize(kEffectsTableItemWidth, kEffectsTableItemHeight);
    // The recordings list, placed first: the picture it shows while empty, and its columns.
    auto* recordingsList = static_cast<controls::CRecordingsList*>(Control(kRecordingsList));
    recordingsList->SetBackgroundImage(
        SkinPictures::For(skinFolder).Picture(QStringLiteral("list_back.bmp")), false);
    recordingsList->SetUpColumns();

    SetStatusText(tr("Ready."));

    move(0, 0);
    resize(kWidth, kHeight);
    update();
}

void CMainDialog::resizeEvent(QResizeEvent* event) {
    // The shape follows the window, so a window widened by hand shows the effect browser that
    // lies beyond its usual width.
    if (initialised) setMask(WindowRegion(size()));
    QWidget::resizeEvent(event);
}

void CMainDialog::SetStatusText(const QString& text) {
    statusText = text;
    AnnounceStatus();
    // A message may run past the status area; the whole line is repainted.
    update(QRect(QPoint(kStatusAreaLeft, kStatusAreaTop),
                 QPoint(std::max(kStatusAreaRight, width()) - 1, kStatusAreaBottom - 1)));
}

void CMainDialog::AnnounceStatus() {
    const QString shown = ShownStatus();
    if (shown == statusLine->accessibleName()) return;
    statusLine->setAccessibleName(shown);
    controls::AnnounceNameChange(statusLine);
}

void CMainDialog::UpdateStatusLine() {
    AnnounceStatus();
    // A camera note may run longer than the status area.
    update(QRect(QPoint(kStatusAreaLeft, kStatusAreaTop), QPoint(width() - 1, kStatusAreaBottom - 1)));
}

void CMainDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBaseColour);
    painter.drawPixmap(0, 0, backgroundPicture);

    painter.setPen(kTextColour);
    painter.setFont(TitleFont());
    DrawTextAt(painter, kTitleX, kTitleY, windowTitle());
    painter.setFont(StatusFont());
    DrawTextAt(painter, kStatusX, kStatusY, ShownStatus());
}

}  // namespace app
