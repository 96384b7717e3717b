// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A stand-in for the file manager in the end-to-end tests: a small window
// that starts a real drag of the files named on its command line when the
// mouse is pressed on it.

#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

class DragSource : public QWidget {
public:
    explicit DragSource(QList<QUrl> urls) : mUrls(std::move(urls)) { setWindowTitle(QStringLiteral("drag source")); }

protected:
    void mousePressEvent(QMouseEvent*) override
    {
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setUrls(mUrls);
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction);
    }

private:
    QList<QUrl> mUrls;
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // As file managers do: the name's bytes, percent-encoded, whether or not
    // they are UTF-8.
    QList<QUrl> urls;
    for (int i = 1; i < argc; ++i)
        urls << QUrl::fromEncoded("file://" + QByteArray(argv[i]).toPercentEncoding("/"));
    DragSource source(urls);
    source.setGeometry(100, 500, 200, 100);
    source.show();
    return app.exec();
}
