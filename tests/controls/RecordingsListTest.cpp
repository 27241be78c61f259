#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "controls/CCheckListHeader.h"
#include "controls/CRecordingsList.h"

using controls::kChecked;
using controls::kNoCheck;
using controls::kUnchecked;
using controls::CRecordingsList;

namespace {

// Receives the addresses the list hands to the desktop instead of starting a program.
class OpenedUrls : public QObject {
    Q_OBJECT
public:
    OpenedUrls() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open"); }
    ~OpenedUrls() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    std::vector<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls.push_back(url); }
};

// The list as the main window sets it up, shown at its place's size.
class RecordingsListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        list.resize(480, 125);
        list.SetUpColumns();
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    // A recording whose file exists.
    void Record(const QString& name, const QString& duration) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        list.AddFinishedRecording(name, file.fileName(), duration);
    }

    // Looks for the files again and waits for the answer.
    void LookForFiles() {
        list.RefreshFileStates();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !list.LookingForFiles(); }, 5000));
    }

    // As the user does: drag the hidden check column open.
    void OpenCheckColumn() { list.Header()->resizeSection(0, 30); }

    void ClickCheckBox(int row) {
        const QRect cell = list.visualRect(list.model()->index(row, 0));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center());
    }
    // What a double click delivers: a press and a release, a double-click press, a release.
    void DoubleClick(int row, int column) {
        const QPoint centre = list.visualRect(list.model()->index(row, column)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, centre);
    }
    void ClickCheckHeading() {
        const QPoint centre(list.Header()->sectionViewportPosition(0) + 15,
                            list.Header()->height() / 2);
        QTest::mouseClick(list.Header()->viewport(), Qt::LeftButton, {}, centre);
    }

    QTemporaryDir folder;
    CRecordingsList list;
};

}  // namespace

TEST_F(RecordingsListTest, StartsEmptyWithOnlyTheTwoHeadingsShown) {
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_FALSE(list.showGrid());
    ASSERT_EQ(list.ColumnCount(), 3);
    const auto heading = [&](int column) {
        return list.model()->headerData(column, Qt::Horizontal).toString();
    };
    EXPECT_EQ(heading(0), QStringLiteral(" "));
    EXPECT_EQ(heading(1), QStringLiteral("FileName"));
    EXPECT_EQ(heading(2), QStringLiteral("Duration"));
    EXPECT_EQ(list.columnWidth(0), 0);
    EXPECT_EQ(list.columnWidth(1), 240);
    EXPECT_EQ(list.columnWidth(2), 160);
    EXPECT_EQ(list.GetHeaderCheck(0), kUnchecked);
    EXPECT_EQ(list.GetHeaderCheck(1), kNoCheck);
    EXPECT_TRUE(list.FullRowSelect());
}

TEST_F(RecordingsListTest, NewestRecordingComesFirstAllChecked) {
    Record("2026-01-01 10-00-00.avi", "00:00:05");
    Record("2026-01-01 10-01-00.avi", "00:01:02");
    Record("2026-01-01 10-05-00.avi", "01:02:05");
    ASSERT_EQ(list.RowCount(), 3);
    EXPECT_TRUE(list.showGrid());
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(list.CellText(0, 1), QStringLiteral("2026-01-01 10-05-00.avi"));
    EXPECT_EQ(list.CellText(0, 2), QStringLiteral("01:02:05"));
    EXPECT_EQ(list.CellText(2, 1), QStringLiteral("2026-01-01 10-00-00.avi"));
    EXPECT_EQ(list.CellText(2, 2), QStringLiteral("00:00:05"));
    ASSERT_EQ(list.Entries().size(), 3u);
    EXPECT_EQ(list.Entries()[0].fullPath, folder.filePath("2026-01-01 10-05-00.avi"));
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(list.GetCheck(row, 0), kChecked);
        EXPECT_EQ(list.Cell(row, 1)->backgroundColour, QColor::fromRgb(0xFAFAFA));
        EXPECT_EQ(list.Cell(row, 2)->textColour, QColor::fromRgb(0x000000));
    }
    EXPECT_EQ(list.GetHeaderCheck(0), kChecked);
}

TEST_F(RecordingsListTest, UncheckingOneRowClearsTheHeaderBoxAndItsEntry) {
    Record("a.avi", "00:00:01");
    Record("b.avi", "00:00:02");
    Record("c.avi", "00:00:03");
    OpenCheckColumn();
    ClickCheckBox(1);
    EXPECT_EQ(list.GetCheck(1, 0), kUnchecked);
    EXPECT_EQ(list.Entries()[1].checked, kUnchecked);
    EXPECT_EQ(list.Entries()[0].checked, kChecked);
    EXPECT_EQ(list.GetHeaderCheck(0), kUnchecked);
    ClickCheckBox(1);
    EXPECT_EQ(list.Entries()[1].checked, kChecked);
    EXPECT_EQ(list.GetHeaderCheck(0), kChecked);
}

TEST_F(RecordingsListTest, HeaderBoxClickSetsEveryRowAndEntry) {
    Record("a.avi", "00:00:01");
    Record("b.avi", "00:00:02");
    Record("c.avi", "00:00:03");
    OpenCheckColumn();
    ClickCheckHeading();
    EXPECT_EQ(list.GetHeaderCheck(0), kUnchecked);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(list.GetCheck(row, 0), kUnchecked);
        EXPECT_EQ(list.Entries()[row].checked, kUnchecked);
    }
    ClickCheckHeading();
    EXPECT_EQ(list.GetHeaderCheck(0), kChecked);
    for (int row = 0; row < 3; ++row) EXPECT_EQ(list.Entries()[row].checked, kChecked);
}

TEST_F(RecordingsListTest, RebuildKeepsTheCheckStatesOfEarlierRows) {
    Record("a.avi", "00:00:01");
    Record("b.avi", "00:00:02");
    OpenCheckColumn();
    ClickCheckBox(0);  // b.avi
    Record("c.avi", "00:00:03");
    ASSERT_EQ(list.RowCount(), 3);
    EXPECT_EQ(list.GetCheck(0, 0), kChecked);
    EXPECT_EQ(list.GetCheck(1, 0), kUnchecked);
    EXPECT_EQ(list.CellText(1, 1), QStringLiteral("b.avi"));
    EXPECT_EQ(list.GetCheck(2, 0), kChecked);
    EXPECT_EQ(list.GetHeaderCheck(0), kUnchecked);
}

TEST_F(RecordingsListTest, RowOfAMissingFileIsGreyedUntilTheFileIsBack) {
    Record("kept.avi", "00:00:04");
    list.AddFinishedRecording("never.avi", folder.filePath("never.avi"), "00:00:00");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !list.IsRowEnabled(0); }, 5000));
    EXPECT_TRUE(list.IsRowEnabled(1));

    ASSERT_TRUE(QFile::remove(folder.filePath("kept.avi")));
    LookForFiles();
    EXPECT_FALSE(list.IsRowEnabled(1));

    QFile file(folder.filePath("kept.avi"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    LookForFiles();
    EXPECT_TRUE(list.IsRowEnabled(1));

    // A greyed row's check box does not take clicks.
    OpenCheckColumn();
    ClickCheckBox(0);
    EXPECT_EQ(list.Entries()[0].checked, kChecked);
}

TEST_F(RecordingsListTest, FileStatesAreCheckedAgainWhileShown) {
    Record("gone.avi", "00:00:04");
    ASSERT_TRUE(list.IsRowEnabled(0));
    ASSERT_TRUE(QFile::remove(folder.filePath("gone.avi")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !list.IsRowEnabled(0); },
                                CRecordingsList::kFileCheckIntervalMs * 3));
}

TEST_F(RecordingsListTest, DoubleClickOpensTheRecordingWhenItsFileExists) {
    OpenedUrls opened;
    Record("old.avi", "00:00:01");
    Record("new.avi", "00:00:02");
    DoubleClick(1, 1);
    ASSERT_EQ(opened.urls.size(), 1u);
    EXPECT_EQ(opened.urls[0], QUrl::fromLocalFile(folder.filePath("old.avi")));

    ASSERT_TRUE(QFile::remove(folder.filePath("new.avi")));
    DoubleClick(0, 2);
    EXPECT_EQ(opened.urls.size(), 1u);
    EXPECT_FALSE(list.IsRowEnabled(0));
}

// The row menu with the desktop replaced: opened addresses, the name the user types and the
// errors shown are collected.
class RecordingsListMenuTest : public RecordingsListTest {
protected:
    void SetUp() override {
        RecordingsListTest::SetUp();
        list.RowServices().openUrl = [this](const QUrl& url) {
            opened.push_back(url);
            return true;
        };
        list.RowServices().askNewName = [this](QWidget*, const QString& current) {
            askedWith.push_back(current);
            return typedName;
        };
        list.RowServices().showError = [this](QWidget*, const QString& message) {
            errors.push_back(message);
        };
    }
    // Chooses the menu item `text` of `row`'s menu, as a click would.
    void Choose(int row, const QString& text) {
        const std::unique_ptr<QMenu> menu = list.MakeRowMenu(row);
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            if (action->text() == text) {
                ASSERT_TRUE(action->isEnabled()) << text.toStdString();
                action->trigger();
                return;
            }
        FAIL() << "no item " << text.toStdString();
    }
    QStringList EnabledItems(int row) {
        QStringList items;
        const std::unique_ptr<QMenu> menu = list.MakeRowMenu(row);
        for (QAction* action : menu->actions())
            if (!action->isSeparator() && action->isEnabled()) items << action->text();
        return items;
    }

    std::vector<QUrl> opened;
    QStringList askedWith;
    QStringList errors;
    QString typedName;
};

TEST_F(RecordingsListMenuTest, OpenAndShowInFolderHandTheFileAndItsFolderToTheDesktop) {
    Record("a.avi", "00:00:01");
    EXPECT_EQ(EnabledItems(0),
              QStringList({"Open", "Show in folder", "Rename...", "Move to trash"}));
    EXPECT_EQ(list.MakeRowMenu(1), nullptr);
    Choose(0, "Open");
    Choose(0, "Show in folder");
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(folder.filePath("a.avi")));
    EXPECT_EQ(opened[1], QUrl::fromLocalFile(folder.path()));
}

TEST_F(RecordingsListMenuTest, RenameKeepsTheExtensionAndNeverReplacesAnotherFile) {
    Record("first.avi", "00:00:01");
    Record("second.avi", "00:00:02");
    typedName = "holiday";
    Choose(1, "Rename...");
    EXPECT_EQ(askedWith, QStringList({"first.avi"}));
    EXPECT_TRUE(QFile::exists(folder.filePath("holiday.avi")));
    EXPECT_FALSE(QFile::exists(folder.filePath("first.avi")));
    EXPECT_EQ(list.Entries()[1].fileName, "holiday.avi");
    EXPECT_EQ(list.Entries()[1].fullPath, folder.filePath("holiday.avi"));
    EXPECT_EQ(list.CellText(1, 1), "holiday.avi");
    EXPECT_TRUE(list.IsRowEnabled(1));

    // Onto the other recording: refused, both files kept, the user told.
    EXPECT_FALSE(list.RenameRecording(0, "holiday.avi"));
    EXPECT_TRUE(QFile::exists(folder.filePath("second.avi")));
    EXPECT_TRUE(QFile::exists(folder.filePath("holiday.avi")));
    EXPECT_EQ(errors.size(), 1);
    // A path is not a name; a cancelled dialog changes nothing.
    EXPECT_FALSE(list.RenameRecording(0, "../elsewhere.avi"));
    EXPECT_EQ(errors.size(), 2);
    typedName.clear();
    Choose(0, "Rename...");
    EXPECT_EQ(list.Entries()[0].fileName, "second.avi");
}

TEST_F(RecordingsListMenuTest, MoveToTrashUsesTheDesktopsTrashAndDropsTheRow) {
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    Record("keep.avi", "00:00:01");
    Record("unwanted.avi", "00:00:02");
    Choose(0, "Move to trash");
    qunsetenv("XDG_DATA_HOME");
    EXPECT_FALSE(QFile::exists(folder.filePath("unwanted.avi")));
    ASSERT_EQ(list.Entries().size(), 1u);
    EXPECT_EQ(list.Entries()[0].fileName, "keep.avi");
    EXPECT_EQ(list.RowCount(), 1);
    // Restorable: the file sits in the trash (on the same disk as the recordings here) with
    // the record of where it came from.
    const QDir trash(dataHome.path() + "/Trash");
    EXPECT_EQ(QDir(trash.filePath("files")).entryList({"unwanted*.avi"}, QDir::Files).size(), 1);
    EXPECT_EQ(QDir(trash.filePath("info")).entryList({"unwanted*.trashinfo"}, QDir::Files).size(), 1);
}

TEST_F(RecordingsListMenuTest, FilesRenamedOrTrashedElsewhereShowAsMissing) {
    Record("moved.avi", "00:00:03");
    ASSERT_TRUE(QFile::rename(folder.filePath("moved.avi"), folder.filePath("other.avi")));
    LookForFiles();
    EXPECT_EQ(list.CellText(0, 1), "moved.avi (missing)");
    EXPECT_FALSE(list.IsRowEnabled(0));
    EXPECT_TRUE(EnabledItems(0).isEmpty()) << "nothing to open, rename or trash";
    EXPECT_FALSE(list.OpenRecording(0));
    EXPECT_FALSE(list.TrashRecording(0));
    EXPECT_TRUE(opened.empty());

    ASSERT_TRUE(QFile::rename(folder.filePath("other.avi"), folder.filePath("moved.avi")));
    LookForFiles();
    EXPECT_EQ(list.CellText(0, 1), "moved.avi");
    EXPECT_TRUE(list.IsRowEnabled(0));
}

#include "RecordingsListTest.moc"
