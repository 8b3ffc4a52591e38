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

bool WriteFileReplacing(const std::string& path, std::string_view data, std::string* error) {
    const auto fail = [error](std::string message) {
        if (error) *error = std::move(message);
        return false;
    };
    const std::filesystem::path target(path);
    if (target.filename().empty()) return fail("no file name");

    // A hidden name next to the target, so that the rename stays in one file system.
    std::random_device entropy;
    std::string tempPath;
    int fdNumber = -1;
    for (int attempt = 0; attempt < 16 && fdNumber < 0; ++attempt) {
        std::filesystem::path temp = target;
        std::string name(1, '.');
        name.append(target.filename().string());
        name.append(".tmp");
        name.append(std::to_string(entropy()));
        temp.replace_filename(name);
        tempPath = temp.string();
        fdNumber = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fdNumber < 0 && errno != EEXIST) return fail(SystemMessage(errno));
    }
    if (fdNumber < 0) return fail("no temporary file could be created");
    Descriptor fd(fdNumber);

    const auto abandon = [&](int code) {
        ::unlink(tempPath.c_str());
        return fail(SystemMessage(code));
    };
    // A replaced file keeps its permissions.
    struct stat previous {};
    if (::stat(path.c_str(), &previous) == 0 && S_ISREG(previous.st_mode)) {
        if (::fchmod(fd.get(), previous.st_mode & 07777) != 0) return abandon(errno);
    }
    std::size_t written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd.get(), data.data() + written, data.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return abandon(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd.get()) != 0) return abandon(errno);
    if (!fd.Close()) return abandon(errno);
    if (::rename(tempPath.c_str(), path.c_str()) != 0) return abandon(errno);
    return true;
}

}  // namespace amortix
