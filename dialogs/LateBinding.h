#pragma once
// Helpers of the library's late-bound entry points.

#include <QString>

namespace kestrel98 {

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

}  // namespace kestrel98
