// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/icons/IconTheme.h"
#include "platform/icons/NamedIcon.h"
#include "platform/icons/XSettings.h"

#include "tests/support/ScopedEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <ctime>

#include <fcntl.h>
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

bool saveSvg(const QString& path, const char* color)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
        file.write(QByteArray("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\">"
                              "<rect width=\"16\" height=\"16\" fill=\"") +
                   color + "\"/></svg>") > 0;
}

// An icon theme under base/name: index.theme with the given folder groups
// (each "path" followed by its keys), and each icon file as "folder/file"
// with its colour.
void makeTheme(const QString& base, const QString& name, const QByteArray& main,
               const QList<std::pair<QByteArray, QByteArray>>& folders, const QList<std::pair<QString, QColor>>& files)
{
    const QString theme = base + '/' + name;
    QByteArray index = "[Icon Theme]\nName=" + name.toUtf8() + "\n" + main + "Directories=";
    for (const auto& folder : folders)
        index += folder.first + ',';
    index += '\n';
    for (const auto& folder : folders)
        index += '[' + folder.first + "]\n" + folder.second;
    ASSERT_TRUE(QDir().mkpath(theme));
    QFile file(theme + QStringLiteral("/index.theme"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(index) == index.size());
    for (const auto& [path, color] : files) {
        const QString full = theme + '/' + path;
        ASSERT_TRUE(QDir().mkpath(QFileInfo(full).path()));
        if (full.endsWith(QStringLiteral(".svg")))
            ASSERT_TRUE(saveSvg(full, qPrintable(color.name())));
        else
            ASSERT_TRUE(saveImage(full, color, full.endsWith(QStringLiteral(".xpm")) ? "XPM" : "PNG"));
    }
}

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

// Each size gets the theme's file the icon theme's rules choose: an exact fit
// in any format (PNG, SVG, XPM), else the folder closest by its size
// distance; the first theme of the chain that has the icon decides, and
// hicolor stands behind every theme.
TEST(NamedIcon, ThemeIconsPickTheClosestSizeInEveryFormat)
{
    QTemporaryDir dir;
    const QString base = dir.filePath(QStringLiteral("share/icons"));
    makeTheme(base, QStringLiteral("K98Sizes"), "",
              {{"16x16/apps", "Size=16\nType=Fixed\n"},
               {"22x22/apps", "Size=22\nType=Fixed\n"},
               {"24x24/apps", "Size=24\nType=Fixed\n"},
               {"32x32/apps", "Size=32\n"},
               {"scalable/apps", "Size=128\nType=Scalable\nMinSize=64\nMaxSize=256\n"}},
              {{"16x16/apps/k98-sized.png", Qt::red},
               {"22x22/apps/k98-sized.svg", Qt::green},
               {"24x24/apps/k98-sized.png", Qt::blue},
               {"32x32/apps/k98-sized.xpm", Qt::yellow},
               {"scalable/apps/k98-sized.svg", Qt::magenta},
               {"32x32/apps/k98-parent-only.png", Qt::cyan},
               {"scalable/apps/k98-both.svg", Qt::blue}});
    makeTheme(base, QStringLiteral("K98Child"), "Inherits=K98Sizes\n", {{"16x16/apps", "Size=16\nType=Fixed\n"}},
              {{"16x16/apps/k98-both.png", Qt::red}});
    makeTheme(base, QStringLiteral("hicolor"), "", {{"48x48/apps", "Size=48\nType=Fixed\n"}},
              {{"48x48/apps/k98-hicolor.png", Qt::darkGreen}});
    const ScopedEnv dataDirs("XDG_DATA_DIRS", dir.filePath(QStringLiteral("share")).toUtf8());
    const QString previousTheme = QIcon::themeName();
    QIcon::setThemeName(QStringLiteral("K98Child"));

    const struct {
        const char* icon;
        int side;
        QColor color;
    } cases[] = {
        {"k98-sized", 16, Qt::red},         {"k98-sized", 22, Qt::green},      {"k98-sized", 20, Qt::green},
        {"k98-sized", 24, Qt::blue},        {"k98-sized", 26, Qt::blue},       {"k98-sized", 28, Qt::yellow},
        {"k98-sized", 34, Qt::yellow},      {"k98-sized", 48, Qt::yellow},     {"k98-sized", 56, Qt::magenta},
        {"k98-sized", 512, Qt::magenta},    {"k98-parent-only", 16, Qt::cyan}, {"k98-both", 128, Qt::red},
        {"k98-hicolor", 16, Qt::darkGreen},
    };
    for (const auto& c : cases) {
        const QIcon icon = platform::themedIcon(QLatin1String(c.icon));
        const QImage image = icon.pixmap(c.side, c.side).toImage();
        EXPECT_EQ(image.size(), QSize(c.side, c.side)) << c.icon << ' ' << c.side;
        EXPECT_EQ(image.pixelColor(c.side / 2, c.side / 2), c.color) << c.icon << ' ' << c.side;
    }
    EXPECT_TRUE(platform::themedIcon(QStringLiteral("k98-nowhere")).isNull());
    QIcon::setThemeName(previousTheme);

    // The same choices through the themes' indexes (gtk-update-icon-cache),
    // which stand for the folders while they are as new as their theme.
    QStringList listedFiles;
    const platform::IconTheme listed(QStringLiteral("K98Child"), {base});
    for (const auto& c : cases)
        listedFiles << listed.findIcon(QLatin1String(c.icon), c.side);
    for (const char* theme : {"K98Sizes", "K98Child", "hicolor"}) {
        ASSERT_EQ(QProcess::execute(QStringLiteral("gtk-update-icon-cache"),
                                    {QStringLiteral("-q"), QStringLiteral("-f"), base + '/' + theme}),
                  0);
    }
    const QString late = base + QStringLiteral("/K98Sizes/16x16/apps/k98-late.png");
    ASSERT_TRUE(saveImage(late, Qt::black, "PNG"));
    const platform::IconTheme indexed(QStringLiteral("K98Child"), {base});
    for (qsizetype i = 0; i < listedFiles.size(); ++i)
        EXPECT_EQ(indexed.findIcon(QLatin1String(cases[i].icon), cases[i].side), listedFiles.at(i)) << cases[i].icon;
    EXPECT_EQ(indexed.findIcon(QStringLiteral("k98-late"), 16), QString());
    // A theme folder newer than its index: the index is out of date.
    const timespec later[2] = {{std::time(nullptr) + 60, 0}, {std::time(nullptr) + 60, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(base + QStringLiteral("/K98Sizes")).constData(), later, 0), 0);
    EXPECT_EQ(platform::IconTheme(QStringLiteral("K98Child"), {base}).findIcon(QStringLiteral("k98-late"), 16), late);
}
