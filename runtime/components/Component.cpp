// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/components/Component.h"

#include <array>
#include <dlfcn.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QMetaMethod>
#include <QMetaProperty>

namespace rt {

namespace {

// Runs a call made from outside the library; nothing thrown inside it leaves
// the library, the caller gets the fallback instead.
template <typename Result, typename Call>
Result guarded(Call&& call, Result fallback) noexcept
{
    try {
        return call();
    } catch (...) {
        return fallback;
    }
}

bool isNamed(const QString& name, const QByteArray& member)
{
    return name.compare(QLatin1String(member), Qt::CaseInsensitive) == 0;
}

// Only the members a class declares below Component make its interface:
// QObject's objectName and deleteLater are none of a late-bound caller's
// business.
QMetaProperty interfaceProperty(const QMetaObject& meta, const QString& name)
{
    for (int i = Component::staticMetaObject.propertyCount(); i < meta.propertyCount(); ++i) {
        if (isNamed(name, meta.property(i).name()))
            return meta.property(i);
    }
    return {};
}

enum class MethodKind { Method, LetOnly };

QMetaMethod interfaceMethod(const QMetaObject& meta, const QString& name, qsizetype parameters, MethodKind kind)
{
    for (int i = Component::staticMetaObject.methodCount(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        const MethodKind tagged = qstrcmp(method.tag(), "K98_LET_ONLY") == 0 ? MethodKind::LetOnly : MethodKind::Method;
        if (method.methodType() == QMetaMethod::Method && tagged == kind && method.parameterCount() == parameters &&
            isNamed(name, method.name()))
            return method;
    }
    return {};
}

// Calls a method with the arguments converted to its parameter types;
// an invalid QVariant when they do not convert.
QVariant call(Component& object, const QMetaMethod& method, QVariantList args)
{
    constexpr std::size_t MostArguments = 10;  // what QMetaMethod::invoke takes
    std::array<QGenericArgument, MostArguments> given{};
    if (args.size() > qsizetype(MostArguments))
        return {};
    for (int i = 0; i < args.size(); ++i) {
        QVariant& arg = args[i];
        if (!arg.convert(method.parameterMetaType(i)))
            return {};
        given.at(i) = QGenericArgument(arg.typeName(), arg.constData());
    }
    const bool returnsNothing = method.returnMetaType() == QMetaType::fromType<void>();
    QVariant result = returnsNothing ? QVariant(true) : QVariant(method.returnMetaType());
    const QGenericReturnArgument into =
        returnsNothing ? QGenericReturnArgument() : QGenericReturnArgument(method.typeName(), result.data());
    if (!method.invoke(&object, Qt::DirectConnection, into, given[0], given[1], given[2], given[3], given[4], given[5],
                       given[6], given[7], given[8], given[9]))
        return {};
    return result;
}

}  // namespace

bool Component::setProperty(const QString& name, const QVariant& value) noexcept
{
    return guarded(
        [&] {
            const QMetaProperty property = interfaceProperty(*metaObject(), name);
            if (property.isValid())
                return property.write(this, value);
            const QMetaMethod let =
                interfaceMethod(*metaObject(), QStringLiteral("set") + name, 1, MethodKind::LetOnly);
            return let.isValid() && call(*this, let, {value}).isValid();
        },
        false);
}

QVariant Component::property(const QString& name) const noexcept
{
    return guarded([&] { return interfaceProperty(*metaObject(), name).read(this); }, QVariant());
}

QVariant Component::invoke(const QString& method, const QVariantList& args) noexcept
{
    return guarded(
        [&] {
            const QMetaMethod found = interfaceMethod(*metaObject(), method, args.size(), MethodKind::Method);
            return found.isValid() ? call(*this, found, args) : QVariant();
        },
        QVariant());
}

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

bool isLoaded(const QString& libraryPath)
{
    void* handle = ::dlopen(QFile::encodeName(libraryPath).constData(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle)
        ::dlclose(handle);
    return handle != nullptr;
}

// Asks the library at that path for the object; why is set when the library
// does not load. A library this call loaded that has no such class is let go
// again: a look-up by class id asks every library in the folder, and none
// should stay mapped for nothing.
Component* createFrom(const QString& libraryPath, const QByteArray& id, QString& why)
{
    const bool loadedBefore = isLoaded(libraryPath);
    QLibrary library(libraryPath);
    if (!library.load()) {
        why = library.errorString();
        return nullptr;
    }
    auto create = reinterpret_cast<CreateInstanceFn>(library.resolve(CreateInstanceSymbol));
    Component* made = create ? create(id.constData()) : nullptr;
    // Otherwise the library stays loaded: the object it made is alive.
    if (!made && !loadedBefore)
        library.unload();
    return made;
}

}  // namespace

ComPtr<Component> CreateObject(const QString& classIdOrProgId, QString* why)
{
    const QByteArray id = classIdOrProgId.toUtf8();
    const bool byProgId = !classIdOrProgId.startsWith(QLatin1Char('{'));
    QString failure;
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
            if (Component* object = createFrom(dir.filePath(name), id, failure))
                return ComPtr<Component>(object);
        }
    }
    if (why)
        *why = failure.isEmpty() ? QStringLiteral("No component library offers %1.").arg(classIdOrProgId) : failure;
    return {};
}

}  // namespace rt
