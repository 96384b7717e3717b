#include "runtime/accessibility/AccessibleApplication.h"

namespace rt {

QString AccessibleApplication::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? mName : QAccessibleApplication::text(t);
}

}  // namespace rt
