#include "InstanceGuard.h"

#include <wx/filename.h>
#include <wx/snglinst.h>
#include <wx/utils.h>

#include <cstdlib>

namespace {

constexpr const char* kInstanceName = "ShogyouMujou";

wxString LockFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime && wxFileName::IsDirWritable(runtime)) {
        return runtime;
    }
    return wxGetHomeDir();
}

}  // namespace

struct InstanceGuard::Lock {
    wxSingleInstanceChecker checker;
};

InstanceGuard::InstanceGuard()
    : lock(std::make_unique<Lock>())
{
    lock->checker.Create(kInstanceName, LockFolder());
}

InstanceGuard::~InstanceGuard() = default;

bool InstanceGuard::AnotherCopyIsRunning() const
{
    return lock->checker.IsAnotherRunning();
}
