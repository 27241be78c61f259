#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>

#include <vector>

#include "EffectSet.h"
#include "ProgramFolder.h"
#include "app/CMainDialog.h"
#include "studio/StudioSession.h"
#include "controls/CHoverButton.h"
#include "effects/PaintCanvas.h"

using app::CMainDialog;
using effects::EffectEngine;

namespace {

// The preview's top left corner in the window.
constexpr QPoint kPreviewOrigin(16, 101);

class PreviewMouseFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dialog.Initialise();
        dialog.show();
        QCoreApplication::processEvents();
    }
    void TearDown() override { dialog.ShutdownSequence(); }

    EffectEngine& Engine() { return *dialog.Session().Engine(); }
    effects::PaintCanvas& Canvas() {
        return *dynamic_cast<effects::PaintCanvas*>(
            Engine().GetItem(EffectEngine::kCanvasSelected));
    }
    // An effect covering (100, 100)-(200, 180) of the preview.
    void LoadEffect() {
        const QString path = effects.Effect("Faces/red.eft", {100, 100, 100, 80});
        ASSERT_TRUE(Engine().LoadEffectFile(path.toStdString(), -1));
    }
    QRect EffectRect() {
        const effects::EffectRect r = Engine().Describe(0)->rect;
        return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
    }

    // Mouse events as the window receives them over the preview, by preview coordinates. A
    // press or release carries `at`, which the window is to ignore for the last move's point.
    void Send(QEvent::Type type, QPoint at) {
        if (type == QEvent::MouseButtonPress) buttons = Qt::LeftButton;
        if (type == QEvent::MouseButtonRelease) buttons = Qt::NoButton;
        const QPoint local = at + kPreviewOrigin;
        QMouseEvent event(type, local, dialog.mapToGlobal(local),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &event);
    }
    void MoveTo(QPoint at) { Send(QEvent::MouseMove, at); }
    void Press() { Send(QEvent::MouseButtonPress, {5, 5}); }
    void Release() { Send(QEvent::MouseButtonRelease, {5, 5}); }
    Qt::CursorShape CursorAt(QPoint at) {
        MoveTo(at);
        return dialog.cursor().shape();
    }
    void Render() {
        cv::Mat frame(360, 480, CV_8UC3, cv::Scalar::all(0));
        Engine().Render(frame, false);
    }
    // A stroke along y = 50 from x = 60 to 120, rendered as the frame road would.
    void Stroke() {
        MoveTo({50, 50});
        Press();
        MoveTo({60, 50});
        Render();
        MoveTo({120, 50});
        Render();
        Release();
        Render();
    }
    int MaskAt(int x, int y) { return Canvas().CoverageMask().at<uchar>(y, x); }

    Qt::MouseButtons buttons = Qt::NoButton;
    app_test::ProgramFolder folder;
    app_test::EffectSet effects{folder.Path()};
    CMainDialog dialog{nullptr, folder.Path()};
};

}  // namespace

TEST_F(PreviewMouseFixture, PressActsWhereThePointerLastMovedAndDragsTheEffect) {
    LoadEffect();
    // Before any movement the press is not on the preview, wherever it says it is.
    EXPECT_EQ(dialog.PreviewMousePoint(), QPoint(-1, -1));
    Send(QEvent::MouseButtonPress, {150, 140});
    Release();
    EXPECT_EQ(Engine().SelectedIndex(), EffectEngine::kNothingSelected);

    MoveTo({150, 140});
    EXPECT_EQ(dialog.PreviewMousePoint(), QPoint(150, 140));
    Press();
    EXPECT_EQ(Engine().ManipulationMode(), EffectEngine::kMoving);
    EXPECT_EQ(dialog.cursor().shape(), Qt::SizeAllCursor);
    MoveTo({170, 150});
    EXPECT_EQ(EffectRect(), QRect(120, 110, 100, 80));
    Release();
    EXPECT_EQ(Engine().ManipulationMode(), EffectEngine::kSelected);
    EXPECT_EQ(Engine().SelectedIndex(), 0);

    // A press on empty space ends the selection.
    MoveTo({400, 300});
    Press();
    Release();
    EXPECT_EQ(Engine().ManipulationMode(), EffectEngine::kIdle);
    EXPECT_EQ(Engine().SelectedIndex(), EffectEngine::kNothingSelected);
}

TEST_F(PreviewMouseFixture, CursorFollowsTheZoneAndTheRightEdgeResizes) {
    LoadEffect();
    MoveTo({150, 140});
    Press();
    Release();
    EXPECT_EQ(CursorAt({100, 100}), Qt::SizeFDiagCursor);
    EXPECT_EQ(CursorAt({199, 100}), Qt::SizeBDiagCursor);
    EXPECT_EQ(CursorAt({150, 179}), Qt::SizeVerCursor);
    EXPECT_EQ(CursorAt({300, 300}), Qt::ArrowCursor);
    EXPECT_EQ(CursorAt({199, 140}), Qt::SizeHorCursor);

    Press();
    EXPECT_EQ(Engine().ManipulationMode(), EffectEngine::kResizing);
    EXPECT_EQ(Engine().ResizeZone(), effects::kZoneRight);
    MoveTo({229, 140});
    Release();
    EXPECT_EQ(EffectRect(), QRect(100, 100, 130, 80));
    EXPECT_EQ(Engine().ManipulationMode(), EffectEngine::kSelected);
}

TEST_F(PreviewMouseFixture, DragReleasedOutsideThePreviewStillEnds) {
    LoadEffect();
    MoveTo({150, 140});
    Press();
    MoveTo(QPoint(5, 300) - kPreviewOrigin);  // over the window's left band
    Release();
    EXPECT_EQ(Engine().ManipulationMode(), EffectEngine::kSelected);
    const QRect dropped = EffectRect();
    MoveTo({150, 140});
    EXPECT_EQ(EffectRect(), dropped);
}

TEST_F(PreviewMouseFixture, PaintCommandsDriveStrokesOnTheCanvas) {
    LoadEffect();
    dialog.Button(app::kPaintMode)->click();
    EXPECT_TRUE(Engine().PaintMode());
    MoveTo({50, 50});
    Press();
    EXPECT_EQ(Engine().SelectedIndex(), EffectEngine::kCanvasSelected);
    MoveTo({150, 140});  // over the effect: still painting, no sizing cursor
    EXPECT_EQ(dialog.cursor().shape(), Qt::ArrowCursor);
    Release();
    Render();
    EXPECT_EQ(Engine().ManipulationMode(), EffectEngine::kIdle);
    EXPECT_EQ(Engine().SelectedIndex(), EffectEngine::kNothingSelected);

    dialog.Button(app::kClearPaint)->click();
    Stroke();
    EXPECT_EQ(MaskAt(90, 50), 255);
    EXPECT_EQ(MaskAt(90, 100), 0);

    dialog.Button(app::kErase)->click();
    Stroke();
    EXPECT_EQ(MaskAt(90, 50), 0);
    dialog.Button(app::kBrush)->click();
    Stroke();
    EXPECT_EQ(MaskAt(90, 50), 255);
    dialog.Button(app::kClearPaint)->click();
    EXPECT_EQ(cv::countNonZero(Canvas().CoverageMask()), 0);

    dialog.Button(app::kEffectMode)->click();
    EXPECT_FALSE(Engine().PaintMode());
    MoveTo({50, 50});
    Press();
    EXPECT_EQ(Engine().SelectedIndex(), EffectEngine::kNothingSelected);
}

TEST_F(PreviewMouseFixture, BrushButtonsSetTheirWidths) {
    const std::vector<std::pair<int, int>> widths = {
        {app::kBrush3, 2}, {app::kBrush1, 1}, {app::kBrush6, 20},
        {app::kBrush2, 1}, {app::kBrush4, 5}, {app::kBrush5, 10},
    };
    for (const auto& [id, width] : widths) {
        dialog.Button(id)->click();
        EXPECT_EQ(Canvas().BrushWidth(), width) << id;
    }
}

TEST_F(PreviewMouseFixture, ColourChooserOpensOnBlackAndCancelKeepsTheColour) {
    std::vector<QColor> offered;
    QColor answer(10, 20, 30);
    app::Desktop().chooseColour = [&](QWidget*, const QColor& initial) {
        offered.push_back(initial);
        return answer;
    };
    dialog.Button(app::kColour)->click();
    EXPECT_EQ(Canvas().BrushColour(), cv::Scalar(30, 20, 10, 0));
    answer = QColor();
    dialog.Button(app::kColour)->click();
    EXPECT_EQ(Canvas().BrushColour(), cv::Scalar(30, 20, 10, 0));
    EXPECT_EQ(offered, std::vector<QColor>(2, QColor(Qt::black)));
}
