// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// In-process components: objects with a fixed class id, a fixed id of their
// default interface and a ProgID ("library.Class"), reference counted, made
// either directly through their header (early bound) or by class id or ProgID
// through the factory a shared library exports (late bound).
//
// Each class describes its default interface to Qt's meta-object system, and
// that description is all late binding reads: its properties are Q_PROPERTY,
// its methods Q_INVOKABLE, and a property with a let but no get is its
// setter alone, a Q_INVOKABLE tagged K98_LET_ONLY:
//
//     Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
//     Q_INVOKABLE K98_LET_ONLY void setIcon(const QString& path);  // "Icon"
//     Q_INVOKABLE void Show();

#include <atomic>
#include <QObject>
#include <QString>
#include <QUuid>
#include <QVariant>

// moc keeps it as the method's tag; the compiler sees nothing.
#ifndef Q_MOC_RUN
#define K98_LET_ONLY
#endif

namespace rt {

class Component : public QObject {
    Q_OBJECT
public:
    ~Component() override = default;

    virtual QUuid ClassId() const = 0;
    virtual QUuid InterfaceId() const = 0;
    virtual QString ProgId() const = 0;

    void AddRef() { ++mRefs; }
    void Release()
    {
        if (--mRefs == 0)
            delete this;
    }

    // Late-bound access to the default interface, names matched without
    // regard to case. A value or an argument is converted to the type the
    // class declares; a method that returns nothing answers true once it has
    // run. An unknown name, a property without that access, arguments of
    // another number or of types that do not convert, and anything thrown
    // answer false or an invalid QVariant: nothing leaves the library. They
    // hide QObject's own, which would also reach QObject's members and add
    // any unknown name as a property.
    bool setProperty(const QString& name, const QVariant& value) noexcept;
    QVariant property(const QString& name) const noexcept;
    QVariant invoke(const QString& method, const QVariantList& args = {}) noexcept;

private:
    std::atomic<int> mRefs{1};
};

// A class that names itself through static classId, interfaceId and progId
// members, as the factory reads them, answers its ids with them.
template <typename Class, typename Base = Component>
class NamedComponent : public Base {
public:
    using Base::Base;

    QUuid ClassId() const override { return Class::classId; }
    QUuid InterfaceId() const override { return Class::interfaceId; }
    QString ProgId() const override { return Class::progId; }
};

// Holds one reference and releases it when it goes.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    explicit ComPtr(T* adopted) : mPtr(adopted) {}
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : mPtr(other.mPtr) { other.mPtr = nullptr; }
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        if (this != &other) {
            reset();
            mPtr = other.mPtr;
            other.mPtr = nullptr;
        }
        return *this;
    }
    ~ComPtr() { reset(); }

    void reset()
    {
        if (mPtr)
            mPtr->Release();
        mPtr = nullptr;
    }
    T* get() const { return mPtr; }
    T* operator->() const { return mPtr; }
    explicit operator bool() const { return mPtr != nullptr; }

private:
    T* mPtr = nullptr;
};

// The entry point every component library exports:
//   extern "C" rt::Component* k98CreateInstance(const char* classIdOrProgId);
// It answers nullptr for a class the library does not have.
using CreateInstanceFn = Component* (*)(const char* classIdOrProgId);
constexpr const char* CreateInstanceSymbol = "k98CreateInstance";

// True when id is the class's ProgID (any case) or its class id ("{...}").
// Classes name themselves through static classId and progId members.
template <typename Class>
bool isNamedBy(const QString& id)
{
    if (id.startsWith(QLatin1Char('{')))
        return QUuid::fromString(id) == Class::classId;
    return id.compare(Class::progId, Qt::CaseInsensitive) == 0;
}

// The body of a library's factory: a new object of the first of the
// library's classes that the id names, or nullptr. Nothing is thrown across
// the library boundary.
template <typename... Classes>
Component* createNamed(const char* classIdOrProgId) noexcept
{
    if (!classIdOrProgId)
        return nullptr;
    try {
        const QString id = QString::fromUtf8(classIdOrProgId);
        Component* made = nullptr;
        ((made = made ? made : (isNamedBy<Classes>(id) ? new Classes : nullptr)), ...);
        return made;
    } catch (...) {
        return nullptr;
    }
}

// Creates an object by ProgID ("kestrel98.CProperty") or class id
// ("{...}"). The library is looked up in the program folder (the folder of the
// running executable) and in the folders of K98_COMPONENT_PATH, and loaded at
// the first creation; later ones reuse it. When nothing is made, why is set
// (a library that would not load says so in the loader's words).
ComPtr<Component> CreateObject(const QString& classIdOrProgId, QString* why = nullptr);

}  // namespace rt

#define K98_EXPORT extern "C" __attribute__((visibility("default")))
