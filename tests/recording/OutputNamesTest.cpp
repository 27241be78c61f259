#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

#include "recording/OutputNames.h"

using namespace recording;

namespace {

// 2010-05-17 14:03:09 in the time zone the test sets.
std::time_t May17At140309() {
    std::tm moment{};
    moment.tm_year = 2010 - 1900;
    moment.tm_mon = 4;
    moment.tm_mday = 17;
    moment.tm_hour = 14;
    moment.tm_min = 3;
    moment.tm_sec = 9;
    moment.tm_isdst = -1;
    return std::mktime(&moment);
}

}  // namespace

TEST(Recording_OutputNames, StampIsTheLocalTimeWithDashes) {
    setenv("TZ", "QVT-2", 1);  // two hours east of UTC, no zone files needed
    tzset();
    const std::time_t when = May17At140309();
    EXPECT_EQ(FormatFileStamp(when), "2010-05-17 14-03-09");
    EXPECT_EQ(RecordingFileName(when), "2010-05-17 14-03-09.avi");
    EXPECT_EQ(SnapshotFileName(when), "2010-05-17 14-03-09.jpg");
    EXPECT_EQ(FormatFileStamp(when + 3600 * 10), "2010-05-18 00-03-09");

    setenv("TZ", "UTC", 1);
    tzset();
    EXPECT_EQ(FormatFileStamp(when), "2010-05-17 12-03-09") << "the stamp follows the local zone";
    unsetenv("TZ");
    tzset();
}

TEST(Recording_OutputNames, ClockTextShowsHoursMinutesSeconds) {
    EXPECT_EQ(FormatElapsedTime(0), "00:00:00");
    EXPECT_EQ(FormatElapsedTime(1), "00:00:01");
    EXPECT_EQ(FormatElapsedTime(59), "00:00:59");
    EXPECT_EQ(FormatElapsedTime(60), "00:01:00");
    EXPECT_EQ(FormatElapsedTime(3599), "00:59:59");
    EXPECT_EQ(FormatElapsedTime(3725), "01:02:05");
    EXPECT_EQ(FormatElapsedTime(359999), "99:59:59");
    EXPECT_EQ(FormatElapsedTime(360000), "100:00:00");
    EXPECT_EQ(FormatElapsedTime(int64_t{1000} * 3600 + 61), "1000:01:01");
    EXPECT_EQ(FormatElapsedTime(-5), "00:00:00");
}

TEST(Recording_OutputNames, EmptyFolderTextMeansTheDefaultFolder) {
    const char* home = "/home/me";
    EXPECT_EQ(ResolveOutputFolder("", "/home/me/ZelkorvanOutput", home), "/home/me/ZelkorvanOutput");
    EXPECT_EQ(ResolveOutputFolder("/data/clips", "/home/me/ZelkorvanOutput", home), "/data/clips");
    // As users write folders: the home folder's short form, and relative to the home folder.
    EXPECT_EQ(ResolveOutputFolder("~", "/d", home), "/home/me");
    EXPECT_EQ(ResolveOutputFolder("~/Videos", "/d", home), "/home/me/Videos");
    EXPECT_EQ(ResolveOutputFolder("rec", "/d", home), "/home/me/rec");
    EXPECT_EQ(ResolveOutputFolder("~other/x", "/d", home), "/home/me/~other/x");
    const std::string path = OutputFilePath(ResolveOutputFolder("", "/home/me/out", home), "a.avi");
    EXPECT_EQ(path, "/home/me/out/a.avi") << "never the root of the file system";
}

TEST(Recording_OutputNames, PathJoinsFolderAndNameWithOneSlash) {
    EXPECT_EQ(OutputFilePath("/data/clips", "a.jpg"), "/data/clips/a.jpg");
    EXPECT_EQ(OutputFilePath("/data/clips/", "a.jpg"), "/data/clips/a.jpg");
    EXPECT_EQ(OutputFilePath("relative dir", "a b.avi"), "relative dir/a b.avi");
}

TEST(Recording_OutputNames, TakenNamesAreNumberedBeforeTheExtension) {
    EXPECT_EQ(NumberedFileName("2010-05-17 14-03-09.avi", 1), "2010-05-17 14-03-09.avi");
    EXPECT_EQ(NumberedFileName("2010-05-17 14-03-09.avi", 2), "2010-05-17 14-03-09 (2).avi");
    EXPECT_EQ(NumberedFileName("a.b.jpg", 10), "a.b (10).jpg");
    EXPECT_EQ(NumberedFileName("plain", 3), "plain (3)");
    EXPECT_EQ(NumberedFileName(".hidden", 2), ".hidden (2)");
}

TEST(Recording_OutputNames, NewFileTakesTheFirstFreeNameAndLeavesWhatIsThereAlone) {
    char pattern[] = "/tmp/quenvalor-names-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string folder = pattern;
    const std::string path = folder + "/a.jpg";
    const auto make = [](const std::string& candidate) {
        const int fd = OpenNewFile(candidate);
        if (fd >= 0) close(fd);
        return fd >= 0;
    };
    EXPECT_EQ(CreateUnderFreeName(path, make), path);
    // A dangling link: following it would create its target.
    ASSERT_EQ(symlink((folder + "/target").c_str(), (folder + "/a (2).jpg").c_str()), 0);
    EXPECT_EQ(CreateUnderFreeName(path, make), folder + "/a (3).jpg");
    struct stat info {};
    EXPECT_NE(lstat((folder + "/target").c_str(), &info), 0) << "the link was followed";
    // A name taken between the look and the creation moves on to the next number.
    int calls = 0;
    const auto racing = [&](const std::string& candidate) {
        if (++calls == 1) make(candidate);  // someone else takes it first
        return make(candidate);
    };
    EXPECT_EQ(CreateUnderFreeName(path, racing), folder + "/a (5).jpg");
    // Another failure ends the search.
    EXPECT_EQ(CreateUnderFreeName(folder + "/missing/a.jpg", make), std::nullopt);
    std::filesystem::remove_all(folder);
}
