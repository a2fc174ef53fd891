#include "charset/CharSet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>

#include "charset/EditableFont.h"
#include "charset/FontEditorLink.h"
#include "charset/FontFileBuilder.h"
#include "charset/TempFile.h"
#include "charset/TrueTypeBuilder.h"
#include "common/AtomicFile.h"
#include "common/SourceFile.h"
#include "common/TavolinError.h"

namespace {

QDateTime ModificationTime(const QString& path)
{
    // A fresh QFileInfo each time: a cached one would miss a rewrite.
    const QFileInfo info(path);
    return info.exists() ? info.lastModified() : QDateTime();
}

} // namespace

TCharSet::TCharSet(char letter, QObject* parent) : QObject(parent), prefixChar(letter)
{
    // Without a usable temporary folder the set stays empty; Import tries again and
    // reports the problem when a project is opened.
    try {
        fonPath = MakeTempFileName(letter);
        fntPath = MakeTempFileName(letter);
    } catch (const TavolinError&) {
    }
}

TCharSet::~TCharSet()
{
    try {
        Release();
    } catch (...) {
        // Leaving is never blocked by a temporary file that will not go.
    }
}

bool TCharSet::Import(const QString& pixPath)
{
    Release();
    if (fonPath.isEmpty())
        fonPath = MakeTempFileName(prefixChar);
    if (fntPath.isEmpty())
        fntPath = MakeTempFileName(prefixChar);
    PixToFont(pixPath, fntPath, QFileInfo(fntPath).fileName());
    pixName = QFileInfo(pixPath).fileName();
    importedFrom = pixPath;
    fntDate = ModificationTime(fntPath);
    modified = false;
    RebuildFont();
    return true;
}

bool TCharSet::Save(const QString& pixPath)
{
    if (fntPath.isEmpty())
        return true;
    FontToPix(fntPath, pixPath);
    modified = false;
    return true;
}

void TCharSet::Release()
{
    if (!fntPath.isEmpty() && QFileInfo::exists(fntPath)) {
        QFile::remove(fntPath);
        RebuildFont();
    }
    PurgePendingDeletes();
}

bool TCharSet::RebuildFont()
{
    const QString face = QFileInfo(fntPath).fileName();

    if ((!fonPath.isEmpty() && QFileInfo::exists(fonPath)) || m_fontId >= 0) {
        Q_EMIT FontChange(1, face);
        if (m_fontId >= 0) {
            QFontDatabase::removeApplicationFont(m_fontId);
            m_fontId = -1;
        }
        if (!fonPath.isEmpty() && QFileInfo::exists(fonPath) && !QFile::remove(fonPath)) {
            pendingDeletes += (pendingDeletes.isEmpty() ? QString() : QStringLiteral(";")) + fonPath;
            fonPath = MakeTempFileName(prefixChar);
        }
    }

    if (!fntPath.isEmpty() && QFileInfo::exists(fntPath)) {
        const QByteArray source = EditableFont::ReadFile(fntPath);
        QString builtFace;
        const QByteArray fon = BuildFontFileData(source, fntPath, &builtFace);
        const QByteArray trueType = BuildTrueTypeFont(builtFace, EditableFont::WindowsGlyphs(source, fntPath));
        ReplaceFileBytes(fonPath, fon,
                         QCoreApplication::translate("CharSet", "Die Schriftdatei kann nicht geschrieben werden."));
        m_fontId = QFontDatabase::addApplicationFontFromData(trueType);
        if (m_fontId >= 0)
            Q_EMIT FontChange(2, builtFace);
        font = MakeFont(builtFace);
        m_face = builtFace;
    }
    return true;
}

QFont TCharSet::MakeFont(const QString& face)
{
    QFont result(face);
    result.setFamilies({face});
    result.setPixelSize(16);
    result.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    result.setHintingPreference(QFont::PreferNoHinting);
    result.setFixedPitch(true);
    result.setKerning(false);
    return result;
}

bool TCharSet::CheckExternalChange()
{
    if (fntPath.isEmpty() || !QFileInfo::exists(fntPath))
        return false;
    const QDateTime stamp = ModificationTime(fntPath);
    if (stamp == fntDate)
        return false;
    fntDate = stamp;
    modified = true; // even if the rebuild fails below, the set no longer matches its file
    RebuildFont();
    return true;
}

QByteArray TCharSet::Glyphs() const
{
    if (fntPath.isEmpty() || !QFileInfo::exists(fntPath))
        return QByteArray();
    return EditableFont::ToPix(EditableFont::ReadFile(fntPath), fntPath);
}

void TCharSet::SetGlyphs(const QByteArray& pix)
{
    if (fntPath.isEmpty() || pix.isEmpty())
        return;
    PixDataToFont(pix, fntPath, QFileInfo(fntPath).fileName());
    fntDate = ModificationTime(fntPath);
    RebuildFont();
}

void TCharSet::PurgePendingDeletes()
{
    if (pendingDeletes.isEmpty())
        return;
    const QStringList paths = pendingDeletes.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    pendingDeletes.clear();
    QStringList kept;
    for (const QString& path : paths)
        if (!QFile::remove(path) && QFileInfo::exists(path))
            kept.append(path);
    pendingDeletes = kept.join(QLatin1Char(';'));
}

void TCharSet::StartEditor(QObject* owner, int x, int y)
{
    FontEditorLink::Instance().StartEditor(owner, x, y, fntPath, pixName);
}

bool TCharSet::EndEditor()
{
    FontEditorLink::Instance().EndEditor();
    return CheckExternalChange();
}

void TCharSet::PixToFont(const QString& pixPath, const QString& fontPath, const QString& faceName)
{
    QByteArray pix;
    QFile source(pixPath);
    if (source.open(QIODevice::ReadOnly))
        pix = source.read(EditableFont::PixSize); // a missing or short file leaves blank glyphs
    PixDataToFont(pix, fontPath, faceName);
}

void TCharSet::PixDataToFont(const QByteArray& pix, const QString& fontPath, const QString& faceName)
{
    const QByteArray font = EditableFont::FromPix(pix, faceName);
    ReplaceFileBytes(fontPath, font,
                     QCoreApplication::translate("CharSet", "Die Zeichensatzdatei kann nicht geschrieben werden."));
}

QByteArray TCharSet::ReadPixFile(const QString& pixPath)
{
    const QByteArray pix =
        ReadSourceFile(pixPath, QCoreApplication::translate("CharSet", "Die Pixeldatei"), EditableFont::MaxFileSize);
    if (pix.size() != PixSize)
        throw TavolinError(
            QCoreApplication::translate("CharSet", "Die Pixeldatei \"%1\" ist %2; ein Zeichensatz hat %3 Bytes.")
                .arg(QDir::toNativeSeparators(pixPath),
                     pix.isEmpty() ? QCoreApplication::translate("CharSet", "leer")
                                   : QCoreApplication::translate("CharSet", "mit %1 Bytes %2")
                                         .arg(pix.size())
                                         .arg(pix.size() < PixSize ? QCoreApplication::translate("CharSet", "zu kurz")
                                                                   : QCoreApplication::translate("CharSet", "zu lang")))
                .arg(PixSize));
    return pix;
}

void TCharSet::FontToPix(const QString& fontPath, const QString& pixPath)
{
    // The whole font is read and checked before the ".pix" file is touched, so a damaged
    // font never costs the user the file on disk.
    const QByteArray pix = EditableFont::ToPix(EditableFont::ReadFile(fontPath), fontPath);
    ReplaceFileBytes(pixPath, pix,
                     QCoreApplication::translate("CharSet", "Die Pixeldatei kann nicht geschrieben werden."));
}
