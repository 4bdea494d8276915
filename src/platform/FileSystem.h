#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// File-system services. Paths are UTF-8 text. Existing entries are found
// without regard to case, as Windows does, on every platform.
namespace torva {

std::filesystem::path toFsPath(const std::string& utf8);

// The name as Windows compares names: ASCII and Latin-1 letters ("Ó", "Ñ")
// in lower case, other characters as they are.
std::string foldName(std::string_view utf8);
std::string fromFsPath(const std::filesystem::path& path);

// The path of the existing entry that matches path without regard to case;
// path itself when it exists as written or when nothing matches.
std::string resolvePath(const std::string& path);

bool pathExists(const std::string& path);  // a file or a directory
bool isDirectory(const std::string& path);
bool isRegularFile(const std::string& path);

std::error_code readFileBytes(const std::string& path, std::string& bytes);

// Writes the bytes to a temporary file beside path and renames it into place,
// so a failed write never leaves a truncated file. A file replaced keeps its
// permissions (POSIX) or attributes (Windows).
std::error_code writeFileAtomic(const std::string& path, std::string_view bytes);

// The two halves of writeFileAtomic, for callers that report them apart:
// the bytes go to the temporary file beside path, which then replaces path.
// Either half removes the temporary file when it fails.
std::error_code writeTemporaryFile(const std::string& path, std::string_view bytes,
                                   std::string& temporary);
// The same with the bytes given in pieces, written one after the other.
std::error_code writeTemporaryFile(const std::string& path,
                                   std::span<const std::string_view> pieces,
                                   std::string& temporary);
std::error_code replaceWithTemporary(const std::string& temporary, const std::string& path);

std::error_code appendFileBytes(const std::string& path, std::string_view bytes);

// True when the file's last line has no line end, as a write cut short by a
// crash leaves it; false for an empty or missing file.
bool endsInCutLine(const std::string& path);

// The same two, with the path taken as it stands on disk (a FolderIndex gives
// it): a file not there yet costs no listing of its folder.
std::error_code appendFileBytesExact(const std::string& path, std::string_view bytes);
bool endsInCutLineExact(const std::string& path);
bool isRegularFileExact(const std::string& path);

// Copies with replacement, keeping the source's modification time. The target
// is replaced only once the copy is complete.
std::error_code copyFileKeepTime(const std::string& from, const std::string& to);

// The same, with both paths taken as they stand on disk (a FolderIndex gives
// them): no lookup without regard to case.
std::error_code copyFileKeepTimeExact(const std::string& from, const std::string& to);

// Renames with replacement.
std::error_code moveFileReplace(const std::string& from, const std::string& to);

// The same, with both paths taken as they stand on disk (a FolderIndex gives
// them): no lookup without regard to case, so no listing of the folder.
std::error_code moveFileReplaceExact(const std::string& from, const std::string& to);

// Removes a file; a missing file is not an error.
std::error_code removeFile(const std::string& path);
// The same for many files, several at a time; each one's result in order.
std::vector<std::error_code> removeFiles(const std::vector<std::string>& paths);
// Forces one file's contents to the disk.
std::error_code flushFile(const std::string& path);
// The same for many files, several at a time; each one's result in order.
std::vector<std::error_code> flushFiles(const std::vector<std::string>& paths);

std::error_code makeDirectory(const std::string& path);

// The Windows read-only attribute; on POSIX the owner's write permission.
bool isReadOnly(const std::string& path);
std::error_code setReadOnly(const std::string& path, bool readOnly);

struct DirEntry {
    std::string name;
    bool isDirectory = false;
    bool readOnly = false;  // filled by listDirectoryWithAttributes only
};

// Entries of a directory (without "." and ".."), in no particular order: one
// read of the directory, no call per entry, so a folder of 50,000 files costs
// what reading its names costs.
std::vector<DirEntry> listDirectory(const std::string& path, std::error_code& ec);
// The same with each entry's read-only attribute, which costs one more system
// call per entry.
std::vector<DirEntry> listDirectoryWithAttributes(const std::string& path, std::error_code& ec);
// Only the names, each handed to the caller as it is read and kept nowhere.
void forEachName(const std::string& path, std::error_code& ec,
                 const std::function<void(std::string_view)>& each);

using FileTime = std::chrono::system_clock::time_point;
std::optional<FileTime> modificationTime(const std::string& path);

// Reads the file in pieces of at most buffer's size, handing each to piece in
// order; piece returns false to stop early. Never holds more than one piece.
std::error_code readFileInPieces(const std::string& path, std::span<char> buffer,
                                 const std::function<bool(std::string_view)>& piece);
// The same, each piece read into the buffer that next() gives for it; an
// empty buffer ends the reading as failed.
std::error_code readFileInPieces(const std::string& path,
                                 const std::function<std::span<char>()>& next,
                                 const std::function<bool(std::string_view)>& piece);

// A temporary file beside path (the one writeTemporaryFile uses), written in
// pieces, for contents too large to hold whole. finish() forces it to disk and
// closes it; replaceWithTemporary(temporary(), path) then puts it in place.
// The temporary file is removed when a write or finish() fails, and by the
// destructor unless finish() succeeded. Once a few MB are written, what is
// written goes on to the disk on a thread of its own while more is written,
// so that finish() waits only for the last of it.
class TemporaryFileWriter {
  public:
    explicit TemporaryFileWriter(const std::string& path);
    ~TemporaryFileWriter();
    TemporaryFileWriter(const TemporaryFileWriter&) = delete;
    TemporaryFileWriter& operator=(const TemporaryFileWriter&) = delete;

    // Why the file could not be created, or the first write that failed.
    std::error_code error() const { return error_; }
    std::error_code write(std::string_view bytes);
    std::error_code finish();
    const std::string& temporary() const { return temporary_; }

  private:
    struct Flusher;

    void flushBehind();
    std::error_code waitForFlusher();
    void discard();

    std::string temporary_;
    std::FILE* file_ = nullptr;
    std::error_code error_;
    bool finished_ = false;
    std::uint64_t written_ = 0;
    std::uint64_t flushedAt_ = 0;
    std::unique_ptr<Flusher> flusher_;  // made when the file has grown
};

// Size in bytes of a file; nothing when it cannot be read.
std::optional<std::uintmax_t> fileSize(const std::string& path);

// The name of the temporary file that an atomic write of path uses.
std::string temporaryPathFor(const std::string& path);

}  // namespace torva
