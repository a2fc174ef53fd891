#pragma once

#include <QByteArray>

#include "common/TavolinError.h"
#include "texts/MessageTable.h"
#include "texts/TextExchange.h"

// The import's way into a table for the fuzz targets: JSON, or CSV where `csv` says so.
// False where the import refuses the input, which is an allowed answer to any bytes.
inline bool ImportExchange(const QByteArray& input, bool csv, TMessageTable& table)
{
    try {
        if (csv)
            TextExchange::FromCsv(input, table, 0);
        else
            TextExchange::FromJson(input, table, 0);
    } catch (const TavolinError&) {
        return false;
    }
    return true;
}
