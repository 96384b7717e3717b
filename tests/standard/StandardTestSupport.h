#pragma once
// What the tests of the standard dialogs share: files made for them and the
// box shown through the scripted platform.

#include "tests/support/FakePlatform.h"

#include <QFile>
#include <QImage>
#include <QString>
#include <functional>

// Writes the bytes to the file; false when it could not.
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A 32 x 32 icon file of one colour.
inline bool writeIcon(const QString& path, const QColor& colour)
{
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(colour);
    return picture.save(path, "ICO");
}

// Runs `whileShown` on the form while Show holds it up, then lets it close.
template <typename Form>
void whileShown(FakePlatform& fake, const std::function<void(Form&)>& act,
                const std::function<void()>& show)
{
    fake.onModal = [&](QWidget* window) { act(*static_cast<Form*>(window)); };
    show();
    fake.onModal = nullptr;
}
