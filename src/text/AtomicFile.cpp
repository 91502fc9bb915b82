#include "text/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string Folder(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string LastPart(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A link is replaced by the file it names, not by a file of its own.
std::string ResolvedTarget(const std::string& path)
{
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

mode_t NewFileMode()
{
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& bytes)
{
    const char* next = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = write(fd, next, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        next += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

void SyncFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        fsync(fd); // the rename is durable only once its folder is
        close(fd);
    }
}

} // namespace

bool WriteFileAtomically(const std::string& path, const std::string& bytes, std::string& error)
{
    const std::string target = ResolvedTarget(path);
    const std::string folder = Folder(target);
    std::string pattern = folder + "/." + LastPart(target) + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');

    const int fd = mkstemp(name.data());
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    const std::string temporary(name.data());
    struct stat info;
    const mode_t mode = stat(target.c_str(), &info) == 0 ? (info.st_mode & 07777) : NewFileMode();

    bool ok = fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && fsync(fd) == 0;
    int failure = ok ? 0 : errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        unlink(temporary.c_str());
        error = std::strerror(failure);
        return false;
    }
    SyncFolder(folder);
    return true;
}

bool IsReadOnlyFile(const std::string& path)
{
    // The mode bits, not access(): an administrator may write any file, and
    // the mark is still the owner's word that this one is not to change.
    struct stat info { };
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}
