// tavolin.cfg has no magic and no checksum: any bytes at all must read as a record whose
// fields are ended texts, and must write back unchanged.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "project/DisplayType.h"
#include "project/ProjectConfig.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(ProjectConfigFileName));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    TProjectConfig config;
    if (!ReadProjectConfig(dir.path(), config))
        __builtin_trap();
    for (const TProjectConfig::Field* field : {&config.language1File, &config.language2File,
                                               &config.diagLanguage1File, &config.diagLanguage2File,
                                               &config.charSetName, &config.displayTypeName})
        if (TProjectConfig::Get(*field).size() > TProjectConfig::MaxText)
            __builtin_trap();
    TDisplayType row;
    FindDisplayType(TProjectConfig::Get(config.displayTypeName), row);

    if (!WriteProjectConfig(dir.path(), config))
        __builtin_trap();
    TProjectConfig again;
    if (!ReadProjectConfig(dir.path(), again) || !(again == config))
        __builtin_trap();
    return 0;
}
