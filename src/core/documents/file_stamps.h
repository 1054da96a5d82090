#pragma once
// The stamp (size and last write time) of each open file as the window last
// read or wrote it, to notice another program changing or deleting the file
// meanwhile.
#include "core/ports/file_system.h"

#include <map>
#include <optional>
#include <string>

namespace core::documents {

enum class OutsideChange {
    None,    //!< as the window left it, or a file the window knows no stamp of
    Changed, //!< another size or last write time
    Deleted, //!< gone, or no longer a regular file
};

class FileStamps {
public:
    //! The window has just read or written path, which now bears stamp
    //! (nothing: its stamp cannot be had, so no change can be noticed).
    void remember(const std::string& path, const std::optional<ports::FileStamp>& stamp);
    //! As remember, for a path already known only: a failed write of ours
    //! may touch the file, which is then no change of another program's.
    void refresh(const std::string& path, const std::optional<ports::FileStamp>& stamp);
    //! What happened to path since it was remembered, now that it bears now.
    OutsideChange changeOf(const std::string& path, const std::optional<ports::FileStamp>& now) const;
    //! True the first time it is asked about a version of path (now), so that
    //! each outside change is told once, however often the window is activated.
    bool firstNotice(const std::string& path, const std::optional<ports::FileStamp>& now);

private:
    struct Known {
        ports::FileStamp stamp;
        bool told = false;                   //!< the user heard of toldOf
        std::optional<ports::FileStamp> toldOf; //!< the version told of; nothing: the deletion
    };
    std::map<std::string, Known> m_files;
};

} // namespace core::documents
