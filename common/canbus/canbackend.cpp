#include "canbackend.h"

#include "canframe.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <sys/uio.h>

CanBackend::~CanBackend() = default;

int CanBackend::readRecords(char *buffer, int maxRecords)
{
    constexpr int Chunk = 64;
    const int fd = descriptor();
    if (fd < 0)
        return 0;
    int stored = 0;
    while (stored < maxRecords) {
        const int want = std::min(maxRecords - stored, Chunk);
        mmsghdr messages[Chunk];
        iovec pieces[Chunk];
        std::memset(messages, 0, sizeof(mmsghdr) * size_t(want));
        for (int i = 0; i < want; ++i) {
            pieces[i].iov_base = buffer + (stored + i) * CanFrame::RecordSize;
            pieces[i].iov_len = CanFrame::RecordSize;
            messages[i].msg_hdr.msg_iov = &pieces[i];
            messages[i].msg_hdr.msg_iovlen = 1;
        }
        const int got = ::recvmmsg(fd, messages, unsigned(want), MSG_DONTWAIT, nullptr);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        // Keep the exact records, closing the gaps the others leave.
        int kept = 0;
        for (int i = 0; i < got; ++i) {
            if (messages[i].msg_len != unsigned(CanFrame::RecordSize)
                || (messages[i].msg_hdr.msg_flags & MSG_TRUNC))
                continue;
            if (kept != i)
                std::memmove(buffer + (stored + kept) * CanFrame::RecordSize,
                             buffer + (stored + i) * CanFrame::RecordSize, CanFrame::RecordSize);
            ++kept;
        }
        stored += kept;
        if (got < want)
            break;
    }
    return stored;
}
