// The effect browser: the category list, the thumbnail grid of the chosen category, the table of
// current effects, and the effect engine they feed.
//
// The table and the engine's list both grow by one per thumbnail click, but the engine keeps the
// effects it deactivates while the table drops their items, so positions in the two soon differ.
// The effect-file path is what both sides carry; the window always maps between them by it.

#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QMetaObject>

#include <array>

#include "app/CMainDialog.h"
#include "controls/CCustomTableControl.h"
#include "controls/CIconListBox.h"
#include "controls/CThumbNailControl.h"
#include "controls/ProgramResources.h"

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

const QString kFaceFollowingUnavailable = QStringLiteral(
    "Face following is not available: the face detector's data (opencv-data) is not installed.");

}  // namespace

const QStringList& CMainDialog::CategoryNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const Category& category : kCategories) list << QString::fromLatin1(category.name);
        return list;
    }();
    return names;
}

QString CMainDialog::EffectPathForThumbnail(const QString& thumbnailPath,
                                            const QString& thumbnailsFolder,
                                            const QString& effectsFolder) {
    return SwapFolderAndExtension(thumbnailPath, thumbnailsFolder, effectsFolder,
                                  QStringLiteral("eft"));
}

QString CMainDialog::ThumbnailPathForEffect(const QString& effectPath, const QString& effectsFolder,
                                            const QString& thumbnailsFolder) {
    return SwapFolderAndExtension(effectPath, effectsFolder, thumbnailsFolder,
                                  QStringLiteral("bmp"));
}

void CMainDialog::ConnectBrowser() {
    // The list announces a new choice from inside its own event handling; the grid is filled
    // after that handling, as for a posted notice.
    connect(categoryList, &controls::CIconListBox::ShowCategory, this, &CMainDialog::OnShowCategory,
            Qt::QueuedConnection);
    // Clicks are handled before the item's press handling returns.
    connect(thumbnailGrid, &controls::CThumbNailControl::ItemLeftClicked, this,
            &CMainDialog::OnThumbnailLeftClicked, Qt::DirectConnection);
    connect(thumbnailGrid, &controls::CThumbNailControl::ItemRightClicked, this,
            &CMainDialog::OnThumbnailRightClicked, Qt::DirectConnection);
    connect(effectsTable, &controls::CCustomTableControl::ItemLeftClicked, this,
            &CMainDialog::OnEffectsTableClicked, Qt::DirectConnection);
    // The menu opens after the item's own handling of the click.
    connect(effectsTable, &controls::CCustomTableControl::ItemRightClicked, this,
            &CMainDialog::OnEffectsTableRightClicked, Qt::QueuedConnection);
}

void CMainDialog::FillCategoryList() {
    categoryList->SetEdgeOption(false);
    for (const Category& category : kCategories)
        categoryList->AddEntry(QString::fromLatin1(category.name),
                               QIcon(controls::ResourcePath(category.iconId)));
}

std::unique_ptr<effects::FaceTracker> CMainDialog::MakeFaceTracker(cv::Size size) {
    // Effects of the face categories follow the face where the face detector's data is
    // installed; without it they stay where their files put them.
    const std::string cascade = effects::FaceTracker::FindCascade();
    if (cascade.empty()) return nullptr;
    auto tracker = std::make_unique<effects::FaceTracker>(cascade, size);
    if (!tracker->Available()) return nullptr;
    return tracker;
}

void CMainDialog::CreateEffectEngine() {
    // The engine works in studio-frame pixels.
    effects::EngineEvents* events = this;
    const capture::RoadConfig road = frameRoad.Road();
    const cv::Size studio(road.studio.width, road.studio.height);
    effectEngine = std::make_unique<effects::EffectEngine>(studio.width, studio.height, events);
    effectEngine->SetPaintMode(false);
    faceTracker = MakeFaceTracker(studio);
    // The worker draws the effects into every frame from now on.
    frameRoad.Reconfigure(road, effectEngine.get(), faceTracker.get());
}

void CMainDialog::SelectionChanged() {
    QMetaObject::invokeMethod(this, &CMainDialog::OnSelectionChanged, Qt::QueuedConnection);
}

void CMainDialog::EffectEnded(const std::string& effectPath) {
    // Called on the rendering thread: the path is copied into the posted notice.
    const QString path = QFile::decodeName(QByteArray::fromStdString(effectPath));
    windowCalls->Post([this, path] { OnEffectEnded(path); });
}

void CMainDialog::OnShowCategory() {
    thumbnailGrid->RemoveAllItems();
    // With no category chosen there is nothing to show.
    const int position = categoryList->CurrentIndex();
    if (position < 0 || position >= categoryList->Count()) return;

    // Every bitmap of the category's folder, whatever the case of its extension, by name. Paths
    // are built on thumbnailsFolder as it stands, so the effect path can be derived from them.
    const QString folder = thumbnailsFolder + categoryList->NameAt(position) + '/';
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.bmp")}, QDir::Files,
                                                     QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) thumbnailGrid->AddItem(folder + name);
}

void CMainDialog::OnThumbnailLeftClicked(controls::CThumbnailButton* item) {
    if (!item || !effectEngine) return;
    const QString bitmapPath = item->GetPath();
    const QString effectPath = EffectPathForThumbnail(bitmapPath, thumbnailsFolder, effectsFolder);
    item->CancelHover();
    // An effect is never added twice. An effect whose thumbnail the table cannot show is not
    // loaded either: it could never be picked or deleted.
    if (effectsTable->Contains(bitmapPath) || !effectsTable->AddItem(bitmapPath)) return;
    ShowEffectsPage(true);
    // A file the loader refuses keeps its table item; the loader has reported why.
    if (!effectEngine->LoadEffectFile(EngineName(effectPath), -1)) return;
    const QString category = QFileInfo(bitmapPath).dir().dirName();
    if (!FollowsFaceByDefault(category)) return;
    if (faceTracker) {
        effectEngine->SetFollowsFace(EngineName(effectPath), true);
    } else {
        SetStatusText(kFaceFollowingUnavailable);
    }
}

bool CMainDialog::FollowsFaceByDefault(const QString& category) {
    return category == QStringLiteral("Faces") || category == QStringLiteral("Accessories");
}

void CMainDialog::OnEffectsTableRightClicked(controls::CCustomButton* item) {
    if (!item || !effectEngine) return;
    const std::string effectPath =
        EngineName(EffectPathForThumbnail(item->GetPath(), thumbnailsFolder, effectsFolder));
    const std::optional<bool> follows = effectEngine->FollowsFace(effectPath);
    QMenu menu;
    QAction* follow = menu.addAction(QStringLiteral("Follow face"));
    follow->setCheckable(true);
    follow->setChecked(follows.value_or(false));
    // An effect that did not load, or one without a place of its own (a filter), cannot follow.
    follow->setEnabled(faceTracker && follows.has_value());
    if (!faceTracker) follow->setToolTip(kFaceFollowingUnavailable);
    menu.setToolTipsVisible(true);
    if (menu.exec(QCursor::pos()) == follow) effectEngine->SetFollowsFace(effectPath, follow->isChecked());
}

void CMainDialog::OnThumbnailRightClicked(controls::CThumbnailButton* item) {
    if (item) item->CancelHover();
}

void CMainDialog::OnEffectsTableClicked(controls::CCustomButton* item) {
    if (!effectEngine || !effectsTable->HighlightClickedItem(item)) return;
    const QString effectPath =
        EffectPathForThumbnail(item->GetPath(), thumbnailsFolder, effectsFolder);
    // Selected, so the next press on the preview can move or resize it. An effect the engine
    // does not hold leaves its selection as it was.
    if (effectEngine->SelectByName(EngineName(effectPath)))
        effectEngine->SetManipulationMode(effects::EffectEngine::kSelected);
}

int CMainDialog::TablePositionOfEffect(const QString& effectPath) const {
    const QString bitmapPath = ThumbnailPathForEffect(effectPath, effectsFolder, thumbnailsFolder);
    for (int position = 0; position < effectsTable->ItemCount(); ++position)
        if (effectsTable->Item(position)->GetPath() == bitmapPath) return position;
    return -1;
}

void CMainDialog::OnSelectionChanged() {
    if (!effectEngine) return;
    // The engine's index counts deactivated effects too; the selected effect's path finds its
    // item. Nothing selected, the paint canvas, or an effect without an item: no highlight.
    const int selected = effectEngine->SelectedIndex();
    const auto info = selected >= 0 ? effectEngine->Describe(selected) : std::nullopt;
    effectsTable->Highlight(
        info ? TablePositionOfEffect(QFile::decodeName(QByteArray::fromStdString(info->path)))
             : -1);
}

void CMainDialog::OnEffectEnded(const QString& effectPath) {
    effectsTable->RemoveByPath(ThumbnailPathForEffect(effectPath, effectsFolder, thumbnailsFolder));
}

void CMainDialog::OnDeleteEffect() {
    const controls::CCustomButton* highlighted = effectsTable->HighlightedItem();
    if (!highlighted || !effectEngine) return;
    const QString effectPath =
        EffectPathForThumbnail(highlighted->GetPath(), thumbnailsFolder, effectsFolder);
    effectsTable->RemoveHighlighted();
    effectEngine->DeactivateByName(EngineName(effectPath));
}

void CMainDialog::OnRemoveAllEffects() {
    if (!effectEngine) return;
    effectEngine->DeactivateAll();
    effectsTable->RemoveAllItems();
}

}  // namespace app
