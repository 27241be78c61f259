#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <filesystem>
#include <iterator>

#include "ProgramFolder.h"
#include "app/CIniFile.h"
#include "app/CMainDialog.h"
#include "app/RecordingPanel.h"
#include "app/Settings.h"
#include "controls/CHoverButton.h"

using app::CIniFile;
using app::CMainDialog;

namespace {

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

void WriteText(const QString& path, const QString& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

// Sets an environment variable for one test and puts back its old value.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QString& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnvironment() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

}  // namespace

TEST(App_IniFile, ReadsAFileWrittenByHand) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Quenvalor.ini");
    WriteText(path,
              "; written by hand\r\n"
              "[Other]\r\nFilePath=/wrong\r\n"
              "[ general ]\r\n  filepath =  /home/me/Videos/Webcam  \r\n"
              "Quoted=\"/with spaces/\"\r\nEquals=a=b\r\n");
    const CIniFile ini(path);
    EXPECT_EQ(ini.ReadString("General", "FilePath", "x"), QStringLiteral("/home/me/Videos/Webcam"));
    EXPECT_EQ(ini.ReadString("General", "Quoted", "x"), QStringLiteral("/with spaces/"));
    EXPECT_EQ(ini.ReadString("General", "Equals", "x"), QStringLiteral("a=b"));
    EXPECT_EQ(ini.ReadString("Other", "FilePath", "x"), QStringLiteral("/wrong"));
    EXPECT_EQ(ini.ReadString("General", "Missing", "fallback"), QStringLiteral("fallback"));
    EXPECT_EQ(ini.ReadString("Missing", "FilePath", "fallback"), QStringLiteral("fallback"));
    EXPECT_EQ(CIniFile(folder.filePath("none.ini")).ReadString("General", "FilePath", "d"),
              QStringLiteral("d"));
}

TEST(App_IniFile, WritingANewFileGivesPlainSectionAndKey) {
    QTemporaryDir folder;
    const QString path = folder.filePath("sub/Quenvalor.ini");  // the folder is made too
    ASSERT_TRUE(CIniFile(path).WriteString("General", "FilePath", "/srv/out"));
    EXPECT_EQ(ReadText(path), QStringLiteral("[General]\nFilePath=/srv/out\n"));
}

TEST(App_IniFile, WritingKeepsEverythingElseOfTheFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Quenvalor.ini");
    WriteText(path,
              "; comment\n[General]\nColour=blue\nFilePath=/old\n\n[Other]\nFilePath=/other\n");
    const CIniFile ini(path);
    ASSERT_TRUE(ini.WriteString("General", "FilePath", "/new"));
    EXPECT_EQ(ReadText(path), QStringLiteral("; comment\n[General]\nColour=blue\nFilePath=/new\n\n"
                                             "[Other]\nFilePath=/other\n"));
    // A new key goes to the end of its section, a new section to the end of the file.
    ASSERT_TRUE(ini.WriteString("Other", "Size", "3"));
    ASSERT_TRUE(ini.WriteString("General", "Mode", "1"));
    ASSERT_TRUE(ini.WriteString("Extra", "On", "yes"));
    EXPECT_EQ(ReadText(path), QStringLiteral("; comment\n[General]\nColour=blue\nFilePath=/new\n"
                                             "Mode=1\n\n[Other]\nFilePath=/other\nSize=3\n\n"
                                             "[Extra]\nOn=yes\n"));
    EXPECT_EQ(ini.ReadString("General", "FilePath", ""), QStringLiteral("/new"));
}

TEST(App_IniFile, RefusesWhatWouldCorruptTheFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Quenvalor.ini");
    const CIniFile ini(path);
    ASSERT_TRUE(ini.WriteString("General", "FilePath", "/a"));
    // A line break inside a value would make the rest of it a line of its own.
    EXPECT_FALSE(ini.WriteString("General", "FilePath", "/a\n[Evil]\nx=1"));
    EXPECT_EQ(ReadText(path), QStringLiteral("[General]\nFilePath=/a\n"));
    // A file below a plain file cannot be written.
    EXPECT_FALSE(CIniFile(path + "/below.ini").WriteString("General", "FilePath", "/a"));
}

TEST(App_IniFile, EveryValueReadsBackAsItWasWritten) {
    QTemporaryDir folder;
    const CIniFile ini(folder.filePath("Quenvalor.ini"));
    const QStringList values = {QStringLiteral(" /leading blank"),
                                QStringLiteral("/trailing blank "),
                                QStringLiteral("\t/tabbed\t"),
                                QStringLiteral("\"/quoted\""),
                                QStringLiteral("'/single'"),
                                QStringLiteral("\"/opened only"),
                                QStringLiteral("/closed only'"),
                                QStringLiteral("\"\""),
                                QStringLiteral("\""),
                                QStringLiteral("a=b; c # d"),
                                QStringLiteral("[Section]"),
                                QStringLiteral(""),
                                QStringLiteral("   "),
                                QString(QChar(0x00A0)) + QStringLiteral("/nbsp"),
                                QStringLiteral("/home/me/Vidéos/Webcam")};
    for (const QString& value : values) {
        ASSERT_TRUE(ini.WriteString("General", "FilePath", value)) << value.toStdString();
        EXPECT_EQ(ini.ReadString("General", "FilePath", "x"), value) << value.toStdString();
    }
    // A plain folder stays plain, so a person editing the file sees it as they wrote it.
    ASSERT_TRUE(ini.WriteString("General", "FilePath", "/srv/out"));
    EXPECT_EQ(ReadText(ini.Path()), QStringLiteral("[General]\nFilePath=/srv/out\n"));
    // What cannot read back as itself is refused, and the file keeps its last value.
    EXPECT_FALSE(ini.WriteString("General", " FilePath", "/x"));
    EXPECT_FALSE(ini.WriteString("General", "a=b", "/x"));
    EXPECT_FALSE(ini.WriteString("General", ";FilePath", "/x"));
    EXPECT_FALSE(ini.WriteString("Gen]eral", "FilePath", "/x"));
    EXPECT_FALSE(ini.WriteString("General", "FilePath", QString(QChar(0xD800))));
    EXPECT_EQ(ini.ReadString("General", "FilePath", "x"), QStringLiteral("/srv/out"));
}

TEST(App_IniFile, ByteOrderMarkBeforeTheFirstSectionIsIgnored) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Quenvalor.ini");
    WriteText(path, QString(QChar(0xFEFF)) + "[General]\nFilePath=/from/editor\n");
    EXPECT_EQ(CIniFile(path).ReadString("General", "FilePath", "x"),
              QStringLiteral("/from/editor"));
}

TEST(App_Settings, SettingsFileLiesInTheProgramFolderOrTheUserConfiguration) {
    EXPECT_EQ(app::SettingsFilePath("/opt/q", true), QStringLiteral("/opt/q/Quenvalor.ini"));
    {
        ScopedEnvironment config("XDG_CONFIG_HOME", "/cfg");
        EXPECT_EQ(app::SettingsFilePath("/opt/q", false),
                  QStringLiteral("/cfg/Quenvalor/Quenvalor.ini"));
    }
    {
        ScopedEnvironment config("XDG_CONFIG_HOME", QString());
        EXPECT_EQ(app::SettingsFilePath("/opt/q", false),
                  QDir::homePath() + "/.config/Quenvalor/Quenvalor.ini");
    }
    {
        ScopedEnvironment config("XDG_CONFIG_HOME", "relative/cfg");  // not absolute: ignored
        EXPECT_EQ(app::SettingsFilePath("/opt/q", false),
                  QDir::homePath() + "/.config/Quenvalor/Quenvalor.ini");
    }
    QTemporaryDir folder;
    EXPECT_TRUE(app::IsFolderWritable(folder.path()));
    EXPECT_FALSE(app::IsFolderWritable(folder.filePath("missing")));
}

TEST(App_Settings, DefaultOutputFolderIsInTheHomeFolder) {
    EXPECT_EQ(app::DefaultOutputFolder(), QDir::homePath() + "/ZelkorvanOutput");
}

TEST(App_OutputFolder, HandWrittenSettingIsReadAndTheFolderMade) {
    app_test::ProgramFolder folder;
    const QString output = folder.SubFolder("recordings", false);
    WriteText(folder.SettingsFile(), "[General]\nFilePath=" + output + "\n");
    CMainDialog dialog(nullptr, folder.Path());
    dialog.Initialise();
    EXPECT_EQ(dialog.Settings().File(), folder.SettingsFile());
    EXPECT_EQ(dialog.OutputFolder(), output);
    EXPECT_TRUE(QDir(output).exists());
    auto* edit = qobject_cast<QLineEdit*>(dialog.Control(app::kFolderEdit));
    ASSERT_NE(edit, nullptr);
    EXPECT_FALSE(edit->isVisibleTo(&dialog));
    dialog.ShutdownSequence();
}

TEST(App_OutputFolder, WithoutSettingsTheDefaultIsUsedAndMade) {
    app_test::ProgramFolder folder;
    QDir(app::DefaultOutputFolder()).removeRecursively();
    CMainDialog dialog(nullptr, folder.Path());
    dialog.Initialise();
    EXPECT_EQ(dialog.OutputFolder(), app::DefaultOutputFolder());
    EXPECT_TRUE(QDir(app::DefaultOutputFolder()).exists());
    EXPECT_FALSE(QFile::exists(folder.SettingsFile()));  // reading writes nothing
    dialog.ShutdownSequence();
}

TEST(App_OutputFolder, EmptyOrUnmakeableSettingIsHandledWithoutMessages) {
    app_test::ProgramFolder folder;
    WriteText(folder.SettingsFile(), "[General]\nFilePath=\n");
    {
        CMainDialog dialog(nullptr, folder.Path());
        dialog.Initialise();
        EXPECT_EQ(dialog.OutputFolder(), app::DefaultOutputFolder());
        dialog.ShutdownSequence();
    }
    // Only one level is made: a folder whose parent is missing stays missing but is kept.
    const QString deep = folder.SubFolder("no/such/parent", false);
    WriteText(folder.SettingsFile(), "[General]\nFilePath=" + deep + "\n");
    CMainDialog dialog(nullptr, folder.Path());
    dialog.Initialise();
    EXPECT_EQ(dialog.OutputFolder(), deep);
    EXPECT_FALSE(QDir(deep).exists());
    dialog.ShutdownSequence();
    EXPECT_TRUE(folder.messages.empty());
}

TEST(App_OutputFolder, BrowsedFolderIsWrittenAndSurvivesARestart) {
    app_test::ProgramFolder folder;
    folder.chosenFolder = folder.SubFolder("picked");
    {
        CMainDialog dialog(nullptr, folder.Path());
        dialog.Initialise();
        dialog.Button(app::kBrowseFolder)->click();
        ASSERT_EQ(folder.chooserTitles.size(), 1u);
        EXPECT_EQ(folder.chooserTitles[0], QStringLiteral("Output Folder"));
        EXPECT_EQ(dialog.OutputFolder(), folder.chosenFolder);
        dialog.ShutdownSequence();
    }
    const QString text = ReadText(folder.SettingsFile());
    EXPECT_TRUE(text.contains("[General]\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("\nFilePath=" + folder.chosenFolder + "\n")) << text.toStdString();

    CMainDialog restarted(nullptr, folder.Path());
    restarted.Initialise();
    EXPECT_EQ(restarted.OutputFolder(), folder.chosenFolder);
    restarted.ShutdownSequence();
}

TEST(App_OutputFolder, CancelledBrowseKeepsTheFolderAndRewritesIt) {
    app_test::ProgramFolder folder;
    const QString output = folder.SubFolder("kept");
    WriteText(folder.SettingsFile(), "[General]\nFilePath=" + output + "\n");
    CMainDialog dialog(nullptr, folder.Path());
    dialog.Initialise();
    QFile::remove(folder.SettingsFile());
    folder.chosenFolder = QString();  // cancelled
    dialog.Button(app::kBrowseFolder)->click();
    EXPECT_EQ(dialog.OutputFolder(), output);
    EXPECT_EQ(ReadText(folder.SettingsFile()), "[General]\nFilePath=" + output + "\n");
    // A one-character answer is no folder either.
    folder.chosenFolder = QStringLiteral("/");
    dialog.Button(app::kBrowseFolder)->click();
    EXPECT_EQ(dialog.OutputFolder(), output);
    dialog.ShutdownSequence();
}

TEST(App_OutputFolder, ReadOnlyProgramFolderKeepsSettingsInTheUserConfiguration) {
    // The program folder's writability decides the place; a read-only folder sends the file to
    // the configuration folder, where a browse writes it and the next start reads it.
    app_test::ProgramFolder folder;
    QTemporaryDir config;
    ScopedEnvironment environment("XDG_CONFIG_HOME", config.path());
    const QString path = app::SettingsFilePath(folder.Path(), false);
    EXPECT_EQ(path, config.path() + "/Quenvalor/Quenvalor.ini");
    const QString output = folder.SubFolder("elsewhere");
    ASSERT_TRUE(CIniFile(path).WriteString("General", "FilePath", output));
    EXPECT_EQ(CIniFile(path).ReadString("General", "FilePath", ""), output);
}

TEST(App_OutputFolder, OpenShowsTheFolderWithItsDefaultHandler) {
    app_test::ProgramFolder folder;
    const QString output = folder.SubFolder("shown");
    WriteText(folder.SettingsFile(), "[General]\nFilePath=" + output + "\n");
    CMainDialog dialog(nullptr, folder.Path());
    dialog.Initialise();
    dialog.Button(app::kOpenFolder)->click();
    ASSERT_EQ(folder.openedUrls.size(), 1u);
    EXPECT_EQ(folder.openedUrls[0], QUrl::fromLocalFile(output));
    dialog.ShutdownSequence();
}

TEST(App_Settings, ForeignBytesRoundTripAndAFileThatCannotBeReadIsNeverWritten) {
    app_test::ProgramFolder folder;
    // A folder named in Latin-1, as an older system wrote it, with a note in the same encoding.
    const QByteArray latin1Folder = QFile::encodeName(folder.Path()) + "/Vid\xe9os";
    ASSERT_EQ(::mkdir(latin1Folder.constData(), 0755), 0);
    const QByteArray text = "[General]\nFilePath=" + latin1Folder + "\nNote=caf\xe9\n";
    {
        QFile file(folder.SettingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    {
        CMainDialog dialog(nullptr, folder.Path());
        dialog.Initialise();
        dialog.Recording().TakeSnapshot();  // written before the end returns
        dialog.ToggleLayout();              // saves a setting
        dialog.Button(app::kOpenFolder)->click();
        dialog.ShutdownSequence();
    }
    ASSERT_EQ(folder.openedUrls.size(), 1u);
    EXPECT_TRUE(folder.openedUrls[0].toEncoded().endsWith("/Vid%E9os"))
        << folder.openedUrls[0].toEncoded().toStdString();
    const auto filesIn = [](const QByteArray& path) {
        std::error_code missing;
        std::filesystem::directory_iterator entries(path.toStdString(), missing);
        return std::distance(entries, std::filesystem::directory_iterator());
    };
    EXPECT_EQ(filesIn(latin1Folder), 1) << "the snapshot is in the folder the settings name";
    EXPECT_EQ(filesIn(QFile::encodeName(QFile::decodeName(latin1Folder))), 0);
    QFile saved(folder.SettingsFile());
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray savedText = saved.readAll();
    EXPECT_TRUE(savedText.startsWith(text)) << savedText.toStdString();
    EXPECT_TRUE(savedText.contains("Layout=studio"));
    ASSERT_TRUE(folder.messages.empty());

    // Settings that exist but cannot be read are left as they are, and the user is told once.
    ASSERT_TRUE(QFile::remove(folder.SettingsFile()));
    ASSERT_TRUE(QDir().mkdir(folder.SettingsFile()));
    CMainDialog dialog(nullptr, folder.Path());
    dialog.Initialise();
    dialog.ToggleLayout();
    dialog.ShutdownSequence();
    ASSERT_EQ(folder.messages.size(), 1u);
    EXPECT_TRUE(folder.messages[0].contains("could not read its settings")) << folder.messages[0].toStdString();
    EXPECT_TRUE(QFileInfo(folder.SettingsFile()).isDir());
}

// Each camera's controls are kept in a section of its own, found again by the camera's
// identity whatever characters it holds; switches and values that cannot be read are left out.
// Forgetting a camera's controls takes out the control keys only.
TEST(App_Settings, CameraControlsAreKeptPerCamera) {
    QTemporaryDir folder;
    const QString file = folder.path() + "/Quenvalor.ini";
    const std::string odd = "/dev/video2|Caméra [HD] 100% ";
    {
        app::ProgramSettings settings(file);
        capture::ControlSettings kept;
        kept["brightness"] = capture::ControlSetting{-20, std::nullopt};
        kept["white_balance_temperature"] = capture::ControlSetting{4000, false};
        kept["exposure"] = capture::ControlSetting{std::nullopt, true};
        EXPECT_TRUE(settings.SetCameraControls(odd, kept));
        EXPECT_TRUE(settings.SetCameraControls("/dev/video0|Front", {{"gain", {7, std::nullopt}}}));
    }
    WriteText(file, ReadText(file) +
                        "\n[Camera /dev/video5|Broken]\ncontrast=high\ngain_automatic=maybe\nzoom_speed=2\n");
    {
        const app::ProgramSettings settings(file);
        const auto& cameras = settings.CameraControls();
        ASSERT_EQ(cameras.size(), 2u);
        EXPECT_EQ(cameras.at(odd).at("brightness").value, -20);
        EXPECT_EQ(cameras.at(odd).at("white_balance_temperature"), (capture::ControlSetting{4000, false}));
        EXPECT_EQ(cameras.at(odd).at("exposure"), (capture::ControlSetting{std::nullopt, true}));
        EXPECT_EQ(cameras.at("/dev/video0|Front").at("gain").value, 7);
        const QString text = ReadText(file);
        EXPECT_TRUE(text.contains("\nwhite_balance_temperature=4000\n"));
        EXPECT_TRUE(text.contains("\nwhite_balance_automatic=0\n"));
        EXPECT_TRUE(text.contains("\nauto_exposure=1\n"));
    }
    app::ProgramSettings settings(file);
    EXPECT_TRUE(settings.ForgetCameraControls(odd));
    EXPECT_TRUE(settings.ForgetCameraControls("/dev/video5|Broken"));
    EXPECT_FALSE(settings.CameraControls().contains(odd));
    const QString text = ReadText(file);
    EXPECT_FALSE(text.contains("brightness=") || text.contains("white_balance") || text.contains("contrast="));
    EXPECT_TRUE(text.contains("\nzoom_speed=2\n"));
    EXPECT_TRUE(text.contains("\ngain=7\n"));
    EXPECT_EQ(app::ProgramSettings(file).CameraControls().size(), 1u);
}
