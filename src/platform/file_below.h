// Reaching a file below a folder by a relative path that can never lead out
// of it: no "..", no absolute path, no symbolic link followed.
#pragma once

#include <string>
#include <string_view>

namespace vellix::platform {

/// True when `relative` is a path of one or more "/"-separated names that
/// stays inside the folder it is taken from: not empty, not absolute, no
/// empty, "." or ".." component, no backslash and no control character.
bool IsPathBelow(std::string_view relative);

/// What RemoveFileBelow did.
enum class RemoveResult {
  kRemoved,  // the file was removed
  kMissing,  // there was nothing at the path
  kRefused,  // the path is not IsPathBelow, leads through or to a symbolic
             // link, or names something other than a regular file
  kFailed,   // the system refused to remove it
};

/// What lies at `relative` below `folder` (native form), reached as
/// RemoveFileBelow reaches it: kRemoved stands for a regular file that
/// could be removed; nothing is changed.
RemoveResult InspectFileBelow(const std::string& folder, std::string_view relative);

/// Removes the regular file at `relative` below `folder` (native form). Each
/// folder on the way is opened without following a symbolic link, and the
/// file itself must be a regular file, so a link placed anywhere below
/// `folder` can never make this remove something outside it. `folder`
/// itself may be reached through links.
RemoveResult RemoveFileBelow(const std::string& folder, std::string_view relative);

}  // namespace vellix::platform
