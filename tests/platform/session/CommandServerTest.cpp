// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The command socket: which words reach the bar, from whom, and where the
// socket lies; and which Qt platform the program runs on.

#include "platform/session/CommandServer.h"
#include "platform/files/TempFolder.h"
#include "platform/session/CommandSocket.h"
#include "platform/window/WindowSystem.h"
#include "tests/support/ScopedEnv.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class CommandSocketTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        path = folder.filePath(QStringLiteral("bar.socket"));
        ASSERT_TRUE(platform::localSocketAddress(path, &address));
        server.OnCommand = [this](const QByteArray& word) { received << word; };
        ASSERT_TRUE(server.listen(path));
    }

    // Sends raw bytes and waits until the server has hung up on them.
    void sendRaw(const QByteArray& bytes)
    {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        ASSERT_EQ(::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
        ASSERT_EQ(::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL), bytes.size());
        char byte;
        ssize_t answer = -1;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                answer = ::recv(fd, &byte, 1, 0);
                return answer >= 0 || errno != EAGAIN;
            },
            5000))
            << bytes.constData();
        // What is cut off was read all the same: the peer sees the end, not a reset.
        EXPECT_EQ(answer, 0) << bytes.constData();
        ::close(fd);
    }

    bool receivedExactly(const QList<QByteArray>& words)
    {
        return QTest::qWaitFor([&] { return received.size() >= words.size(); }, 5000) && received == words;
    }

    QTemporaryDir folder;
    QString path;
    platform::CommandServer server;
    QList<QByteArray> received;
    sockaddr_un address{};
};

TEST_F(CommandSocketTest, OnlyTheThreeWordsArePassedOn)
{
    for (const char* word : {"show", "hide", "toggle"})
        ASSERT_TRUE(platform::sendBarCommand(path, word));
    EXPECT_TRUE(receivedExactly({"show", "hide", "toggle"}));

    received.clear();
    // The last one says nothing at all and is cut off all the same.
    for (const char* bytes : {"quit\n", "SHOW\n", "show \n", "\n", "showshowshowshow\n", "toggle-toggle-toggle", ""})
        sendRaw(bytes);
    ASSERT_TRUE(platform::sendBarCommand(path, "hide"));
    EXPECT_TRUE(receivedExactly({"hide"}));
}

TEST_F(CommandSocketTest, ASocketLeftByAKilledBarIsReplaced)
{
    server.close();
    EXPECT_FALSE(platform::sendBarCommand(path, "show"));
    // A bound socket file that nobody listens on any more.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(path));

    ASSERT_TRUE(server.listen(path));
    ASSERT_TRUE(platform::sendBarCommand(path, "show"));
    EXPECT_TRUE(receivedExactly({"show"}));
}

// A process of another user that reaches the socket (here: one opened to
// everyone) is not obeyed.
TEST_F(CommandSocketTest, AnotherUsersWordIsIgnored)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to speak as another user";
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0777), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        // Only async-signal-safe calls in the child of a threaded process.
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(3);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0)
            ::_exit(4);
        if (::write(fd, "show\n", 5) != 5)
            ::_exit(5);
        char byte;
        // The server hangs up without reading: end of file, or a reset for
        // the word it left unread.
        const ssize_t n = ::read(fd, &byte, 1);
        ::_exit(n == 0 || (n < 0 && errno == ECONNRESET) ? 0 : 6);
    }
    ASSERT_GT(child, 0);
    int status = -1;
    ASSERT_TRUE(QTest::qWaitFor([&] { return ::waitpid(child, &status, WNOHANG) == child; }, 10000));
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    ASSERT_TRUE(platform::sendBarCommand(path, "hide"));
    EXPECT_TRUE(receivedExactly({"hide"}));
}

// Whatever the umask, no one but the user may connect; the file goes when
// the server stops, and a path too long for a socket is refused.
TEST_F(CommandSocketTest, TheSocketFileIsTheUsersAloneAndGoesWithTheServer)
{
    server.close();
    const mode_t umask = ::umask(0);
    const bool listening = server.listen(path);
    ::umask(umask);
    ASSERT_TRUE(listening);
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_TRUE(S_ISSOCK(status.st_mode));
    EXPECT_EQ(status.st_mode & 07777, 0600u);

    server.close();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(platform::sendBarCommand(path, "show"));

    EXPECT_FALSE(server.listen(folder.filePath(QString(sizeof(sockaddr_un::sun_path), QLatin1Char('s')))));
}

TEST(CommandSocketPath, OnePerDisplayInThePrivateRuntimeFolder)
{
    const ScopedEnv display("DISPLAY", ":3.0");
    const QString third = platform::commandSocketPath();
    EXPECT_TRUE(third.endsWith(QStringLiteral("/kestrel2-3.socket"))) << third.toStdString();
    EXPECT_TRUE(third.startsWith(platform::privateRuntimeFolder())) << third.toStdString();
    const ScopedEnv other("DISPLAY", ":4");
    EXPECT_NE(platform::commandSocketPath(), third);
    for (const auto& [display, tag] :
         {std::pair{"ws.lan:2.1", "ws.lan_2"}, {"ws.lan:2", "ws.lan_2"}, {":3.x", "3.x"}}) {
        const ScopedEnv named("DISPLAY", display);
        EXPECT_EQ(platform::displayTag(), QLatin1String(tag)) << display;
    }
}

TEST(WindowSystem, X11UnlessTheUserChoseAnotherPlatformThanWayland)
{
    for (const char* requested : {"", "wayland", "wayland-egl", "wayland;xcb", " wayland:option"})
        EXPECT_EQ(platform::platformToUse(requested), QByteArray("xcb")) << requested;
    for (const char* requested : {"offscreen", "xcb", "minimal", "xcb;wayland", "vnc:size=800x600"})
        EXPECT_EQ(platform::platformToUse(requested), QByteArray(requested)) << requested;
}

}  // namespace
