#include "cli/streams/file_replace.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The mode a file made by open(2) gets: read and write for all, less the umask.
constexpr mode_t NewFileMode = S_IRUSR | S_IWUSR | S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH;
constexpr mode_t PermissionBits = 07777;

int WriteEvery(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t count = write(descriptor, bytes.data(), bytes.size());
        if (count < 0 && errno != EINTR) {
            return errno;
        }
        bytes.remove_prefix(count < 0 ? 0 : static_cast<std::size_t>(count));
    }
    return 0;
}

// A device or a FIFO, written where it is: opened without creating or truncating it.
int WriteDirectly(const std::string& path, std::string_view bytes) {
    int descriptor = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return errno;
    }
    int error = WriteEvery(descriptor, bytes);
    if (close(descriptor) != 0 && error == 0 && errno != EINTR) {
        error = errno;
    }
    return error;
}

// The umask can only be read by setting it; this program runs one thread.
mode_t ModeOfNewFile() {
    mode_t mask = umask(0);
    umask(mask);
    return NewFileMode & ~mask;
}

std::string FolderOf(const std::string& path) {
    std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The temporary file's bytes on the disk, with the mode and owner the target had, before the
// rename makes it the target.
int FillTemporary(int descriptor, std::string_view bytes, const struct stat* old) {
    if (int error = WriteEvery(descriptor, bytes); error != 0) {
        return error;
    }
    if (fchmod(descriptor, old ? old->st_mode & PermissionBits : ModeOfNewFile()) != 0) {
        return errno;
    }
    if (old) {
        // Only root may give a file away; anyone else keeps the file as their own, as an editor
        // that saves by renaming does.
        [[maybe_unused]] int ignored = fchown(descriptor, old->st_uid, old->st_gid);
    }
    return fsync(descriptor) != 0 ? errno : 0;
}

// So that the new name survives a crash too; the bytes are already whole under it, so a folder
// that cannot be flushed is no failure of the write.
void FlushFolder(const std::string& folder) {
    int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        fsync(descriptor);
        close(descriptor);
    }
}

} // namespace

int WriteWholeFile(const std::string& path, std::string_view bytes) {
    struct stat old {};
    bool exists = stat(path.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        return WriteDirectly(path, bytes);
    }
    // Through a link (/dev/stdout among them, when standard output is a file), the file it names
    // is replaced and the link kept. A link that names nothing is left alone, not replaced.
    std::string target = path;
    struct stat link {};
    if (lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        char* resolved = realpath(path.c_str(), nullptr);
        if (!resolved) {
            return errno;
        }
        target = resolved;
        std::free(resolved);
    }
    std::string folder = FolderOf(target);
    std::string temporary = folder + "/.oamcalc-XXXXXX";
    int descriptor = mkostemp(temporary.data(), O_CLOEXEC);
    if (descriptor < 0) {
        return errno;
    }
    int error = FillTemporary(descriptor, bytes, exists ? &old : nullptr);
    if (close(descriptor) != 0 && error == 0 && errno != EINTR) {
        error = errno;
    }
    if (error == 0 && rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        unlink(temporary.c_str());
        return error;
    }
    FlushFolder(folder);
    return 0;
}
