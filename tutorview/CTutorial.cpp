#include "tutorview/CTutorial.h"

#include "runtime/forms/Interaction.h"
#include "tutorview/TutorialViewer.h"
#include "tutorview/TutorialWindow.h"

#include <QApplication>

namespace tutorview {

namespace {

// Late-bound names are matched the way a dispatch interface matches them.
bool isName(const QString& name, const char* expected)
{
    return name.compare(QLatin1String(expected), Qt::CaseInsensitive) == 0;
}

bool readText(const QVariant& value, QString& into)
{
    if (!value.canConvert<QString>())
        return false;
    into = value.toString();
    return true;
}

bool readNumber(const QVariant& value, int& into)
{
    bool ok = false;
    const int number = value.toInt(&ok);
    if (ok)
        into = number;
    return ok;
}

}  // namespace

QUuid CTutorial::ClassId() const { return tutorview::ClassId; }

QUuid CTutorial::InterfaceId() const { return tutorview::InterfaceId; }

QString CTutorial::ProgId() const { return QLatin1String(tutorview::ProgId); }

bool CTutorial::setProperty(const QString& name, const QVariant& value)
{
    if (isName(name, TitleProperty))
        return readText(value, mTitle);
    if (isName(name, ChapterProperty))
        return readNumber(value, mLastChapter);
    if (isName(name, FileProperty))
        return readText(value, mFile);
    if (isName(name, CodeProperty))
        return readNumber(value, mCode);
    return false;
}

QVariant CTutorial::property(const QString& name) const
{
    if (isName(name, TitleProperty))
        return mTitle;
    if (isName(name, ChapterProperty))
        return mLastChapter;
    if (isName(name, FileProperty))
        return mFile;
    if (isName(name, CodeProperty))
        return mCode;
    return {};
}

QVariant CTutorial::invoke(const QString& method, const QVariantList&)
{
    if (!isName(method, ShowMethod))
        return {};
    // Nothing may escape into the host, which knows only late-bound calls.
    try {
        return Show();
    } catch (...) {
        return false;
    }
}

bool CTutorial::Show()
{
    // A window needs a widget application; a console host gets nothing.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return false;
    const QList<TutorialFile::Page> pages = pagesToShow();
    if (pages.isEmpty())
        return false;
    TutorialWindow window(mTitle, pages);
    rt::ShowModal(&window);
    return true;
}

QList<TutorialFile::Page> CTutorial::pagesToShow() const
{
    const QList<TutorialFile::Page> pages = TutorialFile::load(mFile, mCode).pages();
    return mLastChapter > 0 ? pages.mid(0, mLastChapter) : pages;
}

}  // namespace tutorview

K98_EXPORT rt::Component* k98CreateInstance(const char* classIdOrProgId)
{
    const QString id = QString::fromUtf8(classIdOrProgId ? classIdOrProgId : "");
    const bool known = QUuid::fromString(id) == tutorview::ClassId ||
        id.compare(QLatin1String(tutorview::ProgId), Qt::CaseInsensitive) == 0;
    if (!known)
        return nullptr;
    try {
        return new tutorview::CTutorial;
    } catch (...) {
        return nullptr;
    }
}
