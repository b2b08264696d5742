#include "platform/file_below.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/file_descriptor.h"

namespace vellix::platform {
namespace {

std::vector<std::string> Components(std::string_view relative) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= relative.size()) {
    size_t slash = relative.find('/', start);
    if (slash == std::string_view::npos) slash = relative.size();
    parts.emplace_back(relative.substr(start, slash - start));
    start = slash + 1;
  }
  return parts;
}

}  // namespace

bool IsPathBelow(std::string_view relative) {
  if (relative.empty() || relative.front() == '/') return false;
  for (char c : relative) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '\\') return false;
  }
  for (const std::string& part : Components(relative)) {
    if (part.empty() || part == "." || part == "..") return false;
  }
  return true;
}

namespace {

// Opens the folder that holds `relative` below `folder` without following a
// link, and checks that the last component is a regular file. On success
// `*parent` holds the open folder and `*name` the file's name.
RemoveResult ReachFileBelow(const std::string& folder, std::string_view relative,
                            FileDescriptor* parent, std::string* name) {
  if (!IsPathBelow(relative)) return RemoveResult::kRefused;
  parent->Reset(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (parent->get() < 0) {
    return errno == ENOENT ? RemoveResult::kMissing : RemoveResult::kFailed;
  }
  const std::vector<std::string> parts = Components(relative);
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    const int next = openat(parent->get(), parts[i].c_str(),
                            O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (next < 0) {
      if (errno == ENOENT) return RemoveResult::kMissing;
      // ELOOP: a link; ENOTDIR: something else where a folder was expected.
      return errno == ELOOP || errno == ENOTDIR ? RemoveResult::kRefused
                                                : RemoveResult::kFailed;
    }
    parent->Reset(next);
  }
  *name = parts.back();
  struct stat st;
  if (fstatat(parent->get(), name->c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
    return errno == ENOENT ? RemoveResult::kMissing : RemoveResult::kFailed;
  }
  return S_ISREG(st.st_mode) ? RemoveResult::kRemoved : RemoveResult::kRefused;
}

}  // namespace

RemoveResult InspectFileBelow(const std::string& folder, std::string_view relative) {
  FileDescriptor parent(-1);
  std::string name;
  return ReachFileBelow(folder, relative, &parent, &name);
}

RemoveResult RemoveFileBelow(const std::string& folder, std::string_view relative) {
  FileDescriptor parent(-1);
  std::string name;
  const RemoveResult reached = ReachFileBelow(folder, relative, &parent, &name);
  if (reached != RemoveResult::kRemoved) return reached;
  if (unlinkat(parent.get(), name.c_str(), 0) != 0) {
    return errno == ENOENT ? RemoveResult::kMissing : RemoveResult::kFailed;
  }
  return RemoveResult::kRemoved;
}

}  // namespace vellix::platform
