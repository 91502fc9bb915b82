#include "support/RunCli.h"
#include "text/AtomicFile.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

size_t FilesIn(const std::string& folder)
{
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

} // namespace

// Through a link, the file the link names is replaced and the link stays.
TEST(AtomicFile, ReplacesTheFileKeepingItsPermissionsAndLeavesNothingBeside)
{
    CScratchDir dir;
    const std::string path = dir.Write("area.are", "old");
    fs::permissions(path, fs::perms(0640));
    fs::create_symlink(path, dir.Path("link.are"));
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(path, "new bytes\n", error)) << error;
    EXPECT_EQ(ReadWholeFile(path), "new bytes\n");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640));
    ASSERT_TRUE(WriteFileAtomically(dir.Path("link.are"), "linked", error)) << error;
    EXPECT_TRUE(fs::is_symlink(dir.Path("link.are")) && ReadWholeFile(path) == "linked");
    EXPECT_EQ(FilesIn(dir.Path("")), 2u) << "the temporary file must be gone";

    ASSERT_TRUE(WriteFileAtomically(dir.Path("fresh.are"), "", error)) << error;
    EXPECT_TRUE(fs::exists(dir.Path("fresh.are")));
}

TEST(AtomicFile, FailureLeavesTheFileUntouchedAndNoTemporaryFile)
{
    CScratchDir dir;
    // So long a name that no temporary file fits beside it.
    const std::string path = dir.Write(std::string(250, 'a'), "old");
    std::string error;
    EXPECT_FALSE(WriteFileAtomically(path, "new", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadWholeFile(path), "old");
    EXPECT_EQ(FilesIn(dir.Path("")), 1u);

    error.clear();
    EXPECT_FALSE(WriteFileAtomically(dir.Path("no/such/folder/x.are"), "new", error));
    EXPECT_FALSE(error.empty());
}
