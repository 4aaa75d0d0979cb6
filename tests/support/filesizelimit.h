#pragma once

#include <QtGlobal>

#include <csignal>
#include <sys/resource.h>

// Limits the size of any file this process writes while it lives, as a full
// disk would stop a write part way: a write past it fails with EFBIG.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        rlimit limit = m_previous;
        limit.rlim_cur = rlim_t(bytes);
        ::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_previous); }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_previous{};
};
