#include "base/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

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

// Sets the process's umask for the while.
class UmaskSet {
public:
    explicit UmaskSet(mode_t mask) : saved_(::umask(mask)) {}
    UmaskSet(const UmaskSet&) = delete;
    UmaskSet& operator=(const UmaskSet&) = delete;
    ~UmaskSet() { ::umask(saved_); }

private:
    mode_t saved_;
};

mode_t ModeOf(const std::string& file) {
    struct stat info {};
    EXPECT_EQ(::stat(file.c_str(), &info), 0) << file;
    return info.st_mode & 07777;
}

TEST_F(FileIo, ANewFileGetsWhatTheUmaskAllowsAndAReplacedOneKeepsItsMode) {
    const struct {
        mode_t umask;
        mode_t created;       // a file that was not there
        mode_t existing;      // a file that is replaced ...
        mode_t afterReplace;  // ... and its mode afterwards
    } cases[] = {
        {077, 0600, 0644, 0644},
        {022, 0644, 0600, 0600},
        {002, 0664, 0640, 0640},
        {0, 0666, 0604, 0604},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "umask " << std::oct << c.umask);
        const std::string created = folder.file("Tarif.dat");
        std::filesystem::remove(created);
        {
            const UmaskSet mask(c.umask);
            WriteFileAtomically(created, "new");
        }
        EXPECT_EQ(ModeOf(created), c.created);
        const std::string replaced = folder.file("replaced.dat");
        WriteBytes(replaced, "old");
        ASSERT_EQ(::chmod(replaced.c_str(), c.existing), 0);
        {
            const UmaskSet mask(c.umask);
            WriteFileAtomically(replaced, "new");
        }
        EXPECT_EQ(ReadBytes(replaced), "new");
        EXPECT_EQ(ModeOf(replaced), c.afterReplace);
        EXPECT_EQ(FilesInFolder(), 2U);
    }
}

TEST_F(FileIo, AFailedReplacementSaysWhyAndLeavesNoTemporaryFile) {
    // A folder in the file's place: the rename fails, and the error carries the reason.
    const std::string inTheWay = folder.file("Tarif.dat");
    std::filesystem::create_directory(inTheWay);
    try {
        WriteFileAtomically(inTheWay, "x");
        ADD_FAILURE() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_EQ(error.systemError(), EISDIR);
        EXPECT_EQ(error.path(), inTheWay);
    }
    EXPECT_EQ(FilesInFolder(), 1U);
    try {
        WriteFileAtomically(folder.file("no/such.dat"), "x");
        ADD_FAILURE() << "no FileError";
    } catch (const FileError& error) {
        EXPECT_EQ(error.systemError(), ENOENT);
    }
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
