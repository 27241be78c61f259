// The effect browser and the paint tools: the category list, the thumbnail grid of the chosen
// category, the table of current effects, the Effect and Paint modes, the brushes, and the
// session's effect engine they all feed.
//
// The table and the engine's list both grow by one per thumbnail click, but the engine keeps the
// effects it deactivates while the table drops their items, so positions in the two soon differ.
// The effect-file path is what both sides carry; the panel always maps between them by it.

#include "app/EffectsPanel.h"

#include <QColor>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QMetaObject>

#include <array>

#include "app/CMainDialog.h"
#include "app/DesktopServices.h"
#include "app/EffectNames.h"
#include "app/MainLayout.h"
#include "controls/CCustomTableControl.h"
#include "controls/CHoverButton.h"
#include "controls/CIconListBox.h"
#include "controls/CThumbNailControl.h"
#include "controls/ProgramResources.h"
#include "studio/StudioSession.h"

namespace app {
namespace {

struct Category {
    const char* name;
    int iconId;
};
constexpr std::array<Category, 7> kCategories = {{
    {"Animations", controls::kIconAnimations},
    {"Distortions", controls::kIconDistortions},
    {"Filters", controls::kIconFilters},
    {"Scenes", controls::kIconScenes},
    {"Faces", controls::kIconFaces},
    {"Accessories", controls::kIconAccessories},
    {"Frames", controls::kIconFrames},
}};

// The engine names files as the file system does; the window shows them as text.
std::string EngineName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// Swaps one folder for the other by its length, then the three-letter extension.
QString SwapFolderAndExtension(const QString& path, const QString& fromFolder,
                               const QString& toFolder, const QString& extension) {
    QString swapped = toFolder + path.mid(fromFolder.size());
    swapped.chop(3);
    return swapped + extension;
}

// The width each brush button sets; the first two buttons both give the finest brush.
struct BrushButton {
    int id;
    int width;
};
constexpr BrushButton kBrushButtons[] = {
    {kBrush1, 1}, {kBrush2, 1}, {kBrush3, 2}, {kBrush4, 5}, {kBrush5, 10}, {kBrush6, 20},
};

QString FaceFollowingUnavailable() {
    return EffectsPanel::tr(
        "Face following is not available: the face detector's data (opencv-data) is not "
        "installed.");
}

}  // namespace

const QStringList& EffectsPanel::CategoryNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const Category& category : kCategories) list << QString::fromLatin1(category.name);
        return list;
    }();
    return names;
}

QString EffectsPanel::EffectPathForThumbnail(const QString& thumbnailPath,
                                            const QString& thumbnailsFolder,
                                            const QString& effectsFolder) {
    return SwapFolderAndExtension(thumbnailPath, thumbnailsFolder, effectsFolder,
                                  QStringLiteral("eft"));
}

QString EffectsPanel::ThumbnailPathForEffect(const QString& effectPath, const QString& effectsFolder,
                                            const QString& thumbnailsFolder) {
    return SwapFolderAndExtension(effectPath, effectsFolder, thumbnailsFolder,
                                  QStringLiteral("bmp"));
}

EffectsPanel::EffectsPanel(CMainDialog& window, studio::StudioSession& session)
    : QObject(&window),
      window(window),
      session(session),
      categoryList(static_cast<controls::CIconListBox*>(window.Control(kCategoryList))),
      thumbnailGrid(static_cast<controls::CThumbNailControl*>(window.Control(kThumbnailGrid))),
      effectsTable(static_cast<controls::CCustomTableControl*>(window.Control(kEffectsTable))) {
    // The list announces a new choice from inside its own event handling; the grid is filled
    // after that handling, as for a posted notice.
    connect(categoryList, &controls::CIconListBox::ShowCategory, this,
            &EffectsPanel::OnShowCategory, Qt::QueuedConnection);
    // Clicks are handled before the item's press handling returns.
    connect(thumbnailGrid, &controls::CThumbNailControl::ItemLeftClicked, this,
            &EffectsPanel::OnThumbnailLeftClicked, Qt::DirectConnection);
    connect(thumbnailGrid, &controls::CThumbNailControl::ItemRightClicked, this,
            &EffectsPanel::OnThumbnailRightClicked, Qt::DirectConnection);
    connect(effectsTable, &controls::CCustomTableControl::ItemLeftClicked, this,
            &EffectsPanel::OnEffectsTableClicked, Qt::DirectConnection);
    // The menu opens after the item's own handling of the click.
    connect(effectsTable, &controls::CCustomTableControl::ItemRightClicked, this,
            &EffectsPanel::OnEffectsTableRightClicked, Qt::QueuedConnection);
    ConnectTools();
}

void EffectsPanel::ConnectTools() {
    const auto onClick = [this](int id, auto handler) {
        connect(window.Button(id), &controls::CHoverButton::clicked, this, handler);
    };
    onClick(kDeleteEffect, &EffectsPanel::OnDeleteEffect);
    onClick(kRemoveAllEffects, &EffectsPanel::OnRemoveAllEffects);
    onClick(kEffectMode, [this] { SetPaintMode(false); });
    onClick(kPaintMode, [this] { SetPaintMode(true); });
    onClick(kErase, [this] {
        if (session.Engine()) session.Engine()->SetEraser(true);
    });
    onClick(kBrush, [this] {
        if (session.Engine()) session.Engine()->SetEraser(false);
    });
    onClick(kClearPaint, [this] {
        if (session.Engine()) session.Engine()->ClearPaint();
    });
    onClick(kColour, [this] {
        if (!session.Engine()) return;
        // The chooser opens on black every time, not on the brush's colour; cancelling keeps it.
        const QColor colour = Desktop().chooseColour(&window, Qt::black);
        if (colour.isValid())
            session.Engine()->SetBrushColour(colour.red(), colour.green(), colour.blue());
    });
    for (const BrushButton& brush : kBrushButtons)
        onClick(brush.id, [this, brush] {
            if (session.Engine())
                session.Engine()->SetBrushWidth(capture::StudioPixels(session.Road(), brush.width));
        });
}

// The active mode's button shows its click picture in every state; the other button has its
// ordinary three pictures.
void EffectsPanel::SetPaintMode(bool paint) {
    if (session.Engine()) session.Engine()->SetPaintMode(paint);
    window.Button(kEffectMode)->SetActive(!paint);
    window.Button(kPaintMode)->SetActive(paint);
    if (paint) {
        window.SetButtonPictures(kEffectMode, "effect_normal.bmp", "effect_hover.bmp",
                                 "effect_click.bmp");
        window.SetButtonPictures(kPaintMode, "paint_click.bmp", "paint_click.bmp",
                                 "paint_click.bmp");
    } else {
        window.SetButtonPictures(kEffectMode, "effect_click.bmp", "effect_click.bmp",
                                 "effect_click.bmp");
        window.SetButtonPictures(kPaintMode, "paint_normal.bmp", "paint_hover.bmp",
                                 "paint_click.bmp");
    }
}

void EffectsPanel::Start(const QString& programFolder) {
    effectsFolder = programFolder + "/Effects/";
    thumbnailsFolder = programFolder + "/EffectsBmps/";
    categoryList->SetEdgeOption(false);
    for (const Category& category : kCategories)
        categoryList->AddEntry(CategoryDisplayName(QString::fromLatin1(category.name)),
                               QIcon(controls::ResourcePath(category.iconId)));
    // The browser starts on "Distortions". The list announces the choice, and the grid is asked
    // for once more here; both are handled once the event loop runs.
    categoryList->Select(1);
    QMetaObject::invokeMethod(this, &EffectsPanel::OnShowCategory, Qt::QueuedConnection);
}

void EffectsPanel::OnShowCategory() {
    thumbnailGrid->RemoveAllItems();
    // With no category chosen there is nothing to show.
    const int position = categoryList->CurrentIndex();
    if (position < 0 || position >= categoryList->Count()) return;

    // Every bitmap of the category's folder, whatever the case of its extension, by name. Paths
    // are built on thumbnailsFolder as it stands, so the effect path can be derived from them.
    const QString folder = thumbnailsFolder + CategoryNames().value(position) + '/';
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.bmp")}, QDir::Files,
                                                     QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        // Named for screen readers and the pointer by the effect's display name.
        if (controls::CThumbnailButton* item = thumbnailGrid->AddItem(folder + name)) {
            const QString shown = EffectDisplayName(QFileInfo(name).completeBaseName());
            item->setAccessibleName(shown);
            item->setToolTip(shown);
        }
    }
}

void EffectsPanel::OnThumbnailLeftClicked(controls::CThumbnailButton* item) {
    if (!item || !session.Engine()) return;
    const QString bitmapPath = item->GetPath();
    const QString effectPath = EffectPathForThumbnail(bitmapPath, thumbnailsFolder, effectsFolder);
    item->CancelHover();
    // An effect is never added twice. An effect whose thumbnail the table cannot show is not
    // loaded either: it could never be picked or deleted.
    if (effectsTable->Contains(bitmapPath)) return;
    controls::CCustomButton* added = effectsTable->AddItem(bitmapPath);
    if (!added) return;
    added->setAccessibleName(EffectDisplayName(QFileInfo(bitmapPath).completeBaseName()));
    window.ShowEffectsPage(true);
    // A file the loader refuses keeps its table item; the loader has reported why.
    if (!session.Engine()->LoadEffectFile(EngineName(effectPath), -1)) return;
    const QString category = QFileInfo(bitmapPath).dir().dirName();
    if (!FollowsFaceByDefault(category)) return;
    if (session.FaceTracker()) {
        session.Engine()->SetFollowsFace(EngineName(effectPath), true);
    } else {
        window.SetStatusText(FaceFollowingUnavailable());
    }
}

bool EffectsPanel::FollowsFaceByDefault(const QString& category) {
    return category == QStringLiteral("Faces") || category == QStringLiteral("Accessories");
}

void EffectsPanel::OnEffectsTableRightClicked(controls::CCustomButton* item) {
    if (!item || !session.Engine()) return;
    const std::string effectPath =
        EngineName(EffectPathForThumbnail(item->GetPath(), thumbnailsFolder, effectsFolder));
    const std::optional<bool> follows = session.Engine()->FollowsFace(effectPath);
    QMenu menu;
    //: A menu entry: the effect moves with the face found in the picture
    QAction* follow = menu.addAction(tr("Follow face"));
    follow->setCheckable(true);
    follow->setChecked(follows.value_or(false));
    // An effect that did not load, or one without a place of its own (a filter), cannot follow.
    follow->setEnabled(session.FaceTracker() && follows.has_value());
    if (!session.FaceTracker()) follow->setToolTip(FaceFollowingUnavailable());
    menu.setToolTipsVisible(true);
    if (menu.exec(QCursor::pos()) == follow) session.Engine()->SetFollowsFace(effectPath, follow->isChecked());
}

void EffectsPanel::OnThumbnailRightClicked(controls::CThumbnailButton* item) {
    if (item) item->CancelHover();
}

void EffectsPanel::OnEffectsTableClicked(controls::CCustomButton* item) {
    if (!session.Engine() || !effectsTable->HighlightClickedItem(item)) return;
    const QString effectPath =
        EffectPathForThumbnail(item->GetPath(), thumbnailsFolder, effectsFolder);
    // Selected, so the next press on the preview can move or resize it. An effect the engine
    // does not hold leaves its selection as it was.
    if (session.Engine()->SelectByName(EngineName(effectPath)))
        session.Engine()->SetManipulationMode(effects::EffectEngine::kSelected);
}

int EffectsPanel::TablePositionOfEffect(const QString& effectPath) const {
    const QString bitmapPath = ThumbnailPathForEffect(effectPath, effectsFolder, thumbnailsFolder);
    for (int position = 0; position < effectsTable->ItemCount(); ++position)
        if (effectsTable->Item(position)->GetPath() == bitmapPath) return position;
    return -1;
}

void EffectsPanel::OnSelectionChanged() {
    if (!session.Engine()) return;
    // The engine's index counts deactivated effects too; the selected effect's path finds its
    // item. Nothing selected, the paint canvas, or an effect without an item: no highlight.
    const int selected = session.Engine()->SelectedIndex();
    const auto info = selected >= 0 ? session.Engine()->Describe(selected) : std::nullopt;
    effectsTable->Highlight(
        info ? TablePositionOfEffect(QFile::decodeName(QByteArray::fromStdString(info->path)))
             : -1);
}

void EffectsPanel::OnEffectEnded(const QString& effectPath) {
    effectsTable->RemoveByPath(ThumbnailPathForEffect(effectPath, effectsFolder, thumbnailsFolder));
}

void EffectsPanel::OnDeleteEffect() {
    const controls::CCustomButton* highlighted = effectsTable->HighlightedItem();
    if (!highlighted || !session.Engine()) return;
    const QString effectPath =
        EffectPathForThumbnail(highlighted->GetPath(), thumbnailsFolder, effectsFolder);
    effectsTable->RemoveHighlighted();
    session.Engine()->DeactivateByName(EngineName(effectPath));
}

void EffectsPanel::OnRemoveAllEffects() {
    if (!session.Engine()) return;
    session.Engine()->DeactivateAll();
    effectsTable->RemoveAllItems();
}

}  // namespace app
