#pragma once
// Helpers of a component library's late-bound entry points.

#include <QString>
#include <QVariant>

namespace rt {

// Member names match without regard to case, as late binding does.
inline bool isMember(const QString& name, const char* member)
{
    return name.compare(QLatin1String(member), Qt::CaseInsensitive) == 0;
}

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

// The late-bound "Show" every dialog class has: runs show and answers true;
// any other method answers nothing.
template <typename ShowCall>
QVariant invokeShow(const QString& method, ShowCall&& show) noexcept
{
    return guarded(
        [&] {
            if (!isMember(method, "Show"))
                return QVariant();
            show();
            return QVariant(true);
        },
        QVariant());
}

}  // namespace rt
