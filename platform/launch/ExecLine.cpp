// SPDX-FileCopyrightText: 2026 Kestrel 98 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/launch/ExecLine.h"

namespace platform {

namespace {

// Deprecated codes, and the ones for files and URLs (none are handed over).
bool expandsToNothing(QChar code) { return QStringLiteral("fFuUdDnNvm").contains(code); }

// Inside quotes a backslash escapes only these characters.
bool isQuotedEscape(QChar c) { return QStringLiteral("\"`$\\").contains(c); }

bool isSpace(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n'); }

// Splits the Exec value, one character at a time.
class ExecSplitter {
public:
    ExecSplitter(const QString& exec, const ExecContext& context) : mExec(exec), mContext(context) {}

    std::optional<QStringList> split()
    {
        for (mAt = 0; mAt < mExec.size() && mValid; ++mAt)
            take(mExec.at(mAt));
        if (mQuoted || !mValid)
            return std::nullopt;
        finishArgument();
        if (mArguments.isEmpty())
            return std::nullopt;
        return mArguments;
    }

private:
    void take(QChar c)
    {
        if (c == QLatin1Char('%')) {
            if (hasNext())
                takeFieldCode(mExec.at(++mAt));
            else
                mValid = false;
        } else if (mQuoted) {
            takeQuoted(c);
        } else if (isSpace(c)) {
            finishArgument();
        } else if (c == QLatin1Char('"')) {
            mQuoted = true;
            mStarted = mKeepEmpty = true;
        } else if (c == QLatin1Char('\\') && hasNext()) {
            append(mExec.at(++mAt));
        } else {
            append(c);
        }
    }

    void takeQuoted(QChar c)
    {
        if (c == QLatin1Char('"'))
            mQuoted = false;
        else if (c == QLatin1Char('\\') && hasNext() && isQuotedEscape(mExec.at(mAt + 1)))
            append(mExec.at(++mAt));
        else
            append(c);
    }

    void takeFieldCode(QChar code)
    {
        mStarted = true;
        if (code == QLatin1Char('%'))
            append(code);
        else if (code == QLatin1Char('c'))
            mCurrent += mContext.name;
        else if (code == QLatin1Char('k'))
            mCurrent += mContext.entryFile;
        else if (code == QLatin1Char('i'))
            takeIcon();
        else if (!expandsToNothing(code))
            mValid = false;
    }

    // %i is two arguments of its own; inside a word it can only be the name.
    void takeIcon()
    {
        const bool standsAlone = mCurrent.isEmpty() && !mQuoted && (!hasNext() || isSpace(mExec.at(mAt + 1)));
        if (!standsAlone) {
            mCurrent += mContext.icon;
        } else if (!mContext.icon.isEmpty()) {
            mArguments << QStringLiteral("--icon") << mContext.icon;
            mStarted = false;
        }
    }

    void append(QChar c)
    {
        mCurrent.append(c);
        mStarted = true;
    }

    // An argument that only held field codes disappears; "" stays an argument.
    void finishArgument()
    {
        if (mStarted && (!mCurrent.isEmpty() || mKeepEmpty))
            mArguments << mCurrent;
        mCurrent.clear();
        mStarted = mKeepEmpty = false;
    }

    bool hasNext() const { return mAt + 1 < mExec.size(); }

    const QString& mExec;
    const ExecContext& mContext;
    qsizetype mAt = 0;
    QString mCurrent;
    QStringList mArguments;
    bool mQuoted = false;
    bool mStarted = false;
    bool mKeepEmpty = false;
    bool mValid = true;
};

}  // namespace

std::optional<QStringList> expandExec(const QString& exec, const ExecContext& context)
{
    return ExecSplitter(exec, context).split();
}

}  // namespace platform
