// Documents come from the editor and from "tavolin-cli rtf": reading any bytes must stay
// inside the input and never fail, and a message must settle in its normal form.
#include <cstddef>
#include <cstdint>

#include "texts/RichTextBridge.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    RtfToMessage(input);
    LinesToRtf(RtfToLines(input), "S", "_EGA1B2.TMP");

    // Control codes other than the marks are lost on the way, yet they let marks act early.
    QByteArray text;
    for (const char c : input)
        if (static_cast<quint8>(c) >= 0x20 || QByteArray("\r\x0E\x0F\x10\x12").contains(c))
            text += c;
    const QByteArray normal = RtfToMessage(MessageToRtf(text, "S", "_EGA1B2.TMP"));
    if (RtfToMessage(MessageToRtf(normal, "S", "_EGA1B2.TMP")) != normal)
        __builtin_trap();
    if (RtfToMessage(LinesToRtf(RtfToLines(MessageToRtf(normal, "S", "_EGA1B2.TMP")), "S", "_EGA1B2.TMP")) != normal)
        __builtin_trap();
    return 0;
}
