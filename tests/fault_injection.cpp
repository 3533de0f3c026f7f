// Loaded into the program under test (LD_PRELOAD), fails a call as a
// user's system may: VEXIL_FAULT=fork, no process to spare (a process
// limit reached); VEXIL_FAULT=poll, the first wait cut short by a signal.
#include <dlfcn.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

namespace {

bool failing(std::string_view call)
{
    const char* fault = std::getenv("VEXIL_FAULT");
    return fault != nullptr && call == fault;
}

template <typename Function>
Function* real(const char* name)
{
    return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" pid_t fork()
{
    if (failing("fork")) {
        errno = EAGAIN;
        return -1;
    }
    static auto* const next = real<pid_t()>("fork");
    return next();
}

extern "C" int poll(pollfd* fds, nfds_t count, int timeout)
{
    static bool interrupted = false;
    if (failing("poll") && !interrupted) {
        interrupted = true;
        errno = EINTR;
        return -1;
    }
    static auto* const next = real<int(pollfd*, nfds_t, int)>("poll");
    return next(fds, count, timeout);
}
