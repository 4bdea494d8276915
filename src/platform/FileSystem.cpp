#include "platform/FileSystem.h"

#include <cstdio>
#include <fstream>
#include <mutex>
#include <thread>

#include "platform/Parallel.h"
#include "platform/Paths.h"
#include "platform/TaskQueue.h"
#include "platform/Text.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace torva {
namespace {

constexpr std::size_t kFilesAtOnce = 8;

std::FILE* openFile(const std::string& path, const char* mode) {
#ifdef _WIN32
    const std::wstring wmode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(toFsPath(path).c_str(), wmode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

std::error_code lastError() {
    return {errno ? errno : EIO, std::generic_category()};
}

#ifdef _WIN32
std::error_code windowsError() {
    return {static_cast<int>(GetLastError()), std::system_category()};
}
#endif

// Forces the file's written bytes to disk; other threads may write to it
// meanwhile.
std::error_code syncDescriptor(int fd) {
#ifdef _WIN32
    const auto h = reinterpret_cast<HANDLE>(_get_osfhandle(fd));
    return h != INVALID_HANDLE_VALUE && FlushFileBuffers(h) ? std::error_code{} : windowsError();
#else
    return ::fdatasync(fd) == 0 ? std::error_code{} : lastError();
#endif
}

// Writes all pieces and forces them to disk before the file is closed.
std::error_code writeAndSync(std::FILE* f, std::span<const std::string_view> pieces) {
    for (const std::string_view bytes : pieces) {
        if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
            return lastError();
        }
    }
    if (std::fflush(f) != 0) {
        return lastError();
    }
#ifdef _WIN32
    if (_commit(_fileno(f)) != 0) {
        return lastError();
    }
#else
    if (fsync(fileno(f)) != 0) {
        return lastError();
    }
#endif
    return {};
}

std::error_code replaceFile(const fs::path& from, const fs::path& to) {
#ifdef _WIN32
    if (!MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return windowsError();
    }
    return {};
#else
    // A large file replaced gives its blocks back to the disk when its last
    // reference goes, which takes ~10 ms for 50 MB on a disk that discards
    // freed blocks: a reference is kept across the rename and dropped on a
    // thread of its own, off the caller's path.
    constexpr off_t kLarge = 1 << 20;
    int old = ::open(to.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    struct stat st {};
    if (old >= 0 && (::fstat(old, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < kLarge)) {
        ::close(old);
        old = -1;
    }
    std::error_code ec;
    fs::rename(from, to, ec);
    if (old >= 0) {
        try {
            std::thread([old] { ::close(old); }).detach();
        } catch (const std::system_error&) {
            ::close(old);  // no thread to be had: closed here
        }
    }
    return ec;
#endif
}

bool isReadOnlyExact(const fs::path& p) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(p.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
#else
    std::error_code ec;
    const auto status = fs::status(p, ec);
    return !ec && fs::exists(status) &&
           (status.permissions() & fs::perms::owner_write) == fs::perms::none;
#endif
}

// The file that replaces target gets target's permissions (and, where the
// process may, its owner and group) or its Windows attributes. Nothing to do
// when there is no target yet.
std::error_code keepPermissions(const fs::path& target, const fs::path& temp) {
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return {};
    }
    constexpr DWORD kSettable = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN |
                                FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    const DWORD kept = attributes & kSettable;
    if (!SetFileAttributesW(temp.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL)) {
        return windowsError();
    }
    return {};
#else
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        return {};
    }
    // Best effort: only a privileged process may give a file away.
    if (::chown(temp.c_str(), st.st_uid, st.st_gid) != 0) {
        [[maybe_unused]] const int ignored =
            ::chown(temp.c_str(), static_cast<uid_t>(-1), st.st_gid);
    }
    if (::chmod(temp.c_str(), st.st_mode & 07777) != 0) {
        return lastError();
    }
    return {};
#endif
}

// A read-only file is never replaced, appended to or deleted. Windows refuses
// that; on POSIX a rename over the file, or the superuser, would not be stopped.
// The path is taken as it stands, already matched.
std::error_code refuseReadOnly(const std::string& path) {
    std::error_code ec;
    const fs::path p = toFsPath(path);
    if (!path.empty() && fs::is_regular_file(p, ec) && isReadOnlyExact(p)) {
        return std::make_error_code(std::errc::permission_denied);
    }
    return {};
}

#ifdef _WIN32
// The copy keeps the source's times and attributes; a read-only copy is made
// writable so that it can still be renamed over the target.
std::error_code copyToTemporary(const fs::path& source, const fs::path& temp) {
    if (!CopyFileW(source.c_str(), temp.c_str(), FALSE)) {
        return windowsError();
    }
    const DWORD attributes = GetFileAttributesW(temp.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
        !SetFileAttributesW(temp.c_str(),
                            attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY))) {
        return windowsError();
    }
    return {};
}
#else
std::error_code copyToTemporary(const fs::path& source, const fs::path& temp) {
    std::error_code ec;
    fs::copy_file(source, temp, fs::copy_options::overwrite_existing, ec);
    if (!ec) {
        // A copied read-only file must stay replaceable until it is in place.
        fs::permissions(temp, fs::perms::owner_write, fs::perm_options::add, ec);
    }
    if (!ec) {
        const auto time = fs::last_write_time(source, ec);
        if (!ec) {
            fs::last_write_time(temp, time, ec);
        }
    }
    return ec;
}
#endif

// Where a new file of this path goes: an existing entry that differs only in
// case is replaced, as on Windows.
std::string targetPath(const std::string& path) {
    if (pathExists(path)) {
        return resolvePath(path);
    }
    const fs::path p = toFsPath(path);
    if (!p.has_parent_path()) {
        return path;
    }
    return fromFsPath(toFsPath(resolvePath(fromFsPath(p.parent_path()))) / p.filename());
}

#ifndef _WIN32
// Each entry of the directory but "." and "..", read straight from it, with
// the directory's descriptor for calls relative to it, until each returns
// false.
template <typename F>
void forEachDirent(const std::string& dir, std::error_code& ec, F&& each) {
    ec.clear();
    DIR* stream = ::opendir(dir.c_str());
    if (!stream) {
        ec = lastError();
        return;
    }
    const int fd = ::dirfd(stream);
    for (;;) {
        errno = 0;
        const dirent* d = ::readdir(stream);
        if (!d) {
            if (errno != 0) {
                ec = lastError();
            }
            break;
        }
        const std::string_view name(d->d_name);
        if (name != "." && name != ".." && !each(*d, fd)) {
            break;
        }
    }
    ::closedir(stream);
}
#endif

}  // namespace

std::string foldName(std::string_view utf8) {
    std::string out = asciiLower(utf8);
    for (std::size_t i = 1; i < out.size(); ++i) {
        const auto lead = static_cast<unsigned char>(out[i - 1]);
        const auto b = static_cast<unsigned char>(out[i]);
        if (lead == 0xC3 && b >= 0x80 && b <= 0x9E && b != 0x97) {  // U+00C0..U+00DE but "×"
            out[i] = static_cast<char>(b + 0x20);
        }
    }
    return out;
}

fs::path toFsPath(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string fromFsPath(const fs::path& path) {
    const std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

std::string resolvePath(const std::string& path) {
    std::error_code ec;
    const fs::path p = toFsPath(path);
    if (path.empty() || fs::exists(p, ec)) {
        return path;
    }
#ifdef _WIN32
    return path;
#else
    fs::path current = p.root_path();
    for (const fs::path& part : p.relative_path()) {
        const fs::path exact = current / part;
        if (fs::exists(exact, ec)) {
            current = exact;
            continue;
        }
        const std::string dir = current.empty() ? std::string(".") : fromFsPath(current);
        const std::string wanted = fromFsPath(part);
        const std::string folded = foldName(wanted);
        bool found = false;
        forEachDirent(dir, ec, [&](const dirent& d, int) {
            const std::string_view name(d.d_name);
            // Case changes keep a name's length in bytes: most entries are
            // passed over without folding.
            if (name.size() == wanted.size() && foldName(name) == folded) {
                current /= toFsPath(std::string(name));
                found = true;
            }
            return !found;
        });
        if (!found) {
            return path;
        }
    }
    return fromFsPath(current);
#endif
}

bool pathExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::exists(toFsPath(resolvePath(path)), ec);
}

bool isDirectory(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(toFsPath(resolvePath(path)), ec);
}

bool isRegularFile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(toFsPath(resolvePath(path)), ec);
}

bool isRegularFileExact(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(toFsPath(path), ec);
}

std::error_code readFileBytes(const std::string& path, std::string& bytes) {
    const std::string resolved = resolvePath(path);
    std::FILE* f = openFile(resolved, "rb");
    if (!f) {
        return lastError();
    }
    bytes.clear();
    // One allocation of the right size, not a doubling string.
    std::error_code sizeError;
    const auto size = fs::file_size(toFsPath(resolved), sizeError);
    if (!sizeError && size <= bytes.max_size()) {
        bytes.reserve(static_cast<std::size_t>(size));
    }
    char buffer[65536];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        bytes.append(buffer, n);
    }
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    return failed ? std::error_code(EIO, std::generic_category()) : std::error_code();
}

std::string temporaryPathFor(const std::string& path) {
    const fs::path p = toFsPath(path);
    return fromFsPath(p.parent_path() / toFsPath("~" + fromFsPath(p.filename()) + ".tmp"));
}

std::error_code writeTemporaryFile(const std::string& path, std::string_view bytes,
                                   std::string& temporary) {
    return writeTemporaryFile(path, std::span<const std::string_view>(&bytes, 1), temporary);
}

std::error_code writeTemporaryFile(const std::string& path,
                                   std::span<const std::string_view> pieces,
                                   std::string& temporary) {
    temporary = temporaryPathFor(targetPath(path));
    std::FILE* f = openFile(temporary, "wb");
    if (!f) {
        return lastError();
    }
    std::error_code ec = writeAndSync(f, pieces);
    if (std::fclose(f) != 0 && !ec) {
        ec = lastError();
    }
    if (ec) {
        removeFile(temporary);
    }
    return ec;
}

std::error_code replaceWithTemporary(const std::string& temporary, const std::string& path) {
    const std::string target = targetPath(path);
    std::error_code ec = refuseReadOnly(target);
    if (!ec) {
        ec = keepPermissions(toFsPath(target), toFsPath(temporary));
    }
    if (!ec) {
        ec = replaceFile(toFsPath(temporary), toFsPath(target));
    }
    if (ec) {
        removeFile(temporary);
    }
    return ec;
}

std::error_code writeFileAtomic(const std::string& path, std::string_view bytes) {
    if (auto ec = refuseReadOnly(targetPath(path))) {
        return ec;
    }
    std::string temporary;
    if (auto ec = writeTemporaryFile(path, bytes, temporary)) {
        return ec;
    }
    return replaceWithTemporary(temporary, path);
}

std::error_code appendFileBytes(const std::string& path, std::string_view bytes) {
    return appendFileBytesExact(targetPath(path), bytes);
}

std::error_code appendFileBytesExact(const std::string& target, std::string_view bytes) {
    if (auto ec = refuseReadOnly(target)) {
        return ec;
    }
    std::FILE* f = openFile(target, "ab");
    if (!f) {
        return lastError();
    }
    std::error_code ec;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
        ec = lastError();
    }
    if (std::fclose(f) != 0 && !ec) {
        ec = lastError();
    }
    return ec;
}

bool endsInCutLine(const std::string& path) {
    return endsInCutLineExact(resolvePath(path));
}

bool endsInCutLineExact(const std::string& path) {
    std::FILE* f = openFile(path, "rb");
    if (!f) {
        return false;
    }
    bool cut = false;
    if (std::fseek(f, -1, SEEK_END) == 0) {
        const int last = std::fgetc(f);
        cut = last != EOF && last != '\n' && last != '\r';
    }
    std::fclose(f);
    return cut;
}

std::error_code copyFileKeepTime(const std::string& from, const std::string& to) {
    return copyFileKeepTimeExact(resolvePath(from), targetPath(to));
}

std::error_code copyFileKeepTimeExact(const std::string& from, const std::string& to) {
    const fs::path source = toFsPath(from);
    const std::string& target = to;
    if (auto ec = refuseReadOnly(target)) {
        return ec;
    }
    const fs::path temp = toFsPath(temporaryPathFor(target));
    std::error_code ec = copyToTemporary(source, temp);
    if (!ec) {
        ec = replaceFile(temp, toFsPath(target));
    }
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
    }
    return ec;
}

std::error_code moveFileReplace(const std::string& from, const std::string& to) {
    const std::string target = targetPath(to);
    if (auto ec = refuseReadOnly(target)) {
        return ec;
    }
    return replaceFile(toFsPath(resolvePath(from)), toFsPath(target));
}

std::error_code moveFileReplaceExact(const std::string& from, const std::string& to) {
    if (auto ec = refuseReadOnly(to)) {
        return ec;
    }
    return replaceFile(toFsPath(from), toFsPath(to));
}

std::error_code removeFile(const std::string& path) {
    std::error_code ec;
    const fs::path p = toFsPath(resolvePath(path));
    if (!fs::exists(p, ec)) {
        return {};
    }
    if (auto refused = refuseReadOnly(fromFsPath(p))) {
        return refused;
    }
    fs::remove(p, ec);
    return ec;
}

std::vector<std::error_code> removeFiles(const std::vector<std::string>& paths) {
    std::vector<std::error_code> results(paths.size());
    // On a disk that discards freed blocks, each removal waits for the disk.
    forEachIndex(paths.size(), kFilesAtOnce,
                 [&](std::size_t i) { results[i] = removeFile(paths[i]); });
    return results;
}

std::error_code makeDirectory(const std::string& path) {
    std::error_code ec;
    if (isDirectory(path)) {
        return {};
    }
    fs::create_directory(toFsPath(targetPath(path)), ec);
    return ec;
}

bool isReadOnly(const std::string& path) {
    return isReadOnlyExact(toFsPath(resolvePath(path)));
}

std::error_code setReadOnly(const std::string& path, bool readOnly) {
#ifdef _WIN32
    const fs::path p = toFsPath(resolvePath(path));
    DWORD attributes = GetFileAttributesW(p.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return windowsError();
    }
    attributes = readOnly ? (attributes | FILE_ATTRIBUTE_READONLY)
                          : (attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    if (!SetFileAttributesW(p.c_str(), attributes)) {
        return windowsError();
    }
    return {};
#else
    std::error_code ec;
    fs::permissions(toFsPath(resolvePath(path)), fs::perms::owner_write,
                    readOnly ? fs::perm_options::remove : fs::perm_options::add, ec);
    return ec;
#endif
}

namespace {

std::vector<DirEntry> entriesOf(const std::string& path, std::error_code& ec, bool attributes) {
    std::vector<DirEntry> entries;
    const std::string dir = resolvePath(path);
#ifndef _WIN32
    // The entries' own types, without a path built or a stat made for each:
    // a folder of 50,000 files is one read of its names.
    forEachDirent(dir, ec, [&](const dirent& d, int fd) {
        DirEntry entry;
        entry.name = d.d_name;
        if (d.d_type == DT_DIR) {
            entry.isDirectory = true;
        } else if (d.d_type == DT_UNKNOWN || d.d_type == DT_LNK) {
            struct stat st {};
            entry.isDirectory = ::fstatat(fd, d.d_name, &st, 0) == 0 && S_ISDIR(st.st_mode);
        }
        if (attributes) {
            entry.readOnly = isReadOnlyExact(toFsPath(joinPath(dir, entry.name)));
        }
        entries.push_back(std::move(entry));
        return true;
    });
#else
    for (fs::directory_iterator it(toFsPath(dir), ec), end; !ec && it != end; it.increment(ec)) {
        DirEntry entry;
        entry.name = fromFsPath(it->path().filename());
        std::error_code typeError;
        entry.isDirectory = it->is_directory(typeError);
        entry.readOnly = attributes && isReadOnlyExact(it->path());
        entries.push_back(std::move(entry));
    }
#endif
    return entries;
}

}  // namespace

std::error_code flushFile(const std::string& path) {
#ifdef _WIN32
    const HANDLE h = CreateFileW(toFsPath(path).c_str(), GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return windowsError();
    }
    const bool flushed = FlushFileBuffers(h) != 0;
    const std::error_code ec = flushed ? std::error_code{} : windowsError();
    CloseHandle(h);
    return ec;
#else
    // The file on its own, never the whole disk: another program's writes
    // are not waited for.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return lastError();
    }
    const std::error_code ec = syncDescriptor(fd);
    ::close(fd);
    return ec;
#endif
}

std::vector<std::error_code> flushFiles(const std::vector<std::string>& paths) {
    std::vector<std::error_code> results(paths.size());
    // Each flush waits for the disk; together they cost about one.
    forEachIndex(paths.size(), kFilesAtOnce,
                 [&](std::size_t i) { results[i] = flushFile(paths[i]); });
    return results;
}

std::vector<DirEntry> listDirectory(const std::string& path, std::error_code& ec) {
    return entriesOf(path, ec, false);
}

std::vector<DirEntry> listDirectoryWithAttributes(const std::string& path, std::error_code& ec) {
    return entriesOf(path, ec, true);
}

void forEachName(const std::string& path, std::error_code& ec,
                 const std::function<void(std::string_view)>& each) {
    const std::string dir = resolvePath(path);
#ifndef _WIN32
    forEachDirent(dir, ec, [&each](const dirent& d, int) {
        each(d.d_name);
        return true;
    });
#else
    for (fs::directory_iterator it(toFsPath(dir), ec), end; !ec && it != end; it.increment(ec)) {
        each(fromFsPath(it->path().filename()));
    }
#endif
}

std::optional<FileTime> modificationTime(const std::string& path) {
#ifdef _WIN32
    // The file API's own time, to 100 ns: the C runtime's stat keeps whole seconds.
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(toFsPath(resolvePath(path)).c_str(), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    constexpr long long kTicksFrom1601To1970 = 116444736000000000LL;
    const long long ticks = (static_cast<long long>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                            data.ftLastWriteTime.dwLowDateTime;
    using Ticks = std::chrono::duration<long long, std::ratio<1, 10000000>>;
    return FileTime(
        std::chrono::duration_cast<FileTime::duration>(Ticks(ticks - kTicksFrom1601To1970)));
#else
    std::error_code ec;
    const auto time = fs::last_write_time(toFsPath(resolvePath(path)), ec);
    if (ec) {
        return std::nullopt;
    }
    return std::chrono::time_point_cast<FileTime::duration>(std::chrono::file_clock::to_sys(time));
#endif
}

std::optional<std::uintmax_t> fileSize(const std::string& path) {
    std::error_code ec;
    const auto size = fs::file_size(toFsPath(resolvePath(path)), ec);
    if (ec) {
        return std::nullopt;
    }
    return size;
}

std::error_code readFileInPieces(const std::string& path, std::span<char> buffer,
                                 const std::function<bool(std::string_view)>& piece) {
    return readFileInPieces(
        path, [buffer] { return buffer; }, piece);
}

std::error_code readFileInPieces(const std::string& path,
                                 const std::function<std::span<char>()>& next,
                                 const std::function<bool(std::string_view)>& piece) {
    std::FILE* f = openFile(resolvePath(path), "rb");
    if (!f) {
        return lastError();
    }
    std::error_code ec;
    for (;;) {
        const std::span<char> buffer = next();
        if (buffer.empty()) {
            ec = std::make_error_code(std::errc::no_buffer_space);
            break;
        }
        const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), f);
        if (n == 0 || !piece(std::string_view(buffer.data(), n))) {
            break;
        }
    }
    if (!ec && std::ferror(f) != 0) {
        ec = std::error_code(EIO, std::generic_category());
    }
    std::fclose(f);
    return ec;
}

struct TemporaryFileWriter::Flusher {
    std::mutex mutex;
    bool busy = false;  // a flush is queued or running
    std::error_code error;
    TaskQueue queue;  // after what its task uses
};

TemporaryFileWriter::TemporaryFileWriter(const std::string& path)
    : temporary_(temporaryPathFor(targetPath(path))) {
    file_ = openFile(temporary_, "wb");
    if (!file_) {
        error_ = lastError();
    }
}

TemporaryFileWriter::~TemporaryFileWriter() {
    if (!finished_) {
        discard();
    }
}

void TemporaryFileWriter::discard() {
    waitForFlusher();
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
        removeFile(temporary_);
    }
}

std::error_code TemporaryFileWriter::write(std::string_view bytes) {
    if (!error_ && !file_) {
        error_ = std::make_error_code(std::errc::bad_file_descriptor);
    }
    if (!error_ && !bytes.empty() &&
        std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        error_ = lastError();
        discard();
        return error_;
    }
    written_ += bytes.size();
    // The disk takes a large file while it is written (a virtual machine's
    // host writes it only when flushed), so finish() does not wait for the
    // whole of it at once.
    constexpr std::uint64_t kFlushBehind = 2u << 20;
    if (!error_ && written_ - flushedAt_ >= kFlushBehind) {
        flushBehind();
    }
    return error_;
}

void TemporaryFileWriter::flushBehind() {
    if (!flusher_) {
        flusher_ = std::make_unique<Flusher>();
    }
    Flusher* f = flusher_.get();
    {
        const std::lock_guard lock(f->mutex);
        if (f->busy) {
            return;  // the next flush takes these bytes too
        }
        f->busy = true;
    }
    flushedAt_ = written_;
    // What stdio still holds goes at finish(); the descriptor stays open
    // until the flusher is waited for.
    f->queue.post([f, fd = fileno(file_)] {
        const std::error_code ec = syncDescriptor(fd);
        const std::lock_guard lock(f->mutex);
        f->busy = false;
        if (ec && !f->error) {
            f->error = ec;
        }
    });
}

std::error_code TemporaryFileWriter::waitForFlusher() {
    if (!flusher_) {
        return {};
    }
    flusher_->queue.wait();
    const std::lock_guard lock(flusher_->mutex);
    return flusher_->error;
}

std::error_code TemporaryFileWriter::finish() {
    if (error_ || !file_) {
        return error_ ? error_ : std::make_error_code(std::errc::bad_file_descriptor);
    }
    error_ = waitForFlusher();
    if (!error_) {
        error_ = writeAndSync(file_, {});
    }
    if (std::fclose(file_) != 0 && !error_) {
        error_ = lastError();
    }
    file_ = nullptr;
    if (error_) {
        removeFile(temporary_);
    } else {
        finished_ = true;
    }
    return error_;
}

}  // namespace torva
