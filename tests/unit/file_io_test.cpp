#include "base/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "base/file_error.h"
#include "tests/support/temp_folder.h"

namespace ruvo {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

class FileIo : public ::testing::Test {
protected:
    // The names in the folder, to see that no temporary file is left behind.
    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()));
    }

    TempFolder folder;
};

FileError::Kind KindOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileError& error) {
        return error.kind();
    }
    ADD_FAILURE() << "no FileError";
    return FileError::Kind::Damaged;
}

TEST_F(FileIo, FileExistsOnlyForFilesThatCanBeOpened) {
    const std::string file = folder.file("a.dat");
    EXPECT_FALSE(FileExists(file));
    WriteBytes(file, "");
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(folder.path()));
}

TEST_F(FileIo, ReadWholeFileGivesTheBytesOrAnError) {
    const std::string file = folder.file("a.dat");
    EXPECT_EQ(KindOf([&] { ReadWholeFile(file); }), FileError::Kind::Open);
    EXPECT_EQ(KindOf([&] { ReadWholeFile(folder.path()); }), FileError::Kind::Open);
    const std::string bytes("a\r\n\0\xFF", 5);
    WriteBytes(file, bytes);
    EXPECT_EQ(ReadWholeFile(file), bytes);
    EXPECT_EQ(ReadWholeFile(file, 5), bytes);
    EXPECT_EQ(KindOf([&] { ReadWholeFile(file, 4); }), FileError::Kind::Read);
}

TEST_F(FileIo, WriteFileAtomicallyReplacesTheFileAndKeepsItsPermissions) {
    const std::string file = folder.file("Tarif.dat");
    WriteFileAtomically(file, "first");
    EXPECT_EQ(ReadBytes(file), "first");
    ASSERT_EQ(::chmod(file.c_str(), 0600), 0);
    WriteFileAtomically(file, "second");
    EXPECT_EQ(ReadBytes(file), "second");
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600U);
    EXPECT_EQ(FilesInFolder(), 1U);
}

TEST_F(FileIo, WriteFileAtomicallyIntoAMissingFolderFails) {
    EXPECT_EQ(KindOf([&] { WriteFileAtomically(folder.file("no/such.dat"), "x"); }),
              FileError::Kind::Open);
}

TEST_F(FileIo, AppendToFileCreatesAndAppends) {
    const std::string file = folder.file("RVDaten99.db");
    AppendToFile(file, "ab");
    AppendToFile(file, "cd");
    EXPECT_EQ(ReadBytes(file), "abcd");
    EXPECT_EQ(KindOf([&] { AppendToFile(folder.file("no/such.db"), "x"); }), FileError::Kind::Open);
}

TEST_F(FileIo, CreateNewFileNeverReplacesAnything) {
    const std::string file = folder.file("RVDaten99.db");
    EXPECT_TRUE(CreateNewFile(file, "header"));
    EXPECT_FALSE(CreateNewFile(file, "other"));
    EXPECT_EQ(ReadBytes(file), "header");
    EXPECT_FALSE(CreateNewFile(folder.path(), "x"));
}

}  // namespace
}  // namespace ruvo
