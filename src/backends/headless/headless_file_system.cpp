#include "backends/headless/headless_file_system.h"

namespace quorlen::headless {

std::string HeadlessFileSystem::inGameFolder(const std::string& relativePath) {
  std::string folder = disk_.programFolder();
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder + relativePath;
}

void HeadlessFileSystem::deleteNow(const std::string& relativePath) {
  (void)disk_.removeFile(inGameFolder(relativePath));
}

void HeadlessFileSystem::failRemoves(const std::string& relativePath) {
  refusedRemovals_.insert(disk_.resolve(inGameFolder(relativePath)));
}

bool HeadlessFileSystem::removalRefused(const std::string& path) {
  return refusedRemovals_.count(disk_.resolve(path)) != 0;
}

Result<void> HeadlessFileSystem::writeFile(const std::string& path, std::string_view bytes) {
  // As on a disk with that much room left: a file that fits is written, a
  // larger one gets its first bytes and then the failure.
  if (!failWritesAfter_ || bytes.size() <= *failWritesAfter_) return disk_.writeFile(path, bytes);
  (void)disk_.writeFile(path, bytes.substr(0, *failWritesAfter_));
  return makeError(ErrorKind::WriteFailed, "the disk is full");
}

Result<void> HeadlessFileSystem::replaceFile(const std::string& from, const std::string& to) {
  if (removalRefused(to) || removalRefused(from)) return makeError(ErrorKind::Refused, "the file is in use");
  return disk_.replaceFile(from, to);
}

Result<void> HeadlessFileSystem::replaceContent(const std::string& path, std::string_view bytes) {
  // A full disk fails the pending file, which goes again; a file in use
  // cannot be replaced. Either way the old file stays as it was.
  if (failWritesAfter_ && bytes.size() > *failWritesAfter_) return makeError(ErrorKind::WriteFailed, "the disk is full");
  if (removalRefused(path)) return makeError(ErrorKind::Refused, "the file is in use");
  return disk_.replaceContent(path, bytes);
}

Result<void> HeadlessFileSystem::removeFile(const std::string& path) {
  if (removalRefused(path)) return makeError(ErrorKind::Refused, "the file is in use");
  return disk_.removeFile(path);
}

}  // namespace quorlen::headless
