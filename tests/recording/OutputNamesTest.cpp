#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

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
    EXPECT_EQ(ResolveOutputFolder("", "/home/me/ZelkorvanOutput"), "/home/me/ZelkorvanOutput");
    EXPECT_EQ(ResolveOutputFolder("/data/clips", "/home/me/ZelkorvanOutput"), "/data/clips");
    const std::string path = OutputFilePath(ResolveOutputFolder("", "/home/me/out"), "a.avi");
    EXPECT_EQ(path, "/home/me/out/a.avi") << "never the root of the file system";
}

TEST(Recording_OutputNames, PathJoinsFolderAndNameWithOneSlash) {
    EXPECT_EQ(OutputFilePath("/data/clips", "a.jpg"), "/data/clips/a.jpg");
    EXPECT_EQ(OutputFilePath("/data/clips/", "a.jpg"), "/data/clips/a.jpg");
    EXPECT_EQ(OutputFilePath("relative dir", "a b.avi"), "relative dir/a b.avi");
}
