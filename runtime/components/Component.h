#pragma once
// In-process components: objects with a fixed class id, a fixed id of their
// default interface and a ProgID ("library.Class"), reference counted, made
// either directly through their header (early bound) or by class id or ProgID
// through the factory a shared library exports (late bound).

#include <atomic>
#include <QString>
#include <QUuid>
#include <QVariant>

namespace rt {

class Component {
public:
    virtual ~Component() = default;

    virtual QUuid ClassId() const = 0;
    virtual QUuid InterfaceId() const = 0;
    virtual QString ProgId() const = 0;

    void AddRef() { ++mRefs; }
    void Release()
    {
        if (--mRefs == 0)
            delete this;
    }

    // Late-bound access to the default interface. Unknown names answer
    // false or an invalid QVariant.
    virtual bool setProperty(const QString& name, const QVariant& value);
    virtual QVariant property(const QString& name) const;
    virtual QVariant invoke(const QString& method, const QVariantList& args = {});

private:
    std::atomic<int> mRefs{1};
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
// running executable) and in the folders of K98_COMPONENT_PATH.
ComPtr<Component> CreateObject(const QString& classIdOrProgId);

}  // namespace rt

#define K98_EXPORT extern "C" __attribute__((visibility("default")))
