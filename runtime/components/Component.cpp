#include "runtime/components/Component.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace rt {

bool Component::setProperty(const QString&, const QVariant&) { return false; }

QVariant Component::property(const QString&) const { return {}; }

QVariant Component::invoke(const QString&, const QVariantList&) { return {}; }

namespace {

QStringList componentFolders()
{
    QStringList folders;
    const QString extra = qEnvironmentVariable("K98_COMPONENT_PATH");
    for (const QString& folder : extra.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        folders << folder;
    folders << QCoreApplication::applicationDirPath();
    return folders;
}

Component* createFrom(const QString& libraryPath, const QByteArray& id)
{
    QLibrary library(libraryPath);
    auto create = reinterpret_cast<CreateInstanceFn>(library.resolve(CreateInstanceSymbol));
    // The library stays loaded: objects it made are still alive.
    return create ? create(id.constData()) : nullptr;
}

}  // namespace

ComPtr<Component> CreateObject(const QString& classIdOrProgId)
{
    const QByteArray id = classIdOrProgId.toUtf8();
    const bool byProgId = !classIdOrProgId.startsWith(QLatin1Char('{'));
    for (const QString& folder : componentFolders()) {
        QDir dir(folder);
        QStringList candidates;
        if (byProgId) {
            const QString library = classIdOrProgId.section(QLatin1Char('.'), 0, 0);
            candidates << QStringLiteral("lib%1.so").arg(library);
        } else {
            candidates = dir.entryList({QStringLiteral("lib*.so")}, QDir::Files, QDir::Name);
        }
        for (const QString& name : candidates) {
            if (!dir.exists(name))
                continue;
            if (Component* object = createFrom(dir.filePath(name), id))
                return ComPtr<Component>(object);
        }
    }
    return {};
}

}  // namespace rt
