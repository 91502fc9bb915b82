#include "cli/AreaFiles.h"

#include "layout/RoomLayout.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

void PrintDiagnostic(std::ostream& out, const std::string& file, const CDiagnostic& d)
{
    std::string text = d.text;
    std::replace(text.begin(), text.end(), '\n', ' ');
    out << file;
    if (d.line > 0)
        out << ':' << d.line;
    out << (d.severity == Severity::Error ? ": error: " : ": warning: ") << text << '\n';
}

bool ReadFileBytes(const std::string& path, std::string& bytes, std::string& reason)
{
    // Plain POSIX reads: a stream opens a directory without complaint and
    // then throws from deep inside the reader, without the system's reason.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        reason = std::strerror(errno);
        return false;
    }
    struct stat info;
    int failure = fstat(fd, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR
                                                                        : 0;
    bytes.clear();
    char buffer[65536];
    while (failure == 0) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got > 0)
            bytes.append(buffer, static_cast<size_t>(got));
        else if (errno != EINTR)
            failure = errno;
    }
    close(fd);
    if (failure != 0) {
        reason = std::strerror(failure);
        bytes.clear();
        return false;
    }
    return true;
}

void PrintOpenError(std::ostream& out, const std::string& path, const std::string& reason)
{
    out << path << ": error: cannot open the file: " << reason << '\n';
}

bool LoadAreaFile(const std::string& path, CTolvexDoc& doc, CCliContext& context)
{
    return LoadAreaFile(path, doc, context, doc.DefaultSaveOptions());
}

bool LoadAreaFile(const std::string& path, CTolvexDoc& doc, CCliContext& context, const CSaveOptions& saveOptions)
{
    std::string bytes;
    std::string reason;
    if (!ReadFileBytes(path, bytes, reason)) {
        PrintOpenError(context.err, path, reason);
        return false;
    }
    std::istringstream file(std::move(bytes));
    CDiagnosticList diagnostics;
    const bool ok = doc.Load(file, diagnostics, saveOptions);
    for (const CDiagnostic& d : diagnostics.items)
        PrintDiagnostic(context.err, path, d);
    return ok;
}

void LayOutMap(const std::string& path, CTolvexDoc& doc, bool allRooms, CCliContext& context)
{
    LayoutRooms(doc, allRooms);
    const std::string warning = UnplacedRoomsWarning(doc);
    if (!warning.empty())
        PrintDiagnostic(context.err, path, { Severity::Warning, 0, std::string(), warning, false });
}

bool ParseInt(const std::string& text, int& value)
{
    if (text.empty())
        return false;
    size_t used = 0;
    try {
        const long long parsed = std::stoll(text, &used, 10);
        if (used != text.size() || parsed < INT32_MIN || parsed > INT32_MAX)
            return false;
        value = static_cast<int>(parsed);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}
