#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace controls {
class CCustomButton;
class CCustomTableControl;
class CIconListBox;
class CThumbNailControl;
class CThumbnailButton;
}  // namespace controls

namespace studio {
class StudioSession;
}

namespace app {

class CMainDialog;

// The window's effect browser and paint tools over the session's effect engine: a thumbnail
// click loads its effect, the table of current effects selects, deletes and offers face
// following, the Effect and Paint buttons switch the engine's mode, and the brush, eraser,
// colour and clear buttons set its paint tools. The controls belong to the window.
class EffectsPanel : public QObject {
    Q_OBJECT

public:
    EffectsPanel(CMainDialog& window, studio::StudioSession& session);

    // Fills the category list from the categories and shows the thumbnails of "Distortions";
    // the effects and their thumbnails lie in Effects/ and EffectsBmps/ of `programFolder`.
    void Start(const QString& programFolder);

    controls::CIconListBox* CategoryList() const { return categoryList; }
    controls::CThumbNailControl* ThumbnailGrid() const { return thumbnailGrid; }
    controls::CCustomTableControl* EffectsTable() const { return effectsTable; }
    const QString& EffectsFolder() const { return effectsFolder; }
    const QString& ThumbnailsFolder() const { return thumbnailsFolder; }

    // The effect categories, in list order; each is also the name of its sub-folder.
    static const QStringList& CategoryNames();
    // The categories whose effects follow the face from the moment they are added.
    static bool FollowsFaceByDefault(const QString& category);
    // The two paths of an effect correspond by position: the effect file lies where its
    // thumbnail lies, with the effects folder in place of the thumbnails folder and the
    // extension "eft" in place of the thumbnail's three-letter one (and the other way round).
    static QString EffectPathForThumbnail(const QString& thumbnailPath,
                                          const QString& thumbnailsFolder,
                                          const QString& effectsFolder);
    static QString ThumbnailPathForEffect(const QString& effectPath, const QString& effectsFolder,
                                          const QString& thumbnailsFolder);

    // The engine's notices, on the window's thread: the table follows its selection, and drops
    // the item of an effect that played to its end.
    void OnSelectionChanged();
    void OnEffectEnded(const QString& effectPath);

private:
    void ConnectTools();
    void SetPaintMode(bool paint);
    void OnShowCategory();
    void OnThumbnailLeftClicked(controls::CThumbnailButton* item);
    void OnThumbnailRightClicked(controls::CThumbnailButton* item);
    void OnEffectsTableClicked(controls::CCustomButton* item);
    // Offers "Follow face" for the clicked item's effect.
    void OnEffectsTableRightClicked(controls::CCustomButton* item);
    void OnDeleteEffect();
    void OnRemoveAllEffects();
    // The table position of the item standing for the effect file at `effectPath`, or -1.
    int TablePositionOfEffect(const QString& effectPath) const;

    CMainDialog& window;
    studio::StudioSession& session;
    controls::CIconListBox* categoryList;
    controls::CThumbNailControl* thumbnailGrid;
    controls::CCustomTableControl* effectsTable;
    QString effectsFolder;
    QString thumbnailsFolder;
};

}  // namespace app
