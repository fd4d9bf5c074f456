// Where `screen -o` writes, as real file systems show it: a full disk keeps the old picture, a
// device and a FIFO are written where they are and never removed, a replaced file keeps its mode.
// Mounting a small file system and making a device node need root; elsewhere those tests are
// skipped, saying so.
#include "tests/cli/run_program.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <set>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

namespace fs = std::filesystem;

// Both engines, every entry a visible 8 x 8 box: a picture of many pages, larger than any
// space a truncated old picture would free.
constexpr std::size_t LargestDumpBytes = 2048;

std::string Contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The program run in the test's folder (the current one), its standard output going to `out`.
Finished RunIn(std::vector<std::string> args, const fs::path& out = "/dev/null") {
    int descriptor = open(out.c_str(), O_WRONLY);
    Finished run = RunProgram(std::move(args), Closed, descriptor);
    close(descriptor);
    return run;
}

std::set<std::string> Names(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

mode_t ModeOf(const fs::path& path) {
    struct stat status {};
    lstat(path.c_str(), &status);
    return status.st_mode;
}

// A fresh folder for each test, the current one while it runs, removed after it.
class PictureFile : public testing::Test {
  protected:
    void SetUp() override {
        std::string name = (fs::temp_directory_path() / "oamcalc-picture-XXXXXX").string();
        ASSERT_NE(mkdtemp(name.data()), nullptr);
        folder = name;
        fs::current_path(folder);
        dump = folder.string() + ".bin";
        std::ofstream(dump, std::ios::binary) << std::string(LargestDumpBytes, '\0');
        fs::path picture = folder / "reference.svg";
        std::ofstream{picture};
        ASSERT_EQ(RunIn({"screen", "--scale", "8", dump}, picture).exitCode, 0);
        reference = Contents(picture);
        fs::remove(picture);
    }
    void TearDown() override {
        fs::current_path(home);
        if (mounted) {
            umount(folder.c_str());
        }
        fs::remove_all(folder);
        fs::remove(dump);
    }

    const fs::path home = fs::current_path();
    fs::path folder;
    std::string dump;      // beside the folder, outside any file system mounted on it
    std::string reference; // the picture, as standard output gets it
    bool mounted = false;
};

#define SKIP_UNLESS_ROOT(what)                                                                     \
    if (geteuid() != 0) {                                                                          \
        GTEST_SKIP() << what << " needs root; this run is not root";                               \
    }

TEST_F(PictureFile, AFullDiskKeepsTheOldPicture) {
    SKIP_UNLESS_ROOT("mounting a small tmpfs");
    if (mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=256k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    }
    mounted = true;
    fs::current_path(folder); // into the file system now on it
    const std::string old = "<svg>the old picture</svg>\n";
    std::ofstream(folder / "pic.svg") << old;
    {
        std::ofstream filler(folder / "filler");
        for (int i = 0; i < 256 && filler; ++i) {
            filler << std::string(1024, 'x') << std::flush;
        }
    }
    Finished full = RunIn({"screen", "--scale", "8", "-o", "pic.svg", dump});
    EXPECT_EQ(full.exitCode, 74);
    EXPECT_EQ(full.err, "oamcalc-cli: cannot write pic.svg: No space left on device\n");
    EXPECT_EQ(Contents(folder / "pic.svg"), old);
    EXPECT_EQ(Names(folder), (std::set<std::string>{"filler", "pic.svg"})) << "the folder changed";

    // With room again, the picture is whole; that it keeps the file's mode is the test below's.
    fs::remove(folder / "filler");
    EXPECT_EQ(RunIn({"screen", "--scale", "8", "-o", "pic.svg", dump}).exitCode, 0);
    EXPECT_EQ(Contents(folder / "pic.svg"), reference);
}

TEST_F(PictureFile, ADeviceIsWrittenWhereItIsAndNeverRemoved) {
    SKIP_UNLESS_ROOT("making a device node");
    const dev_t full = makedev(1, 7); // a copy of /dev/full
    ASSERT_EQ(mknod((folder / "full").c_str(), S_IFCHR | 0666, full), 0) << std::strerror(errno);
    Finished run = RunIn({"screen", "-o", "full", dump});
    EXPECT_EQ(run.exitCode, 74);
    EXPECT_EQ(run.err, "oamcalc-cli: cannot write full: No space left on device\n");
    struct stat status {};
    ASSERT_EQ(lstat((folder / "full").c_str(), &status), 0) << "the device node was removed";
    EXPECT_TRUE(S_ISCHR(status.st_mode));
    EXPECT_EQ(status.st_rdev, full);
    EXPECT_EQ(Names(folder), std::set<std::string>{"full"});
}

// A named FIFO, and standard output by its name when it is a pipe: the reader gets the whole
// picture and the FIFO stays. Standard output is named through /dev/fd, which lies in /proc,
// where a faulty build could replace nothing: /dev/stdout is the machine's own.
TEST_F(PictureFile, AFifoReceivesTheWholePicture) {
    const struct {
        const char* target;
        bool throughStandardOutput;
    } rows[] = {{"pipe", false}, {"/dev/fd/1", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.target);
        fs::path fifo = folder / "pipe";
        ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
        std::future<std::string> read =
            std::async(std::launch::async, [&] { return Contents(fifo); });
        Finished run = RunIn({"screen", "--scale", "8", "-o", row.target, dump},
                             row.throughStandardOutput ? fifo : fs::path("/dev/null"));
        // A reader still waiting for a writer, when the program never opened the FIFO, sees the
        // end at once.
        close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(read.get(), reference);
        EXPECT_TRUE(S_ISFIFO(ModeOf(fifo)));
        fs::remove(fifo);
    }
}

// Through a link, the file it names is replaced and the link stays; a link that names nothing is
// refused, and stays.
TEST_F(PictureFile, ALinkStaysALink) {
    std::ofstream(folder / "real.svg") << "old";
    fs::create_symlink("real.svg", folder / "link.svg");
    fs::create_symlink("nowhere.svg", folder / "dangling.svg");
    EXPECT_EQ(RunIn({"screen", "--scale", "8", "-o", "link.svg", dump}).exitCode, 0);
    EXPECT_TRUE(fs::is_symlink(folder / "link.svg"));
    EXPECT_EQ(Contents(folder / "real.svg"), reference);
    Finished dangling = RunIn({"screen", "-o", "dangling.svg", dump});
    EXPECT_EQ(dangling.exitCode, 74);
    EXPECT_EQ(dangling.err, "oamcalc-cli: cannot write dangling.svg: No such file or directory\n");
    EXPECT_TRUE(fs::is_symlink(folder / "dangling.svg"));
    EXPECT_EQ(Names(folder), (std::set<std::string>{"dangling.svg", "link.svg", "real.svg"}));
}

// An existing file keeps its permission bits; a new one gets read and write for all, less the
// umask, as any file the program's user makes.
TEST_F(PictureFile, AReplacedFileKeepsItsMode) {
    const struct {
        mode_t existing; // 0: no file yet
        mode_t mask;
        mode_t expected;
    } rows[] = {{0640, 022, 0640}, {0604, 077, 0604}, {0755, 0, 0755},
                {0, 022, 0644},    {0, 027, 0640},    {0, 002, 0664}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << std::oct << row.existing << " " << row.mask);
        fs::path picture = folder / "pic.svg";
        if (row.existing != 0) {
            std::ofstream{picture} << "old";
            ASSERT_EQ(chmod(picture.c_str(), row.existing), 0);
        }
        mode_t mask = umask(row.mask);
        Finished run = RunIn({"screen", "--scale", "8", "-o", "pic.svg", dump});
        umask(mask);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(ModeOf(picture) & 07777, row.expected);
        EXPECT_EQ(Contents(picture), reference);
        fs::remove(picture);
    }
}

} // namespace
