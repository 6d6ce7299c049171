// Every byte goes down once, in order, when the system takes the bytes in parts.
#include "platform/data/WriteAll.h"

#include <QByteArray>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

namespace {

TEST(WriteAll, EveryByteGoesDownOnceWhenTheSystemTakesThemInParts)
{
    // A write to a full pipe waits for room; a signal then ends it with the bytes it took so far.
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const int capacity = ::fcntl(fds[0], F_GETPIPE_SZ);
    ASSERT_GT(capacity, 0);
    struct sigaction interrupt {}, old {};
    interrupt.sa_handler = [](int) {};  // no SA_RESTART: the write returns early
    sigemptyset(&interrupt.sa_mask);
    ASSERT_EQ(::sigaction(SIGUSR1, &interrupt, &old), 0);

    QByteArray bytes(capacity * 8, '\0');
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7 % 251);
    int result = -1;
    std::thread writer([&] {
        result = qx::WriteAll(fds[1], bytes);
        ::close(fds[1]);
    });

    QByteArray received;
    char buffer[65536];
    for (int round = 0; round < 4; ++round) {
        // The pipe full: the writer waits inside a write that has taken part of its bytes.
        for (int queued = 0; queued < capacity;)
            ASSERT_EQ(::ioctl(fds[0], FIONREAD, &queued), 0);
        ::pthread_kill(writer.native_handle(), SIGUSR1);
        for (qsizetype taken = 0; taken < capacity;) {
            const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
            ASSERT_GT(n, 0);
            received.append(buffer, n);
            taken += n;
        }
    }
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        received.append(buffer, n);
    writer.join();
    ::close(fds[0]);
    ::sigaction(SIGUSR1, &old, nullptr);

    EXPECT_EQ(result, 0);
    EXPECT_EQ(received.size(), bytes.size());
    EXPECT_TRUE(received == bytes) << "no part written twice, none left out";
}

}  // namespace
