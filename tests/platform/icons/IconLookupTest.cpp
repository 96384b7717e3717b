#include "platform/icons/NamedIcon.h"
#include "platform/icons/XSettings.h"

#include "tests/support/ScopedEnv.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// XSETTINGS data as a settings daemon writes it, in the given byte order.
class SettingsBlob {
public:
    explicit SettingsBlob(bool bigEndian) : mBig(bigEndian) {}

    void addString(const QByteArray& name, const QByteArray& value)
    {
        header(1, name);
        card32(quint32(value.size()));
        padded(value);
        ++mCount;
    }
    void addInteger(const QByteArray& name, quint32 value)
    {
        header(0, name);
        card32(value);
        ++mCount;
    }
    void addColor(const QByteArray& name)
    {
        header(2, name);
        mBody += QByteArray(8, '\x7f');
        ++mCount;
    }

    QByteArray data() const
    {
        QByteArray blob(1, mBig ? 'B' : 'l');
        blob += QByteArray(3, '\0');
        blob += encode(7) + encode(mCount) + mBody;
        return blob;
    }

private:
    void header(char type, const QByteArray& name)
    {
        mBody += type;
        mBody += '\0';
        const auto length = quint16(name.size());
        QByteArray bytes(2, '\0');
        if (mBig)
            qToBigEndian(length, bytes.data());
        else
            qToLittleEndian(length, bytes.data());
        mBody += bytes;
        padded(name);
        card32(1);
    }
    void padded(const QByteArray& bytes)
    {
        mBody += bytes;
        mBody += QByteArray((4 - bytes.size() % 4) % 4, '\0');
    }
    void card32(quint32 value) { mBody += encode(value); }
    QByteArray encode(quint32 value) const
    {
        QByteArray bytes(4, '\0');
        if (mBig)
            qToBigEndian(value, bytes.data());
        else
            qToLittleEndian(value, bytes.data());
        return bytes;
    }

    bool mBig;
    quint32 mCount = 0;
    QByteArray mBody;
};

bool saveImage(const QString& path, QColor color, const char* format)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(color);
    return image.save(path, format);
}

QColor centreOf(const QIcon& icon) { return icon.pixmap(32, 32).toImage().pixelColor(16, 16); }

}  // namespace

TEST(XSettings, FindsStringSettingsInEitherByteOrder)
{
    for (const bool bigEndian : {false, true}) {
        SettingsBlob blob(bigEndian);
        blob.addInteger("Net/DoubleClickTime", 400);
        blob.addColor("Gtk/Color");
        blob.addString("Gtk/FontName", "Sans 10");
        blob.addString("Net/IconThemeName", "Papirus");
        const QByteArray data = blob.data();
        EXPECT_EQ(platform::xsettingsString(data, "Net/IconThemeName"), "Papirus");
        EXPECT_EQ(platform::xsettingsString(data, "Gtk/FontName"), "Sans 10");
        EXPECT_EQ(platform::xsettingsString(data, "Net/DoubleClickTime"), "");
        EXPECT_EQ(platform::xsettingsString(data, "Net/ThemeName"), "");
        // Cut short anywhere before the value ends, the data names no theme.
        for (qsizetype size = 0; size < data.size() - 1; ++size)
            EXPECT_EQ(platform::xsettingsString(data.left(size), "Net/IconThemeName"), "") << size;
    }
    EXPECT_EQ(platform::xsettingsString(QByteArray(), "Net/IconThemeName"), "");
}

TEST(NamedIcon, ThemeNamesFilesAndPixmapFolders)
{
    QTemporaryDir dir;
    const QString pixmaps = dir.filePath(QStringLiteral("share/pixmaps"));
    ASSERT_TRUE(QDir().mkpath(pixmaps));
    ASSERT_TRUE(saveImage(pixmaps + QStringLiteral("/k98-green.png"), Qt::green, "PNG"));
    ASSERT_TRUE(saveImage(pixmaps + QStringLiteral("/k98-blue.xpm"), Qt::blue, "XPM"));
    const QString absolute = dir.filePath(QStringLiteral("red.png"));
    ASSERT_TRUE(saveImage(absolute, Qt::red, "PNG"));
    const ScopedEnv dataDirs("XDG_DATA_DIRS", dir.filePath(QStringLiteral("share")).toUtf8());

    EXPECT_EQ(centreOf(platform::namedIcon(QStringLiteral("k98-green"))), QColor(Qt::green));
    EXPECT_EQ(centreOf(platform::namedIcon(QStringLiteral("k98-green.png"))), QColor(Qt::green));
    EXPECT_EQ(centreOf(platform::namedIcon(QStringLiteral("k98-blue"))), QColor(Qt::blue));
    EXPECT_EQ(centreOf(platform::namedIcon(absolute)), QColor(Qt::red));
    EXPECT_TRUE(platform::namedIcon(QStringLiteral("k98-missing")).isNull());
    EXPECT_TRUE(platform::namedIcon(QStringLiteral("../pixmaps/k98-green.png")).isNull());
    EXPECT_TRUE(platform::namedIcon(dir.filePath(QStringLiteral("none.png"))).isNull());
    EXPECT_TRUE(platform::namedIcon(QString()).isNull());
}

// A named pipe or a device as an entry's icon would block the bar for good.
TEST(NamedIcon, APipeOrADeviceIsNoIcon)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("icon.png"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString zero = dir.filePath(QStringLiteral("zero.png"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    EXPECT_TRUE(platform::namedIcon(pipe).isNull());
    EXPECT_TRUE(platform::namedIcon(zero).isNull());
}
