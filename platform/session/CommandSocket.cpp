#include "platform/session/CommandSocket.h"

#include "platform/files/TempFolder.h"
#include "platform/files/WholeWrite.h"

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

namespace {

// The display's name as a file name: ":1.0" gives "1.0".
QString displayTag()
{
    QString tag = qEnvironmentVariable("DISPLAY");
    if (tag.startsWith(QLatin1Char(':')))
        tag.remove(0, 1);
    for (QChar& c : tag) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('.') && c != QLatin1Char('-'))
            c = QLatin1Char('_');
    }
    return tag.isEmpty() ? QStringLiteral("none") : tag;
}

// A peer that went away must not end the program with SIGPIPE.
bool sendWhole(int fd, const QByteArray& data)
{
    return writeWhole(data, [fd](const char* at, size_t count) { return ::send(fd, at, count, MSG_NOSIGNAL); });
}

}  // namespace

bool isBarCommand(const QByteArray& word) { return word == "show" || word == "hide" || word == "toggle"; }

QString commandSocketPath() { return privateRuntimeFolder() + QStringLiteral("kestrel2-%1.socket").arg(displayTag()); }

bool sendBarCommand(const QString& path, const QByteArray& word)
{
    const QByteArray name = path.toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || size_t(name.size()) >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool sent =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0 && sendWhole(fd, word + '\n');
    ::close(fd);
    return sent;
}

}  // namespace platform
