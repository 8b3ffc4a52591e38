#pragma once
// Reading and writing the program's small data files as a whole: a read is
// bounded in size and either returns everything or says why it cannot, and a
// write never leaves a half-written file in place of the previous one.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace amortix {

// Larger than any file the program writes by far; a bigger file is refused
// unread.
inline constexpr std::size_t kMaxDataFileBytes = std::size_t{1} << 20;

// A whole result or the reason there is none.
template <typename T>
class LoadResult {
  public:
    static LoadResult Success(T value) {
        LoadResult r;
        r.value_.emplace(std::move(value));
        return r;
    }
    static LoadResult Failure(const std::string& message) {
        LoadResult r;
        r.error_ = message;
        return r;
    }

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return *value_; }
    T& value() { return *value_; }
    const T* operator->() const { return &*value_; }
    // Empty when ok().
    const std::string& error() const { return error_; }

  private:
    std::optional<T> value_;
    std::string error_;
};

// The bytes of a regular file of at most `maxBytes` bytes. Fails for a file
// that is missing, not a regular file (a folder, a device, a pipe: reading one
// could block), larger than the bound, or holding NUL bytes (not text).
LoadResult<std::string> ReadDataFile(const std::string& path, std::size_t maxBytes = kMaxDataFileBytes);

// Writes `data` to a new file in the same folder and renames it over `path`,
// so a failure leaves any previous file as it was. On failure returns false
// and, when `error` is given, puts the reason there.
bool WriteFileReplacing(const std::string& path, std::string_view data, std::string* error = nullptr);

// Makes a file in place of `path` through `make`, which is handed a new, empty
// file in the same folder (open for writing, and its path, for writers that
// open it by name) and returns false with the reason when it cannot fill it.
// The new file is flushed to disk and renamed over `path` only when `make`
// succeeded; on any failure it is removed and any previous file stays as it
// was.
using FileMaker = std::function<bool(int fd, const std::string& newPath, std::string& error)>;
bool ReplaceFileWith(const std::string& path, const FileMaker& make, std::string* error = nullptr);

}  // namespace amortix
