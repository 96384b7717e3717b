#pragma once
// The tutorial viewer's one class; its calls are described in TutorialViewer.h.

#include "runtime/components/Component.h"
#include "tutorview/TutorialFile.h"

namespace tutorview {

class CTutorial : public rt::Component {
public:
    QUuid ClassId() const override;
    QUuid InterfaceId() const override;
    QString ProgId() const override;

    bool setProperty(const QString& name, const QVariant& value) override;
    QVariant property(const QString& name) const override;
    QVariant invoke(const QString& method, const QVariantList& args = {}) override;

    // Shows the tutorial modally; false when there was nothing to show.
    bool Show();

private:
    QList<TutorialFile::Page> pagesToShow() const;

    QString mTitle;
    int mLastChapter = 0;
    QString mFile;
    int mCode = 0;
};

}  // namespace tutorview
