#include "signalquit.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

int s_pipe[2] = {-1, -1};

void writeRaw(const char *text)
{
    const ssize_t ignored = ::write(STDOUT_FILENO, text, std::strlen(text));
    (void)ignored;
}

bool isFaultSignal(int signal)
{
    return signal == SIGSEGV || signal == SIGBUS || signal == SIGFPE || signal == SIGILL;
}

void handler(int signal, siginfo_t *info, void *)
{
    // si_code > 0 means the kernel raised it for a real fault in this thread:
    // returning would run the faulting instruction again.
    if (isFaultSignal(signal) && info && info->si_code > 0) {
        char line[64];
        // snprintf is not async-signal-safe in general; format by hand.
        const char prefix[] = "fatal signal ";
        std::memcpy(line, prefix, sizeof prefix - 1);
        int n = sizeof prefix - 1;
        if (signal >= 10)
            line[n++] = static_cast<char>('0' + signal / 10);
        line[n++] = static_cast<char>('0' + signal % 10);
        const char suffix[] = ": memory fault, stopping\n";
        std::memcpy(line + n, suffix, sizeof suffix);
        writeRaw(line);
        struct sigaction dfl;
        std::memset(&dfl, 0, sizeof dfl);
        dfl.sa_handler = SIG_DFL;
        sigemptyset(&dfl.sa_mask);
        sigaction(signal, &dfl, nullptr);
        raise(signal);
        return;
    }
    mainSignalHandler(signal);
}

} // namespace

bool signalRequestsQuit(int signal)
{
    return signal == SIGTERM || signal == SIGSEGV;
}

void mainSignalHandler(int signal)
{
    if (!signalRequestsQuit(signal))
        return; // caught and ignored
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    if (s_pipe[1] >= 0) {
        const ssize_t ignored = ::write(s_pipe[1], &byte, 1);
        (void)ignored;
    }
    errno = savedErrno;
}

SignalQuit::SignalQuit(QObject *parent)
    : QObject(parent)
{
}

SignalQuit::~SignalQuit() = default;

bool SignalQuit::install()
{
    if (s_pipe[0] < 0) {
        if (::pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
            s_pipe[0] = s_pipe[1] = -1;
            return false;
        }
    }
    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SignalQuit::readPipe);

    struct sigaction sa;
    std::memset(&sa, 0, sizeof sa);
    sa.sa_sigaction = handler;
    sa.sa_flags = SA_SIGINFO | SA_RESTART;
    sigemptyset(&sa.sa_mask);
    for (int signal = 1; signal <= 31; ++signal) {
        if (signal == SIGKILL || signal == SIGSTOP || signal == SIGCHLD)
            continue;
        sigaction(signal, &sa, nullptr);
    }
    return true;
}

void SignalQuit::readPipe()
{
    unsigned char byte = 0;
    bool quit = false;
    int signal = 0;
    while (::read(s_pipe[0], &byte, 1) == 1) {
        quit = true;
        signal = byte;
    }
    if (quit) {
        emit quitRequested(signal);
        QCoreApplication::quit();
    }
}
