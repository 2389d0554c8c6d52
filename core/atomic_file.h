// Replacing a file so that it is either the old one or the new one, whatever
// happens during the write.
#pragma once

#include <string>

namespace kumora {

// Writes `bytes` to a new temporary file beside `path` and renames it over
// `path`. The temporary file is created afresh under a name no one else
// holds, never through a symbolic link planted there; it takes the
// permissions of the regular file it replaces. A symbolic link at `path` is
// replaced itself (what it points to is never written), as is a named pipe
// or a device (never opened), and the new file then has the usual
// permissions less the umask; a folder there is refused. On failure nothing of the temporary
// file is left, the old file is untouched and `error` says why in the
// system's words (a file-size limit gives EFBIG's text, as long as SIGXFSZ is
// ignored). Temporary files that an earlier run left behind in the folder
// when it ended during a save are removed first (see remove_stale_temporaries).
bool replace_file_atomically(const std::string& path, const std::string& bytes, std::string& error);

// Removes, in the folder of `path`, the temporary files of this program's
// saves that were never renamed: names "NAME.tmp-PID" or "NAME.tmp-PID-N"
// where NAME is the name of `path` or ends with its extension, whose process
// PID is no longer running or which are more than an hour old. Anything else
// is left alone.
void remove_stale_temporaries(const std::string& path);

}  // namespace kumora
