#include "backends/shared/files/plain_file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace quorlen::backends {
namespace {

// Closes the descriptor whatever way the read ends.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  [[nodiscard]] int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

Result<std::string> readPlainFile(const std::string& path, std::size_t limit) {
  // O_NONBLOCK: opening a FIFO with no writer, or a device, must not wait.
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (file.get() < 0) {
    if (errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG || errno == ELOOP) {
      return makeError(ErrorKind::NotFound, path + ": no such file");
    }
    return makeError(ErrorKind::Unreadable, path + ": cannot be opened");
  }
  struct stat status {};
  if (::fstat(file.get(), &status) != 0) return makeError(ErrorKind::Unreadable, path + ": cannot be opened");
  if (S_ISDIR(status.st_mode)) return makeError(ErrorKind::Unreadable, path + ": is a folder");
  if (!S_ISREG(status.st_mode)) return makeError(ErrorKind::NotFound, path + ": not a plain file");
  if (status.st_size < 0 || static_cast<unsigned long long>(status.st_size) > limit) {
    return makeError(ErrorKind::NotFound, path + ": larger than any game file");
  }
  std::string bytes(static_cast<std::size_t>(status.st_size), '\0');
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(file.get(), bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return makeError(ErrorKind::Unreadable, path + ": read failed");
    if (n == 0) break;  // the file shrank since fstat: what is there is its content
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return bytes;
}

}  // namespace quorlen::backends
