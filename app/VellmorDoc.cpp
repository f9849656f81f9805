#include "VellmorDoc.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

wxIMPLEMENT_DYNAMIC_CLASS(CVellmorDoc, wxDocument);

bool CVellmorDoc::CanOpen(const wxString& file)
{
    // Opened, not merely checked for permissions: a file on a broken mount or
    // behind an ACL must fail here, not later. A folder is not a document.
    const int fd = open(file.fn_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    const bool isFolder = fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
    close(fd);
    return !isFolder;
}

bool CVellmorDoc::DoOpenDocument(const wxString& file)
{
    return CanOpen(file);
}
