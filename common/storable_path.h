// What becomes of a path the user hands over to be stored (a dropped file,
// the editor's browse dialog, the desktop import, a work folder taken from
// such a path, the editor's command line, the palette program beside the
// editor): the settings file holds code page 932, so a path is stored as it
// is when code page 932 holds every character of it, else by its short 8.3
// form when that one does; otherwise it is refused with a box that names it,
// and nothing is stored.  A path silently changed ("José" stored as "Jose")
// would name another file.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "common/errors.h"
#include "common/file_path.h"

namespace fesk {

inline constexpr char kUnstorablePathCaption[] = "FESK パスの登録";
inline constexpr char kUnstorablePathText[] = "このパスにはシフトJISで表せない文字が含まれているため登録できません。";

// The short 8.3 form the platform knows for a path; nothing when the file or
// folder has none.
using ShortFormLookup = std::function<std::optional<FilePath>(const FilePath&)>;

// The code page 932 text to store for the path; nothing when it has none.
// Without `short_form` no short forms are known.
std::optional<std::string> StorableForm(const FilePath& path, const ShortFormLookup& short_form);

// The text of the box that refuses the path: "<path>\r<why>".
PathMessage UnstorablePathText(const FilePath& path);

}  // namespace fesk
