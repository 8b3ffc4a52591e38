#include "core/files/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace amortix {

namespace {

std::string SystemMessage(int code) {
    return std::generic_category().message(code);
}

// Closes a descriptor on every way out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and reports whether the close succeeded.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

}  // namespace

LoadResult<std::string> ReadDataFile(const std::string& path, std::size_t maxBytes) {
    using Result = LoadResult<std::string>;
    // Non-blocking, so that a pipe named like a data file cannot stall the open.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return Result::Failure(SystemMessage(errno));
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return Result::Failure(SystemMessage(errno));
    if (!S_ISREG(info.st_mode)) return Result::Failure("not a regular file");
    if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > maxBytes)
        return Result::Failure("the file is too large to be one of ours");

    // A buffer the size of the file and one byte more, to notice growth; read
    // to the end rather than trusting the size, as the file may change
    // meanwhile (and some files report no size at all).
    std::string data;
    data.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t used = 0;
    while (true) {
        if (used == data.size()) {
            if (data.size() > maxBytes) break;
            data.resize(std::min(std::max(data.size() * 2, std::size_t{4096}), maxBytes + 1));
        }
        const ssize_t n = ::read(fd.get(), data.data() + used, data.size() - used);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Result::Failure(SystemMessage(errno));
        }
        if (n == 0) break;
        used += static_cast<std::size_t>(n);
    }
    if (used > maxBytes) return Result::Failure("the file is too large to be one of ours");
    data.resize(used);
    if (data.find('\0') != std::string::npos) return Result::Failure("not a text file");
    return Result::Success(std::move(data));
}

namespace {

// A new file with a hidden name beside `target`, so that the rename stays in
// one file system.
struct NewFile {
    int fd = -1;
    std::string path;
    std::string error;
};

NewFile CreateBeside(const std::filesystem::path& target) {
    std::random_device entropy;
    NewFile made;
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::filesystem::path temp = target;
        std::string name(1, '.');
        name.append(target.filename().string());
        name.append(".tmp");
        name.append(std::to_string(entropy()));
        temp.replace_filename(name);
        made.path = temp.string();
        made.fd = ::open(made.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (made.fd >= 0) return made;
        if (errno != EEXIST) {
            made.error = SystemMessage(errno);
            return made;
        }
    }
    made.error = "no temporary file could be created";
    return made;
}

// 0, or the error number of the write that failed.
int WriteAll(int fd, std::string_view data) {
    std::size_t written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.data() + written, data.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        written += static_cast<std::size_t>(n);
    }
    return 0;
}

}  // namespace

bool ReplaceFileWith(const std::string& path, const FileMaker& make, std::string* error) {
    const auto fail = [error](std::string message) {
        if (error) *error = std::move(message);
        return false;
    };
    const std::filesystem::path target(path);
    if (target.filename().empty()) return fail("no file name");
    NewFile made = CreateBeside(target);
    if (made.fd < 0) return fail(made.error);
    Descriptor fd(made.fd);
    const auto abandon = [&](std::string message) {
        ::unlink(made.path.c_str());
        return fail(std::move(message));
    };
    // A replaced file keeps its permissions.
    struct stat previous {};
    if (::stat(path.c_str(), &previous) == 0 && S_ISREG(previous.st_mode)) {
        if (::fchmod(fd.get(), previous.st_mode & 07777) != 0) return abandon(SystemMessage(errno));
    }
    std::string reason;
    if (!make(fd.get(), made.path, reason))
        return abandon(reason.empty() ? "the file was not written" : reason);
    // The data may have been written through another descriptor: fsync
    // flushes the file, whichever wrote it.
    if (::fsync(fd.get()) != 0) return abandon(SystemMessage(errno));
    if (!fd.Close()) return abandon(SystemMessage(errno));
    if (::rename(made.path.c_str(), path.c_str()) != 0) return abandon(SystemMessage(errno));
    return true;
}

bool WriteFileReplacing(const std::string& path, std::string_view data, std::string* error) {
    return ReplaceFileWith(
        path,
        [data](int fd, const std::string&, std::string& reason) {
            const int code = WriteAll(fd, data);
            if (code != 0) reason = SystemMessage(code);
            return code == 0;
        },
        error);
}

}  // namespace amortix
