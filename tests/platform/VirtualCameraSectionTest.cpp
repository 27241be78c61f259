#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>

#include "platform/VirtualCameraSection.h"

using platform::VirtualCameraSection;

TEST(Platform_VirtualCameraSection, ExistingSectionIsOpenedWithItsContentsKept) {
    // Another process (a virtual camera driver) made the section and wrote into it.
    const int fd = shm_open(VirtualCameraSection::kSectionName, O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(ftruncate(fd, VirtualCameraSection::kSectionSize), 0);
    auto* bytes = static_cast<unsigned char*>(
        mmap(nullptr, VirtualCameraSection::kViewSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0));
    ASSERT_NE(bytes, MAP_FAILED);
    std::memset(bytes, 0x5A, 16);

    {
        VirtualCameraSection section;
        ASSERT_TRUE(section.Open());
        ASSERT_NE(section.View(), nullptr);
        EXPECT_TRUE(section.HasEvent());
        EXPECT_EQ(static_cast<const unsigned char*>(section.View())[0], 0x5A);
    }
    struct stat info {};
    fstat(fd, &info);
    EXPECT_EQ(static_cast<size_t>(info.st_size), VirtualCameraSection::kSectionSize);
    EXPECT_EQ(bytes[15], 0x5A) << "the program never writes into the section";
    munmap(bytes, VirtualCameraSection::kViewSize);
    close(fd);
}

TEST(Platform_VirtualCameraSection, MissingSectionIsCreatedAtFullSize) {
    shm_unlink(VirtualCameraSection::kSectionName);
    VirtualCameraSection section;
    ASSERT_TRUE(section.Open());
    const int fd = shm_open(VirtualCameraSection::kSectionName, O_RDONLY, 0);
    ASSERT_GE(fd, 0);
    struct stat info {};
    fstat(fd, &info);
    EXPECT_EQ(static_cast<size_t>(info.st_size), VirtualCameraSection::kSectionSize);
    close(fd);
}
