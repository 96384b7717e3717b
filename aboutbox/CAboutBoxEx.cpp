#include "aboutbox/CAboutBoxEx.h"

#include "aboutbox/frmAbout.h"
#include "platform/files/GuardedFile.h"
#include "runtime/components/LateBinding.h"
#include "shared/Mshared.h"

#include <QDate>
#include <QImage>

namespace glintbox {

using rt::guarded;
using rt::isMember;

const QUuid CAboutBoxEx::classId{"{1D6E35DC-A8E1-4195-98CF-806E7A09612B}"};
const QUuid CAboutBoxEx::interfaceId{"{B2ABA902-ACBD-4188-B8D3-5CF625105371}"};
const QString CAboutBoxEx::progId = QStringLiteral("glintbox.CAboutBoxEx");

namespace {

QString creditLine() { return QStringLiteral("By Fenwright Software, %1").arg(QDate::currentDate().year()); }

struct TextProperty {
    const char* name;
    QString (CAboutBoxEx::*get)() const;
    void (CAboutBoxEx::*set)(const QString&);
};

constexpr TextProperty TextProperties[] = {
    {"Comment", &CAboutBoxEx::Comment, &CAboutBoxEx::setComment},
    {"Email", &CAboutBoxEx::Email, &CAboutBoxEx::setEmail},
    {"Website", &CAboutBoxEx::Website, &CAboutBoxEx::setWebsite},
    {"ProgramVersion", &CAboutBoxEx::ProgramVersion, &CAboutBoxEx::setProgramVersion},
    {"ProgramName", &CAboutBoxEx::ProgramName, &CAboutBoxEx::setProgramName},
    {"PictureFile", &CAboutBoxEx::PictureFile, &CAboutBoxEx::setPictureFile},
    {"Caption", &CAboutBoxEx::Caption, &CAboutBoxEx::setCaption},
};

const TextProperty* textProperty(const QString& name)
{
    for (const TextProperty& property : TextProperties) {
        if (isMember(name, property.name))
            return &property;
    }
    return nullptr;
}

QPixmap pictureOf(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QImage>())
        return QPixmap::fromImage(value.value<QImage>());
    return value.value<QPixmap>();
}

}  // namespace

CAboutBoxEx::CAboutBoxEx() = default;

CAboutBoxEx::~CAboutBoxEx() = default;

frmAbout& CAboutBoxEx::loadedForm()
{
    if (!mForm || !mForm->Loaded()) {
        mForm = std::make_unique<frmAbout>();
        mForm->Load();
    }
    return *mForm;
}

void CAboutBoxEx::setPicture(const QPixmap& picture) { loadedForm().imgPict.setPicture(picture); }

void CAboutBoxEx::Show()
{
    frmAbout& form = loadedForm();
    form.lblComment.setCaption(mComment);
    form.lblAuthor.setCaption(creditLine());
    if (mShowAnimation)
        form.Tag = QStringLiteral("animation");
    form.setAllVisible(!mShowAnimation);
    form.framePicture();
    form.placeVersion();
    shared::ShowFormNearCursor(form);
}

void CAboutBoxEx::setComment(const QString& comment)
{
    mComment = comment;
    loadedForm().lblComment.setCaption(comment);
}

void CAboutBoxEx::setEmail(const QString& address)
{
    mEmail = address;
    loadedForm().lblEmail2.setCaption(address);
}

void CAboutBoxEx::setWebsite(const QString& address)
{
    mWebsite = address;
    loadedForm().lblWebsite2.setCaption(address);
}

void CAboutBoxEx::setProgramVersion(const QString& version)
{
    mProgramVersion = version;
    loadedForm().lblVersion.setCaption(version);
}

void CAboutBoxEx::setProgramName(const QString& name)
{
    mProgramName = name;
    loadedForm().lblProgramName.setCaption(name);
}

void CAboutBoxEx::setPictureFile(const QString& file)
{
    mPictureFile = file;
    // A file that holds no picture leaves the picture empty.
    loadedForm().imgPict.setPicture(QPixmap::fromImage(platform::loadGuardedImage(file)));
}

void CAboutBoxEx::setCaption(const QString& caption)
{
    mCaption = caption;
    loadedForm().setCaption(caption);
}

bool CAboutBoxEx::setProperty(const QString& name, const QVariant& value)
{
    return guarded(
        [&] {
            if (const TextProperty* property = textProperty(name)) {
                (this->*property->set)(value.toString());
                return true;
            }
            if (isMember(name, "ShowAnimation")) {
                setShowAnimation(value.toBool());
                return true;
            }
            if (isMember(name, "Picture")) {
                setPicture(pictureOf(value));
                return true;
            }
            return false;
        },
        false);
}

QVariant CAboutBoxEx::property(const QString& name) const
{
    return guarded(
        [&] {
            if (const TextProperty* property = textProperty(name))
                return QVariant((this->*property->get)());
            if (isMember(name, "ShowAnimation"))
                return QVariant(mShowAnimation);
            return QVariant();
        },
        QVariant());
}

QVariant CAboutBoxEx::invoke(const QString& method, const QVariantList&)
{
    return rt::invokeShow(method, [this] { Show(); });
}

}  // namespace glintbox
